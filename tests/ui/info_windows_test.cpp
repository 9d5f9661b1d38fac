#include "core/shell/company_addresses.h"
#include "core/text/code_page.h"
#include "support/fakes.h"
#include "support/test_data_folder.h"
#include "ui/program.h"
#include "ui/shell/about_window.h"
#include "ui/shell/awards_window.h"
#include "ui/shell/hardware_window.h"
#include "ui/shell/mailbox_label.h"
#include "ui/shell/map_window.h"
#include "ui/shell/news_window.h"
#include "ui/shell/picture_label.h"
#include "ui/shell/picture_window.h"

#include <QDateTime>
#include <QEnterEvent>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <functional>

using namespace kalvintera;
using namespace kalvintera::testing;

namespace {

struct Fixture {
    TestDataFolder folder;
    FakePlatform fakes;
    ScriptedPrompter prompter;
    Program program{DataFolder(folder.root()), LocaleFormats{}, fakes.services, prompter};

    void loadLanguage(const char* file)
    {
        program.language.load(folder / (std::string("languages/") + file), CodePage::Cp1250);
        program.MessageTitle = program.language.line(149);
    }

    void writeFile(const std::string& relative, const std::string& bytes)
    {
        std::ofstream(folder / relative, std::ios::binary) << bytes;
    }

    void setModified(const std::string& relative, const QDateTime& time)
    {
        QFile file(QString::fromStdString((folder / relative).string()));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
    }
};

// Runs `open` (which shows `dialog` modally); once the dialog is up, runs `whileOpen` and
// closes it. False when the dialog never came up.
bool WhileModal(QDialog& dialog, const std::function<void()>& open, const std::function<void()>& whileOpen)
{
    bool came_up = false;
    QTimer timer; // destroyed on return, so a dialog that never opened leaves nothing pending
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &dialog, [&] {
        came_up = dialog.isVisible();
        if (came_up) whileOpen();
        dialog.reject();
    });
    timer.start(0);
    open();
    return came_up;
}

template <typename Widget>
Widget* Child(QWidget& window, const char* name)
{
    auto* child = window.findChild<Widget*>(name);
    if (!child) qFatal("no child %s", name);
    return child;
}

} // namespace

class InfoWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void aboutShowsVersionTreeDateAndMailbox();
    void aboutWithoutProductTreeReportsAndStaysClosed();
    void languageReplacesTheBuiltInTexts();
    void newsCaptionComesFromLine958();
    void historyReadFromTheDataFolder();
    void escClosesEveryInformationWindow();
    void onlyTheListedWindowsFade();
    void pictureClosesOnClickAndHidesThePicture();
    void mapKeepsItsPictureWhenTheNewOneIsUnreadable();
};

