// The update module end to end: real HTTP through Qt Network against a local server started
// by the test, with the version file, the news and an installer of a few megabytes.

#include "core/shell/file_io.h"
#include "platform/http_download.h"
#include "support/fakes.h"
#include "support/test_data_folder.h"
#include "support/test_http_server.h"
#include "ui/program.h"
#include "ui/shell/update_tab.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <QtTest>

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

QByteArray Installer(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + i / 1024) & 0xff);
    return bytes;
}

struct Online {
    Online() : http(folder / "downloads")
    {
        std::filesystem::create_directories(folder / "downloads");
        program.settings.version = 1.04;
        program.MessageTitle = "Program";
        const std::string installer = server.address() + "/pliki/setup_2_0.exe";
        server.serve("/kalvintera/kalvintera_update.txt", {QByteArray("1.05\r\nx\r\n") + installer.c_str() + "\r\n"});
        server.serve("/kalvintera/news.txt", {"Nowa wersja 1.05\r\n"});
        server.serve("/pliki/setup_2_0.exe", {Installer(3 * 1000 * 1000)});
        tab.setServerAddress(server.address());
    }

    QPushButton* button(const char* name) { return tab.findChild<QPushButton*>(name); }
    QString label(const char* name) { return tab.findChild<QLabel*>(name)->text(); }
    QProgressBar* progress() { return tab.findChild<QProgressBar*>("progress"); }
    std::filesystem::path downloaded() { return folder / "downloads" / "setup_2_0.exe"; }

    TestHttpServer server;
    TestDataFolder folder;
    FakePlatform fakes;
    ScratchFolderHttp http;
    PlatformServices services{fakes.desktop, fakes.connectivity, fakes.clock, fakes.mail, fakes.printer, http};
    ScriptedPrompter prompter;
    Program program{DataFolder(folder.root()), LocaleFormats{}, services, prompter};
    UpdateTab tab{program};
};

} // namespace

class UpdateDownloadTest : public QObject {
    Q_OBJECT
private slots:
    void checksDownloadsWithAMovingBarAndInstalls()
    {
        Online o;
        QVERIFY(o.server.listening());
        o.button("check")->click();
        QCOMPARE(o.label("newerVersion"), QString("1.05"));
        QVERIFY(o.button("download")->isEnabled());

        QSet<int> values;
        int maximum = 0;
        QString total;
        QObject::connect(o.progress(), &QProgressBar::valueChanged, [&](int value) {
            values.insert(value);
            maximum = std::max(maximum, o.progress()->maximum());
            if (total.isEmpty()) total = o.label("total");
        });
        o.button("download")->click();
        QCOMPARE(o.label("amountCaption"), QString("Pobieranie zakończone."));
        QCOMPARE(maximum, 2929);
        QCOMPARE(total, QString("/ 2929 kB"));
        QVERIFY(values.size() > 100);
        QVERIFY(values.contains(2929));
        QCOMPARE(QByteArray::fromStdString(ReadWholeFile(o.downloaded())), Installer(3 * 1000 * 1000));

        o.button("install")->click();
        QCOMPARE(ReadWholeFile(o.folder / "downloads" / "news.txt"), std::string("Nowa wersja 1.05\r\n"));
        QCOMPARE(o.fakes.desktop.opened_documents.size(), std::size_t{1});
        QCOMPARE(o.server.requested_paths,
                 QStringList({"/kalvintera/kalvintera_update.txt", "/pliki/setup_2_0.exe", "/kalvintera/news.txt"}));
        QCOMPARE(o.server.agents, QStringList({"Fast Download", "Fast Download", "Fast Download"}));
    }

    void cancelAndASecondDownloadFromZero()
    {
        Online o;
        o.button("check")->click();
        auto cancel_at = QObject::connect(o.progress(), &QProgressBar::valueChanged, [&](int value) {
            if (value >= 500 && o.button("cancel")->isEnabled()) o.button("cancel")->click();
        });
        o.button("download")->click();
        QObject::disconnect(cancel_at);
        QCOMPARE(o.label("amountCaption"), QString("Pobieranie anulowane."));
        QVERIFY(!std::filesystem::exists(o.downloaded()));
        QVERIFY(o.button("check")->isEnabled());

        o.button("check")->click();
        QStringList amounts;
        QObject::connect(o.progress(), &QProgressBar::valueChanged, [&](int) { amounts << o.label("amount"); });
        o.button("download")->click();
        QCOMPARE(amounts.value(0), QString("1 kB "));
        QCOMPARE(std::filesystem::file_size(o.downloaded()), std::uintmax_t{3000000});
    }

    void withoutContentLengthAndWhenTheConnectionBreaks()
    {
        Online o;
        o.server.serve("/pliki/setup_2_0.exe", {Installer(200 * 1000), false});
        o.button("check")->click();
        o.button("download")->click();
        QCOMPARE(o.label("amountCaption"), QString("Pobieranie zakończone."));
        QCOMPARE(std::filesystem::file_size(o.downloaded()), std::uintmax_t{200000});

        Online broken;
        broken.server.serve("/pliki/setup_2_0.exe", {Installer(2 * 1000 * 1000), true, 700 * 1000});
        broken.button("check")->click();
        broken.button("download")->click();
        QVERIFY(!std::filesystem::exists(broken.downloaded()));
        // Qt reports the break itself, or the body ends short of its length: either way in Polish.
        const QString broken_message = broken.prompter.lastText();
        QVERIFY2(broken_message.startsWith("Pobieranie http://127.0.0.1:") || broken_message.startsWith("Połączenie zostało przerwane po "),
                 qPrintable(broken_message));
        // When the break comes while the transfer is still opening (a busy machine reads the
        // whole stream at once), no file was begun and there is nothing to report as removed.
        const QString removed = "\nNiepełny plik " + QString::fromStdString(broken.downloaded().string()) + " został usunięty.";
        QVERIFY2(broken_message.endsWith(removed) || !broken_message.contains('\n'), qPrintable(broken_message));

        Online missing;
        missing.server.serve("/kalvintera/kalvintera_update.txt", {"1.05\r\nx\r\n" + QByteArray(missing.server.address().c_str()) + "/brak.exe\r\n"});
        missing.button("check")->click();
        missing.button("download")->click();
        QVERIFY(missing.prompter.lastText().startsWith("Serwer odpowiedział „404 Not Found” na żądanie "));
        QVERIFY(std::filesystem::is_empty(missing.folder / "downloads"));
    }
};

QTEST_MAIN(UpdateDownloadTest)
#include "update_download_test.moc"
