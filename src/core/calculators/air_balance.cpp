#include "core/calculators/air_balance.h"

#include "core/errors.h"

#include <string>

namespace kalvintera {
namespace {

AirFlowRange Single(double flow_m3h)
{
    return {flow_m3h, flow_m3h, flow_m3h};
}

// Language lines of the calculator's own messages.
constexpr int kNegativeCountLine = 1210; // %1: the count
constexpr int kNegativeSizeLine = 1211;

void RequireNotNegative(long long count, const char* what)
{
    if (count < 0) {
        throw DataError(std::string("A number of ") + what + " cannot be negative: " + std::to_string(count),
                        {kNegativeCountLine, {std::to_string(count)}});
    }
}

void RequireNotNegative(double length_m, const char* what)
{
    if (!(length_m >= 0)) {
        throw DataError(std::string("The ") + what + " of the room cannot be negative", {kNegativeSizeLine, {}});
    }
}

} // namespace

AirFlowRange ComputePeopleAirFlow(Occupants occupants, long long non_smokers, long long smokers)
{
    switch (occupants) {
    case Occupants::NonSmokers:
        RequireNotNegative(non_smokers, "non-smokers");
        return Single(kNonSmokerFlow_m3h * static_cast<double>(non_smokers));
    case Occupants::Smokers:
        RequireNotNegative(smokers, "smokers");
        return Single(kSmokerFlow_m3h * static_cast<double>(smokers));
    case Occupants::Mixed:
        RequireNotNegative(non_smokers, "non-smokers");
        RequireNotNegative(smokers, "smokers");
        return Single(kSmokerFlow_m3h * static_cast<double>(smokers) + kNonSmokerFlow_m3h * static_cast<double>(non_smokers));
    }
    return {};
}

const std::array<AirChangeRate, kIndustrialRoomKinds>& IndustrialRoomRates()
{
    static const std::array<AirChangeRate, kIndustrialRoomKinds> rates = {{
        {"HALE FABRYCZNE DUŻE", 1.5, 3},
        {"HALE FABRYCZNE MAŁE", 2, 4},
        {"MASZYNOWNIE", 10, 40},
        {"HALE MONTAŻOWE", 5, 7},
        {"WARSZTATY", 3, 6},
        {"FARBIARNIE", 5, 15},
        {"POMIESZCZENIA NATRYSKU FARB", 20, 50},
        {"LAKIERNIE", 15, 40},
        {"TRAWIALNIE", 5, 15},
        {"HARTOWNIE", 50, 100},
        {"ODLEWNIE", 8, 15},
        {"POMIESZCZENIA KONTROLNI-POMIAROWE", 8, 10},
        {"LABORATORIA", 6, 15},
        {"POMIESZCZENIA USŁUGOWE I HANDLOWE", 1, 3},
        {"PRALNIE", 10, 15},
        {"SUSZARNIE ODZIEŻY", 20, 40},
        {"PRASOWALNIE", 8, 12},
        {"PRASOWALNIE Z PRASOWANIEM PAROWYM", 10, 30},
        {"KUCHNIE ŚREDNIE(W RESTAURACJACH)", 10, 25},
        {"KUCHNIE DUŻE", 10, 25},
        {"KUCHNIE ZMIENNE", 4, 8},
        {"SALE RESTAURACYJNE DLA PALĄCYCH", 6, 12},
        {"SALE RESTAURACYJNE DLA NIEPALĄCYCH", 4, 8},
        {"SALE HANDLOWE", 5, 7},
        {"HALE TARGOWE", 1.5, 3},
        {"DOMY HANDLOWE", 4, 7},
        {"HALE WYSTAWOWE", 1.5, 3},
        {"ATELIER FILMOWE", 5, 20},
        {"PIEKARNIE", 6, 15},
    }};
    return rates;
}

const std::array<AirChangeRate, kPublicRoomKinds>& PublicRoomRates()
{
    static const std::array<AirChangeRate, kPublicRoomKinds> rates = {{
        {"POMIESZCZENIA BIUROWE", 2, 5},
        {"BIBLIOTEKI", 4, 6},
        {"SALE WYKŁADOWE", 6, 8},
        {"KINA DLA PALĄCYCH", 5, 8},
        {"KINA DLA NIEPALCYCH", 4, 6},
        {"GARDEROBY", 4, 6},
        {"ŚWIETLICE", 5, 10},
        {"SALE POSIEDZEŃ", 6, 8},
        {"SZKOŁY(KLASY)", 3, 7},
        {"KOŚCIOŁY", 1.5, 4},
        {"PŁYWALNIE", 3, 5},
        {"WAGONY KOLEJOWE", 15, 40},
        {"SZKLARNIE", 3, 5},
    }};
    return rates;
}

AirFlowRange ComputeAirChangeFlow(double length_m, double width_m, double height_m, const AirChangeRate& rate)
{
    RequireNotNegative(length_m, "length");
    RequireNotNegative(width_m, "width");
    RequireNotNegative(height_m, "height");
    const double volume_m3 = length_m * width_m * height_m;
    AirFlowRange range;
    range.min_m3h = volume_m3 * rate.min_per_h;
    range.max_m3h = volume_m3 * rate.max_per_h;
    range.average_m3h = (range.min_m3h + range.max_m3h) * 0.5;
    return range;
}

const std::array<DwellingRequirement, kDwellingRequirements>& DwellingRequirements()
{
    static const std::array<DwellingRequirement, kDwellingRequirements> rows = {{
        {"Kuchnia z oknem zewnętrznym, wyposażona w kuchnię gazową lub węglową", 70},
        {"Kuchnia z oknem zewnętrznym, wyposażona w kuchnię elektryczną w mieszkaniu do 3osób", 30},
        {"Kuchnia z oknem zewnętrznym, wyposażona w kuchnię elektryczną w mieszkaniu do > 3osób", 50},
        {"Kuchnia bez okna zewnętrznego lub aneks kuchenny wyposażoną w kuchnię elektryczną", 50},
        {"Łaźienka (z ustępem lub bez)", 50},
        {"Kabina prysznicowa", 100},
        {"Pisuar", 25},
    }};
    return rows;
}

AirFlowRange ComputeDwellingAirFlow(const std::array<long long, kDwellingRequirements>& counts)
{
    double total_m3h = 0;
    for (std::size_t row = 0; row < kDwellingRequirements; ++row) {
        RequireNotNegative(counts[row], "rooms");
        total_m3h += static_cast<double>(counts[row]) * DwellingRequirements()[row].flow_m3h;
    }
    return Single(total_m3h);
}

} // namespace kalvintera
