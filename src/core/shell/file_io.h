#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kalvintera {

// The whole file as bytes; FileError naming the path when it cannot be read.
std::string ReadWholeFile(const std::filesystem::path& file);

// Writes to a temporary file in the same folder and renames it over `file`, so a failed
// write (full disk, read-only folder) leaves the old file as it was. FileError naming
// the path on failure.
void WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// Splits text into lines at LF, dropping a CR before it; a final line without a line
// end counts, an empty file has no lines.
std::vector<std::string> SplitLines(std::string_view text);

// The path as a UTF-8 text for messages.
std::string PathText(const std::filesystem::path& file);

} // namespace kalvintera
