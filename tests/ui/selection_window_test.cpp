// The selection window on a copy of the sample data: the three searches, the rules of the
// fan criteria, the row operations and the add-to-order operations.

#include "ui/selection/selection_window.h"

#include "core/catalogue/device_table.h"
#include "core/selection/fan_result_row.h"
#include "core/selection/fan_search.h"
#include "core/text/rounding.h"
#include "core/selection/ventilator_search.h"
#include "core/text/contains_text.h"
#include "core/text/message_format.h"
#include "support/fakes.h"
#include "support/modal_closer.h"
#include "support/test_data_folder.h"
#include "ui/program.h"
#include "ui/selection/arrangement_dialog.h"
#include "ui/selection/cylindrical_tab.h"
#include "ui/selection/fan_criteria.h"
#include "ui/selection/fan_results.h"
#include "ui/selection/fan_tab.h"
#include "ui/selection/gravity_scheme_window.h"
#include "ui/selection/integrated_tab.h"
#include "ui/selection/quantity_dialog.h"
#include "ui/selection/result_columns.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include "core/text/message_format.h"

#include <QtTest>

using namespace kalvintera;
using namespace kalvintera::testing;

namespace {

struct Fixture {
    Fixture()
    {
        LoadDeviceTable(program.path("urzadzenia.dbx"), program.devices, program.numbers);
        program.settings.language = language_id::kPolish;
        program.language.load(program.path("languages/polish.lng"), CodePage::Cp1250);
        program.MessageTitle = program.language.line(149);
        program.fadeEnabled = false;
        window.setDialogs({&quantity, &arrangement, &scheme});
        window.show();
    }

    template <typename T>
    T* child(const char* name) const
    {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        if (!found) qFatal("no child %s", name);
        return found;
    }

    QLineEdit* edit(const char* name) const { return child<QLineEdit>(name); }
    QCheckBox* box(const char* name) const { return child<QCheckBox>(name); }
    QComboBox* list(const char* name) const { return child<QComboBox>(name); }
    ResultColumns* fanColumns() const { return window.fans()->results()->columns(); }

    void enter(QWidget* control) const { QTest::keyClick(control, Qt::Key_Return); }

    void searchFans(const QString& flow, const QString& pressure) const
    {
        edit("flow")->setText(flow);
        edit("pressure")->setText(pressure);
        enter(edit("flow"));
    }

    // The search the window is meant to run, straight from the core.
    std::vector<SelectionResult> coreFans(const FanSearchCriteria& criteria) const
    {
        return SearchFans(program.devices, program.data, criteria, program.numbers).results;
    }

    QStringList shownColumn(const ResultColumns* columns, int column) const
    {
        QStringList texts;
        for (int row = 0; row < columns->rowCount(); ++row) texts << columns->text(row, column);
        return texts;
    }

    QStringList models(const std::vector<SelectionResult>& results, int first, int count) const
    {
        QStringList texts;
        for (int i = first; i < first + count && i < static_cast<int>(results.size()); ++i) {
            texts << QString::fromStdString(program.devices.at(results[static_cast<std::size_t>(i)].index).Model);
        }
        return texts;
    }

    // Answers the next quantity dialog with `text`.
    void answerQuantity(const QString& text) const
    {
        CloseNextModal([text](QWidget* modal) {
            auto* dialog = qobject_cast<QuantityDialog*>(modal);
            if (!dialog) qFatal("the quantity dialog was expected");
            if (dialog->quantityEdit()->text() != QStringLiteral("1")) qFatal("the quantity is not preset to 1");
            dialog->quantityEdit()->setText(text);
            dialog->okButton()->click();
            if (dialog->isVisible()) qFatal("the quantity %s was refused", qPrintable(text));
        });
    }

    TestDataFolder folder;
    FakePlatform platform;
    ScriptedPrompter prompter;
    Program program{DataFolder(folder.root()), LocaleFormats{NumberFormat::point(), ShortDateFormat()},
                    platform.services, prompter};
    QuantityDialog quantity{program};
    ArrangementDialog arrangement{program};
    GravitySchemeWindow scheme{program};
    SelectionWindow window{program};
};

double Number(const QString& text)
{
    return text.toDouble();
}

} // namespace

class SelectionWindowTest : public QObject {
    Q_OBJECT
private slots:
    void roofFansAreRankedAsTheCoreRanksThem();
    void flowInCubicMetresPerSecondSearchesTheSameWay();
    void missingOrHopelessDutyPointIsReported();
    void advancedModeEnablesAndResetsItsControls();
    void advancedFiltersNarrowTheResults();
    void fanKindDecidesLabelsAndArrangement();
    void moduleButtonsChooseTabAndKind();
    void scrollingMovesSixRowsThroughTheResults();
    void detailsOfAFanRow();
    void fanGoesToTheOrderWithItsOptions();
    void radialFanWithArrangementColourAndVoltage();
    void cylindricalDefaultsListVentilators();
    void integratedDefaultsListVentilatorsFiveAtATime();
    void stackPressureOutsideItsRangeIsReported();
    void installedFanOfAnIntegratedVentilator();
    void ventilatorSearchReplacesTheStoreOfTheFanRows();
    void fullOrderTakesNoMoreLines();
    void closingEmptiesEveryList();
    void textsFollowTheLanguageFile();
    void resultsShowWhereEachFanRunsAndItsSfp();
    void criterionReordersTheShownResultsWithoutANewSearch();
    void headingClickSortsAndAgainReverses();
    void densityCorrectionScalesTheSearchAndSaysSo();
};

