#include "core/documents/fan_datasheet.h"

#include "core/catalogue/fan_curves.h"
#include "core/details/accessories.h"
#include "core/details/details_tables.h"
#include "core/details/device_documents.h"
#include "core/details/energy_rows.h"
#include "core/details/sound_level_chart.h"
#include "core/documents/datasheet_lines.h"
#include "core/errors.h"
#include "core/selection/fan_result_row.h"
#include "core/text/message_format.h"
#include "core/text/rounding.h"

#include <cmath>

namespace kalvintera {
namespace {

namespace lines = datasheet_lines;

constexpr double kLabelColumnMm = 75.0;
constexpr double kPictureWidthMm = 60.0;
constexpr double kPictureHeightMm = 45.0;
constexpr double kGapMm = 4.0;

std::string Line(const DatasheetContext& context, int number) { return context.language.line(number); }

std::string OneDecimal(double value, NumberFormat numbers)
{
    return std::isfinite(value) ? FormatShortest(RoundHalfEven(value, 1), numbers) : std::string("---");
}

std::string WithUnit(const std::string& value, const std::string& unit)
{
    return value.empty() ? value : value + " [" + unit + "]";
}

double FlowInUnit(double flow_m3s, FlowUnit unit) { return unit == FlowUnit::CubicMetresPerHour ? flow_m3s * 3600.0 : flow_m3s; }
double PressureInUnit(double pressure_pa, PressureUnit unit) { return unit == PressureUnit::Decapascal ? pressure_pa / 10.0 : pressure_pa; }

// The first paragraph of the description that says something: the description files hold
// a paragraph a line, the first often only the product's heading; so the first line long
// enough to be more than a heading, else the first line there is.
std::string FirstParagraph(const std::vector<std::string>& lines)
{
    std::string first;
    for (const std::string& line : lines) {
        if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
        if (line.size() >= 80) return line;
        if (first.empty()) first = line;
    }
    return first;
}

std::vector<std::vector<std::string>> ToRows(const std::vector<DetailsRow>& details)
{
    std::vector<std::vector<std::string>> rows;
    for (const DetailsRow& row : details) rows.push_back({row.name, row.value});
    return rows;
}

void AddTwoColumnTable(DocumentComposer& composer, std::vector<std::vector<std::string>> rows)
{
    if (rows.empty()) return;
    composer.table({kLabelColumnMm, DocumentComposer::contentWidth() - kLabelColumnMm}, rows, false);
}

void AddProduct(DocumentComposer& composer, const DatasheetContext& context, const DeviceRecord& device)
{
    composer.newPage();
    const double title_top = composer.place(8.0, 1.0);
    composer.add(TextBlock{{kPageMarginMm, title_top, DocumentComposer::contentWidth(), 8.0}, Line(context, lines::kTitle),
                           TextStyle::Title});
    const std::string caption = DeviceNameFor(device, context.language_id) + " " + device.Model;
    const double caption_top = composer.place(7.0, 3.0);
    composer.add(TextBlock{{kPageMarginMm, caption_top, DocumentComposer::contentWidth(), 7.0}, caption, TextStyle::Heading});

    const std::string description = FirstParagraph(ReadDescriptionLines(device, context.data, context.language_id));
    const double text_width = DocumentComposer::contentWidth() - kPictureWidthMm - kGapMm;
    const double height = std::max(kPictureHeightMm, std::min(80.0, EstimatedParagraphHeightMm(description, text_width)));
    const double top = composer.place(height, kGapMm);
    if (!device.PictureFile.empty()) {
        composer.add(PictureBlock{{kPageMarginMm, top, kPictureWidthMm, kPictureHeightMm}, PicturePath(device.PictureFile)});
    }
    composer.add(TextBlock{{kPageMarginMm + kPictureWidthMm + kGapMm, top, text_width, height}, description});
}

// Duty point asked and operating point found, side by side in one table.
void AddPoints(DocumentComposer& composer, const DatasheetContext& context, const DeviceRecord& device,
               const DutyPoint& duty, const OperatingPoint& point)
{
    const NumberFormat numbers = context.numbers;
    const std::string flow_unit = FlowUnitCaption(context.flow_unit);
    const std::string pressure_unit = PressureUnitCaption(context.pressure_unit);
    const SupplyTexts supply = ResultSupplyTexts(device, FanRowOptions{});
    const bool powered = point.Efficiency > 0 && std::isfinite(point.Power);
    std::vector<std::vector<std::string>> rows{
        {"", Line(context, lines::kDutyAsked), Line(context, lines::kOperatingPoint)},
        {Line(context, lines::kFlow), WithUnit(OneDecimal(FlowInUnit(duty.flow_m3s, context.flow_unit), numbers), flow_unit),
         WithUnit(OneDecimal(FlowInUnit(point.Flow, context.flow_unit), numbers), flow_unit)},
        {Line(context, lines::kPressure),
         WithUnit(OneDecimal(PressureInUnit(duty.pressure_pa, context.pressure_unit), numbers), pressure_unit),
         WithUnit(OneDecimal(PressureInUnit(point.Pressure, context.pressure_unit), numbers), pressure_unit)},
        {Line(context, lines::kEfficiency), "", WithUnit(OneDecimal(point.Efficiency * 100.0, numbers), "%")},
        {Line(context, lines::kPower), "", powered ? WithUnit(OneDecimal(point.Power, numbers), "W") : "---"},
        {Line(context, lines::kSpeed), "", WithUnit(device.Speed, "rpm")},
        {Line(context, lines::kMotorPower), "", WithUnit(device.MotorPower, "kW")},
        {Line(context, lines::kVoltage), "", WithUnit(supply.voltage, "V")},
        {Line(context, lines::kCurrent), "", WithUnit(supply.current, "A")},
        {Line(context, lines::kMass), "", WithUnit(device.Mass, "kg")},
    };
    const double value_width = (DocumentComposer::contentWidth() - 55.0) / 2;
    composer.table({55.0, value_width, value_width}, rows, true);
}

void AddCharts(DocumentComposer& composer, const DatasheetContext& context, const DeviceRecord& device,
               const DatasheetRequest& request)
{
    const CharacteristicSource source{device, context.devices, context.data, context.numbers, context.air_density};
    const std::string label = context.language.line(1247);
    const auto draw = [&](CharacteristicKind kind, Regulation regulation) {
        CharacteristicDrawing drawing;
        DrawCharacteristicChart(source, {kind, request.duty, regulation, label}, drawing);
        return drawing;
    };
    const double width = DocumentComposer::contentWidth();
    const CharacteristicDrawing pressure = draw(CharacteristicKind::Pressure, request.duty ? request.regulation : Regulation::None);
    const double pressure_height = width * kPressureCharacteristicHeight / kCharacteristicWidth;
    composer.heading(Line(context, lines::kCharacteristics), pressure_height);
    composer.add(ChartBlock{{kPageMarginMm, composer.place(pressure_height), width, pressure_height}, pressure.picture});
    if (pressure.throttling) {
        composer.paragraph(FormatMessage(Line(context, lines::kThrottling),
                                         {OneDecimal(pressure.throttling->surplus_pressure_pa, context.numbers)}),
                           5.0);
    }
    if (pressure.speed_change) {
        composer.paragraph(FormatMessage(Line(context, lines::kSpeedChange), {std::to_string(pressure.speed_change->new_speed_rpm)}),
                           5.0);
    }
    const double half = (width - kGapMm) / 2;
    const double half_height = half * kCharacteristicHeight / kCharacteristicWidth;
    const double top = composer.place(half_height);
    composer.add(ChartBlock{{kPageMarginMm, top, half, half_height}, draw(CharacteristicKind::Power, Regulation::None).picture});
    composer.add(ChartBlock{{kPageMarginMm + half + kGapMm, top, half, half_height},
                            draw(CharacteristicKind::Efficiency, Regulation::None).picture});
}

void AddSpectrum(DocumentComposer& composer, const DatasheetContext& context, const DeviceRecord& device)
{
    if (device.SoundSpectrum[0].empty()) return;
    const double chart_width = 110.0;
    const double chart_height = chart_width * kSpectrumHeight / kSpectrumWidth;
    composer.heading(Line(context, lines::kSpectrum), 2 * 5.0 + 3.0 + chart_height);
    std::vector<std::string> bands{Line(context, lines::kBand)};
    std::vector<std::string> levels{Line(context, lines::kLevel)};
    constexpr const char* kBands[] = {"63", "125", "250", "500", "1000", "2000", "4000", "8000"};
    for (const char* band : kBands) bands.emplace_back(band);
    bands.push_back(Line(context, lines::kTotal));
    levels.insert(levels.end(), device.SoundSpectrum.begin(), device.SoundSpectrum.end());
    const double first = 36.0;
    std::vector<double> widths{first};
    for (int i = 0; i < 9; ++i) widths.push_back((DocumentComposer::contentWidth() - first) / 9);
    composer.table(widths, {bands, levels}, true);

    SpectrumDrawing drawing;
    DrawSpectrum({device, context.devices, Line(context, lines::kLevel), context.numbers}, drawing);
    composer.add(ChartBlock{{kPageMarginMm, composer.place(chart_height), chart_width, chart_height}, drawing.picture});
}

// The technical rows as the details window lists them, after its heading rows when the user
// has written any (the file is not created for a sheet).
std::vector<DetailsRow> TechnicalTable(const DatasheetContext& context, const DeviceRecord& device)
{
    std::vector<DetailsRow> rows;
    std::error_code error;
    try {
        const std::filesystem::path heading = context.data.resolve(kDetailsHeadingFile);
        if (std::filesystem::is_regular_file(heading, error)) rows = ReadDetailsHeading(heading);
    } catch (const FileError&) {
        rows.clear(); // the sheet is worth having without the user's own rows
    }
    for (DetailsRow& row : TechnicalRows(device, context.language, context.language_id)) rows.push_back(std::move(row));
    return rows;
}

void AddTables(DocumentComposer& composer, const DatasheetContext& context, const DeviceRecord& device, bool dimensions)
{
    composer.heading(Line(context, lines::kTechnicalData));
    AddTwoColumnTable(composer, ToRows(TechnicalTable(context, device)));
    if (!dimensions) return;

    const std::vector<DetailsRow> dimension_rows = DimensionRows(device, context.language);
    if (dimension_rows.empty() && device.DrawingFile.empty()) return;
    const double height = 70.0;
    composer.heading(Line(context, lines::kDimensions), device.DrawingFile.empty() ? 20.0 : height);
    if (!device.DrawingFile.empty()) {
        composer.add(PictureBlock{{kPageMarginMm, composer.place(height), DocumentComposer::contentWidth(), height},
                                  PicturePath(device.DrawingFile)});
    }
    AddTwoColumnTable(composer, ToRows(dimension_rows));
}

void AddAccessories(DocumentComposer& composer, const DatasheetContext& context, const DeviceRecord& device)
{
    const std::vector<AccessorySlot> slots =
        VisibleAccessories(device, context.devices, AccessoryFilter{context.language_id, std::nullopt});
    if (slots.empty()) return;
    composer.heading(Line(context, lines::kAccessories));
    std::vector<std::vector<std::string>> rows{{Line(context, lines::kModel), Line(context, lines::kName)}};
    for (const AccessorySlot& slot : slots) rows.push_back({slot.code, slot.hint});
    composer.table({45.0, DocumentComposer::contentWidth() - 45.0}, rows, true);
}

std::string DutyText(const DatasheetContext& context, const DutyPoint& duty)
{
    return OneDecimal(FlowInUnit(duty.flow_m3s, context.flow_unit), context.numbers) + " " + FlowUnitCaption(context.flow_unit)
           + " / " + OneDecimal(PressureInUnit(duty.pressure_pa, context.pressure_unit), context.numbers) + " "
           + PressureUnitCaption(context.pressure_unit);
}

// Whether the fan gives the duty point: the flow within its range and the pressure reached.
bool FanReaches(const FanCharacteristic& fan, FlowRange range, const DutyPoint& duty)
{
    return duty.flow_m3s >= range.min_m3s && duty.flow_m3s <= range.max_m3s && ReachesDuty(fan, duty.flow_m3s, duty.pressure_pa);
}

} // namespace

bool HasCharacteristic(const DeviceRecord& device)
{
    // Accessories hold a loss curve in the same fields; only a fan has a characteristic.
    return FlowsInCubicMetresPerSecond(device) && !device.PressureCoef[4].empty();
}

DocumentComposer::HeaderFn DatasheetHeader(const DatasheetContext& context)
{
    const std::string program = Line(context, lines::kProgramName);
    const std::string version = Line(context, lines::kVersion) + " " + context.version;
    const std::string page = Line(context, lines::kPage);
    std::string customer;
    if (context.customer && !context.customer->name.empty()) {
        customer = Line(context, lines::kCustomer) + ": " + context.customer->name;
        for (const std::string* part : {&context.customer->street, &context.customer->city}) {
            if (!part->empty()) customer += ", " + *part;
        }
    }
    const std::string date = context.date;
    return [=](int number, int count) {
        const double top = 10.0;
        const double width = DocumentComposer::contentWidth();
        std::vector<DocumentBlock> blocks{
            PictureBlock{{kPageMarginMm, top, 42.0, 12.0}, "grafika/logo_main.jpg"},
            TextBlock{{kPageMarginMm + 45.0, top, width - 90.0, 4.5}, program, TextStyle::Small, TextAlign::Centre},
            TextBlock{{kPageMarginMm + 45.0, top + 5.5, width - 90.0, 4.5}, version, TextStyle::Small, TextAlign::Centre},
            TextBlock{{kPageMarginMm + width - 45.0, top, 45.0, 5.0}, date, TextStyle::Body, TextAlign::Right},
            TextBlock{{kPageMarginMm + width - 45.0, top + 5.5, 45.0, 4.5},
                      FormatMessage(page, {std::to_string(number), std::to_string(count)}), TextStyle::Small, TextAlign::Right},
        };
        if (!customer.empty()) {
            blocks.push_back(TextBlock{{kPageMarginMm + 45.0, top + 10.5, width - 90.0, 4.5}, customer, TextStyle::Small,
                                       TextAlign::Centre});
        }
        blocks.push_back(RuleBlock{{kPageMarginMm, top + 16.0, width, 0}});
        return blocks;
    };
}

void AddDatasheet(DocumentComposer& composer, const DatasheetContext& context, const DatasheetRequest& request)
{
    const DeviceRecord& device = context.devices.at(request.device);
    if (!HasCharacteristic(device)) {
        AddProduct(composer, context, device);
        AddTables(composer, context, device, false);
        return;
    }
    const FanCharacteristic fan =
        ForAirDensity(ReadFanCharacteristic(device, context.data, context.numbers), context.air_density);
    const FlowRange range = ReadFlowRange(device, context.numbers);
    if (request.duty && !FanReaches(fan, range, *request.duty)) {
        const std::string duty = DutyText(context, *request.duty);
        throw DataError("Fan " + device.Model + " does not reach the duty point " + duty,
                        UserMessage{lines::kDutyNotReached, {device.Model, duty}});
    }
    AddProduct(composer, context, device);
    const DetailsEnergy energy = ComputeDetailsEnergy(fan, range, request.duty, context.energy.value_or(EnergySettings{}));
    if (request.duty && energy.point) AddPoints(composer, context, device, *request.duty, *energy.point);

    composer.heading(Line(context, lines::kEnergyFigures));
    const EnergyRowsFormat format{context.numbers, context.flow_unit, context.pressure_unit, context.currency,
                                  context.air_density, context.energy.has_value()};
    DetailsEnergy best_only = energy;
    best_only.point.reset();
    std::vector<DetailsRow> figures = EnergyDetailsRows(best_only, context.language, format);
    for (DetailsRow& row : EnergyFigureRows(energy, context.language, format)) figures.push_back(std::move(row));
    AddTwoColumnTable(composer, ToRows(figures));

    AddCharts(composer, context, device, request);
    AddSpectrum(composer, context, device);
    AddTables(composer, context, device, true);
    AddAccessories(composer, context, device);
}

std::string DatasheetFileName(const std::string& model, const std::string& flow, const std::string& pressure)
{
    std::string name = model;
    for (const std::string* part : {&flow, &pressure}) {
        if (!part->empty()) name += "_" + *part;
    }
    for (char& c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || std::string_view("/\\:*?\"<>| ").find(c) != std::string_view::npos) c = '_';
    }
    return (name.empty() ? std::string("datasheet") : name) + ".pdf";
}

