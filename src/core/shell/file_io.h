#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kalvintera {

// More than any file the program reads (the largest, a full device database, is 4.3 MB).
inline constexpr std::uintmax_t kMaxReadBytes = std::uintmax_t{64} << 20;

// The whole file as bytes; FileError naming the path when it cannot be read, is a folder
// or not a regular file (a device or a pipe could be read forever), or holds more than
// `max_bytes`.
std::string ReadWholeFile(const std::filesystem::path& file, std::uintmax_t max_bytes = kMaxReadBytes);

// Writes to a temporary file in the same folder and renames it over `file`, so a failed
// write (full disk, read-only folder) leaves the old file as it was. FileError naming
// the path on failure.
void WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// One file of a save that writes several.
struct FileContents {
    std::filesystem::path file;
    std::string_view bytes;
};

// Writes several files as one save: every new file is complete on disk, and none has a
// folder in its place, before the first old one is replaced, so a full disk, a read-only
// folder or a folder in the way leaves all the old files as they were. FileError naming
// the file that failed.
void WriteFilesAtomically(std::span<const FileContents> files);

// Splits text into lines at LF, dropping a CR before it; a final line without a line
// end counts, an empty file has no lines.
std::vector<std::string> SplitLines(std::string_view text);

// The path as a UTF-8 text for messages.
std::string PathText(const std::filesystem::path& file);

} // namespace kalvintera