void SelectionWindowTest::roofFansAreRankedAsTheCoreRanksThem()
{
    Fixture f;
    QVERIFY(!f.window.resultsShown());
    const int compact_height = f.window.height();
    f.searchFans("1200", "150");
    QVERIFY(f.prompter.messages.empty());
    QVERIFY(f.window.resultsShown());
    QVERIFY(f.window.sizeHint().height() > compact_height);

    FanSearchCriteria criteria;
    criteria.duty = {1200.0 / 3600.0, 150.0};
    const std::vector<SelectionResult> expected = f.coreFans(criteria);
    QVERIFY(expected.size() > 6);
    QCOMPARE(f.edit("count")->text(), QString::number(expected.size()));
    QCOMPARE(f.shownColumn(f.fanColumns(), FanResultsGroup::Model), f.models(expected, 0, 6));
    const QStringList powers = f.shownColumn(f.fanColumns(), FanResultsGroup::Power);
    for (int row = 1; row < powers.size(); ++row) QVERIFY(Number(powers[row - 1]) <= Number(powers[row]));
    QCOMPARE(f.program.selectionResults.size(), expected.size());
    QVERIFY(f.program.DutyPointKnown);

    // Highest efficiency first, started with Enter in the ordering list.
    f.list("ordering")->setCurrentIndex(1);
    f.enter(f.list("ordering"));
    criteria.ordering = FanOrdering::HighestEfficiency;
    QCOMPARE(f.shownColumn(f.fanColumns(), FanResultsGroup::Model), f.models(f.coreFans(criteria), 0, 6));
    const QStringList efficiencies = f.shownColumn(f.fanColumns(), FanResultsGroup::Efficiency);
    for (int row = 1; row < efficiencies.size(); ++row) {
        QVERIFY(Number(efficiencies[row - 1]) >= Number(efficiencies[row]));
    }

    // Another tab hides the results again.
    f.window.tabs()->setCurrentIndex(SelectionWindow::CylindricalVentilatorsTab);
    QVERIFY(!f.window.resultsShown());
}

void SelectionWindowTest::flowInCubicMetresPerSecondSearchesTheSameWay()
{
    Fixture f;
    f.program.flowUnit = FlowUnit::CubicMetresPerSecond;
    f.program.pressureUnit = PressureUnit::Decapascal;
    f.window.hide();
    f.window.show(); // the units are read at each opening
    QCOMPARE(f.child<QLabel>("flowUnit")->text(), QString("m3/s"));
    QCOMPARE(f.child<QLabel>("pressureUnit")->text(), QString("daPa"));
    QCOMPARE(f.child<QLabel>("integratedFlowUnit")->text(), QString("m3/s"));
    f.searchFans("0,4", "15");

    FanSearchCriteria criteria;
    criteria.duty = {0.4, 150.0};
    const std::vector<SelectionResult> expected = f.coreFans(criteria);
    QVERIFY(!expected.empty());
    QCOMPARE(f.shownColumn(f.fanColumns(), FanResultsGroup::Model), f.models(expected, 0, 6));
    // The maximum flow is shown as the catalogue holds it, under the unit of the settings.
    const DeviceRecord& first = f.program.devices.at(expected[0].index);
    QCOMPARE(f.fanColumns()->text(0, FanResultsGroup::MaxFlow), QString::fromStdString(first.FlowMax));
}

void SelectionWindowTest::missingOrHopelessDutyPointIsReported()
{
    Fixture f;
    f.searchFans("", "150");
    QCOMPARE(f.prompter.lastText(), f.program.line(294));
    QCOMPARE(f.prompter.messages.back().title, QString::fromStdString(f.program.MessageTitle));
    f.searchFans("0", "150");
    QCOMPARE(f.prompter.lastText(), f.program.line(294));
    f.searchFans("1200", "0");
    QCOMPARE(f.prompter.lastText(), f.program.line(295));
    QVERIFY(!f.window.resultsShown());

    f.searchFans("1200", "100000");
    QCOMPARE(f.prompter.lastText(), f.program.line(293));
    QCOMPARE(f.edit("count")->text(), QString("0"));
    QCOMPARE(f.fanColumns()->rowCount(), 0);

    // A flow that is no number ends the search with the reason; nothing else changes.
    const std::size_t shown = f.prompter.messages.size();
    f.searchFans("12o0", "150");
    QCOMPARE(f.prompter.messages.size(), shown + 1);
    QCOMPARE(f.prompter.lastText(), QString::fromStdString(FormatMessage(f.program.line(1101).toStdString(), {"12o0"})));

    // A catalogue record whose own numbers do not read is left out, and named in Polish.
    FanSearchCriteria criteria;
    criteria.duty = {1200.0 / 3600.0, 150.0};
    const DeviceIndex broken = f.coreFans(criteria).front().index;
    f.program.devices.slot(broken).FlowMax = "x";
    f.searchFans("1200", "150");
    const std::string model = f.program.devices.at(broken).Model;
    QCOMPARE(f.prompter.lastText(), QString::fromStdString(FormatMessage(f.program.line(1109).toStdString(), {model})));
}

