#pragma once

#include "cli/command.h"

// Every subcommand of the tool, in the order the usage lists them. A new command is a file
// that defines `const Command k<Name>Command` and one line here.
#define KALVINTERA_CLI_COMMANDS(COMMAND) \
    COMMAND(Select)                      \
    COMMAND(Datasheet)                   \
    COMMAND(Schedule)                    \
    COMMAND(OperatingPoint)              \
    COMMAND(Cylindrical)                 \
    COMMAND(Integrated)                  \
    COMMAND(Catalogue)                   \
    COMMAND(Language)                    \
    COMMAND(Air)                         \
    COMMAND(IxReadout)                   \
    COMMAND(Fitting)                     \
    COMMAND(DuctRun)                     \
    COMMAND(Orifice)                     \
    COMMAND(AirBalance)

namespace kalvintera::cli {

#define KALVINTERA_DECLARE_COMMAND(Name) extern const Command k##Name##Command;
KALVINTERA_CLI_COMMANDS(KALVINTERA_DECLARE_COMMAND)
#undef KALVINTERA_DECLARE_COMMAND

} // namespace kalvintera::cli
