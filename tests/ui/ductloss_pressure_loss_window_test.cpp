#include "ui/ductloss/pressure_loss_window.h"

#include "core/ductloss/fitting_kind.h"
#include "core/ductloss/fitting_row.h"
#include "core/shell/file_io.h"
#include "support/ductloss_fixture.h"
#include "support/modal_closer.h"
#include "ui/program_windows.h"
#include "ui/selection/selection_window.h"
#include "ui/shell/main_menu.h"
#include "ui/shell/main_window.h"
#include "ui/shell/settings_tab.h"
#include "ui/shell/tools_tab.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QtTest>

#include <array>
#include <cmath>
#include <cstdint>
#include <fstream>

using namespace kalvintera;
using namespace kalvintera::testing;

namespace {

using Window = PressureLossWindow;

double Value(const QString& text)
{
    QString point = text;
    return point.replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}

// A straight duct, an elbow, a tee and a grille.
void BuildRun(DuctlossFixture& f)
{
    f.add(1, {{"flow", "100"}});
    f.add(2, {});
    f.add(4, {{"flow", "1000"}, {"branchFlow", "400"}});
    f.add(9, {{"additionalLoss", "10"}});
}

double SumOfShownLosses(const Window& window)
{
    double sum = 0;
    for (int row = 0; row < window.run().count(); ++row) sum += Value(QString::fromStdString(window.run().row(row).TotalLoss));
    return sum;
}

} // namespace

class PressureLossWindowTest : public QObject {
    Q_OBJECT
private slots:
    void buildsARunOfFittingsUnderBothSeparators()
    {
        for (const char separator : {'.', ','}) {
            DuctlossFixture f(NumberFormat{separator});
            BuildRun(f);
            const Window& window = f.calculator;
            QCOMPARE(window.run().count(), 4);
            for (int row = 0; row < 4; ++row) QCOMPARE(window.text(row, Window::LpColumn), QString::number(row));
            QCOMPARE(window.text(0, Window::NameColumn), QString("PROSTKA_OKRĄGŁA"));
            QCOMPARE(window.text(1, Window::NameColumn), QString("KOLANO_OKRĄGŁE"));
            QCOMPARE(window.text(2, Window::NameColumn), QString("TRÓJNIK_OKRĄGŁY"));
            QCOMPARE(window.text(3, Window::NameColumn), QString("KRATKA_NAWIEWNA/WYWIEWNA_OKRĄGŁA"));
            QCOMPARE(window.text(0, Window::VelocityColumn), QString("3") + QChar::fromLatin1(separator) + "537");
            QCOMPARE(window.text(0, Window::LengthColumn), QString("2000"));
            QCOMPARE(window.text(1, Window::FlowColumn), QString("100")); // the flow is kept
            QCOMPARE(window.text(1, Window::LengthColumn), QString("0"));
            QCOMPARE(window.text(2, Window::FlowColumn), QString("400")); // a tee shows its branch flow
            QCOMPARE(window.text(3, Window::FlowColumn), QString("400"));
            QCOMPARE(window.text(3, Window::TotalColumn), QString("10")); // a grille is its additional loss
            QCOMPARE(window.text(3, Window::AdditionalColumn), QString("10"));
            QCOMPARE(window.text(4, Window::NameColumn), QString());
            QVERIFY(std::abs(Value(window.totalText()) - SumOfShownLosses(window)) <= 0.015);
            QVERIFY(window.totalText().contains(QChar::fromLatin1(separator)));
        }
    }

