// The IX chart: readout, points, processes, settings and chart files, as the user meets them.

#include "core/humidair/chart_file.h"
#include "core/humidair/ix_chart_geometry.h"
#include "humidair_modal.h"
#include "support/test_program.h"
#include "ui/humidair/ix_chart_panels.h"
#include "ui/humidair/ix_chart_settings_dialog.h"
#include "ui/humidair/ix_chart_view.h"
#include "ui/humidair/ix_chart_window.h"
#include "ui/humidair/point_data_dialog.h"
#include "ui/humidair/point_list_tree.h"
#include "ui/humidair/point_name_dialog.h"
#include "ui/humidair/point_picker.h"
#include "ui/humidair/process_dialog.h"
#include "ui/humidair/process_list_window.h"

#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>

#include <filesystem>

using namespace kalvintera;
using namespace kalvintera::testing;

namespace {

struct Chart {
    TestProgram test;
    IxChartWindow window{test.program};

    Chart()
    {
        test.program.fadeEnabled = false;
        window.show();
    }

    ScriptedPrompter& prompter() { return test.prompter; }

    // The picture pixel of a state.
    QPoint at(double x_kgkg, double t_c) const
    {
        const PixelPoint p = window.geometry().pixel(ChartToPixel(window.geometry(), {x_kgkg, t_c}));
        return {p.x, p.y};
    }

    // A click on the chart, answering the name dialog with `name`.
    void clickPoint(const QString& name, double x_kgkg, double t_c)
    {
        PointNameDialog* dialog = window.pointNameDialog();
        WhenModal(dialog, [dialog, name] {
            dialog->nameEdit()->setText(name);
            QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        });
        const QPoint p = at(x_kgkg, t_c);
        QTest::mouseMove(window.view(), p);
        QTest::mouseClick(window.view(), Qt::LeftButton, {}, p);
    }

    // "Definiuj przemianę", answered with a name and two points chosen in the picker.
    void defineProcess(const QString& name, int first_row, int second_row, bool draw_line = true)
    {
        ProcessDialog* dialog = window.processDialog();
        PointPicker* picker = window.pointPicker();
        const auto pick = [picker](int row) {
            WhenModal(picker, [picker, row] {
                picker->list()->setCurrentRow(row);
                QTest::mouseClick(picker->chooseButton(), Qt::LeftButton);
            });
        };
        WhenModal(dialog, [=] {
            dialog->nameEdit()->setText(name);
            pick(first_row);
            QTest::mouseClick(dialog->pickFirstButton(), Qt::LeftButton);
            pick(second_row);
            QTest::mouseClick(dialog->pickSecondButton(), Qt::LeftButton);
            dialog->drawLineBox()->setChecked(draw_line);
            QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        });
        window.action("defineProcess")->trigger();
    }

    std::size_t ellipses() const { return window.view()->chart().all<EllipseItem>().size(); }
};

QStringList HeatColumn(ProcessListWindow& list)
{
    QStringList heat;
    for (int r = 0; r < list.table()->rowCount(); ++r) heat << list.table()->item(r, ProcessListWindow::HeatColumn)->text();
    return heat;
}

} // namespace

class IxChartTest : public QObject {
    Q_OBJECT
private slots:
    void fillsTheDisplayAndReadsTheStateUnderThePointer()
    {
        Chart c;
        QCOMPARE(c.window.windowTitle(), QString("IX-CHART"));
        // The window takes the display less 90 pixels of its height; the picture leaves 20
        // pixels of the width to the window.
        const QRect display = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(c.window.size(), QSize(display.width(), display.height() - 90));
        QCOMPARE(c.window.geometry().width, display.width() - 20);
        QCOMPARE(c.window.view()->picture().width(), display.width() - 20);
        QVERIFY(!c.window.view()->chart().all<PolylineItem>().empty());
        QCOMPARE(c.window.pressurePanel()->caption(), QString("pb = 1013 hPa"));

        QTest::mouseMove(c.window.view(), c.at(0.010, 20));
        const QStringList lines = c.window.readoutPanel()->lines();
        QCOMPARE(lines.size(), 8); // the wet-bulb line is hidden
        QVERIFY2(lines[0].startsWith("X = 10") || lines[0].startsWith("X = 9.9"), qPrintable(lines[0]));
        QVERIFY2(lines[1].startsWith("t = 20") || lines[1].startsWith("t = 19.9"), qPrintable(lines[1]));
        QVERIFY(lines[7].startsWith("tr= 1"));
        // Left of the t axis X reads 0.
        QTest::mouseMove(c.window.view(), QPoint(3, 200));
        QCOMPARE(c.window.readoutPanel()->lines()[0], QString("X = 0 g/kg"));
    }

