#pragma once

#include <QImage>

namespace kalvintera::pictures {

// The maker's banner across a window: emblem, name in spaced capitals, the trade line.
// The main window's banner is 822 × 90, the splash window's 620 × 90.
QImage BrandBanner(int width, int height);

// The logo (200 × 150): shown in the About window and as the catalogue preview's placeholder.
QImage Logo();

// The desktop icon, `size` pixels square on a transparent ground: the logo's fan emblem on
// a rounded tile in the banner's colours, so it reads at 16 pixels as well as at 256.
QImage AppIcon(int size);

} // namespace kalvintera::pictures
