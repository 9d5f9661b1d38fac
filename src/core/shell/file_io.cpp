#include "core/shell/file_io.h"

#include "core/errors.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace kalvintera {

std::string PathText(const std::filesystem::path& file)
{
    return file.string();
}

std::string ReadWholeFile(const std::filesystem::path& file)
{
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) {
        throw FileError("Cannot read " + PathText(file) + ": it is a folder");
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) throw FileError("Cannot open " + PathText(file) + ": " + std::strerror(errno));
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) throw FileError("Cannot read " + PathText(file));
    return std::move(buffer).str();
}

void WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes)
{
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    std::string pattern = (folder / ("." + file.filename().string() + ".XXXXXX")).string();
    const int fd = mkstemp(pattern.data());
    if (fd < 0) throw FileError("Cannot write " + PathText(file) + ": " + std::strerror(errno));

    auto fail = [&](const char* what) {
        const std::string reason = std::strerror(errno);
        ::close(fd);
        ::unlink(pattern.c_str());
        throw FileError(std::string("Cannot ") + what + " " + PathText(file) + ": " + reason);
    };
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            fail("write");
        }
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) fail("write");
    // mkstemp creates the file private; a kept document gets the usual permissions.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    if (::close(fd) != 0) {
        ::unlink(pattern.c_str());
        throw FileError("Cannot write " + PathText(file) + ": " + std::strerror(errno));
    }
    if (std::rename(pattern.c_str(), file.c_str()) != 0) {
        const std::string reason = std::strerror(errno);
        ::unlink(pattern.c_str());
        throw FileError("Cannot write " + PathText(file) + ": " + reason);
    }
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
