#include "core/ductloss/loss_tables.h"

#include <gtest/gtest.h>

#include <vector>

using namespace kalvintera;

namespace {

// Position-weighted sums (1·v0 + 2·v1 + …) of each table as printed in the handbook, so
// a wrong, missing or swapped entry shows.
double Weighted(std::span<const double> values)
{
    double sum = 0;
    for (std::size_t i = 0; i < values.size(); ++i) sum += static_cast<double>(i + 1) * values[i];
    return sum;
}

void ExpectGrid(const GridTable& table, std::size_t rows, std::size_t columns, double row_sum, double column_sum,
                double grid_sum)
{
    ASSERT_EQ(table.rows.size(), rows);
    ASSERT_EQ(table.columns.size(), columns);
    ASSERT_EQ(table.grid.size(), rows * columns);
    EXPECT_NEAR(Weighted(table.rows), row_sum, 1e-6);
    EXPECT_NEAR(Weighted(table.columns), column_sum, 1e-6);
    EXPECT_NEAR(Weighted(table.grid), grid_sum, 1e-6);
}

void ExpectCurve(const LookupTable& table, std::size_t size, double x_sum, double y_sum)
{
    ASSERT_EQ(table.x.size(), size);
    ASSERT_EQ(table.y.size(), size);
    EXPECT_NEAR(Weighted(table.x), x_sum, 1e-6);
    EXPECT_NEAR(Weighted(table.y), y_sum, 1e-6);
}

} // namespace

TEST(LossTables, HoldEveryEntryAsPrinted)
{
    ExpectCurve(BendAngleFactor(), 12, 11540, 85.51);
    ExpectCurve(SmoothBendTable(), 8, 844.25, 7.33);
    ExpectCurve(SegmentedBendTable(5), 6, 620.5, 5.42);
    ExpectCurve(SegmentedBendTable(4), 6, 620.5, 6.33);
    ExpectCurve(SegmentedBendTable(3), 6, 620.5, 7.87);
    ExpectCurve(MitreElbowTable(), 8, 4570, 27.69);
    ExpectCurve(MitreReynoldsFactor(), 10, 103380000, 59.72);
    ExpectGrid(RoundReducerTable(), 12, 11, 8425, 1309.92, 55206.59);
    ExpectGrid(RectReducerTable(), 12, 11, 8425, 1309.92, 55417.16);
    ExpectGrid(OffsetTable(), 13, 11, 71.5, 28720, 7597.6);
    ExpectGrid(RectBendTable(), 13, 7, 13305, 7026.75, 1951.09);
    ExpectGrid(RectBendReynoldsFactor(), 11, 4, 115380000, 4003.25, 1173.32);
    ExpectGrid(RectMitreTable(), 13, 8, 13305, 4570, 2518.36);

    // The handbook's odd value is kept, above both neighbours in its column.
    EXPECT_DOUBLE_EQ(BilinearLookup(3, 30, RectMitreTable()), 0.23);
    EXPECT_DOUBLE_EQ(BilinearLookup(2, 30, RectMitreTable()), 0.15);
    EXPECT_DOUBLE_EQ(BilinearLookup(4, 30, RectMitreTable()), 0.13);
}

TEST(TableLookup, InterpolatesWithinTheSegmentAQueryFallsIn)
{
    EXPECT_DOUBLE_EQ(SmoothBendTable().at(0.5), 0.71);
    EXPECT_NEAR(SmoothBendTable().at(1.25), 0.185, 1e-15);
    // An inner abscissa gives its own ordinate exactly.
    EXPECT_EQ(BendAngleFactor().at(45), 0.6);
    EXPECT_EQ(MitreReynoldsFactor().at(140000), 1.0);
    // Flat from 2.5 up to the sentinel.
    for (double q : {2.5, 3.0, 50.0, 99.999}) EXPECT_DOUBLE_EQ(SmoothBendTable().at(q), 0.12) << q;
    // Below the second abscissa the first segment is used: flat where its ends are equal,
    // extrapolated below 0.
    EXPECT_DOUBLE_EQ(SmoothBendTable().at(0.2), 0.71);
    EXPECT_DOUBLE_EQ(BendAngleFactor().at(10), 0.155);
    EXPECT_DOUBLE_EQ(BendAngleFactor().at(-10), -0.155);
    // The two Reynolds axes differ: only the rectangular bend's has 200000.
    EXPECT_DOUBLE_EQ(MitreReynoldsFactor().at(170000), 1.0);
    EXPECT_DOUBLE_EQ(BilinearLookup(170000, 0.75, RectBendReynoldsFactor()), 1.075);
}

