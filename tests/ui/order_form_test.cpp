// The order form: the list of ordered products, order files, the printout and sending the
// order by e-mail, on a copy of the sample data with the mail client and printer faked.

#include "core/order/order_file.h"
#include "core/shell/company_addresses.h"
#include "core/text/contains_text.h"
#include "support/modal_closer.h"
#include "support/test_program.h"
#include "ui/order/order_commands.h"
#include "ui/order/order_view.h"
#include "ui/program.h"
#include "ui/program_windows.h"
#include "ui/selection/result_columns.h"
#include "ui/selection/selection_window.h"
#include "ui/shell/main_menu.h"
#include "ui/shell/main_window.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include <fstream>

using namespace kalvintera;
using namespace kalvintera::testing;

namespace {

struct Running : TestProgram {
    ProgramWindows all{program};
    Windows& windows = all.windows();
    OrderView& view = *windows.orderView;

    Running()
    {
        windows.main->setAnimated(false);
        if (!all.start() || !windows.main->activate()) qFatal("the program did not start");
    }

    // Catalogue slots of products, in catalogue order; fans first when asked.
    std::vector<DeviceIndex> products(int wanted, bool fans = false) const
    {
        std::vector<DeviceIndex> found;
        for (DeviceIndex i = 1; i <= kDeviceTableSlots && static_cast<int>(found.size()) < wanted; ++i) {
            const DeviceRecord& device = program.devices.at(i);
            if (device.Model.empty()) continue;
            if (fans && !ContainsText("WENTYLATOR ", device.NamePl)) continue;
            found.push_back(i);
        }
        if (static_cast<int>(found.size()) < wanted) qFatal("the sample catalogue has too few products");
        return found;
    }

    // As the selection window adds a product once its quantity has been typed.
    void addLine(DeviceIndex device, const std::string& quantity, double flow = 0, double pressure = 0)
    {
        OrderLine line;
        line.DeviceIndex = device;
        line.Quantity = quantity;
        line.DutyFlow = flow;
        line.DutyPressure = pressure;
        line.Colour = "STANDARD";
        line.Execution = "N/A";
        line.Arrangement = "N/A";
        line.Voltage = "230";
        if (program.order.append(line) != AppendResult::Appended) qFatal("order full");
        program.orderChanged = true;
        emit windows.selection->orderLineAdded();
    }

    void addLines(int count)
    {
        const std::vector<DeviceIndex> devices = products(3);
        for (int i = 0; i < count; ++i) addLine(devices[static_cast<std::size_t>(i % 3)], std::to_string(i + 1));
    }

    void menu(const char* item) { windows.main->menu().action(QString::fromLatin1(item))->trigger(); }

    void type(const char* field, const QString& text)
    {
        Child<QLineEdit>(*windows.main, field)->setText(text);
    }

    void fillCustomer()
    {
        type("customerName", "ABC");
        type("customerCity", "B");
        type("customerStreet", "C");
        type("customerTel", "D");
    }

    QString name(DeviceIndex device) const { return QString::fromStdString(program.devices.at(device).NamePl); }
    QString model(DeviceIndex device) const { return QString::fromStdString(program.devices.at(device).Model); }
    QString path(const std::string& relative) const { return QString::fromStdString((folder / relative).string()); }
};

std::uintmax_t FileSize(const std::filesystem::path& file) { return std::filesystem::file_size(file); }

std::string ReadBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

class OrderFormTest : public QObject {
    Q_OBJECT
private slots:
    void addedLinesShowInTheEightColumns()
    {
        Running run;
        const std::vector<DeviceIndex> devices = run.products(3);
        QCOMPARE(run.view.caption(), QString("bez nazwy.kvt"));
        run.addLines(3);
        QCOMPARE(run.view.text(0, OrderView::LineNoColumn), QString("0"));
        QCOMPARE(run.view.text(2, OrderView::LineNoColumn), QString("2"));
        QCOMPARE(run.view.text(1, OrderView::NameColumn), run.name(devices[1]));
        QCOMPARE(run.view.text(1, OrderView::ModelColumn), run.model(devices[1]));
        QCOMPARE(run.view.text(2, OrderView::QuantityColumn), QString("3"));
        QCOMPARE(run.view.text(0, OrderView::VoltageColumn), QString("230"));
        QCOMPARE(run.view.text(0, OrderView::ExecutionColumn), QString("N/A"));
        QCOMPARE(run.view.text(0, OrderView::ColourColumn), QString("STANDARD"));
        QCOMPARE(run.view.text(0, OrderView::ArrangementColumn), QString("N/A"));
        // Five rows always, the ones after the last line empty.
        QCOMPARE(run.view.columns()->rowCount(), 5);
        QCOMPARE(run.view.text(3, OrderView::NameColumn), QString());
        QCOMPARE(run.view.scrollBar()->maximum(), 0);

        // The heads come from the language file; "Lp" is the same in every language.
        QStringList heads;
        for (const QLabel* label : run.view.findChildren<QLabel*>()) heads << label->text();
        QVERIFY(heads.contains("Lp"));
        QVERIFY(!run.program.line(42).isEmpty());
        for (int line = 42; line <= 49; ++line) QVERIFY2(heads.contains(run.program.line(line)), qPrintable(QString::number(line)));

        // A row clicked in one column is the row of all eight, numbered from 1.
        run.view.columns()->list(OrderView::ColourColumn)->setCurrentRow(1);
        QCOMPARE(run.view.columns()->list(OrderView::NameColumn)->currentRow(), 1);
        QCOMPARE(run.view.selectedNumberText(), QString("2"));
    }