    void editsAndDeletesRows()
    {
        DuctlossFixture f;
        BuildRun(f);
        Window& window = f.calculator;
        const double before = Value(window.totalText());
        const double old_elbow = Value(window.text(1, Window::TotalColumn));
        const QString stored_w1 = window.text(1, Window::VelocityColumn);

        window.selectShownRow(1);
        QString ok_caption, shown_w1, caption;
        CloseNextModal([&](QWidget* dialog) {
            ok_caption = Child<QPushButton>(*dialog, "ok")->text();
            shown_w1 = Child<QLineEdit>(*dialog, "w1")->text();
            caption = dialog->windowTitle();
            f.type({{"flow", "200"}});
            Child<QPushButton>(*dialog, "ok")->click();
        });
        emit window.table()->cellDoubleClicked(1, 1);
        QCOMPARE(ok_caption, QString("Zapisz zmiany"));
        QCOMPARE(caption, QString("KOLANO_OKRĄGŁE"));
        QCOMPARE(shown_w1, stored_w1);
        QCOMPARE(window.run().count(), 4);
        QCOMPARE(window.text(1, Window::FlowColumn), QString("200"));
        QCOMPARE(window.text(1, Window::LpColumn), QString("1"));
        const double new_elbow = Value(window.text(1, Window::TotalColumn));
        QVERIFY(new_elbow > old_elbow);
        QVERIFY(std::abs(Value(window.totalText()) - (before + new_elbow - old_elbow)) <= 0.015);

        // Cancelling an edit changes nothing, and the next fitting is added, not replaced.
        window.selectShownRow(0);
        CloseNextModal([&](QWidget*) { f.type({{"flow", "5000"}}); });
        window.action("editFitting")->trigger();
        QCOMPARE(window.text(0, Window::FlowColumn), QString("100"));
        f.add(1, {{"flow", "100"}});
        QCOMPARE(window.run().count(), 5);

        // Deleting the first row moves the others up and takes its loss off the total.
        const double total = Value(window.totalText());
        const double first = Value(window.text(0, Window::TotalColumn));
        window.selectShownRow(0);
        window.action("popupDelete")->trigger();
        QCOMPARE(window.run().count(), 4);
        QCOMPARE(window.text(0, Window::NameColumn), QString("KOLANO_OKRĄGŁE"));
        QCOMPARE(window.text(0, Window::LpColumn), QString("0"));
        QCOMPARE(window.text(3, Window::LpColumn), QString("3"));
        QVERIFY(std::abs(Value(window.totalText()) - (total - first)) < 0.006);

        // A selected empty line names no row: edit and delete do nothing.
        window.selectShownRow(5);
        window.deleteSelectedFitting();
        QCOMPARE(window.run().count(), 4);
    }

    void editingAndSavingUnchangedKeepsEveryRow()
    {
        for (const char separator : {'.', ','}) {
            DuctlossFixture f(NumberFormat{separator});
            f.add(4, {{"d1", "250"}, {"d2", "150"}, {"flow", "1200"}, {"branchFlow", "400"}});
            for (int kind = 1; kind <= kFittingKindCount; ++kind) {
                DuctlossFixture::Texts texts{{"flow", "1200"}, {"additionalLoss", "3"}};
                if (IsTeeKind(kind)) texts.push_back({"branchFlow", "500"});
                f.add(kind, texts);
            }
            Window& window = f.calculator;
            QCOMPARE(window.run().count(), 19);
            const std::vector<FittingRow> before(window.run().rows().begin(), window.run().rows().end());
            const QString total = window.totalText();
            for (int index = 0; index < window.run().count(); ++index) {
                window.scrollBar()->setValue(index);
                window.selectShownRow(0);
                QString shown_flow;
                CloseNextModal([&](QWidget* dialog) {
                    shown_flow = Child<QLineEdit>(*dialog, "flow")->text();
                    QTest::keyClick(Child<QLineEdit>(*dialog, "flow"), Qt::Key_Return);
                });
                window.action("editFitting")->trigger();
                QVERIFY(f.prompter.messages.empty());
                QCOMPARE(shown_flow, QString("1200")); // a tee opens with its own flow, not its branch's
                std::array<std::uint8_t, kFittingRowSize> old_bytes{};
                std::array<std::uint8_t, kFittingRowSize> new_bytes{};
                EncodeFittingRow(before[static_cast<std::size_t>(index)], old_bytes.data());
                EncodeFittingRow(window.run().row(index), new_bytes.data());
                QVERIFY2(old_bytes == new_bytes, qPrintable(QString("row %1").arg(index)));
            }
            QCOMPARE(window.totalText(), total);
        }
    }

