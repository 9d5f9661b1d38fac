// kalvintera-cli: the catalogue tools and headless searches of the program, for scripts,
// tests and the build of the sample data folder.
//
// Exit codes: 0 success (also when a search finds nothing), 1 a data or file error with a
// one-line message on stderr, 2 a command line that was not understood, with the usage.

#include "cli/command_list.h"
#include "core/errors.h"

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

namespace kalvintera::cli {
namespace {

constexpr std::string_view kProgram = "kalvintera-cli";
constexpr int kExitDataError = 1;
constexpr int kExitUsageError = 2;

const Command* const kCommands[] = {
#define KALVINTERA_LIST_COMMAND(Name) &k##Name##Command,
    KALVINTERA_CLI_COMMANDS(KALVINTERA_LIST_COMMAND)
#undef KALVINTERA_LIST_COMMAND
};

const Command* FindCommand(std::string_view name)
{
    const auto found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                    [name](const Command* command) { return command->name == name; });
    return found == std::end(kCommands) ? nullptr : *found;
}

void WriteUsageLines(std::ostream& out, std::string_view usage)
{
    while (!usage.empty()) {
        const std::size_t end = std::min(usage.find('\n'), usage.size());
        out << "  " << kProgram << ' ' << usage.substr(0, end) << '\n';
        usage.remove_prefix(std::min(end + 1, usage.size()));
    }
}

void WriteOptions(std::ostream& out, std::span<const OptionRule> own)
{
    std::vector<OptionRule> options(own.begin(), own.end());
    options.insert(options.end(), std::begin(kSharedOptions), std::end(kSharedOptions));
    auto synopsis = [](const OptionRule& option) {
        std::string text = "--" + std::string(option.name);
        if (option.takesValue()) text += " " + std::string(option.value_name);
        return text;
    };
    std::size_t width = 0;
    for (const OptionRule& option : options) width = std::max(width, synopsis(option).size());
    out << "options:\n";
    for (const OptionRule& option : options) {
        const std::string text = synopsis(option);
        out << "  " << text << std::string(width - text.size() + 2, ' ') << option.help << '\n';
    }
}

// The usage of one command, or of all when `command` is null.
void WriteUsage(std::ostream& out, const Command* command)
{
    out << "usage:\n";
    if (command != nullptr) {
        WriteUsageLines(out, command->usage);
        WriteOptions(out, command->options);
        return;
    }
    for (const Command* each : kCommands) WriteUsageLines(out, each->usage);
    out << "Shared options: --data DIR (the data folder, default: the working directory).\n"
        << "\"" << kProgram << " COMMAND --help\" shows the options of a command.\n";
}

std::string OneLine(std::string message)
{
    std::replace(message.begin(), message.end(), '\n', ' ');
    std::replace(message.begin(), message.end(), '\r', ' ');
    return message;
}

int UsageFailure(std::ostream& err, const std::string& message, const Command* command)
{
    err << kProgram << ": " << OneLine(message) << '\n';
    WriteUsage(err, command);
    return kExitUsageError;
}

bool IsSharedDataOption(const std::string& token) { return token == "--data" || token.starts_with("--data="); }

int Run(const std::vector<std::string>& tokens, std::ostream& out, std::ostream& err)
{
    // The shared --data may come before the command name as well as after it.
    std::vector<std::string> leading;
    std::size_t i = 0;
    while (i < tokens.size() && IsSharedDataOption(tokens[i])) {
        leading.push_back(tokens[i]);
        if (tokens[i] == "--data" && i + 1 < tokens.size()) leading.push_back(tokens[++i]);
        ++i;
    }
    if (i == tokens.size()) return UsageFailure(err, "no command given", nullptr);
    const std::string& name = tokens[i];
    if (name == "help" || name == "--help" || name == "-h") {
        WriteUsage(out, nullptr);
        return 0;
    }
    const Command* command = FindCommand(name);
    if (command == nullptr) return UsageFailure(err, "unknown command \"" + name + "\"", nullptr);

    std::vector<std::string> rest = leading;
    rest.insert(rest.end(), tokens.begin() + static_cast<std::ptrdiff_t>(i) + 1, tokens.end());
    CommandContext context{out, err};
    try {
        const Arguments arguments = Arguments::Parse(rest, command->options);
        if (arguments.has(kHelpOption.name)) {
            WriteUsage(out, command);
            return 0;
        }
        return command->run(arguments, context);
    } catch (const UsageError& error) {
        return UsageFailure(err, error.what(), command);
    } catch (const KalvinteraError& error) {
        err << kProgram << ": " << OneLine(error.what()) << '\n';
        return kExitDataError;
    } catch (const std::exception& error) {
        // Not expected from any command; still one line and a failure, never a crash.
        err << kProgram << ": unexpected error: " << OneLine(error.what()) << '\n';
        return kExitDataError;
    }
}

} // namespace
} // namespace kalvintera::cli

int main(int argc, char** argv)
{
    const std::vector<std::string> tokens(argv + std::min(argc, 1), argv + argc);
    const int code = kalvintera::cli::Run(tokens, std::cout, std::cerr);
    std::cout.flush();
    return code;
}
