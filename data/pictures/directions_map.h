#pragma once

#include <QImage>

namespace kalvintera::pictures {

// The schematic directions map to the maker's site in Poznań (512 × 369).
QImage DirectionsMap();

} // namespace kalvintera::pictures
