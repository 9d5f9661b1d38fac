// The update tab on a fake network: the check, the download with its progress, cancel and
// failures, the installation, and the start-up reminder.

#include "core/shell/file_io.h"
#include "core/shell/update_check.h"
#include "support/test_program.h"
#include "ui/program_windows.h"
#include "ui/shell/main_window.h"
#include "ui/shell/update_tab.h"

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace kalvintera;
using namespace kalvintera::testing;

namespace {

const std::string kServer = "http://update.test";
const std::string kInstaller = "http://update.test/files/setup_2_0.exe";

struct Update : TestProgram {
    Update() : tab(program)
    {
        tab.setServerAddress(kServer);
        program.settings.version = 1.04;
        program.StartDate = CalendarDate{2026, 12, 9};
        program.MessageTitle = "Program";
        publish("1.05\r\n\r\n" + kInstaller + "\r\n");
        platform.http.answers[kInstaller].body = std::string(5000000, 'x');
        platform.http.answers[kServer + "/kalvintera/news.txt"].body = "Nowości\r\n";
    }

    void publish(const std::string& version_file) { platform.http.answers[kServer + "/kalvintera/kalvintera_update.txt"].body = version_file; }
    QPushButton* button(const char* name) { return Child<QPushButton>(tab, name); }
    QString label(const char* name) { return Child<QLabel>(tab, name)->text(); }
    QProgressBar* progress() { return Child<QProgressBar>(tab, "progress"); }
    std::filesystem::path downloaded() const { return platform.http.folder / "setup_2_0.exe"; }

    UpdateTab tab;
};

} // namespace

class UpdateTabTest : public QObject {
    Q_OBJECT
private slots:
    void startsAtStepOne()
    {
        Update u;
        QVERIFY(u.button("check")->isEnabled());
        QVERIFY(!Child<QGroupBox>(u.tab, "downloadStep")->isEnabled());
        QVERIFY(!u.button("download")->isEnabled() && !u.button("cancel")->isEnabled());
        QVERIFY(!Child<QGroupBox>(u.tab, "installStep")->isEnabled());
        QVERIFY(!u.button("install")->isEnabled());
        QVERIFY(Child<QLabel>(u.tab, "installIcon")->isHidden() && Child<QLabel>(u.tab, "downloadIcon")->isHidden());
        QVERIFY(Child<QLabel>(u.tab, "amountCaption")->isHidden());
        QCOMPARE(u.label("status"), QString("Praca offline"));
        QCOMPARE(u.label("yourVersion"), QString("xxx"));
        QCOMPARE(u.label("newerVersion"), QString("xxx"));
    }

    void checkFindsANewerVersion()
    {
        Update u;
        u.publish("1,05\r\n\r\n" + kInstaller + "\r\n"); // either separator
        u.button("check")->click();
        QCOMPARE(u.prompter.messages.size(), std::size_t{1});
        QCOMPARE(u.prompter.messages[0].text, QString("Dostępna jest nowa wersja programu. Możesz ją pobrać w kroku 2."));
        QCOMPARE(u.prompter.messages[0].title, QString("KALVINTERA info"));
        QCOMPARE(u.label("status"), QString("Połączono z Internetem"));
        QCOMPARE(u.label("yourVersion"), QString("1.04"));
        QCOMPARE(u.label("newerVersion"), QString("1,05"));
        QVERIFY(u.button("download")->isEnabled() && u.button("cancel")->isEnabled());
        QVERIFY(!u.button("check")->isEnabled());
        QVERIFY(!Child<QLabel>(u.tab, "downloadIcon")->isHidden() && Child<QLabel>(u.tab, "checkIcon")->isHidden());
        QCOMPARE(u.program.settings.lastUpdate, (CalendarDate{2026, 12, 9}));
    }