Document MakeDatasheet(const DatasheetContext& context, const DatasheetRequest& request)
{
    const DeviceRecord& device = context.devices.at(request.device);
    DocumentComposer composer(Line(context, lines::kTitle) + " " + device.Model, kDatasheetHeaderHeightMm,
                              DatasheetHeader(context));
    AddDatasheet(composer, context, request);
    return composer.finish();
}

std::optional<Document> MakeOrderDatasheets(const DatasheetContext& context, const OrderList& order,
                                            const WorkProgress& progress)
{
    return MakeOrderDatasheets(context, order.lines(), progress);
}

std::optional<Document> MakeOrderDatasheets(const DatasheetContext& context, std::span<const OrderLine> lines,
                                            const WorkProgress& progress)
{
    std::vector<const OrderLine*> products;
    for (const OrderLine& line : lines) {
        if (line.DeviceIndex >= 1 && line.DeviceIndex <= kDeviceTableSlots && !context.devices.at(line.DeviceIndex).Model.empty()) {
            products.push_back(&line);
        }
    }
    if (products.empty()) {
        throw DataError("The order holds no product", UserMessage{lines::kOrderEmpty, {}});
    }
    DocumentComposer composer(Line(context, lines::kOrderTitle), kDatasheetHeaderHeightMm, DatasheetHeader(context));
    const double title_top = composer.place(8.0, 3.0);
    composer.add(TextBlock{{kPageMarginMm, title_top, DocumentComposer::contentWidth(), 8.0}, Line(context, lines::kOrderTitle),
                           TextStyle::Title});
    if (context.customer) {
        const OrderCustomer& customer = *context.customer;
        std::string text = Line(context, lines::kCustomer) + ":\n" + customer.name;
        for (const std::string* part : {&customer.street, &customer.city, &customer.contact}) {
            if (!part->empty()) text += "\n" + *part;
        }
        composer.paragraph(text, EstimatedParagraphHeightMm(text, DocumentComposer::contentWidth()));
    }

    std::vector<std::vector<std::string>> rows{{Line(context, lines::kLineNumber), Line(context, lines::kModel),
                                                Line(context, lines::kName), Line(context, lines::kQuantity),
                                                Line(context, lines::kDutyColumn)}};
    std::vector<DatasheetRequest> requests;
    int number = 0;
    for (const OrderLine* line : products) {
        const DeviceRecord& device = context.devices.at(line->DeviceIndex);
        DatasheetRequest request{line->DeviceIndex, std::nullopt, Regulation::None};
        // The order file keeps the duty point in the units of the selection window.
        if (HasCharacteristic(device) && line->DutyFlow > 0 && line->DutyPressure > 0) {
            request.duty = DutyPoint{FlowToM3s(line->DutyFlow, context.flow_unit), PressureToPa(line->DutyPressure, context.pressure_unit)};
        }
        rows.push_back({std::to_string(++number), device.Model, DeviceNameFor(device, context.language_id), line->Quantity,
                        request.duty ? DutyText(context, *request.duty) : std::string()});
        requests.push_back(request);
    }
    composer.table({12.0, 30.0, 78.0, 16.0, DocumentComposer::contentWidth() - 136.0}, rows, true);

    const int total = static_cast<int>(requests.size());
    int done = 0;
    for (DatasheetRequest& request : requests) {
        if (progress.cancelled()) return std::nullopt;
        try {
            AddDatasheet(composer, context, request);
        } catch (const DataError& error) {
            // A fan the catalogue no longer lets reach the stored duty point still gets its
            // sheet, without the point, and says why.
            if (!request.duty || error.userMessage().line != lines::kDutyNotReached) throw;
            const UserMessage message = error.userMessage();
            request.duty.reset();
            AddDatasheet(composer, context, request);
            composer.paragraph(FormatMessage(Line(context, message.line), message.values), 6.0, TextStyle::Bold);
        }
        progress.step(++done, total);
    }
    return composer.finish();
}

} // namespace kalvintera
