// The air balance calculator: its three methods, the questions for missing inputs, and
// the copy of the average into the fan selection.

#include "support/modal_closer.h"
#include "support/test_program.h"
#include "ui/calculators/air_balance_inputs.h"
#include "ui/calculators/air_balance_window.h"
#include "ui/program_windows.h"
#include "ui/selection/selection_window.h"
#include "ui/shell/main_menu.h"
#include "ui/shell/main_window.h"
#include "ui/shell/tools_tab.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QtTest>

#include <fstream>

using namespace kalvintera;
using namespace kalvintera::testing;

namespace {

void SelectRoomKind(QListWidget* list, const QString& name)
{
    const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
    if (found.isEmpty()) qFatal("no room kind %s", qPrintable(name));
    list->setCurrentItem(found.front());
}

QStringList Results(const AirBalanceWindow& window)
{
    return {window.minimumText(), window.maximumText(), window.averageText()};
}

} // namespace

class AirBalanceTest : public QObject {
    Q_OBJECT
private slots:
    void methodsShowTheirOwnGroup()
    {
        TestProgram f;
        AirBalanceWindow window(f.program);
        QVERIFY(Child<QRadioButton>(window, "byAirChanges")->isChecked());
        auto* stack = window.findChild<QStackedWidget*>();
        QCOMPARE(stack->currentWidget(), static_cast<QWidget*>(window.airChangesGroup()));
        Child<QRadioButton>(window, "byOccupants")->click();
        QCOMPARE(stack->currentWidget(), static_cast<QWidget*>(window.occupantsGroup()));
        Child<QRadioButton>(window, "byDwelling")->click();
        QCOMPARE(window.method(), AirBalanceWindow::Method::Dwelling);
        QCOMPARE(stack->currentWidget(), static_cast<QWidget*>(window.dwellingGroup()));
    }

    void occupantsByTheirHabits()
    {
        TestProgram f;
        AirBalanceWindow window(f.program);
        window.show();
        window.chooseMethod(AirBalanceWindow::Method::Occupants);
        OccupantsGroup* group = window.occupantsGroup();
        auto* choice = Child<QComboBox>(*group, "occupants");
        QVERIFY(group->nonSmokers()->isVisible());
        QVERIFY(!group->smokers()->isVisible());
        choice->setCurrentIndex(2); // "Mieszanie" shows both counts
        QVERIFY(group->nonSmokers()->isVisible() && group->smokers()->isVisible());
        group->nonSmokers()->setText("10");
        group->smokers()->setText("4");
        group->computeButton()->click();
        QCOMPARE(Results(window), QStringList({"500", "500", "500"}));

        choice->setCurrentIndex(1); // smokers only: the non-smokers' count is not read
        QVERIFY(!group->nonSmokers()->isVisible());
        group->nonSmokers()->setText("x");
        group->computeButton()->click();
        QCOMPARE(window.averageText(), QString("200"));
        QVERIFY(f.prompter.messages.empty());
    }

    void missingCountsAreAskedForAndNothingIsComputed()
    {
        TestProgram f;
        f.program.MessageTitle = "Tytuł";
        AirBalanceWindow window(f.program);
        OccupantsGroup* group = window.occupantsGroup();
        auto* choice = Child<QComboBox>(*group, "occupants");
        group->computeButton()->click();
        choice->setCurrentIndex(1);
        group->computeButton()->click();
        choice->setCurrentIndex(2);
        group->smokers()->setText("3");
        group->computeButton()->click();
        QCOMPARE(f.prompter.messages.size(), std::size_t{3});
        QCOMPARE(f.prompter.messages[0].text, QString("Podaj liczbę osób niepalących."));
        QCOMPARE(f.prompter.messages[1].text, QString("Podaj liczbę osób palących."));
        QCOMPARE(f.prompter.messages[2].text, QString("Podaj liczbę osób palących i niepalących."));
        QCOMPARE(f.prompter.messages[2].title, QString("Tytuł"));
        QCOMPARE(window.averageText(), QString());

        group->nonSmokers()->setText("2,5"); // not a whole number
        group->computeButton()->click();
        QVERIFY(f.prompter.lastText().contains("2,5"));
        QCOMPARE(window.averageText(), QString());
    }

