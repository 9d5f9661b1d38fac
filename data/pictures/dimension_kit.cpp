#include "dimension_kit.h"

#include "picture_kit.h"

#include <algorithm>
#include <cmath>

namespace kalvintera::pictures {
namespace {

constexpr QColor kDimensionInk{20, 70, 140};
constexpr qreal kArrowLength = 8;
constexpr qreal kArrowHalfWidth = 2.4;

void ArrowHead(QPainter& painter, QPointF tip, QPointF direction)
{
    const QPointF normal(-direction.y(), direction.x());
    const QPointF base = tip - direction * kArrowLength;
    const QPointF head[3] = {tip, base + normal * kArrowHalfWidth, base - normal * kArrowHalfWidth};
    painter.drawPolygon(head, 3);
}

void DimensionText(QPainter& painter, QPointF centre, const QString& label, bool vertical)
{
    painter.save();
    painter.translate(centre);
    if (vertical) painter.rotate(-90);
    painter.setFont(Font(15, true));
    const QRectF box(-40, -20, 80, 18);
    const QRectF used = painter.fontMetrics().boundingRect(box.toRect(), Qt::AlignHCenter | Qt::AlignBottom, label);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour::kPaper);
    painter.drawRect(QRectF(used).adjusted(-2, 0, 2, 0));
    painter.setPen(kDimensionInk);
    painter.drawText(box, Qt::AlignHCenter | Qt::AlignBottom, label);
    painter.restore();
}

} // namespace

Sheet FitSheet(const QRectF& area, qreal left_mm, qreal bottom_mm, qreal width_mm, qreal height_mm)
{
    const qreal scale =
        std::min(area.width() / std::max(width_mm, 1.0), area.height() / std::max(height_mm, 1.0));
    return CentredSheet(area, left_mm, bottom_mm, width_mm, height_mm, scale);
}

Sheet CentredSheet(const QRectF& area, qreal left_mm, qreal bottom_mm, qreal width_mm, qreal height_mm,
                   qreal scale)
{
    Sheet sheet;
    sheet.scale = scale;
    const QPointF centre = area.center();
    sheet.origin = QPointF(centre.x() - (left_mm + width_mm / 2) * scale, centre.y() + (bottom_mm + height_mm / 2) * scale);
    return sheet;
}

QPen VisiblePen() { return QPen(QColor(30, 34, 40), 1.8, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin); }

QPen HiddenPen()
{
    QPen pen(QColor(60, 66, 74), 1.1, Qt::CustomDashLine);
    pen.setDashPattern({6, 4});
    return pen;
}

QPen CentrePen()
{
    QPen pen(QColor(170, 40, 40), 0.9, Qt::CustomDashLine);
    pen.setDashPattern({18, 4, 3, 4});
    return pen;
}

void HorizontalDimension(QPainter& painter, QPointF from, QPointF to, qreal line_y, const QString& label)
{
    if (from.x() > to.x()) std::swap(from, to);
    painter.save();
    painter.setPen(QPen(kDimensionInk, 0.8));
    for (const QPointF& point : {from, to}) {
        const qreal gap = line_y - point.y();
        if (std::abs(gap) < 1) continue;
        const qreal sign = gap > 0 ? 1 : -1;
        painter.drawLine(QPointF(point.x(), point.y() + sign * 3), QPointF(point.x(), line_y + sign * 5));
    }
    painter.drawLine(QPointF(from.x(), line_y), QPointF(to.x(), line_y));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kDimensionInk);
    ArrowHead(painter, QPointF(from.x(), line_y), QPointF(-1, 0));
    ArrowHead(painter, QPointF(to.x(), line_y), QPointF(1, 0));
    painter.restore();
    DimensionText(painter, QPointF((from.x() + to.x()) / 2, line_y + 1), label, false);
}

void VerticalDimension(QPainter& painter, QPointF from, QPointF to, qreal line_x, const QString& label)
{
    if (from.y() > to.y()) std::swap(from, to);
    painter.save();
    painter.setPen(QPen(kDimensionInk, 0.8));
    for (const QPointF& point : {from, to}) {
        const qreal gap = line_x - point.x();
        if (std::abs(gap) < 1) continue;
        const qreal sign = gap > 0 ? 1 : -1;
        painter.drawLine(QPointF(point.x() + sign * 3, point.y()), QPointF(line_x + sign * 5, point.y()));
    }
    painter.drawLine(QPointF(line_x, from.y()), QPointF(line_x, to.y()));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kDimensionInk);
    ArrowHead(painter, QPointF(line_x, from.y()), QPointF(0, -1));
    ArrowHead(painter, QPointF(line_x, to.y()), QPointF(0, 1));
    painter.restore();
    DimensionText(painter, QPointF(line_x - 1, (from.y() + to.y()) / 2), label, true);
}

void CentreLine(QPainter& painter, QPointF from, QPointF to)
{
    const QLineF line(from, to);
    const QLineF unit = line.unitVector();
    const QPointF step(unit.dx() * 10, unit.dy() * 10);
    painter.save();
    painter.setPen(CentrePen());
    painter.drawLine(from - step, to + step);
    painter.restore();
}

void ViewTitle(QPainter& painter, QPointF centre_top, const QString& text)
{
    painter.save();
    painter.setFont(Font(11, true));
    painter.setPen(colour::kInk);
    painter.drawText(QRectF(centre_top.x() - 120, centre_top.y(), 240, 16), Qt::AlignHCenter | Qt::AlignTop, text);
    painter.restore();
}

} // namespace kalvintera::pictures
