#include "core/calculators/air_balance.h"
#include "core/errors.h"

#include <gtest/gtest.h>

using namespace kalvintera;

namespace {

const AirChangeRate& Industrial(std::string_view name)
{
    for (const AirChangeRate& rate : IndustrialRoomRates()) {
        if (rate.name == name) return rate;
    }
    throw std::logic_error("no room kind " + std::string(name));
}

} // namespace

TEST(AirBalance, OccupantsCountOnlyWhomTheChoiceNames)
{
    EXPECT_EQ(ComputePeopleAirFlow(Occupants::Mixed, 10, 4), (AirFlowRange{500, 500, 500}));
    EXPECT_EQ(ComputePeopleAirFlow(Occupants::NonSmokers, 10, 4), (AirFlowRange{300, 300, 300}));
    EXPECT_EQ(ComputePeopleAirFlow(Occupants::Smokers, 10, 4), (AirFlowRange{200, 200, 200}));
    EXPECT_EQ(ComputePeopleAirFlow(Occupants::Smokers, -3, 0).average_m3h, 0); // the hidden count is not read
    EXPECT_THROW(ComputePeopleAirFlow(Occupants::Mixed, -1, 4), DataError);
    EXPECT_THROW(ComputePeopleAirFlow(Occupants::Smokers, 0, -4), DataError);
}

TEST(AirBalance, AirChangesOfAWorkshop)
{
    const AirFlowRange workshop = ComputeAirChangeFlow(10, 8, 4, Industrial("WARSZTATY"));
    EXPECT_DOUBLE_EQ(workshop.min_m3h, 960);
    EXPECT_DOUBLE_EQ(workshop.max_m3h, 1920);
    EXPECT_DOUBLE_EQ(workshop.average_m3h, 1440);

    const AirFlowRange hall = ComputeAirChangeFlow(2.5, 2, 2, Industrial("HALE FABRYCZNE DUŻE"));
    EXPECT_DOUBLE_EQ(hall.min_m3h, 15);
    EXPECT_DOUBLE_EQ(hall.average_m3h, 22.5);
    EXPECT_THROW(ComputeAirChangeFlow(10, -8, 4, Industrial("WARSZTATY")), DataError);
}

TEST(AirBalance, RoomKindListsHoldTheirRatesInOrder)
{
    ASSERT_EQ(IndustrialRoomRates().size(), 29u);
    ASSERT_EQ(PublicRoomRates().size(), 13u);
    EXPECT_EQ(IndustrialRoomRates().front().name, "HALE FABRYCZNE DUŻE");
    EXPECT_EQ(IndustrialRoomRates()[9].name, "HARTOWNIE");
    EXPECT_EQ(IndustrialRoomRates()[9].max_per_h, 100);
    EXPECT_EQ(IndustrialRoomRates().back().name, "PIEKARNIE");
    EXPECT_EQ(PublicRoomRates()[9].name, "KOŚCIOŁY");
    EXPECT_EQ(PublicRoomRates()[9].min_per_h, 1.5);
    EXPECT_EQ(PublicRoomRates().back().name, "SZKLARNIE");
    for (const auto* list : {&IndustrialRoomRates()[0], &PublicRoomRates()[0]}) {
        EXPECT_LT(list->min_per_h, list->max_per_h);
    }
}

TEST(AirBalance, DwellingAddsTheTickedRows)
{
    // One gas kitchen, one bathroom, one urinal.
    EXPECT_EQ(ComputeDwellingAirFlow({1, 0, 0, 0, 1, 0, 1}), (AirFlowRange{145, 145, 145}));
    EXPECT_EQ(ComputeDwellingAirFlow({0, 1, 1, 1, 0, 2, 0}).average_m3h, 330);
    EXPECT_EQ(ComputeDwellingAirFlow({}).average_m3h, 0);
    EXPECT_THROW(ComputeDwellingAirFlow({0, 0, 0, 0, -1, 0, 0}), DataError);
}
