// Saves a picture of every window of the program, as a user sees it on the sample data,
// into the folder given as the first argument: for looking at what was built and for the README.
// Usage: kalvintera-screenshots OUTDIR [LANGUAGE]   (run under xvfb-run or offscreen)

#include "support/fakes.h"
#include "support/test_data_folder.h"
#include "ui/calculators/air_balance_inputs.h"
#include "ui/calculators/air_balance_window.h"
#include "ui/calculators/control_element_window.h"
#include "ui/program.h"
#include "ui/order/order_view.h"
#include "ui/program_windows.h"
#include "ui/details/characteristic_chart_window.h"
#include "ui/details/details_window.h"
#include "ui/details/sound_level_window.h"
#include "ui/details/transposed_window.h"
#include "ui/details/value_table.h"
#include "ui/ductloss/fitting_chooser.h"
#include "ui/ductloss/fitting_dialog.h"
#include "ui/ductloss/pressure_loss_window.h"
#include "core/humidair/chart_file.h"
#include "core/humidair/chart_points.h"
#include "ui/humidair/air_calculator_help.h"
#include "ui/humidair/air_calculator_window.h"
#include "ui/humidair/ix_chart_settings_dialog.h"
#include "ui/humidair/ix_chart_window.h"
#include "ui/humidair/point_data_dialog.h"
#include "ui/humidair/process_dialog.h"
#include "ui/humidair/process_list_window.h"
#include "ui/selection/cylindrical_tab.h"
#include "ui/selection/integrated_tab.h"
#include "ui/selection/selection_window.h"
#include "ui/shell/about_window.h"
#include "ui/shell/awards_window.h"
#include "ui/shell/hardware_window.h"
#include "ui/shell/main_window.h"
#include "ui/shell/map_window.h"
#include "ui/shell/news_window.h"
#include "ui/shell/splash_window.h"
#include "ui/shell/update_tab.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>

#include <tuple>

using namespace kalvintera;
using namespace kalvintera::testing;

namespace {

void Save(QWidget* window, const QString& folder, const QString& name)
{
    window->show();
    QApplication::processEvents();
    window->grab().save(folder + "/" + name + ".png");
    window->hide();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc < 2) return 2;
    const QString folder = argv[1];
    QDir().mkpath(folder);
    TestDataFolder data;
    FakePlatform platform;
    ScriptedPrompter prompter;
    Program program(DataFolder(data.root()), LocaleFormats{}, platform.services, prompter);
    ProgramWindows all(program);
    Windows& windows = all.windows();
    windows.main->setAnimated(false);
    if (!all.start()) return 1;
    Save(windows.splash, folder, "splash");
    windows.main->activate();
    if (argc > 2) windows.main->switchLanguage(QString(argv[2]).toInt());
    QTabWidget& tabs = windows.main->tabs();
    for (int i = 0; i < tabs.count(); ++i) {
        tabs.setCurrentIndex(i);
        Save(windows.main, folder, QString("main-tab%1").arg(i));
    }
    Save(windows.map, folder, "map");
    Save(windows.about, folder, "about");
    Save(windows.awards, folder, "awards");
    Save(windows.hardware, folder, "hardware");
    Save(windows.news, folder, "news");
    // The selection window with results on each tab, as after pressing Enter.
    auto* flow = windows.selection->findChild<QLineEdit*>("flow");
    windows.selection->setDutyPointTexts("1200", "150");
    windows.selection->show();
    if (flow) QTest::keyClick(flow, Qt::Key_Return);
    Save(windows.selection, folder, "selection-fans");
    windows.selection->tabs()->setCurrentIndex(SelectionWindow::IntegratedVentilatorsTab);
    windows.selection->integrated()->search();
    Save(windows.selection, folder, "selection-integrated");
    windows.selection->tabs()->setCurrentIndex(SelectionWindow::CylindricalVentilatorsTab);
    windows.selection->cylindrical()->search();
    Save(windows.selection, folder, "selection-cylindrical");

