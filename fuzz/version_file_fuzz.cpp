// The version file of the update server: at most five lines, the newest version compared
// with the program's and the installer's file name taken from the address.
#include "fuzz_support.h"

#include "core/shell/update_check.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace kalvintera;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const VersionFile file = ParseVersionFile(std::string_view(reinterpret_cast<const char*>(data), size));
    fuzz::Require(file.lines.size() <= kVersionFileLines, "more version file lines than are read");
    for (NumberFormat numbers : fuzz::kBothSeparators) {
        if (!file.newestVersion().empty()) {
            fuzz::Expecting([&] { IsNewerVersion(file.newestVersion(), 1.041, numbers); });
        }
    }
    std::string name;
    if (fuzz::Expecting([&] { name = InstallerFileName(file.installerAddress()); })) {
        // The name is joined to the download folder: it must stay a plain file name there.
        fuzz::Require(name.find('/') == std::string::npos && name.find('\\') == std::string::npos,
                      "an installer name with a folder in it");
        fuzz::Require(name != "." && name != ".." && !name.empty(), "an installer name that names no file");
    }
    // The same text stands for the Content-Length header of the download.
    for (const std::string& line : file.lines) ParseContentLength(line);
    return 0;
}
