// The humid-air calculator and its help, as the user sees them.

#include "core/text/code_page.h"
#include "humidair_modal.h"
#include "support/test_program.h"
#include "ui/humidair/air_calculator_help.h"
#include "ui/humidair/air_calculator_window.h"
#include "ui/humidair/ix_chart_window.h"
#include "ui/program_windows.h"
#include "ui/shell/main_menu.h"
#include "ui/shell/main_window.h"
#include "ui/shell/tools_tab.h"

#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace kalvintera;
using namespace kalvintera::testing;

namespace {

struct Calculator {
    TestProgram test;
    AirCalculatorHelp help{test.program};
    AirCalculatorWindow window{test.program, help};

    Calculator()
    {
        test.program.fadeEnabled = false;
        window.show(); // as opened: pb from the settings
    }

    QLineEdit* field(AirField which) const { return window.field(which); }
    void type(AirField which, const QString& text) const { QTest::keyClicks(field(which), text); }
    void press(const char* button) { QTest::mouseClick(Child<QPushButton>(window, button), Qt::LeftButton); }
};

} // namespace

class AirCalculatorTest : public QObject {
    Q_OBJECT
private slots:
    void computesTheStateFromTemperatureAndHumidity()
    {
        Calculator c;
        QCOMPARE(c.window.windowTitle(), QString("Kalkulator powietrza"));
        QCOMPARE(c.field(AirField::Barometric)->text(), QString("101300"));
        c.type(AirField::Temperature, "20");
        QVERIFY(c.field(AirField::Enthalpy)->isEnabled());
        c.type(AirField::Humidity, "50");
        // The second value disables the other two fields.
        QVERIFY(!c.field(AirField::Enthalpy)->isEnabled());
        QVERIFY(!c.field(AirField::Moisture)->isEnabled());
        QVERIFY(c.field(AirField::Temperature)->isEnabled());
        c.press("calculate");
        QVERIFY(c.test.prompter.messages.empty());
        QCOMPARE(c.field(AirField::Moisture)->text(), QString("0.00726"));
        QCOMPARE(c.field(AirField::Enthalpy)->text(), QString("38.5"));
        QCOMPARE(c.field(AirField::Saturation)->text(), QString("2336.5"));
        QCOMPARE(c.field(AirField::Vapour)->text(), QString("1168.3"));
        QCOMPARE(c.field(AirField::DryAir)->text(), QString("100131.7"));
        QCOMPARE(c.field(AirField::Density)->text(), QString("1.2"));
        QCOMPARE(c.field(AirField::DewPoint)->text(), QString("9.2"));
        QCOMPARE(c.field(AirField::WetBulb)->text(), QString("13.7"));
        QCOMPARE(c.field(AirField::Temperature)->text(), QString("20"));
        QCOMPARE(c.field(AirField::Humidity)->text(), QString("50"));
        QCOMPARE(c.field(AirField::Enthalpy)->toolTip(), QString("Entalpia powietrza wilgotnego"));

        // Pressed again: the same state from the same typed pair, not from the rounded i and X.
        for (int k = 0; k < 3; ++k) {
            c.press("calculate");
            QCOMPARE(c.field(AirField::Temperature)->text(), QString("20"));
            QCOMPARE(c.field(AirField::Humidity)->text(), QString("50"));
            QCOMPARE(c.field(AirField::Saturation)->text(), QString("2336.5"));
            QCOMPARE(c.field(AirField::Moisture)->text(), QString("0.00726"));
        }
    }