void SelectionWindowTest::advancedModeEnablesAndResetsItsControls()
{
    Fixture f;
    auto* group = f.child<QGroupBox>("advancedGroup");
    QVERIFY(!group->isEnabled());
    f.box("advanced")->click();
    QVERIFY(group->isEnabled());
    QVERIFY(!f.list("colour")->isEnabled()); // until "Kolor" is ticked

    f.box("chemical")->click();
    QVERIFY(!f.box("standard")->isChecked());
    f.box("heat60")->click();
    f.box("standard")->click();
    QVERIFY(!f.box("chemical")->isChecked());
    QVERIFY(f.box("heat60")->isChecked()); // heat resistance goes with any execution
    f.box("twoSpeed")->click();
    f.box("explosionProof")->click();
    QVERIFY(!f.box("standard")->isChecked());

    f.child<QRadioButton>("duct")->click();
    f.box("advanced")->click();
    QVERIFY(!group->isEnabled());
    QVERIFY(f.box("standard")->isChecked());
    for (const char* name : {"heat40", "heat60", "chemical", "explosionProof", "twoSpeed"}) {
        QVERIFY2(!f.box(name)->isChecked(), name);
    }
    QVERIFY(f.child<QRadioButton>("duct")->isChecked());

    // Colour: "INNY RAL" shows the RAL field; any other colour empties and hides it.
    f.box("advanced")->click();
    f.box("colourWanted")->click();
    QVERIFY(f.list("colour")->isEnabled());
    QVERIFY(!f.edit("ral")->isVisible());
    f.list("colour")->setCurrentIndex(8);
    QVERIFY(f.edit("ral")->isVisible());
    f.edit("ral")->setText("5010");
    f.list("colour")->setCurrentIndex(2);
    QVERIFY(!f.edit("ral")->isVisible());
    QVERIFY(f.edit("ral")->text().isEmpty());
    f.box("colourWanted")->click();
    QVERIFY(!f.list("colour")->isEnabled());
    QCOMPARE(f.list("colour")->currentText(), QString("STANDARD"));

    // Opening the window again brings back the standard execution and colour.
    f.box("colourWanted")->click();
    f.list("colour")->setCurrentIndex(3);
    f.box("chemical")->click();
    f.window.hide();
    f.window.show();
    QVERIFY(f.box("standard")->isChecked());
    QVERIFY(!f.box("chemical")->isChecked());
    QCOMPARE(f.list("colour")->currentText(), QString("STANDARD"));
}

void SelectionWindowTest::advancedFiltersNarrowTheResults()
{
    Fixture f;
    f.box("advanced")->click();
    f.list("direction")->setCurrentIndex(2); // PIONOWY
    f.edit("maxPower")->setText("0,55");
    f.edit("maxSound")->setText("70");
    f.list("voltage")->setCurrentText("400");
    f.edit("flow")->setText("1200");
    f.edit("pressure")->setText("150");
    f.enter(f.edit("maxSound"));

    FanSearchCriteria criteria;
    criteria.duty = {1200.0 / 3600.0, 150.0};
    criteria.advanced = true;
    criteria.direction = DischargeFilter::Vertical;
    criteria.max_power_kw = "0,55";
    criteria.max_sound_dba = "70";
    criteria.voltage = "400";
    const std::vector<SelectionResult> expected = f.coreFans(criteria);
    QVERIFY(!expected.empty());
    QCOMPARE(f.edit("count")->text(), QString::number(expected.size()));
    for (int row = 0; row < f.fanColumns()->rowCount(); ++row) {
        const auto device = FindDeviceByModel(f.program.devices, f.fanColumns()->text(row, 0).toStdString());
        QVERIFY(device);
        const DeviceRecord& record = f.program.devices.at(*device);
        QCOMPARE(record.DischargeDirection, std::string("V"));
        QVERIFY(Number(QString::fromStdString(record.MotorPower)) <= 0.55);
        // The chosen supply is the one shown.
        QCOMPARE(f.fanColumns()->text(row, FanResultsGroup::Voltage), QString::fromStdString(record.Voltage2));
    }

    // An execution the catalogue offers nowhere among these leaves nothing.
    f.box("explosionProof")->click();
    f.child<QPushButton>("search")->click();
    QCOMPARE(f.edit("count")->text(), QString::number(f.coreFans([&] {
        FanSearchCriteria c = criteria;
        c.standard = false;
        c.executions.explosion_proof = true;
        return c;
    }()).size()));
}

void SelectionWindowTest::fanKindDecidesLabelsAndArrangement()
{
    Fixture f;
    auto* pressure = f.child<QLabel>("pressureLabel");
    auto* arrangement = f.child<QPushButton>("arrangement");
    QCOMPARE(pressure->text(), f.program.line(296));
    QVERIFY(f.list("direction")->isVisibleTo(&f.window));
    QVERIFY(!arrangement->isVisibleTo(&f.window));

    f.box("advanced")->click();
    f.child<QRadioButton>("radial")->click();
    QCOMPARE(pressure->text(), f.program.line(297));
    QVERIFY(!f.list("direction")->isVisibleTo(&f.window));
    QVERIFY(arrangement->isVisibleTo(&f.window));
    f.child<QRadioButton>("duct")->click();
    QCOMPARE(pressure->text(), f.program.line(297));
    QVERIFY(!arrangement->isVisibleTo(&f.window));

    // Basic mode keeps the kind chosen before: only radial fans are found.
    f.child<QRadioButton>("radial")->click();
    f.box("advanced")->click();
    f.searchFans("1500", "300");
    QVERIFY(f.fanColumns()->rowCount() > 0);
    for (const QString& model : f.shownColumn(f.fanColumns(), 0)) {
        const auto device = FindDeviceByModel(f.program.devices, model.toStdString());
        QVERIFY(ContainsText("WENTYLATOR PROMIENIOWY", f.program.devices.at(*device).NamePl));
    }
}

