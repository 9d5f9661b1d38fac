#include "core/shell/file_io.h"

#include "core/errors.h"
#include "core/message_lines.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <fstream>
#include <unistd.h>

namespace kalvintera {

std::string PathText(const std::filesystem::path& file)
{
    return file.string();
}

std::string ReadWholeFile(const std::filesystem::path& file, std::uintmax_t max_bytes)
{
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(file, ec);
    if (std::filesystem::is_directory(status)) {
        throw FileError("Cannot read " + PathText(file) + ": it is a folder", {message_line::kCannotRead, {PathText(file)}});
    }
    // A device or a pipe in a file's place could block the open or never end.
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        throw FileError("Cannot read " + PathText(file) + ": it is not a regular file", {message_line::kCannotRead, {PathText(file)}});
    }
    const auto too_large = [&] {
        return FileError("Cannot read " + PathText(file) + ": it is larger than " + std::to_string(max_bytes)
                             + " bytes, more than any file of the program",
                         {message_line::kCannotRead, {PathText(file)}});
    };
    const std::uintmax_t expected = std::filesystem::file_size(file, ec);
    if (!ec && expected > max_bytes) throw too_large();

    std::ifstream in(file, std::ios::binary);
    if (!in) throw FileError("Cannot open " + PathText(file) + ": " + std::strerror(errno),
                             {message_line::kCannotRead, {PathText(file)}});
    std::string bytes;
    if (!ec) bytes.reserve(static_cast<std::size_t>(expected));
    // The bound holds while reading too: the file may grow after its size was taken.
    std::array<char, 64 * 1024> chunk;
    while (in.read(chunk.data(), chunk.size()) || in.gcount() > 0) {
        const auto count = static_cast<std::size_t>(in.gcount());
        if (bytes.size() + count > max_bytes) throw too_large();
        bytes.append(chunk.data(), count);
    }
    if (in.bad()) throw FileError("Cannot read " + PathText(file), {message_line::kCannotRead, {PathText(file)}});
    return bytes;
}

namespace {

[[noreturn]] void FailToWrite(const std::filesystem::path& file, int error)
{
    throw FileError("Cannot write " + PathText(file) + ": " + std::strerror(error),
                    {message_line::kCannotWrite, {PathText(file)}});
}

// Writes `bytes` to a new temporary file beside `file` and returns its name. On failure
// the temporary file is removed again.
std::string WriteTemporary(const std::filesystem::path& file, std::string_view bytes)
{
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    std::string pattern = (folder / ("." + file.filename().string() + ".XXXXXX")).string();
    const int fd = mkstemp(pattern.data());
    if (fd < 0) FailToWrite(file, errno);

    auto fail = [&] {
        const int error = errno;
        ::close(fd);
        ::unlink(pattern.c_str());
        FailToWrite(file, error);
    };
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            fail();
        }
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) fail();
    // mkstemp creates the file private; a kept document gets the usual permissions.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(pattern.c_str());
        FailToWrite(file, error);
    }
    return pattern;
}

// The temporary files of one save; those not renamed over their files by the end of the
// save are removed.
class Temporaries {
public:
    Temporaries() = default;
    Temporaries(const Temporaries&) = delete;
    Temporaries& operator=(const Temporaries&) = delete;
    ~Temporaries()
    {
        for (const std::string& name : names_) {
            if (!name.empty()) ::unlink(name.c_str());
        }
    }

    void add(std::string name) { names_.push_back(std::move(name)); }

    void replace(std::size_t index, const std::filesystem::path& file)
    {
        if (std::rename(names_[index].c_str(), file.c_str()) != 0) FailToWrite(file, errno);
        names_[index].clear();
    }

private:
    std::vector<std::string> names_;
};

} // namespace

void WriteFilesAtomically(std::span<const FileContents> files)
{
    Temporaries temporaries;
    for (const FileContents& contents : files) temporaries.add(WriteTemporary(contents.file, contents.bytes));
    // Only a file can be renamed over a file: a folder in the place of a later file of the
    // save would otherwise stop it after the earlier ones had been replaced.
    for (const FileContents& contents : files) {
        std::error_code ignored;
        if (std::filesystem::is_directory(std::filesystem::symlink_status(contents.file, ignored))) {
            throw FileError("Cannot write " + PathText(contents.file) + ": a folder of that name is in its place",
                            {message_line::kCannotWrite, {PathText(contents.file)}});
        }
    }
    for (std::size_t k = 0; k < files.size(); ++k) temporaries.replace(k, files[k].file);
}

void WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes)
{
    const FileContents contents{file, bytes};
    WriteFilesAtomically(std::span(&contents, 1));
}

std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const bool last = end == std::string_view::npos;
        if (last) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        start = last ? text.size() : end + 1;
    }
    return lines;
}

} // namespace kalvintera
