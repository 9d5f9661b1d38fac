// Every file the user keeps, saved through the window's own command while its folder
// refuses writes, while the disk is full and while a folder stands in its place: the user
// is told which file failed, the old file stays as it was, and the program goes on with
// what it held.

#include "core/humidair/ix_chart_geometry.h"
#include "core/shell/settings.h"
#include "humidair_modal.h"
#include "support/test_program.h"
#include "support/write_faults.h"
#include "ui/ductloss/fitting_dialog.h"
#include "ui/ductloss/pressure_loss_window.h"
#include "ui/humidair/ix_chart_view.h"
#include "ui/humidair/ix_chart_window.h"
#include "ui/humidair/point_name_dialog.h"
#include "ui/order/order_commands.h"
#include "ui/order/order_view.h"
#include "ui/program_windows.h"
#include "ui/selection/selection_window.h"
#include "ui/shell/main_menu.h"
#include "ui/shell/main_window.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using namespace kalvintera;
using namespace kalvintera::testing;
namespace fs = std::filesystem;

namespace {

const std::string kOldBytes = "what the user saved before";

// The whole program, started on a private data folder, with a home folder of its own for
// the exports and a temporary folder of its own for the e-mail attachment.
struct Running : TestProgram {
    QTemporaryDir home;
    QByteArray saved_home = qgetenv("HOME");
    QByteArray saved_temp = qgetenv("TMPDIR");
    ProgramWindows all{program};
    Windows& windows = all.windows();

    Running()
    {
        qputenv("HOME", home.path().toLocal8Bit());
        qputenv("TMPDIR", home.path().toLocal8Bit());
        program.fadeEnabled = false;
        windows.main->setAnimated(false);
        if (!all.start() || !windows.main->activate()) qFatal("the program did not start");
    }
    ~Running()
    {
        qputenv("HOME", saved_home);
        qputenv("TMPDIR", saved_temp);
    }

    void menu(const char* item) { windows.main->menu().action(QString::fromLatin1(item))->trigger(); }

    // Three lines, added as the selection window adds them.
    void addOrderLines()
    {
        int added = 0;
        for (DeviceIndex i = 1; i <= kDeviceTableSlots && added < 3; ++i) {
            if (program.devices.at(i).Model.empty()) continue;
            OrderLine line;
            line.DeviceIndex = i;
            line.Quantity = std::to_string(++added);
            line.Colour = "STANDARD";
            if (program.order.append(line) != AppendResult::Appended) qFatal("order full");
        }
        program.orderChanged = true;
        emit windows.selection->orderLineAdded();
    }

    void fillCustomer()
    {
        const std::pair<const char*, const char*> fields[] = {
            {"customerName", "ABC"}, {"customerCity", "B"}, {"customerStreet", "C"}, {"customerTel", "D"}};
        for (const auto& [field, text] : fields) Child<QLineEdit>(*windows.main, field)->setText(QString::fromUtf8(text));
    }

    // One fitting in the pressure-loss calculator, committed as its dialog commits it.
    void addFitting()
    {
        windows.fittingDialog->prepareToAdd(9, "KRATKA");
        auto* flow = Child<QLineEdit>(*windows.fittingDialog, "flow");
        flow->selectAll();
        QTest::keyClicks(flow, "100");
        windows.fittingDialog->confirm();
    }

    // A point clicked on the IX chart and named in its name dialog.
    void addChartPoint()
    {
        IxChartWindow& chart = *windows.ixChart;
        chart.show();
        PointNameDialog* dialog = chart.pointNameDialog();
        WhenModal(dialog, [dialog] {
            dialog->nameEdit()->setText("P1");
            QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        });
        // Humid air at 20 °C and 5 g/kg: the middle of the picture lies in the fog region,
        // where a click makes no point.
        const IxChartGeometry& g = chart.geometry();
        const PixelPoint at = g.pixel(ChartToPixel(g, {0.005, 20}));
        const QPoint p(at.x, at.y);
        QTest::mouseMove(chart.view(), p);
        QTest::mouseClick(chart.view(), Qt::LeftButton, {}, p);
    }

