#include "core/ductloss/fitting_form.h"
#include "core/ductloss/fitting_kind.h"
#include "core/errors.h"

#include <gtest/gtest.h>

using namespace kalvintera;

namespace {

constexpr AirState kAir{1.2, 1.5e-5};

FittingForm FormFor(int kind, NumberFormat numbers = NumberFormat::point())
{
    FittingForm form(numbers);
    form.setAir(kAir);
    form.chooseKind(kind, std::string(FittingKindOf(kind).name));
    return form;
}

} // namespace

TEST(FittingForm, ChoosingAKindSetsItsDefaultsAndKeepsTheSharedFields)
{
    FittingForm form = FormFor(1);
    form.editText(FittingText::Flow, "250");
    form.editText(FittingText::Angle, "45");
    form.editText(FittingText::Offset, "80");
    form.chooseMaterial(1);
    form.editText(FittingText::AdditionalLoss, "7");

    form.chooseKind(17, "REDUKCJA_PROSTOKĄTNA");
    EXPECT_EQ(form.text(FittingText::Name), "REDUKCJA_PROSTOKĄTNA");
    EXPECT_EQ(form.text(FittingText::TypeCode), "XF17");
    EXPECT_EQ(form.text(FittingText::Length), "300");
    EXPECT_EQ(form.text(FittingText::A), "100");
    EXPECT_EQ(form.text(FittingText::C), "125");
    EXPECT_EQ(form.text(FittingText::D1), "0"); // sizes the kind does not use
    EXPECT_EQ(form.text(FittingText::D2), "0");
    EXPECT_EQ(form.text(FittingText::AdditionalLoss), "0");
    EXPECT_EQ(form.text(FittingText::AdditionalCoefficient), "0");
    EXPECT_EQ(form.additionalEntry(), AdditionalEntry::Pascal);
    // Kept from the previous fitting.
    EXPECT_EQ(form.text(FittingText::Flow), "250");
    EXPECT_EQ(form.text(FittingText::Angle), "45");
    EXPECT_EQ(form.text(FittingText::Offset), "80");
    EXPECT_EQ(form.material(), 1);
    EXPECT_EQ(form.text(FittingText::Roughness), "0,15");

    form.chooseKind(9, "KRATKA");
    EXPECT_EQ(form.text(FittingText::Length), "0");

    form.chooseRoundElbowType(3);
    form.chooseTeePath(1);
    form.chooseKind(2, "KOLANO_OKRĄGŁE");
    EXPECT_EQ(form.roundElbowType(), 0);
    EXPECT_EQ(form.teePath(), 1); // only a tee resets its lists
    form.chooseKind(4, "TRÓJNIK_OKRĄGŁY");
    EXPECT_EQ(form.teePath(), 0);
    EXPECT_EQ(form.teeFlow(), 0);
}

TEST(FittingForm, VelocitiesFollowTheTypedSizesAndFlow)
{
    FittingForm form = FormFor(1);
    form.editText(FittingText::Flow, "100");
    EXPECT_EQ(form.text(FittingText::W1), "3.537");
    // Half-typed or empty flows leave the flow in force.
    form.editText(FittingText::Flow, "");
    EXPECT_EQ(form.text(FittingText::W1), "3.537");
    form.editText(FittingText::Flow, "1e");
    EXPECT_EQ(form.text(FittingText::W1), "3.537");
    form.editText(FittingText::Flow, "100");
    form.editText(FittingText::D1, "0");
    EXPECT_EQ(form.text(FittingText::W1), "3.537"); // a zero size shows no infinite velocity
    form.editText(FittingText::D1, "200");
    EXPECT_EQ(form.text(FittingText::W1), "0.884");

    FittingForm rect = FormFor(10, NumberFormat::comma());
    rect.editText(FittingText::Flow, "100");
    EXPECT_EQ(rect.text(FittingText::W1), "2,78"); // 2 decimals for rectangular kinds
    rect.editText(FittingText::A, "200.0");       // the other separator is accepted
    EXPECT_EQ(rect.text(FittingText::W1), "1,39");

    FittingForm tee = FormFor(4);
    tee.editText(FittingText::Flow, "100");
    tee.editText(FittingText::BranchFlow, "50");
    EXPECT_EQ(tee.text(FittingText::W2), "1.768");
}

TEST(FittingForm, AnElbowsRadiusFollowsItsSize)
{
    FittingForm round = FormFor(2);
    EXPECT_EQ(round.text(FittingText::Radius), "100");
    round.editText(FittingText::D1, "315");
    EXPECT_EQ(round.text(FittingText::Radius), "200");
    round.editText(FittingText::D1, "200");
    round.editText(FittingText::Radius, "750");
    EXPECT_EQ(round.text(FittingText::Radius), "100");

    FittingForm rect = FormFor(11);
    rect.editText(FittingText::B, "6000");
    EXPECT_EQ(rect.text(FittingText::Radius), "4000");
    rect.editText(FittingText::A, "6000"); // A does not move it
    EXPECT_EQ(rect.text(FittingText::Radius), "4000");

    // Other kinds keep whatever radius the field holds.
    FittingForm duct = FormFor(1);
    duct.editText(FittingText::Radius, "750");
    duct.editText(FittingText::D1, "315");
    EXPECT_EQ(duct.text(FittingText::Radius), "750");
}

