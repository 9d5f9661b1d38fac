#include "documents/display_list_painter.h"

#include "core/errors.h"
#include "core/shell/file_io.h"

#include <QBuffer>
#include <QFont>
#include <QPainter>
#include <QPen>

#include <cmath>
#include <cstdlib>
#include <type_traits>

namespace kalvintera {
namespace {

QColor ToQColor(Colour colour) { return QColor(colour.r, colour.g, colour.b); }

QPen ToQPen(const Pen& pen)
{
    QPen result(ToQColor(pen.colour));
    result.setWidth(pen.width);
    switch (pen.style) {
    case PenStyle::Solid: result.setStyle(Qt::SolidLine); break;
    case PenStyle::Dash: result.setStyle(Qt::DashLine); break;
    case PenStyle::Dot: result.setStyle(Qt::DotLine); break;
    case PenStyle::DashDot: result.setStyle(Qt::DashDotLine); break;
    }
    return result;
}

void SetFill(QPainter& painter, const std::optional<Colour>& fill)
{
    painter.setBrush(fill ? QBrush(ToQColor(*fill)) : Qt::NoBrush);
}

// The classic surfaces leave out the right and bottom edge of a rectangle; Qt strokes a
// rectangle one pixel beyond its size, so the size given is one less.
QRectF ToQRect(int left, int top, int right, int bottom)
{
    return QRectF(std::min(left, right), std::min(top, bottom), std::abs(right - left) - 1, std::abs(bottom - top) - 1);
}

} // namespace

void PaintDisplayList(QPainter& painter, const DisplayList& list, ChartTextSize text_size, double text_scale)
{
    painter.fillRect(QRect(0, 0, list.width, list.height), ToQColor(list.background));
    for (const DisplayItem& item : list.items) {
        std::visit(
            [&painter, text_size, text_scale](const auto& it) {
                using Item = std::decay_t<decltype(it)>;
                if constexpr (std::is_same_v<Item, LineItem>) {
                    painter.setPen(ToQPen(it.pen));
                    painter.drawLine(it.from.x, it.from.y, it.to.x, it.to.y);
                } else if constexpr (std::is_same_v<Item, PolylineItem>) {
                    painter.setPen(ToQPen(it.pen));
                    QPolygon polygon;
                    for (const PixelPoint& p : it.points) polygon << QPoint(p.x, p.y);
                    painter.drawPolyline(polygon);
                } else if constexpr (std::is_same_v<Item, RectangleItem>) {
                    painter.setPen(ToQPen(it.pen));
                    SetFill(painter, it.fill);
                    painter.drawRect(ToQRect(it.left, it.top, it.right, it.bottom));
                } else if constexpr (std::is_same_v<Item, EllipseItem>) {
                    painter.setPen(ToQPen(it.pen));
                    SetFill(painter, it.fill);
                    painter.drawEllipse(ToQRect(it.left, it.top, it.right, it.bottom));
                } else if constexpr (std::is_same_v<Item, TextItem>) {
                    QFont font = painter.font();
                    if (text_size == ChartTextSize::ScreenPixels) {
                        font.setPixelSize(std::max(1, static_cast<int>(std::lround(it.point_size * 96.0 / 72.0 * text_scale))));
                    } else {
                        font.setPointSize(it.point_size);
                    }
                    font.setBold(it.bold);
                    painter.setFont(font);
                    painter.setPen(ToQColor(it.colour));
                    const QString text = QString::fromStdString(it.text);
                    if (it.vertical) {
                        painter.save();
                        painter.translate(it.x, it.y);
                        painter.rotate(-90);
                        painter.drawText(QRect(0, 0, 1000, 100), Qt::AlignLeft | Qt::AlignTop, text);
                        painter.restore();
                    } else {
                        painter.drawText(QRect(it.x, it.y, 2000, 200), Qt::AlignLeft | Qt::AlignTop, text);
                    }
                }
            },
            item);
    }
}

QImage RenderDisplayList(const DisplayList& list)
{
    QImage image(std::max(1, list.width), std::max(1, list.height), QImage::Format_RGB32);
    QPainter painter(&image);
    PaintDisplayList(painter, list);
    return image;
}

bool SaveDisplayListAsBmp(const DisplayList& list, const QString& file)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !RenderDisplayList(list).save(&buffer, "BMP")) return false;
    // Not written over the old picture directly: a full disk would leave neither picture.
    try {
        WriteFileAtomically(std::filesystem::path(file.toStdString()),
                            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    } catch (const FileError&) {
        return false;
    }
    return true;
}

} // namespace kalvintera
