#pragma once

#include <QImage>

#include <filesystem>

namespace kalvintera {

// Decodes a JPEG file with libjpeg. A null image when the file is missing or not a JPEG
// that libjpeg can read; damaged data never ends the program.
QImage LoadJpeg(const std::filesystem::path& file);

} // namespace kalvintera