void SelectionWindowTest::moduleButtonsChooseTabAndKind()
{
    Fixture f;
    auto* arrangement = f.child<QPushButton>("arrangement");
    f.program.SelectionModule = 2;
    f.window.prepareForModule();
    QCOMPARE(f.window.tabs()->currentIndex(), int(SelectionWindow::FansTab));
    QVERIFY(f.child<QRadioButton>("radial")->isChecked());
    QVERIFY(arrangement->isVisibleTo(&f.window));

    f.program.SelectionModule = 3;
    f.window.prepareForModule();
    QCOMPARE(f.window.tabs()->currentIndex(), int(SelectionWindow::IntegratedVentilatorsTab));
    QVERIFY(f.child<QRadioButton>("radial")->isChecked());
    f.program.SelectionModule = 4;
    f.window.prepareForModule();
    QCOMPARE(f.window.tabs()->currentIndex(), int(SelectionWindow::CylindricalVentilatorsTab));

    f.program.SelectionModule = 5;
    f.window.prepareForModule();
    QVERIFY(f.child<QRadioButton>("duct")->isChecked());
    QVERIFY(!arrangement->isVisibleTo(&f.window));
    f.program.SelectionModule = 1;
    f.window.prepareForModule();
    QVERIFY(f.child<QRadioButton>("roof")->isChecked());
}

void SelectionWindowTest::scrollingMovesSixRowsThroughTheResults()
{
    Fixture f;
    f.searchFans("1200", "150");
    const int count = f.edit("count")->text().toInt();
    QVERIFY(count > 6);
    QScrollBar* bar = f.fanColumns()->scrollBar();
    QCOMPARE(bar->minimum(), 1);
    QCOMPARE(bar->maximum(), count - 5);
    QCOMPARE(f.fanColumns()->rowCount(), 6);

    const QString second = QString::fromStdString(f.program.devices.at(f.program.selectionResults[1]).Model);
    const QString last = QString::fromStdString(f.program.devices.at(f.program.selectionResults.back()).Model);
    bar->setValue(2);
    QCOMPARE(f.fanColumns()->text(0, 0), second);
    bar->setValue(bar->maximum());
    QCOMPARE(f.fanColumns()->text(5, 0), last);

    // A row picked in one column is picked in all; its number counts from the scroll position.
    f.fanColumns()->list(7)->setCurrentRow(3);
    for (int column = 0; column < 10; ++column) QCOMPARE(f.fanColumns()->list(column)->currentRow(), 3);
    QCOMPARE(f.edit("selectedNumber")->text(), QString::number(3 + bar->maximum()));
}

void SelectionWindowTest::detailsOfAFanRow()
{
    Fixture f;
    QSignalSpy details(&f.window, &SelectionWindow::detailsRequested);
    f.searchFans("1200", "150");
    f.program.OpenedFromCatalogue = true;
    f.fanColumns()->selectRow(1);
    f.fanColumns()->detailsAction()->trigger();
    QCOMPARE(details.count(), 1);
    QCOMPARE(QString::fromStdString(f.program.CurrentDevice.Model), f.fanColumns()->text(1, 0));
    QVERIFY(f.program.OpenedFromFanSelection);
    QVERIFY(!f.program.OpenedFromCatalogue);
    QCOMPARE(f.program.SelectedCandidatePower, Number(f.fanColumns()->text(1, FanResultsGroup::Power)));
    QCOMPARE(f.window.selectedFanVoltageText(), f.fanColumns()->text(1, FanResultsGroup::Voltage));

    emit f.fanColumns()->rowDoubleClicked(2);
    QCOMPARE(details.count(), 2);
    QCOMPARE(QString::fromStdString(f.program.CurrentDevice.Model), f.fanColumns()->text(2, 0));
}

void SelectionWindowTest::fanGoesToTheOrderWithItsOptions()
{
    Fixture f;
    QSignalSpy added(&f.window, &SelectionWindow::orderLineAdded);
    f.searchFans("1200", "150");
    f.window.addSelectedFanToOrder(); // no row selected: nothing happens
    QCOMPARE(f.program.order.count(), 0);

    f.fanColumns()->selectRow(0);
    f.answerQuantity("150"); // 1500 would be refused: the quantity field holds three digits
    f.fanColumns()->addAction()->trigger();
    QCOMPARE(f.program.order.count(), 1);
    QCOMPARE(added.count(), 1);
    QVERIFY(f.program.orderChanged);
    const OrderLine& line = f.program.order.at(0);
    QCOMPARE(line.DeviceIndex, f.program.selectionResults[0]);
    QCOMPARE(line.Quantity, std::string("150"));
    QCOMPARE(line.LineNo, std::string("0"));
    QCOMPARE(line.DutyFlow, 1200.0);
    QCOMPARE(line.DutyPressure, 150.0);
    QCOMPARE(QString::fromStdString(line.Voltage), f.fanColumns()->text(0, FanResultsGroup::Voltage));
    QCOMPARE(line.Execution, std::string());
    QCOMPARE(line.Colour, std::string("STANDARD"));
    QCOMPARE(line.Arrangement, std::string("NA"));

    // Executions marked in advanced mode make the execution code.
    f.box("advanced")->click();
    f.box("heat40")->click();
    f.box("twoSpeed")->click();
    f.answerQuantity("2");
    f.window.addSelectedFanToOrder();
    QCOMPARE(f.program.order.at(1).Execution, std::string("T40+D"));
    f.box("heat40")->click();
    f.box("twoSpeed")->click();
    f.box("chemical")->click();
    f.answerQuantity("2");
    f.window.addSelectedFanToOrder();
    QCOMPARE(f.program.order.at(2).Execution, std::string("+K"));

    // A duty point changed into something unreadable adds nothing.
    f.edit("flow")->setText("abc");
    f.answerQuantity("1");
    f.window.addSelectedFanToOrder();
    QCOMPARE(f.program.order.count(), 3);
    QVERIFY(f.prompter.lastText().contains("abc"));
}

