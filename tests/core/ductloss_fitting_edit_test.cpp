// Editing a stored fitting and saving it unchanged, and the values a fitting refuses with a
// message that names them as typed.

#include "core/ductloss/fitting_form.h"
#include "core/ductloss/fitting_kind.h"
#include "core/ductloss/fitting_row.h"
#include "core/errors.h"
#include "core/input_range.h"
#include "core/message_lines.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

using namespace kalvintera;

namespace {

constexpr AirState kAir{1.2, 1.5e-5};

std::array<std::uint8_t, kFittingRowSize> Bytes(const FittingRow& row)
{
    std::array<std::uint8_t, kFittingRowSize> bytes{};
    EncodeFittingRow(row, bytes.data());
    return bytes;
}

FittingForm NewForm(NumberFormat numbers)
{
    FittingForm form(numbers);
    form.setAir(kAir);
    return form;
}

// A fitting of each kind as a user would add it: a flow of 1200 m³/h, a round tee of
// Φ250/150 with 400 m³/h in the branch, a 45° elbow, an additional loss.
FittingRow Added(FittingForm& form, int kind, NumberFormat numbers)
{
    const std::string sep(1, numbers.decimal_separator);
    form.chooseKind(kind, std::string(FittingKindOf(kind).name));
    form.editText(FittingText::Flow, "1200");
    if (kind == 4) {
        form.editText(FittingText::D1, "250");
        form.editText(FittingText::D2, "150");
    }
    if (IsTeeKind(kind)) form.editText(FittingText::BranchFlow, "400");
    if (IsElbowKind(kind)) form.editText(FittingText::Angle, "45");
    form.editText(FittingText::AdditionalLoss, "2" + sep + "5");
    const FittingCommit commit = form.commit();
    EXPECT_EQ(commit.refusal_line, 0) << kind;
    return FitFittingRow(commit.row);
}

// The fitting dialog opened on `row` and saved with nothing changed, after other fittings
// have left other flows, angles and a material in the fields.
FittingRow SavedUnchanged(FittingForm& form, const FittingRow& row)
{
    form.chooseKind(1, "PROSTKA_OKRĄGŁA");
    form.editText(FittingText::Flow, "777");
    form.editText(FittingText::BranchFlow, "55");
    form.editText(FittingText::Angle, "30");
    form.chooseMaterial(1);
    const int kind = FittingRowKind(row);
    form.chooseKind(kind, std::string(FittingKindOf(kind).name));
    form.loadRow(row);
    const FittingCommit commit = form.commit();
    EXPECT_EQ(commit.refusal_line, 0) << kind;
    return FitFittingRow(commit.row);
}

UserMessage MessageOf(FittingForm& form)
{
    try {
        form.commit();
    } catch (const KalvinteraError& error) {
        return error.userMessage();
    }
    return {};
}

} // namespace

TEST(FittingEdit, SavingAnUnchangedFittingOfEveryKindKeepsItsRecord)
{
    for (const NumberFormat numbers : {NumberFormat::point(), NumberFormat::comma()}) {
        for (int kind = 1; kind <= kFittingKindCount; ++kind) {
            FittingForm form = NewForm(numbers);
            const FittingRow row = Added(form, kind, numbers);
            EXPECT_EQ(Bytes(SavedUnchanged(form, row)), Bytes(row)) << "kind " << kind;

            // A row read back from a calculation file has no main flow beside it.
            const std::array<std::uint8_t, kFittingRowSize> stored = Bytes(row);
            const FittingRow read = DecodeFittingRow(stored.data());
            FittingForm later = NewForm(numbers);
            EXPECT_EQ(Bytes(SavedUnchanged(later, read)), stored) << "kind " << kind << " from a file";
        }
    }
}

