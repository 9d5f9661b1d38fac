#pragma once

#include "ui/common/error_text.h"
#include "ui/program.h"

#include <QString>

#include <exception>

namespace kalvintera {

// The fixed titles of the humid-air screens' own messages.
inline const QString kChartInfoTitle = QStringLiteral("IX CHART INFO");
inline const QString kCalculatorInfoTitle = QStringLiteral("KALVINTERA INFO");
inline const QString kNameTakenMessage = QStringLiteral("Punkt o podanej nazwie już istnieje - podaj inną nazwę");

// A message of the IX chart and its dialogs.
inline void ShowChartInfo(const Program& program, const QString& text)
{
    program.prompter.showInfo(text, kChartInfoTitle);
}

// What the general error handler shows for an error that ends a user action: its message
// in the current language, never the core's English text.
inline void ReportError(const Program& program, const std::exception& error)
{
    program.prompter.showInfo(UserErrorText(error, program.language), QString::fromStdString(program.MessageTitle));
}

// Language line `line` when a language file is in force and gives one, else the built-in text.
inline QString LineOr(const Program& program, int line, const QString& built_in)
{
    const QString text = program.line(line);
    return program.languageChosen() && !text.isEmpty() ? text : built_in;
}

} // namespace kalvintera
