#pragma once

#include "product_kind.h"

#include <QPainter>
#include <QRectF>

namespace kalvintera::pictures {

// The schematic drawing of a product kind, fitted into `box` with its proportions kept.
// Every kind is drawn on a 200 × 150 sheet; the drawing scales to any picture size.
void DrawProduct(QPainter& painter, ProductKind kind, const QRectF& box);

// The sheet every kind is drawn on.
inline constexpr qreal kShapeWidth = 200;
inline constexpr qreal kShapeHeight = 150;

} // namespace kalvintera::pictures
