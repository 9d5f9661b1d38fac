#pragma once

#include <QString>

namespace kalvintera {

struct Program;

// Language lines of the pressure-loss calculator that the program adds to the calculator's
// own: the CSV export's menu item, the message of a full run, and the message when the
// desktop cannot open an export.
inline constexpr int kCsvExportLine = 1070;
inline constexpr int kRunFullLine = 1071;
inline constexpr int kExportNotOpenedLine = 1072;
inline constexpr int kExportWrittenLine = 1155;   // %1: the file's path
inline constexpr int kUnknownKindLine = 1156;     // %1: the row's kind text

// A message line of the calculator: the language file's text when one is in force,
// otherwise the built-in Polish text.
QString DuctlossLine(const Program& program, int line);

} // namespace kalvintera
