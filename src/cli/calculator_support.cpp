#include "cli/calculator_support.h"

#include "core/errors.h"
#include "core/shell/settings.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace kalvintera::cli {

AirProperties DefaultAirProperties()
{
    const Settings defaults;
    return *ComputeAirProperties(AirStateTexts{defaults.temperature, defaults.atmosphericPressure, defaults.humidity},
                                 NumberFormat::point());
}

std::optional<double> OptionalPositiveNumber(const Arguments& arguments, std::string_view name)
{
    const std::optional<double> value = arguments.optionalNumber(name);
    if (value && !(*value > 0 && std::isfinite(*value))) {
        throw DataError("--" + std::string(name) + " must be greater than 0");
    }
    return value;
}

void RequireFiniteResults(std::initializer_list<double> values)
{
    if (std::all_of(values.begin(), values.end(), [](double value) { return std::isfinite(value); })) return;
    throw DataError("These inputs give results beyond any number: check the sizes and flows");
}

} // namespace kalvintera::cli
