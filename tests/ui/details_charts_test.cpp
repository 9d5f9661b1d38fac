// The characteristic charts, the transposed parameters and the acoustic spectrum of the
// sample fan KDH-355 at the duty point 1200 m³/h, 150 Pa.

#include "details_test_fixture.h"
#include "ui/details/details_chart_view.h"

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
    void regulationNeedsTheFanResults();
    void readoutFollowsThePointer();
    void spectrumShowsTheSilencerBars();
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

    // The request is used up: the next drawing shows the chart without regulation.
    chart.redraw();
    QCOMPARE(chart.drawing().picture.all<EllipseItem>().size(), std::size_t{1});
    chart.reject();
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

void DetailsChartsTest::regulationNeedsTheFanResults()
{
    Running run;
    run.program.OpenedFromFanSelection = false;
    CharacteristicChartWindow& chart = run.pressure;
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

QTEST_MAIN(DetailsChartsTest)
#include "details_charts_test.moc"