TEST(FittingForm, MaterialSetsTheRoughness)
{
    FittingForm form = FormFor(1);
    EXPECT_EQ(form.material(), 0);
    EXPECT_EQ(form.text(FittingText::Roughness), "0,007");
    EXPECT_FALSE(form.roughnessEditable());
    form.chooseMaterial(2);
    EXPECT_TRUE(form.roughnessEditable());
    EXPECT_EQ(form.text(FittingText::Roughness), "0,007");
    form.chooseMaterial(0);
    form.takeSettingsRoughness("0,05"); // the settings' text, keeping the lock
    EXPECT_EQ(form.text(FittingText::Roughness), "0,05");
    EXPECT_FALSE(form.roughnessEditable());
    form.takeOwnRoughness("3");
    EXPECT_EQ(form.material(), kOwnMaterial);
    EXPECT_EQ(form.text(FittingText::Roughness), "3");
}

TEST(FittingForm, AdditionalLossConvertsTheActiveEntryIntoTheOther)
{
    FittingForm form = FormFor(1);
    form.editText(FittingText::Flow, "100"); // w1 ≈ 3.5369 m/s
    form.editText(FittingText::AdditionalLoss, "10");
    EXPECT_EQ(form.text(FittingText::AdditionalCoefficient), "1.33"); // 2·10 / (1.2·w1²)
    form.chooseAdditionalEntry(AdditionalEntry::Coefficient);
    form.editText(FittingText::AdditionalLoss, "99"); // the inactive field converts nothing
    EXPECT_EQ(form.text(FittingText::AdditionalCoefficient), "1.33");
    form.editText(FittingText::AdditionalCoefficient, "2");
    EXPECT_EQ(form.text(FittingText::AdditionalLoss), "15"); // 2·0.5·1.2·w1² = 15.01…
    // A velocity refresh repeats the conversion.
    form.editText(FittingText::D1, "200");
    EXPECT_EQ(form.text(FittingText::AdditionalLoss), "0.9");

    // Without a flow nothing converts.
    FittingForm still = FormFor(1);
    still.editText(FittingText::AdditionalLoss, "10");
    EXPECT_EQ(still.text(FittingText::AdditionalCoefficient), "0");
}

TEST(FittingForm, CommitRefusesMissingLengthFlowAndRoughnessInThatOrder)
{
    FittingForm form = FormFor(1);
    form.editText(FittingText::Length, "");
    form.editText(FittingText::Flow, "");
    form.editText(FittingText::Roughness, "");
    EXPECT_EQ(form.commit().refusal_line, kNoLengthLine);
    form.editText(FittingText::Length, "1000");
    EXPECT_EQ(form.commit().refusal_line, kNoFlowLine);
    form.editText(FittingText::Flow, "0");
    EXPECT_EQ(form.commit().refusal_line, kNoFlowLine);
    form.editText(FittingText::Flow, "0.0");
    EXPECT_EQ(form.commit().refusal_line, kNoFlowLine);
    form.editText(FittingText::Flow, "100");
    form.editText(FittingText::AdditionalLoss, "");
    EXPECT_EQ(form.commit().refusal_line, kNoRoughnessLine);
    EXPECT_EQ(form.text(FittingText::AdditionalLoss), "0"); // emptied additional loss reads as 0
    form.editText(FittingText::Roughness, "0,007");
    EXPECT_EQ(form.commit().refusal_line, 0);

    // Kinds without length do not ask for one.
    FittingForm grille = FormFor(18);
    grille.editText(FittingText::Length, "");
    grille.editText(FittingText::Flow, "100");
    EXPECT_EQ(grille.commit().refusal_line, 0);
}

TEST(FittingForm, CommitReportsTextsAndSizesThatCannotBeComputed)
{
    FittingForm form = FormFor(1);
    form.editText(FittingText::Flow, "100");
    form.editText(FittingText::Length, "2 m");
    EXPECT_THROW(form.commit(), ConversionError);
    form.editText(FittingText::Length, "2000");
    form.editText(FittingText::D1, "0");
    EXPECT_THROW(form.commit(), DataError);
    form.editText(FittingText::D1, "100");
    form.setAir(std::nullopt);
    EXPECT_THROW(form.commit(), DataError);
    form.setAir(kAir);
    // A field the kind does not show may hold anything.
    form.editText(FittingText::Offset, "abc");
    EXPECT_EQ(form.commit().refusal_line, 0);
}

