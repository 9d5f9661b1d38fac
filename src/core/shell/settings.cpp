#include "core/shell/settings.h"

#include "core/errors.h"
#include "core/shell/file_io.h"
#include "core/shell/text_file.h"
#include "core/text/code_page.h"

#include <algorithm>
#include <array>
#include <climits>
#include <optional>
#include <string_view>
#include <system_error>

namespace kalvintera {
namespace {

// The key texts as the file has always spelled them; older files must keep reading alike.
constexpr std::array<std::string_view, kSettingsLines> kKeys = {
    "LANGUAGE=",   "NAME=",  "STREET=", "CITY=",  "TEL=",   "TEMPERATURE=", "ATMOSPHERICAL PRESSURE=",
    "HUMIDITY=",   "ROUGHNES=", "SPEED=", "VWENT=", "DPWENT=", "VER=", "DATE_DISTANCE=", "LAST_UPDATE=",
    "CHECK_FOR_UPDATES=", "OPERATING_HOURS=", "ENERGY_PRICE=", "CURRENCY=", "DENSITY_CORRECTION="};

constexpr std::size_t kReadCharacters = 50;

// The text fields by line index; the other lines hold numbers or a date.
template <typename SettingsT>
auto TextField(SettingsT& s, int index) -> decltype(&s.name)
{
    switch (index) {
    case 1: return &s.name;
    case 2: return &s.street;
    case 3: return &s.city;
    case 4: return &s.tel;
    case 5: return &s.temperature;
    case 6: return &s.atmosphericPressure;
    case 7: return &s.humidity;
    case 8: return &s.roughness;
    case 10: return &s.vWent;
    case 11: return &s.dpWent;
    case 13: return &s.dateDistance;
    case 16: return &s.operatingHours;
    case 17: return &s.energyPrice;
    case 18: return &s.currency;
    default: return nullptr;
    }
}

std::optional<long long> ToInteger(std::string_view value)
{
    try {
        return ParseInteger(value);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

std::optional<int> ToInt(std::string_view value)
{
    const auto number = ToInteger(value);
    if (!number || *number < INT_MIN || *number > INT_MAX) return std::nullopt;
    return static_cast<int>(*number);
}

void ReadValue(Settings& s, int index, const std::string& value, NumberFormat numbers, const ShortDateFormat& dates)
{
    if (std::string* text = TextField(s, index)) {
        *text = value;
        return;
    }
    try {
        switch (index) {
        case 0: s.language = ToInt(value).value_or(s.language); break;
        case 9:
            if (const auto position = ToInteger(value)) {
                s.fadeSpeed = ClampFadePosition(static_cast<int>(std::clamp<long long>(*position, INT_MIN, INT_MAX)));
            }
            break;
        case 12: s.version = ParseNumber(NormalizeDecimal(value, numbers), numbers); break;
        case 14: s.lastUpdate = ParseShortDate(value, dates); break;
        case 15: s.checkForUpdates = ToInt(value).value_or(s.checkForUpdates); break;
        case 19: s.densityCorrection = ToInt(value).value_or(s.densityCorrection) == 1 ? 1 : 0; break;
        default: break;
        }
    } catch (const ConversionError&) {
        // The field keeps its built-in value; the rest of the file still counts.
    }
}

std::string OneLine(std::string text)
{
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

std::string ValueText(const Settings& s, int index, NumberFormat numbers, const ShortDateFormat& dates)
{
    if (const std::string* text = TextField(s, index)) return OneLine(*text);
    switch (index) {
    case 0: return std::to_string(s.language);
    case 9: return std::to_string(s.fadeSpeed);
    case 12: return FormatShortest(s.version, numbers);
    case 14: return FormatShortDate(s.lastUpdate, dates);
    case 15: return std::to_string(s.checkForUpdates);
    case 19: return std::to_string(s.densityCorrection);
    default: return {};
    }
}

} // namespace

Settings ReadSettings(const std::filesystem::path& file, NumberFormat numbers, const ShortDateFormat& dates)
{
    Settings settings;
    std::error_code ec;
    if (std::filesystem::status(file, ec).type() == std::filesystem::file_type::not_found) return settings;

    const std::vector<std::string> lines = ReadTextLines(file, CodePage::Cp1250);
    const int count = std::min(static_cast<int>(lines.size()), kSettingsLines);
    for (int index = 0; index < count; ++index) {
        const std::string head = CutToCharacters(lines[static_cast<std::size_t>(index)], kReadCharacters);
        const std::size_t equals = head.find('=');
        const std::string value = equals == std::string::npos ? std::string() : head.substr(equals + 1);
        ReadValue(settings, index, value, numbers, dates);
    }
    return settings;
}

void WriteSettings(const std::filesystem::path& file, const Settings& settings, NumberFormat numbers,
                   const ShortDateFormat& dates)
{
    std::string text;
    for (int index = 0; index < kSettingsLines; ++index) {
        text += kKeys[static_cast<std::size_t>(index)];
        text += ValueText(settings, index, numbers, dates);
        text += "\r\n";
    }
    WriteFileAtomically(file, text);
}

} // namespace kalvintera