    void aChangedValueIsComputedFromWhatTheUserTyped()
    {
        Calculator c;
        c.type(AirField::Temperature, "20");
        c.type(AirField::Humidity, "50");
        c.press("calculate");
        QCOMPARE(c.field(AirField::Enthalpy)->text(), QString("38.5"));

        // t = 25 typed over 20: the pair is still t and φ, computed from 25 and 50.
        c.field(AirField::Temperature)->selectAll();
        c.type(AirField::Temperature, "25");
        c.press("calculate");
        QCOMPARE(c.field(AirField::Temperature)->text(), QString("25"));
        QCOMPARE(c.field(AirField::Humidity)->text(), QString("50"));
        // φ, the other typed value, stays open to a change; i and X show results.
        QVERIFY(c.field(AirField::Humidity)->isEnabled());
        QVERIFY(!c.field(AirField::Enthalpy)->isEnabled());
        QVERIFY(!c.field(AirField::Moisture)->isEnabled());
        const QStringList first = {c.field(AirField::Enthalpy)->text(), c.field(AirField::Moisture)->text(),
                                   c.field(AirField::Saturation)->text(), c.field(AirField::WetBulb)->text()};
        QCOMPARE(first, (QStringList{"50.3", "0.00988", "3166.3", "17.8"}));
        // And again, without a drift.
        c.press("calculate");
        c.press("calculate");
        const QStringList again = {c.field(AirField::Enthalpy)->text(), c.field(AirField::Moisture)->text(),
                                   c.field(AirField::Saturation)->text(), c.field(AirField::WetBulb)->text()};
        QCOMPARE(again, first);
        QCOMPARE(c.field(AirField::Humidity)->text(), QString("50"));
        c.field(AirField::Humidity)->selectAll();
        c.type(AirField::Humidity, "60");
        c.press("calculate");
        QCOMPARE(c.field(AirField::Temperature)->text(), QString("25"));
        QCOMPARE(c.field(AirField::Saturation)->text(), QString("3166.3"));
        QCOMPARE(c.field(AirField::Moisture)->text(),
                 QString::fromStdString(ShownAirTexts(*CalculateAir({"", "", "25", "60", "101300"}, NumberFormat::point()),
                                                      NumberFormat::point())[1].second));
        QVERIFY(c.test.prompter.messages.empty());

        // After "Wyczyść" the next two typed values are the pair, whichever they are.
        c.press("clear");
        c.type(AirField::Enthalpy, "42.6766");
        c.type(AirField::Moisture, "0.008");
        c.press("calculate");
        QCOMPARE(c.field(AirField::WetBulb)->text(), QString("15.3"));
        c.press("calculate");
        QCOMPARE(c.field(AirField::Enthalpy)->text(), QString("42.6766"));
        QCOMPARE(c.field(AirField::Moisture)->text(), QString("0.008"));
    }

    void commaAndPointAreBothRead()
    {
        Calculator c;
        c.type(AirField::Temperature, "20,5");
        c.type(AirField::Humidity, "50.5");
        c.field(AirField::Barometric)->setText("101300,0");
        c.press("calculate");
        QVERIFY2(c.test.prompter.messages.empty(), qPrintable(c.test.prompter.lastText()));
        const QString comma_x = c.field(AirField::Moisture)->text();
        QVERIFY(!comma_x.isEmpty());
        c.press("clear");
        c.type(AirField::Temperature, "20.5");
        c.type(AirField::Humidity, "50,5");
        c.press("calculate");
        QCOMPARE(c.field(AirField::Moisture)->text(), comma_x);
    }

    void messagesAreInTheUsersLanguage()
    {
        Calculator c;
        c.test.program.settings.language = 2;
        c.test.program.language.load(c.test.folder / "languages/english.lng", CodePage::Cp1250);
        c.window.applyLanguage(c.test.program.language);
        c.type(AirField::Temperature, "2x");
        c.type(AirField::Humidity, "50");
        c.press("calculate");
        QCOMPARE(c.test.prompter.lastText(), QString("\"2x\" is not a valid number."));
    }

    void refusesStatesThatAreNotAllowed()
    {
        Calculator c;
        c.type(AirField::Temperature, "20");
        c.type(AirField::Humidity, "100.01");
        c.press("calculate");
        QCOMPARE(c.test.prompter.messages.size(), std::size_t{1});
        QCOMPARE(c.test.prompter.messages[0].text, QString("Niedozwolone dane parametrów"));
        QCOMPARE(c.test.prompter.messages[0].title, QString("KALVINTERA INFO"));
        QVERIFY(c.field(AirField::Saturation)->text().isEmpty());
        QVERIFY(c.field(AirField::Enthalpy)->text().isEmpty());

        // φ = 0 with X: the same message, not a division by zero.
        c.press("clear");
        c.type(AirField::Moisture, "0.007");
        c.type(AirField::Humidity, "0");
        c.press("calculate");
        QCOMPARE(c.test.prompter.messages.size(), std::size_t{2});
        QCOMPARE(c.test.prompter.lastText(), QString("Niedozwolone dane parametrów"));

        // An enthalpy no air reaches: the searches stop and say so.
        c.press("clear");
        c.type(AirField::Enthalpy, "5000");
        c.type(AirField::Humidity, "50");
        c.press("calculate");
        QCOMPARE(c.test.prompter.lastText(), QString("Niedozwolone dane parametrów"));

        // A text that is no number is reported as typed, nothing shown.
        c.press("clear");
        c.type(AirField::Temperature, "2,5x");
        c.type(AirField::Humidity, "50");
        c.press("calculate");
        QCOMPARE(c.test.prompter.lastText(), QString("„2,5x” nie jest poprawną liczbą."));
        QVERIFY(c.field(AirField::Enthalpy)->text().isEmpty());
    }

