#include "core/schedule/schedule_selection.h"

#include "core/errors.h"
#include "core/order/order_quantity.h"
#include "core/catalogue/curve_cache.h"
#include "core/selection/fan_search_catalogue.h"
#include "core/text/fold_text.h"

#include <algorithm>

namespace kalvintera {
namespace {

constexpr int kGeneralDataMessageLine = 1105;

std::optional<FanKind> KindOf(const std::string& text, FanKind fallback)
{
    const std::string kind = FoldForMatching(text);
    if (kind.empty()) return fallback;
    if (kind == "roof" || kind == "dachowy") return FanKind::Roof;
    if (kind == "radial" || kind == "promieniowy") return FanKind::Radial;
    if (kind == "duct" || kind == "kanalowy") return FanKind::Duct;
    return std::nullopt;
}

std::optional<DischargeFilter> DirectionOf(const std::string& text)
{
    const std::string direction = FoldForMatching(text);
    if (direction.empty() || direction == "any" || direction == "dowolny") return DischargeFilter::Any;
    if (direction == "horizontal" || direction == "poziomy") return DischargeFilter::Horizontal;
    if (direction == "vertical" || direction == "pionowy") return DischargeFilter::Vertical;
    return std::nullopt;
}

void SetMessage(ScheduleRow& row, int line, std::vector<std::string> values = {})
{
    if (row.message_line != 0) return; // the first problem of a line is the one it shows
    row.message_line = line;
    row.message_values = std::move(values);
}

} // namespace

FanSearchCriteria ScheduleLineCriteria(const ScheduleLine& line, const ScheduleOptions& options, ScheduleRow& row)
{
    FanSearchCriteria criteria;
    criteria.ordering = options.ordering;
    criteria.standard = options.standard;
    const std::optional<FanKind> kind = KindOf(line.kind, options.default_kind);
    if (!kind) SetMessage(row, kScheduleUnknownKindLine, {line.kind});
    criteria.kind = kind.value_or(options.default_kind);
    row.kind = criteria.kind;
    const std::optional<DischargeFilter> direction = DirectionOf(line.direction);
    if (!direction) SetMessage(row, kScheduleUnknownDirectionLine, {line.direction});
    // The advanced criteria count as soon as a line gives any, as ticking "Dobór zaawansowany" would.
    criteria.advanced = !line.voltage.empty() || !line.max_sound.empty() || !line.max_power.empty() ||
                        direction.value_or(DischargeFilter::Any) != DischargeFilter::Any;
    criteria.voltage = line.voltage.empty() ? std::string("---") : line.voltage;
    criteria.max_sound_dba = line.max_sound;
    criteria.max_power_kw = line.max_power;
    criteria.direction = direction.value_or(DischargeFilter::Any);
    return criteria;
}

std::optional<std::vector<ScheduleRow>> SelectSchedule(const DeviceTable& table, const DataFolder& data, NumberFormat format,
                                                       const ScheduleFile& schedule, const ScheduleOptions& options,
                                                       const WorkProgress& progress)
{
    // The whole schedule reads each record and each curve file once.
    const FanSearchCatalogue catalogue(table, data, format);
    FanSearchOptions search;
    search.curve_use = data.curveCache().beginUse();
    search.catalogue = &catalogue;
    search.air_density = options.air_density;

    std::vector<ScheduleRow> rows;
    rows.reserve(schedule.lines.size());
    const int total = static_cast<int>(schedule.lines.size());
    for (const ScheduleLine& line : schedule.lines) {
        if (progress.cancelled()) return std::nullopt;
        ScheduleRow& row = rows.emplace_back();
        row.source = line;
        FanSearchCriteria criteria = ScheduleLineCriteria(line, options, row);
        // Numbers of a spreadsheet come with either separator, whatever the locale.
        criteria.max_sound_dba = NormalizeDecimal(criteria.max_sound_dba, format);
        criteria.max_power_kw = NormalizeDecimal(criteria.max_power_kw, format);
        if (!line.quantity.empty()) {
            const std::optional<int> quantity = ParseOrderQuantity(line.quantity);
            if (quantity) row.quantity = *quantity;
            else SetMessage(row, kBadOrderQuantityLine, {line.quantity});
        }
        try {
            const std::string flow = NormalizeDecimal(line.flow, format);
            const std::string pressure = NormalizeDecimal(line.pressure, format);
            const DutyPointReading reading =
                ReadDutyPoint(DutyPointTexts{flow, pressure, options.flow_unit, options.pressure_unit}, format);
            if (reading.message_line != 0) {
                SetMessage(row, reading.message_line);
            } else {
                row.duty = reading.duty;
            }
            if (row.message_line == 0) {
                criteria.duty = *row.duty;
                const FanSearchOutcome outcome = SearchFans(table, data, criteria, format, search);
                if (outcome.message_line != 0) SetMessage(row, outcome.message_line);
                const std::size_t keep = std::min(outcome.results.size(), static_cast<std::size_t>(1 + std::max(0, options.alternatives)));
                row.candidates.assign(outcome.results.begin(), outcome.results.begin() + static_cast<std::ptrdiff_t>(keep));
            }
        } catch (const KalvinteraError& error) {
            const UserMessage& message = error.userMessage();
            if (message.line != 0) SetMessage(row, message.line, message.values);
            else SetMessage(row, kGeneralDataMessageLine);
        }
        progress.step(static_cast<int>(rows.size()), total);
    }
    return rows;
}

} // namespace kalvintera
