#include "core/selection/ventilator_search.h"

#include "core/errors.h"
#include "core/shell/air_properties.h"

#include <gtest/gtest.h>

#include <memory>

using namespace kalvintera;

namespace {

const NumberFormat kPoint = NumberFormat::point();
const NumberFormat kComma = NumberFormat::comma();

// A table lives on the heap: 2000 records are too large for a test's stack.
std::unique_ptr<DeviceTable> EmptyTable() { return std::make_unique<DeviceTable>(); }

// Capacity c1·x + c0 as record texts (c4 … c0, empty = 0).
std::array<std::string, 5> Linear(const std::string& c1, const std::string& c0) { return {"", "", "", c1, c0}; }

void AddCylindrical(DeviceTable& table, DeviceIndex i, const std::string& model, const std::string& flow_min,
                    const std::string& flow_max, const std::array<std::string, 5>& capacity)
{
    DeviceRecord& r = table.slot(i);
    r.NamePl = "WYWIETRZAK CYLINDRYCZNY";
    r.Model = model;
    r.FlowMin = flow_min;
    r.FlowMax = flow_max;
    r.PressureCoef = capacity;
}

// The same capacity for every wind speed unless a test sets a set of its own.
void AddIntegrated(DeviceTable& table, DeviceIndex i, const std::string& model, const std::array<std::string, 5>& capacity)
{
    DeviceRecord& r = table.slot(i);
    r.NamePl = "WYWIETRZAK ZESPOLONY";
    r.Model = model;
    r.PressureCoef = r.EfficiencyCoef = r.ExtraCoef[0] = r.ExtraCoef[1] = r.ExtraCoef[2] = capacity;
}

CylindricalSearchInput Cylindrical(const std::string& flow, const std::string& wind)
{
    return CylindricalSearchInput{flow, wind, "STANDARD"};
}

// The tab's defaults with the settings' standard air: Δp ≈ 7.65 Pa.
IntegratedSearchInput Integrated(const std::string& flow)
{
    IntegratedSearchInput in;
    in.flow_text = flow;
    in.inside_temperature_text = "20";
    in.outside_temperature_text = "-20";
    in.wind_text = "0";
    in.height_text = "4";
    in.colour_text = "STANDARD";
    in.atmospheric_pressure_text = "101300";
    in.humidity_text = "50";
    return in;
}

std::vector<DeviceIndex> Indices(const std::vector<VentilatorResult>& results)
{
    std::vector<DeviceIndex> out;
    for (const auto& r : results) out.push_back(r.device_index);
    return out;
}

} // namespace

TEST(CylindricalVentilatorSearch, KeepsThoseWhoseRangeHoldsTheFlowAndWhoseCapacityReachesIt)
{
    auto table = EmptyTable();
    AddCylindrical(*table, 3, "WC-400", "100", "500", Linear("137.448559637333", ""));    // Q(3) = 412.345678912
    AddCylindrical(*table, 5, "WC-200", "100", "500", Linear("80", ""));                  // Q(3) = 240 < 250
    AddCylindrical(*table, 7, "WC-300", "260", "500", Linear("200", ""));                 // range starts above V
    AddCylindrical(*table, 8, "WC-NOMAX", "100", "", Linear("200", ""));                  // no upper limit given
    AddCylindrical(*table, 9, "WC-EXACT", "250", "250", Linear("", "250"));               // Q = V, both limits = V
    table->slot(11) = table->at(3);
    table->slot(11).NamePl = "WYWIETRZAK ZESPOLONY";                                    // other kind
    AddCylindrical(*table, 12, "WC-500", "100", "500", Linear("200", ""));

    CylindricalSearchInput in = Cylindrical("250", "3");
    in.colour_text = "ŻÓŁTY CYTRYNOWY RAL1012";
    const CylindricalSearchResult result = SelectCylindricalVentilators(*table, in, kPoint);

    EXPECT_EQ(result.message_line, 0);
    EXPECT_EQ(Indices(result.results), (std::vector<DeviceIndex>{3, 9, 12})); // search order, no sorting
    EXPECT_EQ(result.found_count, 3u);
    EXPECT_EQ(result.results[0].capacity_text, "412.345678"); // cut, not rounded
    EXPECT_EQ(result.results[1].capacity_text, "250");
    EXPECT_EQ(result.results[2].capacity_text, "600");
    EXPECT_EQ(result.results[0].wind_text, "3");
    EXPECT_EQ(result.results[0].colour_text, "ŻÓŁTY CYTRYNOWY"); // 15 characters, not bytes

    // A long wind text is cut to five characters.
    const CylindricalSearchResult windy = SelectCylindricalVentilators(*table, Cylindrical("250", "3.123456"), kPoint);
    ASSERT_FALSE(windy.results.empty());
    EXPECT_EQ(windy.results[0].wind_text, "3.123");
}

