// kalvintera-series-sheets: writes the series characteristic sheets of the sample data folder.
//
//   kalvintera-series-sheets CATALOGUE_TEXT DATA_SOURCE_FOLDER SHEET_FOLDER
//
// The pressure chart's menu "Typoszeregi wentylatorów" opens eight sheets, ChRKA.pdf …
// ChPNB.pdf, from the folder opisy. The sample catalogue has series of its own, so each sheet
// stands for one of them: one page with the pressure characteristics of every size of that
// series on common axes, and a table of their catalogue figures. Tabulated characteristics
// are read from the curve files under DATA_SOURCE_FOLDER, as the program reads them.
//
// Exit codes: 0 success, 1 a data or file error (one line on stderr), 2 a bad command line.

#include "core/catalogue/catalogue_text.h"
#include "core/catalogue/device_table.h"
#include "core/catalogue/fan_curves.h"
#include "core/details/chart_curves.h"
#include "core/shell/file_io.h"
#include "core/text/contains_text.h"
#include "core/text/number_format.h"

#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

#include <algorithm>
#include <array>
#include <cmath>
#include <cctype>
#include <exception>
#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kalvintera::sheets {
namespace {

constexpr std::string_view kProgram = "kalvintera-series-sheets";

// Which series of the sample catalogue each sheet of the menu shows.
struct SheetPlan {
    const char* file;
    const char* menu_series;
    const char* sample_series;
};

constexpr std::array<SheetPlan, 8> kSheets{{
    {"ChRKA.pdf", "RKA", "KDH"},
    {"ChRKB.pdf", "RKB", "KDV"},
    {"ChRKBex.pdf", "RKB-EX", "KDX"},
    {"ChRKC.pdf", "RKC", "KDT"},
    {"ChRKD.pdf", "RKD", "KDN"},
    {"ChRKE.pdf", "RKE", "KDHD"},
    {"ChPNA.pdf", "PNA", "KPR"},
    {"ChPNB.pdf", "PNB", "KPC"},
}};

const std::array<QColor, 8> kCurveColours{QColor(200, 30, 30), QColor(30, 90, 200), QColor(20, 140, 60),
                                          QColor(170, 90, 0),  QColor(120, 40, 160), QColor(0, 130, 140),
                                          QColor(90, 90, 90),  QColor(200, 0, 120)};

struct SeriesFan {
    const DeviceRecord* record;
    std::vector<CurveSample> curve; // m³/h, Pa
};

bool InSeries(const DeviceRecord& record, std::string_view series)
{
    const std::string& model = record.Model;
    if (model.size() <= series.size() + 1 || model.compare(0, series.size(), series) != 0) return false;
    if (model[series.size()] != '-') return false;
    return std::isdigit(static_cast<unsigned char>(model[series.size() + 1])) && ContainsText("WENTYLATOR", record.NamePl);
}

// A grid step of 1, 2 or 5 times a power of ten giving about `parts` divisions.
double NiceStep(double range, int parts)
{
    const double raw = range / parts;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        if (m * power >= raw) return m * power;
    }
    return 10.0 * power;
}

QString Text(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<int>(text.size())); }

QString Number(double value)
{
    return QString::number(value, 'f', 0);
}

