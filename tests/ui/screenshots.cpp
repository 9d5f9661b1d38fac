// Saves a picture of every window of the program, as a user sees it on the sample data,
// into the folder given as the first argument: for looking at what was built and for the README.
// Usage: kalvintera-screenshots OUTDIR [LANGUAGE]   (run under xvfb-run or offscreen)

#include "support/fakes.h"
#include "support/test_data_folder.h"
#include "ui/program.h"
#include "ui/program_windows.h"
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

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

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
    return 0;
}
