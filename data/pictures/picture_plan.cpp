#include "picture_plan.h"

#include "core/errors.h"

#include <algorithm>
#include <filesystem>

namespace kalvintera::pictures {
namespace {

void CheckName(const std::string& name, const DeviceRecord& record)
{
    const std::filesystem::path path(name);
    const bool escapes = path.is_absolute() ||
                         std::any_of(path.begin(), path.end(), [](const auto& part) { return part == ".."; });
    if (escapes || name.find('\\') != std::string::npos) {
        throw DataError("The picture name \"" + name + "\" of " + record.Model +
                        " does not name a file inside the picture folder");
    }
}

void Add(std::vector<NamedPicture>& list, const std::string& file, const DeviceRecord& record)
{
    CheckName(file, record);
    const auto found = std::find_if(list.begin(), list.end(), [&file](const NamedPicture& p) { return p.file == file; });
    if (found != list.end()) {
        found->records.push_back(&record);
        return;
    }
    list.push_back(NamedPicture{file, KindOf(record), {}, {&record}});
}

void Label(std::vector<NamedPicture>& list)
{
    for (NamedPicture& picture : list) picture.label = SeriesLabel(picture.records);
}

std::string TrimSeparators(std::string text)
{
    while (!text.empty() && (text.back() == '-' || text.back() == ' ' || text.back() == '_')) text.pop_back();
    return text;
}

} // namespace

PicturePlan PlanProductPictures(const std::vector<DeviceRecord>& records)
{
    PicturePlan plan;
    for (const DeviceRecord& record : records) {
        if (record.Model.empty() && record.PictureFile.empty() && record.ThumbnailFile.empty() &&
            record.DrawingFile.empty()) {
            continue; // an empty slot
        }
        auto take = [&](const std::string& file, std::vector<NamedPicture>& list, std::vector<std::string>& missing) {
            if (file.empty()) missing.push_back(record.Model);
            else Add(list, file, record);
        };
        take(record.PictureFile, plan.pictures, plan.without_picture);
        take(record.ThumbnailFile, plan.thumbnails, plan.without_thumbnail);
        take(record.DrawingFile, plan.drawings, plan.without_drawing);
    }
    Label(plan.pictures);
    Label(plan.thumbnails);
    Label(plan.drawings);
    return plan;
}

std::string HighlightedThumbnailName(const std::string& thumbnail_file) { return "x" + thumbnail_file; }

std::string SeriesLabel(const std::vector<const DeviceRecord*>& records)
{
    if (records.empty()) return {};
    const std::string& first = records.front()->Model;
    if (records.size() == 1) return first;
    const std::string& last = records.back()->Model;
    std::size_t common = first.size();
    for (const DeviceRecord* record : records) {
        const std::string& model = record->Model;
        const auto mismatch = std::mismatch(first.begin(), first.begin() + static_cast<std::ptrdiff_t>(
                                                                  std::min(common, model.size())),
                                            model.begin());
        common = static_cast<std::size_t>(mismatch.first - first.begin());
    }
    // Keep the common part up to its last separator, so "KDH-2" does not become the series.
    const std::size_t cut = first.find_last_of("- _", common == 0 ? 0 : common - 1);
    const std::size_t series_end = (cut == std::string::npos || common == 0) ? common : cut + 1;
    const std::string series = TrimSeparators(first.substr(0, series_end));
    if (series.empty()) return first + " … " + last;
    return series + " " + first.substr(series_end) + "…" + last.substr(series_end);
}

} // namespace kalvintera::pictures