    void saveRemoveAndReopen()
    {
        Running run;
        const std::vector<DeviceIndex> devices = run.products(3);
        run.addLines(3);

        run.prompter.file_names = {run.path("moje.kvt")};
        run.menu("saveOrder");
        QCOMPARE(FileSize(run.folder / "moje.kvt"), std::uintmax_t{512});
        const FileDialogRequest& save = run.prompter.file_requests.back();
        QCOMPARE(save.filter, QString("Pliki Kalvintera (*.kvt)"));
        QCOMPARE(save.default_suffix, QString("kvt"));
        QCOMPARE(save.folder, QString::fromStdString(run.folder.root().string()));
        QCOMPARE(run.view.caption(), run.path("moje.kvt"));
        QVERIFY(!run.program.orderChanged); // saved changes are not warned about again

        // The middle line goes; the third moves up and takes the number of its new place.
        run.view.columns()->selectRow(1);
        run.view.removeAction()->trigger();
        QCOMPARE(run.program.order.count(), 2);
        QCOMPARE(run.view.text(1, OrderView::NameColumn), run.name(devices[2]));
        QCOMPARE(run.view.text(1, OrderView::QuantityColumn), QString("3"));
        QCOMPARE(run.view.text(1, OrderView::LineNoColumn), QString("1"));
        QCOMPARE(run.view.text(2, OrderView::NameColumn), QString());
        QVERIFY(run.program.orderChanged);

        // Removing on an empty row changes nothing.
        run.view.columns()->selectRow(4);
        run.view.removeAction()->trigger();
        QCOMPARE(run.program.order.count(), 2);

        // Reopening asks first, because of the removal, then shows the three saved lines.
        run.prompter.answers = {true};
        run.prompter.file_names = {run.path("moje.kvt")};
        const auto asked = run.prompter.messages.size();
        run.menu("openOrder");
        QCOMPARE(run.prompter.messages.size(), asked + 1);
        QCOMPARE(run.prompter.lastText(), QString("UWAGA! PLIK ZAMÓWIENIA ZOSTAŁ ZMIENIONY - NAPEWNO OTWORZYĆ NOWY PLIK?"));
        QCOMPARE(run.prompter.messages.back().title, QString("KALVINTERA INFO"));
        QCOMPARE(run.prompter.file_requests.back().file_name, QString("*.kvt"));
        QCOMPARE(run.program.order.count(), 3);
        for (int row = 0; row < 3; ++row) QCOMPARE(run.view.text(row, OrderView::LineNoColumn), QString::number(row));
        QCOMPARE(run.view.text(1, OrderView::NameColumn), run.name(devices[1]));
        QCOMPARE(run.view.caption(), run.path("moje.kvt"));
        QVERIFY(!run.program.orderChanged);

        // A cancelled dialog and a damaged file leave the order as it was.
        run.prompter.file_names = {QString()};
        run.menu("openOrder");
        QCOMPARE(run.program.order.count(), 3);
        run.write("zepsuty.kvt", std::string(100, 'x'));
        run.prompter.file_names = {run.path("zepsuty.kvt")};
        run.menu("openOrder");
        QCOMPARE(run.program.order.count(), 3);
        QVERIFY(run.prompter.lastText().contains("zepsuty.kvt"));
        QCOMPARE(run.view.caption(), run.path("moje.kvt"));
    }