    void checkWithoutANewerVersionOrWithoutInformation()
    {
        Update u;
        u.program.settings.version = 1.041;
        u.publish("1.0412\r\n");
        u.button("check")->click();
        QCOMPARE(u.prompter.lastText(), QString("Masz najnowszą wersję programu."));
        QCOMPARE(u.label("status"), QString("Praca offline"));
        QVERIFY(!u.button("download")->isEnabled());
        QCOMPARE(u.program.settings.lastUpdate, u.program.StartDate);

        Update empty;
        empty.publish("\r\nx\r\n");
        empty.button("check")->click();
        QCOMPARE(empty.label("status"), QString("Brak połączenia z Internetem."));
        QVERIFY(empty.prompter.messages.empty());
        QCOMPARE(empty.program.settings.lastUpdate, CalendarDate{});

        Update offline;
        offline.platform.connectivity.online = false;
        offline.button("check")->click();
        QCOMPARE(offline.label("status"), QString("Brak połączenia z Internetem."));
        QVERIFY(offline.platform.http.requested.empty());
        QVERIFY(offline.prompter.messages.empty());

        Update missing; // the server has no version file
        missing.platform.http.answers.clear();
        missing.button("check")->click();
        QCOMPARE(missing.prompter.lastText(), QString("Serwer odpowiedział „404 Not Found” na żądanie "
                                                      "http://update.test/kalvintera/kalvintera_update.txt."));
        QCOMPARE(missing.label("status"), QString("Praca offline"));
        QCOMPARE(missing.program.settings.lastUpdate, CalendarDate{});
    }

    void downloadShowsItsProgressInKilobytes()
    {
        Update u;
        u.button("check")->click();
        QStringList amounts;
        int last_value = -1;
        QObject::connect(u.progress(), &QProgressBar::valueChanged, [&](int value) {
            last_value = value;
            amounts << u.label("amount");
        });
        QString total_during;
        u.platform.http.after_read = [&](long long) { total_during = u.label("total"); };
        u.button("download")->click();
        QCOMPARE(total_during, QString("/ 4882 kB"));
        QCOMPARE(u.progress()->maximum(), 100); // back at rest
        QCOMPARE(last_value, 0);
        QVERIFY(amounts.contains("4882 kB "));
        QCOMPARE(amounts.first(), QString("1 kB "));
        QCOMPARE(std::filesystem::file_size(u.downloaded()), std::uintmax_t{5000000});
        QCOMPARE(u.label("amountCaption"), QString("Pobieranie zakończone."));
        QCOMPARE(u.label("amount"), QString());
        QCOMPARE(u.label("status"), QString("Praca offline"));
        QVERIFY(u.button("install")->isEnabled());
        QVERIFY(!Child<QLabel>(u.tab, "installIcon")->isHidden());
        QVERIFY(Child<QLabel>(u.tab, "downloadIcon")->isHidden());
    }

    void cancelStopsAndASecondDownloadCountsFromZero()
    {
        Update u;
        u.button("check")->click();
        u.platform.http.after_read = [&](long long bytes) {
            if (bytes == 100 * 1024) u.button("cancel")->click();
        };
        u.button("download")->click();
        QCOMPARE(u.label("amountCaption"), QString("Pobieranie anulowane."));
        QVERIFY(!std::filesystem::exists(u.downloaded()));
        QVERIFY(u.button("check")->isEnabled());
        QVERIFY(!Child<QGroupBox>(u.tab, "downloadStep")->isEnabled());
        QVERIFY(!u.button("install")->isEnabled());

        u.platform.http.after_read = {};
        u.button("check")->click();
        QStringList amounts;
        QObject::connect(u.progress(), &QProgressBar::valueChanged, [&](int) { amounts << u.label("amount"); });
        u.button("download")->click();
        QCOMPARE(amounts.first(), QString("1 kB "));
        QCOMPARE(std::filesystem::file_size(u.downloaded()), std::uintmax_t{5000000});
    }

    void failedDownloadsRemoveThePartialFile()
    {
        Update u;
        u.platform.http.answers[kInstaller].breaks_after = 300000;
        u.button("check")->click();
        u.button("download")->click();
        QVERIFY(!std::filesystem::exists(u.downloaded()));
        // In the user's language, naming what failed and what was cleaned up.
        QCOMPARE(u.prompter.lastText(), QString::fromStdString("Pobieranie " + kInstaller + " nie powiodło się.\n"
                                                               "Niepełny plik " + u.downloaded().string()
                                                               + " został usunięty."));
        QVERIFY(u.button("download")->isEnabled()); // the user may try again
        QVERIFY(!u.button("install")->isEnabled());

        Update unnamed; // an address that names no file is refused before anything is written
        unnamed.publish("1.05\r\n\r\nhttp://update.test/files/..\r\n");
        unnamed.button("check")->click();
        unnamed.button("download")->click();
        QCOMPARE(unnamed.prompter.lastText(),
                 QString("Adres instalatora „http://update.test/files/..” z pliku wersji jest nieprawidłowy."));
        QCOMPARE(unnamed.platform.http.requested.size(), std::size_t{1});
        QVERIFY(std::filesystem::is_empty(unnamed.platform.http.folder));
    }