    fs::path exportFolder() const { return fs::path(PressureLossWindow::exportFolder().toStdString()); }
};

QString Text(const fs::path& file) { return QString::fromStdString(file.string()); }

// Runs `save` under each fault aimed at `file`, each time over an old file, and checks
// what every failed save owes the user: one message naming the file, the old file as it
// was, nothing left in its folder. `kept` checks the window's own state after each.
// Finally, with the fault gone, `save` must write the file, with `messages_on_success`
// messages (an export says where it went) naming it.
void SaveUnderEachFault(Running& run, const fs::path& file, const std::function<void()>& save,
                        const std::function<void()>& kept, std::size_t messages_on_success = 0)
{
    fs::create_directories(file.parent_path());
    for (const WriteFault fault : kWriteFaults) {
        const QByteArray label = QByteArray(FaultName(fault)) + " on " + QByteArray::fromStdString(file.string());
        fs::remove_all(file);
        std::ofstream(file, std::ios::binary) << kOldBytes;
        const std::size_t messages = run.prompter.messages.size();
        {
            const InjectedFault injected(fault, file);
            const auto listing = FolderListing(file.parent_path());
            save();
            QVERIFY2(FolderListing(file.parent_path()) == listing, label + ": a temporary file was left behind");
        }
        QVERIFY2(run.prompter.messages.size() == messages + 1, label + ": not exactly one message");
        QVERIFY2(run.prompter.lastText().contains(Text(file)), label + ": " + run.prompter.lastText().toUtf8());
        if (fault == WriteFault::FolderInPlace) {
            QVERIFY2(fs::is_directory(file), label);
        } else {
            QVERIFY2(FileBytes(file) == kOldBytes, label + ": the old file was changed");
        }
        kept();
        if (QTest::currentTestFailed()) return;
    }
    fs::remove_all(file);
    const std::size_t messages = run.prompter.messages.size();
    save();
    QVERIFY2(fs::is_regular_file(file) && fs::file_size(file) > 0, "nothing saved once the fault was gone");
    QCOMPARE(run.prompter.messages.size(), messages + messages_on_success);
    if (messages_on_success != 0) QVERIFY(run.prompter.lastText().contains(Text(file)));
}

} // namespace

class FileFaultsTest : public QObject {
    Q_OBJECT
private slots:
    void savingTheOrderKeepsItsLinesAndItsChangedMark()
    {
        Running run;
        run.addOrderLines();
        const fs::path file = run.folder / "zamowienie.kvt";
        SaveUnderEachFault(
            run, file,
            [&] {
                run.prompter.file_names = {Text(file)};
                run.menu("saveOrder");
            },
            [&] {
                QCOMPARE(run.program.order.count(), 3);
                QVERIFY(run.program.orderChanged);
                QCOMPARE(run.windows.orderView->caption(), QString("bez nazwy.kvt"));
                QCOMPARE(run.windows.orderView->text(2, OrderView::QuantityColumn), QString("3"));
            });
        QVERIFY(!run.program.orderChanged); // the last save, without a fault, went through
    }

    void sendingTheOrderStopsBeforeTheMailClient()
    {
        Running run;
        run.fillCustomer();
        run.addOrderLines();
        const fs::path file = run.windows.orderCommands->attachmentFolder().value() / "zamowienie_ABC_09.12.2026.kvt";
        SaveUnderEachFault(
            run, file, [&] { run.menu("sendOrder"); },
            [&] {
                // No mail with an attachment that is not there, or not this order.
                QVERIFY(run.platform.mail.messages.empty());
                QCOMPARE(run.program.order.count(), 3);
                QVERIFY(run.program.orderChanged);
            });
        QCOMPARE(run.platform.mail.messages.size(), std::size_t{1});
    }

    void printingTheOrderStopsBeforeThePrinter()
    {
        Running run;
        run.fillCustomer();
        run.addOrderLines();
        SaveUnderEachFault(
            run, run.folder / "bez nazwy.txt", [&] { run.menu("printOrder"); },
            [&] {
                QVERIFY(run.platform.printer.printed.empty());
                QCOMPARE(run.program.order.count(), 3);
            });
        QCOMPARE(run.platform.printer.printed.size(), std::size_t{1});
    }