TEST(FittingForm, CommitBuildsTheRowWithRoundedResults)
{
    FittingForm form = FormFor(1, NumberFormat::comma());
    form.editText(FittingText::Flow, "100");
    form.editText(FittingText::AdditionalLoss, "1,234");
    const FittingCommit commit = form.commit();
    ASSERT_EQ(commit.refusal_line, 0);
    const FittingRow& row = commit.row;
    EXPECT_EQ(row.Name, "PROSTKA_OKRĄGŁA");
    EXPECT_EQ(row.TypeCode, "XF01*");
    EXPECT_EQ(row.Length, "2000");
    EXPECT_EQ(row.DiameterD1, "100");
    EXPECT_EQ(row.SideA, "0");
    EXPECT_EQ(row.Flow, "100");
    EXPECT_EQ(row.W1, "3,537");
    EXPECT_EQ(row.W2, "0");
    EXPECT_EQ(row.AdditionalLoss, "1,23");
    EXPECT_EQ(row.LossCoefficient, "0");
    EXPECT_EQ(row.FrictionLoss, "3,76");
    EXPECT_EQ(row.LocalLoss, "0");
    EXPECT_EQ(row.TotalLoss, "4,99");
    EXPECT_NEAR(commit.total_pa, 3.758862363117585 + 1.234, 1e-9);
    EXPECT_EQ(row.Dh1, "100");
    EXPECT_EQ(row.Dh2, "0");
    EXPECT_EQ(row.Kind, "1");
    EXPECT_EQ(row.Material, "PVC");
    EXPECT_EQ(row.Roughness, "0,007");
    EXPECT_EQ(row.TeePath, "PRZELOT");
    EXPECT_EQ(row.TeeFlow, "ROZPŁYW");
    EXPECT_EQ(row.RoundElbowType, "ŁUK GŁADKI");
    EXPECT_EQ(row.Angle, "90");
}

TEST(FittingForm, ATeeCarriesItsBranchFlowOn)
{
    FittingForm round = FormFor(4);
    round.editText(FittingText::Flow, "1000");
    round.editText(FittingText::BranchFlow, "400");
    const FittingCommit commit = round.commit();
    ASSERT_EQ(commit.refusal_line, 0);
    EXPECT_EQ(commit.row.Flow, "400");
    EXPECT_EQ(commit.row.BranchFlow, "400");
    EXPECT_EQ(round.text(FittingText::Flow), "400");
    // The loss is the main flow's: w1 of 1000 m³/h through 100 mm.
    EXPECT_EQ(commit.row.W1, "35.369");
    // The next fitting starts with the branch flow.
    round.chooseKind(1, "PROSTKA_OKRĄGŁA");
    EXPECT_EQ(round.text(FittingText::Flow), "400");
    EXPECT_EQ(round.text(FittingText::W1), "14.148");

    FittingForm rect = FormFor(13, NumberFormat::comma());
    rect.editText(FittingText::Flow, "1000");
    rect.editText(FittingText::BranchFlow, "333,3");
    ASSERT_EQ(rect.commit().refusal_line, 0);
    EXPECT_EQ(rect.text(FittingText::Flow), "333,3"); // back from m³/s to m³/h
}

TEST(FittingForm, EditingLoadsTheStoredTexts)
{
    FittingForm made = FormFor(13);
    made.editText(FittingText::Flow, "1000");
    made.editText(FittingText::BranchFlow, "300");
    made.chooseTeePath(1);
    made.chooseTeeFlow(1);
    made.chooseMaterial(2);
    made.editText(FittingText::Roughness, "3");
    made.editText(FittingText::AdditionalLoss, "5");
    const FittingRow row = made.commit().row;

    FittingForm form = FormFor(1);
    form.chooseKind(13, "TRÓJNIK_PROSTOKĄTNY");
    form.loadRow(row);
    EXPECT_EQ(form.text(FittingText::Flow), "1000"); // the tee's own flow, not the branch's it stores
    EXPECT_EQ(form.text(FittingText::BranchFlow), "300");
    EXPECT_EQ(form.text(FittingText::W1), row.W1); // the stored 3 decimals, not the shown 2
    EXPECT_EQ(form.text(FittingText::W2), row.W2);
    EXPECT_EQ(form.text(FittingText::AdditionalLoss), "5");
    EXPECT_EQ(form.text(FittingText::Roughness), "3");
    EXPECT_EQ(form.material(), kOwnMaterial);
    EXPECT_TRUE(form.roughnessEditable());
    EXPECT_EQ(form.teePath(), 1);
    EXPECT_EQ(form.teeFlow(), 1);

    // A row written in another language's list texts still finds its entries.
    FittingRow english = row;
    english.TeePath = "BRANCH";
    FittingListTexts shown;
    shown.tee_paths = {"STRAIGHT PASS", "BRANCH"};
    form.setListTexts(shown);
    form.chooseTeePath(0);
    form.loadRow(english);
    EXPECT_EQ(form.teePath(), 1);
    english.RoundElbowTypeIndex = 77; // an index from a damaged file names the first entry
    form.loadRow(english);
    EXPECT_EQ(form.roundElbowType(), 0);
}
