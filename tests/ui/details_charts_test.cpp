// The characteristic charts, the transposed parameters and the acoustic spectrum of the
// sample fan KDH-355 at the duty point 1200 m³/h, 150 Pa.

#include "core/text/contains_text.h"
#include "details_test_fixture.h"
#include "ui/details/details_chart_view.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>

using namespace kalvintera;
using namespace kalvintera::testing;

namespace {

struct Running : DetailsFixture {
    Running() { chooseSearchedFan(); }
    std::vector<CharacteristicChartWindow*> charts() { return {&pressure, &power, &efficiency}; }
};

} // namespace

class DetailsChartsTest : public QObject {
    Q_OBJECT
private slots:
    void eachChartMarksTheOperatingPointAndSavesABmpOfItsSize();
    void throttlingHandsTheSurplusToTheCalculator();
    void speedChangeTransposesTheCharacteristic();
    void speedChangeStaysWhenTheTransposedWindowCloses();
    void regulationNeedsTheFanResults();
    void seriesSheetsOpenWhatTheDataFolderHolds();
    void chartErrorsAreShownInTheUsersLanguage();
    void readoutFollowsThePointer();
    void spectrumShowsTheSilencerBars();
    void sampleFansStateOneSoundPower();
};

void DetailsChartsTest::eachChartMarksTheOperatingPointAndSavesABmpOfItsSize()
{
    Running run;
    for (CharacteristicChartWindow* chart : run.charts()) {
        chart->show();
        QVERIFY(chart->drawing().operating_point);
        QCOMPARE(chart->drawing().picture.all<EllipseItem>().size(), std::size_t{1});
        const int caption = chart->kind() == CharacteristicKind::Pressure ? 595 : chart->kind() == CharacteristicKind::Power ? 625 : 640;
        QCOMPARE(chart->windowTitle(), run.program.line(caption));
        const QString file = QString::fromStdString((run.folder / "chart.bmp").string());
        run.prompter.file_names.push_back(file);
        chart->saveChart();
        QCOMPARE(run.prompter.file_requests.back().filter, QString("Pliki graficzne (*.bmp)"));
        QCOMPARE(run.prompter.file_requests.back().default_suffix, QString("bmp"));
        const QImage saved(file, "BMP");
        QCOMPARE(saved.size(), QSize(500, chart->kind() == CharacteristicKind::Pressure ? 308 : 300));
        std::filesystem::remove(run.folder / "chart.bmp");
        // Choosing no file saves nothing.
        chart->saveChart();
        QVERIFY(!std::filesystem::exists(run.folder / "chart.bmp"));
        chart->reject();
    }
    QVERIFY(run.prompter.messages.empty());
    // The operating point of all three is the one of the search.
    const double flow = run.pressure.drawing().operating_point->flow_m3s;
    QCOMPARE(run.power.drawing().operating_point->flow_m3s, flow);
    QVERIFY(flow > 1200.0 / 3600.0);
}

void DetailsChartsTest::throttlingHandsTheSurplusToTheCalculator()
{
    Running run;
    CharacteristicChartWindow& chart = run.pressure;
    QSignalSpy handed(&chart, &CharacteristicChartWindow::throttled);
    chart.show();
    QVERIFY(chart.throttlingLine()->isHidden());
    chart.throttle();
    QVERIFY(!chart.throttlingLine()->isHidden());
    QVERIFY(chart.transposedButton()->isHidden());
    QVERIFY(run.program.throttling);
    const ThrottlingValues values = *run.program.throttling;
    QCOMPARE(values.flow_m3h, 1200.0);
    QVERIFY(values.surplus_pressure_pa > 0);
    QCOMPARE(chart.throttlingLine()->text(),
             run.program.line(615) + QString::number(values.surplus_pressure_pa) + "Pa");
    QCOMPARE(handed.count(), 1);
    QCOMPARE(handed[0][0].toDouble(), values.surplus_pressure_pa);
    QCOMPARE(handed[0][1].toDouble() * 3600, 1200.0);
    QCOMPARE(chart.drawing().picture.all<EllipseItem>().size(), std::size_t{2});

    // The chart keeps the throttling it shows when it is drawn again (coming back from the
    // calculator); the calculator got its values once, when the user asked.
    chart.redraw();
    QCOMPARE(chart.drawing().picture.all<EllipseItem>().size(), std::size_t{2});
    QVERIFY(!chart.throttlingLine()->isHidden());
    QCOMPARE(handed.count(), 1);

    // Closing removes it: the chart opens again without regulation.
    chart.reject();
    QVERIFY(chart.throttlingLine()->isHidden());
    chart.show();
    QCOMPARE(chart.drawing().picture.all<EllipseItem>().size(), std::size_t{1});
    QVERIFY(chart.throttlingLine()->isHidden());
}