    void clickAddsANamedPointAndNamesStayUnique()
    {
        Chart c;
        c.clickPoint("A", 0.010, 20);
        QCOMPARE(c.window.contents().points().size(), std::size_t{1});
        QCOMPARE(c.window.contents().points()[0].name, std::string("A"));
        QVERIFY(std::abs(c.window.contents().points()[0].temperature_c - 20) < 0.2);
        QCOMPARE(c.ellipses(), std::size_t{1});
        QTreeWidgetItem* node = c.window.pointList()->topLevelItem(0);
        QCOMPARE(node->text(0), QString("A"));
        QCOMPARE(node->childCount(), 8);
        QVERIFY(node->child(0)->text(0).startsWith("t= "));

        // The same name again: the message, and the dialog waits for another name.
        PointNameDialog* dialog = c.window.pointNameDialog();
        WhenModal(dialog, [&] {
            dialog->nameEdit()->setText("A");
            QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
            QVERIFY(dialog->isVisible());
            dialog->nameEdit()->setText("a"); // another letter case is another name
            QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        });
        QTest::mouseClick(c.window.view(), Qt::LeftButton, {}, c.at(0.005, 10));
        QCOMPARE(c.prompter().messages.size(), std::size_t{1});
        QCOMPARE(c.prompter().messages[0].text, QString("Punkt o podanej nazwie już istnieje - podaj inną nazwę"));
        QCOMPARE(c.prompter().messages[0].title, QString("IX CHART INFO"));
        QCOMPARE(c.window.contents().points().size(), std::size_t{2});
        QCOMPARE(c.window.contents().points()[1].name, std::string("a"));

        // Cancelling adds nothing.
        WhenModal(dialog, [dialog] { QTest::keyClick(dialog, Qt::Key_Escape); });
        QTest::mouseClick(c.window.view(), Qt::LeftButton, {}, c.at(0.005, 0));
        QCOMPARE(c.window.contents().points().size(), std::size_t{2});
    }

    void theFogRegionIsNoPlaceForAPoint()
    {
        Chart c;
        // Should the name dialog open, it is cancelled and the test says so.
        bool asked = false;
        PointNameDialog* dialog = c.window.pointNameDialog();
        WhenModal(dialog, [&] {
            asked = true;
            dialog->reject();
        });
        const QPoint fog = c.at(0.030, 5);
        QTest::mouseMove(c.window.view(), fog);
        QTest::mouseClick(c.window.view(), Qt::LeftButton, {}, fog);
        QVERIFY(!asked);
        QVERIFY(c.window.contents().points().empty());
        QCOMPARE(c.ellipses(), std::size_t{0});
        QCOMPARE(c.prompter().messages.size(), std::size_t{1});
        QCOMPARE(c.prompter().messages[0].text,
                 QString("Tu jest obszar mgły (powyżej linii nasycenia) - w tym miejscu nie można dodać punktu."));
        QCOMPARE(c.prompter().messages[0].title, QString("IX CHART INFO"));

        // The readout there: saturated air, its dew point its own temperature.
        const QStringList lines = c.window.readoutPanel()->lines();
        QCOMPARE(lines[4], QString("φ = 100 %"));
        QCOMPARE(lines[7].mid(4), lines[1].mid(4)); // "tr= 5 C" beside "t = 5 C"
    }

