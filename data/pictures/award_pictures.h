#pragma once

#include <QImage>

namespace kalvintera::pictures {

inline constexpr int kAwardCount = 8;

// Trade award `number` (1 … 8): medals, cups, a statuette and a diploma (120 × 120).
QImage AwardPicture(int number);

} // namespace kalvintera::pictures