    // The details of KDH-355 as found by the fan search above, every tab, its charts with the
    // operating point, both regulations and the acoustic spectrum.
    windows.selection->tabs()->setCurrentIndex(SelectionWindow::FansTab);
    windows.selection->show();
    if (flow) QTest::keyClick(flow, Qt::Key_Return);
    windows.selection->hide();
    if (const auto kdh = FindDeviceByModel(program.devices, "KDH-355")) {
        program.CurrentDevice = program.devices.at(*kdh);
        program.OpenedFromFanSelection = true;
        program.OpenedFromCatalogue = false;
        program.SelectedCandidatePower = 90;
        program.fadeEnabled = false;
        windows.details->show();
        for (int tab = 0; tab < windows.details->tabs()->count(); ++tab) {
            windows.details->tabs()->setCurrentIndex(tab);
            QApplication::processEvents();
            windows.details->grab().save(folder + QString("/details-tab%1.png").arg(tab));
        }
        // The end of the technical data: the operating point and energy figures.
        windows.details->tabs()->setCurrentIndex(DetailsWindow::TechnicalTab);
        windows.details->technicalTable()->scrollToBottom();
        QApplication::processEvents();
        windows.details->grab().save(folder + "/details-technical-end.png");
        windows.details->hide();
        Save(windows.pressureChart, folder, "chart-pressure");
        Save(windows.powerChart, folder, "chart-power");
        Save(windows.efficiencyChart, folder, "chart-efficiency");
        const auto regulated = [&](const QString& name, void (CharacteristicChartWindow::*regulate)()) {
            windows.pressureChart->show();
            (windows.pressureChart->*regulate)();
            QApplication::processEvents();
            windows.pressureChart->grab().save(folder + "/" + name + ".png");
        };
        regulated("chart-pressure-throttled", &CharacteristicChartWindow::throttle);
        regulated("chart-pressure-speed", &CharacteristicChartWindow::changeSpeed);
        windows.transposedParameters->fill(windows.pressureChart->lastSpeedChange());
        Save(windows.transposedParameters, folder, "transposed-parameters");
        windows.pressureChart->reject();
        Save(windows.spectrum, folder, "spectrum");
    }

    // The order form with the lines a customer would put together: six lines, so the list scrolls.
    {
        const char* models[] = {"KDH-355", "KDH-400", "KDH-250", "KDH-315", "KDH-450", "KDH-355"};
        for (const char* model : models) {
            const auto index = FindDeviceByModel(program.devices, model);
            if (!index) continue;
            OrderLine line;
            line.DeviceIndex = static_cast<std::int32_t>(*index);
            line.Quantity = "2";
            line.Execution = "standard";
            line.Colour = "RAL 7035";
            line.Arrangement = "-";
            line.Voltage = "230V";
            (void)program.order.append(line);
        }
        program.orderChanged = true;
        windows.orderView->showOrder();
        tabs.setCurrentIndex(static_cast<int>(MainTab::OrderForm));
        Save(windows.main, folder, "order-form");
    }

    // The pressure-loss calculator with a run of a straight duct, an elbow, a tee and a
    // grille, its chooser, and the fitting dialog of a tee and of an elbow.
    {
        FittingDialog& fitting = *windows.fittingDialog;
        const auto add = [&](int kind, const std::vector<std::pair<const char*, QString>>& texts, bool commit) {
            fitting.prepareToAdd(kind, windows.fittingChooser->kindName(kind));
            for (const auto& [name, text] : texts) {
                if (auto* edit = fitting.findChild<QLineEdit*>(QString::fromLatin1(name))) {
                    edit->selectAll();
                    QTest::keyClick(edit, Qt::Key_Backspace);
                    QTest::keyClicks(edit, text);
                }
            }
            if (commit) fitting.confirm();
        };
        add(1, {{"flow", "800"}}, true);
        add(2, {}, true);
        add(4, {{"flow", "800"}, {"branchFlow", "300"}}, true);
        add(9, {{"additionalLoss", "15"}}, true);
        Save(windows.pressureLoss, folder, "pressure-loss");
        Save(windows.fittingChooser, folder, "fitting-chooser");
        add(4, {{"flow", "800"}, {"branchFlow", "300"}}, false);
        Save(&fitting, folder, "fitting-dialog-tee");
        add(11, {{"flow", "1200"}}, false);
        Save(&fitting, folder, "fitting-dialog-elbow");
    }

