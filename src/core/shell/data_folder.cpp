#include "core/shell/data_folder.h"

#include "core/catalogue/curve_cache.h"
#include "core/errors.h"
#include "core/message_lines.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace kalvintera {
namespace {

std::vector<std::string> SplitName(std::string_view relative)
{
    std::vector<std::string> parts;
    std::string current;
    for (char c : relative) {
        if (c == '/' || c == '\\') {
            if (!current.empty()) parts.push_back(std::move(current));
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) parts.push_back(std::move(current));
    return parts;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

// The entry of `folder` named `part`, exactly if it exists, else the first entry equal to
// it ignoring ASCII case, else `folder / part` as it is.
std::filesystem::path MatchEntry(const std::filesystem::path& folder, const std::string& part)
{
    std::error_code ec;
    std::filesystem::path exact = folder / part;
    if (std::filesystem::exists(exact, ec)) return exact;
    std::filesystem::directory_iterator it(folder, ec);
    if (ec) return exact;
    for (const auto& entry : it) {
        if (EqualIgnoringCase(entry.path().filename().string(), part)) return entry.path();
    }
    return exact;
}

} // namespace

DataFolder::DataFolder(std::filesystem::path root)
    : root_(std::move(root)), curve_cache_(std::make_shared<CurveFileCache>())
{
}

std::filesystem::path DataFolder::resolve(std::string_view relative) const
{
    const bool absolute = !relative.empty() && (relative.front() == '/' || relative.front() == '\\'
                                                 || (relative.size() > 1 && relative[1] == ':'));
    const std::vector<std::string> parts = SplitName(relative);
    const bool climbs = std::any_of(parts.begin(), parts.end(), [](const std::string& p) { return p == ".."; });
    if (absolute || climbs || parts.empty()) {
        throw FileError("The file name \"" + std::string(relative) + "\" does not name a file of the data folder",
                        {message_line::kOutsideDataDir, {std::string(relative)}});
    }
    std::filesystem::path path = root_;
    for (const std::string& part : parts) {
        if (part == ".") continue;
        path = MatchEntry(path, part);
    }
    return path;
}

} // namespace kalvintera
