#pragma once

#include "core/catalogue/device_record.h"
#include "core/selection/energy_figures.h"
#include "core/selection/fan_search.h"
#include "core/shell/data_folder.h"
#include "core/text/number_format.h"

namespace kalvintera {

// The energy figures of one search result: its operating point as the search found it, the
// characteristic and flow range of its record (read through the data folder's curve cache),
// for the air density the search used.
EnergyFigures ResultEnergyFigures(const DeviceRecord& record, const DataFolder& data, NumberFormat format,
                                  const SelectionResult& result, const EnergySettings& settings,
                                  double air_density = kCatalogueAirDensity, std::uint64_t curve_use = 0);

} // namespace kalvintera
