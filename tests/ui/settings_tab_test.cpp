#include "ui/shell/settings_tab.h"

#include "support/fakes.h"
#include "support/test_program.h"
#include "support/test_data_folder.h"
#include "ui/program.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QtTest>

#include <fstream>

using namespace kalvintera;
using namespace kalvintera::testing;

namespace {

struct Fixture : TestProgram {
    using TestProgram::TestProgram;
};

// Replaces the field's text by what the user types.
void Type(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

} // namespace

class SettingsTabTest : public QObject {
    Q_OBJECT
private slots:
    void boxesEnableTheirFields();
    void airPropertiesAtTheDefaultsUnderBothSeparators();
    void airTextsBeingTypedNeverRaiseMessages();
    void typedTextsAreTheSettings();
    void fadeSliderAndSwitch();
    void unitRadiosSetTheProgramUnits();
    void showSettingsFillsEveryControl();
    void languageLinesReplaceTheCaptions();
    void energySettingsAndDensityCorrection();
};

void SettingsTabTest::boxesEnableTheirFields()
{
    Fixture f;
    SettingsTab tab(f.program);
    const std::pair<const char*, int> fields[] = {{"temperature", 3}, {"pressure", 6}, {"humidity", 3}, {"roughness", 4}};
    for (const auto& [name, length] : fields) {
        auto* edit = Child<QLineEdit>(tab, name);
        auto* box = Child<QCheckBox>(tab, (std::string(name) + "Box").c_str());
        QVERIFY(!box->isChecked());
        QVERIFY2(!edit->isEnabled(), name);
        QCOMPARE(edit->maxLength(), length);
        box->click();
        QVERIFY2(edit->isEnabled(), name);
        box->click();
        QVERIFY2(!edit->isEnabled(), name);
    }
    QVERIFY(Child<QLineEdit>(tab, "density")->isReadOnly());
    QVERIFY(Child<QLineEdit>(tab, "viscosity")->isReadOnly());
}

void SettingsTabTest::airPropertiesAtTheDefaultsUnderBothSeparators()
{
    for (const char separator : {'.', ','}) {
        Fixture f(NumberFormat{separator});
        SettingsTab tab(f.program);
        const QString sep(QChar::fromLatin1(separator));
        QCOMPARE(Child<QLineEdit>(tab, "density")->text(), "1" + sep + "2");
        QCOMPARE(Child<QLineEdit>(tab, "viscosity")->text(), "0" + sep + "000015");
        QVERIFY(f.program.air.has_value());
        QVERIFY(std::abs(f.program.air->density_kgm3 - 1.1973) < 1e-3);

        // Numbers typed with the other separator read as well.
        Child<QCheckBox>(tab, "humidityBox")->click();
        Type(Child<QLineEdit>(tab, "humidity"), separator == '.' ? "4,5" : "4.5");
        QVERIFY(std::abs(f.program.air->humidity_ratio - 0.622 * 0.045 * 2334.0 / (101300 - 0.045 * 2334.0)) < 1e-5);
    }

    Fixture f;
    SettingsTab tab(f.program);
    Child<QCheckBox>(tab, "temperatureBox")->click();
    Type(Child<QLineEdit>(tab, "temperature"), "-5");
    QVERIFY(std::abs(f.program.air->saturation_pressure_pa - 421.4) < 0.1);
    QCOMPARE(Child<QLineEdit>(tab, "density")->text(), QString("1.31"));
}

void SettingsTabTest::airTextsBeingTypedNeverRaiseMessages()
{
    Fixture f;
    SettingsTab tab(f.program);
    auto* temperature = Child<QLineEdit>(tab, "temperature");
    auto* pressure = Child<QLineEdit>(tab, "pressure");
    auto* density = Child<QLineEdit>(tab, "density");
    auto* viscosity = Child<QLineEdit>(tab, "viscosity");
    Child<QCheckBox>(tab, "temperatureBox")->click();
    Child<QCheckBox>(tab, "pressureBox")->click();

    // An empty text and the lone minus of a negative number leave the shown values.
    Type(temperature, "");
    QCOMPARE(density->text(), QString("1.2"));
    Type(temperature, "-");
    QCOMPARE(density->text(), QString("1.2"));
    QCOMPARE(viscosity->text(), QString("0.000015"));
    QVERIFY(f.program.air.has_value());

    // Text that is no number, and a pressure below the vapour pressure, give no air: the
    // fields go empty and nobody is interrupted.
    Type(temperature, "2x");
    QCOMPARE(density->text(), QString());
    QCOMPARE(viscosity->text(), QString());
    QCOMPARE(density->toolTip(), QString("„2x” nie jest poprawną liczbą.")); // the reason, in the user's language
    QVERIFY(!f.program.air.has_value());
    Type(temperature, "20");
    QCOMPARE(density->text(), QString("1.2"));
    QVERIFY(density->toolTip().isEmpty());
    Type(pressure, "1000");
    QCOMPARE(density->text(), QString());
    QCOMPARE(density->toolTip(), QString("Nie istnieje powietrze o temperaturze 20 °C, ciśnieniu 1000 Pa i wilgotności 50 %."));
    QVERIFY(!f.program.air.has_value());
    Type(pressure, "101300");
    QCOMPARE(density->text(), QString("1.2"));
    QVERIFY(f.program.air.has_value());
    QVERIFY(f.prompter.messages.empty());
}

void SettingsTabTest::typedTextsAreTheSettings()
{
    Fixture f;
    SettingsTab tab(f.program);
    QSignalSpy roughness_changes(&tab, &SettingsTab::roughnessChanged);
    QSignalSpy roughness_box(&tab, &SettingsTab::roughnessBoxToggled);
    for (const char* name : {"temperatureBox", "pressureBox", "humidityBox", "roughnessBox"}) {
        Child<QCheckBox>(tab, name)->click();
    }
    QCOMPARE(roughness_box.count(), 1);
    QCOMPARE(roughness_changes.count(), 1);
    QCOMPARE(roughness_changes.last().at(0).toString(), QString("0,05"));

    Type(Child<QLineEdit>(tab, "temperature"), "1234"); // cut at 3 characters
    Type(Child<QLineEdit>(tab, "pressure"), "98000");
    Type(Child<QLineEdit>(tab, "humidity"), "70");
    Type(Child<QLineEdit>(tab, "roughness"), "0,15");
    QCOMPARE(f.program.settings.temperature, std::string("123"));
    QCOMPARE(f.program.settings.atmosphericPressure, std::string("98000"));
    QCOMPARE(f.program.settings.humidity, std::string("70"));
    QCOMPARE(f.program.settings.roughness, std::string("0,15"));
    QCOMPARE(roughness_changes.last().at(0).toString(), QString("0,15"));

    auto* check = Child<QCheckBox>(tab, "checkUpdates");
    check->click();
    QCOMPARE(f.program.settings.checkForUpdates, 1);
    check->click();
    QCOMPARE(f.program.settings.checkForUpdates, 0);
    auto* days = Child<QComboBox>(tab, "updateDays");
    days->setCurrentIndex(days->findText("90"));
    QCOMPARE(f.program.settings.dateDistance, std::string("90"));
    Type(days->lineEdit(), "45");
    QCOMPARE(f.program.settings.dateDistance, std::string("45"));
}

void SettingsTabTest::fadeSliderAndSwitch()
{
    Fixture f;
    SettingsTab tab(f.program);
    auto* slider = Child<QSlider>(tab, "fadeSpeed");
    QCOMPARE(slider->value(), 5);
    QCOMPARE(f.program.EffectSpeed, 10);
    slider->setValue(0);
    QCOMPARE(slider->value(), 1);
    QCOMPARE(f.program.EffectSpeed, 2);
    QCOMPARE(f.program.settings.fadeSpeed, 1);
    slider->setValue(7);
    QCOMPARE(f.program.EffectSpeed, 14);
    QCOMPARE(f.program.settings.fadeSpeed, 7);

    QVERIFY(Child<QRadioButton>(tab, "fadeOn")->isChecked());
    Child<QRadioButton>(tab, "fadeOff")->click();
    QVERIFY(!f.program.fadeEnabled);
    Child<QRadioButton>(tab, "fadeOn")->click();
    QVERIFY(f.program.fadeEnabled);
}

void SettingsTabTest::unitRadiosSetTheProgramUnits()
{
    Fixture f;
    SettingsTab tab(f.program);
    QSignalSpy flow_changes(&tab, &SettingsTab::flowUnitChanged);
    auto* m3h = Child<QRadioButton>(tab, "flowM3h");
    auto* m3s = Child<QRadioButton>(tab, "flowM3s");
    auto* pa = Child<QRadioButton>(tab, "pressurePa");
    auto* dapa = Child<QRadioButton>(tab, "pressureDaPa");
    QVERIFY(m3h->isChecked());
    QVERIFY(pa->isChecked());

    m3s->click();
    QVERIFY(f.program.flowUnit == FlowUnit::CubicMetresPerSecond);
    QCOMPARE(flow_changes.count(), 1);
    QVERIFY(pa->isChecked()); // the two pairs are separate choices
    m3s->click();             // choosing the unit in force empties the results as well
    QCOMPARE(flow_changes.count(), 2);

    dapa->click();
    QVERIFY(f.program.pressureUnit == PressureUnit::Decapascal);
    QVERIFY(m3s->isChecked());
    QCOMPARE(flow_changes.count(), 2);
    m3h->click();
    pa->click();
    QVERIFY(f.program.flowUnit == FlowUnit::CubicMetresPerHour);
    QVERIFY(f.program.pressureUnit == PressureUnit::Pascal);
    QCOMPARE(flow_changes.count(), 3);
}

void SettingsTabTest::showSettingsFillsEveryControl()
{
    Fixture f(NumberFormat::comma());
    SettingsTab tab(f.program);
    QSignalSpy roughness_changes(&tab, &SettingsTab::roughnessChanged);
    f.program.settings.temperature = "22,5"; // longer than the field takes from the keyboard
    f.program.settings.humidity = "40";
    f.program.settings.roughness = "0,1";
    f.program.settings.fadeSpeed = 0;
    f.program.settings.checkForUpdates = 1;
    f.program.settings.dateDistance = "30";
    tab.showSettings();

    QCOMPARE(Child<QLineEdit>(tab, "temperature")->text(), QString("22,5"));
    QCOMPARE(f.program.settings.temperature, std::string("22,5"));
    QCOMPARE(Child<QLineEdit>(tab, "humidity")->text(), QString("40"));
    QCOMPARE(Child<QLineEdit>(tab, "density")->text(), QString("1,19"));
    QCOMPARE(roughness_changes.count(), 1);
    QCOMPARE(roughness_changes.last().at(0).toString(), QString("0,1"));
    QCOMPARE(Child<QSlider>(tab, "fadeSpeed")->value(), 1);
    QCOMPARE(f.program.EffectSpeed, 2);
    QVERIFY(Child<QCheckBox>(tab, "checkUpdates")->isChecked());
    QCOMPARE(Child<QComboBox>(tab, "updateDays")->currentText(), QString("30"));
    QCOMPARE(f.program.settings.dateDistance, std::string("30"));

    f.program.settings.fadeSpeed = 15;
    tab.showSettings();
    QCOMPARE(Child<QSlider>(tab, "fadeSpeed")->value(), 10);
    QCOMPARE(f.program.EffectSpeed, 20);

    // Once the long value is shortened, typing keeps to the usual three characters.
    auto* temperature = Child<QLineEdit>(tab, "temperature");
    Child<QCheckBox>(tab, "temperatureBox")->click();
    Type(temperature, "2");
    QTest::keyClicks(temperature, "1234");
    QCOMPARE(temperature->text(), QString("212"));
}

void SettingsTabTest::languageLinesReplaceTheCaptions()
{
    Fixture f;
    SettingsTab tab(f.program);
    const auto file = f.folder / "numbered.lng";
    {
        std::ofstream out(file, std::ios::binary);
        for (int n = 1; n <= 1000; ++n) out << "L" << n << "\r\n";
    }
    LanguageTable table;
    table.load(file, CodePage::Cp1250);
    tab.applyLanguage(table);

    QCOMPARE(Child<QGroupBox>(tab, "selectionDefaults")->title(), QString("L68"));
    QCOMPARE(Child<QGroupBox>(tab, "effectsGroup")->title(), QString("L69"));
    QCOMPARE(Child<QGroupBox>(tab, "unitsGroup")->title(), QString("L70"));
    QCOMPARE(Child<QGroupBox>(tab, "airGroup")->title(), QString("L71"));
    QCOMPARE(Child<QCheckBox>(tab, "temperatureBox")->text(), QString("L72"));
    QCOMPARE(Child<QCheckBox>(tab, "roughnessBox")->text(), QString("L75"));
    QCOMPARE(Child<QRadioButton>(tab, "fadeOn")->text(), QString("L76"));
    QCOMPARE(Child<QRadioButton>(tab, "fadeOff")->text(), QString("L79"));
    QCOMPARE(Child<QGroupBox>(tab, "updateGroup")->title(), QString("L953"));
    QCOMPARE(Child<QCheckBox>(tab, "checkUpdates")->text(), QString("L954"));
    QStringList labels;
    for (QLabel* label : tab.findChildren<QLabel*>()) labels << label->text();
    for (const char* line : {"L77", "L78", "L80", "L81", "L82", "L83", "L955"}) {
        QVERIFY2(labels.contains(QString::fromLatin1(line)), line);
    }
}

QTEST_MAIN(SettingsTabTest)
#include "settings_tab_test.moc"

void SettingsTabTest::energySettingsAndDensityCorrection()
{
    Fixture f;
    f.program.settings.operatingHours = "8760";
    f.program.settings.energyPrice = "0,85";
    f.program.settings.currency = "EUR";
    f.program.settings.densityCorrection = 1;
    SettingsTab tab(f.program);
    auto* hours = Child<QLineEdit>(tab, "operatingHours");
    auto* price = Child<QLineEdit>(tab, "energyPrice");
    auto* currency = Child<QLineEdit>(tab, "currency");
    auto* correction = Child<QCheckBox>(tab, "densityCorrection");
    QCOMPARE(hours->text(), QString("8760"));
    QCOMPARE(price->text(), QString("0,85"));
    QCOMPARE(currency->text(), QString("EUR"));
    QVERIFY(correction->isChecked());
    // Either separator is a price: the default is written "1.00" whatever the locale.
    QVERIFY(price->toolTip().isEmpty());

    Type(hours, "6000");
    currency->setText(QStringLiteral("zł"));
    correction->click();
    QCOMPARE(f.program.settings.operatingHours, std::string("6000"));
    QCOMPARE(f.program.settings.currency, std::string("zł"));
    QCOMPARE(f.program.settings.densityCorrection, 0);
    QVERIFY(hours->toolTip().isEmpty());

    // A text that is no number of at least 0 is kept as typed and the field says why.
    for (const QString& bad : {QString("-5"), QString("abc"), QString("1e999")}) {
        Type(hours, bad);
        QCOMPARE(f.program.settings.operatingHours, bad.toStdString());
        QVERIFY2(hours->toolTip().contains(bad), qPrintable(bad));
    }
    Type(hours, "4000");
    QVERIFY(hours->toolTip().isEmpty());
}
