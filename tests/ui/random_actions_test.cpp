// The whole program on a scratch copy of the sample data, driven by thousands of random user
// actions with a fixed seed: clicks on enabled widgets, menu items, texts of every kind in
// fields, Enter and Esc, list items, opening and closing windows, saving and reopening
// files. Whatever the user does, the program must not crash, hang, raise an error that is
// not one of its own, or show a message without text.
//
//   KALVINTERA_RANDOM_ACTIONS  number of actions (default 5000)
//   KALVINTERA_RANDOM_SEED     seed of the run (default 20261209)
//   KALVINTERA_RANDOM_TRACE    1: print every action as it is done

#include "core/errors.h"
#include "support/fakes.h"
#include "support/random_user.h"
#include "support/test_data_folder.h"
#include "ui/common/error_handler.h"
#include "ui/common/error_text.h"
#include "ui/program.h"
#include "ui/program_windows.h"
#include "ui/shell/main_window.h"

#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <typeinfo>

using namespace kalvintera;
using namespace kalvintera::testing;

namespace {

long EnvironmentNumber(const char* name, long fallback)
{
    const char* text = std::getenv(name);
    if (!text || !*text) return fallback;
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    return end && *end == '\0' && value > 0 ? value : fallback;
}

// The offscreen platform's notes on what it cannot do would bury the run's own output.
void QuietPlatformNotes(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    std::fprintf(stderr, "%s%s\n", type == QtWarningMsg ? "Qt: " : "", message.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietPlatformNotes);
    ProgramApplication application(argc, argv);
    const long actions = EnvironmentNumber("KALVINTERA_RANDOM_ACTIONS", 5000);
    const auto seed = static_cast<unsigned>(EnvironmentNumber("KALVINTERA_RANDOM_SEED", 20261209));
    const bool trace = EnvironmentNumber("KALVINTERA_RANDOM_TRACE", 0) == 1;

    TestDataFolder folder;
    FakePlatform platform;
    RandomUser user(seed, actions, folder.root(), trace);
    Program program(DataFolder(folder.root()), LocaleFormats{}, platform.services, user.prompter());

    application.setErrorReporter(
        [&](const QString& message) {
            if (message.trimmed().isEmpty()) user.fault("an error message without text");
        },
        [&](const std::exception& error) {
            if (!dynamic_cast<const KalvinteraError*>(&error)) {
                user.fault(std::string("an error the program does not know: ") + typeid(error).name() + ": "
                           + error.what());
            }
            return UserErrorText(error, program.language);
        });

    ProgramWindows all(program);
    Windows& windows = all.windows();
    windows.main->setAnimated(false);
    if (!all.start()) {
        std::fprintf(stderr, "the program did not start on the sample data\n");
        return 1;
    }
    // The user is there before the main window comes up: its start may already ask something.
    user.run(*windows.main);
    all.showMainWindow();
    application.exec();

    std::printf("%ld random actions (seed %u): %zu messages shown, %zu faults\n", user.actionsDone(), seed,
                user.messagesShown(), user.faults().size());
    for (const std::string& fault : user.faults()) std::printf("FAULT: %s\n", fault.c_str());
    return user.faults().empty() ? 0 : 1;
}