void DetailsChartsTest::speedChangeTransposesTheCharacteristic()
{
    Running run;
    CharacteristicChartWindow& chart = run.pressure;
    chart.show();
    chart.changeSpeed();
    QVERIFY(!chart.transposedButton()->isHidden());
    QVERIFY(chart.drawing().speed_change);
    const SpeedChange change = *chart.drawing().speed_change;
    QCOMPARE(change.speed_rpm, 1400LL);
    QVERIFY(change.new_speed_rpm < 1400);
    QCOMPARE(chart.subtitle(), QString("KDH-355/%1").arg(change.new_speed_rpm));
    QCOMPARE(change.flow_m3s * 3600.0, change.ratio * chart.drawing().operating_point->flow_m3s * 3600.0);

    QStringList rows;
    CloseNextModal([&rows](QWidget* modal) {
        auto* window = qobject_cast<TransposedParametersWindow*>(modal);
        if (!window) qFatal("the transposed parameters window was expected");
        for (int row = 0; row < 5; ++row) rows << window->value(row);
    });
    chart.transposedButton()->click();
    QCOMPARE(rows.size(), 5);
    QCOMPARE(rows[4], QString::number(change.new_speed_rpm));
    QCOMPARE(rows[2], QString::fromStdString(OneDecimalText(std::pow(change.ratio, 3) * 90, run.program.numbers)));
    QVERIFY(!rows[3].isEmpty());

    // A fan without speed control only redraws and hides the button.
    run.program.CurrentDevice.RegulationFlag1 = "FALSE";
    chart.changeSpeed();
    QVERIFY(chart.transposedButton()->isHidden());
    QVERIFY(!chart.drawing().speed_change);
}

void DetailsChartsTest::speedChangeStaysWhenTheTransposedWindowCloses()
{
    Running run;
    CharacteristicChartWindow& chart = run.pressure;
    chart.show();
    chart.changeSpeed();
    const SpeedChange change = *chart.drawing().speed_change;
    const QString regulated = QString("KDH-355/%1").arg(change.new_speed_rpm);
    const std::size_t curves = chart.drawing().picture.all<PolylineItem>().size();

    CloseNextModal();
    chart.transposedButton()->click();
    // Back on the chart: the reduced curve, its point, the button and the title all stay.
    QVERIFY(chart.drawing().speed_change);
    QCOMPARE(chart.drawing().speed_change->new_speed_rpm, change.new_speed_rpm);
    QCOMPARE(chart.drawing().picture.all<PolylineItem>().size(), curves);
    QCOMPARE(chart.drawing().picture.all<EllipseItem>().size(), std::size_t{2});
    QCOMPARE(chart.subtitle(), regulated);
    QVERIFY(!chart.transposedButton()->isHidden());

    // Throttling replaces it, and the title drops the new speed with the curve.
    chart.throttle();
    QVERIFY(!chart.drawing().speed_change);
    QCOMPARE(chart.subtitle(), QString("KDH-355"));
    QVERIFY(chart.transposedButton()->isHidden());

    // Closing the chart removes the regulation; the title agrees when it opens again.
    chart.changeSpeed();
    QCOMPARE(chart.subtitle(), regulated);
    chart.reject();
    QCOMPARE(chart.subtitle(), QString("KDH-355"));
    chart.show();
    QVERIFY(!chart.drawing().speed_change);
    QCOMPARE(chart.subtitle(), QString("KDH-355"));
    QVERIFY(chart.transposedButton()->isHidden());
}

