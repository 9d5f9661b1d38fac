#include "ui/ductloss/fitting_dialog.h"

#include "support/ductloss_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace kalvintera;
using namespace kalvintera::testing;

namespace {

QString Field(FittingDialog& dialog, const char* name)
{
    if (auto* edit = dialog.findChild<QLineEdit*>(QString::fromLatin1(name))) return edit->text();
    return Child<QComboBox>(dialog, name)->currentText();
}

bool Shown(FittingDialog& dialog, const char* name)
{
    return !Child<QWidget>(dialog, name)->isHidden();
}

} // namespace

class FittingDialogTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheFieldsOfItsKind()
    {
        DuctlossFixture f;
        FittingDialog& dialog = f.fitting;
        dialog.prepareToAdd(1, "PROSTKA_OKRĄGŁA");
        QCOMPARE(dialog.windowTitle(), QString("PROSTKA_OKRĄGŁA"));
        QCOMPARE(Field(dialog, "name"), QString("PROSTKA_OKRĄGŁA"));
        QCOMPARE(Field(dialog, "typeCode"), QString("XF01*"));
        QCOMPARE(Field(dialog, "length"), QString("2000"));
        QCOMPARE(Field(dialog, "d1"), QString("100"));
        QCOMPARE(Field(dialog, "a"), QString("0"));
        for (const char* shown : {"length", "d1", "flow", "w1", "roughness", "additionalLoss"}) QVERIFY2(Shown(dialog, shown), shown);
        for (const char* hidden : {"d2", "a", "b", "c", "d", "angle", "radius", "offset", "branchFlow", "w2",
                                   "roundElbowType", "rectElbowType", "teePath", "teeFlow"}) {
            QVERIFY2(!Shown(dialog, hidden), hidden);
        }
        QVERIFY(Child<QLineEdit>(dialog, "name")->isReadOnly());
        QVERIFY(Child<QLineEdit>(dialog, "w1")->isReadOnly());
        QVERIFY(!Child<QLabel>(dialog, "picture")->pixmap().isNull());

        dialog.prepareToAdd(13, "TRÓJNIK_PROSTOKĄTNY");
        for (const char* shown : {"length", "a", "b", "c", "d", "angle", "branchFlow", "w2", "teePath", "teeFlow"}) {
            QVERIFY2(Shown(dialog, shown), shown);
        }
        QVERIFY(!Shown(dialog, "d1"));
        QVERIFY(!Child<QLabel>(dialog, "teePicture")->pixmap().isNull());
        QCOMPARE(Child<QComboBox>(dialog, "teePath")->currentText(), QString("PRZELOT"));
        QCOMPARE(Child<QComboBox>(dialog, "teeFlow")->currentText(), QString("ROZPŁYW"));

        dialog.prepareToAdd(11, "KOLANO_PROSTOKĄTNE");
        QVERIFY(Shown(dialog, "rectElbowType"));
        QVERIFY(!Shown(dialog, "roundElbowType"));
        QVERIFY(!Shown(dialog, "length"));
        QCOMPARE(Child<QComboBox>(dialog, "rectElbowType")->currentText(), QString("ŁUK"));
        QCOMPARE(Child<QComboBox>(dialog, "angle")->count(), 21);
        QCOMPARE(Field(dialog, "angle"), QString("90"));
        dialog.prepareToAdd(8, "REDUKCJA_OKRĄGŁA");
        QVERIFY(!Shown(dialog, "angle")); // a reducer uses the angle it does not show
        QVERIFY(Shown(dialog, "w2"));
    }

    void showsVelocitiesAndTheRadiusWhileTyping()
    {
        DuctlossFixture f(NumberFormat::comma());
        FittingDialog& dialog = f.fitting;
        dialog.prepareToAdd(2, "KOLANO_OKRĄGŁE");
        f.type({{"flow", "100"}});
        QCOMPARE(Field(dialog, "w1"), QString("3,537"));
        QCOMPARE(Field(dialog, "radius"), QString("100"));
        f.type({{"d1", "315"}});
        QCOMPARE(Field(dialog, "radius"), QString("200"));
        QCOMPARE(Field(dialog, "w1"), QString("0,356"));
        f.type({{"radius", "1000"}});
        QCOMPARE(Field(dialog, "radius"), QString("200"));
        f.type({{"flow", "abc"}}); // a text that does not read yet is ignored while typing
        QVERIFY(f.prompter.messages.empty());
        QCOMPARE(Field(dialog, "w1"), QString("0,356"));

        dialog.prepareToAdd(11, "KOLANO_PROSTOKĄTNE");
        f.type({{"b", "6000"}});
        QCOMPARE(Field(dialog, "radius"), QString("4000"));
    }

    void materialAndAdditionalLoss()
    {
        DuctlossFixture f;
        FittingDialog& dialog = f.fitting;
        dialog.prepareToAdd(1, "PROSTKA_OKRĄGŁA");
        auto* roughness = Child<QLineEdit>(dialog, "roughness");
        QCOMPARE(roughness->text(), QString("0,007"));
        QVERIFY(roughness->isReadOnly());
        QCOMPARE(roughness->toolTip(),
                 QString("PVC - k=0,007          Blacha ocynkowana - k=0,15       Przewody murowane k=3-5"));
        auto* material = Child<QComboBox>(dialog, "material");
        material->setCurrentIndex(1);
        emit material->activated(1);
        QCOMPARE(roughness->text(), QString("0,15"));
        emit material->activated(2);
        QVERIFY(!roughness->isReadOnly());
        dialog.takeSettingsRoughness("0,05");
        QCOMPARE(roughness->text(), QString("0,05"));
        emit material->activated(0);
        dialog.chooseOwnMaterial();
        QCOMPARE(material->currentText(), QString("Inny"));

        f.type({{"flow", "100"}, {"additionalLoss", "10"}});
        QVERIFY(Child<QRadioButton>(dialog, "lossInPa")->isChecked());
        QVERIFY(Child<QLineEdit>(dialog, "additionalCoefficient")->isReadOnly());
        QCOMPARE(Field(dialog, "additionalCoefficient"), QString("1.34")); // 2·10 / (ρ·w1²), ρ ≈ 1.197
        Child<QRadioButton>(dialog, "lossAsCoefficient")->click();
        QVERIFY(Child<QLineEdit>(dialog, "additionalLoss")->isReadOnly());
        f.type({{"additionalCoefficient", "2"}});
        QCOMPARE(Field(dialog, "additionalLoss"), QString("15")); // 2·0.5·ρ·w1² = 14.98
        // The next fitting starts with the Pa entry and no additional loss.
        dialog.prepareToAdd(10, "PROSTKA_PROSTOKĄTNA");
        QVERIFY(Child<QRadioButton>(dialog, "lossInPa")->isChecked());
        QCOMPARE(Field(dialog, "additionalLoss"), QString("0"));
        QCOMPARE(Field(dialog, "additionalCoefficient"), QString("0"));
    }

    void okRefusesMissingTextsAndStaysOpen()
    {
        DuctlossFixture f;
        FittingDialog& dialog = f.fitting;
        dialog.prepareToAdd(1, "PROSTKA_OKRĄGŁA");
        f.type({{"length", ""}, {"flow", "100"}});
        dialog.show();
        dialog.confirm();
        QCOMPARE(f.prompter.lastText(), QString("Podaj długość kształtki (L)."));
        QVERIFY(dialog.isVisible());
        QCOMPARE(Field(dialog, "flow"), QString("100"));
        QCOMPARE(f.calculator.run().count(), 0);

        f.type({{"length", "1000"}, {"flow", "0"}});
        dialog.confirm();
        QCOMPARE(f.prompter.lastText(), QString("Podaj przepływ powietrza V większy od zera."));
        emit Child<QComboBox>(dialog, "material")->activated(2);
        f.type({{"flow", "100"}, {"roughness", ""}});
        dialog.confirm();
        QCOMPARE(f.prompter.lastText(), QString("Podaj chropowatość przewodu k."));
        f.type({{"roughness", "0,15"}, {"d1", "0"}});
        dialog.confirm();
        QCOMPARE(f.prompter.lastText(), QString("Φ1 = 0 mm: podaj wartość większą od 0 mm i nie większą niż 8000 mm."));
        f.type({{"d1", "x"}});
        dialog.confirm();
        QCOMPARE(f.prompter.lastText(), QString("„x” nie jest poprawną liczbą."));
        QCOMPARE(f.calculator.run().count(), 0);
        QVERIFY(dialog.isVisible());
        QCOMPARE(Field(dialog, "length"), QString("1000"));
        QCOMPARE(Field(dialog, "roughness"), QString("0,15"));
        f.type({{"d1", "100"}});
        dialog.confirm();
        QCOMPARE(f.calculator.run().count(), 1);
        QVERIFY(!dialog.isVisible());
    }

    void aBadValueIsNamedInTheUsersLanguageAndEveryEntryStays()
    {
        DuctlossFixture f;
        FittingDialog& dialog = f.fitting;
        dialog.prepareToAdd(4, "TRÓJNIK_OKRĄGŁY");
        dialog.show();
        f.type({{"d1", "250"}, {"d2", "150"}, {"flow", "abc"}, {"branchFlow", "400"}, {"additionalLoss", "3"}});
        dialog.confirm();
        QCOMPARE(f.prompter.lastText(), QString("„abc” nie jest poprawną liczbą."));
        QVERIFY(dialog.isVisible());
        for (const auto& [name, text] : {std::pair{"d1", "250"}, {"d2", "150"}, {"flow", "abc"}, {"branchFlow", "400"},
                                         {"additionalLoss", "3"}}) {
            QCOMPARE(Field(dialog, name), QString(text));
        }

        f.type({{"flow", "1200"}, {"angle", "90160"}});
        dialog.confirm();
        QCOMPARE(f.prompter.lastText(), QString("α = 90160°: podaj wartość większą od 0° i nie większą niż 90°."));
        f.type({{"angle", "90"}, {"length", "-100"}});
        dialog.confirm();
        QCOMPARE(f.prompter.lastText(), QString("L = -100 mm: podaj wartość od 0 mm do 100000 mm."));
        QVERIFY(dialog.isVisible());
        QCOMPARE(f.calculator.run().count(), 0);

        f.program.language.load(f.folder / "languages/english.lng", CodePage::Cp1250);
        f.program.settings.language = 2;
        dialog.confirm();
        QCOMPARE(f.prompter.lastText(), QString("L = -100 mm: enter a value from 0 mm to 100000 mm."));

        f.type({{"length", "500"}});
        dialog.confirm();
        QCOMPARE(f.calculator.run().count(), 1);
        QVERIFY(!dialog.isVisible());
    }

    void enterCommitsAfterAnEarlierDialogAndEscCancels()
    {
        DuctlossFixture f;
        FittingDialog& dialog = f.fitting;
        auto* cancel = Child<QPushButton>(dialog, "cancel");
        dialog.prepareToAdd(1, "PROSTKA_OKRĄGŁA");
        dialog.show();
        QTest::mouseClick(cancel, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());

        // The second dialog opens with the focus where the first one left it.
        dialog.prepareToAdd(1, "PROSTKA_OKRĄGŁA");
        dialog.show();
        f.type({{"flow", "100"}});
        QTest::keyClick(cancel, Qt::Key_Return);
        QCOMPARE(f.calculator.run().count(), 1);
        QVERIFY(!dialog.isVisible());

        dialog.prepareToAdd(1, "PROSTKA_OKRĄGŁA");
        dialog.show();
        QTest::keyClick(Child<QLineEdit>(dialog, "flow"), Qt::Key_Enter);
        QCOMPARE(f.calculator.run().count(), 2);
        dialog.prepareToAdd(1, "PROSTKA_OKRĄGŁA");
        dialog.show();
        QTest::keyClick(Child<QComboBox>(dialog, "d1")->lineEdit(), Qt::Key_Return);
        QCOMPARE(f.calculator.run().count(), 3);

        // Enter on a bad value: the message, and the dialog stays.
        dialog.prepareToAdd(1, "PROSTKA_OKRĄGŁA");
        dialog.show();
        f.type({{"flow", "abc"}});
        QTest::keyClick(Child<QLineEdit>(dialog, "flow"), Qt::Key_Return);
        QTest::keyClick(Child<QLineEdit>(dialog, "flow"), Qt::Key_Return);
        QCOMPARE(f.prompter.messages.size(), std::size_t{2});
        QVERIFY(dialog.isVisible());
        QCOMPARE(f.calculator.run().count(), 3);

        QTest::keyClick(Child<QLineEdit>(dialog, "flow"), Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(f.calculator.run().count(), 3);
    }

    void commaAndPointReadAlikeInEveryField()
    {
        std::vector<QString> totals;
        for (const char locale : {'.', ','}) {
            for (const char typed : {'.', ','}) {
                DuctlossFixture f(NumberFormat{locale});
                auto number = [typed](const char* text) { return QString(text).replace(QLatin1Char('.'), QLatin1Char(typed)); };
                f.fitting.prepareToAdd(17, "REDUKCJA_PROSTOKĄTNA");
                emit Child<QComboBox>(f.fitting, "material")->activated(2);
                f.type({{"length", number("300.5")}, {"a", number("200.5")}, {"b", number("100.5")}, {"c", number("250.5")},
                        {"d", number("125.5")}, {"flow", number("1000.5")}, {"additionalLoss", number("2.5")},
                        {"roughness", number("0.2")}});
                f.fitting.confirm();
                QVERIFY2(f.prompter.messages.empty(), qPrintable(f.prompter.lastText()));
                QString total = QString::fromStdString(f.calculator.run().row(0).TotalLoss);
                totals.push_back(total.replace(QLatin1Char(','), QLatin1Char('.')));
            }
        }
        for (const QString& total : totals) QCOMPARE(total, totals.front());
    }

    void aTeeHandsItsBranchFlowOn()
    {
        DuctlossFixture f;
        f.add(13, {{"flow", "1000"}, {"branchFlow", "300"}});
        QCOMPARE(Field(f.fitting, "flow"), QString("300"));
        QCOMPARE(f.calculator.run().row(0).Flow, std::string("300"));
        f.fitting.prepareToAdd(10, "PROSTKA_PROSTOKĄTNA");
        QCOMPARE(Field(f.fitting, "flow"), QString("300"));
        QCOMPARE(Field(f.fitting, "w1"), QString("8.33")); // 300 m³/h through 0.1 × 0.1 m
    }
};

QTEST_MAIN(FittingDialogTest)
#include "ductloss_fitting_dialog_test.moc"
