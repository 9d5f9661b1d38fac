#include "core/ductloss/loss_tables.h"

#include "core/catalogue/characteristic.h"

#include <algorithm>
#include <array>

namespace kalvintera {
namespace {

// Where a query falls on an axis: between entries `lower` and `upper`, or held at the
// last entry (lower == upper) when it lies at or beyond it.
struct Segment {
    std::size_t lower = 0;
    std::size_t upper = 0;

    bool held() const { return lower == upper; }
};

// The search starts at the second abscissa and never tests the first, so a query below
// the axis extrapolates along the first segment.
Segment FindSegment(double q, std::span<const double> axis)
{
    for (std::size_t i = 1; i < axis.size(); ++i) {
        if (axis[i] > q) return {i - 1, i};
    }
    const std::size_t last = axis.empty() ? 0 : axis.size() - 1;
    return {last, last};
}

double Along(const Segment& segment, std::span<const double> axis, double q, double at_lower, double at_upper)
{
    if (segment.held()) return at_lower;
    return InterpolateLinear(axis[segment.lower], at_lower, axis[segment.upper], at_upper, q);
}

// Tables are written as the handbook prints them; the grid's size is checked against its axes.
template <std::size_t R, std::size_t C>
GridTable Grid(const std::array<double, R>& rows, const std::array<double, C>& columns,
               const std::array<double, R * C>& grid)
{
    return GridTable{rows, columns, grid};
}

// ---- one-dimensional tables ----

constexpr std::array<double, 12> kBendAngles{0, 20, 30, 45, 60, 75, 90, 110, 130, 150, 180, 360};
constexpr std::array<double, 12> kBendAngleFactors{0, 0.31, 0.45, 0.6, 0.78, 0.9, 1, 1.13, 1.2, 1.28, 1.4, 1.4};

constexpr std::array<double, 8> kSmoothBendRatios{0, 0.5, 0.75, 1, 1.5, 2, 2.5, 100};
constexpr std::array<double, 8> kSmoothBendValues{0.71, 0.71, 0.33, 0.22, 0.15, 0.13, 0.12, 0.12};

constexpr std::array<double, 6> kSegmentedRatios{0, 0.75, 1, 1.5, 2, 100};
constexpr std::array<double, 6> kFiveSegments{0.46, 0.46, 0.33, 0.24, 0.19, 0.19};
constexpr std::array<double, 6> kFourSegments{0.5, 0.5, 0.37, 0.27, 0.24, 0.24};
constexpr std::array<double, 6> kThreeSegments{0.54, 0.54, 0.42, 0.34, 0.33, 0.33};

constexpr std::array<double, 8> kMitreAngles{0, 20, 30, 45, 60, 75, 90, 360};
constexpr std::array<double, 8> kMitreValues{0.08, 0.08, 0.16, 0.34, 0.55, 0.81, 1.2, 1.2};

constexpr std::array<double, 10> kMitreReynolds{0, 10000, 20000, 30000, 40000, 60000, 80000, 100000, 140000, 10000000};
constexpr std::array<double, 10> kMitreReynoldsFactors{1.4, 1.4, 1.26, 1.19, 1.14, 1.09, 1.06, 1.04, 1, 1};

// ---- reducers: rows angle, columns A1/A2 ----

constexpr std::array<double, 12> kReducerAngles{0, 10, 15, 20, 30, 45, 60, 90, 120, 150, 180, 180};
constexpr std::array<double, 11> kAreaRatios{0, 0.06, 0.1, 0.25, 0.5, 1, 2, 4, 6, 10, 100};

constexpr std::array<double, 12 * 11> kRoundReducer{
    0, 0.21, 0.21, 0.16, 0.11, 0, 0.2,  0.8,  1.8, 5,   5,   // 0
    0, 0.21, 0.21, 0.16, 0.11, 0, 0.2,  0.8,  1.8, 5,   5,   // 10
    0, 0.29, 0.28, 0.22, 0.13, 0, 0.2,  0.64, 1.4, 5,   5,   // 15
    0, 0.38, 0.38, 0.3,  0.19, 0, 0.2,  0.64, 1.4, 5,   5,   // 20
    0, 0.6,  0.59, 0.46, 0.32, 0, 0.2,  0.64, 1.4, 5,   5,   // 30
    0, 0.84, 0.76, 0.61, 0.33, 0, 0.22, 0.88, 2,   6.5, 6.5, // 45
    0, 0.88, 0.8,  0.68, 0.33, 0, 0.24, 1.1,  2.5, 8,   8,   // 60
    0, 0.88, 0.83, 0.64, 0.32, 0, 0.48, 2.7,  6.5, 19,  19,  // 90
    0, 0.88, 0.84, 0.63, 0.31, 0, 0.72, 4.3,  10,  29,  29,  // 120
    0, 0.88, 0.83, 0.62, 0.3,  0, 0.96, 5.6,  13,  37,  37,  // 150
    0, 0.88, 0.83, 0.62, 0.3,  0, 1,    6.6,  15,  43,  43,  // 180
    0, 0.88, 0.83, 0.62, 0.3,  0, 1,    6.6,  15,  43,  43,  // 180
};

constexpr std::array<double, 12 * 11> kRectReducer{
    0, 0.26, 0.24, 0.17, 0.14, 0, 0.23, 0.81, 1.8, 5,   5,   // 0
    0, 0.26, 0.24, 0.17, 0.14, 0, 0.23, 0.81, 1.8, 5,   5,   // 10
    0, 0.27, 0.26, 0.19, 0.13, 0, 0.2,  0.64, 1.4, 5,   5,   // 15
    0, 0.4,  0.36, 0.22, 0.15, 0, 0.2,  0.64, 1.4, 5,   5,   // 20
    0, 0.56, 0.53, 0.42, 0.24, 0, 0.2,  0.64, 1.4, 5,   5,   // 30
    0, 0.71, 0.69, 0.6,  0.35, 0, 0.24, 0.88, 2,   6.5, 6.5, // 45
    0, 0.86, 0.82, 0.68, 0.37, 0, 0.28, 1.1,  2.5, 8,   8,   // 60
    0, 1,    0.93, 0.7,  0.38, 0, 0.54, 2.8,  6.6, 19,  19,  // 90
    0, 0.99, 0.93, 0.69, 0.37, 0, 0.78, 4.4,  10,  29,  29,  // 120
    0, 0.98, 0.92, 0.67, 0.36, 0, 1,    5.7,  13,  37,  37,  // 150
    0, 0.98, 0.91, 0.66, 0.35, 0, 1.1,  6.6,  15,  43,  43,  // 180
    0, 0.98, 0.91, 0.66, 0.35, 0, 1.1,  6.6,  15,  43,  43,  // 180
};

// ---- offsets: rows e/L, columns D in mm ----

constexpr std::array<double, 13> kOffsetRatios{0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1, 1.1, 1.1};
constexpr std::array<double, 11> kOffsetDiameters{0, 100, 125, 160, 200, 250, 315, 400, 500, 630, 800};

constexpr std::array<double, 13 * 11> kOffset{
    0.21, 0.21, 0.2,  0.18, 0.18, 0.17, 0.17, 0.18, 0.17, 0.17, 0.17, // 0
    0.21, 0.21, 0.2,  0.18, 0.18, 0.17, 0.17, 0.18, 0.17, 0.17, 0.17, // 0.1
    0.21, 0.21, 0.2,  0.19, 0.18, 0.17, 0.17, 0.18, 0.17, 0.17, 0.17, // 0.2
    0.21, 0.21, 0.2,  0.19, 0.18, 0.17, 0.18, 0.18, 0.17, 0.18, 0.18, // 0.3
    0.28, 0.28, 0.26, 0.26, 0.26, 0.26, 0.28, 0.26, 0.26, 0.28, 0.28, // 0.4
    0.38, 0.38, 0.35, 0.35, 0.35, 0.36, 0.4,  0.35, 0.36, 0.4,  0.4,  // 0.5
    0.49, 0.49, 0.44, 0.44, 0.45, 0.47, 0.52, 0.45, 0.47, 0.52, 0.52, // 0.6
    0.6,  0.6,  0.53, 0.53, 0.54, 0.59, 0.68, 0.54, 0.59, 0.68, 0.68, // 0.7
    0.68, 0.68, 0.63, 0.64, 0.67, 0.74, 0.74, 0.67, 0.74, 0.84, 0.84, // 0.8
    0.8,  0.8,  0.77, 0.76, 0.8,  0.85, 0.84, 0.8,  0.87, 1.05, 1.05, // 0.9
    0.91, 0.91, 0.92, 0.87, 0.91, 0.94, 0.98, 0.92, 1.05, 1.16, 1.16, // 1
    1,    1,    1.06, 0.95, 0.94, 0.98, 1.07, 1.08, 1.16, 1.25, 1.25, // 1.1
    1,    1,    1.06, 0.95, 0.94, 0.98, 1.07, 1.08, 1.16, 1.25, 1.25, // 1.1
};

// ---- rectangular bends and elbows ----

constexpr std::array<double, 13> kSideRatios{0, 0.25, 0.5, 0.75, 1, 1.5, 2, 3, 4, 5, 6, 8, 1000};
constexpr std::array<double, 7> kBendRadiusRatios{0, 0.5, 0.75, 1, 1.5, 2, 1000};

constexpr std::array<double, 13 * 7> kRectBend{
    1.3, 1.3, 0.57, 0.27, 0.22, 0.2,  0.2,  // 0
    1.3, 1.3, 0.57, 0.27, 0.22, 0.2,  0.2,  // 0.25
    1.3, 1.3, 0.52, 0.25, 0.2,  0.18, 0.18, // 0.5
    1.2, 1.2, 0.48, 0.23, 0.19, 0.16, 0.16, // 0.75
    1.2, 1.2, 0.44, 0.21, 0.17, 0.15, 0.15, // 1
    1.1, 1.1, 0.4,  0.19, 0.15, 0.14, 0.14, // 1.5
    1,   1,   0.39, 0.18, 0.14, 0.13, 0.13, // 2
    1,   1,   0.39, 0.18, 0.14, 0.13, 0.13, // 3
    1.1, 1.1, 0.4,  0.19, 0.15, 0.14, 0.14, // 4
    1.1, 1.1, 0.42, 0.2,  0.16, 0.14, 0.14, // 5
    1.2, 1.2, 0.43, 0.21, 0.17, 0.15, 0.15, // 6
    1.2, 1.2, 0.44, 0.21, 0.17, 0.15, 0.15, // 8
    1.2, 1.2, 0.44, 0.21, 0.17, 0.15, 0.15, // 1000
};

constexpr std::array<double, 11> kBendReynolds{0, 10000, 20000, 30000, 40000, 60000, 80000, 100000, 140000, 200000, 10000000};
constexpr std::array<double, 4> kBendReynoldsRadiusRatios{0, 0.5, 0.75, 1000};

constexpr std::array<double, 11 * 4> kRectBendReynolds{
    1.4,  1.4,  2,    2,    // 0
    1.4,  1.4,  2,    2,    // 10000
    1.26, 1.26, 1.77, 1.77, // 20000
    1.19, 1.19, 1.64, 1.64, // 30000
    1.14, 1.14, 1.56, 1.56, // 40000
    1.09, 1.09, 1.46, 1.46, // 60000
    1.06, 1.06, 1.38, 1.38, // 80000
    1.04, 1.04, 1.3,  1.3,  // 100000
    1,    1,    1.15, 1.15, // 140000
    1,    1,    1,    1,    // 200000
    1,    1,    1,    1,    // 10000000
};

constexpr std::array<double, 8> kRectMitreAngles{0, 20, 30, 45, 60, 75, 90, 360};

// The 0.23 at B/A = 3, 30° stands above both its neighbours in the handbook; it is kept as printed.
constexpr std::array<double, 13 * 8> kRectMitre{
    0.08, 0.08, 0.18, 0.38, 0.6,  0.89, 1.3,  1.3,  // 0
    0.08, 0.08, 0.18, 0.38, 0.6,  0.89, 1.3,  1.3,  // 0.25
    0.08, 0.08, 0.17, 0.37, 0.59, 0.87, 1.3,  1.3,  // 0.5
    0.08, 0.08, 0.17, 0.36, 0.57, 0.84, 1.2,  1.2,  // 0.75
    0.07, 0.07, 0.16, 0.34, 0.55, 0.81, 1.2,  1.2,  // 1
    0.07, 0.07, 0.15, 0.33, 0.52, 0.77, 1.1,  1.1,  // 1.5
    0.07, 0.07, 0.15, 0.31, 0.49, 0.73, 1.1,  1.1,  // 2
    0.06, 0.06, 0.23, 0.28, 0.46, 0.67, 0.98, 0.98, // 3
    0.06, 0.06, 0.13, 0.27, 0.43, 0.63, 0.92, 0.92, // 4
    0.05, 0.05, 0.12, 0.26, 0.41, 0.61, 0.89, 0.89, // 5
    0.05, 0.05, 0.12, 0.25, 0.39, 0.58, 0.85, 0.85, // 6
    0.05, 0.05, 0.11, 0.24, 0.38, 0.57, 0.83, 0.83, // 8
    0.05, 0.05, 0.11, 0.24, 0.38, 0.57, 0.83, 0.83, // 1000
};

} // namespace

double TableLookup(double q, std::span<const double> x, std::span<const double> y)
{
    const std::size_t n = std::min(x.size(), y.size());
    if (n == 0) return 0.0;
    const Segment segment = FindSegment(q, x.first(n));
    return Along(segment, x, q, y[segment.lower], y[segment.upper]);
}

double BilinearLookup(double row_query, double column_query, const GridTable& table)
{
    if (table.rows.empty() || table.columns.empty()) return 0.0;
    // Both segments are found before anything is interpolated.
    const Segment row = FindSegment(row_query, table.rows);
    const Segment column = FindSegment(column_query, table.columns);
    const double s1 = Along(row, table.rows, row_query, table.at(row.lower, column.lower), table.at(row.upper, column.lower));
    const double s2 = Along(row, table.rows, row_query, table.at(row.lower, column.upper), table.at(row.upper, column.upper));
    return Along(column, table.columns, column_query, s1, s2);
}

const LookupTable& BendAngleFactor()
{
    static const LookupTable table{kBendAngles, kBendAngleFactors};
    return table;
}

const LookupTable& SmoothBendTable()
{
    static const LookupTable table{kSmoothBendRatios, kSmoothBendValues};
    return table;
}

const LookupTable& SegmentedBendTable(int segments)
{
    static const LookupTable five{kSegmentedRatios, kFiveSegments};
    static const LookupTable four{kSegmentedRatios, kFourSegments};
    static const LookupTable three{kSegmentedRatios, kThreeSegments};
    return segments == 5 ? five : segments == 4 ? four : three;
}

const LookupTable& MitreElbowTable()
{
    static const LookupTable table{kMitreAngles, kMitreValues};
    return table;
}

const LookupTable& MitreReynoldsFactor()
{
    static const LookupTable table{kMitreReynolds, kMitreReynoldsFactors};
    return table;
}

const GridTable& RoundReducerTable()
{
    static const GridTable table = Grid(kReducerAngles, kAreaRatios, kRoundReducer);
    return table;
}

const GridTable& RectReducerTable()
{
    static const GridTable table = Grid(kReducerAngles, kAreaRatios, kRectReducer);
    return table;
}

const GridTable& OffsetTable()
{
    static const GridTable table = Grid(kOffsetRatios, kOffsetDiameters, kOffset);
    return table;
}

const GridTable& RectBendTable()
{
    static const GridTable table = Grid(kSideRatios, kBendRadiusRatios, kRectBend);
    return table;
}

const GridTable& RectBendReynoldsFactor()
{
    static const GridTable table = Grid(kBendReynolds, kBendReynoldsRadiusRatios, kRectBendReynolds);
    return table;
}

const GridTable& RectMitreTable()
{
    static const GridTable table = Grid(kSideRatios, kRectMitreAngles, kRectMitre);
    return table;
}

} // namespace kalvintera
