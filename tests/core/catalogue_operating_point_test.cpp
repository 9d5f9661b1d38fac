// The quick operating point against the step-by-step scan that defines it: random fans of
// every odd shape and random duty points, the same four numbers bit for bit and the same
// errors.

#include "core/catalogue/characteristic.h"
#include "core/catalogue/flow_sequence.h"
#include "core/errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>

using namespace kalvintera;

namespace {

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

struct Outcome {
    OperatingPoint point;
    std::string error; // the error's kind and text, empty when there was none
};

template <typename Find>
Outcome Run(Find find, const FanCharacteristic& fan, FlowRange range, double k)
{
    Outcome outcome;
    try {
        outcome.point = find(fan, range, k);
    } catch (const DataError& error) {
        outcome.error = std::string("DataError: ") + error.what();
    }
    return outcome;
}

std::string Describe(const FanCharacteristic& fan, FlowRange range, double k)
{
    char text[512];
    std::snprintf(text, sizeof text, "range %.17g … %.17g, k %.17g, %s", range.min_m3s, range.max_m3s, k,
                  fan.tabulated ? "tabulated" : "polynomial");
    std::string out = text;
    if (!fan.tabulated) {
        for (double c : fan.pressure_coef) out += " " + std::to_string(c);
    } else {
        for (const CurvePoint& p : fan.pressure_table.table().points) out += " (" + std::to_string(p.X) + ";" + std::to_string(p.Y) + ")";
    }
    return out;
}

void ExpectSameAsScan(const FanCharacteristic& fan, FlowRange range, double k)
{
    const Outcome scan = Run(FindOperatingPointByScan, fan, range, k);
    const Outcome quick = Run(FindOperatingPoint, fan, range, k);
    ASSERT_EQ(quick.error, scan.error) << Describe(fan, range, k);
    if (!scan.error.empty()) return;
    ASSERT_TRUE(SameBits(quick.point.Flow, scan.point.Flow))
        << quick.point.Flow << " vs " << scan.point.Flow << ": " << Describe(fan, range, k);
    ASSERT_TRUE(SameBits(quick.point.Pressure, scan.point.Pressure)) << Describe(fan, range, k);
    ASSERT_TRUE(SameBits(quick.point.Efficiency, scan.point.Efficiency)) << Describe(fan, range, k);
    ASSERT_TRUE(SameBits(quick.point.Power, scan.point.Power)) << Describe(fan, range, k);
    ASSERT_EQ(quick.point.Segment, scan.point.Segment) << Describe(fan, range, k);
}

class RandomFans {
public:
    explicit RandomFans(unsigned seed) : random_(seed) {}

    double uniform(double a, double b) { return std::uniform_real_distribution<double>(a, b)(random_); }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    FlowRange range()
    {
        switch (pick(10)) {
        case 0: return {0, uniform(0.001, 2)};
        case 1: {
            const double v = uniform(0, 3);
            return {v, v}; // FlowMin = FlowMax
        }
        case 2: {
            const double v = uniform(0, 1);
            return {v, v + 199.99}; // near the step bound
        }
        case 3: return {uniform(-0.002, 0.0003), uniform(0.0003, 0.5)}; // where the step's last bit ties
        case 4: return {uniform(0, 0.01), uniform(0.01, 0.05)};
        default: {
            const double a = uniform(0, 4);
            return {a, a + uniform(0, 6)};
        }
        }
    }

    FanCharacteristic polynomial(FlowRange range)
    {
        FanCharacteristic fan;
        const double p0 = uniform(10, 3000);
        const double span = std::max(range.max_m3s, 0.01);
        switch (pick(8)) {
        case 0: fan.pressure_coef = {0, 0, -p0 / (span * span), 0, p0}; break;              // usual fan
        case 1: fan.pressure_coef = {0, 0, -p0 / (span * span), 4 * p0 / span, p0 / 3}; break; // rises, then falls
        case 2: fan.pressure_coef = {0, 0, 0, 0, p0}; break;                                 // flat
        case 3: fan.pressure_coef = {0, 0, 0, p0 / span, 0}; break;                           // rises all along
        case 4: // two crossings with a parabola: dips and rises again
            fan.pressure_coef = {p0 / std::pow(span, 4), -2 * p0 / std::pow(span, 3), 0, 0, p0};
            break;
        case 5:
            for (double& c : fan.pressure_coef) c = uniform(-1e4, 1e4);
            break;
        case 6: fan.pressure_coef = {0, 0, 0, 0, 0}; break;
        default:
            for (double& c : fan.pressure_coef) c = uniform(-1, 1) * std::pow(10.0, pick(30) - 10);
        }
        for (double& c : fan.efficiency_coef) c = uniform(-1, 1);
        if (pick(3) == 0) fan.efficiency_coef = {0, 0, 0, 0, pick(2) ? 0.0 : -0.3}; // efficiency ≤ 0
        return fan;
    }

