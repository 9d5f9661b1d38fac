#pragma once

// Drafting pieces for the dimension drawings: a millimetre sheet mapped onto pixels, and
// dimension, centre and hidden lines in the usual drafting style.

#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace kalvintera::pictures {

// Millimetres (y upwards) to pixels: `origin` is where (0, 0) lands.
struct Sheet {
    QPointF origin;
    qreal scale = 1;
    QPointF at(qreal x_mm, qreal y_mm) const { return {origin.x() + x_mm * scale, origin.y() - y_mm * scale}; }
    QRectF box(qreal left_mm, qreal bottom_mm, qreal width_mm, qreal height_mm) const
    {
        return QRectF(at(left_mm, bottom_mm + height_mm), QSizeF(width_mm * scale, height_mm * scale));
    }
};

// A sheet on which a part `width_mm` × `height_mm`, whose lower left corner is at
// (left_mm, bottom_mm), sits centred in `area`: as large as fits, or at a given scale
// (views of one product share theirs).
Sheet FitSheet(const QRectF& area, qreal left_mm, qreal bottom_mm, qreal width_mm, qreal height_mm);
Sheet CentredSheet(const QRectF& area, qreal left_mm, qreal bottom_mm, qreal width_mm, qreal height_mm,
                   qreal scale);

QPen VisiblePen();
QPen HiddenPen();
QPen CentrePen();

// A dimension between two points of the part, its line at the pixel row `line_y` (or column
// `line_x`), with extension lines from the points to it. A line through the points
// themselves (a diameter across a circle) gets no extension lines.
void HorizontalDimension(QPainter& painter, QPointF from, QPointF to, qreal line_y, const QString& label);
void VerticalDimension(QPainter& painter, QPointF from, QPointF to, qreal line_x, const QString& label);

// A centre line across two points, overshooting a little at both ends.
void CentreLine(QPainter& painter, QPointF from, QPointF to);

// A view's name under it, e.g. "WIDOK Z BOKU".
void ViewTitle(QPainter& painter, QPointF centre_top, const QString& text);

} // namespace kalvintera::pictures