TEST(FittingEdit, ATeeOpensWithItsMainFlowNotItsBranchFlow)
{
    FittingForm form = NewForm(NumberFormat::point());
    const FittingRow row = Added(form, 4, NumberFormat::point());
    EXPECT_EQ(row.Flow, "400"); // the run shows the branch flow
    form.chooseKind(4, "TRÓJNIK_OKRĄGŁY");
    form.loadRow(row);
    EXPECT_EQ(form.text(FittingText::Flow), "1200");
    EXPECT_EQ(form.text(FittingText::BranchFlow), "400");

    FittingRow read = row;
    read.MainFlow.clear();
    form.loadRow(read);
    EXPECT_EQ(form.text(FittingText::Flow), "1200");

    // A rectangular tee's main flow of 1234 m³/h through 300 × 200 mm. (A file holds only
    // w1 to 3 decimals, about 0.1 m³/h of flow here: a flow typed with decimals may come
    // back as its neighbour.)
    FittingForm rect = NewForm(NumberFormat::comma());
    rect.chooseKind(13, "TRÓJNIK_PROSTOKĄTNY");
    rect.editText(FittingText::A, "300");
    rect.editText(FittingText::B, "200");
    rect.editText(FittingText::Flow, "1234");
    rect.editText(FittingText::BranchFlow, "300");
    FittingRow rect_row = rect.commit().row;
    rect_row.MainFlow.clear();
    rect.chooseKind(13, "TRÓJNIK_PROSTOKĄTNY");
    rect.loadRow(rect_row);
    EXPECT_EQ(rect.text(FittingText::Flow), "1234");
}

TEST(FittingEdit, TheStoredNameAndTypeCodeAreKept)
{
    FittingForm form = NewForm(NumberFormat::point());
    FittingRow row = Added(form, 10, NumberFormat::point());
    row.Name = "STRAIGHT_DUCT"; // written while the program spoke English
    form.chooseKind(10, "PROSTKA_PROSTOKĄTNA");
    form.loadRow(row);
    EXPECT_EQ(form.commit().row.Name, "STRAIGHT_DUCT");
}

TEST(FittingRanges, SizesLengthsAndFlowsOutsideTheirRangeAreNamedAsTyped)
{
    FittingForm form = NewForm(NumberFormat::point());
    form.chooseKind(1, "PROSTKA_OKRĄGŁA");
    form.editText(FittingText::Flow, "100");

    form.editText(FittingText::D1, "1E308");
    UserMessage message = MessageOf(form);
    EXPECT_EQ(message.line, message_line::kAboveLowUpToHigh);
    EXPECT_EQ(message.values, (std::vector<std::string>{"Φ1", "1E308 mm", "0 mm", "8000 mm"}));
    form.editText(FittingText::D1, "8000");
    EXPECT_EQ(MessageOf(form).line, 0);

    form.editText(FittingText::Length, "-100");
    message = MessageOf(form);
    EXPECT_EQ(message.line, message_line::kFromLowToHigh);
    EXPECT_EQ(message.values, (std::vector<std::string>{"L", "-100 mm", "0 mm", "100000 mm"}));
    form.editText(FittingText::Length, "0");
    EXPECT_EQ(MessageOf(form).line, 0);

    form.editText(FittingText::Flow, "2e6");
    EXPECT_EQ(MessageOf(form).values.at(1), "2e6 m3/h");
    form.editText(FittingText::Flow, "100");
    form.editText(FittingText::AdditionalLoss, "-5");
    EXPECT_EQ(MessageOf(form).values.at(0), "dpp");
    form.editText(FittingText::AdditionalLoss, "0");

    // A text that is no number is named as typed, not as its separator was normalised.
    form.editText(FittingText::Flow, "1,5x");
    try {
        form.commit();
        FAIL() << "1,5x was taken";
    } catch (const ConversionError& error) {
        EXPECT_EQ(error.userMessage().line, message_line::kNotANumber);
        EXPECT_EQ(error.userMessage().values, std::vector<std::string>{"1,5x"});
    }
    EXPECT_EQ(form.text(FittingText::Flow), "1,5x"); // the typed text stays

    // An offset needs a length; a roughness of the duct's own size has no friction factor.
    form.chooseKind(3, "ODSADZKA_OKRĄGŁA");
    form.editText(FittingText::Flow, "100");
    form.editText(FittingText::Length, "0");
    EXPECT_EQ(MessageOf(form).line, message_line::kAboveLowUpToHigh);
    form.editText(FittingText::Length, "500");
    form.editText(FittingText::D1, "20");
    form.chooseMaterial(kOwnMaterial);
    form.editText(FittingText::Roughness, "90");
    message = MessageOf(form);
    EXPECT_EQ(message.line, kTooRoughLine);
    EXPECT_EQ(message.values, (std::vector<std::string>{"90 mm", "20 mm"}));
}