    void clearKeepsThePressureAndNothingHappensWithoutIt()
    {
        Calculator c;
        c.type(AirField::Enthalpy, "40");
        c.type(AirField::Moisture, "0.008");
        c.press("calculate");
        QVERIFY(!c.field(AirField::Temperature)->text().isEmpty());
        c.press("clear");
        for (AirField f : {AirField::Enthalpy, AirField::Moisture, AirField::Temperature, AirField::Humidity,
                           AirField::Saturation, AirField::DewPoint, AirField::Density, AirField::Vapour,
                           AirField::DryAir, AirField::WetBulb}) {
            QVERIFY(c.field(f)->text().isEmpty());
            QVERIFY(c.field(f)->isEnabled());
        }
        QCOMPARE(c.field(AirField::Barometric)->text(), QString("101300"));

        c.field(AirField::Barometric)->clear();
        c.type(AirField::Temperature, "20");
        c.type(AirField::Humidity, "50");
        c.press("calculate");
        QVERIFY(c.test.prompter.messages.empty());
        QVERIFY(c.field(AirField::Enthalpy)->text().isEmpty());

        // Every opening takes the settings' pressure again; Esc does not close the calculator.
        c.test.program.settings.atmosphericPressure = "95000";
        c.window.hide();
        c.window.show();
        QCOMPARE(c.field(AirField::Barometric)->text(), QString("95000"));
        QTest::keyClick(&c.window, Qt::Key_Escape);
        QVERIFY(c.window.isVisible());
    }

    void helpShowsItsLinesInTheCurrentLanguage()
    {
        Calculator c;
        QAction* help = c.window.findChild<QAction*>("help");
        QVERIFY(help);
        QString shown;
        WhenModal(&c.help, [&] {
            shown = c.help.text()->toPlainText();
            QTest::mouseClick(Child<QPushButton>(c.help, "close"), Qt::LeftButton);
        });
        help->trigger();
        QCOMPARE(c.help.windowTitle(), QString("Pomoc kalkulatora powietrza"));
        const QStringList lines = shown.split('\n');
        QCOMPARE(lines.size(), 14);
        QCOMPARE(lines[0], QString("Pomoc programu:"));
        QCOMPARE(lines[1], QString());
        QCOMPARE(lines[13], QString("t - f - temperatura - wilgotność względna"));

        c.test.program.language.load(c.test.folder / "languages/english.lng", CodePage::Cp1250);
        c.help.applyLanguage(c.test.program.language);
        c.window.applyLanguage(c.test.program.language);
        QCOMPARE(c.help.windowTitle(), QString("Air calculator help"));
        const QStringList english = c.help.text()->toPlainText().split('\n');
        QCOMPARE(english.size(), 14);
        QCOMPARE(english[0], QString("Program help:"));
        QCOMPARE(english[8], QString("i - x - enthalpy - moisture content of the air"));
        QCOMPARE(c.window.windowTitle(), QString("Air calculator"));
        QCOMPARE(Child<QPushButton>(c.window, "calculate")->text(), QString("Calculate"));
        QCOMPARE(help->text(), QString("Help"));
    }

    void reachedFromTheToolsTabAndTheToolsMenu()
    {
        TestProgram test;
        test.program.fadeEnabled = false;
        ProgramWindows all(test.program);
        Windows& windows = all.windows();
        windows.main->setAnimated(false);
        QVERIFY(all.start());

        bool chart_shown = false;
        WhenModal(windows.ixChart, [&] {
            chart_shown = true;
            windows.ixChart->reject();
        });
        emit windows.main->toolsTab().toolRequested(ToolsTab::Tool::HumidAirChart);
        QVERIFY(chart_shown);

        int calculator_shown = 0;
        const auto expect_calculator = [&] {
            WhenModal(windows.airCalculator, [&] {
                ++calculator_shown;
                windows.airCalculator->reject();
            });
        };
        expect_calculator();
        emit windows.main->toolsTab().toolRequested(ToolsTab::Tool::HumidAirCalculator);
        expect_calculator();
        emit windows.main->menu().humidAirCalculator();
        QCOMPARE(calculator_shown, 2);
    }
};

QTEST_MAIN(AirCalculatorTest)
#include "humidair_calculator_test.moc"
