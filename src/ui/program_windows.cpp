#include "ui/program_windows.h"

#include "core/shell/language_table.h"
#include "core/shell/settings.h"
#include "core/errors.h"
#include "core/text/number_format.h"
#include "ui/program.h"
#include "ui/selection/arrangement_dialog.h"
#include "ui/selection/gravity_scheme_window.h"
#include "ui/selection/quantity_dialog.h"
#include "ui/selection/selection_window.h"
#include "ui/shell/about_window.h"
#include "ui/shell/awards_window.h"
#include "ui/shell/hardware_window.h"
#include "ui/shell/main_window.h"
#include "ui/shell/map_window.h"
#include "ui/shell/news_window.h"
#include "ui/shell/picture_window.h"
#include "ui/shell/settings_tab.h"
#include "ui/shell/splash_window.h"

namespace kalvintera {
namespace {

template <typename Window>
Window* Create(std::vector<std::unique_ptr<QObject>>& owned, Windows& windows, Window* window)
{
    owned.emplace_back(window);
    if constexpr (std::is_base_of_v<Translatable, Window>) windows.translatable.push_back(window);
    return window;
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
    connectWindows();
}

void ProgramWindows::connectWindows()
{
    // Choosing either flow unit empties the selection's result lists.
    QObject::connect(&windows_.main->settingsTab(), &SettingsTab::flowUnitChanged, windows_.selection,
                     &SelectionWindow::emptyResultLists);
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

    program_.settings = ReadSettings(program_.path(kSettingsFileName), program_.numbers, program_.dates);
    windows_.main->showSettings();
    windows_.selection->setDutyPointTexts(QString::fromStdString(program_.settings.vWent),
                                          QString::fromStdString(program_.settings.dpWent));
    const QString version = QString::fromStdString(FormatShortest(program_.settings.version, program_.numbers));
    windows_.splash->setVersionText(version);
    windows_.about->setVersionText(version);

    program_.StartDate = program_.platform.clock.today();
    try {
        program_.updateIntervalDays = static_cast<int>(ParseInteger(program_.settings.dateDistance));
    } catch (const ConversionError&) {
        program_.updateIntervalDays = 60; // the interval the list offers by default
    }

    if (const auto files = FilesForLanguage(program_.settings.language)) {
        if (program_.fileExists(files->languageFile)) {
            program_.language.load(program_.path(files->languageFile), files->codePage);
            windows_.splash->applySplashTexts(program_.language);
        }
        windows_.main->loadCompanyDescription();
    }
    return true;
}

void ProgramWindows::showMainWindow()
{
    windows_.main->activate();
}

} // namespace kalvintera
