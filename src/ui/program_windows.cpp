#include "ui/program_windows.h"

#include "ui/schedule/schedule_window.h"

#include "core/shell/file_io.h"
#include "core/shell/language_table.h"
#include "core/shell/settings.h"
#include "core/shell/shell_lines.h"
#include "core/errors.h"
#include "core/text/message_format.h"
#include "core/text/number_format.h"
#include "ui/common/error_text.h"
#include "ui/calculators/air_balance_window.h"
#include "ui/calculators/control_element_window.h"
#include "ui/details/characteristic_chart_window.h"
#include "ui/details/details_window.h"
#include "ui/details/sound_level_window.h"
#include "ui/details/transposed_window.h"
#include "ui/ductloss/fitting_chooser.h"
#include "ui/ductloss/fitting_dialog.h"
#include "ui/ductloss/pressure_loss_window.h"
#include "ui/humidair/air_calculator_help.h"
#include "ui/humidair/air_calculator_window.h"
#include "ui/humidair/ix_chart_window.h"
#include "ui/order/order_commands.h"
#include "ui/order/order_view.h"
#include "ui/program.h"
#include "ui/selection/arrangement_dialog.h"
#include "ui/selection/gravity_scheme_window.h"
#include "ui/selection/quantity_dialog.h"
#include "ui/selection/selection_window.h"
#include "ui/shell/about_window.h"
#include "ui/shell/awards_window.h"
#include "ui/shell/hardware_window.h"
#include "ui/shell/main_menu.h"
#include "ui/shell/main_window.h"
#include "ui/shell/map_window.h"
#include "ui/shell/news_window.h"
#include "ui/shell/order_form_tab.h"
#include "ui/shell/picture_window.h"
#include "ui/shell/products_tab.h"
#include "ui/shell/settings_tab.h"
#include "ui/shell/splash_window.h"
#include "ui/shell/tools_tab.h"
#include "ui/shell/update_tab.h"

#include <algorithm>

