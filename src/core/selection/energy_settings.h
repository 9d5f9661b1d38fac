#pragma once

#include "core/selection/energy_figures.h"
#include "core/shell/air_properties.h"
#include "core/text/number_format.h"

#include <optional>
#include <string_view>

namespace kalvintera {

// The air density fans are taken at: the settings' air when the density correction is on
// and the air state reads as physical air, else the catalogue's 1.2 kg/m³.
double FanAirDensity(bool correction_on, const std::optional<AirProperties>& air);

// The settings' operating hours and price per kWh as numbers; nothing while either text is
// not a finite number of at least 0 (the yearly figures are then left out, not guessed).
std::optional<EnergySettings> ReadEnergySettings(std::string_view hours, std::string_view price, NumberFormat format);

} // namespace kalvintera
