#include "cli/arguments.h"

#include "core/errors.h"
#include "core/shell/file_io.h"
#include "core/text/number_format.h"

#include <algorithm>
#include <filesystem>

namespace kalvintera::cli {
namespace {

const OptionRule* FindOption(std::string_view name, std::span<const OptionRule> options)
{
    for (const OptionRule& option : options) {
        if (option.name == name) return &option;
    }
    for (const OptionRule& option : kSharedOptions) {
        if (option.name == name) return &option;
    }
    return nullptr;
}

std::string Joined(std::initializer_list<std::string_view> words, std::string_view separator)
{
    std::string out;
    for (std::string_view word : words) {
        if (!out.empty()) out += separator;
        out += word;
    }
    return out;
}

} // namespace

Arguments Arguments::Parse(std::span<const std::string> tokens, std::span<const OptionRule> options)
{
    Arguments parsed;
    bool options_ended = false;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const std::string& token = tokens[i];
        if (options_ended || !token.starts_with("--")) {
            parsed.positional_.push_back(token);
            continue;
        }
        if (token == "--") {
            options_ended = true;
            continue;
        }
        std::string name = token.substr(2);
        std::optional<std::string> inline_value;
        if (const std::size_t equals = name.find('='); equals != std::string::npos) {
            inline_value = name.substr(equals + 1);
            name.resize(equals);
        }
        const OptionRule* option = FindOption(name, options);
        if (option == nullptr) throw UsageError("unknown option --" + name);
        if (!option->repeatable && parsed.has(name)) throw UsageError("option --" + name + " is given twice");

        std::optional<std::string> value;
        if (option->takesValue()) {
            if (inline_value) {
                value = std::move(inline_value);
            } else if (i + 1 < tokens.size()) {
                value = tokens[++i];
            } else {
                throw UsageError("option --" + name + " needs a value (" + std::string(option->value_name) + ")");
            }
        } else if (inline_value) {
            throw UsageError("option --" + name + " takes no value");
        }
        parsed.options_.emplace_back(std::move(name), std::move(value));
    }
    return parsed;
}

bool Arguments::has(std::string_view name) const
{
    return std::any_of(options_.begin(), options_.end(), [name](const auto& option) { return option.first == name; });
}

std::optional<std::string> Arguments::value(std::string_view name) const
{
    for (const auto& [option, value] : options_) {
        if (option == name) return value;
    }
    return std::nullopt;
}

std::vector<std::string> Arguments::values(std::string_view name) const
{
    std::vector<std::string> found;
    for (const auto& [option, value] : options_) {
        if (option == name && value) found.push_back(*value);
    }
    return found;
}

std::string Arguments::valueOr(std::string_view name, std::string_view fallback) const
{
    return value(name).value_or(std::string(fallback));
}

std::optional<double> Arguments::optionalNumber(std::string_view name) const
{
    const std::optional<std::string> text = value(name);
    if (!text) return std::nullopt;
    try {
        return ParseNumber(NormalizeDecimal(*text, NumberFormat::point()), NumberFormat::point());
    } catch (const ConversionError&) {
        throw UsageError("option --" + std::string(name) + ": \"" + *text + "\" is not a number");
    }
}

std::optional<long long> Arguments::optionalInteger(std::string_view name) const
{
    const std::optional<std::string> text = value(name);
    if (!text) return std::nullopt;
    try {
        return ParseInteger(*text);
    } catch (const ConversionError&) {
        throw UsageError("option --" + std::string(name) + ": \"" + *text + "\" is not a whole number");
    }
}

double Arguments::number(std::string_view name) const
{
    const std::optional<double> result = optionalNumber(name);
    if (!result) throw UsageError("option --" + std::string(name) + " is required");
    return *result;
}

std::string Arguments::choice(std::string_view name, std::initializer_list<std::string_view> allowed,
                              std::string_view fallback) const
{
    const std::optional<std::string> text = value(name);
    if (!text) return std::string(fallback);
    if (std::find(allowed.begin(), allowed.end(), *text) == allowed.end()) {
        throw UsageError("option --" + std::string(name) + " takes " + Joined(allowed, ", ") + ", not \"" + *text + "\"");
    }
    return *text;
}

void Arguments::expectPositional(std::initializer_list<std::string_view> names) const
{
    if (positional_.size() != names.size()) {
        throw UsageError("expected " + Joined(names, " ") + " (" + std::to_string(names.size())
                         + " arguments), got " + std::to_string(positional_.size()));
    }
}

DataFolder Arguments::dataFolder() const
{
    const std::optional<std::string> given = value(kDataOption.name);
    const std::filesystem::path root = given ? std::filesystem::path(*given) : std::filesystem::current_path();
    std::error_code error;
    if (!std::filesystem::is_directory(root, error)) {
        throw FileError("The data folder " + PathText(root) + " does not exist");
    }
    return DataFolder(root);
}

} // namespace kalvintera::cli