void DrawChart(QPainter& painter, const QRectF& area, const std::vector<SeriesFan>& fans)
{
    double max_flow = 0, max_pressure = 0;
    for (const SeriesFan& fan : fans) {
        for (const CurveSample& s : fan.curve) {
            max_flow = std::max(max_flow, s.flow_m3h);
            max_pressure = std::max(max_pressure, s.value);
        }
    }
    const double flow_step = NiceStep(max_flow * 1.05, 8);
    const double pressure_step = NiceStep(max_pressure * 1.05, 8);
    const double flow_axis = std::ceil(max_flow * 1.05 / flow_step) * flow_step;
    const double pressure_axis = std::ceil(max_pressure * 1.05 / pressure_step) * pressure_step;
    const auto at = [&](double flow, double pressure) {
        return QPointF(area.left() + flow / flow_axis * area.width(), area.bottom() - pressure / pressure_axis * area.height());
    };

    QFont small = painter.font();
    small.setPointSizeF(7);
    painter.setFont(small);
    painter.setPen(QPen(QColor(190, 190, 190), 0.5, Qt::DashLine));
    for (double f = flow_step; f <= flow_axis + 1e-9; f += flow_step) painter.drawLine(at(f, 0), at(f, pressure_axis));
    for (double p = pressure_step; p <= pressure_axis + 1e-9; p += pressure_step) painter.drawLine(at(0, p), at(flow_axis, p));
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(at(0, 0), at(flow_axis, 0));
    painter.drawLine(at(0, 0), at(0, pressure_axis));
    for (double f = 0; f <= flow_axis + 1e-9; f += flow_step) {
        const QPointF p = at(f, 0);
        painter.drawText(QRectF(p.x() - 30, p.y() + 3, 60, 10), Qt::AlignHCenter | Qt::AlignTop, Number(f));
    }
    for (double v = pressure_step; v <= pressure_axis + 1e-9; v += pressure_step) {
        const QPointF p = at(0, v);
        painter.drawText(QRectF(p.x() - 44, p.y() - 5, 40, 10), Qt::AlignRight | Qt::AlignVCenter, Number(v));
    }
    painter.drawText(QRectF(area.right() - 80, area.bottom() + 14, 80, 12), Qt::AlignRight, "V [m3/h]");
    painter.drawText(QRectF(area.left() - 44, area.top() - 18, 80, 12), Qt::AlignLeft, "dp [Pa]");

    for (std::size_t i = 0; i < fans.size(); ++i) {
        const SeriesFan& fan = fans[i];
        if (fan.curve.empty()) continue;
        // A point every half point of paper is as smooth as print gets, and keeps the file small.
        QPointF last = at(fan.curve.front().flow_m3h, fan.curve.front().value);
        QPainterPath path(last);
        for (std::size_t k = 1; k < fan.curve.size(); ++k) {
            const QPointF p = at(fan.curve[k].flow_m3h, fan.curve[k].value);
            if (k + 1 < fan.curve.size() && std::abs(p.x() - last.x()) < 0.5 && std::abs(p.y() - last.y()) < 0.5) continue;
            path.lineTo(p);
            last = p;
        }
        const QColor colour = kCurveColours[i % kCurveColours.size()];
        painter.setPen(QPen(colour, 1.6));
        painter.drawPath(path);
        const QPointF start = at(fan.curve.front().flow_m3h, fan.curve.front().value);
        painter.drawText(QRectF(start.x() + 2, start.y() - 12, 80, 10), Qt::AlignLeft, Text(fan.record->Model));
    }
}

void DrawTable(QPainter& painter, double top, const std::vector<SeriesFan>& fans)
{
    const std::array<const char*, 7> heads{"Typ", "V [m3/h]", "dp max [Pa]", "n [obr/min]", "P [kW]", "Lw [dB(A)]",
                                           "Lp 1 m [dB(A)]"};
    const std::array<double, 7> widths{80, 85, 65, 65, 50, 60, 70};
    const double left = 60, row = 15;
    QFont font = painter.font();
    font.setPointSizeF(8);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QPen(Qt::black, 0.5));
    double x = left;
    for (std::size_t c = 0; c < heads.size(); ++c) {
        painter.drawText(QRectF(x + 2, top, widths[c] - 4, row), Qt::AlignLeft | Qt::AlignVCenter, heads[c]);
        x += widths[c];
    }
    const double table_width = x - left;
    painter.drawLine(QPointF(left, top + row), QPointF(left + table_width, top + row));
    font.setBold(false);
    painter.setFont(font);
    double y = top + row;
    for (const SeriesFan& fan : fans) {
        const DeviceRecord& r = *fan.record;
        double highest = 0;
        for (const CurveSample& s : fan.curve) highest = std::max(highest, s.value);
        const QString flows = fan.curve.empty() ? QString()
                                                : Number(fan.curve.front().flow_m3h) + " – " + Number(fan.curve.back().flow_m3h);
        const std::array<QString, 7> cells{Text(r.Model), flows, Number(highest), Text(r.Speed), Text(r.MotorPower),
                                           Text(r.SoundLevel2), Text(r.SoundLevel1m)};
        x = left;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            painter.drawText(QRectF(x + 2, y, widths[c] - 4, row), Qt::AlignLeft | Qt::AlignVCenter, cells[c]);
            x += widths[c];
        }
        y += row;
        painter.drawLine(QPointF(left, y), QPointF(left + table_width, y));
    }
}

