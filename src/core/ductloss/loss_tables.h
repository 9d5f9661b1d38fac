#pragma once

#include <cstddef>
#include <span>

namespace kalvintera {

// Handbook tables of local loss coefficients (ζ) of bends, elbows, offsets and reducers,
// and the two lookups that read them. The tables are constants; nothing edits them.

// Linear interpolation in x[0..n−1] → y[0..n−1] (ascending abscissae). The segment is the
// one ending at the first abscissa after x[0] that lies above q; a q equal to an abscissa
// takes the segment starting there, a q below x[1] the first segment (extrapolated below
// x[0]). At or beyond the last abscissa there is no segment: the last ordinate is held.
double TableLookup(double q, std::span<const double> x, std::span<const double> y);

// A grid g[row][column] over a row axis and a column axis, both ascending from 0.
struct GridTable {
    std::span<const double> rows;
    std::span<const double> columns;
    std::span<const double> grid; // rows.size() × columns.size(), row after row

    double at(std::size_t row, std::size_t column) const { return grid[row * columns.size() + column]; }
};

// Bilinear interpolation: the row segment and the column segment are found as by
// TableLookup, the row axis is interpolated first (at both column ends), then the column
// axis. A query at or beyond an axis's last abscissa holds that axis's last entry.
double BilinearLookup(double row_query, double column_query, const GridTable& table);

// A one-dimensional table.
struct LookupTable {
    std::span<const double> x;
    std::span<const double> y;

    double at(double q) const { return TableLookup(q, x, y); }
};

// Correction of a bend's 90° coefficient by its angle in degrees.
const LookupTable& BendAngleFactor();
// ζ of a 90° smooth round bend by r/d.
const LookupTable& SmoothBendTable();
// ζ of a 90° segmented round bend of 5, 4 or 3 segments by r/d; other counts read as 3.
const LookupTable& SegmentedBendTable(int segments);
// ζ of a round mitre elbow by its angle in degrees.
const LookupTable& MitreElbowTable();
// Correction of round and rectangular mitre elbows by Reynolds number.
const LookupTable& MitreReynoldsFactor();

// Rows: angle in degrees; columns: inlet over outlet area.
const GridTable& RoundReducerTable();
const GridTable& RectReducerTable();
// Rows: offset over length (e/L); columns: (hydraulic) diameter in mm.
const GridTable& OffsetTable();
// Rows: B/A; columns: r/A (A the side in the plane of the bend).
const GridTable& RectBendTable();
// Rows: Reynolds number; columns: r/A.
const GridTable& RectBendReynoldsFactor();
// Rows: B/A; columns: angle in degrees.
const GridTable& RectMitreTable();

} // namespace kalvintera
