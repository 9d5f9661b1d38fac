#pragma once

#include <QApplication>

#include <functional>

namespace kalvintera {

// The general error handler: an error raised inside a user action (a text that is not a
// number, a file that cannot be read or written) ends that action with a message box,
// and the program goes on with the state reached so far.
class ProgramApplication : public QApplication {
    Q_OBJECT
public:
    using Reporter = std::function<void(const QString& message)>;
    // Turns an error into the message the user reads; without one, the error's own text.
    using Describer = std::function<QString(const std::exception& error)>;

    ProgramApplication(int& argc, char** argv);

    void setErrorReporter(Reporter reporter, Describer describer = {})
    {
        reporter_ = std::move(reporter);
        describer_ = std::move(describer);
    }

    bool notify(QObject* receiver, QEvent* event) override;

    // Runs `action` the way an event handler runs: errors are reported, not thrown.
    static void runGuarded(const std::function<void()>& action, const Reporter& reporter,
                           const Describer& describer = {});

private:
    Reporter reporter_;
    Describer describer_;
};

} // namespace kalvintera