void DetailsChartsTest::regulationNeedsTheFanResults()
{
    Running run;
    CharacteristicChartWindow& chart = run.pressure;
    QAction* throttling = chart.findChild<QAction*>("throttle");
    QAction* speed = chart.findChild<QAction*>("changeSpeed");
    QVERIFY(throttling && speed);
    chart.show();
    QVERIFY(throttling->isEnabled() && speed->isEnabled());
    chart.reject();

    // Opened from the catalogue: nothing to regulate to, and the hint says so.
    run.program.OpenedFromFanSelection = false;
    run.program.DutyPointKnown = false;
    chart.show();
    for (QAction* action : {throttling, speed}) {
        QVERIFY(!action->isEnabled());
        QCOMPARE(action->toolTip(), run.program.line(1170));
    }
    chart.reject();

    // The fan results again: the commands act.
    run.program.OpenedFromFanSelection = true;
    run.program.DutyPointKnown = true;
    chart.show();
    QVERIFY(throttling->isEnabled() && speed->isEnabled());
    chart.reject();

    run.program.OpenedFromFanSelection = false;
    chart.show();
    chart.throttle();
    chart.changeSpeed();
    QVERIFY(chart.throttlingLine()->isHidden());
    QVERIFY(chart.transposedButton()->isHidden());
    QVERIFY(!run.program.throttling);

    // Without a duty point no operating point is marked, on any chart.
    run.program.DutyPointKnown = false;
    chart.redraw();
    QVERIFY(!chart.drawing().operating_point);
    QVERIFY(chart.drawing().picture.all<EllipseItem>().empty());
}

void DetailsChartsTest::seriesSheetsOpenWhatTheDataFolderHolds()
{
    Running run;
    run.program.OpenedFromFanSelection = false;
    run.program.DutyPointKnown = false;
    const char* const sheets[] = {"ChRKA.pdf", "ChRKB.pdf", "ChRKBex.pdf", "ChRKC.pdf",
                                  "ChRKD.pdf", "ChRKE.pdf", "ChPNA.pdf", "ChPNB.pdf"};
    // The sample data folder holds every sheet the menu names.
    for (const char* sheet : sheets) QVERIFY2(std::filesystem::is_regular_file(run.folder / "opisy" / sheet), sheet);

    std::filesystem::remove(run.folder / "opisy" / "ChPNB.pdf");
    CharacteristicChartWindow& chart = run.pressure;
    chart.show();
    for (int item = 1; item <= 7; ++item) {
        QAction* action = chart.findChild<QAction*>(QString("series%1").arg(item));
        QVERIFY(action->isEnabled());
        QVERIFY(action->toolTip() == action->text() || action->toolTip().isEmpty());
    }
    QAction* missing = chart.findChild<QAction*>("series8");
    QVERIFY(!missing->isEnabled());
    QCOMPARE(missing->toolTip(), run.program.line(1171).replace("%1", "opisy/ChPNB.pdf"));

    chart.findChild<QAction*>("series3")->trigger();
    QCOMPARE(run.platform.desktop.opened_documents.back(), run.folder / "opisy/ChRKBex.pdf");
    QVERIFY(run.prompter.messages.empty());
}

void DetailsChartsTest::chartErrorsAreShownInTheUsersLanguage()
{
    Running run;
    run.program.CurrentDevice.Pressure2 = "abc";
    run.pressure.show();
    QCOMPARE(run.prompter.lastText(), run.program.line(1101).replace("%1", "abc"));
    run.pressure.reject();

    run.program.CurrentDevice = run.device("KDH-355");
    run.program.CurrentDevice.SoundLevel1m = "x1";
    run.pressure.show();
    run.pressure.changeSpeed();
    CloseNextModal();
    run.pressure.transposedButton()->click();
    QCOMPARE(run.prompter.lastText(), run.program.line(1101).replace("%1", "x1"));

    run.program.CurrentDevice.SoundSpectrum[3] = "y";
    run.spectrum.show();
    QCOMPARE(run.prompter.lastText(), run.program.line(1101).replace("%1", "y"));
}

