#include "core/schedule/schedule_selection.h"

#include "core/errors.h"
#include "core/order/order_quantity.h"
#include "core/catalogue/curve_cache.h"
#include "core/selection/fan_search_catalogue.h"
#include "core/text/fold_text.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>

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

namespace {

ScheduleRow SelectLine(const ScheduleLine& line, const DeviceTable& table, const DataFolder& data, NumberFormat format,
                       const ScheduleOptions& options, const FanSearchOptions& search)
{
    ScheduleRow row;
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
            const std::size_t keep =
                std::min(outcome.results.size(), static_cast<std::size_t>(1 + std::max(0, options.alternatives)));
            row.candidates.assign(outcome.results.begin(), outcome.results.begin() + static_cast<std::ptrdiff_t>(keep));
        }
    } catch (const KalvinteraError& error) {
        const UserMessage& message = error.userMessage();
        if (message.line != 0) SetMessage(row, message.line, message.values);
        else SetMessage(row, kGeneralDataMessageLine);
    }
    return row;
}

// Lines are independent searches: a long schedule shares them out among the cores. Each
// worker reads the records on its own (that reading keeps state); the curve cache is shared.
unsigned ScheduleWorkers(std::size_t lines)
{
    if (lines < 64) return 1;
    return std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
}

} // namespace

std::optional<std::vector<ScheduleRow>> SelectSchedule(const DeviceTable& table, const DataFolder& data, NumberFormat format,
                                                       const ScheduleFile& schedule, const ScheduleOptions& options,
                                                       const WorkProgress& progress)
{
    const std::size_t total = schedule.lines.size();
    std::vector<ScheduleRow> rows(total);
    const std::uint64_t curve_use = data.curveCache().beginUse();
    std::atomic<std::size_t> next{0};
    std::atomic<int> done{0};
    std::mutex failure_mutex;
    std::exception_ptr failure;
    const auto work = [&] {
        try {
            const FanSearchCatalogue catalogue(table, data, format);
            FanSearchOptions search;
            search.curve_use = curve_use;
            search.catalogue = &catalogue;
            search.air_density = options.air_density;
            for (std::size_t i = next++; i < total; i = next++) {
                if (progress.cancelled()) return;
                rows[i] = SelectLine(schedule.lines[i], table, data, format, options, search);
                progress.step(++done, static_cast<int>(total));
            }
        } catch (...) {
            const std::lock_guard lock(failure_mutex);
            if (!failure) failure = std::current_exception();
            next = total; // the others stop too
        }
    };
    std::vector<std::thread> helpers;
    for (unsigned i = 1; i < ScheduleWorkers(total); ++i) helpers.emplace_back(work);
    work();
    for (std::thread& helper : helpers) helper.join();
    if (failure) std::rethrow_exception(failure);
    if (progress.cancelled()) return std::nullopt;
    return rows;
}

} // namespace kalvintera
