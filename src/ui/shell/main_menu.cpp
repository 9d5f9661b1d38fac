#include "ui/shell/main_menu.h"

#include "core/shell/catalogue_documents.h"
#include "core/shell/shell_lines.h"
#include "ui/program.h"
#include "ui/shell/document_opener.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace kalvintera {

MainMenu::MainMenu(Program& program, QMenuBar* bar) : QObject(bar), program_(program)
{
    auto menu = [&](const QString& caption, int line) {
        QMenu* m = bar->addMenu(caption);
        texts_.add(line, [m](const QString& text) { m->setTitle(text); });
        return m;
    };

    QMenu* file = menu("   Plik...", 98);
    add(file, "newOrder", "Nowe zamówinie", 99, &MainMenu::newOrder, QKeySequence("Ctrl+N"));
    add(file, "openOrder", "Otwórz zamówienie", 100, &MainMenu::openOrder, QKeySequence("Ctrl+O"));
    add(file, "saveOrder", "Zapisz zamówienie", 101, &MainMenu::saveOrder, QKeySequence("Ctrl+S"));
    add(file, "printerSetup", "Ustawienia drukarki", 102, &MainMenu::printerSetup);
    add(file, "printOrder", "Drukuj zamówienie", 103, &MainMenu::printOrder, QKeySequence("Ctrl+P"));
    add(file, "close", "Zamknij", 104, &MainMenu::closeProgram, QKeySequence("Ctrl+X"));

    QMenu* tools = menu("  Narzędzia   ", 105);
    add(tools, "controlElements", "Kalkulator doboru elementów regulacyjnych", 106, &MainMenu::controlElementCalculator);
    add(tools, "humidAir", "Kalkulator powietrza IX", 107, &MainMenu::humidAirCalculator);
    add(tools, "pressureLoss", "Kalkulator strat cisnienia", 108, &MainMenu::pressureLossCalculator);
    add(tools, "airBalance", "Kalkulator bilansu powietrza", 109, &MainMenu::airBalanceCalculator);
    add(tools, "schedule", "Zestawienie wentylatorów", 1345, &MainMenu::fanSchedule);

    QMenu* options = menu("   Opcje   ", 110);
    add(options, "showOrder", "Pokaż zamówienie", 111, &MainMenu::showOrderTab);
    add(options, "showSettings", "Ustawienie główne", 112, &MainMenu::showSettingsTab);
    add(options, "showContact", "Kontakt z firmą", 113, &MainMenu::showContactTab);
    add(options, "sendOrder", "Wyślij zamówienie", 114, &MainMenu::sendOrder);
    add(options, "webSite", "Strona firmowa www", 115, &MainMenu::openWebSite);
    add(options, "dwgViewer", "Zainstaluj przeglądarkę plików dwg", 116, &MainMenu::installDwgViewer);
    add(options, "pdfReader", "Zainstaluj program AcrobatReader", 117, &MainMenu::installPdfReader);

    QMenu* help = menu("Pomoc", 118);
    add(help, "help", "Pomoc programu", 119, &MainMenu::help, QKeySequence(Qt::Key_F1));
    add(help, "about", "O programie", 120, &MainMenu::about);
    add(help, "hardware", "Wymagania sprzętowe", 121, &MainMenu::hardware);
    add(help, "awards", "Nagrody", 122, &MainMenu::awards);
    add(help, "history", "Historia wersji", 959, &MainMenu::history);

    QMenu* language = menu("   Język   ", 123);
    // One language is in force at a time, and its item carries the check mark.
    auto* languages = new QActionGroup(this);
    languages->setExclusive(true);
    for (int i = 0; i < 4; ++i) {
        QAction* item = language->addAction(program_.line(shell_line::kLanguageNames + i));
        item->setObjectName(QString("language%1").arg(i + 1));
        item->setCheckable(true);
        languages->addAction(item);
        connect(item, &QAction::triggered, this, [this, i] { emit languageChosen(i + 1); });
        languages_[static_cast<std::size_t>(i)] = item;
    }
    languages_[0]->setChecked(true); // the built-in texts are Polish

    QMenu* catalogue = menu("  Katalog produktów", 128);
    for (const CatalogueDocument& document : kCatalogueDocuments) {
        QAction* item = catalogue->addAction(QString::fromUtf8(document.caption.data(), static_cast<int>(document.caption.size())));
        connect(item, &QAction::triggered, this, [this, &document] { OpenCatalogueDocument(program_, document); });
        if (document.menu_line != 0) texts_.add(document.menu_line, [item](const QString& text) { item->setText(text); });
    }
}

QAction* MainMenu::add(QMenu* menu, const char* name, const QString& caption, int line, void (MainMenu::*signal)(),
                       const QKeySequence& shortcut)
{
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    if (!shortcut.isEmpty()) item->setShortcut(shortcut);
    connect(item, &QAction::triggered, this, signal);
    texts_.add(line, [item](const QString& text) { item->setText(text); });
    return item;
}

void MainMenu::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
}

void MainMenu::markLanguage(const LanguageTable& table, int current_language)
{
    // Each language under its own name: a user who cannot read the language in force
    // still finds their own.
    for (int i = 0; i < 4; ++i) {
        QAction* item = languages_[static_cast<std::size_t>(i)];
        const QString caption = LanguageLine(table, shell_line::kLanguageNames + i);
        item->setText(i + 1 == current_language ? caption + " •" : caption);
        item->setChecked(i + 1 == current_language);
    }
}

QAction* MainMenu::action(const QString& object_name) const
{
    return parent()->findChild<QAction*>(object_name);
}

} // namespace kalvintera