    void savesOpensAndStartsAnew()
    {
        DuctlossFixture f;
        BuildRun(f);
        Window& window = f.calculator;
        const QString total = window.totalText();
        const QString file = QString::fromStdString((f.folder / "run.moh").string());
        f.prompter.file_names = {file};
        window.action("saveRun")->trigger();
        QCOMPARE(f.prompter.file_requests.back().filter, QString("Pliki Obliczeń Hydraulicznych (*.moh)"));
        QCOMPARE(f.prompter.file_requests.back().default_suffix, QString("moh"));
        QCOMPARE(f.prompter.file_requests.back().folder, QString::fromStdString(f.folder.root().string()));
        QCOMPARE(std::filesystem::file_size(file.toStdString()), 4 * kFittingRowSize);

        window.action("newRun")->trigger();
        QCOMPARE(window.run().count(), 0);
        QCOMPARE(window.totalText(), QString("0"));
        QCOMPARE(window.text(0, Window::NameColumn), QString());

        f.prompter.file_names = {file};
        window.action("openRun")->trigger();
        QCOMPARE(f.prompter.file_requests.back().filter, QString("Pliki obliczeń hydraulicznych (*.moh)"));
        QCOMPARE(f.prompter.file_requests.back().file_name, QString("*.moh"));
        QCOMPARE(window.run().count(), 4);
        QCOMPARE(window.text(2, Window::FlowColumn), QString("400"));
        QVERIFY(std::abs(Value(window.totalText()) - Value(total)) <= 0.015);

        // Cancelling the open dialog, or a damaged file, keeps the run.
        f.prompter.file_names = {QString()};
        window.openRun();
        QCOMPARE(window.run().count(), 4);
        const auto damaged = f.write("damaged.moh", std::string(kFittingRowSize + 5, '\0'));
        f.prompter.file_names = {QString::fromStdString(damaged.string())};
        window.openRun();
        QVERIFY(f.prompter.lastText().contains("damaged.moh"));
        QVERIFY(f.prompter.lastText().startsWith("Plik "));
        QCOMPARE(window.run().count(), 4);
        const auto overfull = f.write("overfull.moh", std::string(102 * kFittingRowSize, '\0'));
        f.prompter.file_names = {QString::fromStdString(overfull.string())};
        window.openRun();
        QCOMPARE(f.prompter.lastText(), QString("Plik obliczeń zawiera 102 kształtek, a obliczenia mieszczą najwyżej 101."));
        QCOMPARE(window.run().count(), 4);

        // A row naming no kind cannot be edited, and says so in the user's language.
        FittingRow odd = window.run().row(0);
        odd.Kind = "77";
        std::string record(kFittingRowSize, '\0');
        EncodeFittingRow(odd, reinterpret_cast<std::uint8_t*>(record.data()));
        f.prompter.file_names = {QString::fromStdString(f.write("odd.moh", record).string())};
        window.openRun();
        window.selectShownRow(0);
        window.editSelectedFitting();
        QCOMPARE(f.prompter.lastText(), QString("Tej kształtki nie można edytować: nieznany rodzaj kształtki „77”."));
    }

    void readsAFileWrittenUnderTheOtherSeparator()
    {
        DuctlossFixture written(NumberFormat::point());
        BuildRun(written);
        const QString file = QString::fromStdString((written.folder / "point.moh").string());
        written.prompter.file_names = {file};
        written.calculator.saveRun();

        DuctlossFixture f(NumberFormat::comma());
        f.prompter.file_names = {file};
        f.calculator.openRun();
        QCOMPARE(f.calculator.run().count(), 4);
        QVERIFY(std::abs(Value(f.calculator.totalText()) - Value(written.calculator.totalText())) <= 0.015);
        QVERIFY(f.calculator.totalText().contains(','));
    }