void WriteSheet(const SheetPlan& plan, const std::vector<SeriesFan>& fans, const std::filesystem::path& file)
{
    QPdfWriter writer(QString::fromStdString(file.string()));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(72); // painter units are points
    writer.setCreator("Kalvintera");
    writer.setTitle(QString("Typoszereg %1").arg(plan.menu_series));
    QPainter painter;
    if (!painter.begin(&writer)) throw std::runtime_error("cannot write " + file.string());

    QFont heading = painter.font();
    heading.setPointSizeF(16);
    heading.setBold(true);
    painter.setFont(heading);
    painter.drawText(QRectF(40, 40, 515, 24), Qt::AlignLeft, QString("KALVINTERA  –  Typoszereg %1").arg(plan.menu_series));
    QFont plain = painter.font();
    plain.setPointSizeF(9);
    plain.setBold(false);
    painter.setFont(plain);
    const DeviceRecord& first = *fans.front().record;
    painter.drawText(QRectF(40, 68, 515, 14), Qt::AlignLeft,
                     QString::fromUtf8("Charakterystyki przepływowe wentylatorów %1: %2")
                         .arg(plan.sample_series, Text(first.NamePl)));
    painter.drawText(QRectF(40, 82, 515, 14), Qt::AlignLeft,
                     QString::fromUtf8("Spręż statyczny dp w funkcji wydajności V, powietrze o gęstości 1,2 kg/m3."));

    DrawChart(painter, QRectF(90, 130, 450, 380), fans);

    painter.setFont(plain);
    painter.setPen(Qt::black);
    DrawTable(painter, 560, fans);
    const double below = 560 + 15.0 * static_cast<double>(fans.size() + 1) + 14;
    QFont note = plain;
    note.setPointSizeF(7);
    painter.setFont(note);
    painter.drawText(QRectF(60, below, 475, 40), Qt::AlignLeft | Qt::TextWordWrap,
                     QString::fromUtf8("Lw – poziom mocy akustycznej (suma widma oktawowego), Lp 1 m – poziom ciśnienia "
                                       "akustycznego w odległości 1 m. Dane przykładowego katalogu programu."));
    painter.end();
}

int Run(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "usage: " << kProgram << " CATALOGUE_TEXT DATA_SOURCE_FOLDER SHEET_FOLDER\n";
        return 2;
    }
    std::vector<DeviceRecord> records = ParseCatalogueText(ReadWholeFile(argv[1]));
    const NumberFormat numbers = NumberFormat::point();
    for (DeviceRecord& record : records) NormalizeDeviceNumbers(record, numbers);
    const DataFolder data{std::filesystem::path(argv[2])};
    const std::filesystem::path folder(argv[3]);
    std::filesystem::create_directories(folder);

    for (const SheetPlan& plan : kSheets) {
        std::vector<SeriesFan> fans;
        for (const DeviceRecord& record : records) {
            if (!InSeries(record, plan.sample_series)) continue;
            const CharacteristicCurves c{ReadFanCharacteristic(record, data, numbers), ReadFlowRange(record, numbers)};
            fans.push_back({&record, PressureCurve(c)});
        }
        if (fans.empty()) throw std::runtime_error(std::string("the catalogue has no fans of the series ") + plan.sample_series);
        WriteSheet(plan, fans, folder / plan.file);
    }
    return 0;
}

} // namespace
} // namespace kalvintera::sheets

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    try {
        return kalvintera::sheets::Run(argc, argv);
    } catch (const std::exception& error) {
        std::cerr << kalvintera::sheets::kProgram << ": " << error.what() << "\n";
        return 1;
    }
}
