#pragma once

#include "core/drawing/display_list.h"

#include <QImage>
#include <QString>

class QPainter;

namespace kalvintera {

// Paints a chart computed in the core; the window itself computes nothing.
void PaintDisplayList(QPainter& painter, const DisplayList& list);

// The chart as an image of its own size.
QImage RenderDisplayList(const DisplayList& list);

// Saves the chart as a BMP picture, replacing an old one only once the new one is
// complete; false when the file cannot be written.
bool SaveDisplayListAsBmp(const DisplayList& list, const QString& file);

} // namespace kalvintera
