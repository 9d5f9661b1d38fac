#include "ui/common/error_handler.h"

#include "core/errors.h"
#include "ui/common/program_style.h"

#include <exception>

namespace kalvintera {

ProgramApplication::ProgramApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // Every window of the program, and each of its scroll bars, takes the program's look.
    setStyle(new ProgramStyle);
}

void ProgramApplication::runGuarded(const std::function<void()>& action, const Reporter& reporter,
                                    const Describer& describer)
{
    try {
        action();
    } catch (const std::exception& error) {
        if (reporter) reporter(describer ? describer(error) : QString::fromStdString(error.what()));
    }
}

bool ProgramApplication::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    runGuarded([&] { handled = QApplication::notify(receiver, event); }, reporter_, describer_);
    return handled;
}

} // namespace kalvintera