void InfoWindowsTest::aboutShowsVersionTreeDateAndMailbox()
{
    Fixture f;
    f.writeFile("PL_urzadzenia.sys", "WENTYLATORY\r\n");
    f.setModified("PL_urzadzenia.sys", QDateTime(QDate(2007, 7, 15), QTime(10, 20, 30)));
    AboutWindow about(f.program);
    about.setVersionText("2,3");

    const bool shown = WhileModal(about, [&] { about.showModal(); }, [&] {
        QCOMPARE(about.windowTitle(), QString("O programie"));
        QCOMPARE(Child<QLabel>(about, "version")->text(), QString("2,3"));
        const QString date = Child<QLabel>(about, "databaseDate")->text();
        QVERIFY2(date.startsWith("15.07.2007 10:20:30"), qPrintable(date));

        auto* mailbox = Child<MailboxLabel>(about, "mailbox");
        QCOMPARE(mailbox->text(), QString::fromUtf8(company::kCustomerServiceMailbox));
        QCOMPARE(mailbox->palette().color(QPalette::WindowText), QColor(0, 128, 128));
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QCoreApplication::sendEvent(mailbox, &enter);
        QCOMPARE(mailbox->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QTest::mouseClick(mailbox, Qt::LeftButton);
    });
    QVERIFY(shown);
    QCOMPARE(f.fakes.desktop.opened_addresses,
             std::vector<std::string>{"mailto:" + std::string(company::kCustomerServiceMailbox)});
    QVERIFY(f.prompter.messages.empty());

    // The date is read again at every opening.
    f.setModified("PL_urzadzenia.sys", QDateTime(QDate(2008, 1, 2), QTime(0, 0)));
    QVERIFY(WhileModal(about, [&] { about.showModal(); }, [&] {
        QCOMPARE(Child<QLabel>(about, "databaseDate")->text(), QString("02.01.2008"));
    }));
}

void InfoWindowsTest::aboutWithoutProductTreeReportsAndStaysClosed()
{
    Fixture f;
    f.loadLanguage("polish.lng");
    std::filesystem::remove(f.folder / "PL_urzadzenia.sys");
    AboutWindow about(f.program);

    int result = -1;
    const bool shown = WhileModal(about, [&] { result = about.showModal(); }, [] {});
    QVERIFY(!shown);
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(f.prompter.messages.size(), std::size_t(1));
    QVERIFY(!f.program.line(147).isEmpty());
    QCOMPARE(f.prompter.messages[0].text, f.program.line(147));
    QCOMPARE(f.prompter.messages[0].title, f.program.line(149));
}

void InfoWindowsTest::languageReplacesTheBuiltInTexts()
{
    Fixture f;
    MapWindow map(f.program);
    AboutWindow about(f.program);
    AwardsWindow awards(f.program);
    HardwareWindow hardware(f.program);
    auto* requirements = Child<QPlainTextEdit>(hardware, "requirements");
    QCOMPARE(requirements->toPlainText().count('\n'), HardwareWindow::kTextLines - 1);

    f.loadLanguage("english.lng");
    for (Translatable* window : std::initializer_list<Translatable*>{&map, &about, &awards, &hardware}) {
        window->applyLanguage(f.program.language);
    }

    const auto& program = f.program;
    QVERIFY(!program.line(168).isEmpty());
    QVERIFY(map.windowTitle() != "Mapa dojazdowa");
    QCOMPARE(map.windowTitle(), program.line(168));
    QCOMPARE(about.windowTitle(), program.line(311));
    QCOMPARE(Child<QLabel>(about, "versionCaption")->text(), program.line(312));
    QCOMPARE(Child<QLabel>(about, "author")->text(), program.line(316));
    QCOMPARE(awards.windowTitle(), program.line(841));
    QCOMPARE(Child<QLabel>(awards, "award1caption1")->text(), program.line(842));
    QCOMPARE(Child<QLabel>(awards, "award6caption3")->text(), program.line(859));
    QCOMPARE(Child<QLabel>(awards, "award8caption2")->text(), program.line(863));
    QCOMPARE(hardware.windowTitle(), program.line(881));
    QCOMPARE(Child<QPushButton>(hardware, "close")->text(), program.line(890));

    // The requirements are replaced, not appended to, at every application.
    QStringList english;
    for (int line = 882; line <= 889; ++line) english << program.line(line);
    QCOMPARE(requirements->toPlainText(), english.join('\n'));
    f.loadLanguage("german.lng");
    hardware.applyLanguage(f.program.language);
    QCOMPARE(requirements->toPlainText().split('\n').size(), HardwareWindow::kTextLines);
    QCOMPARE(requirements->toPlainText().split('\n').first(), f.program.line(882));
}

void InfoWindowsTest::newsCaptionComesFromLine958()
{
    Fixture f;
    NewsWindow news(f.program);

    // Without a language file the built-in caption stays rather than an empty one.
    QVERIFY(WhileModal(news, [&] { news.showNews("Nowość"); }, [&] {
        QCOMPARE(news.windowTitle(), QString("Co  nowego w obecnej wersji"));
    }));

    f.loadLanguage("english.lng");
    QVERIFY(WhileModal(news, [&] { news.showNews("Wersja 2.3\r\n- poprawki\r\n"); }, [&] {
        QCOMPARE(news.windowTitle(), f.program.line(958));
        QCOMPARE(news.text(), QString("Wersja 2.3\n- poprawki\n"));
    }));
}

void InfoWindowsTest::historyReadFromTheDataFolder()
{
    Fixture f;
    f.loadLanguage("polish.lng");
    NewsWindow news(f.program);

    // The sample history, UTF-8.
    QVERIFY(WhileModal(news, [&] { news.showHistory(); }, [&] {
        QCOMPARE(news.windowTitle(), f.program.line(959));
        QVERIFY(news.text().startsWith("Historia wersji programu KALVINTERA\n"));
        QVERIFY(news.text().contains("Wersja 1.0"));
        QVERIFY(news.text().contains("zamówieniowy"));
        QVERIFY(!news.text().contains('\r'));
    }));

    // A history written in CP1250.
    f.writeFile("historia.txt", "Wersja 3.0\r\n- poprawki b\xB3\xEA" "d\xF3w\r\n");
    QVERIFY(WhileModal(news, [&] { news.showHistory(); }, [&] {
        QCOMPARE(news.text(), QString("Wersja 3.0\n- poprawki błędów\n"));
    }));

    // Missing: a message instead of a window, and no text left from before.
    std::filesystem::remove(f.folder / "historia.txt");
    QVERIFY(!WhileModal(news, [&] { news.showHistory(); }, [] {}));
    QCOMPARE(f.prompter.messages.size(), std::size_t(1));
    QCOMPARE(f.prompter.messages[0].text, f.program.line(156));
    QVERIFY(news.text().isEmpty());
}

void InfoWindowsTest::escClosesEveryInformationWindow()
{
    Fixture f;
    MapWindow map(f.program);
    AboutWindow about(f.program);
    AwardsWindow awards(f.program);
    HardwareWindow hardware(f.program);
    NewsWindow news(f.program);
    PictureWindow picture(f.program);
    for (QDialog* dialog : std::initializer_list<QDialog*>{&map, &about, &awards, &hardware, &news, &picture}) {
        dialog->show();
        QVERIFY(dialog->isVisible());
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY2(!dialog->isVisible(), qPrintable(dialog->windowTitle()));
    }

    // "Zamknij" closes too.
    QVERIFY(WhileModal(hardware, [&] { hardware.showModal(); }, [&] {
        QTest::mouseClick(Child<QPushButton>(hardware, "close"), Qt::LeftButton);
        QVERIFY(!hardware.isVisible());
    }));
}

void InfoWindowsTest::onlyTheListedWindowsFade()
{
    Fixture f;
    f.program.EffectSpeed = 20;
    MapWindow map(f.program);
    AboutWindow about(f.program);
    AwardsWindow awards(f.program);
    HardwareWindow hardware(f.program);
    NewsWindow news(f.program);
    PictureWindow picture(f.program);
    for (ProgramDialog* dialog : std::initializer_list<ProgramDialog*>{&map, &about, &awards, &hardware}) {
        dialog->show();
        QVERIFY(!dialog->lastFadeSteps().empty());
        QCOMPARE(dialog->lastFadeSteps().back(), 255);
        dialog->reject();
        QCOMPARE(dialog->lastFadeSteps().back(), 0);
    }
    for (ProgramDialog* dialog : std::initializer_list<ProgramDialog*>{&news, &picture}) {
        dialog->show();
        dialog->reject();
        QVERIFY(dialog->lastFadeSteps().empty());
        QCOMPARE(dialog->windowOpacity(), 1.0);
    }
}

void InfoWindowsTest::pictureClosesOnClickAndHidesThePicture()
{
    Fixture f;
    PictureWindow window(f.program);
    QImage product(400, 300, QImage::Format_RGB32);
    product.fill(Qt::darkCyan);

    QVERIFY(WhileModal(window, [&] { window.showPicture(product); }, [&] {
        auto* picture = Child<PictureLabel>(window, "picture");
        QVERIFY(window.pictureShown());
        QVERIFY(picture->hasPicture());
        QCOMPARE(picture->toolTip(), QString("Click to close"));
        QCOMPARE(picture->size(), QSize(770, 508));
        QTest::mouseClick(picture, Qt::LeftButton);
        QVERIFY(!window.isVisible());
    }));
    QVERIFY(!window.pictureShown());

    // The next opening shows its own picture; an unreadable one leaves an empty frame.
    QVERIFY(WhileModal(window, [&] { window.showPicture(QImage()); }, [&] {
        QVERIFY(window.pictureShown());
        QVERIFY(!Child<PictureLabel>(window, "picture")->hasPicture());
    }));
}

void InfoWindowsTest::mapKeepsItsPictureWhenTheNewOneIsUnreadable()
{
    Fixture f;
    MapWindow map(f.program);
    auto* picture = Child<PictureLabel>(map, "map");
    QCOMPARE(picture->size(), QSize(512, 369));
    QVERIFY(!picture->hasPicture());

    QImage streets(1024, 738, QImage::Format_RGB32);
    streets.fill(Qt::white);
    map.setMapPicture(streets);
    QVERIFY(picture->hasPicture());
    const qint64 shown = picture->pixmap().cacheKey();
    map.setMapPicture(QImage());
    QCOMPARE(picture->pixmap().cacheKey(), shown);
}

QTEST_MAIN(InfoWindowsTest)
#include "info_windows_test.moc"
