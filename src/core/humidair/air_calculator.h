#pragma once

#include "core/humidair/humid_air.h"
#include "core/text/number_format.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kalvintera {

// A number typed into any field of the humid-air windows, with the locale's decimal
// separator or the other one of "." and ",". ConversionError naming the text as typed.
double ReadTypedNumber(const std::string& text, NumberFormat format);

// The fields of the air calculator, inputs first.
enum class AirField { Enthalpy, Moisture, Temperature, Humidity, Barometric, Saturation, DewPoint, Density, Vapour, DryAir, WetBulb };

// The four fields of which the user fills exactly two.
inline constexpr std::array<AirField, 4> kAirInputs{AirField::Enthalpy, AirField::Moisture, AirField::Temperature,
                                                    AirField::Humidity};

// The six supported pairs, in the order in which they are tried.
enum class AirInputPair { EnthalpyMoisture, EnthalpyTemperature, MoistureTemperature, MoistureHumidity,
                          TemperatureHumidity, EnthalpyHumidity };

std::pair<AirField, AirField> FieldsOf(AirInputPair pair);

// The texts of the five input fields as typed.
struct AirCalculatorTexts {
    std::string enthalpy;
    std::string moisture;
    std::string temperature;
    std::string humidity;   // %
    std::string barometric; // Pa
};

// The first pair whose two fields and pb all hold text; none when no pair is complete.
std::optional<AirInputPair> ChooseInputPair(const AirCalculatorTexts& texts);

// The pair made of two different input fields, in whichever order they come.
std::optional<AirInputPair> PairOf(AirField one, AirField other);

// Where the texts of the four input fields came from, so that "Oblicz" computes from what
// the user typed and never from a rounded result a calculation wrote into a field: fed
// back, such results would pull the typed values back and drift with every press.
class AirInputOrigins {
public:
    // The user changed the field.
    void typed(AirField field);
    // A calculation wrote its result into the field.
    void shown(AirField field);
    // "Wyczyść": nothing typed, nothing shown.
    void clear();
    // Whether the field holds a result a calculation wrote, not a value the user gave.
    bool holdsResult(AirField field) const;

    // The pair to compute: of the fields holding text that no calculation wrote, the two
    // typed last (fields given another way follow, in the order of the pairs). None when
    // fewer than two such fields or pb is empty.
    std::optional<AirInputPair> pair(const AirCalculatorTexts& texts) const;

private:
    std::array<unsigned, 4> typed_at_{}; // 0: never typed; else when it was typed last
    std::array<bool, 4> shown_{};
    unsigned clock_ = 0;
};

// The state from one pair: `first` and `second` are the pair's values in the order of its
// name (humidity in %). None when the state is not allowed: relative humidity outside
// 0 < φ ≤ 100 %, a temperature below -30 °C, vapour at or above pb, a value that is not finite, or an enthalpy
// beyond what the stepped searches reach before saturated air ceases to exist.
std::optional<HumidAirState> ComputeHumidAirState(AirInputPair pair, double first, double second, double barometric_pa);

struct AirCalculation {
    AirInputPair pair = AirInputPair::EnthalpyMoisture;
    std::optional<HumidAirState> state; // none: the data are not allowed
};

// "Oblicz": none when no pair is complete (nothing happens). The texts are read with the
// locale's separator or the other one of "." and ","; ConversionError for one that is not
// a number. Without `pair` the first complete pair is computed.
std::optional<AirCalculation> CalculateAir(const AirCalculatorTexts& texts, NumberFormat format,
                                           std::optional<AirInputPair> pair = std::nullopt);

// What a calculation writes into the fields: every field but the pair's two and pb, each
// rounded as the calculator shows it.
std::vector<std::pair<AirField, std::string>> ShownAirTexts(const AirCalculation& calculation, NumberFormat format);

// Typing into an input field: when the changed field and another of the four both hold
// text, the remaining two are to be disabled. Returns those fields (none, two or three).
std::vector<AirField> InputsToDisable(AirField changed, const std::array<bool, 4>& filled);

} // namespace kalvintera