TEST(CylindricalVentilatorSearch, ReadsTheFlowAsTypedWithEitherSeparator)
{
    auto table = EmptyTable();
    // Record numbers are in the locale's separator once the table is loaded.
    AddCylindrical(*table, 1, "WC-SMALL", "0,05", "1", Linear("0,1", ""));

    // The flow unit is never applied here: 0,1 is searched as 0.1 m³/h, not 360.
    const CylindricalSearchResult comma = SelectCylindricalVentilators(*table, Cylindrical("0,1", "1,5"), kComma);
    ASSERT_EQ(comma.results.size(), 1u);
    EXPECT_EQ(comma.results[0].capacity_text, "0,15");
    EXPECT_EQ(comma.results[0].wind_text, "1,5");

    const CylindricalSearchResult point = SelectCylindricalVentilators(*table, Cylindrical("0.1", "1.5"), kComma);
    EXPECT_EQ(Indices(point.results), Indices(comma.results));
}

TEST(CylindricalVentilatorSearch, ReportsMissingInputsAndEmptyResults)
{
    auto table = EmptyTable();
    AddCylindrical(*table, 1, "WC-1", "100", "500", Linear("100", ""));

    EXPECT_EQ(SelectCylindricalVentilators(*table, Cylindrical("", ""), kPoint).message_line, 298);
    EXPECT_EQ(SelectCylindricalVentilators(*table, Cylindrical("250", ""), kPoint).message_line, 299);
    const CylindricalSearchResult none = SelectCylindricalVentilators(*table, Cylindrical("250", "1"), kPoint);
    EXPECT_EQ(none.message_line, 300);
    EXPECT_TRUE(none.results.empty());

    try {
        SelectCylindricalVentilators(*table, Cylindrical("25O", "3"), kPoint);
        FAIL() << "a flow that is not a number must not be searched";
    } catch (const ConversionError& error) {
        EXPECT_NE(std::string(error.what()).find("25O"), std::string::npos);
    }
    table->slot(1).FlowMax = "5OO";
    EXPECT_THROW(SelectCylindricalVentilators(*table, Cylindrical("250", "3"), kPoint), ConversionError);
}

TEST(IntegratedVentilatorSearch, StackPressureOfTheStandardCase)
{
    EXPECT_NEAR(MoistAirDensity(20, 101300, 0.5), 1.1973, 1e-4);
    EXPECT_NEAR(MoistAirDensity(-20, 101300, 0.5), 1.3922, 1e-4);

    auto table = EmptyTable();
    AddIntegrated(*table, 1, "WZ-1", Linear("100", "")); // Q = 100·Δp ≈ 764.8

    const IntegratedSearchResult result = SelectIntegratedVentilators(*table, Integrated("200"), kPoint);
    ASSERT_TRUE(result.stack_pressure_pa.has_value());
    EXPECT_NEAR(*result.stack_pressure_pa, 7.65, 0.005);
    EXPECT_EQ(result.message_line, 0);
    ASSERT_EQ(result.results.size(), 1u);
    EXPECT_EQ(result.results[0].capacity_text, "764.8"); // 764.797… rounded to 0.01

    // A higher room lifts Δp past 10 Pa; equal temperatures give none: no search either way.
    IntegratedSearchInput high = Integrated("200");
    high.height_text = "6";
    const IntegratedSearchResult too_high = SelectIntegratedVentilators(*table, high, kPoint);
    EXPECT_NEAR(*too_high.stack_pressure_pa, 11.47, 0.005);
    EXPECT_EQ(too_high.message_line, 307);
    EXPECT_TRUE(too_high.results.empty());

    IntegratedSearchInput still = Integrated("200");
    still.outside_temperature_text = "20";
    const IntegratedSearchResult no_draught = SelectIntegratedVentilators(*table, still, kPoint);
    EXPECT_DOUBLE_EQ(*no_draught.stack_pressure_pa, 0.0);
    EXPECT_EQ(no_draught.message_line, 307);

    // Both separators in the tab's and the settings' texts.
    IntegratedSearchInput comma = Integrated("200,0");
    comma.height_text = "4.0";
    comma.atmospheric_pressure_text = "101300,0";
    comma.humidity_text = "50.0";
    const IntegratedSearchResult in_comma = SelectIntegratedVentilators(*table, comma, kComma);
    ASSERT_EQ(in_comma.results.size(), 1u);
    EXPECT_EQ(in_comma.results[0].capacity_text, "764,8");
}