TEST(FittingRanges, AnglesStayWithinWhatEachFittingsTablesCover)
{
    FittingForm form = NewForm(NumberFormat::point());
    form.chooseKind(4, "TRÓJNIK_OKRĄGŁY");
    form.editText(FittingText::Flow, "1000");
    form.editText(FittingText::BranchFlow, "300");
    form.editText(FittingText::Angle, "90160");
    UserMessage message = MessageOf(form);
    EXPECT_EQ(message.line, message_line::kAboveLowUpToHigh);
    EXPECT_EQ(message.values, (std::vector<std::string>{"α", "90160°", "0°", "90°"}));
    form.editText(FittingText::Angle, "0");
    EXPECT_EQ(MessageOf(form).line, message_line::kAboveLowUpToHigh);
    form.editText(FittingText::Angle, "90");
    EXPECT_EQ(MessageOf(form).line, 0);

    // The branch cannot carry more than the whole flow.
    form.editText(FittingText::Flow, "1000");
    form.editText(FittingText::BranchFlow, "1000,5");
    message = MessageOf(form);
    EXPECT_EQ(message.line, kBranchAboveFlowLine);
    EXPECT_EQ(message.values, (std::vector<std::string>{"1000,5 m3/h", "1000 m3/h"}));

    // A bend's factors go to 180°, the mitre elbow's tables to 90°.
    form.chooseKind(2, "KOLANO_OKRĄGŁE");
    form.editText(FittingText::Flow, "100");
    form.editText(FittingText::Angle, "180");
    EXPECT_EQ(MessageOf(form).line, 0);
    form.editText(FittingText::Angle, "181");
    EXPECT_EQ(MessageOf(form).line, message_line::kAboveLowUpToHigh);
    form.chooseRoundElbowType(1);
    form.editText(FittingText::Angle, "110");
    EXPECT_EQ(MessageOf(form).values.at(3), "90°");
    form.chooseKind(11, "KOLANO_PROSTOKĄTNE");
    form.chooseRectElbowType(1);
    EXPECT_EQ(MessageOf(form).values.at(3), "90°");

    // A reducer does not show its angle: one it cannot take is not kept for it.
    form.editText(FittingText::Angle, "500");
    form.chooseKind(8, "REDUKCJA_OKRĄGŁA");
    EXPECT_EQ(form.text(FittingText::Angle), "90");
    EXPECT_EQ(MessageOf(form).line, 0);
    form.editText(FittingText::Angle, "150");
    form.chooseKind(17, "REDUKCJA_PROSTOKĄTNA");
    EXPECT_EQ(form.text(FittingText::Angle), "150");
}

TEST(InputRange, BoundsAndUnits)
{
    EXPECT_TRUE((InputRange{0, 10, false}.holds(10)));
    EXPECT_FALSE((InputRange{0, 10, false}.holds(0)));
    EXPECT_TRUE((InputRange{0, 10, true}.holds(0)));
    EXPECT_FALSE((InputRange{0, 10, true}.holds(10.0001)));
    EXPECT_EQ(WithUnit("90", "°"), "90°");
    EXPECT_EQ(WithUnit("2,5", "mm"), "2,5 mm");
    EXPECT_EQ(WithUnit("x", ""), "x");
}
