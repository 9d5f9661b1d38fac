// The program's start, activation, languages and shutdown, on a copy of the sample data.

#include "core/errors.h"
#include "core/shell/settings.h"
#include "core/text/code_page.h"
#include "ui/common/error_handler.h"
#include "support/fakes.h"
#include "support/modal_closer.h"
#include "support/test_data_folder.h"
#include "ui/program.h"
#include "ui/program_windows.h"
#include "ui/selection/selection_window.h"
#include "ui/shell/about_window.h"
#include "ui/shell/main_menu.h"
#include "ui/shell/main_window.h"
#include "ui/shell/news_window.h"
#include "ui/shell/products_tab.h"
#include "ui/shell/splash_window.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

#include <fstream>

using namespace kalvintera;
using namespace kalvintera::testing;

namespace {

struct Running {
    TestDataFolder folder;
    FakePlatform platform;
    ScriptedPrompter prompter;
    Program program{DataFolder(folder.root()), LocaleFormats{}, platform.services, prompter};
    ProgramWindows all{program};
    Windows& windows = all.windows();

    Running() { windows.main->setAnimated(false); }

    bool startAndActivate()
    {
        if (!all.start()) return false;
        return windows.main->activate();
    }
};

void WriteText(const std::filesystem::path& file, const std::string& text)
{
    std::ofstream(file, std::ios::binary) << text;
}

// The settings file with its first line (the language) replaced.
void SaveLanguage(const Running& run, int language)
{
    Settings settings = ReadSettings(run.folder / "Kalvintera.ini", run.program.numbers, run.program.dates);
    settings.language = language;
    WriteSettings(run.folder / "Kalvintera.ini", settings, run.program.numbers, run.program.dates);
}

// A file larger than any the program reads, without writing its bytes.
void MakeOversized(const std::filesystem::path& file)
{
    WriteText(file, "");
    std::filesystem::resize_file(file, (std::uintmax_t{64} << 20) + 1);
}

QStringList LanguageItems(Running& run)
{
    QStringList items;
    for (int i = 1; i <= 4; ++i) {
        const QAction* item = run.windows.main->menu().action(QString("language%1").arg(i));
        items << item->text() + (item->isChecked() ? "[x]" : "");
    }
    return items;
}

QStringList MenuTitles(Running& run)
{
    QStringList titles;
    for (const QAction* menu : run.windows.main->menuBar()->actions()) titles << menu->text();
    return titles;
}

QString CancelButtonText()
{
    QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    return buttons.button(QDialogButtonBox::Cancel)->text();
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void startsInPolishFromTheSampleData()
    {
        Running run;
        QVERIFY(run.startAndActivate());
        QCOMPARE(run.program.settings.language, 1);
        QCOMPARE(QString::fromStdString(run.program.MessageTitle), run.program.line(149));
        QVERIFY(!run.program.MessageTitle.empty());
        QCOMPARE(run.windows.splash->titleText(), run.program.line(2));
        QVERIFY(FindDeviceByModel(run.program.devices, "KDH-355").has_value());
        QCOMPARE(run.windows.main->currentTab(), MainTab::Selection);
        QCOMPARE(run.windows.main->tabs().tabText(3), run.program.line(28));
        QVERIFY(run.windows.main->menu().action("language1")->text().endsWith(" •"));
        QVERIFY(run.prompter.messages.empty());
    }

    void unreadableSettingsFileStartsOnTheDefaultsAndIsKept()
    {
        for (const bool folder : {true, false}) {
            Running run;
            const std::filesystem::path ini = run.folder / "Kalvintera.ini";
            std::filesystem::remove(ini);
            if (folder) {
                std::filesystem::create_directory(ini);
                WriteText(ini / "inside.txt", "kept");
            } else {
                MakeOversized(ini);
            }
            QVERIFY(run.startAndActivate());
            QCOMPARE(run.prompter.messages.size(), std::size_t{1});
            QVERIFY2(run.prompter.messages[0].text.contains(QString::fromStdString(ini.string())),
                     qPrintable(run.prompter.messages[0].text));
            QVERIFY(run.prompter.messages[0].text.startsWith("Nie można odczytać pliku"));
            QCOMPARE(run.program.settings, Settings{});
            QCOMPARE(run.windows.main->tabs().tabText(0), QString("Dobór"));

            run.windows.main->close();
            QCOMPARE(run.prompter.messages.size(), std::size_t{1});
            if (folder) {
                QVERIFY(std::filesystem::is_directory(ini));
                QVERIFY(std::filesystem::exists(ini / "inside.txt"));
            } else {
                QCOMPARE(std::filesystem::file_size(ini), (std::uintmax_t{64} << 20) + 1);
            }
        }
    }

    void unreadableLanguageFileOrDescriptionIsSaidOnceAndTheProgramGoesOn()
    {
        Running run;
        MakeOversized(run.folder / "languages" / "polish.lng");
        MakeOversized(run.folder / "opisy" / "PL_About.txt");
        QVERIFY(run.startAndActivate());
        QVERIFY(run.windows.main->activate()); // as after any dialog
        QCOMPARE(run.prompter.messages.size(), std::size_t{2});
        QVERIFY(run.prompter.messages[0].text.contains("polish.lng"));
        QVERIFY(run.prompter.messages[1].text.contains("PL_About.txt"));
        QCOMPARE(run.windows.main->tabs().tabText(0), QString("Dobór"));
        QVERIFY(!MenuTitles(run).contains(QString()));
        QVERIFY(FindDeviceByModel(run.program.devices, "KDH-355").has_value());
    }

    void missingLanguageFileKeepsThePolishTextsAndAUsableMenu()
    {
        Running run;
        SaveLanguage(run, 2);
        std::filesystem::remove(run.folder / "languages" / "english.lng");
        QVERIFY(run.startAndActivate());
        QVERIFY(run.windows.main->activate());
        QCOMPARE(run.prompter.messages.size(), std::size_t{1});
        QVERIFY(run.prompter.messages[0].text.startsWith("Brak pliku wybranego języka"));
        QVERIFY(run.prompter.messages[0].text.contains("english.lng"));
        QCOMPARE(run.windows.main->tabs().tabText(0), QString("Dobór"));
        QCOMPARE(run.windows.splash->titleText(), QString("KALVINTERA - dobór urządzeń wentylacyjnych"));
        QCOMPARE(MenuTitles(run).value(4), QString("   Język   "));
        QVERIFY(!MenuTitles(run).contains(QString()));
        QCOMPARE(LanguageItems(run), QStringList({"Polski •[x]", "English", "Deutsch", "Русский"}));

        // The user can switch back.
        run.windows.main->menu().action("language1")->trigger();
        QCOMPARE(run.program.settings.language, 1);
        QCOMPARE(run.windows.main->tabs().tabText(3), run.program.line(28));
        QCOMPARE(run.prompter.messages.size(), std::size_t{1});
    }

    void theActiveLanguageIsCheckedUnderItsOwnName()
    {
        Running run;
        QVERIFY(run.startAndActivate());
        QCOMPARE(LanguageItems(run), QStringList({"Polski •[x]", "English", "Deutsch", "Русский"}));
        run.windows.main->menu().action("language2")->trigger();
        QCOMPARE(LanguageItems(run), QStringList({"Polski", "English •[x]", "Deutsch", "Русский"}));
        run.windows.main->menu().action("language3")->trigger();
        QCOMPARE(LanguageItems(run), QStringList({"Polski", "English", "Deutsch •[x]", "Русский"}));
        run.windows.main->menu().action("language4")->trigger();
        QCOMPARE(LanguageItems(run), QStringList({"Polski", "English", "Deutsch", "Русский •[x]"}));
        QVERIFY(run.windows.main->activate());
        QCOMPARE(LanguageItems(run), QStringList({"Polski", "English", "Deutsch", "Русский •[x]"}));

        // A language that cannot be switched to leaves the mark where it was.
        std::filesystem::remove(run.folder / "languages" / "german.lng");
        run.windows.main->menu().action("language3")->trigger();
        QCOMPARE(LanguageItems(run), QStringList({"Polski", "English", "Deutsch", "Русский •[x]"}));
    }

    void eachFileIsDecodedInTheCodePageOfItsLanguage()
    {
        Running run;
        const std::string group = "Крышные вентиляторы";
        WriteText(run.folder / "RU_urzadzenia.sys", EncodeCodePage(group + "\r\n\tKDH-200\r\n", CodePage::Cp1251));
        QVERIFY(run.startAndActivate());
        run.windows.main->switchLanguage(4);
        auto* tree = run.windows.main->productsTab().findChild<QTreeWidget*>();
        QCOMPARE(tree->topLevelItem(0)->text(0), QString::fromStdString(group));

        const std::string history = "История версий: Версия 2.2";
        WriteText(run.folder / "historia.txt", EncodeCodePage(history, CodePage::Cp1251));
        QString shown;
        CloseNextModal([&](QWidget* window) { shown = static_cast<NewsWindow*>(window)->text(); });
        run.windows.main->menu().action("history")->trigger();
        QCOMPARE(shown, QString::fromStdString(history));

        const std::string news = "Новая серия вентиляторов KDH.";
        WriteText(run.folder / "news.txt", EncodeCodePage(news, CodePage::Cp1251));
        shown.clear();
        CloseNextModal([&](QWidget* window) { shown = static_cast<NewsWindow*>(window)->text(); });
        QVERIFY(run.windows.main->activate());
        QCOMPARE(shown, QString::fromStdString(news));
    }

    void qtDialogsSpeakTheLanguageOfTheWindows()
    {
        Running run;
        QVERIFY(run.startAndActivate());
        QCOMPARE(CancelButtonText(), QString("Anuluj"));
        run.windows.main->switchLanguage(2);
        QCOMPARE(CancelButtonText(), QString("Cancel"));
        run.windows.main->switchLanguage(3);
        QCOMPARE(CancelButtonText(), QString("Abbrechen"));
        run.windows.main->switchLanguage(4);
        QCOMPARE(CancelButtonText(), QString("Отмена"));
        run.windows.main->switchLanguage(1);
        QCOMPARE(CancelButtonText(), QString("Anuluj"));
    }

    void endsWithAMessageWithoutTheDatabase()
    {
        Running run;
        std::filesystem::remove(run.folder / "urzadzenia.dbx");
        QVERIFY(!run.all.start());
        QCOMPARE(run.prompter.messages.size(), std::size_t{1});
        QCOMPARE(run.prompter.messages[0].text, QString("Nie znaleziono pliku bazy danych - aplikacja zostanie zamknięta"));
        QCOMPARE(run.prompter.messages[0].title, QString("KALVINTERA info"));
    }

    void databaseGoneAtActivationClosesWithLine147()
    {
        Running run;
        QVERIFY(run.startAndActivate());
        std::filesystem::remove(run.folder / "urzadzenia.dbx");
        std::filesystem::remove(run.folder / "Kalvintera.ini");
        QVERIFY(!run.windows.main->activate());
        QCOMPARE(run.prompter.lastText(), run.program.line(147));
        QVERIFY(std::filesystem::exists(run.folder / "Kalvintera.ini")); // written by the shutdown
    }

    void switchesLanguageInEveryWindow()
    {
        Running run;
        QVERIFY(run.startAndActivate());
        const QString polish_tab = run.windows.main->tabs().tabText(5);
        run.windows.main->switchLanguage(2);
        QCOMPARE(run.program.settings.language, 2);
        QVERIFY(run.windows.main->tabs().tabText(5) != polish_tab);
        QCOMPARE(run.windows.main->tabs().tabText(5), run.program.line(30));
        QCOMPARE(run.windows.about->windowTitle(), run.program.line(311));
        QCOMPARE(run.windows.selection->windowTitle(), run.program.line(171));
        QVERIFY(run.windows.main->menu().action("language2")->text().endsWith(" •"));
        QVERIFY(!run.windows.main->menu().action("language1")->text().endsWith(" •"));

        run.windows.main->switchLanguage(4);
        QCOMPARE(run.windows.main->menu().action("close")->text(), run.program.line(104));
        QVERIFY(run.windows.main->menu().action("close")->text().contains(QRegularExpression("[А-я]")));
    }

    void missingLanguageFileChangesNothing()
    {
        Running run;
        QVERIFY(run.startAndActivate());
        std::filesystem::remove(run.folder / "languages" / "german.lng");
        const QString caption = run.windows.main->tabs().tabText(0);
        run.windows.main->switchLanguage(3);
        QCOMPARE(run.prompter.lastText(), run.program.line(146));
        QCOMPARE(run.program.settings.language, 1);
        QCOMPARE(run.windows.main->tabs().tabText(0), caption);
    }

    void tabCommandsSelectTheTabTheirCaptionNames()
    {
        Running run;
        QVERIFY(run.startAndActivate());
        MainMenu& menu = run.windows.main->menu();
        menu.action("showOrder")->trigger();
        QCOMPARE(run.windows.main->currentTab(), MainTab::OrderForm);
        menu.action("showSettings")->trigger();
        QCOMPARE(run.windows.main->currentTab(), MainTab::Settings);
        menu.action("showContact")->trigger();
        QCOMPARE(run.windows.main->currentTab(), MainTab::Contact);
        menu.action("webSite")->trigger();
        QCOMPARE(run.platform.desktop.opened_addresses.size(), std::size_t{1});
    }

    void newsIsShownOnceAndDeleted()
    {
        Running run;
        WriteText(run.folder / "news.txt", "Nowa seria wentylatorów KDH.\r\n");
        QVERIFY(run.all.start());
        QString caption;
        CloseNextModal([&](QWidget* window) { caption = window->windowTitle(); });
        QVERIFY(run.windows.main->activate());
        QCOMPARE(caption, run.program.line(958));
        QVERIFY(!std::filesystem::exists(run.folder / "news.txt"));
    }

    void errorsOfAUserActionBecomeAMessage()
    {
        QString reported;
        const ProgramApplication::Reporter reporter = [&](const QString& message) { reported = message; };
        ProgramApplication::runGuarded([] { throw ConversionError("'12abc' is not a valid floating point value"); },
                                       reporter);
        QCOMPARE(reported, QString("'12abc' is not a valid floating point value"));
        reported.clear();
        ProgramApplication::runGuarded([] {}, reporter);
        QVERIFY(reported.isEmpty());
    }

    void closingWritesTheSettings()
    {
        Running run;
        QVERIFY(run.startAndActivate());
        run.program.settings.name = "Jan Kowalski";
        run.program.settings.fadeSpeed = 7;
        run.windows.main->close();
        const Settings written = ReadSettings(run.folder / "Kalvintera.ini", run.program.numbers, run.program.dates);
        QCOMPARE(QString::fromStdString(written.name), QString("Jan Kowalski"));
        QCOMPARE(written.fadeSpeed, 7);
        QCOMPARE(written.language, 1);
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
