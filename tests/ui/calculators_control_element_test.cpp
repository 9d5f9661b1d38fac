// The control element calculator: what each choice shows, the checks of "Oblicz", the
// orifice and damper of the worked example, and where it is opened from.

#include "support/modal_closer.h"
#include "support/test_program.h"
#include "ui/calculators/control_element_window.h"
#include "ui/program_windows.h"
#include "ui/shell/main_menu.h"
#include "ui/shell/main_window.h"
#include "ui/shell/tools_tab.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace kalvintera;
using namespace kalvintera::testing;

namespace {

struct Calculator : TestProgram {
    Calculator() : window(program)
    {
        window.setDensitySource([this] { return density; });
    }

    void fill(const QString& pressure, const QString& flow, const QString& size, const QString& side_b = {})
    {
        window.pressureEdit()->setText(pressure);
        window.flowEdit()->setText(flow);
        window.sizeEdit()->setText(size);
        window.sideBEdit()->setText(side_b);
    }
    QString shown(const char* name) { return Child<QLabel>(window, name)->text(); }
    bool visible(const char* name) { return Child<QLabel>(window, name)->isVisibleTo(&window); }

    QString density = "1.2";
    ControlElementWindow window;
};

} // namespace

class ControlElementTest : public QObject {
    Q_OBJECT
private slots:
    void orificeAndDamperOfTheWorkedExample()
    {
        Calculator c;
        c.fill("100", "500", "200");
        c.window.compute();
        QCOMPARE(c.shown("orificeDiameter"), QString("125"));
        QVERIFY(c.visible("orificeDiameter"));
        QVERIFY(!c.visible("damperAngle"));

        c.window.chooseElement(ControlElementType::Damper);
        QCOMPARE(c.shown("orificeDiameter"), QString()); // a new choice clears the results
        QVERIFY(c.visible("damperAngle") && !c.visible("orificeDiameter"));
        c.window.compute();
        QCOMPARE(c.shown("damperAngle"), QString("38"));
        QVERIFY(c.prompter.messages.empty());
    }

    void rectangularSectionReadsSideAFromTheDiameterField()
    {
        Calculator c;
        Child<QRadioButton>(c.window, "rectangular")->click();
        QVERIFY(c.window.sideBEdit()->isVisibleTo(&c.window));
        QVERIFY(c.visible("orificeSideA") && c.visible("orificeSideB") && !c.visible("orificeDiameter"));
        c.fill("100", "500", "400", "200");
        c.window.compute();
        const double a = c.shown("orificeSideA").toDouble();
        const double b = c.shown("orificeSideB").toDouble();
        QVERIFY(b > 0);
        QVERIFY(std::abs(a - 2 * b) <= 1);

        Child<QRadioButton>(c.window, "round")->click();
        QVERIFY(!c.window.sideBEdit()->isVisibleTo(&c.window));
        QCOMPARE(c.shown("orificeSideA"), QString());
    }

    void emptyInputsAreAskedForInOrder()
    {
        Calculator c;
        c.program.MessageTitle = "Program";
        c.window.compute();
        c.window.pressureEdit()->setText("100");
        c.window.compute();
        c.window.flowEdit()->setText("500");
        c.window.compute();
        c.window.chooseSection(DuctSection::Rectangular);
        c.window.compute();
        c.window.sizeEdit()->setText("400");
        c.window.compute();
        const QStringList expected = {"Podaj cisnienie do zdławienia", "Podaj przepływ w regulowanym obiegu",
                                      "Podaj srednicę przewodu", "Podaj wymiar boku A", "Podaj wymiar boku B"};
        QCOMPARE(c.prompter.messages.size(), std::size_t{5});
        for (int i = 0; i < expected.size(); ++i) {
            QCOMPARE(c.prompter.messages[i].text, expected[i]);
            QCOMPARE(c.prompter.messages[i].title, QString("Kalvitera info"));
        }
    }

    void valuesWithoutASolutionGetAMessageInsteadOfAResult()
    {
        Calculator c;
        const struct {
            const char* pressure;
            const char* flow;
            const char* size;
            const char* message;
        } cases[] = {
            {"0", "500", "200", "Podaj cisnienie do zdławienia"},
            {"-20", "500", "200", "Podaj cisnienie do zdławienia"},
            {"100", "0", "200", "Podaj przepływ w regulowanym obiegu"},
            {"100", "500", "0", "Podaj srednicę przewodu"},
        };
        for (const auto& one : cases) {
            c.fill(one.pressure, one.flow, one.size);
            c.window.compute();
            QCOMPARE(c.prompter.lastText(), QString(one.message));
            QCOMPARE(c.shown("orificeDiameter"), QString());
        }
        c.fill("100", "500", "200");
        c.density.clear(); // the settings give no air
        c.window.compute();
        QCOMPARE(c.prompter.lastText(), QString("Gęstość powietrza jest nieznana: sprawdź parametry powietrza w ustawieniach."));
        c.density = "1,2"; // the shown text passes the decimal rule
        c.window.compute();
        QCOMPARE(c.shown("orificeDiameter"), QString("125"));

        c.fill("abc", "500", "200");
        c.window.compute();
        QCOMPARE(c.prompter.lastText(), QString("„abc” nie jest poprawną liczbą."));
        QCOMPARE(c.shown("orificeDiameter"), QString("125")); // the previous result stays
        c.fill("100", "5OO", "200"); // letters O for zeros, named as typed
        c.window.compute();
        QCOMPARE(c.prompter.lastText(), QString("„5OO” nie jest poprawną liczbą."));
    }