TEST(TableLookup, HoldsTheLastOrdinateAtAndBeyondTheLastAbscissa)
{
    EXPECT_DOUBLE_EQ(SmoothBendTable().at(100), 0.12);
    EXPECT_DOUBLE_EQ(SmoothBendTable().at(1e300), 0.12);
    EXPECT_DOUBLE_EQ(MitreReynoldsFactor().at(1e7), 1.0);
    EXPECT_DOUBLE_EQ(BendAngleFactor().at(720), 1.4);
    const std::vector<double> x{0, 1};
    const std::vector<double> y{5, 7};
    EXPECT_DOUBLE_EQ(TableLookup(1, x, y), 7);
    EXPECT_DOUBLE_EQ(TableLookup(0.5, x, y), 6);
    // Tables of unequal or no length are read as far as both go.
    EXPECT_DOUBLE_EQ(TableLookup(3, x, std::vector<double>{5}), 5);
    EXPECT_DOUBLE_EQ(TableLookup(3, std::vector<double>{}, y), 0);
}

TEST(BilinearLookup, InterpolatesRowsFirstThenColumns)
{
    // α = 75 between rows 60 and 90, A1/A2 = 3 between columns 2 and 4:
    // s1 = 0.36, s2 = 1.9, result 1.13.
    EXPECT_NEAR(BilinearLookup(75, 3, RoundReducerTable()), 1.13, 1e-12);
    EXPECT_DOUBLE_EQ(BilinearLookup(45, 0.5, RectReducerTable()), 0.35);
    // Equal areas lose nothing at any angle, beyond the axis included.
    for (double angle : {0.0, 7.5, 45.0, 75.0, 179.0, 180.0, 270.0}) {
        EXPECT_EQ(BilinearLookup(angle, 1, RoundReducerTable()), 0.0) << angle;
        EXPECT_EQ(BilinearLookup(angle, 1, RectReducerTable()), 0.0) << angle;
    }
}

TEST(BilinearLookup, HoldsTheLastEntryOfAnAxisAtAndBeyondIt)
{
    // The reducer angle axis ends 180, 180: a reducer of 180° or more takes the last row.
    EXPECT_DOUBLE_EQ(BilinearLookup(180, 4, RoundReducerTable()), 6.6);
    EXPECT_DOUBLE_EQ(BilinearLookup(200, 4, RoundReducerTable()), 6.6);
    EXPECT_DOUBLE_EQ(BilinearLookup(200, 1000, RoundReducerTable()), 43);
    // Offsets: e/L of 1.1 or more, a diameter of 800 mm or more.
    EXPECT_DOUBLE_EQ(BilinearLookup(1.1, 125, OffsetTable()), 1.06);
    EXPECT_DOUBLE_EQ(BilinearLookup(3, 125, OffsetTable()), 1.06);
    EXPECT_DOUBLE_EQ(BilinearLookup(0.5, 800, OffsetTable()), 0.4);
    EXPECT_DOUBLE_EQ(BilinearLookup(0.5, 8000, OffsetTable()), 0.4);
    EXPECT_DOUBLE_EQ(BilinearLookup(5, 5000, OffsetTable()), 1.25);
    // Rectangular bends: B/A and r/A of 1000 or more.
    EXPECT_DOUBLE_EQ(BilinearLookup(1000, 0.75, RectBendTable()), 0.44);
    EXPECT_DOUBLE_EQ(BilinearLookup(2000, 5000, RectBendTable()), 0.15);
    EXPECT_DOUBLE_EQ(BilinearLookup(1e9, 0.75, RectBendReynoldsFactor()), 1);
    // A query in the middle of a row segment, past the column axis.
    EXPECT_DOUBLE_EQ(BilinearLookup(0.45, 900, OffsetTable()), (0.28 + 0.4) / 2);
}
