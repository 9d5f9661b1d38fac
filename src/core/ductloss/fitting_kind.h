#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kalvintera {

// The 18 fitting kinds, numbered as a calculation file stores them: 1–9 round, 10–18
// rectangular, each row in the order straight duct, elbow, offset, tee, roof intake or
// outlet, silencer, roof base, reducer, grille.
constexpr int kFittingKindCount = 18;

// The inputs a kind shows besides flow, additional loss and material.
enum FittingInputs : unsigned {
    kInputLength = 1u << 0,
    kInputD1 = 1u << 1,
    kInputD2 = 1u << 2,
    kInputA = 1u << 3,
    kInputB = 1u << 4,
    kInputC = 1u << 5,
    kInputD = 1u << 6,
    kInputAngle = 1u << 7,
    kInputRadius = 1u << 8,
    kInputOffset = 1u << 9,
    kInputRoundElbowType = 1u << 10,
    kInputRectElbowType = 1u << 11,
    kInputTeeLists = 1u << 12,
    kInputBranchFlow = 1u << 13,
};

struct FittingKindInfo {
    int number = 0;
    std::string_view name;      // Polish name: chooser hint, fitting name, dialog caption
    std::string_view type_code;
    std::string_view picture;   // below the data folder, beginning with a slash
    unsigned inputs = 0;
    // Default texts of the sizes in mm; "0" for the sizes the kind does not use.
    std::string_view length, d1, d2, a, b, c, d;
};

// The kind of that number; std::nullopt outside 1 … 18.
std::optional<FittingKindInfo> FindFittingKind(int number);
// The kind of a number known to be valid (1 … 18); other numbers read as kind 1.
const FittingKindInfo& FittingKindOf(int number);

inline bool IsRoundKind(int kind) { return kind >= 1 && kind <= 9; }
inline bool IsTeeKind(int kind) { return kind == 4 || kind == 13; }
inline bool IsReducerKind(int kind) { return kind == 8 || kind == 17; }
inline bool IsElbowKind(int kind) { return kind == 2 || kind == 11; }
inline bool IsOffsetKind(int kind) { return kind == 3 || kind == 12; }
// Elbows and grilles have no length: theirs is always 0.
inline bool HasLength(int kind) { return kind != 2 && kind != 9 && kind != 11 && kind != 18; }
// Kinds whose second cross-section (D2, or C × D) has its own velocity.
inline bool HasOutlet(int kind) { return IsTeeKind(kind) || IsReducerKind(kind); }

// The lists of the fitting dialog, in the built-in Polish texts.
inline constexpr std::array<std::string_view, 5> kRoundElbowTypes{"ŁUK GŁADKI", "KOLANO", "5-SEGMENTÓW", "4-SEGMENTY",
                                                                   "3-SEGMENTY"};
inline constexpr std::array<std::string_view, 2> kRectElbowTypes{"ŁUK", "KOLANO"};
inline constexpr std::array<std::string_view, 2> kTeePaths{"PRZELOT", "ODGAŁĘŹIENIE"};
inline constexpr std::array<std::string_view, 2> kTeeFlows{"ROZPŁYW", "ŁĄCZENIE STRUG"};

// Duct materials and the roughness in mm each sets; "Inny" leaves the roughness to the user.
struct DuctMaterial {
    std::string_view name;
    std::string_view roughness_mm; // empty: the user's own
};
inline constexpr std::array<DuctMaterial, 3> kDuctMaterials{
    DuctMaterial{"PVC", "0,007"}, DuctMaterial{"Stal ocynk", "0,15"}, DuctMaterial{"Inny", ""}};
inline constexpr int kOwnMaterial = 2;
inline constexpr std::string_view kRoughnessHint =
    "PVC - k=0,007          Blacha ocynkowana - k=0,15       Przewody murowane k=3-5";

// The small picture of a tee's case (path and flow), below the data folder like the kinds'.
std::string TeeCasePicture(int tee_path, int tee_flow);

// Angles the angle list offers: 5 to 90 in steps of 5, then 110, 150, 180.
std::span<const std::string_view> AngleList();
// Radii the radius list offers, mm.
std::span<const std::string_view> RadiusList();
// Sizes the diameter and side lists offer, mm.
std::span<const std::string_view> SizeList();

// The radius an elbow gets: the first entry of the radius list from the second (100) up
// that is not below half of D1 (round elbow) or 0.75·B (rectangular elbow), both in mm;
// the last entry (4000) when none reaches it. `size_mm` is D1 or B by the kind.
std::string DefaultRadius(int kind, double size_mm);

// The position of `text` in `list`, also when it is the Polish entry of a list shown in
// another language; std::nullopt when it is neither.
std::optional<int> ListPosition(std::string_view text, std::span<const std::string> shown,
                                std::span<const std::string_view> polish);

} // namespace kalvintera
