#pragma once

#include "core/catalogue/device_record.h"
#include "product_kind.h"

#include <QPainter>
#include <QRectF>
#include <QString>

#include <array>
#include <cstddef>

namespace kalvintera::pictures {

// The dimension texts of one record as millimetres, for proportions only; the drawing
// labels lines with letters and lists the texts themselves in its table.
class DimensionValues {
public:
    explicit DimensionValues(const DeviceRecord& record);
    // The value of Dimensions[index], or `fallback` when the text is empty or no number.
    double at(std::size_t index, double fallback) const;

private:
    std::array<double, 19> mm_{};
    std::array<bool, 19> given_{};
};

// The letter of Dimensions[index] on a drawing and in its table: A, B, C … in field order,
// with the count of mounting holes (Dimensions[10]) as "n".
QString DimensionLetter(std::size_t index);

// The views of a product kind with their dimension lines, fitted into `area`.
void DrawDimensionViews(QPainter& painter, ProductKind kind, const QRectF& area, const DimensionValues& values);

} // namespace kalvintera::pictures