void SelectionWindowTest::radialFanWithArrangementColourAndVoltage()
{
    Fixture f;
    f.box("advanced")->click();
    f.child<QRadioButton>("radial")->click();
    f.list("voltage")->setCurrentText("400");
    f.box("colourWanted")->click();
    f.list("colour")->setCurrentIndex(8);
    f.edit("ral")->setText("5010");
    // The arrangement dialog keeps its choice from one opening to the next.
    CloseNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<ArrangementDialog*>(modal);
        if (!dialog) qFatal("the arrangement dialog was expected");
        dialog->findChild<QRadioButton*>("LG90")->click();
    });
    f.child<QPushButton>("arrangement")->click();
    QCOMPARE(f.arrangement.chosenArrangement(), QString("LG90"));

    f.searchFans("1500", "300");
    QVERIFY(f.fanColumns()->rowCount() > 0);
    f.fanColumns()->selectRow(0);
    f.answerQuantity("3");
    f.window.addSelectedFanToOrder();
    const OrderLine& line = f.program.order.at(0);
    const DeviceRecord& record = f.program.devices.at(line.DeviceIndex);
    QVERIFY(ContainsText("WENTYLATOR PROMIENIOWY", record.NamePl));
    QCOMPARE(line.Arrangement, std::string("LG90"));
    QCOMPARE(line.Colour, std::string("5010"));
    QCOMPARE(line.Voltage, record.Voltage2);
}

void SelectionWindowTest::cylindricalDefaultsListVentilators()
{
    Fixture f;
    f.window.tabs()->setCurrentIndex(SelectionWindow::CylindricalVentilatorsTab);
    f.program.DutyPointKnown = true;
    f.child<QPushButton>("cylindricalSearch")->click();
    const CylindricalSearchResult expected =
        SelectCylindricalVentilators(f.program.devices, {"250", "3", "STANDARD"}, f.program.numbers);
    ResultColumns* columns = f.window.cylindrical()->columns();
    QVERIFY(!expected.results.empty());
    QCOMPARE(columns->rowCount(), int(expected.results.size()));
    QCOMPARE(columns->text(0, 2), QString::fromStdString(expected.results[0].capacity_text));
    QCOMPARE(columns->text(0, 3), QString("STANDARD"));
    QVERIFY(!f.program.DutyPointKnown);

    columns->selectRow(columns->rowCount() - 1);
    f.list("cylindricalColour")->setCurrentIndex(7);
    f.answerQuantity("4");
    columns->addAction()->trigger();
    const OrderLine& line = f.program.order.at(0);
    QCOMPARE(line.DeviceIndex, expected.results.back().device_index);
    QCOMPARE(line.Colour, std::string("CZARNY"));
    QCOMPARE(line.Voltage, std::string("N/A"));
    QCOMPARE(line.Execution, std::string("N/A"));
    QCOMPARE(line.Arrangement, std::string("N/A"));

    f.edit("cylindricalWind")->clear();
    f.enter(f.edit("cylindricalFlow"));
    QCOMPARE(f.prompter.lastText(), f.program.line(299));
}

void SelectionWindowTest::integratedDefaultsListVentilatorsFiveAtATime()
{
    Fixture f;
    f.window.tabs()->setCurrentIndex(SelectionWindow::IntegratedVentilatorsTab);
    f.edit("integratedFlow")->setText("100");
    f.enter(f.edit("roomHeight"));
    IntegratedSearchInput input;
    input.flow_text = "100";
    input.inside_temperature_text = "20";
    input.outside_temperature_text = "-20";
    input.wind_text = "0";
    input.height_text = "4";
    input.colour_text = "STANDARD";
    input.atmospheric_pressure_text = f.program.settings.atmosphericPressure;
    input.humidity_text = f.program.settings.humidity;
    const IntegratedSearchResult expected = SelectIntegratedVentilators(f.program.devices, input, f.program.numbers);
    ResultColumns* columns = f.window.integrated()->columns();
    const int count = int(expected.results.size());
    QVERIFY(count > 0);
    QCOMPARE(columns->rowCount(), std::min(count, 5));
    QCOMPARE(columns->scrollBar()->maximum(), count >= 6 ? count - 5 : 0);
    QCOMPARE(columns->text(0, 2), QString::fromStdString(expected.results[0].capacity_text));
    QVERIFY(f.prompter.messages.empty());

    const int last = std::min(count, 5) - 1;
    columns->scrollBar()->setValue(columns->scrollBar()->maximum());
    columns->selectRow(last);
    f.answerQuantity("1");
    columns->addAction()->trigger();
    const OrderLine& line = f.program.order.at(0);
    QCOMPARE(line.DeviceIndex, expected.results.back().device_index);
    QCOMPARE(line.Voltage, std::string("400"));
    QCOMPARE(line.Colour, std::string("STANDARD"));
}