TEST(IntegratedVentilatorSearch, ChecksEmptyFieldsInTheirOrder)
{
    auto table = EmptyTable();
    IntegratedSearchInput in = Integrated("");
    in.inside_temperature_text = in.outside_temperature_text = in.wind_text = in.height_text = "";
    const int expected[] = {302, 303, 304, 305, 306};
    std::string* fields[] = {&in.flow_text, &in.inside_temperature_text, &in.outside_temperature_text, &in.wind_text,
                             &in.height_text};
    for (int k = 0; k < 5; ++k) {
        const IntegratedSearchResult result = SelectIntegratedVentilators(*table, in, kPoint);
        EXPECT_EQ(result.message_line, expected[k]);
        EXPECT_FALSE(result.stack_pressure_pa.has_value());
        *fields[k] = "1";
    }
    // Empty settings texts are not the tab's messages: they do not convert.
    IntegratedSearchInput no_pressure = Integrated("200");
    no_pressure.atmospheric_pressure_text = "";
    EXPECT_THROW(SelectIntegratedVentilators(*table, no_pressure, kPoint), ConversionError);
}

TEST(IntegratedVentilatorSearch, OrdersByTheShownCapacityAndKeepsSearchOrderOnTies)
{
    auto table = EmptyTable();
    AddIntegrated(*table, 2, "WZ-BIG", Linear("", "900"));
    AddIntegrated(*table, 4, "WZ-A", Linear("", "300.004")); // shown 300
    AddIntegrated(*table, 6, "WZ-B", Linear("", "300.001")); // shown 300 as well: the earlier stays first
    AddIntegrated(*table, 8, "WZ-WEAK", Linear("", "150"));  // below V
    AddIntegrated(*table, 9, "WZ-MID", Linear("", "450.125"));
    AddIntegrated(*table, 10, "WZ-HUGE", Linear("", "2000000"));

    const IntegratedSearchResult result = SelectIntegratedVentilators(*table, Integrated("200"), kPoint);
    EXPECT_EQ(Indices(result.results), (std::vector<DeviceIndex>{4, 6, 9, 2, 10}));
    EXPECT_EQ(result.results[0].capacity_text, "300");
    EXPECT_EQ(result.results[2].capacity_text, "450.12"); // half to even
    EXPECT_EQ(result.results[4].capacity_text, "2000000");

    const IntegratedSearchResult none = SelectIntegratedVentilators(*table, Integrated("5000000"), kPoint);
    EXPECT_EQ(none.message_line, 307);
    EXPECT_TRUE(none.results.empty());
}

TEST(IntegratedVentilatorSearch, ConvertsAFlowInCubicMetresPerSecond)
{
    auto table = EmptyTable();
    AddIntegrated(*table, 1, "WZ-359", Linear("", "359"));
    AddIntegrated(*table, 2, "WZ-361", Linear("", "361"));

    IntegratedSearchInput in = Integrated("0,1");
    in.flow_unit = FlowUnit::CubicMetresPerSecond;
    EXPECT_EQ(Indices(SelectIntegratedVentilators(*table, in, kPoint).results), (std::vector<DeviceIndex>{2}));
    in.flow_unit = FlowUnit::CubicMetresPerHour;
    EXPECT_EQ(Indices(SelectIntegratedVentilators(*table, in, kPoint).results), (std::vector<DeviceIndex>{1, 2}));
}

