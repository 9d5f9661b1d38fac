// The order form: the list of ordered products, order files, the printout and sending the
// order by e-mail, on a copy of the sample data with the mail client and printer faked.

#include "core/order/order_file.h"
#include "core/shell/company_addresses.h"
#include "core/text/contains_text.h"
#include "core/text/message_format.h"
#include "support/modal_closer.h"
#include "support/test_program.h"
#include "ui/order/order_commands.h"
#include "ui/order/order_view.h"
#include "ui/program.h"
#include "ui/program_windows.h"
#include "ui/details/details_window.h"
#include "ui/selection/quantity_dialog.h"
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
    // The temporary folder of this test, where the order goes for an e-mail attachment.
    QTemporaryDir temp;
    QByteArray saved_temp = qgetenv("TMPDIR");
    ProgramWindows all{program};
    Windows& windows = all.windows();
    OrderView& view = *windows.orderView;

    Running()
    {
        qputenv("TMPDIR", temp.path().toLocal8Bit());
        windows.main->setAnimated(false);
        if (!all.start() || !windows.main->activate()) qFatal("the program did not start");
    }
    ~Running() { qputenv("TMPDIR", saved_temp); }

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

    QString mailFailureText(const std::filesystem::path& file) const
    {
        return "Error while trying to send email\n"
               + QString::fromStdString(FormatMessage(program.language.line(1112),
                                                      {file.string(), std::string(company::kOrderMailbox)}));
    }

    QString badQuantityText(const QString& typed) const
    {
        return QString::fromStdString(FormatMessage(program.language.line(1110), {typed.toStdString()}));
    }
};

// What the quantity dialog showed and did while a script answered it.
struct QuantityAnswers {
    QString preset;
    QStringList refused;        // entries after which the dialog stayed open, text kept
    QStringList left_open_with; // the edit's text after each refusal
    bool closed = false;
};