void SelectionWindowTest::stackPressureOutsideItsRangeIsReported()
{
    Fixture f;
    f.window.tabs()->setCurrentIndex(SelectionWindow::IntegratedVentilatorsTab);
    f.edit("roomHeight")->setText("6");
    f.child<QPushButton>("integratedSearch")->click();
    QCOMPARE(f.prompter.lastText(), f.program.line(307));
    QCOMPARE(f.prompter.messages.back().title, QString("KALVNTERA info"));
    QCOMPARE(f.window.integrated()->columns()->rowCount(), 0);

    f.edit("roomHeight")->clear();
    f.enter(f.list("integratedWind"));
    QCOMPARE(f.prompter.lastText(), f.program.line(306));
    QCOMPARE(f.prompter.messages.back().title, QString::fromStdString(f.program.MessageTitle));
}

void SelectionWindowTest::installedFanOfAnIntegratedVentilator()
{
    Fixture f;
    QSignalSpy details(&f.window, &SelectionWindow::detailsRequested);
    f.window.tabs()->setCurrentIndex(SelectionWindow::IntegratedVentilatorsTab);
    f.child<QPushButton>("integratedSearch")->click();
    ResultColumns* columns = f.window.integrated()->columns();
    QVERIFY(columns->rowCount() > 0);
    f.child<QPushButton>("installedFan")->click(); // no row selected: nothing
    QCOMPARE(details.count(), 0);

    columns->selectRow(0);
    const DeviceRecord& ventilator = f.program.devices.at(f.program.selectionResults[0]);
    f.child<QPushButton>("installedFan")->click();
    QCOMPARE(details.count(), 1);
    QCOMPARE(f.program.CurrentDevice.Model, ventilator.CurveFile);
    QVERIFY(f.program.OpenedFromCatalogue);
    QVERIFY(!f.program.OpenedFromFanSelection);

    // A ventilator whose fan the catalogue does not hold: the user is told, nothing opens.
    f.program.devices.slot(f.program.selectionResults[0]).CurveFile = "XX-999";
    f.child<QPushButton>("installedFan")->click();
    QCOMPARE(details.count(), 1);
    QVERIFY(f.prompter.lastText().contains("XX-999"));

    columns->detailsAction()->trigger();
    QCOMPARE(details.count(), 2);
    QCOMPARE(f.program.CurrentDevice.Model, ventilator.Model);
    QVERIFY(!f.program.OpenedFromCatalogue);
}

void SelectionWindowTest::ventilatorSearchReplacesTheStoreOfTheFanRows()
{
    Fixture f;
    f.searchFans("1200", "150");
    const QString first_fan = f.fanColumns()->text(0, 0);
    f.window.tabs()->setCurrentIndex(SelectionWindow::CylindricalVentilatorsTab);
    f.child<QPushButton>("cylindricalSearch")->click();
    const DeviceIndex first_ventilator = f.program.selectionResults[0];
    QVERIFY(ContainsText("WYWIETRZAK C", f.program.devices.at(first_ventilator).NamePl));

    // The fan list still shows its rows, but its operations take the new results.
    f.window.tabs()->setCurrentIndex(SelectionWindow::FansTab);
    QCOMPARE(f.fanColumns()->text(0, 0), first_fan);
    f.fanColumns()->selectRow(0);
    f.answerQuantity("1");
    f.window.addSelectedFanToOrder();
    QCOMPARE(f.program.order.at(0).DeviceIndex, first_ventilator);
    // A row past the new results has no result: nothing happens.
    const int rows_shown = f.fanColumns()->rowCount();
    if (int(f.program.selectionResults.size()) < rows_shown) {
        f.fanColumns()->selectRow(rows_shown - 1);
        f.window.addSelectedFanToOrder();
        QCOMPARE(f.program.order.count(), 1);
    }
}

void SelectionWindowTest::fullOrderTakesNoMoreLines()
{
    Fixture f;
    OrderLine line;
    line.DeviceIndex = 1;
    while (f.program.order.append(line) == AppendResult::Appended) {
    }
    f.searchFans("1200", "150");
    f.fanColumns()->selectRow(0);
    f.window.addSelectedFanToOrder(); // no quantity is asked: the order cannot take it
    QCOMPARE(f.prompter.lastText(), f.program.line(1033));
    QCOMPARE(f.program.order.count(), kOrderMaxLines);
    QVERIFY(!f.program.orderChanged);
}

