// The fan schedule on the sample data: every line as the single search, bad lines with their
// messages, alternatives, the order and its limit, exports, and a run that is stopped.

#include "core/catalogue/device_table.h"
#include "core/order/order_list.h"
#include "core/order/order_quantity.h"
#include "core/schedule/schedule_file.h"
#include "core/schedule/schedule_selection.h"
#include "core/schedule/schedule_table.h"
#include "support/test_program.h"
#include "ui/program.h"
#include "ui/schedule/schedule_model.h"
#include "ui/schedule/schedule_window.h"
#include "ui/selection/selection_window.h"

#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>

using namespace kalvintera;
using namespace kalvintera::testing;

namespace {

struct Fixture : TestProgram {
    Fixture()
    {
        LoadDeviceTable(program.path("urzadzenia.dbx"), program.devices, program.numbers);
        program.settings.language = language_id::kPolish;
        program.language.load(program.path("languages/polish.lng"), CodePage::Cp1250);
        program.MessageTitle = program.language.line(149);
        program.fadeEnabled = false;
    }

    QString write(const QString& name, const std::string& text) const
    {
        const QString file = scratch.filePath(name);
        std::ofstream(file.toStdString(), std::ios::binary) << text;
        return file;
    }

    // Loads the file into the window and waits for its selection.
    void run(ScheduleWindow& window, const QString& file) const
    {
        QSignalSpy finished(&window, &ScheduleWindow::selectionFinished);
        window.loadSchedule(file);
        if (!finished.wait(60000)) qFatal("the schedule was not selected");
    }

    QTemporaryDir scratch;
};

// Good lines around every kind of bad one.
const std::string kSchedule =
    "Oznaczenie;Wydajność;Spręż;Typ;Ilość;Uwagi\r\n"
    "W1;1200;150;dachowy;2;hall\r\n"
    "W2;800,5;100;;1;\r\n"
    "\"W;3\";;100;;;no flow\r\n"
    "W4;abc;100;;;\r\n"
    "W5;1200;5000;;;\r\n"
    "W6;1200;150;axial;;\r\n"
    "W7;2500;250;roof;0;\r\n"
    "W8;300;50;kanałowy;1;\r\n";

} // namespace

class ScheduleWindowTest : public QObject {
    Q_OBJECT
private slots:
    void everyLineIsTheSingleSearchAndBadLinesSayWhy();
    void anAlternativeReplacesTheChoice();
    void addingToTheOrderStopsAtItsLimit();
    void exportsWriteCsvAndXlsx();
    void aLongRunCanBeStopped();
    void anUnreadableFileChangesNothing();
    void detailsOpenAtTheLinesDutyPoint();
};

void ScheduleWindowTest::everyLineIsTheSingleSearchAndBadLinesSayWhy()
{
    Fixture f;
    ScheduleWindow window(f.program);
    f.run(window, f.write("s.csv", kSchedule));
    const std::vector<ScheduleRow>& rows = window.model()->rows();
    QCOMPARE(rows.size(), 8u);
    const auto single = [&](double flow_m3h, double pressure, FanKind kind) {
        FanSearchCriteria criteria;
        criteria.duty = {flow_m3h / 3600.0, pressure};
        criteria.kind = kind;
        return SearchFans(f.program.devices, f.program.data, criteria, f.program.numbers).results;
    };
    const auto expect_line = [&](const ScheduleRow& row, const std::vector<SelectionResult>& results) {
        QVERIFY(results.size() >= 1);
        QCOMPARE(row.candidates.size(), std::min<std::size_t>(3, results.size()));
        for (std::size_t i = 0; i < row.candidates.size(); ++i) {
            QCOMPARE(row.candidates[i].index, results[i].index);
            QCOMPARE(row.candidates[i].Power, results[i].Power);
        }
        QCOMPARE(row.message_line, 0);
    };
    expect_line(rows[0], single(1200, 150, FanKind::Roof));
    QCOMPARE(rows[0].quantity, 2);
    expect_line(rows[1], single(800.5, 100, FanKind::Roof));
    expect_line(rows[7], single(300, 50, FanKind::Duct));
    QCOMPARE(rows[2].message_line, kMessageEnterFlow);
    QCOMPARE(rows[3].message_line, 1101); // not a number
    QCOMPARE(rows[4].message_line, kMessageNoFanFound);
    QCOMPARE(rows[5].message_line, kScheduleUnknownKindLine);
    QCOMPARE(rows[6].message_line, kBadOrderQuantityLine);
    for (int row : {2, 3, 4, 5, 6}) QVERIFY(rows[static_cast<std::size_t>(row)].choice() == nullptr);
    // The message stands in its row, in the reader's language.
    const QModelIndex message = window.model()->index(4, ScheduleModel::Message);
    QVERIFY(message.data().toString().startsWith(QString::fromUtf8("Żaden wentylator")));
    QCOMPARE(window.model()->index(2, ScheduleModel::Tag).data().toString(), QString("W;3"));
    QVERIFY(window.status()->text().contains("8"));

    // Sorting by power keeps numbers as numbers and the lines without a fan after them.
    window.table()->sortByColumn(ScheduleModel::Power, Qt::AscendingOrder);
    double last = 0;
    for (int r = 0; r < 3; ++r) {
        const double power = window.sorted()->index(r, ScheduleModel::Power).data().toString().toDouble();
        QVERIFY(power >= last);
        last = power;
    }
    QVERIFY(window.sorted()->index(7, ScheduleModel::Power).data().toString().isEmpty());
}

