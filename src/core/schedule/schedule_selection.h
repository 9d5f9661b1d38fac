#pragma once

#include "core/schedule/schedule_file.h"
#include "core/selection/duty_point.h"
#include "core/selection/fan_search.h"
#include "core/shell/units.h"
#include "core/shell/work_progress.h"

#include <optional>
#include <string>
#include <vector>

namespace kalvintera {

// What a schedule is selected with: the selection window's criterion, how many alternatives
// each line keeps after its chosen fan, the standard execution, the kind of a line that names
// none, and the units its flows and pressures are written in.
struct ScheduleOptions {
    FanOrdering ordering = FanOrdering::LowestPower;
    int alternatives = 2;
    bool standard = true;
    FanKind default_kind = FanKind::Roof;
    FlowUnit flow_unit = FlowUnit::CubicMetresPerHour;
    PressureUnit pressure_unit = PressureUnit::Pascal;
    double air_density = 1.2;
};

// One line of the schedule after the search.
struct ScheduleRow {
    ScheduleLine source;
    std::optional<DutyPoint> duty;
    FanKind kind = FanKind::Roof;
    int quantity = 1;
    // The chosen fan and its alternatives, best first, as the selection window lists them.
    std::vector<SelectionResult> candidates;
    std::size_t chosen = 0; // into `candidates`; the user may choose an alternative
    // A line that could not be selected: the language line of its message and its values.
    int message_line = 0;
    std::vector<std::string> message_values;

    const SelectionResult* choice() const { return chosen < candidates.size() ? &candidates[chosen] : nullptr; }
};

// Language lines of the schedule's own messages.
inline constexpr int kScheduleUnknownKindLine = 1312;
inline constexpr int kScheduleUnknownDirectionLine = 1313;

// The search criteria of one line: the line's kind, and the advanced criteria (voltage,
// limits, direction) as soon as the line gives any. Sets `message_line` on the row for a kind
// or direction it does not know.
FanSearchCriteria ScheduleLineCriteria(const ScheduleLine& line, const ScheduleOptions& options, ScheduleRow& row);

// Selects every line: each as the single search of the selection window would for that duty
// point and criteria, over one reading of the catalogue and its curve files; a long schedule
// is shared among the cores, with the same rows in the same order. A bad line keeps its row
// with its message; the others are selected all the same. One progress step per line, from
// whichever thread selected it; none when cancelled.
std::optional<std::vector<ScheduleRow>> SelectSchedule(const DeviceTable& table, const DataFolder& data, NumberFormat format,
                                                       const ScheduleFile& schedule, const ScheduleOptions& options,
                                                       const WorkProgress& progress = {});

} // namespace kalvintera
