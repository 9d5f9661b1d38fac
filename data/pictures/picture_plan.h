#pragma once

#include "core/catalogue/device_record.h"
#include "product_kind.h"

#include <string>
#include <vector>

namespace kalvintera::pictures {

// One picture file the catalogue names, with every record that names it (records of a
// series share their pictures), in catalogue order.
struct NamedPicture {
    std::string file;
    ProductKind kind = ProductKind::Other;
    std::string label; // the model, or the series with its size range when shared
    std::vector<const DeviceRecord*> records;
};

struct PicturePlan {
    std::vector<NamedPicture> pictures;   // PictureFile
    std::vector<NamedPicture> thumbnails; // ThumbnailFile
    std::vector<NamedPicture> drawings;   // DrawingFile
    // Models of the records that leave the field empty, per field.
    std::vector<std::string> without_picture, without_thumbnail, without_drawing;
};

// Groups the records by the file names they give. DataError for a name that would leave
// the picture folder (absolute, or with a ".." part) or that holds a backslash.
PicturePlan PlanProductPictures(const std::vector<DeviceRecord>& records);

// The highlighted thumbnail shown while the pointer is over an accessory: the thumbnail's
// own name with "x" in front.
std::string HighlightedThumbnailName(const std::string& thumbnail_file);

// "KDH 200…560" for a series, the model itself for a single record.
std::string SeriesLabel(const std::vector<const DeviceRecord*>& records);

} // namespace kalvintera::pictures
