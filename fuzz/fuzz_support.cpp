#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <system_error>

namespace kalvintera::fuzz {
namespace {

// The process's own folder, made on first use and removed at exit.
class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "kalvintera-fuzz-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            std::perror("kalvintera fuzz: cannot create a temporary folder");
            std::abort();
        }
        path_ = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

ScratchFolder& Scratch()
{
    static ScratchFolder folder;
    return folder;
}

} // namespace

std::filesystem::path WriteInput(const std::uint8_t* data, std::size_t size, std::string_view name)
{
    const std::filesystem::path file = Scratch().path() / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    if (!out) {
        std::perror("kalvintera fuzz: cannot write the input file");
        std::abort();
    }
    return file;
}

void Require(bool holds, const char* what)
{
    if (holds) return;
    std::fprintf(stderr, "kalvintera fuzz: %s\n", what);
    std::abort();
}

} // namespace kalvintera::fuzz