    void airChangesOfAWorkshopAndItsMissingInputs()
    {
        TestProgram f(NumberFormat::comma());
        AirBalanceWindow window(f.program);
        AirChangesGroup* group = window.airChangesGroup();
        group->computeButton()->click();
        group->length()->setText("10");
        group->computeButton()->click();
        group->width()->setText("8");
        group->computeButton()->click();
        group->height()->setText("4.0"); // the decimal rule reads either separator
        group->computeButton()->click(); // no room kind yet
        QCOMPARE(f.prompter.messages.size(), std::size_t{4});
        QCOMPARE(f.prompter.messages[0].text, QString("Podaj długość pomieszczenia L."));
        QCOMPARE(f.prompter.messages[1].text, QString("Podaj szerokość pomieszczenia W."));
        QCOMPARE(f.prompter.messages[2].text, QString("Podaj wysokość pomieszczenia H."));
        QCOMPARE(f.prompter.messages[3].text, QString("Wybierz rodzaj pomieszczenia z listy."));
        QCOMPARE(window.averageText(), QString());

        SelectRoomKind(group->industrialList(), "WARSZTATY");
        group->computeButton()->click();
        QCOMPARE(Results(window), QStringList({"960", "1920", "1440"}));

        // The public list has its own selection: none yet.
        group->publicBuildings()->click();
        QVERIFY(group->publicList()->isVisibleTo(group) && !group->industrialList()->isVisibleTo(group));
        QCOMPARE(group->publicList()->count(), 13);
        QCOMPARE(group->industrialList()->count(), 29);
        group->computeButton()->click();
        QCOMPARE(f.prompter.lastText(), QString("Wybierz rodzaj pomieszczenia z listy."));
        SelectRoomKind(group->publicList(), "KOŚCIOŁY");
        group->length()->setText("2,5");
        group->computeButton()->click();
        QCOMPARE(Results(window), QStringList({"120", "320", "220"}));
    }

    void dwellingCountsOnlyTickedRows()
    {
        TestProgram f;
        AirBalanceWindow window(f.program);
        DwellingGroup* group = window.dwellingGroup();
        QVERIFY(!group->count(0)->isEnabled());
        for (std::size_t row : {0u, 4u, 6u}) {
            group->box(row)->click();
            QVERIFY(group->count(row)->isEnabled());
            group->count(row)->setText("1");
        }
        group->box(5)->click(); // ticked with an empty count: counts 0
        group->computeButton()->click();
        QCOMPARE(Results(window), QStringList({"145", "145", "145"}));

        group->box(6)->click();
        QVERIFY(!group->count(6)->isEnabled());
        QCOMPARE(group->count(6)->text(), QString());
        group->computeButton()->click();
        QCOMPARE(window.averageText(), QString("120"));
    }

    void copiesTheAverageIntoTheSelectionUnchanged()
    {
        TestProgram f;
        ProgramWindows all(f.program);
        Windows& windows = all.windows();
        AirBalanceWindow& window = *windows.airBalance;
        windows.selection->setFlowText("300");
        window.findChild<QPushButton*>("copy")->click(); // nothing computed yet: the flow stays
        QCOMPARE(windows.selection->flowText(), QString("300"));

        f.program.flowUnit = FlowUnit::CubicMetresPerSecond;
        AirChangesGroup* group = window.airChangesGroup();
        group->length()->setText("10");
        group->width()->setText("8");
        group->height()->setText("4");
        SelectRoomKind(group->industrialList(), "WARSZTATY");
        group->computeButton()->click();
        window.findChild<QPushButton*>("copy")->click();
        QCOMPARE(windows.selection->flowText(), QString("1440"));
    }

    void opensFromTheMenuTheToolsTabAndTheSelection()
    {
        TestProgram f;
        ProgramWindows all(f.program);
        Windows& windows = all.windows();
        windows.main->setAnimated(false);
        QVERIFY(all.start());
        auto opened = [&](const std::function<void()>& open) {
            QString title;
            CloseNextModal([&](QWidget* modal) { title = modal->objectName(); });
            open();
            return title;
        };
        QCOMPARE(opened([&] { windows.main->menu().action("airBalance")->trigger(); }), QString("airBalanceWindow"));
        QCOMPARE(opened([&] { emit windows.main->toolsTab().toolRequested(ToolsTab::Tool::AirBalance); }),
                 QString("airBalanceWindow"));
        QCOMPARE(opened([&] { emit windows.selection->flowCalculatorRequested(); }), QString("airBalanceWindow"));
        QCOMPARE(windows.airBalance->windowTitle(), f.program.line(411));
    }

    void languageLinesReplaceTheTexts()
    {
        TestProgram f;
        const auto file = f.folder / "numbered.lng";
        {
            std::ofstream out(file, std::ios::binary);
            for (int n = 1; n <= 1100; ++n) out << "L" << n << "\r\n";
        }
        f.program.language.load(file, CodePage::Cp1250);
        f.program.settings.language = 1;
        AirBalanceWindow window(f.program);
        window.applyLanguage(f.program.language);
        QCOMPARE(window.windowTitle(), QString("L411"));
        QCOMPARE(Child<QRadioButton>(window, "byDwelling")->text(), QString("L415"));
        QCOMPARE(window.airChangesGroup()->industrialList()->item(0)->text(), QString("L445"));
        QCOMPARE(window.airChangesGroup()->industrialList()->item(28)->text(), QString("L473"));
        QCOMPARE(window.airChangesGroup()->publicList()->item(12)->text(), QString("L486"));
        QCOMPARE(window.dwellingGroup()->box(6)->text(), QString("L435"));
        QCOMPARE(Child<QComboBox>(*window.occupantsGroup(), "occupants")->itemText(2), QString("L444"));
        QCOMPARE(Child<QPushButton>(window, "copy")->text(), QString("L439"));
        window.airChangesGroup()->computeButton()->click();
        QCOMPARE(f.prompter.lastText(), QString("L490"));
    }
};

QTEST_MAIN(AirBalanceTest)
#include "calculators_air_balance_test.moc"
