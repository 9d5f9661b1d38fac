#pragma once

#include "core/shell/data_folder.h"

#include <initializer_list>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kalvintera::cli {

// The command line was not understood: exit code 2 and the usage text, unlike a data or
// file error (KalvinteraError, exit code 1).
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One option a command accepts, written "--name value" (or "--name=value") when it takes a
// value and "--name" alone when it is a flag. Only a repeatable option may be given twice.
struct OptionRule {
    std::string_view name;       // without the leading "--"
    std::string_view value_name; // "V", "DIR", "table|csv"; empty for a flag
    std::string_view help;
    bool repeatable = false;

    bool takesValue() const { return !value_name.empty(); }
};

// Options every command accepts besides its own.
inline constexpr OptionRule kDataOption{"data", "DIR", "the data folder (default: the working directory)"};
inline constexpr OptionRule kHelpOption{"help", "", "show the usage of the command"};
inline constexpr OptionRule kSharedOptions[] = {kDataOption, kHelpOption};

// A parsed command line: options by name, and the positional arguments in order. Every
// accessor that reads a value reports a bad one as a UsageError naming the option.
class Arguments {
public:
    // Tokens after the command name. "--" ends the options; a token starting with "--" is an
    // option, anything else (also "-5") a positional argument. UsageError for an option the
    // command does not accept, a value missing, a flag given a value, or an option that is
    // not repeatable given twice.
    static Arguments Parse(std::span<const std::string> tokens, std::span<const OptionRule> options);

    bool has(std::string_view name) const;
    std::optional<std::string> value(std::string_view name) const;
    // Every value of a repeatable option, in the order given.
    std::vector<std::string> values(std::string_view name) const;
    std::string valueOr(std::string_view name, std::string_view fallback) const;

    // The option's number, with "." or "," as the decimal separator. UsageError when it is
    // missing (required form) or not a number.
    double number(std::string_view name) const;
    std::optional<double> optionalNumber(std::string_view name) const;
    // The option's whole number (an optional sign and digits). UsageError when it is not one.
    std::optional<long long> optionalInteger(std::string_view name) const;

    // The option's value, which must be one of `allowed`; `fallback` when it is not given.
    std::string choice(std::string_view name, std::initializer_list<std::string_view> allowed,
                       std::string_view fallback) const;

    const std::vector<std::string>& positional() const { return positional_; }
    // UsageError unless exactly these positional arguments are given (names for the message).
    void expectPositional(std::initializer_list<std::string_view> names) const;

    // --data, or the working directory. FileError when the folder does not exist.
    DataFolder dataFolder() const;

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> options_;
    std::vector<std::string> positional_;
};

} // namespace kalvintera::cli