    void newOrderAsksOnlyAboutUnsavedChanges()
    {
        Running run;
        run.addLines(2);
        run.prompter.answers = {false};
        run.menu("newOrder");
        QCOMPARE(run.prompter.lastText(), QString("UWAGA! PLIK ZAMÓWIENIA ZOSTAŁ ZMIENIONY - NAPEWNO UTWORZYĆ NOWY PLIK"));
        QCOMPARE(run.prompter.messages.back().title, QString("KALVINTERA INFO"));
        QCOMPARE(run.program.order.count(), 2);
        QCOMPARE(run.view.text(1, OrderView::LineNoColumn), QString("1"));

        run.prompter.answers = {true};
        run.menu("newOrder");
        QCOMPARE(run.program.order.count(), 0);
        QCOMPARE(run.view.text(0, OrderView::NameColumn), QString());
        QCOMPARE(run.view.caption(), QString("bez nazwy.kvt"));
        QVERIFY(!run.program.orderChanged);

        // Saved: a new order follows without a question.
        run.addLines(1);
        run.prompter.file_names = {run.path("jedna.kvt")};
        run.menu("saveOrder");
        const auto asked = run.prompter.messages.size();
        run.menu("newOrder");
        QCOMPARE(run.prompter.messages.size(), asked);
        QCOMPARE(run.program.order.count(), 0);
    }

    void sevenLinesScrollFiveAtATime()
    {
        Running run;
        run.addLines(7);
        QScrollBar* bar = run.view.scrollBar();
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), 2);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(run.view.text(0, OrderView::LineNoColumn), QString("0"));
        QCOMPARE(run.view.text(4, OrderView::LineNoColumn), QString("4"));
        bar->setValue(1);
        QCOMPARE(run.view.text(0, OrderView::LineNoColumn), QString("1"));
        QCOMPARE(run.view.text(4, OrderView::LineNoColumn), QString("5"));
        bar->setValue(2);
        QCOMPARE(run.view.text(0, OrderView::LineNoColumn), QString("2"));
        QCOMPARE(run.view.text(4, OrderView::LineNoColumn), QString("6"));
        QCOMPARE(run.view.text(4, OrderView::QuantityColumn), QString("7"));

        // The selected row counts from the scroll position.
        run.view.columns()->selectRow(0);
        QCOMPARE(run.view.selectedNumberText(), QString("3"));
        run.view.removeAction()->trigger();
        QCOMPARE(run.program.order.count(), 6);
        QCOMPARE(run.program.order.at(2).Quantity, std::string("4"));
        QCOMPARE(bar->maximum(), 1);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(run.view.text(0, OrderView::LineNoColumn), QString("0"));