void ScheduleWindowTest::anAlternativeReplacesTheChoice()
{
    Fixture f;
    ScheduleWindow window(f.program);
    f.run(window, f.write("s.csv", kSchedule));
    const QModelIndex fan = window.model()->index(0, ScheduleModel::Fan);
    const QStringList candidates = fan.data(ScheduleModel::kCandidatesRole).toStringList();
    QCOMPARE(candidates.size(), 3);
    QVERIFY(window.model()->flags(fan) & Qt::ItemIsEditable);
    QVERIFY(window.model()->setData(fan, 2, Qt::EditRole));
    QCOMPARE(fan.data().toString(), candidates[2]);
    QVERIFY(!window.model()->setData(fan, 3, Qt::EditRole)); // no such alternative
    // The order takes the chosen alternative.
    window.addAllToOrder();
    QCOMPARE(f.program.order.count(), 3);
    QCOMPARE(QString::fromStdString(f.program.devices.at(f.program.order.at(0).DeviceIndex).Model), candidates[2]);
    QCOMPARE(f.program.order.at(0).Quantity, std::string("2"));
    QCOMPARE(f.program.order.at(1).DutyFlow, 800.5);
    QVERIFY(f.prompter.lastText().contains(QString::fromUtf8("Dodano do zamówienia 3 z 3")));
}

void ScheduleWindowTest::addingToTheOrderStopsAtItsLimit()
{
    Fixture f;
    std::string big = "tag,flow,pressure\n";
    for (int i = 0; i < 120; ++i) big += "T" + std::to_string(i) + "," + std::to_string(900 + i) + ",120\n";
    ScheduleWindow window(f.program);
    f.run(window, f.write("big.csv", big));
    window.addAllToOrder();
    QCOMPARE(f.program.order.count(), 100);
    QVERIFY(f.prompter.lastText().contains(QString::fromUtf8("Zamówienie jest pełne: dodano 100 z 120")));
}

