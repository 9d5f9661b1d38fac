// Kalvintera: the selection program for Kalvintera's ventilation products. The working
// directory at start is the data folder.

#include "platform/system_locale.h"
#include "ui/common/error_handler.h"
#include "ui/common/error_text.h"
#include "ui/program.h"
#include "ui/program_windows.h"
#include "ui/shell/splash_window.h"

#include <QDir>
#include <QGuiApplication>
#include <QTimer>

using namespace kalvintera;

int main(int argc, char** argv)
{
    ProgramApplication application(argc, argv);
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("kalvintera"));
    QtDesktop desktop;
    QtConnectivity connectivity;
    SystemClock clock;
    XdgEmailClient mail;
    QtPrinter printer;
    QtHttpDownload http;
    PlatformServices platform{desktop, connectivity, clock, mail, printer, http};
    QtPrompter prompter;
    Program program(DataFolder(QDir::currentPath().toStdString()), SystemLocaleFormats(), platform, prompter);
    application.setErrorReporter(
        [&program](const QString& message) {
            program.prompter.showInfo(message, QString::fromStdString(program.MessageTitle));
        },
        [&program](const std::exception& error) { return UserErrorText(error, program.language); });

    ProgramWindows all(program);
    Windows& windows = all.windows();
    windows.splash->show();
    if (!all.start()) return 0;
    // The splash stays a second, runs its progress, and hands over to the main window.
    QTimer::singleShot(1000, windows.splash, [&] {
        windows.splash->runProgress();
        all.showMainWindow();
    });
    return application.exec();
}
