#pragma once

#include <QImage>

namespace kalvintera::pictures {

// The maker's banner across a window: emblem, name in spaced capitals, the trade line.
// The main window's banner is 822 × 90, the splash window's 620 × 90.
QImage BrandBanner(int width, int height);

// The logo (200 × 150): shown in the About window and as the catalogue preview's placeholder.
QImage Logo();

} // namespace kalvintera::pictures
