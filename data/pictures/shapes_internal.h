#pragma once

// Pieces shared by the drawings of the product kinds. All coordinates are on the
// 200 × 150 sheet of product_shapes.h.

#include <QBrush>
#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRectF>

namespace kalvintera::pictures::shapes {

// The outline every body is drawn with.
QPen OutlinePen(qreal width = 1.1);

// A body with a vertical axis (drawn in elevation) and one with a horizontal axis.
void VerticalBody(QPainter& painter, const QRectF& body, QColor colour);
void HorizontalBody(QPainter& painter, const QRectF& body, QColor colour);
// Any outline filled as a vertical-axis body spanning its bounding box.
void VerticalPath(QPainter& painter, const QPainterPath& path, QColor colour);
void HorizontalPath(QPainter& painter, const QPainterPath& path, QColor colour);

// A roof slab along the bottom of the sheet from y to the sheet's foot.
void RoofSlab(QPainter& painter, qreal y);
// A curb standing on the roof at `foot_y` carrying a flange at `top_y`.
void RoofCurb(QPainter& painter, qreal centre_x, qreal top_width, qreal top_y, qreal foot_y);
// Diagonal hatching clipped to `area`, for cut sections and insulation.
void Hatch(QPainter& painter, const QPainterPath& area, QColor colour, qreal spacing);
// The air stream, in the house's teal.
void AirArrow(QPainter& painter, QPointF from, QPointF to);

// The kinds, one function each.
void RoofFanHorizontal(QPainter& painter);
void RoofFanVertical(QPainter& painter);
void RadialFan(QPainter& painter);
void DuctFanRound(QPainter& painter);
void DuctFanRectangular(QPainter& painter);
void CylindricalVentilator(QPainter& painter);
void IntegratedVentilator(QPainter& painter);

void Silencer(QPainter& painter);
void RoofBase(QPainter& painter);
void SilencingRoofBase(QPainter& painter);
void SpeedController(QPainter& painter);
void ElectronicController(QPainter& painter);
void FrequencyConverter(QPainter& painter);
void ServiceSwitch(QPainter& painter);
void BackdraftDamper(QPainter& painter);
void FlexibleConnector(QPainter& painter);
void GenericProduct(QPainter& painter);

} // namespace kalvintera::pictures::shapes
