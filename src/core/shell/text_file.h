#pragma once

#include "core/text/code_page.h"

#include <filesystem>
#include <string>
#include <vector>

namespace kalvintera {

// A text file of the program (settings, language, tree, description) as UTF-8: read as
// UTF-8 when it is valid UTF-8, otherwise in the given 8-bit code page. A leading UTF-8
// byte order mark is dropped. FileError naming the path when it cannot be read.
std::string ReadTextFile(const std::filesystem::path& file, CodePage fallback);

// The same, split into lines (CR LF or LF; see SplitLines).
std::vector<std::string> ReadTextLines(const std::filesystem::path& file, CodePage fallback);

} // namespace kalvintera
