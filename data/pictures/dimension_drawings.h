#pragma once

#include "picture_plan.h"

#include <QImage>

namespace kalvintera::pictures {

// The dimension drawing of a product or series (770 × 508): the views with lettered
// dimension lines and a table of every record's dimension texts under those letters.
QImage DimensionDrawing(const NamedPicture& drawing);

} // namespace kalvintera::pictures
