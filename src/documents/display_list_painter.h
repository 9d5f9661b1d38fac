#pragma once

#include "core/drawing/display_list.h"

#include <QImage>
#include <QString>

class QPainter;

namespace kalvintera {

// How texts of a chart are sized: in points of the device (a window), or in chart pixels as
// a 96 dpi screen shows them (a chart scaled onto a page, which scales its texts with it).
enum class ChartTextSize { DevicePoints, ScreenPixels };

// Paints a chart computed in the core; the window itself computes nothing. With screen
// pixels, `text_scale` enlarges (above 1) or shrinks the texts alone.
void PaintDisplayList(QPainter& painter, const DisplayList& list, ChartTextSize text_size = ChartTextSize::DevicePoints,
                      double text_scale = 1.0);

// The chart as an image of its own size.
QImage RenderDisplayList(const DisplayList& list);

// Saves the chart as a BMP picture, replacing an old one only once the new one is
// complete; false when the file cannot be written.
bool SaveDisplayListAsBmp(const DisplayList& list, const QString& file);

} // namespace kalvintera
