#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kalvintera {

// One fitting of a duct run as the calculation file stores it: a 372-byte record of
// length-prefixed texts (CP1250 on disk, UTF-8 here) and two little-endian integers.
// Numbers are kept as the texts shown, with the decimal separator of whoever wrote them.
constexpr std::size_t kFittingRowSize = 372;

struct FittingRow {
    std::string Lp;              // 0-based position in the run
    std::string Name;            // the kind's name
    std::string TypeCode;
    std::string Length;          // mm, "0" for kinds without length
    std::string SideA;           // mm
    std::string DiameterD1;      // mm
    std::string SideB;           // mm
    std::string DiameterD2;      // mm
    std::string SideC;           // mm
    std::string SideD;           // mm
    std::string Angle;           // degrees
    std::string Flow;            // m³/h; a tee's is its branch flow
    std::string BranchFlow;      // m³/h as entered
    std::string W1;              // m/s, 3 decimals
    std::string W2;              // m/s, 3 decimals
    std::string AdditionalLoss;  // dpp, Pa, 2 decimals
    std::string LossCoefficient; // ζ, 3 decimals
    std::string Roughness;       // k, mm as entered
    std::string FrictionLoss;    // dpl, Pa, 2 decimals
    std::string LocalLoss;       // dpm, Pa, 2 decimals
    std::string TotalLoss;       // dpc, Pa, 2 decimals
    std::string Dh1;             // mm, 1 decimal
    std::string Dh2;             // mm, 1 decimal
    std::string Kind;            // "1" … "18"
    std::int32_t RoundElbowTypeIndex = 0;
    std::int32_t RectElbowTypeIndex = 0;
    std::string Material;
    std::string Radius;          // mm
    std::string Offset;          // mm
    std::string TeePath;
    std::string TeeFlow;
    std::string RoundElbowType;
    // Not in the file: the main flow V a tee was computed with, as typed. A tee stores its
    // branch flow as its flow, so editing needs this to compute the tee again as it was.
    std::string MainFlow;

    bool operator==(const FittingRow&) const = default;
};

// The kind number the row's Kind text names; 0 when it names none of the 18.
int FittingRowKind(const FittingRow& row);

// The name a file or an export can hold: the row's own when the code page has every
// character of it, otherwise (a Russian name, say) the Polish name of its kind, so the
// file stays readable in any language.
std::string StorableFittingName(const FittingRow& row);

// The row with every text cut to the characters its field holds, so what the run shows is
// what a saved file will hold.
FittingRow FitFittingRow(FittingRow row);

// The 372 bytes of a row, and back. Encoding cuts every text to its field and zeroes the
// fillers and the unused bytes; decoding clamps a length byte above its field's capacity.
void EncodeFittingRow(const FittingRow& row, std::uint8_t* bytes);
FittingRow DecodeFittingRow(const std::uint8_t* bytes);

} // namespace kalvintera
