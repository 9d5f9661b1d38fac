// The order form, company and contact tabs of the main window.
#include "ui/shell/company_tab.h"
#include "ui/shell/contact_tab.h"
#include "ui/shell/mailbox_label.h"
#include "ui/shell/order_form_tab.h"

#include "core/shell/company_addresses.h"
#include "support/fakes.h"
#include "support/test_program.h"
#include "support/test_data_folder.h"
#include "ui/program.h"

#include <QEnterEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <filesystem>
#include <fstream>

using namespace kalvintera;
using namespace kalvintera::testing;

namespace {

struct Fixture : TestProgram {
    // Line n of the language in force reads "L<n>".
    void loadNumberedLanguage()
    {
        const auto file = folder / "numbered.lng";
        {
            std::ofstream out(file, std::ios::binary);
            for (int n = 1; n <= 1000; ++n) out << "L" << n << "\r\n";
        }
        program.language.load(file, CodePage::Cp1250);
    }
};

QStringList LabelTexts(QWidget& parent)
{
    QStringList texts;
    for (QLabel* label : parent.findChildren<QLabel*>()) texts << label->text();
    return texts;
}

QColor TextColour(const QLabel* label)
{
    return label->palette().color(QPalette::WindowText);
}

void WritePicture(const std::filesystem::path& file, Qt::GlobalColor colour)
{
    QImage image(80, 60, QImage::Format_RGB888);
    image.fill(colour);
    QVERIFY(image.save(QString::fromStdString(file.string()), "JPG"));
}

// The colour at the middle of the shown picture; JPEG is lossy, so only the strongest
// channel counts.
char ShownColour(const QLabel* picture)
{
    const QImage image = picture->pixmap().toImage();
    if (image.isNull()) return '-';
    const QColor c = image.pixelColor(image.width() / 2, image.height() / 2);
    if (c.red() > 200 && c.green() < 60 && c.blue() < 60) return 'r';
    if (c.blue() > 200 && c.red() < 60 && c.green() < 60) return 'b';
    return '?';
}

} // namespace

class ContactTabsTest : public QObject {
    Q_OBJECT
private slots:
    void customerFieldsAreTheSettings();
    void orderFormTexts();
    void slideShowSkipsMissingPictures();
    void companyDescriptionAndCaption();
    void mailboxesOpenMessagesAndLightUp();
    void mapButtons();
    void contactTexts();
};

void ContactTabsTest::customerFieldsAreTheSettings()
{
    Fixture f;
    f.program.settings.name = "Jan Kowalski";
    f.program.settings.city = "60-101 Poznań";
    OrderFormTab tab(f.program);
    QCOMPARE(Child<QLineEdit>(tab, "customerName")->text(), QString("Jan Kowalski"));
    QCOMPARE(Child<QLineEdit>(tab, "customerCity")->text(), QString("60-101 Poznań"));
    QCOMPARE(f.program.settings.city, std::string("60-101 Poznań"));

    QTest::keyClicks(Child<QLineEdit>(tab, "customerStreet"), "ul. Dluga 5");
    QTest::keyClicks(Child<QLineEdit>(tab, "customerTel"), "61 800 12 00");
    QTest::keyClicks(Child<QLineEdit>(tab, "customerName"), " jr");
    QCOMPARE(f.program.settings.street, std::string("ul. Dluga 5"));
    QCOMPARE(f.program.settings.tel, std::string("61 800 12 00"));
    QCOMPARE(f.program.settings.name, std::string("Jan Kowalski jr"));

    // A settings file read later replaces what the fields show.
    f.program.settings.name = "Anna Nowak";
    f.program.settings.street.clear();
    tab.showCustomer();
    QCOMPARE(Child<QLineEdit>(tab, "customerName")->text(), QString("Anna Nowak"));
    QCOMPARE(Child<QLineEdit>(tab, "customerStreet")->text(), QString());
    QCOMPARE(f.program.settings.tel, std::string("61 800 12 00"));

    QSignalSpy sends(&tab, &OrderFormTab::sendRequested);
    Child<QPushButton>(tab, "sendOrder")->click();
    QCOMPARE(sends.count(), 1);
    QVERIFY(tab.orderListArea() != nullptr);
    QVERIFY(tab.isAncestorOf(tab.orderListArea()));
}

void ContactTabsTest::orderFormTexts()
{
    Fixture f;
    OrderFormTab tab(f.program);
    QVERIFY(LabelTexts(tab).contains("Imię i Nazwisko"));
    QVERIFY(LabelTexts(tab).contains("Telefon kontakt."));
    QVERIFY(!Child<QLineEdit>(tab, "customerName")->toolTip().isEmpty());

    f.loadNumberedLanguage();
    tab.applyLanguage(f.program.language);
    const QStringList labels = LabelTexts(tab);
    for (const char* line : {"L37", "L38", "L39", "L40"}) QVERIFY2(labels.contains(line), line);
    QCOMPARE(Child<QLineEdit>(tab, "customerName")->toolTip(), QString("L50"));
    QCOMPARE(Child<QLineEdit>(tab, "customerTel")->toolTip(), QString("L53"));
    QCOMPARE(Child<QPushButton>(tab, "sendOrder")->text(), QString("L41"));
    QCOMPARE(Child<QPushButton>(tab, "sendOrder")->toolTip(), QString("L54"));
}

