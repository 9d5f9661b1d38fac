#pragma once

#include "cli/arguments.h"

#include <ostream>
#include <span>
#include <string_view>

namespace kalvintera::cli {

// Where a command writes: results to `out`, notes (such as "nothing found") to `err`.
struct CommandContext {
    std::ostream& out;
    std::ostream& err;
};

// One subcommand of the tool. The arguments reach `run` already parsed against `options`
// (plus the shared ones); `run` returns the exit code, throws UsageError for a command
// line it cannot use and lets KalvinteraError through for data and file errors.
struct Command {
    std::string_view name;
    // One line per form, without the program name: "catalogue dump IN.dbx   what it does".
    std::string_view usage;
    std::span<const OptionRule> options;
    int (*run)(const Arguments& arguments, CommandContext& context);
};

} // namespace kalvintera::cli