    void sizesPressuresAndFlowsBeyondAnyDuctAreRefused()
    {
        Calculator c;
        c.window.chooseElement(ControlElementType::Damper);
        c.fill("100", "500", "200");
        c.window.compute();
        QCOMPARE(c.shown("damperAngle"), QString("38"));
        const struct {
            const char* pressure;
            const char* flow;
            const char* size;
            const char* message;
        } cases[] = {
            {"100", "500", "1E308", "Φ = 1E308 mm: podaj wartość większą od 0 mm i nie większą niż 8000 mm."},
            {"100", "500", "8000,5", "Φ = 8000,5 mm: podaj wartość większą od 0 mm i nie większą niż 8000 mm."},
            {"20000", "500", "200", "dp = 20000 Pa: podaj wartość większą od 0 Pa i nie większą niż 10000 Pa."},
            {"100", "1e7", "200", "V = 1e7 m3/h: podaj wartość większą od 0 m3/h i nie większą niż 1000000 m3/h."},
        };
        for (const auto& one : cases) {
            c.fill(one.pressure, one.flow, one.size);
            c.window.compute();
            QCOMPARE(c.prompter.lastText(), QString::fromUtf8(one.message));
            QCOMPARE(c.prompter.messages.back().title, QString("Kalvitera info"));
            QCOMPARE(c.shown("damperAngle"), QString("38")); // no answer for it; the last one stays
        }
        c.window.chooseSection(DuctSection::Rectangular);
        c.fill("100", "500", "400", "9000");
        c.window.compute();
        QCOMPARE(c.prompter.lastText(), QString("B = 9000 mm: podaj wartość większą od 0 mm i nie większą niż 8000 mm."));
        QCOMPARE(c.shown("damperAngle"), QString());
        c.fill("100", "500", "8000", "8000");
        c.window.compute();
        QVERIFY(!c.shown("damperAngle").isEmpty());
    }

    void commaAndPointReadAlike()
    {
        QStringList results;
        for (const char locale : {'.', ','}) {
            for (const QString& typed : {QString("100.5"), QString("100,5")}) {
                Calculator c;
                c.program.numbers = NumberFormat{locale};
                c.density = locale == '.' ? "1.2" : "1,2";
                c.fill(typed, QString(typed).replace("100", "500"), QString(typed).replace("100", "200"));
                c.window.compute();
                QVERIFY(c.prompter.messages.empty());
                results << c.shown("orificeDiameter");
            }
        }
        QCOMPARE(results, QStringList(4, results.front()));
        QVERIFY(!results.front().isEmpty());
    }

    void throttlingPrefillsAndEveryOpeningStartsWithTheOrifice()
    {
        Calculator c;
        c.window.prefillFromThrottling(37.26, 0.5);
        QCOMPARE(c.window.pressureEdit()->text(), QString("37.3"));
        QCOMPARE(c.window.flowEdit()->text(), QString("1800"));

        c.window.chooseElement(ControlElementType::Damper);
        CloseNextModal();
        c.window.showModal();
        QCOMPARE(c.window.element(), ControlElementType::Orifice);
        QCOMPARE(c.window.pressureEdit()->text(), QString("37.3"));
    }

    void opensFromMenuAndToolsTabWithTheSettingsDensity()
    {
        TestProgram f;
        ProgramWindows all(f.program);
        Windows& windows = all.windows();
        windows.main->setAnimated(false);
        QVERIFY(all.start());
        windows.main->activate();
        ControlElementWindow& window = *windows.controlElements;
        QString opened;
        CloseNextModal([&](QWidget* modal) { opened = modal->objectName(); });
        windows.main->menu().action("controlElements")->trigger();
        QCOMPARE(opened, QString("controlElementWindow"));
        opened.clear();
        CloseNextModal([&](QWidget* modal) { opened = modal->objectName(); });
        emit windows.main->toolsTab().toolRequested(ToolsTab::Tool::ControlElements);
        QCOMPARE(opened, QString("controlElementWindow"));
        QCOMPARE(window.windowTitle(), f.program.line(500));

        // The default air state of the settings shows a density of 1.2.
        window.pressureEdit()->setText("100");
        window.flowEdit()->setText("500");
        window.sizeEdit()->setText("200");
        window.compute();
        QCOMPARE(Child<QLabel>(window, "orificeDiameter")->text(), QString("125"));
    }
};

QTEST_MAIN(ControlElementTest)
#include "calculators_control_element_test.moc"
