#pragma once

#include "core/shell/language_table.h"

#include <QString>

#include <exception>

namespace kalvintera {

// The message a user reads for an error, in the current language: the error's own language
// line with its values, or the line of its kind of error. Never the core's English text,
// which goes to the program's error output for whoever supports the user.
QString UserErrorText(const std::exception& error, const LanguageTable& table);

} // namespace kalvintera