    // The calculators with a result, and the update tab after a check found a newer version.
    AirBalanceWindow& air_balance = *windows.airBalance;
    AirChangesGroup* rooms = air_balance.airChangesGroup();
    rooms->length()->setText("10");
    rooms->width()->setText("8");
    rooms->height()->setText("4");
    rooms->industrialList()->setCurrentRow(4);
    air_balance.computeAirChanges();
    Save(&air_balance, folder, "air-balance");
    air_balance.chooseMethod(AirBalanceWindow::Method::Dwelling);
    Save(&air_balance, folder, "air-balance-dwelling");
    ControlElementWindow& control = *windows.controlElements;
    control.prefillFromThrottling(100, 500.0 / 3600);
    control.sizeEdit()->setText("200");
    control.compute();
    Save(&control, folder, "control-element");
    control.chooseSection(DuctSection::Rectangular);
    control.sizeEdit()->setText("400");
    control.sideBEdit()->setText("200");
    control.compute();
    Save(&control, folder, "control-element-rectangular");
    platform.http.answers["http://update.test/kalvintera/kalvintera_update.txt"].body =
        "2.3\r\n\r\nhttp://update.test/setup.exe\r\n";
    platform.http.answers["http://update.test/setup.exe"].body = std::string(300000, 'x');
    UpdateTab& update = windows.main->updateTab();
    update.setServerAddress("http://update.test");
    tabs.setCurrentIndex(9);
    update.checkForUpdate();
    Save(windows.main, folder, "update-step2");
    platform.http.after_read = [&](long long bytes) {
        if (bytes == 150 * 1024) Save(windows.main, folder, "update-downloading");
    };
    update.downloadUpdate();
    Save(windows.main, folder, "update-step3");
    // The humid-air calculator after t = 20 °C and φ = 50 %, its help, and the IX chart
    // with three points and two processes read from a chart file.
    AirCalculatorWindow& air = *windows.airCalculator;
    QTest::keyClicks(air.field(AirField::Temperature), "20");
    QTest::keyClicks(air.field(AirField::Humidity), "50");
    air.show();
    air.calculate();
    Save(&air, folder, "air-calculator");
    Save(windows.airCalculatorHelp, folder, "air-calculator-help");
    {
        std::vector<ChartPoint> points;
        for (const auto& [name, x, t] : {std::tuple{"Zewn.", "3", "-5"}, std::tuple{"Po nagrz.", "3", "22"},
                                         std::tuple{"Nawilż.", "8", "21"}}) {
            PointDataTexts typed;
            typed.name = name;
            typed.moisture_gkg = x;
            typed.temperature = t;
            const auto shown = ComputePointData(typed, PointDataInput::Temperature, 101300, program.numbers);
            points.push_back(PointFromDataTexts(*shown, 101300, program.numbers));
        }
        WriteChartFiles(data / "przyklad.ixc", points,
                        {{"OGRZEWANIE", "Zewn.", "Po nagrz.", true}, {"NAWILŻANIE", "Po nagrz.", "Nawilż.", true}});
    }
    IxChartWindow& chart = *windows.ixChart;
    prompter.file_names = {QString::fromStdString((data / "przyklad.ixc").string())};
    chart.show();
    chart.action("openChart")->trigger();
    chart.pointerAt(chart.geometry().width / 2, chart.geometry().height / 2);
    Save(&chart, folder, "ix-chart");
    chart.show();
    Save(chart.settingsDialog(), folder, "ix-chart-settings");
    Save(chart.processList(), folder, "ix-chart-processes");
    Save(chart.processDialog(), folder, "ix-chart-process");
    PointDataDialog& point = *chart.pointDataDialog();
    QTest::keyClicks(point.field(PointDataDialog::Field::Name), "Punkt");
    QTest::keyClicks(point.field(PointDataDialog::Field::Moisture), "10");
    QTest::keyClicks(point.field(PointDataDialog::Field::Temperature), "20");
    Save(&point, folder, "ix-chart-point");
    chart.hide();
    return 0;
}