    void pointDataDialogAddsAndEdits()
    {
        Chart c;
        PointDataDialog* dialog = c.window.pointDataDialog();
        using F = PointDataDialog::Field;
        QStringList shown;
        WhenModal(dialog, [&] {
            QTest::keyClicks(dialog->field(F::Name), "B");
            QTest::keyClicks(dialog->field(F::Moisture), "10");
            QTest::keyClicks(dialog->field(F::Temperature), "20");
            for (F f : {F::Enthalpy, F::Density, F::Humidity, F::Vapour, F::DryAir, F::DewPoint}) {
                shown << dialog->field(f)->text();
            }
            QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        });
        c.window.action("addPoint")->trigger();
        QCOMPARE(shown, (QStringList{"45.48", "1.2", "69", "1602.85", "99697.15", "14.07"}));
        // A comma reads as the point does.
        QString comma_enthalpy;
        WhenModal(dialog, [&] {
            dialog->field(F::Moisture)->clear();
            QTest::keyClicks(dialog->field(F::Moisture), "10,0");
            comma_enthalpy = dialog->field(F::Enthalpy)->text();
            QTest::mouseClick(Child<QPushButton>(*dialog, "cancel"), Qt::LeftButton);
        });
        c.window.action("addPoint")->trigger();
        QCOMPARE(comma_enthalpy, QString("45.48"));
        QCOMPARE(c.window.contents().points().size(), std::size_t{1});
        QCOMPARE(c.window.contents().points()[0].humidity, 0.69);
        QCOMPARE(c.ellipses(), std::size_t{1});

        // A double click on the point opens it with its stored values; a name that is
        // taken keeps the dialog open; ANULUJ changes nothing.
        c.clickPoint("A", 0.005, 10);
        QString edited_x;
        WhenModal(dialog, [&] {
            edited_x = dialog->field(F::Moisture)->text();
            dialog->field(F::Name)->setText("A");
            QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
            QVERIFY(dialog->isVisible());
            QTest::mouseClick(Child<QPushButton>(*dialog, "cancel"), Qt::LeftButton);
        });
        QTreeWidgetItem* node = c.window.pointList()->topLevelItem(0);
        emit c.window.pointList()->itemDoubleClicked(node, 0);
        QCOMPARE(edited_x, QString("10"));
        QCOMPARE(c.prompter().lastText(), QString("Punkt o podanej nazwie już istnieje - podaj inną nazwę"));
        QCOMPARE(c.window.contents().points()[0].name, std::string("B"));
    }