TEST(IntegratedVentilatorSearch, ChoosesTheCapacitySetByWind)
{
    DeviceRecord r;
    r.PressureCoef = Linear("", "0");
    r.EfficiencyCoef = Linear("", "2");
    r.ExtraCoef[0] = Linear("", "3");
    r.ExtraCoef[1] = Linear("", "4");
    r.ExtraCoef[2] = Linear("", "5");
    const auto set_for = [&](double w) { return IntegratedCapacityCoefficients(r, w)[4]; };
    EXPECT_EQ(set_for(0), "0");
    EXPECT_EQ(set_for(2), "2");
    EXPECT_EQ(set_for(3), "3");
    EXPECT_EQ(set_for(4), "4");
    EXPECT_EQ(set_for(5), "5");
    // Unlisted speeds fall back to the listed one below.
    EXPECT_EQ(set_for(-1), "0");
    EXPECT_EQ(set_for(1.9), "0");
    EXPECT_EQ(set_for(2.5), "2");
    EXPECT_EQ(set_for(4.99), "4");
    EXPECT_EQ(set_for(12), "5");

    auto table = EmptyTable();
    AddIntegrated(*table, 1, "WZ-1", Linear("", "100"));
    table->slot(1).ExtraCoef[1] = Linear("", "500");
    IntegratedSearchInput in = Integrated("400");
    in.wind_text = "4";
    const IntegratedSearchResult result = SelectIntegratedVentilators(*table, in, kPoint);
    ASSERT_EQ(result.results.size(), 1u);
    EXPECT_EQ(result.results[0].capacity_text, "500");
    EXPECT_EQ(result.results[0].wind_text, "4");
    in.wind_text = "3";
    EXPECT_EQ(SelectIntegratedVentilators(*table, in, kPoint).message_line, 307);
}

TEST(IntegratedVentilatorSearch, KeepsTheSmallestFiveHundredOfMore)
{
    auto table = EmptyTable();
    // Found in descending capacity, so only ordering before the cut keeps the smallest.
    for (DeviceIndex i = 1; i <= 600; ++i) AddIntegrated(*table, i, "WZ", Linear("", std::to_string(10000 - i)));

    const IntegratedSearchResult result = SelectIntegratedVentilators(*table, Integrated("200"), kPoint);
    EXPECT_EQ(result.found_count, 600u);
    ASSERT_EQ(result.results.size(), kMaxVentilatorResults);
    EXPECT_EQ(result.results.front().device_index, 600);
    EXPECT_EQ(result.results.back().device_index, 101);
}

TEST(IntegratedVentilatorSearch, RefusesAnAirStateThatIsNoAir)
{
    auto table = EmptyTable();
    AddIntegrated(*table, 1, "WZ-1", Linear("", "1000"));
    IntegratedSearchInput boiling = Integrated("200");
    boiling.inside_temperature_text = "150"; // vapour pressure above the atmosphere's
    EXPECT_THROW(SelectIntegratedVentilators(*table, boiling, kPoint), DataError);
}

TEST(InstalledFan, IsTheRecordNamedByTheVentilatorsCurveFile)
{
    auto table = EmptyTable();
    table->slot(5).Model = "WD-250";
    AddIntegrated(*table, 9, "WZ-1", Linear("", "1"));

    DeviceRecord& ventilator = table->slot(9);
    EXPECT_FALSE(FindInstalledFan(*table, ventilator).has_value()); // empty text, though empty slots exist
    ventilator.CurveFile = "WD-250";
    EXPECT_EQ(FindInstalledFan(*table, ventilator), std::optional<DeviceIndex>(5));
    ventilator.CurveFile = "WD-999";
    EXPECT_FALSE(FindInstalledFan(*table, ventilator).has_value());
}