    void exportsTheTableToTheDocumentsFolder()
    {
        DuctlossFixture f;
        BuildRun(f);
        Window& window = f.calculator;
        Child<QPushButton>(window, "export")->click();
        const std::filesystem::path text = std::filesystem::path(Window::exportFolder().toStdString()) / "obliczenia_dp.txt";
        QVERIFY(std::filesystem::exists(text));
        QCOMPARE(f.platform.desktop.opened_documents.back(), text);
        const std::vector<std::string> lines = SplitLines(ReadWholeFile(text));
        QCOMPARE(lines.size(), std::size_t{5});
        QVERIFY(lines[0].starts_with("LP Nazwa_k"));
        QVERIFY(lines[3].starts_with("2 TR\xD3JNIK_OKR\xA5G\xA3Y 400 "));
        // The heading says metres: the 2000 mm duct is 2 m, the 500 mm tee 0.5 m.
        QCOMPARE(QString::fromStdString(lines[1]).split(' ').value(4), QString("2"));
        QCOMPARE(QString::fromStdString(lines[3]).split(' ').value(4), QString("0.5"));
        // The user is told where the file is.
        QCOMPARE(f.prompter.lastText(), "Zapisano plik " + QDir::toNativeSeparators(QString::fromStdString(text.string())));
        // Exporting twice gives the same file.
        const std::string first = ReadWholeFile(text);
        window.exportRun();
        QCOMPARE(ReadWholeFile(text), first);

        window.action("exportCsv")->trigger();
        const std::filesystem::path csv = text.parent_path() / "obliczenia_dp.csv";
        QCOMPARE(f.platform.desktop.opened_documents.back(), csv);
        const std::string table = ReadWholeFile(csv);
        QVERIFY(table.starts_with("\xEF\xBB\xBFLP;Nazwa_kształtki;"));
        QVERIFY(table.find("\r\n3;KRATKA_NAWIEWNA/WYWIEWNA_OKRĄGŁA;400;") != std::string::npos);

        QVERIFY(f.prompter.lastText().endsWith("obliczenia_dp.csv"));

        f.platform.desktop.succeeds = false;
        window.exportRun();
        QVERIFY(f.prompter.lastText().startsWith("Zapisano plik "));
        QVERIFY(f.prompter.lastText().contains("\nNie udało się otworzyć pliku:"));
        QVERIFY(f.prompter.lastText().endsWith("obliczenia_dp.txt"));
    }

    void scrollsThroughSevenRowsAtATime()
    {
        DuctlossFixture f;
        for (int i = 0; i < 9; ++i) f.add(1, {{"flow", QString::number(100 + i)}});
        Window& window = f.calculator;
        // The added row comes into view at the bottom.
        QCOMPARE(window.scrollBar()->value(), 2);
        QCOMPARE(window.text(0, Window::LpColumn), QString("2"));
        QCOMPARE(window.text(6, Window::LpColumn), QString("8"));
        window.scrollBar()->setValue(0);
        QCOMPARE(window.text(0, Window::LpColumn), QString("0"));
        QCOMPARE(window.scrollBar()->maximum(), 8);
        // The selected row is the scroll position plus the line.
        window.scrollBar()->setValue(2);
        window.selectShownRow(1);
        window.deleteSelectedFitting();
        QCOMPARE(window.run().count(), 8);
        QCOMPARE(window.run().row(3).Flow, std::string("104"));
        // Delete and New do not shrink the scroll range.
        window.newRun();
        QCOMPARE(window.scrollBar()->maximum(), 8);
    }

    void refusesA102ndFitting()
    {
        DuctlossFixture f;
        f.add(1, {{"flow", "100"}});
        for (int i = 1; i < kDuctRunCapacity; ++i) f.fitting.confirm();
        QCOMPARE(f.calculator.run().count(), 101);
        const auto messages = f.prompter.messages.size();
        f.fitting.confirm();
        QCOMPARE(f.calculator.run().count(), 101);
        QCOMPARE(f.prompter.messages.size(), messages + 1);
        QVERIFY(f.prompter.lastText().contains("101"));
        f.calculator.addFitting(); // the chooser does not open on a full run
        QCOMPARE(f.prompter.messages.size(), messages + 2);
    }

