// Every number field of the selection window, the air balance calculator and the settings
// tab reads a decimal comma and a decimal point alike, whatever the locale's separator:
// the same typed value gives the same result either way, and no message.

#include "core/catalogue/device_table.h"
#include "support/test_program.h"
#include "ui/calculators/air_balance_inputs.h"
#include "ui/calculators/air_balance_window.h"
#include "ui/selection/arrangement_dialog.h"
#include "ui/selection/cylindrical_tab.h"
#include "ui/selection/fan_results.h"
#include "ui/selection/fan_tab.h"
#include "ui/selection/gravity_scheme_window.h"
#include "ui/selection/integrated_tab.h"
#include "ui/selection/quantity_dialog.h"
#include "ui/selection/result_columns.h"
#include "ui/selection/selection_window.h"
#include "ui/shell/settings_tab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <functional>
#include <memory>

using namespace kalvintera;
using namespace kalvintera::testing;

namespace {

// A value written with the given separator: "12.5" becomes "12,5" for ','.
QString With(QString text, char separator)
{
    return text.replace(QLatin1Char('.'), QChar::fromLatin1(separator));
}

struct SelectionFixture : TestProgram {
    explicit SelectionFixture(NumberFormat numbers) : TestProgram(numbers)
    {
        LoadDeviceTable(program.path("urzadzenia.dbx"), program.devices, program.numbers);
        program.settings.language = language_id::kPolish;
        program.language.load(program.path("languages/polish.lng"), CodePage::Cp1250);
        program.MessageTitle = program.language.line(149);
        program.fadeEnabled = false;
        window.setDialogs({&quantity, &arrangement, &scheme});
        window.show();
    }

    QLineEdit* edit(const char* name) { return Child<QLineEdit>(window, name); }

    static QStringList shown(const ResultColumns* columns)
    {
        QStringList rows;
        for (int row = 0; row < columns->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < columns->columnCount(); ++column) cells << columns->text(row, column);
            rows << cells.join(QLatin1Char('|'));
        }
        return rows;
    }

    QuantityDialog quantity{program};
    ArrangementDialog arrangement{program};
    GravitySchemeWindow scheme{program};
    SelectionWindow window{program};
};

// Fills the fields with values written with `separator`, runs the search, and returns the
// rows shown; the test fails on any message.
using Search = std::function<QStringList(SelectionFixture&, char separator)>;

void CheckBothSeparatorsAlike(const char* what, const Search& search)
{
    for (const NumberFormat locale : {NumberFormat::point(), NumberFormat::comma()}) {
        QStringList shown[2];
        int k = 0;
        for (const char separator : {'.', ','}) {
            SelectionFixture f(locale);
            shown[k] = search(f, separator);
            const QString context = QStringLiteral("%1, locale '%2', typed '%3'")
                                        .arg(QString::fromLatin1(what))
                                        .arg(QChar::fromLatin1(locale.decimal_separator))
                                        .arg(QChar::fromLatin1(separator));
            QVERIFY2(f.prompter.messages.empty(),
                     qPrintable(context + ": " + (f.prompter.messages.empty() ? QString() : f.prompter.messages.back().text)));
            QVERIFY2(!shown[k].isEmpty(), qPrintable(context + ": nothing found"));
            ++k;
        }
        QCOMPARE(shown[1], shown[0]);
    }
}

} // namespace

class DecimalFieldsTest : public QObject {
    Q_OBJECT
private slots:
    void fanDutyPointAndLimits()
    {
        CheckBothSeparatorsAlike("fan search", [](SelectionFixture& f, char separator) {
            f.edit("flow")->setText(With("1200.5", separator));
            f.edit("pressure")->setText(With("150.5", separator));
            QTest::keyClick(f.edit("flow"), Qt::Key_Return);
            return SelectionFixture::shown(f.window.fans()->results()->columns());
        });
        CheckBothSeparatorsAlike("advanced fan search", [](SelectionFixture& f, char separator) {
            Child<QCheckBox>(f.window, "advanced")->setChecked(true);
            f.edit("flow")->setText(With("1200.5", separator));
            f.edit("pressure")->setText(With("150.5", separator));
            f.edit("maxPower")->setText(With("5.5", separator));
            f.edit("maxSound")->setText(With("80.5", separator));
            QTest::keyClick(f.edit("flow"), Qt::Key_Return);
            return SelectionFixture::shown(f.window.fans()->results()->columns());
        });
    }

