#pragma once

#include "ui/program.h"

#include <QString>

namespace kalvintera {

// Language line `line` while a language file is in force and gives it, otherwise the
// built-in Polish text: the calculators' messages read well without a language file too.
inline QString LineOrBuiltIn(const Program& program, int line, const QString& built_in)
{
    const QString language = program.line(line);
    return program.languageChosen() && !language.isEmpty() ? language : built_in;
}

} // namespace kalvintera
