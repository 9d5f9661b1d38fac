#pragma once

#include "core/catalogue/device_table.h"
#include "core/order/execution_code.h"
#include "core/order/order_line.h"
#include "core/text/number_format.h"

#include <string>

namespace kalvintera {

// What a fan chosen in the fan results brings to its order line: the window's texts as
// they stand when "Dodaj do zamówienia" is chosen.
struct FanOrderInput {
    DeviceIndex device_index = 0;
    std::string quantity_text;  // as typed in the quantity dialog
    std::string flow_text;      // the duty point as typed, in the units current at the time
    std::string pressure_text;
    std::string voltage_text;   // the voltage column of the chosen result row
    ExecutionChoice executions;
    std::string colour_text;    // the colour list's text
    bool other_ral = false;     // the colour list shows its "INNY RAL" entry: the RAL number is the colour
    std::string ral_text;
    bool radial = false;        // fan kind "Promieniowy": the arrangement is ordered too
    std::string arrangement_caption; // the checked arrangement, "RD0" … "LG270"
};

// The order line of a fan; texts cut to their fields, LineNo left to the list. The duty
// point is kept as a number in the units it was typed in; ConversionError when either
// text is not a number (nothing is to be added then).
OrderLine FanOrderLine(const FanOrderInput& input, NumberFormat format);

// What a gravity ventilator brings: it has no duty point, execution or arrangement.
struct VentilatorOrderInput {
    DeviceIndex device_index = 0;
    std::string quantity_text;
    std::string colour_text; // the colour list of the ventilator's tab
};

// Voltage, execution and arrangement "N/A". The duty point is 0: a ventilator line has none.
OrderLine CylindricalOrderLine(const VentilatorOrderInput& input);
// As the cylindrical line, but the assisting fan of an integrated ventilator runs on 400 V.
OrderLine IntegratedOrderLine(const VentilatorOrderInput& input);

} // namespace kalvintera
