#include "core/ductloss/fitting_kind.h"

#include <charconv>

namespace kalvintera {
namespace {

constexpr unsigned kRoundDuct = kInputLength | kInputD1;
constexpr unsigned kRectDuct = kInputLength | kInputA | kInputB;
constexpr unsigned kTeeExtras = kInputAngle | kInputTeeLists | kInputBranchFlow;

// number, name, type code, picture, inputs, defaults L, D1, D2, A, B, C, D
constexpr std::array<FittingKindInfo, kFittingKindCount> kKinds{{
    {1, "PROSTKA_OKRĄGŁA", "XF01*", "/calc/prostka_o.bmp", kRoundDuct, "2000", "100", "0", "0", "0", "0", "0"},
    {2, "KOLANO_OKRĄGŁE", "XF02", "/calc/KOLANO_O.BMP", kInputD1 | kInputAngle | kInputRadius | kInputRoundElbowType,
     "0", "100", "0", "0", "0", "0", "0"},
    {3, "ODSADZKA_OKRĄGŁA", "XF03*", "/calc/odsadzka_o.bmp", kRoundDuct | kInputOffset, "500", "100", "0", "0", "0",
     "0", "0"},
    {4, "TRÓJNIK_OKRĄGŁY", "XF04", "/calc/trojnik_o.bmp", kRoundDuct | kInputD2 | kTeeExtras, "500", "100", "100",
     "0", "0", "0", "0"},
    {5, "CZERPNIA/WYRZUTNIA_DACHOWA_OKRĄGŁA", "XF05*", "/calc/czerpnia_o.bmp", kRoundDuct, "300", "100", "0", "0",
     "0", "0", "0"},
    {6, "TŁUMIK_HAŁASU_OKRĄGŁY", "XF06*", "/calc/tlumik_o.bmp", kRoundDuct, "1000", "100", "0", "0", "0", "0", "0"},
    {7, "PODSTAWA_DACHOWA_OKRĄGŁA", "XF07*", "/calc/podstawa_o.bmp", kRoundDuct, "1000", "100", "0", "0", "0", "0",
     "0"},
    {8, "REDUKCJA_OKRĄGŁA", "XF08", "/calc/redukcja_o.bmp", kRoundDuct | kInputD2, "300", "100", "125", "0", "0", "0",
     "0"},
    {9, "KRATKA_NAWIEWNA/WYWIEWNA_OKRĄGŁA", "XF09*", "/calc/kratka_o.bmp", kInputD1, "0", "100", "0", "0", "0", "0",
     "0"},
    {10, "PROSTKA_PROSTOKĄTNA", "XF10", "/calc/prostka_p.bmp", kRectDuct, "2000", "0", "0", "100", "100", "0", "0"},
    {11, "KOLANO_PROSTOKĄTNE", "XF11", "/calc/kolano_p.bmp",
     kInputA | kInputB | kInputAngle | kInputRadius | kInputRectElbowType, "0", "0", "0", "100", "100", "0", "0"},
    {12, "ODSADZKA_PROSTOKĄTNA", "XF12", "/calc/odsadzka_p.bmp", kRectDuct | kInputOffset, "500", "0", "0", "100",
     "100", "0", "0"},
    {13, "TRÓJNIK_PROSTOKĄTNY", "XF13", "/calc/trojnik_p.bmp", kRectDuct | kInputC | kInputD | kTeeExtras, "500", "0",
     "0", "100", "100", "100", "100"},
    {14, "CZERPNIA/WYRZUTNIA_DACHOWA_PROSTOKĄTNA", "XF14*", "/calc/czerpnia_p.bmp", kRectDuct, "300", "0", "0", "100",
     "100", "0", "0"},
    {15, "TŁUMIK_HAŁASU_PROSTOKĄTNY", "XF15*", "/calc/tlumik_p.bmp", kRectDuct, "1000", "0", "0", "100", "100", "0",
     "0"},
    {16, "PODSTAWA_DACHOWA_PROSTOKĄTNA", "XF16*", "/calc/podstawa_p.bmp", kRectDuct, "1000", "0", "0", "100", "100",
     "0", "0"},
    {17, "REDUKCJA_PROSTOKĄTNA", "XF17", "/calc/redukcja_p.bmp", kRectDuct | kInputC | kInputD, "300", "0", "0", "100",
     "100", "125", "125"},
    {18, "KRATKA_NAWIEWNA/WYWIEWNA_PROSTOKĄTNA", "XF18*", "/calc/kratka_p.bmp", kInputA | kInputB, "0", "0", "0",
     "100", "100", "0", "0"},
}};

constexpr std::array<std::string_view, 21> kAngles{"5",  "10", "15", "20", "25", "30", "35",  "40",  "45", "50", "55",
                                                   "60", "65", "70", "75", "80", "85", "90", "110", "150", "180"};

constexpr std::array<std::string_view, 23> kRadii{"50",   "100",  "150",  "200",  "250",  "300",  "350",  "400",
                                                  "450",  "500",  "600",  "700",  "800",  "1000", "1200", "1400",
                                                  "1600", "1800", "2000", "2500", "3000", "3500", "4000"};

constexpr std::array<std::string_view, 75> kSizes{
    "100",  "106",  "112",  "118",  "125",  "132",  "140",  "150",  "160",  "170",  "180",  "190",  "200",
    "212",  "224",  "236",  "250",  "265",  "280",  "300",  "315",  "335",  "375",  "400",  "425",  "450",
    "475",  "500",  "530",  "560",  "600",  "630",  "670",  "710",  "750",  "800",  "850",  "900",  "950",
    "1000", "1060", "1120", "1180", "1250", "1320", "1400", "1500", "1600", "1700", "1800", "1900", "2000",
    "2120", "2240", "2360", "2500", "2650", "2800", "3000", "3150", "3350", "3750", "4000", "4250", "4500",
    "4750", "5000", "5300", "5600", "6000", "6300", "6700", "7100", "7500", "8000"};

double WholeNumber(std::string_view text)
{
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

} // namespace

std::optional<FittingKindInfo> FindFittingKind(int number)
{
    if (number < 1 || number > kFittingKindCount) return std::nullopt;
    return kKinds[static_cast<std::size_t>(number - 1)];
}

const FittingKindInfo& FittingKindOf(int number)
{
    const int valid = number >= 1 && number <= kFittingKindCount ? number : 1;
    return kKinds[static_cast<std::size_t>(valid - 1)];
}

std::string TeeCasePicture(int tee_path, int tee_flow)
{
    return std::string("/calc/trojnik_") + (tee_path == 1 ? "odgalezienie" : "przelot") + "_"
           + (tee_flow == 1 ? "laczenie" : "rozplyw") + ".bmp";
}

std::span<const std::string_view> AngleList() { return kAngles; }
std::span<const std::string_view> RadiusList() { return kRadii; }
std::span<const std::string_view> SizeList() { return kSizes; }

std::string DefaultRadius(int kind, double size_mm)
{
    const double threshold = IsRoundKind(kind) ? size_mm / 2.0 : 0.75 * size_mm;
    for (std::size_t i = 1; i < kRadii.size(); ++i) {
        if (!(WholeNumber(kRadii[i]) < threshold)) return std::string(kRadii[i]);
    }
    return std::string(kRadii.back());
}

std::optional<int> ListPosition(std::string_view text, std::span<const std::string> shown,
                                std::span<const std::string_view> polish)
{
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (shown[i] == text) return static_cast<int>(i);
    }
    for (std::size_t i = 0; i < polish.size(); ++i) {
        if (polish[i] == text) return static_cast<int>(i);
    }
    return std::nullopt;
}

} // namespace kalvintera