    void withoutContentLengthTheAmountHasNoTotal()
    {
        Update u;
        u.platform.http.answers[kInstaller].announces_length = false;
        u.button("check")->click();
        QString total_during = "unset";
        int maximum_during = -1;
        u.platform.http.after_read = [&](long long) {
            total_during = u.label("total");
            maximum_during = u.progress()->maximum();
        };
        u.button("download")->click();
        QCOMPARE(total_during, QString());
        QCOMPARE(maximum_during, 0); // a bar that shows movement, not a share
        QCOMPARE(std::filesystem::file_size(u.downloaded()), std::uintmax_t{5000000});
        QCOMPARE(u.label("amountCaption"), QString("Pobieranie zakończone."));
    }

    void installFetchesTheNewsStartsTheInstallerAndCloses()
    {
        Update u;
        u.button("check")->click();
        u.button("download")->click();
        u.program.MessageTitle = "Program"; // the check took it from the (empty) language table
        QSignalSpy closing(&u.tab, &UpdateTab::closeProgramRequested);
        u.button("install")->click();
        QCOMPARE(u.prompter.lastText(),
                 QString("Program zostanie teraz zamknięty i rozpocznie się instalacja aktualizacji."));
        QCOMPARE(u.prompter.messages.back().title, QString("Program"));
        QCOMPARE(ReadWholeFile(u.platform.http.folder / "news.txt"), std::string("Nowości\r\n"));
        QCOMPARE(u.platform.desktop.opened_documents.size(), std::size_t{1});
        QCOMPARE(u.platform.desktop.opened_documents[0], u.downloaded());
        QCOMPARE(closing.count(), 1);

        Update failing; // an installer that does not start leaves the program open
        failing.button("check")->click();
        failing.button("download")->click();
        failing.platform.desktop.succeeds = false;
        QSignalSpy stays(&failing.tab, &UpdateTab::closeProgramRequested);
        failing.platform.connectivity.online = false;
        failing.button("install")->click();
        QCOMPARE(failing.label("status"), QString("Brak połączenia z Internetem."));
        failing.platform.connectivity.online = true;
        failing.button("install")->click();
        QCOMPARE(failing.prompter.lastText(),
                 QString::fromStdString("Nie można uruchomić instalatora " + failing.downloaded().string() + "."));
        QCOMPARE(stays.count(), 0);
    }

    void reminderAfterTheIntervalSelectsTheTabAndChecks()
    {
        TestProgram f;
        ProgramWindows all(f.program);
        Windows& windows = all.windows();
        windows.main->setAnimated(false);
        QVERIFY(all.start());
        UpdateTab& tab = windows.main->updateTab();
        tab.setServerAddress(kServer);
        f.program.StartDate = CalendarDate{2026, 12, 9};
        f.program.updateIntervalDays = 60;
        f.program.settings.checkForUpdates = 1;

        f.program.settings.lastUpdate = CalendarDate{2026, 10, 10}; // 60 days ago
        windows.main->activate();
        QVERIFY(f.prompter.messages.empty());
        QCOMPARE(windows.main->currentTab(), MainTab::Selection);

        f.program.settings.lastUpdate = CalendarDate{2026, 10, 9}; // 61 days ago
        f.platform.http.answers[kServer + "/kalvintera/kalvintera_update.txt"].body = "2.2\r\n";
        windows.main->activate();
        QCOMPARE(windows.main->currentTab(), MainTab::Update);
        QCOMPARE(f.prompter.messages.size(), std::size_t{2});
        QCOMPARE(f.prompter.messages[0].text, f.program.line(956) + "09.10.2026" + f.program.line(957));
        QCOMPARE(f.prompter.messages[0].title, QString("KALVINTERA info"));
        QCOMPARE(f.prompter.messages[1].text, f.program.line(937)); // the check ran: version 2.2 is current
        QCOMPARE(f.program.settings.lastUpdate, f.program.StartDate);

        // Once per run, even when the check could not record a date.
        f.program.settings.lastUpdate = CalendarDate{2026, 10, 9};
        windows.main->activate();
        QCOMPARE(f.prompter.messages.size(), std::size_t{2});
    }
};

QTEST_MAIN(UpdateTabTest)
#include "update_tab_test.moc"
