#pragma once

#include "core/catalogue/device_table.h"
#include "core/order/order_customer.h"
#include "core/selection/energy_figures.h"
#include "core/shell/data_folder.h"
#include "core/shell/language_table.h"
#include "core/shell/units.h"
#include "core/text/number_format.h"

#include <optional>
#include <string>

namespace kalvintera {

// What every data sheet of one document shares: the catalogue, the reader's language and
// formats, the units of the selection, the energy settings and the header's facts.
struct DatasheetContext {
    const DeviceTable& devices;
    const DataFolder& data;
    NumberFormat numbers;
    const LanguageTable& language; // lines from 1101 on always hold a text
    int language_id = language_id::kPolish;
    std::string date;    // today, in the short date format
    std::string version; // the program's version text
    std::optional<OrderCustomer> customer;
    FlowUnit flow_unit = FlowUnit::CubicMetresPerHour;
    PressureUnit pressure_unit = PressureUnit::Pascal;
    std::optional<EnergySettings> energy; // none: the settings' hours or price do not read
    std::string currency = "PLN";
    double air_density = kCatalogueAirDensity;
};

} // namespace kalvintera