void SelectionWindowTest::closingEmptiesEveryList()
{
    Fixture f;
    f.searchFans("1200", "150");
    f.window.cylindrical()->search();
    f.window.integrated()->search();
    QVERIFY(f.window.cylindrical()->columns()->rowCount() > 0);
    QVERIFY(f.window.integrated()->columns()->rowCount() > 0);
    QTest::keyClick(&f.window, Qt::Key_Escape);
    QVERIFY(!f.window.isVisible());
    QCOMPARE(f.fanColumns()->rowCount(), 0);
    QCOMPARE(f.window.cylindrical()->columns()->rowCount(), 0);
    QCOMPARE(f.window.integrated()->columns()->rowCount(), 0);
    QVERIFY(f.edit("count")->text().isEmpty());
    f.window.show();
    QVERIFY(!f.window.resultsShown());

    f.searchFans("1200", "150");
    f.window.emptyResultLists();
    QCOMPARE(f.fanColumns()->rowCount(), 0);
}

void SelectionWindowTest::textsFollowTheLanguageFile()
{
    Fixture f;
    QSignalSpy flow_calculator(&f.window, &SelectionWindow::flowCalculatorRequested);
    QSignalSpy pressure_calculator(&f.window, &SelectionWindow::pressureCalculatorRequested);
    f.child<QPushButton>("flowCalculator")->click();
    f.child<QPushButton>("pressureCalculator")->click();
    QCOMPARE(flow_calculator.count(), 1);
    QCOMPARE(pressure_calculator.count(), 1);

    f.program.settings.language = language_id::kEnglish;
    f.program.language.load(f.program.path("languages/english.lng"), CodePage::Cp1250);
    for (Translatable* window : std::initializer_list<Translatable*>{&f.window, &f.quantity, &f.arrangement, &f.scheme}) {
        window->applyLanguage(f.program.language);
    }
    QCOMPARE(f.window.windowTitle(), f.program.line(171));
    QCOMPARE(f.window.tabs()->tabText(2), f.program.line(174));
    QCOMPARE(f.child<QLabel>("pressureLabel")->text(), f.program.line(296));
    QCOMPARE(f.list("colour")->itemText(8), f.program.line(272));
    QCOMPARE(f.list("cylindricalColour")->itemText(1), f.program.line(282));
    QCOMPARE(f.fanColumns()->detailsAction()->text(), f.program.line(289));
    QCOMPARE(f.window.cylindrical()->columns()->addAction()->text(), f.program.line(962));
    QCOMPARE(f.quantity.windowTitle(), f.program.line(901));
    QCOMPARE(f.arrangement.windowTitle(), f.program.line(655));
    QCOMPARE(f.scheme.windowTitle(), f.program.line(911));
    QVERIFY(f.window.windowTitle() != QString("Dobór"));

    // The RAL number still takes the place of the colour under its translated name.
    f.box("advanced")->click();
    f.box("colourWanted")->click();
    f.list("colour")->setCurrentIndex(8);
    f.edit("ral")->setText("5010");
    f.searchFans("1200", "150");
    f.fanColumns()->selectRow(0);
    f.answerQuantity("1");
    f.window.addSelectedFanToOrder();
    QCOMPARE(f.program.order.at(0).Colour, std::string("5010"));
}

namespace {

QLabel* HeadingOf(const ResultColumns* columns, const QString& upper)
{
    for (QLabel* label : columns->findChildren<QLabel*>()) {
        if (label->text().startsWith(upper)) return label;
    }
    qFatal("no heading %s", qPrintable(upper));
}

// The results' models in the order the store of result devices holds them.
QStringList StoredModels(const Program& program)
{
    QStringList models;
    for (const DeviceIndex index : program.selectionResults) {
        models << QString::fromStdString(program.devices.at(index).Model);
    }
    return models;
}

} // namespace

void SelectionWindowTest::resultsShowWhereEachFanRunsAndItsSfp()
{
    Fixture f;
    f.searchFans("1200", "150");
    FanSearchCriteria criteria;
    criteria.duty = {1200.0 / 3600.0, 150.0};
    const std::vector<SelectionResult> expected = f.coreFans(criteria);
    for (int row = 0; row < f.fanColumns()->rowCount(); ++row) {
        const SelectionResult& result = expected.at(static_cast<std::size_t>(row));
        const FanResultRow texts = MakeFanResultRow(f.program.devices.at(result.index), result, {}, f.program.numbers);
        QCOMPARE(f.fanColumns()->text(row, FanResultsGroup::OperatingFlow), QString::fromStdString(texts.operating_flow));
        QCOMPARE(f.fanColumns()->text(row, FanResultsGroup::OperatingPressure),
                 QString::fromStdString(texts.operating_pressure));
        QCOMPARE(f.fanColumns()->text(row, FanResultsGroup::SpecificPower), QString::fromStdString(texts.sfp));
        // On the system curve through the duty point, p = 150 · (V / 1200)², to the rounding shown
        // and the scan step (the fan pressure where the system curve first reaches it).
        const double flow = Number(f.fanColumns()->text(row, FanResultsGroup::OperatingFlow));
        QVERIFY(std::abs(150.0 * flow * flow / (1200.0 * 1200.0)
                         - Number(f.fanColumns()->text(row, FanResultsGroup::OperatingPressure))) < 2.0);
    }
    QCOMPARE(f.window.fans()->results()->densityLabel()->text(),
             QString("Charakterystyki katalogowe (gęstość powietrza 1.2 kg/m3)"));
}

