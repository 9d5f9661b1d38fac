#pragma once

#include "cli/arguments.h"
#include "core/shell/air_properties.h"

#include <initializer_list>
#include <optional>
#include <string_view>

namespace kalvintera::cli {

// The air of the settings' built-in state (20 °C, 101300 Pa, 50 %), which the calculators
// assume unless they are given another.
AirProperties DefaultAirProperties();

// An option such as a density, which only makes sense above zero: DataError naming it
// when it is not. Nothing when the option is not given.
std::optional<double> OptionalPositiveNumber(const Arguments& arguments, std::string_view name);

// Inputs far outside any duct or room can leave a result that is no number; they are
// refused rather than shown as empty cells, which mean "does not apply".
void RequireFiniteResults(std::initializer_list<double> values);

} // namespace kalvintera::cli
