// The program's start, activation, languages and shutdown, on a copy of the sample data.

#include "core/errors.h"
#include "core/shell/settings.h"
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
#include "ui/shell/splash_window.h"

#include <QAction>
#include <QTabWidget>
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