namespace kalvintera {
namespace {

// Messages before the main window has taken its title from the language file.
const QString kStartTitle = QStringLiteral("KALVINTERA info");

template <typename Window>
Window* Create(std::vector<std::unique_ptr<QObject>>& owned, Windows& windows, Window* window)
{
    owned.emplace_back(window);
    if constexpr (std::is_base_of_v<Translatable, Window>) windows.translatable.push_back(window);
    return window;
}

// The calculators are reached from the menu, the tools tab and the selection window.
void ConnectCalculators(Windows& windows)
{
    MainWindow* main = windows.main;
    AirBalanceWindow* air_balance = windows.airBalance;
    ControlElementWindow* control_elements = windows.controlElements;
    auto open_air_balance = [main, air_balance] { main->runDialog([air_balance] { air_balance->showModal(); }); };
    auto open_control_elements = [main, control_elements] {
        main->runDialog([control_elements] { control_elements->showModal(); });
    };
    QObject::connect(&main->menu(), &MainMenu::airBalanceCalculator, air_balance, open_air_balance);
    QObject::connect(&main->menu(), &MainMenu::controlElementCalculator, control_elements, open_control_elements);
    QObject::connect(&main->toolsTab(), &ToolsTab::toolRequested, air_balance, [=](ToolsTab::Tool tool) {
        if (tool == ToolsTab::Tool::AirBalance) open_air_balance();
        if (tool == ToolsTab::Tool::ControlElements) open_control_elements();
    });
    // "Kalkulator V" opens over the selection window, which stays open below it.
    QObject::connect(windows.selection, &SelectionWindow::flowCalculatorRequested, air_balance,
                     [air_balance] { air_balance->showModal(); });
    QObject::connect(air_balance, &AirBalanceWindow::resultCopied, windows.selection, &SelectionWindow::setFlowText);
    control_elements->setDensitySource([main] { return main->settingsTab().densityText(); });

    QObject::connect(&main->updateTab(), &UpdateTab::closeProgramRequested, main, &QWidget::close);

    // The fan schedule: from the menu, the tools tab and the selection window.
    ScheduleWindow* schedule = windows.schedule;
    auto open_schedule = [main, schedule] { main->runDialog([schedule] { schedule->showModal(); }); };
    QObject::connect(&main->menu(), &MainMenu::fanSchedule, schedule, open_schedule);
    QObject::connect(&main->toolsTab(), &ToolsTab::toolRequested, schedule, [=](ToolsTab::Tool tool) {
        if (tool == ToolsTab::Tool::Schedule) open_schedule();
    });
    QObject::connect(windows.selection, &SelectionWindow::scheduleRequested, schedule, [schedule] { schedule->showModal(); });
    QObject::connect(schedule, &ScheduleWindow::detailsRequested, windows.details, &DetailsWindow::openDetails);
    QObject::connect(schedule, &ScheduleWindow::orderLinesAdded, windows.orderCommands, &OrderCommands::showAddedLine);
}

// The details window opens over whichever window asked for it: the selection window keeps
// it to itself, the main window runs its activation after it.
void ConnectDetails(Windows& windows)
{
    MainWindow* main = windows.main;
    DetailsWindow* details = windows.details;
    QObject::connect(windows.selection, &SelectionWindow::detailsRequested, details, &DetailsWindow::openDetails);
    QObject::connect(&main->productsTab(), &ProductsTab::detailsRequested, details,
                     [main, details](const QString& caption) {
                         main->runDialog([details, caption] { details->openWithCaption(caption); });
                     });
    QObject::connect(windows.orderCommands, &OrderCommands::detailsRequested, details,
                     [main, details] { main->runDialog([details] { details->openDetails(); }); });
    QObject::connect(details, &DetailsWindow::orderLineAdded, windows.orderCommands, &OrderCommands::showAddedLine);

    ControlElementWindow* control_elements = windows.controlElements;
    QObject::connect(windows.pressureChart, &CharacteristicChartWindow::throttled, control_elements,
                     &ControlElementWindow::prefillFromThrottling);
    QObject::connect(windows.pressureChart, &CharacteristicChartWindow::controlElementCalculatorRequested,
                     control_elements, [control_elements] { control_elements->showModal(); });
}

// The pressure-loss calculator is reached from the menu, the tools tab and the selection
// window's "Kalkulator dp"; its total goes to the selection's pressure field, and the
// settings' roughness to its fitting dialog.
void ConnectPressureLoss(Windows& windows)
{
    MainWindow* main = windows.main;
    PressureLossWindow* calculator = windows.pressureLoss;
    auto open = [main, calculator] { main->runDialog([calculator] { calculator->showModal(); }); };
    QObject::connect(&main->menu(), &MainMenu::pressureLossCalculator, calculator, open);
    QObject::connect(&main->toolsTab(), &ToolsTab::toolRequested, calculator, [open](ToolsTab::Tool tool) {
        if (tool == ToolsTab::Tool::PressureLoss) open();
    });
    QObject::connect(windows.selection, &SelectionWindow::pressureCalculatorRequested, calculator,
                     [calculator] { calculator->showModal(); });
    QObject::connect(calculator, &PressureLossWindow::totalToFanSelection, windows.selection,
                     &SelectionWindow::setPressureText);
    QObject::connect(&main->settingsTab(), &SettingsTab::roughnessChanged, windows.fittingDialog,
                     &FittingDialog::takeSettingsRoughness);
    QObject::connect(&main->settingsTab(), &SettingsTab::roughnessBoxToggled, windows.fittingDialog,
                     &FittingDialog::chooseOwnMaterial);
}

// The humid-air calculator comes from the tools menu and, with the IX chart, from the
// tools tab's pop-up.
void ConnectHumidAir(Windows& windows)
{
    MainWindow* main = windows.main;
    AirCalculatorWindow* calculator = windows.airCalculator;
    IxChartWindow* chart = windows.ixChart;
    auto open_calculator = [main, calculator] { main->runDialog([calculator] { calculator->showModal(); }); };
    QObject::connect(&main->menu(), &MainMenu::humidAirCalculator, calculator, open_calculator);
    QObject::connect(&main->toolsTab(), &ToolsTab::toolRequested, chart, [=](ToolsTab::Tool tool) {
        if (tool == ToolsTab::Tool::HumidAirCalculator) open_calculator();
        if (tool == ToolsTab::Tool::HumidAirChart) main->runDialog([chart] { chart->showModal(); });
    });
}

} // namespace

ProgramWindows::ProgramWindows(Program& program) : program_(program)
{
    windows_.splash = Create(owned_, windows_, new SplashWindow(program));
    windows_.main = Create(owned_, windows_, new MainWindow(program, windows_));
    QWidget* parent = windows_.main;
    windows_.selection = Create(owned_, windows_, new SelectionWindow(program, parent));
    windows_.quantity = Create(owned_, windows_, new QuantityDialog(program, parent));
    windows_.arrangement = Create(owned_, windows_, new ArrangementDialog(program, parent));
    windows_.gravityScheme = Create(owned_, windows_, new GravitySchemeWindow(program, parent));
    windows_.selection->setDialogs({windows_.quantity, windows_.arrangement, windows_.gravityScheme});
    windows_.map = Create(owned_, windows_, new MapWindow(program, parent));
    windows_.about = Create(owned_, windows_, new AboutWindow(program, parent));
    windows_.awards = Create(owned_, windows_, new AwardsWindow(program, parent));
    windows_.hardware = Create(owned_, windows_, new HardwareWindow(program, parent));
    windows_.news = Create(owned_, windows_, new NewsWindow(program, parent));
    windows_.picture = Create(owned_, windows_, new PictureWindow(program, parent));
    windows_.orderView = PlaceOrderView(program, windows_.main->orderFormTab().orderListArea());
    windows_.translatable.push_back(windows_.orderView);
    windows_.orderCommands = Create(owned_, windows_, new OrderCommands(program, windows_, *windows_.orderView));
    windows_.airBalance = Create(owned_, windows_, new AirBalanceWindow(program, parent));
    windows_.schedule = Create(owned_, windows_, new ScheduleWindow(program, parent));
    windows_.schedule->setSelectionWindow(windows_.selection);
    windows_.controlElements = Create(owned_, windows_, new ControlElementWindow(program, parent));
    windows_.details = Create(owned_, windows_, new DetailsWindow(program, parent));
    const auto new_chart = [&](CharacteristicKind kind) { return new CharacteristicChartWindow(program, kind, parent); };
    windows_.pressureChart = Create(owned_, windows_, new_chart(CharacteristicKind::Pressure));
    windows_.powerChart = Create(owned_, windows_, new_chart(CharacteristicKind::Power));
    windows_.efficiencyChart = Create(owned_, windows_, new_chart(CharacteristicKind::Efficiency));
    windows_.transposedParameters = Create(owned_, windows_, new TransposedParametersWindow(program, parent));
    windows_.spectrum = Create(owned_, windows_, new SpectrumWindow(program, parent));
    for (CharacteristicChartWindow* chart : {windows_.pressureChart, windows_.powerChart, windows_.efficiencyChart}) {
        chart->setSelectionWindow(windows_.selection);
    }
    windows_.pressureChart->setTransposedWindow(windows_.transposedParameters);
    windows_.details->setDialogs({windows_.selection, windows_.quantity, windows_.picture, windows_.pressureChart,
                                  windows_.powerChart, windows_.efficiencyChart, windows_.spectrum});
    windows_.pressureLoss = Create(owned_, windows_, new PressureLossWindow(program, parent));
    windows_.fittingChooser = Create(owned_, windows_, new FittingChooser(program, parent));
    windows_.fittingDialog = Create(owned_, windows_, new FittingDialog(program, parent));
    windows_.fittingChooser->setFittingDialog(windows_.fittingDialog);
    windows_.pressureLoss->setDialogs(windows_.fittingChooser, windows_.fittingDialog);
    windows_.airCalculatorHelp = Create(owned_, windows_, new AirCalculatorHelp(program, parent));
    windows_.airCalculator = Create(owned_, windows_, new AirCalculatorWindow(program, *windows_.airCalculatorHelp, parent));
    windows_.ixChart = Create(owned_, windows_, new IxChartWindow(program, parent));
    connectWindows();
}

void ProgramWindows::connectWindows()
{
    // Choosing either flow unit empties the selection's result lists.
    QObject::connect(&windows_.main->settingsTab(), &SettingsTab::flowUnitChanged, windows_.selection,
                     &SelectionWindow::emptyResultLists);

    OrderCommands* order = windows_.orderCommands;
    const MainMenu* menu = &windows_.main->menu();
    QObject::connect(menu, &MainMenu::newOrder, order, &OrderCommands::newOrder);
    QObject::connect(menu, &MainMenu::openOrder, order, &OrderCommands::openOrder);
    QObject::connect(menu, &MainMenu::saveOrder, order, &OrderCommands::saveOrder);
    QObject::connect(menu, &MainMenu::printerSetup, order, &OrderCommands::printerSetup);
    QObject::connect(menu, &MainMenu::printOrder, order, &OrderCommands::printOrder);
    QObject::connect(menu, &MainMenu::sendOrder, order, &OrderCommands::sendOrder);
    QObject::connect(&windows_.main->orderFormTab(), &OrderFormTab::sendRequested, order, &OrderCommands::sendOrder);
    QObject::connect(&windows_.main->orderFormTab(), &OrderFormTab::datasheetsRequested, order,
                     &OrderCommands::saveDatasheets);
    QObject::connect(windows_.selection, &SelectionWindow::orderLineAdded, order, &OrderCommands::showAddedLine);

    ConnectCalculators(windows_);
    ConnectDetails(windows_);
    ConnectPressureLoss(windows_);
    ConnectHumidAir(windows_);
}

ProgramWindows::~ProgramWindows()
{
    // Dialogs are children of the main window: release them before it, in reverse order.
    while (!owned_.empty()) {
        owned_.back().reset();
        owned_.pop_back();
    }
}

bool ProgramWindows::start()
{
    if (!program_.fileExists("urzadzenia.dbx")) {
        program_.prompter.showInfo("Nie znaleziono pliku bazy danych - aplikacja zostanie zamknięta", "KALVINTERA info");
        return false;
    }
    windows_.splash->setDatabaseDate(QString::fromStdString(FileTimeText(program_.path("urzadzenia.dbx"), program_.dates)));

    readSettings();
    windows_.main->showSettings();
    windows_.selection->setDutyPointTexts(QString::fromStdString(program_.settings.vWent),
                                          QString::fromStdString(program_.settings.dpWent));
    const QString version = QString::fromStdString(FormatShortest(program_.settings.version, program_.numbers));
    windows_.splash->setVersionText(version);
    windows_.about->setVersionText(version);

    program_.StartDate = program_.platform.clock.today();
    try {
        // A settings file may hold any number; beyond a century the reminder simply never comes.
        const long long days = ParseInteger(program_.settings.dateDistance);
        program_.updateIntervalDays = static_cast<int>(std::clamp<long long>(days, 0, 36500));
    } catch (const ConversionError&) {
        program_.updateIntervalDays = 60; // the interval the list offers by default
    }

    if (const auto files = FilesForLanguage(program_.settings.language)) {
        readLanguageFile(*files);
        windows_.main->loadCompanyDescription();
    }
    windows_.main->useQtTexts();
    return true;
}

void ProgramWindows::readSettings()
{
    const std::filesystem::path file = program_.path(kSettingsFileName);
    try {
        program_.settings = ReadSettings(file, program_.numbers, program_.dates);
    } catch (const KalvinteraError& error) {
        // The program still starts, on the defaults; what the file holds stays for the user
        // to recover instead of being overwritten with them at exit.
        program_.settings = Settings{};
        program_.keepSettingsFile = true;
        program_.prompter.showInfo(UserErrorText(error, program_.language) + "\n"
                                       + QString::fromStdString(FormatMessage(
                                           program_.language.line(shell_line::kSettingsKept), {PathText(file)})),
                                   kStartTitle);
    }
}

void ProgramWindows::readLanguageFile(const LanguageFiles& files)
{
    const std::filesystem::path file = program_.path(files.languageFile);
    std::error_code ignored;
    if (!std::filesystem::exists(file, ignored)) {
        program_.prompter.showInfo(QString::fromStdString(FormatMessage(
                                       program_.language.line(shell_line::kLanguageFileMissing), {PathText(file)})),
                                   kStartTitle);
        return;
    }
    try {
        program_.language.load(file, files.codePage);
        windows_.splash->applySplashTexts(program_.language);
    } catch (const KalvinteraError& error) {
        windows_.main->reportOnce(error); // the activation finds the same fault again
    }
}

void ProgramWindows::showMainWindow()
{
    windows_.main->activate();
}

} // namespace kalvintera