void ContactTabsTest::slideShowSkipsMissingPictures()
{
    Fixture f;
    const auto pictures = f.folder / "grafika";
    for (int n = 1; n <= 8; ++n) std::filesystem::remove(pictures / ("0" + std::to_string(n) + ".jpg"));
    WritePicture(pictures / "01.jpg", Qt::red);
    WritePicture(pictures / "03.jpg", Qt::blue);
    std::ofstream(pictures / "05.jpg", std::ios::binary) << "no JPEG at all";

    CompanyTab tab(f.program);
    auto* picture = Child<QLabel>(tab, "companyPicture");
    QCOMPARE(ShownColour(picture), '-');
    QString seen;
    for (int tick = 1; tick <= 10; ++tick) {
        tab.advanceSlideShow();
        seen += QChar::fromLatin1(ShownColour(picture));
        seen += QString::number(tab.slideNumber());
    }
    // 02, 04, 06..08 are missing and 05 is damaged: the picture before them stays; after
    // the eighth the count starts again.
    QCOMPARE(seen, QString("r1r2b3b4b5b6b7b0r1r2"));
}

void ContactTabsTest::companyDescriptionAndCaption()
{
    Fixture f;
    CompanyTab tab(f.program);
    QCOMPARE(tab.findChild<QGroupBox*>()->title(), QString("O firmie"));
    tab.setDescription("Kalvintera produkuje wentylatory.\nOd 1990 roku.");
    auto* text = tab.findChild<QPlainTextEdit*>();
    QVERIFY(text->isReadOnly());
    QCOMPARE(text->toPlainText(), QString("Kalvintera produkuje wentylatory.\nOd 1990 roku."));

    f.loadNumberedLanguage();
    tab.applyLanguage(f.program.language);
    QCOMPARE(tab.findChild<QGroupBox*>()->title(), QString("L84"));
}

void ContactTabsTest::mailboxesOpenMessagesAndLightUp()
{
    Fixture f;
    ContactTab tab(f.program);
    tab.resize(700, 400);
    tab.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tab));

    QTest::mouseClick(tab.mailbox(2), Qt::LeftButton);
    QTest::mouseClick(tab.mailbox(0), Qt::LeftButton);
    const std::vector<std::string> opened = {"mailto:marketing@kalvintera.pl", "mailto:obsluga@kalvintera.pl"};
    QVERIFY(f.platform.desktop.opened_addresses == opened);
    QCOMPARE(tab.mailbox(4)->text(), QString("technolog@kalvintera.pl"));

    const QColor teal(0, 128, 128);
    const QColor red(255, 0, 0);
    for (int row = 0; row < 5; ++row) QCOMPARE(TextColour(tab.mailbox(row)), teal);
    MailboxLabel* sales = tab.mailbox(1);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), sales->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(sales, &enter);
    QCOMPARE(TextColour(sales), red);
    QCOMPARE(TextColour(tab.mailbox(0)), teal);

    // A move over the rest of the page turns every mailbox teal.
    auto* group = Child<QGroupBox>(tab, "contactGroup");
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), group->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(group, &move);
    QCOMPARE(TextColour(sales), teal);
}

void ContactTabsTest::mapButtons()
{
    Fixture f;
    f.loadNumberedLanguage();
    ContactTab tab(f.program);
    QSignalSpy sketches(&tab, &ContactTab::mapRequested);
    Child<QPushButton>(tab, "sketchMap")->click();
    QCOMPARE(sketches.count(), 1);
    QVERIFY(f.platform.desktop.opened_addresses.empty());

    f.platform.connectivity.online = false;
    Child<QPushButton>(tab, "onlineMap")->click();
    QCOMPARE(f.prompter.messages.size(), std::size_t{1});
    QCOMPARE(f.prompter.messages[0].text, QString("L934"));
    QCOMPARE(f.prompter.messages[0].title, QString("KALVINTERA info"));
    QVERIFY(f.platform.desktop.opened_addresses.empty());

    f.platform.connectivity.online = true;
    Child<QPushButton>(tab, "onlineMap")->click();
    QCOMPARE(f.prompter.messages.size(), std::size_t{1});
    QVERIFY(f.platform.desktop.opened_addresses == std::vector<std::string>{std::string(company::kOnlineMap)});
}

void ContactTabsTest::contactTexts()
{
    Fixture f;
    ContactTab tab(f.program);
    QStringList labels = LabelTexts(tab);
    for (const char* text : {"Kontakt z firmą", "Obsługa klienta", "Dział Zbytu", "Technolog Firmy"}) {
        QVERIFY2(labels.contains(QString::fromUtf8(text)), text);
    }
    QVERIFY(labels.contains(QString::fromUtf8(company::kPostalAddress)));

    f.loadNumberedLanguage();
    tab.applyLanguage(f.program.language);
    labels = LabelTexts(tab);
    for (const char* line : {"L85", "L86", "L87", "L88", "L89", "L90"}) QVERIFY2(labels.contains(line), line);
    QCOMPARE(Child<QGroupBox>(tab, "contactGroup")->title(), QString("L85"));
    QCOMPARE(Child<QPushButton>(tab, "sketchMap")->text(), QString("L143"));
    QCOMPARE(Child<QPushButton>(tab, "onlineMap")->text(), QString("L164"));
    QCOMPARE(Child<QPushButton>(tab, "sketchMap")->toolTip(), QString("L144"));
    QCOMPARE(Child<QPushButton>(tab, "onlineMap")->toolTip(), QString("L144"));
}

QTEST_MAIN(ContactTabsTest)
#include "contact_tabs_test.moc"