void SelectionWindowTest::criterionReordersTheShownResultsWithoutANewSearch()
{
    Fixture f;
    f.searchFans("1200", "150");
    const QString count = f.edit("count")->text();
    // The typed duty point changes but is not searched: the order is of the results shown.
    f.edit("flow")->setText("3000");
    f.list("ordering")->setCurrentIndex(2);
    QCOMPARE(f.list("ordering")->currentText(), QString("Najniższe SFP"));
    FanSearchCriteria criteria;
    criteria.duty = {1200.0 / 3600.0, 150.0};
    criteria.ordering = FanOrdering::LowestSpecificFanPower;
    const std::vector<SelectionResult> expected = f.coreFans(criteria);
    QCOMPARE(f.edit("count")->text(), count);
    QCOMPARE(f.shownColumn(f.fanColumns(), FanResultsGroup::Model), f.models(expected, 0, 6));
    QCOMPARE(StoredModels(f.program), f.models(expected, 0, static_cast<int>(expected.size())));
    const QStringList sfp = f.shownColumn(f.fanColumns(), FanResultsGroup::SpecificPower);
    for (int row = 1; row < sfp.size(); ++row) QVERIFY(Number(sfp[row - 1]) <= Number(sfp[row]));

    // A new search orders by the criterion too.
    f.edit("flow")->setText("1200");
    f.enter(f.edit("flow"));
    QCOMPARE(f.shownColumn(f.fanColumns(), FanResultsGroup::Model), f.models(expected, 0, 6));
    f.list("ordering")->setCurrentIndex(0);
    criteria.ordering = FanOrdering::LowestPower;
    QCOMPARE(f.shownColumn(f.fanColumns(), FanResultsGroup::Model), f.models(f.coreFans(criteria), 0, 6));
}

void SelectionWindowTest::headingClickSortsAndAgainReverses()
{
    Fixture f;
    QSignalSpy details(&f.window, &SelectionWindow::detailsRequested);
    f.searchFans("1200", "150");
    QLabel* heading = HeadingOf(f.fanColumns(), "PRZEPŁYW PRACY");
    QTest::mouseClick(heading, Qt::LeftButton);
    QVERIFY(heading->text().contains(QStringLiteral("▲")));
    QStringList flows = f.shownColumn(f.fanColumns(), FanResultsGroup::OperatingFlow);
    for (int row = 1; row < flows.size(); ++row) QVERIFY(Number(flows[row - 1]) <= Number(flows[row]));
    QCOMPARE(StoredModels(f.program).mid(0, 6), f.shownColumn(f.fanColumns(), FanResultsGroup::Model));

    QTest::mouseClick(heading, Qt::LeftButton);
    QVERIFY(heading->text().contains(QStringLiteral("▼")));
    flows = f.shownColumn(f.fanColumns(), FanResultsGroup::OperatingFlow);
    for (int row = 1; row < flows.size(); ++row) QVERIFY(Number(flows[row - 1]) >= Number(flows[row]));

    // The row operations act on the fan the row shows in the new order.
    f.fanColumns()->selectRow(1);
    QCOMPARE(f.edit("selectedNumber")->text(), QString("2"));
    f.fanColumns()->detailsAction()->trigger();
    QCOMPARE(QString::fromStdString(f.program.CurrentDevice.Model), f.fanColumns()->text(1, FanResultsGroup::Model));

    // Another column takes the mark; the criterion takes it away.
    QLabel* models = HeadingOf(f.fanColumns(), "WENTYLATOR");
    QTest::mouseClick(models, Qt::LeftButton);
    QVERIFY(models->text().contains(QStringLiteral("▲")));
    QVERIFY(!heading->text().contains(QStringLiteral("▼")));
    QVERIFY(f.edit("selectedNumber")->text().isEmpty());
    f.list("ordering")->setCurrentIndex(1);
    QVERIFY(!models->text().contains(QStringLiteral("▲")));
}

void SelectionWindowTest::densityCorrectionScalesTheSearchAndSaysSo()
{
    Fixture f;
    f.program.air = ComputeAirProperties(40, 95000, 0.5);
    const double density = f.program.air->density_kgm3;
    QVERIFY(density < 1.1);

    // Off: the catalogue's characteristics, whatever the air.
    f.searchFans("1200", "150");
    const QStringList catalogue = f.shownColumn(f.fanColumns(), FanResultsGroup::OperatingPressure);

    f.program.settings.densityCorrection = 1;
    f.searchFans("1200", "150");
    FanSearchCriteria criteria;
    criteria.duty = {1200.0 / 3600.0, 150.0};
    FanSearchOptions options;
    options.air_density = density;
    const std::vector<SelectionResult> expected =
        SearchFans(f.program.devices, f.program.data, criteria, f.program.numbers, options).results;
    QCOMPARE(f.edit("count")->text(), QString::number(expected.size()));
    QCOMPARE(f.shownColumn(f.fanColumns(), FanResultsGroup::Model), f.models(expected, 0, 6));
    QVERIFY(f.shownColumn(f.fanColumns(), FanResultsGroup::OperatingPressure) != catalogue);
    QVERIFY(f.window.fans()->results()->densityLabel()->text().startsWith("Charakterystyki przeliczone"));
    QVERIFY(f.window.fans()->results()->densityLabel()->text().contains(
        QString::fromStdString(FormatShortest(RoundHalfEven(density, 3), f.program.numbers))));

    // An air state that does not read leaves the catalogue's density in force.
    f.program.air.reset();
    f.searchFans("1200", "150");
    QCOMPARE(f.shownColumn(f.fanColumns(), FanResultsGroup::OperatingPressure), catalogue);
}

QTEST_MAIN(SelectionWindowTest)
#include "selection_window_test.moc"
