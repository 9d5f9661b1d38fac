#pragma once

#include "ui/common/language_texts.h"

#include <QKeySequence>
#include <QObject>

#include <array>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;

namespace kalvintera {

struct Program;

// The menu bar of the main window: "   Plik...", "  Narzędzia   ", "   Opcje   ", "Pomoc",
// "   Język   " and "  Katalog produktów". What each command does is the main window's;
// this class only builds the menus and keeps their captions in the current language.
class MainMenu final : public QObject, public Translatable {
    Q_OBJECT
public:
    MainMenu(Program& program, QMenuBar* bar);

    void applyLanguage(const LanguageTable& table) override;
    // The language items show each language's own name; the current one is checked and
    // followed by " •".
    void markLanguage(const LanguageTable& table, int current_language);

    QAction* action(const QString& object_name) const;

signals:
    void newOrder();
    void openOrder();
    void saveOrder();
    void printerSetup();
    void printOrder();
    void closeProgram();
    void controlElementCalculator();
    void humidAirCalculator();
    void pressureLossCalculator();
    void airBalanceCalculator();
    void fanSchedule();
    void showOrderTab();
    void showSettingsTab();
    void showContactTab();
    void sendOrder();
    void openWebSite();
    void installDwgViewer();
    void installPdfReader();
    void help();
    void about();
    void hardware();
    void awards();
    void history();
    void languageChosen(int language);

private:
    QAction* add(QMenu* menu, const char* name, const QString& caption, int line,
                 void (MainMenu::*signal)(), const QKeySequence& shortcut = {});

    Program& program_;
    LanguageTexts texts_;
    std::array<QAction*, 4> languages_{};
};

} // namespace kalvintera