    void cylindricalVentilators()
    {
        CheckBothSeparatorsAlike("cylindrical ventilators", [](SelectionFixture& f, char separator) {
            f.window.tabs()->setCurrentIndex(SelectionWindow::CylindricalVentilatorsTab);
            f.edit("cylindricalFlow")->setText(With("250.5", separator));
            f.edit("cylindricalWind")->setText(With("3.5", separator));
            Child<QPushButton>(f.window, "cylindricalSearch")->click();
            return SelectionFixture::shown(f.window.cylindrical()->columns());
        });
    }

    void integratedVentilators()
    {
        CheckBothSeparatorsAlike("integrated ventilators", [](SelectionFixture& f, char separator) {
            f.window.tabs()->setCurrentIndex(SelectionWindow::IntegratedVentilatorsTab);
            f.edit("integratedFlow")->setText(With("100.5", separator));
            f.edit("insideTemperature")->setText(With("20.5", separator));
            f.edit("outsideTemperature")->setText(With("-20.5", separator));
            Child<QComboBox>(f.window, "integratedWind")->setEditText(With("2.5", separator));
            f.edit("roomHeight")->setText(With("4.5", separator));
            QTest::keyClick(f.edit("roomHeight"), Qt::Key_Return);
            return SelectionFixture::shown(f.window.integrated()->columns());
        });
    }

    void airBalanceRoomSize()
    {
        for (const NumberFormat locale : {NumberFormat::point(), NumberFormat::comma()}) {
            QStringList results[2];
            int k = 0;
            for (const char separator : {'.', ','}) {
                TestProgram f(locale);
                AirBalanceWindow window(f.program);
                AirChangesGroup* group = window.airChangesGroup();
                group->length()->setText(With("10.5", separator));
                group->width()->setText(With("8.25", separator));
                group->height()->setText(With("4.5", separator));
                group->industrialList()->setCurrentRow(4); // "WARSZTATY", 3 to 6 changes an hour
                group->computeButton()->click();
                QVERIFY(f.prompter.messages.empty());
                results[k++] = {window.minimumText(), window.maximumText(), window.averageText()};
            }
            QCOMPARE(results[1], results[0]);
            // 10.5 × 8.25 × 4.5 = 389.8125 m³.
            QCOMPARE(results[0].front(), With("1169.4375", locale.decimal_separator));
        }
    }

    void airBalanceTellsBadNumbersInTheUsersLanguage()
    {
        TestProgram f(NumberFormat::comma());
        f.program.language.load(f.folder / "languages/english.lng", CodePage::Cp1250);
        AirBalanceWindow window(f.program);
        OccupantsGroup* people = window.occupantsGroup();
        Child<QComboBox>(*people, "occupants")->setCurrentIndex(2); // smokers and non-smokers
        people->smokers()->setText("abc");
        people->nonSmokers()->setText("2");
        people->computeButton()->click();
        QCOMPARE(f.prompter.lastText(), QString("\"abc\" is not a valid number."));
        people->smokers()->setText("-3");
        people->computeButton()->click();
        QCOMPARE(f.prompter.lastText(), QString("A number of people or rooms cannot be negative (-3 was given)."));

        AirChangesGroup* room = window.airChangesGroup();
        room->length()->setText("-10,5");
        room->width()->setText("8");
        room->height()->setText("4");
        room->industrialList()->setCurrentRow(4);
        room->computeButton()->click();
        QCOMPARE(f.prompter.lastText(), QString("The length, width and height of the room cannot be negative."));
        QCOMPARE(window.averageText(), QString());
    }

    void settingsAirState()
    {
        for (const NumberFormat locale : {NumberFormat::point(), NumberFormat::comma()}) {
            QStringList shown[2];
            int k = 0;
            for (const char separator : {'.', ','}) {
                TestProgram f(locale);
                SettingsTab tab(f.program);
                for (const char* name : {"temperatureBox", "pressureBox", "humidityBox"}) {
                    Child<QCheckBox>(tab, name)->setChecked(true);
                }
                Child<QLineEdit>(tab, "temperature")->setText(With("2.5", separator));
                Child<QLineEdit>(tab, "pressure")->setText(With("1.01E5", separator));
                Child<QLineEdit>(tab, "humidity")->setText(With("5.5", separator));
                shown[k++] = {Child<QLineEdit>(tab, "density")->text(), Child<QLineEdit>(tab, "viscosity")->text()};
            }
            QCOMPARE(shown[1], shown[0]);
            QVERIFY(!shown[0].front().isEmpty());
        }
    }
};

QTEST_MAIN(DecimalFieldsTest)
#include "decimal_fields_test.moc"