void DetailsChartsTest::readoutFollowsThePointer()
{
    Running run;
    CharacteristicChartWindow& efficiency = run.efficiency;
    efficiency.show();
    QTest::mouseMove(efficiency.view(), QPoint(20, 280));
    QCOMPARE(efficiency.readoutText(), QString::fromUtf8("V=0 m3/h     η=0 %"));
    efficiency.showReadout(5, 2);
    QCOMPARE(efficiency.readoutText(), QString::fromUtf8("V=0 m3/h     η=100 %"));
    efficiency.reject();
    // The reading goes with the picture it was taken on.
    QVERIFY(efficiency.readoutText().isEmpty());

    CharacteristicChartWindow& pressure = run.pressure;
    pressure.show();
    const CharacteristicScale scale = *pressure.drawing().scale;
    const PixelPoint at = scale.at(1000, 200);
    pressure.showReadout(at.x, at.y);
    const QStringList parts = pressure.readoutText().split(' ', Qt::SkipEmptyParts);
    QCOMPARE(parts.size(), 4);
    QVERIFY(std::abs(parts[0].mid(2).toInt() - 1000) <= 3); // a pixel is a few m³/h
    QVERIFY(parts[2].startsWith("dp="));
    QVERIFY(std::abs(parts[2].mid(3).toInt() - 200) <= 2);
}

void DetailsChartsTest::spectrumShowsTheSilencerBars()
{
    Running run;
    SpectrumWindow& spectrum = run.spectrum;
    spectrum.show();
    QVERIFY(spectrum.drawing().silencer);
    QCOMPARE(QString::fromStdString(spectrum.drawing().silencer->Model), QString("SLT-315"));
    QCOMPARE(spectrum.heading(), run.program.line(1010));
    QCOMPARE(spectrum.windowTitle(), run.program.line(1013));
    spectrum.sheetButton()->click();
    QCOMPARE(run.prompter.lastText(), run.program.line(393));
    spectrum.reject();

    run.program.CurrentDevice = run.program.devices.at(FindDeviceByModel(run.program.devices, "SLT-315").value());
    spectrum.show();
    QVERIFY(!spectrum.drawing().silencer);
    QCOMPARE(spectrum.heading(), run.program.line(1012));
}

void DetailsChartsTest::sampleFansStateOneSoundPower()
{
    // The technical table's sound power, the spectrum's total and the level at 1 m of every
    // sample fan tell one story: the total is the bands' energy sum and the stated sound
    // power, and 1 m away the level is lower.
    Running run;
    int fans = 0;
    for (DeviceIndex i = 1; i <= kDeviceTableSlots; ++i) {
        const DeviceRecord& r = run.program.devices.at(i);
        if (!ContainsText("WENTYLATOR", r.NamePl) || r.SoundSpectrum[8].empty()) continue;
        ++fans;
        const QString model = QString::fromStdString(r.Model);
        double energy = 0;
        for (int band = 0; band < 8; ++band) energy += std::pow(10.0, std::stod(r.SoundSpectrum[band]) / 10.0);
        const double total = std::stod(r.SoundSpectrum[8]);
        QVERIFY2(std::abs(10.0 * std::log10(energy) - total) <= 0.5, qPrintable(model));
        QVERIFY2(std::stod(r.SoundLevel2) == total, qPrintable(model));
        QVERIFY2(std::stod(r.SoundLevel1m) < std::stod(r.SoundLevel2), qPrintable(model));
    }
    QVERIFY(fans > 40);

    const DeviceRecord& kdh = run.device("KDH-400");
    QCOMPARE(kdh.SoundLevel2, kdh.SoundSpectrum[8]);
}

QTEST_MAIN(DetailsChartsTest)
#include "details_charts_test.moc"
