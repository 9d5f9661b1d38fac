#pragma once

#include "core/catalogue/device_table.h"
#include "core/details/regulation.h"
#include "core/shell/data_folder.h"

#include <optional>
#include <string>

namespace kalvintera {

enum class CharacteristicKind { Pressure, Power, Efficiency };

// The regulation asked for with this drawing of the pressure chart.
enum class Regulation { None, Throttling, SpeedChange };

// Where a chart takes its device from.
struct CharacteristicSource {
    const DeviceRecord& device;
    const DeviceTable& devices; // the mounted accessory is looked up here
    const DataFolder& data;     // the curve files are read from here
    NumberFormat numbers;
    // The fan's characteristics are scaled from the catalogue's 1.2 kg/m³ to this density.
    double air_density = 1.2;
};

struct CharacteristicRequest {
    CharacteristicKind kind = CharacteristicKind::Pressure;
    std::optional<DutyPoint> duty; // the duty point of the last fan search, when one is known
    Regulation regulation = Regulation::None;
    // With a label, the chart marks the fan's best efficiency point under it.
    std::optional<std::string> best_efficiency_label;
};

struct CharacteristicOperatingPoint {
    double flow_m3s = 0;
    double pressure_pa = 0; // as the pressure chart marks it
    double value = 0;       // what this chart marks: Pa, W or %
};

// A chart as far as it was drawn: a drawing that fails (a curve file missing, a field that
// is not a number) keeps what it drew before.
struct CharacteristicDrawing {
    DisplayList picture;
    std::optional<CharacteristicScale> scale;
    std::optional<CharacteristicOperatingPoint> operating_point;
    std::optional<CharacteristicOperatingPoint> best_efficiency;
    std::optional<ThrottlingValues> throttling;
    std::optional<SpeedChange> speed_change;
};

// Draws the chart of `request.kind` for the device into `drawing`, replacing what it held.
// Throws ConversionError, FileError or DataError with the drawing kept as far as it got.
void DrawCharacteristicChart(const CharacteristicSource& source, const CharacteristicRequest& request, CharacteristicDrawing& drawing);

// The axis ranges of a chart: Vaxis in m³/h and Yaxis in the chart's unit.
struct CharacteristicAxes {
    double flow_axis_m3h = 0;
    double value_axis = 0;
};

// The mounted accessory of the pressure chart, when its Model names a record.
std::optional<DeviceRecord> MountedAccessoryOf(const DeviceRecord& device, const DeviceTable& devices);

// Vaxis = 1.1 · FlowMax · 3600 and Yaxis = 1.1 · Pressure2, both taken from a mounted accessory
// reaching further than the fan. DataError when either is not positive.
CharacteristicAxes PressureChartAxes(const DeviceRecord& device, const std::optional<DeviceRecord>& accessory,
                            NumberFormat numbers);

// The pressure chart marks the operating point at the system pressure of the scan's last
// step (one step below the operating flow), or at (FlowMax, Pressure1) when the scan ran
// past FlowMax.
bool ScanPassedFlowMax(const OperatingPoint& point, FlowRange range);
double LastStepSystemPressure(const OperatingPoint& point, double k);

} // namespace kalvintera