        // A new line shows the order from the top again.
        bar->setValue(1);
        run.addLines(1);
        QCOMPARE(bar->maximum(), 2);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(run.view.text(0, OrderView::LineNoColumn), QString("0"));
    }

    void sendChecksEachFieldInTurn()
    {
        Running run;
        const auto check = [&run](int line, const QString& title) {
            run.menu("sendOrder");
            QCOMPARE(run.prompter.lastText(), run.program.line(line));
            QCOMPARE(run.prompter.messages.back().title, title);
        };
        const QString title = QString::fromStdString(run.program.MessageTitle);
        run.platform.connectivity.online = false;
        check(934, "KALVINTERA info");
        run.platform.connectivity.online = true;
        check(150, title); // every field empty: only the first is reported
        run.type("customerName", "ABC");
        check(151, title);
        run.type("customerCity", "B");
        check(152, title);
        run.type("customerStreet", "C");
        check(153, title);
        run.type("customerTel", "D");
        check(154, title);
        QVERIFY(run.platform.mail.messages.empty());
        for (const auto& entry : std::filesystem::directory_iterator(run.folder.root())) {
            QVERIFY2(entry.path().extension() != ".kvt", qPrintable(QString::fromStdString(entry.path().string())));
        }
    }

    void sendWritesTheOrderFileAndOpensTheMailClient()
    {
        Running run;
        const std::vector<DeviceIndex> devices = run.products(3);
        run.program.dates = ShortDateFormat("yyyy-MM-dd");
        run.platform.clock.date = {2007, 7, 15};
        run.fillCustomer();
        run.addLines(3);

        QTest::mouseClick(Child<QPushButton>(*run.windows.main, "sendOrder"), Qt::LeftButton);
        const auto file = run.folder / "zamowienie_ABC_2007-07-15.kvt";
        QVERIFY(std::filesystem::exists(file));
        QCOMPARE(FileSize(file), std::uintmax_t{512});
        QCOMPARE(run.platform.mail.messages.size(), std::size_t{1});
        const FakeMailClient::Message& mail = run.platform.mail.messages.front();
        QCOMPARE(mail.recipient, std::string(company::kOrderMailbox));
        QCOMPARE(mail.subject, std::string("Zamówienie na produkty KALVINTERA"));
        QCOMPARE(mail.body, std::string("Klient: ABC    Adres: B  C  D"));
        QCOMPARE(mail.attachments, std::vector<std::filesystem::path>{file});
        QVERIFY(run.platform.desktop.opened_addresses.empty()); // no counting page configured
        QVERIFY(run.program.orderChanged);                      // sending is not saving
        QCOMPARE(run.view.caption(), QString("bez nazwy.kvt"));

        // The attachment reopens with the same lines.
        run.prompter.answers = {true};
        run.prompter.file_names = {QString::fromStdString(file.string())};
        run.menu("openOrder");
        QCOMPARE(run.program.order.count(), 3);
        QCOMPARE(run.view.text(2, OrderView::NameColumn), run.name(devices[2]));
        QCOMPARE(run.view.text(2, OrderView::QuantityColumn), QString("3"));

        // No mail client: the user is told, and the order file is there all the same.
        run.platform.mail.starts = false;
        run.type("customerName", "A/B");
        run.menu("sendOrder");
        QCOMPARE(run.prompter.lastText(), QString("Error while trying to send email"));
        QCOMPARE(run.prompter.messages.back().title, QString("Error"));
        QVERIFY(std::filesystem::exists(run.folder / "zamowienie_A_B_2007-07-15.kvt"));
    }

    void printWritesTheTextBesideTheOrderFile()
    {
        Running run;
        run.fillCustomer();
        run.addLines(5);
        run.menu("printOrder");
        const auto unnamed = run.folder / "bez nazwy.txt";
        QVERIFY(std::filesystem::exists(unnamed));
        QCOMPARE(run.platform.printer.printed.size(), std::size_t{1});
        const std::vector<std::string>& lines = run.platform.printer.printed.front();
        QCOMPARE(lines.size(), std::size_t{13 + 5});
        QCOMPARE(lines[6], run.program.language.line(160) + "  ABC");
        QCOMPARE(QString::fromStdString(lines[17]).size(), 81);
        std::string expected;
        for (const std::string& line : lines) expected += line + "\r\n";
        QCOMPARE(ReadBytes(unnamed), expected);

        std::filesystem::create_directories(run.folder / "zam");
        run.prompter.file_names = {run.path("zam/biuro.kvt")};
        run.menu("saveOrder");
        run.menu("printOrder");
        QVERIFY(std::filesystem::exists(run.folder / "zam/biuro.txt"));
        QCOMPARE(run.platform.printer.printed.size(), std::size_t{2});

        run.menu("printerSetup");
        QCOMPARE(run.platform.printer.setup_dialogs, 1);
    }

    void detailsOfAnOrderedFanBringBackItsDutyPoint()
    {
        Running run;
        const DeviceIndex fan = run.products(1, true).front();
        run.addLine(fan, "2", 1200, 152.5);
        QSignalSpy opened(run.windows.orderCommands, &OrderCommands::detailsRequested);

        // The details window, where one is connected, opens modally: close it as it shows.
        run.view.columns()->selectRow(0);
        CloseNextModal();
        run.view.detailsAction()->trigger();
        QCOMPARE(opened.count(), 1);
        QCOMPARE(run.program.CurrentDevice.Model, run.program.devices.at(fan).Model);
        QVERIFY(run.program.DutyPointKnown);
        QVERIFY(!run.program.OpenedFromFanSelection);
        QCOMPARE(run.windows.selection->flowText(), QString("1200"));
        QCOMPARE(run.windows.selection->pressureText(),
                 QString::fromStdString("152" + std::string(1, run.program.numbers.decimal_separator) + "5"));

        // An empty row opens nothing.
        run.view.columns()->selectRow(3);
        run.view.detailsAction()->trigger();
        QCOMPARE(opened.count(), 1);
        QCOMPARE(run.program.CurrentDevice.Model, run.program.devices.at(fan).Model);
    }

    void closingWithUnsavedChangesAsks()
    {
        Running run;
        run.addLines(1);
        run.prompter.answers = {false};
        QVERIFY(!run.windows.main->close());
        QVERIFY(run.windows.main->isVisible());
        QCOMPARE(run.prompter.lastText(), run.program.line(1035));
        QVERIFY(!run.program.line(1035).isEmpty());
        QCOMPARE(run.program.order.count(), 1);

        run.prompter.answers = {true};
        QVERIFY(run.windows.main->close());
        QVERIFY(!run.windows.main->isVisible());
    }

    void closingWithoutChangesDoesNotAsk()
    {
        Running run;
        run.addLines(1);
        run.prompter.file_names = {run.path("zapisane.kvt")};
        run.menu("saveOrder");
        const auto asked = run.prompter.messages.size();
        QVERIFY(run.windows.main->close());
        QCOMPARE(run.prompter.messages.size(), asked);
    }
};

QTEST_MAIN(OrderFormTest)
#include "order_form_test.moc"
