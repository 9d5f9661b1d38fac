// Closing the program while the update module waits on the server: the whole program runs its
// real event loop against a slow local server, and the user closes the main window mid-transfer.

#include "platform/http_download.h"
#include "support/fakes.h"
#include "support/test_data_folder.h"
#include "support/test_http_server.h"
#include "ui/program.h"
#include "ui/program_windows.h"
#include "ui/shell/main_window.h"
#include "ui/shell/update_tab.h"

#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

using namespace kalvintera;
using namespace kalvintera::testing;

namespace {

// Real transfers, stored in the test's own folder instead of the user's downloads.
class ScratchFolderHttp final : public HttpDownload {
public:
    explicit ScratchFolderHttp(std::filesystem::path folder) : folder_(std::move(folder)) {}
    std::unique_ptr<HttpTransfer> open(const std::string& url) override { return real_.open(url); }
    std::filesystem::path downloadFolder() override { return folder_; }
    void shutDown() override { real_.shutDown(); }

private:
    QtHttpDownload real_;
    std::filesystem::path folder_;
};

// A program that does not end spins where no timer of its own can fire: this thread ends
// the test from outside instead of letting it hang.
class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds limit)
        : thread_([this, limit] {
              std::unique_lock lock(mutex_);
              if (!done_cv_.wait_for(lock, limit, [this] { return done_; })) {
                  std::fprintf(stderr, "FAIL: the program did not end within %lld s of closing its window\n",
                               static_cast<long long>(limit.count()));
                  std::_Exit(1);
              }
          })
    {
    }
    ~Watchdog()
    {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        done_cv_.notify_all();
        thread_.join();
    }

private:
    std::mutex mutex_;
    std::condition_variable done_cv_;
    bool done_ = false;
    std::thread thread_;
};

struct Running {
    Running() : http(folder / "downloads")
    {
        std::filesystem::create_directories(folder / "downloads");
        const std::string installer = server.address() + "/pliki/setup_2_0.exe";
        server.serve("/kalvintera/kalvintera_update.txt", {QByteArray("9.99\r\nx\r\n") + installer.c_str() + "\r\n"});
        // 4 MB in 16 kB pieces every 20 ms: about five seconds of download.
        server.serve("/pliki/setup_2_0.exe", {QByteArray(4 * 1000 * 1000, 'k'), true, -1, 0, 20});
        windows.main->setAnimated(false);
        windows.main->updateTab().setServerAddress(server.address());
    }

    UpdateTab& tab() { return windows.main->updateTab(); }
    QPushButton* button(const char* name) { return tab().findChild<QPushButton*>(name); }
    std::filesystem::path installer() { return folder / "downloads" / "setup_2_0.exe"; }

    TestHttpServer server;
    TestDataFolder folder;
    FakePlatform fakes;
    ScratchFolderHttp http;
    PlatformServices services{fakes.desktop, fakes.connectivity, fakes.clock, fakes.mail, fakes.printer, http};
    ScriptedPrompter prompter;
    Program program{DataFolder(folder.root()), LocaleFormats{}, services, prompter};
    ProgramWindows all{program};
    Windows& windows = all.windows();
};

} // namespace

class UpdateShutdownTest : public QObject {
    Q_OBJECT
private slots:
    void closingDuringADownloadEndsTheProgramAndRemovesThePartialFile()
    {
        Running run;
        QVERIFY(run.server.listening());
        QVERIFY(run.all.start());
        QVERIFY(run.windows.main->activate());
        run.button("check")->click();
        QVERIFY(run.button("download")->isEnabled());
        const std::size_t messages = run.prompter.messages.size();

        bool partial_seen = false;
        auto* progress = run.tab().findChild<QProgressBar*>("progress");
        QObject::connect(progress, &QProgressBar::valueChanged, run.windows.main, [&](int kilobytes) {
            if (kilobytes < 200 || !run.windows.main->isVisible()) return;
            partial_seen = std::filesystem::exists(run.installer());
            run.windows.main->close();
        });
        QTimer::singleShot(0, run.button("download"), &QPushButton::click);
        {
            const Watchdog watchdog(std::chrono::seconds(60));
            const auto started = std::chrono::steady_clock::now();
            QCOMPARE(QApplication::exec(), 0);
            QVERIFY(std::chrono::steady_clock::now() - started < std::chrono::seconds(4)); // not the whole download
        }
        QVERIFY(partial_seen);
        QVERIFY(!std::filesystem::exists(run.installer()));
        QVERIFY(std::filesystem::is_empty(run.folder / "downloads"));
        QCOMPARE(run.prompter.messages.size(), messages); // the user who closed is not told of the break
        QVERIFY(std::filesystem::exists(run.folder / "Kalvintera.ini"));
    }

    void closingDuringAVersionCheckEndsTheProgram()
    {
        Running run;
        run.server.serve("/kalvintera/kalvintera_update.txt", {"9.99\r\n", true, -1, 30000, 0});
        QVERIFY(run.all.start());
        QVERIFY(run.windows.main->activate());
        const std::size_t messages = run.prompter.messages.size();

        QTimer::singleShot(0, run.button("check"), &QPushButton::click);
        QTimer::singleShot(300, run.windows.main, [&] {
            QVERIFY(run.server.requested_paths.contains("/kalvintera/kalvintera_update.txt"));
            run.windows.main->close();
        });
        {
            const Watchdog watchdog(std::chrono::seconds(20));
            QCOMPARE(QApplication::exec(), 0);
        }
        QCOMPARE(run.prompter.messages.size(), messages);
        QVERIFY(run.button("check")->isEnabled());

        // Nothing starts once the program is ending.
        run.button("check")->click();
        QCOMPARE(run.server.requested_paths.size(), qsizetype{1});
    }
};

QTEST_MAIN(UpdateShutdownTest)
#include "update_shutdown_test.moc"