    void opensFromEverywhereAndHandsItsTotalToTheSelection()
    {
        TestProgram f;
        ProgramWindows all(f.program);
        Windows& windows = all.windows();
        windows.main->setAnimated(false);
        QVERIFY(all.start());
        auto opened = [&](const std::function<void()>& open) {
            QString name;
            CloseNextModal([&](QWidget* modal) { name = modal->objectName(); });
            open();
            return name;
        };
        QCOMPARE(opened([&] { windows.main->menu().action("pressureLoss")->trigger(); }), QString("pressureLossWindow"));
        QCOMPARE(opened([&] { emit windows.main->toolsTab().toolRequested(ToolsTab::Tool::PressureLoss); }),
                 QString("pressureLossWindow"));
        QCOMPARE(opened([&] { emit windows.selection->pressureCalculatorRequested(); }), QString("pressureLossWindow"));
        QCOMPARE(opened([&] { windows.pressureLoss->addFitting(); }), QString("fittingChooser"));

        f.program.air = ComputeAirProperties(20, 101300, 0.5);
        windows.fittingDialog->prepareToAdd(9, "KRATKA");
        for (const auto& [name, text] : {std::pair{"flow", "100"}, std::pair{"additionalLoss", "12,5"}}) {
            auto* edit = Child<QLineEdit>(*windows.fittingDialog, name);
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Backspace);
            QTest::keyClicks(edit, text);
        }
        windows.fittingDialog->confirm();
        QCOMPARE(windows.pressureLoss->totalText(), QString("12.5"));
        Child<QPushButton>(*windows.pressureLoss, "toFanSelection")->click();
        QCOMPARE(windows.selection->pressureText(), QString("12.5"));

        // The settings' roughness reaches the fitting dialog; its box makes the material the user's own.
        auto* roughness = Child<QLineEdit>(windows.main->settingsTab(), "roughness");
        roughness->setText("0,2");
        QCOMPARE(windows.fittingDialog->form().text(FittingText::Roughness), std::string("0,2"));
        QVERIFY(!windows.fittingDialog->form().roughnessEditable());
        Child<QCheckBox>(windows.main->settingsTab(), "roughnessBox")->click();
        QCOMPARE(windows.fittingDialog->form().material(), 2);
        QVERIFY(windows.fittingDialog->form().roughnessEditable());
    }

    void languageLinesReplaceTheTexts()
    {
        DuctlossFixture f;
        const auto file = f.folder / "numbered.lng";
        {
            std::ofstream out(file, std::ios::binary);
            for (int n = 1; n <= 1100; ++n) out << "L" << n << "\r\n";
        }
        f.program.language.load(file, CodePage::Cp1250);
        f.program.settings.language = 1;
        f.calculator.applyLanguage(f.program.language);
        f.chooser.applyLanguage(f.program.language);
        f.fitting.applyLanguage(f.program.language);
        Window& window = f.calculator;
        QCOMPARE(window.windowTitle(), QString("L670"));
        QCOMPARE(window.table()->horizontalHeaderItem(Window::FlowColumn)->text(), QString("L673"));
        QCOMPARE(window.table()->horizontalHeaderItem(Window::NameColumn)->toolTip(), QString("L688"));
        QCOMPARE(Child<QLineEdit>(window, "total")->toolTip(), QString("L698"));
        QCOMPARE(Child<QPushButton>(window, "toFanSelection")->text(), QString("L685"));
        QCOMPARE(Child<QPushButton>(window, "toFanSelection")->toolTip(), QString("L701"));
        QCOMPARE(window.action("saveRun")->text(), QString("L705"));
        QCOMPARE(window.action("exportCsv")->text(), QString("L1070"));
        QCOMPARE(window.action("popupDelete")->text(), QString("L716"));
        QCOMPARE(f.chooser.windowTitle(), QString("L736"));
        QCOMPARE(f.chooser.kindName(18), QString("L757"));

        f.add(13, {{"flow", "100"}});
        QCOMPARE(window.text(0, Window::NameColumn), QString("L752"));
        QCOMPARE(f.fitting.windowTitle(), QString("L752"));
        QCOMPARE(f.fitting.okButton()->text(), QString("L791"));
        QCOMPARE(Child<QComboBox>(f.fitting, "teeFlow")->itemText(1), QString("L803"));
        f.fitting.prepareToEdit(window.run().row(0), f.chooser.kindName(13));
        QCOMPARE(f.fitting.okButton()->text(), QString("L804"));
        f.add(1, {{"length", ""}});
        QCOMPARE(f.prompter.lastText(), QString("L805"));
    }
};

QTEST_MAIN(PressureLossWindowTest)
#include "ductloss_pressure_loss_window_test.moc"