    void closingTellsWhenTheSettingsCannotBeWritten()
    {
        // The settings are written as the program ends: one program per fault.
        for (const WriteFault fault : kWriteFaults) {
            Running run;
            const fs::path file = run.folder / kSettingsFileName;
            fs::remove_all(file);
            std::ofstream(file, std::ios::binary) << kOldBytes;
            run.program.settings.name = "Jan Kowalski";
            {
                const InjectedFault injected(fault, file);
                const auto listing = FolderListing(run.folder.root());
                QVERIFY(run.windows.main->close());
                QCOMPARE(FolderListing(run.folder.root()), listing);
            }
            QVERIFY2(run.prompter.lastText().contains(Text(file)), FaultName(fault));
            if (fault != WriteFault::FolderInPlace) QCOMPARE(FileBytes(file), kOldBytes);
        }
    }

    void savingACalculationKeepsTheRun()
    {
        Running run;
        run.addFitting();
        run.addFitting();
        const QString total = run.windows.pressureLoss->totalText();
        const fs::path file = run.folder / "instalacja.moh";
        SaveUnderEachFault(
            run, file,
            [&] {
                run.prompter.file_names = {Text(file)};
                run.windows.pressureLoss->action("saveRun")->trigger();
            },
            [&] {
                QCOMPARE(run.windows.pressureLoss->run().count(), 2);
                QCOMPARE(run.windows.pressureLoss->totalText(), total);
            });
        QCOMPARE(fs::file_size(file), std::uintmax_t{2 * 372});
    }

    void exportingTheRunDoesNotOpenAFailedExport()
    {
        Running run;
        run.addFitting();
        for (const char* action : {"exportRun", "exportCsv"}) {
            const fs::path file = run.exportFolder() / (action == std::string("exportRun") ? "obliczenia_dp.txt" : "obliczenia_dp.csv");
            QVERIFY2(file.string().starts_with(run.home.path().toStdString()), "the export would leave the test's home");
            SaveUnderEachFault(
                run, file, [&] { run.windows.pressureLoss->action(action)->trigger(); },
                [&] {
                    QVERIFY(run.platform.desktop.opened_documents.empty());
                    QCOMPARE(run.windows.pressureLoss->run().count(), 1);
                },
                1);
            QCOMPARE(run.platform.desktop.opened_documents.back(), file);
            run.platform.desktop.opened_documents.clear();
        }
    }

    void savingAChartKeepsItsPointsAndTitle()
    {
        Running run;
        run.addChartPoint();
        IxChartWindow& chart = *run.windows.ixChart;
        QCOMPARE(chart.contents().points().size(), std::size_t{1});
        const QString title = chart.windowTitle();
        const fs::path file = run.folder / "wykres.ixc";
        const fs::path processes = run.folder / "wykres.ixp";
        std::ofstream(processes, std::ios::binary) << kOldBytes;
        const auto save = [&] {
            run.prompter.file_names = {Text(file)};
            chart.action("saveChart")->trigger();
        };
        const auto kept = [&] {
            QCOMPARE(chart.contents().points().size(), std::size_t{1});
            QCOMPARE(chart.windowTitle(), title);
            QCOMPARE(FileBytes(processes), kOldBytes); // the pair stays together
        };
        SaveUnderEachFault(run, file, save, kept);
        QCOMPARE(chart.windowTitle(), "IX-CHART  " + Text(file));

        // A folder in the place of the process file stops the save before the chart file changes.
        std::ofstream(file, std::ios::binary) << kOldBytes;
        ReplaceByFolder(processes);
        save();
        QVERIFY(run.prompter.lastText().contains(Text(processes)));
        QCOMPARE(FileBytes(file), kOldBytes);
        QCOMPARE(chart.contents().points().size(), std::size_t{1});
    }

    void savingAChartPictureKeepsTheOldPicture()
    {
        Running run;
        run.addChartPoint();
        const fs::path file = run.folder / "wykres.bmp";
        SaveUnderEachFault(
            run, file,
            [&] {
                run.prompter.file_names = {Text(file)};
                run.windows.ixChart->action("savePicture")->trigger();
            },
            [&] { QCOMPARE(run.windows.ixChart->contents().points().size(), std::size_t{1}); });
        QVERIFY(!QImage(Text(file), "BMP").isNull());
    }
};

QTEST_MAIN(FileFaultsTest)
#include "file_faults_test.moc"