// Answers the next quantity dialog: each of `entries` is typed and confirmed in turn, the
// last with Enter; the dialog must refuse every entry but the last.
void AnswerQuantity(QuantityAnswers& seen, const QStringList& entries)
{
    CloseNextModal([&seen, entries](QWidget* modal) {
        auto* dialog = qobject_cast<QuantityDialog*>(modal);
        if (!dialog) qFatal("the quantity dialog was expected");
        seen.preset = dialog->quantityEdit()->text();
        for (qsizetype i = 0; i < entries.size(); ++i) {
            const QString& entry = entries[i];
            dialog->quantityEdit()->setText(entry);
            if (i == entries.size() - 1) {
                QTest::keyClick(dialog->quantityEdit(), Qt::Key_Return);
            } else {
                dialog->okButton()->click();
            }
            if (dialog->isVisible()) {
                seen.refused << entry;
                seen.left_open_with << dialog->quantityEdit()->text();
            }
        }
        seen.closed = !dialog->isVisible();
        // Let the test end even when the dialog wrongly stayed open.
        if (dialog->isVisible()) dialog->accept();
    });
}

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
        // In the user's language, naming the file, never the core's English text.
        QCOMPARE(run.prompter.lastText(), QString::fromStdString(FormatMessage(run.program.language.line(1104),
                                                                               {(run.folder / "zepsuty.kvt").string()})));
        QCOMPARE(run.view.caption(), run.path("moje.kvt"));
        run.write("za_duzy.kvt", std::string(102 * 128, '\0'));
        run.prompter.file_names = {run.path("za_duzy.kvt")};
        run.menu("openOrder");
        QCOMPARE(run.program.order.count(), 3);
        QCOMPARE(run.prompter.lastText(), QString::fromStdString(FormatMessage(run.program.language.line(1113),
                                                                               {(run.folder / "za_duzy.kvt").string(), "101"})));
        QVERIFY(!run.program.line(1113).isEmpty());
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
        // The attachment goes to a temporary folder of its own, not among the user's data.
        const std::filesystem::path folder = run.windows.orderCommands->attachmentFolder().value();
        QVERIFY2(folder.string().starts_with(run.temp.path().toStdString() + "/"), folder.c_str());
        const auto file = folder / "zamowienie_ABC_2007-07-15.kvt";
        QVERIFY(std::filesystem::exists(file));
        QVERIFY(!std::filesystem::exists(run.folder / "zamowienie_ABC_2007-07-15.kvt"));
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

        // No xdg-email: the user is told where the order is, and the file is there all the same.
        QVERIFY(!run.program.line(1112).isEmpty());
        run.platform.mail.fails_with = MailFailure::kNotStarted;
        run.type("customerName", "A/B");
        run.menu("sendOrder");
        const auto second = folder / "zamowienie_A_B_2007-07-15.kvt";
        QCOMPARE(run.prompter.lastText(), run.mailFailureText(second));
        QCOMPARE(run.prompter.messages.back().title, QString("Error"));
        QVERIFY(std::filesystem::exists(second));

        // xdg-email there, but no mail client for it to open.
        const std::size_t shown = run.prompter.messages.size();
        run.platform.mail.fails_with = 3;
        run.menu("sendOrder");
        QCOMPARE(run.prompter.messages.size(), shown + 1);
        QCOMPARE(run.prompter.lastText(), run.mailFailureText(second));

        // A mail client that says only later that it could not take the message.
        run.platform.mail.fails_with.reset();
        run.menu("sendOrder");
        QCOMPARE(run.prompter.messages.size(), shown + 1);
        run.platform.mail.failLater(4);
        QCOMPARE(run.prompter.messages.size(), shown + 2);
        QCOMPARE(run.prompter.lastText(), run.mailFailureText(second));
        QVERIFY(!std::filesystem::exists(run.folder / "zamowienie_A_B_2007-07-15.kvt"));
    }

    void quantityTakesOnlyWholeNumbersFrom1To999()
    {
        Running run;
        // Added from the details window of a catalogue product: the selection window's adds
        // ask through the same dialog.
        const DeviceIndex product = run.products(1).front();
        run.program.CurrentDevice = run.program.devices.at(product);
        run.program.OpenedFromCatalogue = true;
        run.program.OpenedFromFanSelection = false;
        run.windows.details->show();
        const QStringList bad = {"abc", "0", "-5", "", "2,5", "1e308", "1000", "1 5"};
        QuantityAnswers seen;
        AnswerQuantity(seen, bad + QStringList{" 12 "});
        Child<QPushButton>(*run.windows.details, "order")->click();

        QCOMPARE(seen.preset, QString("1"));
        QCOMPARE(seen.refused, bad);
        QCOMPARE(seen.left_open_with, bad); // the text stays for the user to mend
        QVERIFY(seen.closed);
        QCOMPARE(run.prompter.messages.size(), static_cast<std::size_t>(bad.size()));
        for (qsizetype i = 0; i < bad.size(); ++i) {
            QCOMPARE(run.prompter.messages[static_cast<std::size_t>(i)].text, run.badQuantityText(bad[i]));
        }
        QCOMPARE(run.program.order.count(), 1);
        QCOMPARE(run.program.order.at(0).Quantity, std::string("12"));
        QCOMPARE(run.view.text(0, OrderView::QuantityColumn), QString("12"));
        QVERIFY(run.program.orderChanged);

        // The printout and the order file hold the number as accepted.
        run.fillCustomer();
        run.menu("printOrder");
        QCOMPARE(QString::fromStdString(run.platform.printer.printed.back().back()).mid(43, 4), QString("12  "));
        run.prompter.file_names = {run.path("ilosc.kvt")};
        run.menu("saveOrder");
        QCOMPARE(ReadOrderFile(run.folder / "ilosc.kvt").at(0).Quantity, std::string("12"));
        run.windows.details->hide();
    }

    void changingTheQuantityOfALineKeepsItsPlace()
    {
        Running run;
        run.addLines(7); // quantities 1 … 7
        run.prompter.file_names = {run.path("siedem.kvt")};
        run.menu("saveOrder");
        QVERIFY(!run.program.orderChanged);
        run.view.scrollBar()->setValue(2);
        run.view.columns()->selectRow(1); // the line at position 3
        const OrderLine before = run.program.order.at(3);

        QuantityAnswers seen;
        AnswerQuantity(seen, {"abc", "25"});
        run.view.changeQuantityAction()->trigger();
        QCOMPARE(seen.preset, QString("4")); // what the line holds
        QCOMPARE(seen.refused, QStringList{"abc"});
        QVERIFY(seen.closed);

        OrderLine expected = before;
        expected.Quantity = "25";
        QVERIFY(run.program.order.at(3) == expected);
        QCOMPARE(run.program.order.count(), 7);
        for (int p : {0, 1, 2, 4, 5, 6}) QCOMPARE(run.program.order.at(p).Quantity, std::to_string(p + 1));
        QVERIFY(run.program.orderChanged);
        // The list stays where it was, the line still selected.
        QCOMPARE(run.view.scrollBar()->value(), 2);
        QCOMPARE(run.view.text(1, OrderView::QuantityColumn), QString("25"));
        QCOMPARE(run.view.selectedNumberText(), QString("4"));

        // The pop-up items in each language.
        struct Items {
            int language;
            const char* details;
            const char* remove;
            const char* change;
        };
        QCOMPARE(run.view.changeQuantityAction()->text(), QString("Zmień ilość"));
        const Items languages[] = {{2, "Show details", "Remove from order", "Change quantity"},
                                   {3, "Details anzeigen", "Aus der Bestellung entfernen", "Menge ändern"},
                                   {4, "Показать подробности", "Удалить из заказа", "Изменить количество"},
                                   {1, "Pokaż szczegóły", "Usuń z zamówienia", "Zmień ilość"}};
        for (const Items& items : languages) {
            run.program.settings.language = items.language;
            QVERIFY(run.windows.main->activate());
            QCOMPARE(run.view.detailsAction()->text(), QString::fromUtf8(items.details));
            QCOMPARE(run.view.removeAction()->text(), QString::fromUtf8(items.remove));
            QCOMPARE(run.view.changeQuantityAction()->text(), QString::fromUtf8(items.change));
        }
    }

    void changingTheQuantityOfAnEmptyRowAsksNothing()
    {
        Running run;
        run.addLines(2);
        run.view.columns()->selectRow(3);
        bool asked = false;
        CloseNextModal(
            [&asked](QWidget* modal) {
                asked = true;
                if (auto* dialog = qobject_cast<QuantityDialog*>(modal)) dialog->accept();
            },
            10);
        run.view.changeQuantityAction()->trigger();
        QTest::qWait(150);
        QVERIFY(!asked);
        QCOMPARE(run.program.order.at(0).Quantity, std::string("1"));
        QCOMPARE(run.program.order.at(1).Quantity, std::string("2"));
        QCOMPARE(run.program.order.count(), 2);
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
