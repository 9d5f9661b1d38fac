#pragma once

#include "picture_plan.h"
#include "product_kind.h"

#include <QImage>

namespace kalvintera::pictures {

// The product picture of the details screen and the catalogue preview (300 × 220).
QImage ProductPicture(const NamedPicture& picture);

// The accessory thumbnail (90 × 70), plain or highlighted for the pointer.
QImage Thumbnail(ProductKind kind, bool highlighted);

// One of the small product pictures of the splash window (88 × 64).
QImage SplashProduct(ProductKind kind);

} // namespace kalvintera::pictures
