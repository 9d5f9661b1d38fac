#pragma once

#include <QImage>

#include <filesystem>

namespace kalvintera::pictures {

// Picture of fitting kind 1 … 18 for the pressure-loss calculator (chooser buttons and the
// fitting dialog), 200 × 150.
QImage FittingDrawing(int kind);

// The small picture of a tee's case: passage (0) or branch (1), dividing (0) or
// converging (1) flow, 96 × 72.
QImage TeeCaseDrawing(int path, int flow);

// Writes every fitting and tee-case picture as BMP under the names the calculator loads
// them by, into `folder` (the data folder's calc/). FileError naming a file it cannot write.
// Returns the number of pictures written.
int WriteFittingPictures(const std::filesystem::path& folder);

} // namespace kalvintera::pictures