    void processesWithTheirHeat()
    {
        Chart c;
        c.clickPoint("P1", 0.004, 5);
        c.clickPoint("P2", 0.004, 25);
        c.clickPoint("P3", 0.010, 20);
        c.defineProcess("OGRZEWANIE", 0, 1);
        c.defineProcess("NAWILŻANIE", 1, 2, false);
        QCOMPARE(c.window.contents().processes().size(), std::size_t{2});
        QCOMPARE(c.window.contents().processes()[0].first, std::string("P1"));
        QCOMPARE(c.window.contents().processes()[0].second, std::string("P2"));
        QVERIFY(!c.window.contents().processes()[1].draw_line);
        // Only the first draws its line (two black lines of width 2... one process line).
        const auto lines = c.window.view()->chart().all<LineItem>();
        QCOMPARE(std::count_if(lines.begin(), lines.end(), [](const LineItem& l) { return l.pen.width == 2; }), 1);

        ProcessListWindow* list = c.window.processList();
        list->rebuild();
        QCOMPARE(list->table()->rowCount(), 2);
        QCOMPARE(list->table()->item(0, ProcessListWindow::NameColumn)->text(), QString("OGRZEWANIE"));
        const auto& p = c.window.contents().points();
        const double heat = std::abs(p[1].enthalpy_kjkg - p[0].enthalpy_kjkg) * 1000 / 3600
                            * (p[0].density_kgm3 + p[1].density_kgm3) / 2;
        QCOMPARE(HeatColumn(*list)[0], QString::number(std::round(heat * 100) / 100, 'g', 15));
        QCOMPARE(list->table()->item(1, ProcessListWindow::LineColumn)->checkState(), Qt::Unchecked);
        // Ticking "linia" draws the line.
        list->table()->item(1, ProcessListWindow::LineColumn)->setCheckState(Qt::Checked);
        QVERIFY(c.window.contents().processes()[1].draw_line);

        // The process dialog's checks, in order; the dialog stays open after each.
        ProcessDialog* dialog = c.window.processDialog();
        WhenModal(dialog, [&] {
            QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
            dialog->nameEdit()->setText("X");
            QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
            dialog->firstEdit()->setText("P1");
            QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
            QVERIFY(dialog->isVisible());
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QTest::mouseClick(list->defineButton(), Qt::LeftButton);
        const auto& m = c.prompter().messages;
        QCOMPARE(m.size(), std::size_t{3});
        QCOMPARE(m[0].text, QString("PODAJ NAZWĘ PRZEMIANY NP.: \"OGRZEWANIE, CHŁODZENIE ITP.\""));
        QCOMPARE(m[1].text, QString("WCZYTAJ PUNKT 1"));
        QCOMPARE(m[2].text, QString("WCZYTAJ PUNKT 2"));
        QCOMPARE(m[2].title, QString("IX CHART INFO"));

        // The heat follows the air flow of the settings, typed with either separator.
        IxChartSettingsDialog* settings = c.window.settingsDialog();
        WhenModal(settings, [settings] {
            settings->airFlowEdit()->setText("2000,0");
            QTest::mouseClick(settings->okButton(), Qt::LeftButton);
        });
        c.window.action("settings")->trigger();
        QCOMPARE(c.prompter().messages.size(), std::size_t{3});
        list->rebuild();
        QCOMPARE(HeatColumn(*list)[0], QString::number(std::round(heat * 200) / 100, 'g', 15));
    }

    void deletingAPointKeepsItsProcessesWithoutHeatOrLine()
    {
        Chart c;
        c.clickPoint("P1", 0.004, 5);
        c.clickPoint("P2", 0.004, 25);
        c.defineProcess("OGRZEWANIE", 0, 1);
        PointListTree* tree = c.window.pointList();
        QVERIFY(!tree->contextMenu()->actions().isEmpty());
        emit tree->itemClicked(tree->topLevelItem(1), 0);
        QCOMPARE(tree->selectedPoint(), 2);
        tree->findChild<QAction*>("deletePoint")->trigger();
        QCOMPARE(c.window.contents().points().size(), std::size_t{1});
        QCOMPARE(tree->topLevelItemCount(), 1);
        QCOMPARE(tree->selectedPoint(), 0);
        QCOMPARE(c.ellipses(), std::size_t{1});
        QCOMPARE(c.window.contents().processes().size(), std::size_t{1});
        const auto lines = c.window.view()->chart().all<LineItem>();
        QCOMPARE(std::count_if(lines.begin(), lines.end(), [](const LineItem& l) { return l.pen.width == 2; }), 0);
        c.window.processList()->rebuild();
        QCOMPARE(HeatColumn(*c.window.processList()), QStringList{QString()});
    }

    void chartFilesAndPicture()
    {
        Chart c;
        c.clickPoint("P1", 0.004, 5);
        c.clickPoint("P2", 0.004, 25);
        c.clickPoint("P3", 0.010, 20);
        c.defineProcess("OGRZEWANIE", 0, 1);
        c.defineProcess("NAWILŻANIE", 1, 2);
        const QString file = QString::fromStdString((c.test.folder / "wykres.ixc").string());
        c.prompter().file_names = {file};
        c.window.action("saveChart")->trigger();
        QCOMPARE(c.prompter().file_requests.back().filter, QString("Pliki IX CHART (*.ixc)"));
        QCOMPARE(c.prompter().file_requests.back().default_suffix, QString("ixc"));
        QCOMPARE(std::filesystem::file_size(c.test.folder / "wykres.ixc"), 104u * 3);
        QCOMPARE(std::filesystem::file_size(c.test.folder / "wykres.ixp"), 44u * 2);
        QCOMPARE(c.window.windowTitle(), "IX-CHART  " + file);

        c.window.action("newChart")->trigger();
        QCOMPARE(c.window.windowTitle(), QString("IX CHART"));
        QVERIFY(c.window.contents().points().empty());
        QCOMPARE(c.window.pointList()->topLevelItemCount(), 0);
        QCOMPARE(c.ellipses(), std::size_t{0});

        c.prompter().file_names = {file};
        c.window.action("openChart")->trigger();
        QCOMPARE(c.prompter().file_requests.back().file_name, QString("*.ixc"));
        QCOMPARE(c.window.windowTitle(), "IX CHART " + file);
        QCOMPARE(c.window.contents().points().size(), std::size_t{3});
        QCOMPARE(c.window.contents().processes().size(), std::size_t{2});
        QCOMPARE(c.window.contents().processes()[1].name, std::string("NAWILŻANIE"));
        QCOMPARE(c.ellipses(), std::size_t{3});

        // A damaged chart file is reported and the chart stays as it was.
        c.test.write("zly.ixc", std::string(50, 'x'));
        c.prompter().file_names = {QString::fromStdString((c.test.folder / "zly.ixc").string())};
        c.window.action("openChart")->trigger();
        QVERIFY(c.prompter().lastText().contains("zly.ixc"));
        QCOMPARE(c.window.contents().points().size(), std::size_t{3});
        QCOMPARE(c.window.windowTitle(), "IX CHART " + file);

        // Points without their process file: the points, no processes, the title as it was.
        WriteChartFiles(c.test.folder / "bez.ixc", c.window.contents().points(), {});
        std::filesystem::remove(c.test.folder / "bez.ixp");
        c.prompter().file_names = {QString::fromStdString((c.test.folder / "bez.ixc").string())};
        c.window.action("openChart")->trigger();
        QVERIFY(c.prompter().lastText().contains("bez.ixp"));
        QCOMPARE(c.window.contents().points().size(), std::size_t{3});
        QVERIFY(c.window.contents().processes().empty());
        QCOMPARE(c.window.windowTitle(), "IX CHART " + file);

        // The picture as drawn, as a BMP.
        const QString picture = QString::fromStdString((c.test.folder / "wykres.bmp").string());
        c.prompter().file_names = {picture};
        c.window.action("savePicture")->trigger();
        QCOMPARE(c.prompter().file_requests.back().filter, QString("Pliki graficzne (*.bmp)"));
        const QImage saved(picture, "BMP");
        QCOMPARE(saved.size(), c.window.view()->picture().size());
        QCOMPARE(saved.pixel(0, 0), qRgb(255, 255, 255));

        // Cancelled dialogs change nothing.
        c.prompter().file_names = {QString()};
        c.window.action("saveChart")->trigger();
        QCOMPARE(c.window.windowTitle(), "IX CHART " + file);
    }

    void aFullChartRefusesMore()
    {
        Chart c;
        std::vector<ChartPoint> points(100);
        for (std::size_t k = 0; k < points.size(); ++k) points[k].name = "P" + std::to_string(k);
        std::vector<ChartProcess> processes(50, ChartProcess{"p", "P1", "P2", false});
        WriteChartFiles(c.test.folder / "pelny.ixc", points, processes);
        c.prompter().file_names = {QString::fromStdString((c.test.folder / "pelny.ixc").string())};
        c.window.action("openChart")->trigger();
        QCOMPARE(c.window.contents().points().size(), std::size_t{100});

        QTest::mouseClick(c.window.view(), Qt::LeftButton, {}, c.at(0.01, 20));
        QVERIFY(c.prompter().lastText().contains("100"));
        c.window.action("addPoint")->trigger();
        QCOMPARE(c.prompter().messages.size(), std::size_t{2});
        c.window.action("defineProcess")->trigger();
        QVERIFY(c.prompter().lastText().contains("50"));
        QCOMPARE(c.prompter().messages[2].title, QString("IX CHART INFO"));
        QCOMPARE(c.window.contents().points().size(), std::size_t{100});
        QCOMPARE(c.window.contents().processes().size(), std::size_t{50});
    }

    void closingWithUnsavedPointsAsksToSave()
    {
        Chart c;
        // Nothing to save: it closes without a question.
        QTest::mouseClick(Child<QPushButton>(c.window, "close"), Qt::LeftButton);
        QVERIFY(!c.window.isVisible());
        QVERIFY(c.prompter().messages.empty());
        c.window.show();

        c.clickPoint("A", 0.010, 20);
        const QString question = QStringLiteral("Punkty lub przemiany wykresu nie zostały zapisane. "
                                                "Zapisać je przed zamknięciem?");
        // Cancel keeps it open, from every way of closing it.
        c.prompter().save_choices = {SaveChoice::Cancel, SaveChoice::Cancel, SaveChoice::Cancel};
        QTest::mouseClick(Child<QPushButton>(c.window, "close"), Qt::LeftButton);
        c.window.action("quit")->trigger();
        c.window.close();
        QVERIFY(c.window.isVisible());
        QCOMPARE(c.prompter().messages.size(), std::size_t{3});
        QCOMPARE(c.prompter().messages[0].text, question);
        QCOMPARE(c.prompter().messages[0].title, QString::fromStdString(c.test.program.MessageTitle));

        // Save, but the file dialog is cancelled: still open, nothing written.
        c.prompter().save_choices = {SaveChoice::Save};
        c.prompter().file_names = {QString()};
        c.window.reject();
        QVERIFY(c.window.isVisible());
        QCOMPARE(c.prompter().file_requests.back().filter, QString("Pliki IX CHART (*.ixc)"));

        // Save to a file that cannot be written: the message, still open.
        c.prompter().save_choices = {SaveChoice::Save};
        c.prompter().file_names = {QString::fromStdString((c.test.folder / "brak" / "w.ixc").string())};
        c.window.reject();
        QVERIFY(c.window.isVisible());
        QVERIFY(c.prompter().lastText().contains("w.ixc"));

        // Discard closes; the points stay for the run, still unsaved, so the next close asks again.
        c.prompter().save_choices = {SaveChoice::Discard};
        const std::size_t asked = c.prompter().messages.size();
        c.window.reject();
        QVERIFY(!c.window.isVisible());
        QCOMPARE(c.prompter().messages.size(), asked + 1);
        c.window.show();
        QCOMPARE(c.window.contents().points().size(), std::size_t{1});

        // Save through the chart's own save: written, closed, and the next close asks nothing.
        const QString file = QString::fromStdString((c.test.folder / "zamkniety.ixc").string());
        c.prompter().save_choices = {SaveChoice::Save};
        c.prompter().file_names = {file};
        c.window.reject();
        QVERIFY(!c.window.isVisible());
        QCOMPARE(std::filesystem::file_size(c.test.folder / "zamkniety.ixc"), 104u);
        QCOMPARE(c.window.windowTitle(), "IX-CHART  " + file);
        c.window.show();
        const std::size_t after_save = c.prompter().messages.size();
        c.window.reject();
        QVERIFY(!c.window.isVisible());
        QCOMPARE(c.prompter().messages.size(), after_save);

        // A process is a change too; so is a deleted point. "Nowy" leaves nothing to save.
        c.window.show();
        c.defineProcess("P", 0, 0);
        c.prompter().save_choices = {SaveChoice::Cancel};
        c.window.reject();
        QVERIFY(c.window.isVisible());
        c.window.action("newChart")->trigger();
        c.window.reject();
        QVERIFY(!c.window.isVisible());

        // In English.
        c.test.program.settings.language = 2;
        c.test.program.language.load(c.test.folder / "languages/english.lng", CodePage::Cp1250);
        c.window.applyLanguage(c.test.program.language);
        c.window.show();
        c.clickPoint("B", 0.010, 20);
        c.prompter().save_choices = {SaveChoice::Discard};
        c.window.reject();
        QCOMPARE(c.prompter().lastText(), QString("The chart's points or processes have not been saved. Save them before closing?"));
    }

    void settingsPressureAndLineFamilies()
    {
        Chart c;
        IxChartSettingsDialog* settings = c.window.settingsDialog();
        QCOMPARE(settings->windowTitle(), QString("USTAWIENIA"));
        const QString range = QStringLiteral("Ciśnienie barometryczne musi mieścić się w przedziale od 80000 do 120000 Pa");
        const QPoint probe = c.at(0.010, 20);
        QTest::mouseMove(c.window.view(), probe + QPoint(1, 0));
        QTest::mouseMove(c.window.view(), probe);
        const QStringList readout = c.window.readoutPanel()->lines();

        // Refused values: their message, and the dialog stays open with the pressure in force.
        QStringList kept;
        bool stayed_open = true;
        WhenModal(settings, [&] {
            for (const char* refused : {"50000", "0", "120000,5", "abc", "-101300"}) {
                settings->pressureEdit()->setText(refused);
                QTest::mouseClick(settings->okButton(), Qt::LeftButton);
                stayed_open = stayed_open && settings->isVisible();
                kept << settings->pressureEdit()->text();
            }
            // Closed without OK: what it shows is not applied either.
            settings->pressureEdit()->setText("90000");
            settings->enthalpyBox()->setChecked(false);
            settings->reject();
        });
        c.window.action("settings")->trigger();
        QVERIFY(stayed_open);
        QCOMPARE(kept, QStringList(5, "101300"));
        const auto& m = c.prompter().messages;
        QCOMPARE(m.size(), std::size_t{5});
        QCOMPARE(m[0].text, range);
        QCOMPARE(m[1].text, range);
        QCOMPARE(m[2].text, range);
        QCOMPARE(m[3].text, QString("„abc” nie jest poprawną liczbą."));
        QCOMPARE(m[4].text, range);
        QCOMPARE(settings->options().barometric_pa, 101300.0);
        QVERIFY(settings->options().enthalpy_lines);
        QCOMPARE(settings->pressureEdit()->text(), QString("101300"));
        QVERIFY(settings->enthalpyBox()->isChecked());
        QCOMPARE(c.window.pressurePanel()->caption(), QString("pb = 1013 hPa"));
        QTest::mouseMove(c.window.view(), probe + QPoint(1, 0));
        QTest::mouseMove(c.window.view(), probe);
        QCOMPARE(c.window.readoutPanel()->lines(), readout);

        // An accepted pressure, with a comma, and the line families switched off.
        const std::size_t items = c.window.view()->chart().items.size();
        WhenModal(settings, [&] {
            settings->pressureEdit()->setText("95000,5");
            for (QCheckBox* box : {settings->humidityBox(), settings->densityBox(), settings->enthalpyBox()}) {
                box->setChecked(false);
            }
            QTest::mouseClick(settings->okButton(), Qt::LeftButton);
        });
        c.window.action("settings")->trigger();
        QCOMPARE(c.prompter().messages.size(), std::size_t{5});
        QCOMPARE(settings->options().barometric_pa, 95000.5);
        QVERIFY(c.window.view()->chart().items.size() < items);
        QVERIFY(c.window.view()->chart().all<PolylineItem>().empty());
        QCOMPARE(c.window.pressurePanel()->caption(), QString("pb = 950.005 hPa"));

        // Under a language file the message is its line 1036.
        c.test.program.settings.language = 2;
        c.test.program.language.load(c.test.folder / "languages/english.lng", CodePage::Cp1250);
        c.window.applyLanguage(c.test.program.language);
        QCOMPARE(settings->windowTitle(), QString("SETTINGS"));
        WhenModal(settings, [&] {
            settings->pressureEdit()->setText("130000");
            QTest::mouseClick(settings->okButton(), Qt::LeftButton);
            settings->airFlowEdit()->setText("1000 m3");
            QTest::mouseClick(settings->okButton(), Qt::LeftButton);
            QCOMPARE(settings->airFlowEdit()->text(), QString("1000"));
            settings->reject();
        });
        c.window.action("settings")->trigger();
        QCOMPARE(c.prompter().messages[5].text, QString("The barometric pressure must lie between 80000 and 120000 Pa."));
        QCOMPARE(c.prompter().lastText(), QString("\"1000 m3\" is not a valid number."));
        QCOMPARE(settings->options().barometric_pa, 95000.5);
        QCOMPARE(c.window.readoutPanel()->title(), QString("Air properties"));
    }
};

QTEST_MAIN(IxChartTest)
#include "humidair_chart_test.moc"
