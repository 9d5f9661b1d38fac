#include "core/humidair/air_calculator.h"

#include "core/errors.h"
#include "core/message_lines.h"
#include "core/text/rounding.h"

#include <algorithm>
#include <cmath>

namespace kalvintera {
namespace {

constexpr std::array<AirInputPair, 6> kPairOrder{AirInputPair::EnthalpyMoisture, AirInputPair::EnthalpyTemperature,
                                                 AirInputPair::MoistureTemperature, AirInputPair::MoistureHumidity,
                                                 AirInputPair::TemperatureHumidity, AirInputPair::EnthalpyHumidity};

std::size_t InputIndex(AirField field)
{
    return static_cast<std::size_t>(std::find(kAirInputs.begin(), kAirInputs.end(), field) - kAirInputs.begin());
}

const std::string& TextOf(const AirCalculatorTexts& texts, AirField field)
{
    switch (field) {
    case AirField::Enthalpy: return texts.enthalpy;
    case AirField::Moisture: return texts.moisture;
    case AirField::Temperature: return texts.temperature;
    case AirField::Humidity: return texts.humidity;
    default: return texts.barometric;
    }
}

bool AllFinite(const HumidAirState& s)
{
    for (double v : {s.enthalpy_kjkg, s.moisture_kgkg, s.temperature_c, s.humidity_percent, s.saturation_pa,
                     s.vapour_pa, s.dry_air_pa, s.density_kgm3}) {
        if (!std::isfinite(v)) return false;
    }
    return true;
}

// Everything that follows from t, X, i, φ (fraction), ps and pp, whichever pair gave them.
std::optional<HumidAirState> Complete(HumidAirState s, double humidity_fraction)
{
    s.humidity_percent = 100 * humidity_fraction;
    s.dry_air_pa = s.barometric_pa - s.vapour_pa;
    s.density_kgm3 = HumidAirDensity(s.barometric_pa, s.moisture_kgkg, s.temperature_c);
    if (!AllFinite(s)) return std::nullopt;
    if (!(s.humidity_percent > 0 && s.humidity_percent <= 100 && s.temperature_c >= -30)) return std::nullopt;
    // Vapour at or above the barometric pressure leaves no air to speak of.
    if (!(s.dry_air_pa > 0)) return std::nullopt;
    // φ > 0 and ps > 0 over the allowed temperatures, so the vapour pressure has a dew point.
    s.dew_point_c = SaturationTemperature(s.vapour_pa);
    const std::optional<double> wet_bulb = WetBulbSearch(s.enthalpy_kjkg, s.barometric_pa);
    if (!wet_bulb) return std::nullopt;
    s.wet_bulb_c = *wet_bulb;
    return s;
}

} // namespace

double ReadTypedNumber(const std::string& text, NumberFormat format)
{
    try {
        return ParseNumber(NormalizeDecimal(text, format), format);
    } catch (const ConversionError& error) {
        // The message names what the user typed, not the text after the separator was changed.
        throw ConversionError(error.what(), {message_line::kNotANumber, {text}});
    }
}

std::pair<AirField, AirField> FieldsOf(AirInputPair pair)
{
    switch (pair) {
    case AirInputPair::EnthalpyMoisture: return {AirField::Enthalpy, AirField::Moisture};
    case AirInputPair::EnthalpyTemperature: return {AirField::Enthalpy, AirField::Temperature};
    case AirInputPair::MoistureTemperature: return {AirField::Moisture, AirField::Temperature};
    case AirInputPair::MoistureHumidity: return {AirField::Moisture, AirField::Humidity};
    case AirInputPair::TemperatureHumidity: return {AirField::Temperature, AirField::Humidity};
    case AirInputPair::EnthalpyHumidity: return {AirField::Enthalpy, AirField::Humidity};
    }
    return {AirField::Enthalpy, AirField::Moisture};
}

std::optional<AirInputPair> ChooseInputPair(const AirCalculatorTexts& texts)
{
    if (texts.barometric.empty()) return std::nullopt;
    for (AirInputPair pair : kPairOrder) {
        const auto [first, second] = FieldsOf(pair);
        if (!TextOf(texts, first).empty() && !TextOf(texts, second).empty()) return pair;
    }
    return std::nullopt;
}

std::optional<AirInputPair> PairOf(AirField one, AirField other)
{
    for (AirInputPair pair : kPairOrder) {
        const auto [first, second] = FieldsOf(pair);
        if ((first == one && second == other) || (first == other && second == one)) return pair;
    }
    return std::nullopt;
}

void AirInputOrigins::typed(AirField field)
{
    const std::size_t k = InputIndex(field);
    if (k >= typed_at_.size()) return;
    typed_at_[k] = ++clock_;
    shown_[k] = false;
}

void AirInputOrigins::shown(AirField field)
{
    const std::size_t k = InputIndex(field);
    if (k >= shown_.size()) return;
    shown_[k] = true;
    typed_at_[k] = 0;
}

void AirInputOrigins::clear()
{
    typed_at_ = {};
    shown_ = {};
    clock_ = 0;
}

bool AirInputOrigins::holdsResult(AirField field) const
{
    const std::size_t k = InputIndex(field);
    return k < shown_.size() && shown_[k];
}

std::optional<AirInputPair> AirInputOrigins::pair(const AirCalculatorTexts& texts) const
{
    if (texts.barometric.empty()) return std::nullopt;
    std::vector<std::size_t> given;
    for (std::size_t k = 0; k < kAirInputs.size(); ++k) {
        if (!shown_[k] && !TextOf(texts, kAirInputs[k]).empty()) given.push_back(k);
    }
    if (given.size() < 2) return std::nullopt;
    // Typed last first; the fields' own order among the rest, which is the order of the pairs.
    std::stable_sort(given.begin(), given.end(), [this](std::size_t a, std::size_t b) { return typed_at_[a] > typed_at_[b]; });
    return PairOf(kAirInputs[given[0]], kAirInputs[given[1]]);
}

std::optional<HumidAirState> ComputeHumidAirState(AirInputPair pair, double a, double b, double pb)
{
    HumidAirState s;
    s.barometric_pa = pb;
    double phi = 0; // fraction
    switch (pair) {
    case AirInputPair::EnthalpyMoisture:
    case AirInputPair::EnthalpyTemperature:
    case AirInputPair::MoistureTemperature:
        if (pair == AirInputPair::EnthalpyMoisture) {
            s.enthalpy_kjkg = a;
            s.moisture_kgkg = b;
            s.temperature_c = TemperatureFromEnthalpy(a, b);
        } else if (pair == AirInputPair::EnthalpyTemperature) {
            s.enthalpy_kjkg = a;
            s.temperature_c = b;
            s.moisture_kgkg = MoistureFromEnthalpy(a, b);
        } else {
            s.moisture_kgkg = a;
            s.temperature_c = b;
            s.enthalpy_kjkg = EnthalpyOf(b, a);
        }
        s.saturation_pa = SaturationPressure(s.temperature_c);
        phi = HumidityFromMoisture(s.moisture_kgkg, s.saturation_pa, pb);
        s.vapour_pa = s.saturation_pa * phi;
        break;
    case AirInputPair::MoistureHumidity:
        // φ = 0 would divide by zero below; it is not an allowed state anyway.
        if (!(b > 0)) return std::nullopt;
        phi = b / 100;
        s.moisture_kgkg = a;
        s.vapour_pa = VapourPressureFromMoisture(a, pb);
        s.saturation_pa = s.vapour_pa / b * 100;
        if (!(s.saturation_pa > 0)) return std::nullopt;
        s.temperature_c = SaturationTemperature(s.saturation_pa);
        s.enthalpy_kjkg = EnthalpyOf(s.temperature_c, a);
        break;
    case AirInputPair::TemperatureHumidity:
        phi = b / 100;
        s.temperature_c = a;
        s.saturation_pa = SaturationPressure(a);
        s.vapour_pa = phi * s.saturation_pa;
        s.moisture_kgkg = 0.622 * phi * s.saturation_pa / (pb - s.vapour_pa);
        s.enthalpy_kjkg = EnthalpyOf(a, s.moisture_kgkg);
        break;
    case AirInputPair::EnthalpyHumidity: {
        phi = b / 100;
        s.enthalpy_kjkg = a;
        const std::optional<double> t = TemperatureSearch(a, phi, pb);
        if (!t) return std::nullopt;
        s.temperature_c = *t;
        s.saturation_pa = SaturationPressure(*t);
        s.moisture_kgkg = MoistureFromHumidity(phi, s.saturation_pa, pb);
        s.vapour_pa = phi * s.saturation_pa;
        break;
    }
    }
    return Complete(s, phi);
}

std::optional<AirCalculation> CalculateAir(const AirCalculatorTexts& texts, NumberFormat format,
                                           std::optional<AirInputPair> pair)
{
    if (!pair) pair = ChooseInputPair(texts);
    if (!pair || texts.barometric.empty()) return std::nullopt;
    const auto [first, second] = FieldsOf(*pair);
    if (TextOf(texts, first).empty() || TextOf(texts, second).empty()) return std::nullopt;
    const auto read = [format](const std::string& text) { return ReadTypedNumber(text, format); };
    const double a = read(TextOf(texts, first));
    const double b = read(TextOf(texts, second));
    const double pb = read(texts.barometric);
    return AirCalculation{*pair, ComputeHumidAirState(*pair, a, b, pb)};
}

std::vector<std::pair<AirField, std::string>> ShownAirTexts(const AirCalculation& calculation, NumberFormat format)
{
    std::vector<std::pair<AirField, std::string>> shown;
    if (!calculation.state) return shown;
    const HumidAirState& s = *calculation.state;
    // A pair, not a structured binding: lambdas capture bindings only from clang 16 on.
    const std::pair<AirField, AirField> typed = FieldsOf(calculation.pair);
    const auto add = [&](AirField field, double value, int decimals) {
        if (field == typed.first || field == typed.second) return;
        shown.emplace_back(field, FormatShortest(RoundHalfEven(value, decimals), format));
    };
    add(AirField::Enthalpy, s.enthalpy_kjkg, 1);
    add(AirField::Moisture, s.moisture_kgkg, 5);
    add(AirField::Temperature, s.temperature_c, 1);
    add(AirField::Humidity, s.humidity_percent, 1);
    add(AirField::Saturation, s.saturation_pa, 1);
    add(AirField::DewPoint, s.dew_point_c, 1);
    add(AirField::Density, s.density_kgm3, 2);
    add(AirField::Vapour, s.vapour_pa, 1);
    add(AirField::DryAir, s.dry_air_pa, 1);
    add(AirField::WetBulb, s.wet_bulb_c, 1);
    return shown;
}

std::vector<AirField> InputsToDisable(AirField changed, const std::array<bool, 4>& filled)
{
    const std::size_t changed_index = InputIndex(changed);
    std::array<bool, 4> disable{};
    if (changed_index >= filled.size() || !filled[changed_index]) return {};
    for (std::size_t partner = 0; partner < filled.size(); ++partner) {
        if (partner == changed_index || !filled[partner]) continue;
        for (std::size_t other = 0; other < filled.size(); ++other) {
            if (other != changed_index && other != partner) disable[other] = true;
        }
    }
    std::vector<AirField> result;
    for (std::size_t k = 0; k < disable.size(); ++k) {
        if (disable[k]) result.push_back(kAirInputs[k]);
    }
    return result;
}

} // namespace kalvintera
