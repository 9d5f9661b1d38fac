#pragma once

#include "ui/windows.h"

#include <QObject>

#include <memory>
#include <vector>

namespace kalvintera {

struct Program;
struct LanguageFiles;

// Creates every window of the program once, splash first and main window second, and
// owns them until the end.
class ProgramWindows {
public:
    explicit ProgramWindows(Program& program);
    ~ProgramWindows();

    Windows& windows() { return windows_; }

    // The splash sequence: reads the database date, the settings and the language, and
    // fills the windows that show them. False when the device database is missing (the
    // user has been told; the program ends).
    bool start();

    // After the splash's progress: the main window comes up.
    void showMainWindow();

private:
    // The settings file into the program; an unreadable one is reported and left alone.
    void readSettings();
    // The language file of the saved language; a missing or unreadable one is reported
    // and the built-in Polish texts stay.
    void readLanguageFile(const LanguageFiles& files);
    // The signals by which one window tells another that something changed.
    void connectWindows();

    Program& program_;
    Windows windows_;
    std::vector<std::unique_ptr<QObject>> owned_;
};

} // namespace kalvintera
