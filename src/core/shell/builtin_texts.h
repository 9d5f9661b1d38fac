#pragma once

#include <string_view>

namespace kalvintera {

// The Polish text of language line `line` as the program's language tables give it, for the
// lines from 1101 on: what a window shows when no language file holds that line. Empty for
// any other line.
std::string_view BuiltInText(int line);

} // namespace kalvintera
