#pragma once

#include "core/ductloss/fitting_loss.h"
#include "core/ductloss/fitting_row.h"
#include "core/text/number_format.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace kalvintera {

// The texts of the fitting dialog.
enum class FittingText {
    Name,
    TypeCode,
    Length,
    D1,
    D2,
    A,
    B,
    C,
    D,
    Angle,
    Radius,
    Offset,
    Flow,
    BranchFlow,
    W1,
    W2,
    AdditionalLoss,        // Pa
    AdditionalCoefficient, // ξ
    Roughness,             // mm
    Count
};

enum class AdditionalEntry { Pascal, Coefficient };

// Language lines of the messages with which a commit is refused.
inline constexpr int kNoLengthLine = 805;
inline constexpr int kNoFlowLine = 806;
inline constexpr int kNoRoughnessLine = 807;

// The largest values a fitting takes: the largest size of the dialog's size lists, a
// hundred metres of duct, more air than any ventilation duct carries, a loss no fan makes
// up for. Angles are held to what each fitting's tables or formulas cover: a tee's branch
// and a mitre elbow up to 90°, a bend and a reducer up to 180°.
inline constexpr double kMaxDuctSizeMm = 8000;
inline constexpr double kMaxLengthMm = 100000;
inline constexpr double kMaxFlowM3h = 1000000;
inline constexpr double kMaxAdditionalLossPa = 100000;
inline constexpr double kMaxRoughnessMm = 100;

// The list entries as the dialog shows them in the current language; a stored row may
// name either these or the built-in Polish ones.
struct FittingListTexts {
    std::array<std::string, 2> tee_paths{"PRZELOT", "ODGAŁĘŹIENIE"};
    std::array<std::string, 2> tee_flows{"ROZPŁYW", "ŁĄCZENIE STRUG"};
};

struct FittingCommit {
    int refusal_line = 0; // kNoLengthLine, kNoFlowLine or kNoRoughnessLine: nothing committed
    FittingRow row;       // Lp is the run's to set
    double total_pa = 0;  // dpc before rounding
    FittingResult result; // every figure of the fitting before rounding
};

// What the fitting dialog holds and the rules between its fields: the defaults of each
// kind, the fields kept from one fitting to the next, the velocities shown while typing,
// the radius rule, the material and its roughness, the additional loss in Pa or as ξ,
// and the checks and computation of the commit. The dialog only mirrors these texts.
class FittingForm {
public:
    explicit FittingForm(NumberFormat numbers);

    // The air the losses and the additional-loss conversion use, read at the moment of use.
    void setAir(std::optional<AirState> air) { air_ = air; }
    void setListTexts(FittingListTexts texts) { list_texts_ = std::move(texts); }

    // Resets the dialog for a kind: its sizes to their defaults (the unused ones to "0"),
    // length, additional loss and ξ to "0" with the Pa entry chosen, the first elbow type,
    // the tee's passage and dividing flow, and the velocities refreshed. Flows, angle,
    // radius, offset, material and roughness are kept from the previous fitting.
    void chooseKind(int kind, std::string name);
    // Edit mode: after chooseKind of the row's kind, the stored texts overwrite the
    // fields, velocities included.
    void loadRow(const FittingRow& row);

    // The user changed a text; the fields that follow from it are updated.
    void editText(FittingText field, std::string text);
    void chooseMaterial(int index);
    // The settings' roughness changed: the field takes it and keeps its lock.
    void takeSettingsRoughness(std::string text);
    // The settings' roughness box was ticked or unticked: their text, as a material of one's own.
    void takeOwnRoughness(std::string text);
    void chooseAdditionalEntry(AdditionalEntry entry);
    void chooseRoundElbowType(int index);
    void chooseRectElbowType(int index);
    void chooseTeePath(int index);
    void chooseTeeFlow(int index);

    // The OK button: refuses with a message line when the length (for kinds that have one),
    // the flow or the roughness is missing; otherwise computes the fitting. Texts that do
    // not read as numbers throw ConversionError, values outside their range and inputs the
    // formulas cannot take DataError, each with a message naming the value as typed;
    // nothing is committed then and every text stays. A tee's branch flow becomes the flow
    // (for the next fitting too); the row keeps the main flow beside it for editing.
    FittingCommit commit();

    const std::string& text(FittingText field) const { return texts_[static_cast<std::size_t>(field)]; }
    int kind() const { return kind_; }
    unsigned inputs() const;
    int material() const { return material_; }
    bool roughnessEditable() const;
    AdditionalEntry additionalEntry() const { return entry_; }
    int roundElbowType() const { return round_elbow_type_; }
    int rectElbowType() const { return rect_elbow_type_; }
    int teePath() const { return tee_path_; }
    int teeFlow() const { return tee_flow_; }

private:
    std::string& at(FittingText field) { return texts_[static_cast<std::size_t>(field)]; }
    std::optional<double> tryNumber(FittingText field) const;
    double number(FittingText field) const;
    void applyDefaultRadius();
    void refreshVelocities(bool show);
    void convertAdditional();
    FittingInput strictInput() const;
    void checkRanges(const FittingInput& input) const;
    std::string teeMainFlow(const FittingRow& row) const;
    std::optional<FittingInput> liveInput() const;
    FittingRow makeRow(const FittingInput& input, const FittingResult& result) const;

    NumberFormat numbers_;
    std::optional<AirState> air_;
    FittingListTexts list_texts_;
    std::array<std::string, static_cast<std::size_t>(FittingText::Count)> texts_;
    int kind_ = 1;
    int material_ = 0;
    AdditionalEntry entry_ = AdditionalEntry::Pascal;
    int round_elbow_type_ = 0;
    int rect_elbow_type_ = 0;
    int tee_path_ = 0;
    int tee_flow_ = 0;
    // The flows in force: a text being typed that does not read yet leaves them as they were.
    double flow_m3h_ = 0;
    double branch_flow_m3h_ = 0;
    double w1_ms_ = 0;
};

// Text of a value rounded to `decimals`, in the shortest general form.
std::string RoundedText(double value, int decimals, NumberFormat numbers);

} // namespace kalvintera