    FanCharacteristic tabulated(FlowRange range)
    {
        FanCharacteristic fan;
        fan.tabulated = true;
        const int points = 2 + pick(40);
        double x = pick(3) == 0 ? uniform(-100, 100) : std::max(0.0, range.min_m3s * 3600 - uniform(0, 500));
        double y = uniform(50, 2000);
        const bool dense = pick(4) == 0; // points closer than one step of the scan
        CurveTable pressure;
        CurveTable efficiency;
        for (int i = 0; i < points; ++i) {
            pressure.points.push_back({x, y});
            efficiency.points.push_back({x, uniform(-0.2, 0.9)});
            x += dense ? uniform(0.001, 0.5) : uniform(1, 800);
            switch (pick(5)) {
            case 0: break;                          // flat stretch
            case 1: y += uniform(0, 300); break;    // rising stretch
            default: y -= uniform(0, 300);
            }
        }
        fan.pressure_table = pressure;
        fan.efficiency_table = efficiency;
        return fan;
    }

    double k(FlowRange range)
    {
        switch (pick(8)) {
        case 0: return 0;
        case 1: return uniform(1e5, 1e9);
        default: {
            const double v = std::max(uniform(range.min_m3s, range.max_m3s), 0.001);
            return uniform(0, 2500) / (v * v);
        }
        }
    }

private:
    std::mt19937 random_;
};

} // namespace

TEST(OperatingPoint, QuickSearchAgreesWithTheScanOnTenThousandRandomFans)
{
    RandomFans random(16);
    for (int n = 0; n < 10000; ++n) {
        const FlowRange range = random.range();
        const FanCharacteristic fan = n % 2 ? random.tabulated(range) : random.polynomial(range);
        for (int duty = 0; duty < 3; ++duty) {
            ExpectSameAsScan(fan, range, random.k(range));
            if (::testing::Test::HasFatalFailure()) return;
        }
    }
}

TEST(OperatingPoint, QuickSearchKeepsTheScansErrorsAndEdges)
{
    FanCharacteristic flat;
    flat.pressure_coef = {0, 0, 0, 0, 100};
    flat.efficiency_coef = {0, 0, 0, 0, 0.5};
    // The worked example: 5000·V² ≥ 100 first at 0.1415, flow 0.1416 after the additions.
    const OperatingPoint point = FindOperatingPoint(flat, {0.1, 0.5}, 5000);
    EXPECT_NEAR(point.Flow, 0.1416, 1e-12);
    EXPECT_NE(point.Flow, 0.1416); // the accumulated value, not the decimal
    ExpectSameAsScan(flat, {0.1, 0.5}, 5000);
    ExpectSameAsScan(flat, {0.5, 0.1}, 1);           // backwards
    ExpectSameAsScan(flat, {0, 1e12}, 1);            // too wide
    ExpectSameAsScan(flat, {0, 199.9999}, 1e-9);     // just inside the bound, never meets
    ExpectSameAsScan(flat, {1e15, 1e15}, 1e-40);     // the step is lost in rounding
    ExpectSameAsScan(flat, {-150, 40}, 1e-9);        // long below zero: the scan itself
    ExpectSameAsScan(flat, {0.3, 0.3}, 1e9);

    FanCharacteristic broken;
    broken.tabulated = true;
    broken.pressure_table = CurveTable{{{0, 100}}};
    broken.efficiency_table = CurveTable{{{0, 0.5}}};
    ExpectSameAsScan(broken, {0, 1}, 1);
}

TEST(OperatingPoint, FlowSequenceMatchesTheAdditionsOneByOne)
{
    for (const double first : {0.0, 0.00012, 0.1, 0.4999, 0.99995, 3.7, 1023.9999, -0.0003}) {
        const FlowSequence flows(first, kFlowStep, 300000);
        ASSERT_TRUE(flows.usable());
        double flow = first;
        for (long long i = 0; i <= 300000; ++i) {
            ASSERT_TRUE(SameBits(flows.at(i), flow)) << "from " << first << " at " << i;
            flow = flow + kFlowStep;
        }
        // Searches land on the first index that holds, whatever the guess.
        for (const double target : {first + 0.5, first + 7.0, first - 1.0}) {
            for (const double guess : {target, first, first + 29.0}) {
                const long long found = flows.firstWhere([&](double f) { return f > target; }, 0, guess);
                long long expected = 0;
                while (expected <= 300000 && !(flows.at(expected) > target)) ++expected;
                EXPECT_EQ(found, expected) << first << " " << target << " " << guess;
            }
        }
    }
}