void ScheduleWindowTest::exportsWriteCsvAndXlsx()
{
    Fixture f;
    ScheduleWindow window(f.program);
    f.run(window, f.write("s.csv", kSchedule));
    const QString csv = f.scratch.filePath("out.csv");
    f.prompter.file_names.push_back(csv);
    window.exportCsv();
    QFile csv_file(csv);
    QVERIFY(csv_file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(csv_file.readAll());
    QVERIFY(text.startsWith(QString::fromUtf8("\uFEFFline,tag,flow,pressure,kind,quantity,index,model,")));
    QVERIFY(text.contains(",W;3,")); // the point locale lists with commas
    QCOMPARE(text.count("\r\n"), 9);

    const QString xlsx = f.scratch.filePath("out.xlsx");
    f.prompter.file_names.push_back(xlsx);
    window.exportXlsx();
    QFile xlsx_file(xlsx);
    QVERIFY(xlsx_file.open(QIODevice::ReadOnly));
    QCOMPARE(xlsx_file.read(2), QByteArray("PK")); // a zip container
    QVERIFY(!QFile::exists(xlsx + ".tmp-xlsx"));

    // Into a folder that does not exist: a message, and nothing written.
    f.prompter.file_names.push_back(f.scratch.filePath("no/such/out.xlsx"));
    window.exportXlsx();
    QVERIFY(f.prompter.lastText().contains(QString::fromUtf8("Nie można zapisać")));
}

void ScheduleWindowTest::aLongRunCanBeStopped()
{
    Fixture f;
    std::string big = "tag;flow;pressure\n";
    for (int i = 0; i < 10000; ++i) big += "T" + std::to_string(i) + ";" + std::to_string(300 + i % 3000) + ";100\n";
    ScheduleWindow window(f.program);
    QSignalSpy finished(&window, &ScheduleWindow::selectionFinished);
    window.loadSchedule(f.write("long.csv", big));
    QVERIFY(window.running());
    window.stop();
    QVERIFY(finished.wait(60000));
    QVERIFY(!window.running());
    QVERIFY(window.model()->rows().empty()); // a stopped run shows nothing half done
    QCOMPARE(window.status()->text(), QString::fromUtf8("Dobór przerwano."));
}

void ScheduleWindowTest::anUnreadableFileChangesNothing()
{
    Fixture f;
    ScheduleWindow window(f.program);
    window.select(); // nothing opened yet: the button asks for a file, and a cancel changes nothing
    QCOMPARE(f.prompter.file_requests.size(), 1u);
    QVERIFY(!window.running());
    f.run(window, f.write("s.csv", kSchedule));
    window.loadSchedule(f.write("bad.csv", "nazwa;opis\nx;y\n"));
    QVERIFY(!window.running());
    QCOMPARE(window.model()->rows().size(), 8u);
    QVERIFY(f.prompter.lastText().contains(QString::fromUtf8("Brak nagłówka")));
    window.loadSchedule(f.scratch.filePath("missing.csv"));
    QCOMPARE(window.model()->rows().size(), 8u);
    // Flows in m³/s read as the window's m³/h would select fans for a 3600th of the air.
    window.loadSchedule(f.write("units.csv", "flow [m3/s];pressure [Pa]\n0,33;150\n"));
    QCOMPARE(window.model()->rows().size(), 8u);
    QCOMPARE(f.prompter.lastText(), QString::fromUtf8("Kolumna „flow [m3/s]” ma inną jednostkę niż ustawiona w programie (m3/h): "
                                                      "zmień jedną z nich."));

    // The file's m³/h stays right only while the settings read m³/h: changed there, the next
    // selection refuses instead of reading the flows anew.
    f.run(window, f.write("hourly.csv", "flow [m3/h];pressure\n1200;150\n"));
    QCOMPARE(window.model()->rows().size(), 1u);
    f.program.flowUnit = FlowUnit::CubicMetresPerSecond;
    const std::size_t messages = f.prompter.messages.size();
    window.select();
    QVERIFY(!window.running());
    QCOMPARE(f.prompter.messages.size(), messages + 1);
    QVERIFY(f.prompter.lastText().contains(QStringLiteral("(m3/s)")));
    QCOMPARE(window.model()->rows().size(), 1u);
}

void ScheduleWindowTest::detailsOpenAtTheLinesDutyPoint()
{
    Fixture f;
    SelectionWindow selection(f.program);
    ScheduleWindow window(f.program);
    window.setSelectionWindow(&selection);
    f.run(window, f.write("s.csv", kSchedule));
    QSignalSpy details(&window, &ScheduleWindow::detailsRequested);
    window.showDetails(1); // W2: 800,5 m³/h at 100 Pa
    QCOMPARE(details.count(), 1);
    QCOMPARE(selection.flowText(), QString("800.5"));
    QCOMPARE(selection.pressureText(), QString("100"));
    const ScheduleRow& row = window.model()->row(1);
    QCOMPARE(f.program.CurrentDevice.Model, f.program.devices.at(row.choice()->index).Model);
    QVERIFY(f.program.OpenedFromFanSelection && f.program.DutyPointKnown);
    window.showDetails(3); // a line without a fan opens nothing
    QCOMPARE(details.count(), 1);
}

QTEST_MAIN(ScheduleWindowTest)
#include "schedule_window_test.moc"
