#pragma once

#include <QImage>

namespace kalvintera::pictures {

inline constexpr int kCompanySlideCount = 8;

// Company picture `number` (1 … 8) of the "O firmie" picture cycle (250 × 190): production
// hall, roof fans on site, test laboratory, assembly, warehouse, design office,
// headquarters, delivery.
QImage CompanySlide(int number);

} // namespace kalvintera::pictures
