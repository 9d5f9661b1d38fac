#pragma once

// Faults a file write can meet, made on purpose for as long as an object lives: a folder
// that refuses writes, a full disk, a folder standing where the file belongs. Shared by
// the core tests and the window tests.

#include <linux/capability.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>

namespace kalvintera::testing {

// Root ignores permission bits, and the tests run as root here and in CI. While alive, the
// calling thread's effective capabilities that let it do so (CAP_DAC_OVERRIDE,
// CAP_DAC_READ_SEARCH, CAP_FOWNER) are lowered; they stay in the permitted set, so the
// destructor can raise them again. Without those capabilities nothing changes.
class PermissionBitsObeyed {
public:
    PermissionBitsObeyed()
    {
        if (!Capabilities(SYS_capget, saved_)) return;
        std::array<__user_cap_data_struct, 2> lowered = saved_;
        for (const int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER}) {
            lowered[static_cast<std::size_t>(capability / 32)].effective &= ~(1u << (capability % 32));
        }
        changed_ = Capabilities(SYS_capset, lowered);
    }
    ~PermissionBitsObeyed()
    {
        if (changed_) Capabilities(SYS_capset, saved_);
    }
    PermissionBitsObeyed(const PermissionBitsObeyed&) = delete;
    PermissionBitsObeyed& operator=(const PermissionBitsObeyed&) = delete;

private:
    static bool Capabilities(long call, std::array<__user_cap_data_struct, 2>& data)
    {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        return ::syscall(call, &header, data.data()) == 0;
    }

    std::array<__user_cap_data_struct, 2> saved_{};
    bool changed_ = false;
};

// The folder's mode is 0555 while alive: nothing can be created, removed or renamed in it.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(std::filesystem::path folder)
        : folder_(std::move(folder)), mode_(std::filesystem::status(folder_).permissions())
    {
        std::filesystem::permissions(folder_, std::filesystem::perms(0555));
    }
    ~ReadOnlyFolder()
    {
        std::error_code ignored;
        std::filesystem::permissions(folder_, mode_, ignored);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    // Whether a new file really is refused there; a test that could not make the fault
    // would otherwise pass without trying it.
    bool refusesWrites() const
    {
        const std::string probe = (folder_ / ".write-probe").string();
        const int fd = ::open(probe.c_str(), O_CREAT | O_EXCL | O_WRONLY, 0644);
        if (fd < 0) return true;
        ::close(fd);
        ::unlink(probe.c_str());
        return false;
    }

private:
    PermissionBitsObeyed obeyed_;
    std::filesystem::path folder_;
    std::filesystem::perms mode_;
};

// While alive no file can grow beyond `bytes`: a write past that fails with EFBIG, as on
// a full disk. SIGXFSZ, which would end the process instead, is ignored meanwhile.
class FullDisk {
public:
    explicit FullDisk(std::uintmax_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limited = saved_;
        limited.rlim_cur = static_cast<rlim_t>(bytes);
        saved_handler_ = ::signal(SIGXFSZ, SIG_IGN);
        if (::setrlimit(RLIMIT_FSIZE, &limited) != 0) throw std::runtime_error("cannot limit the file size");
    }
    ~FullDisk()
    {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        ::signal(SIGXFSZ, saved_handler_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit saved_{};
    sighandler_t saved_handler_ = SIG_DFL;
};

// Removes the file and puts a folder (not empty) in its place.
inline void ReplaceByFolder(const std::filesystem::path& file)
{
    std::filesystem::remove(file);
    std::filesystem::create_directories(file);
    std::ofstream(file / "inside.txt") << "a file of the folder";
}

enum class WriteFault { ReadOnlyFolder, FullDisk, FolderInPlace };

inline constexpr std::array<WriteFault, 3> kWriteFaults{WriteFault::ReadOnlyFolder, WriteFault::FullDisk,
                                                        WriteFault::FolderInPlace};

inline const char* FaultName(WriteFault fault)
{
    switch (fault) {
    case WriteFault::ReadOnlyFolder: return "read-only folder";
    case WriteFault::FullDisk: return "full disk";
    case WriteFault::FolderInPlace: return "folder in the file's place";
    }
    return "";
}

// The fault, aimed at writes of `file`, while alive. With a full disk every file is
// limited to `disk_bytes`. A folder in the file's place stays after the object is gone.
class InjectedFault {
public:
    InjectedFault(WriteFault fault, const std::filesystem::path& file, std::uintmax_t disk_bytes = 16)
    {
        switch (fault) {
        case WriteFault::ReadOnlyFolder:
            read_only_.emplace(file.parent_path());
            if (!read_only_->refusesWrites()) throw std::runtime_error("the folder could not be made read-only");
            break;
        case WriteFault::FullDisk: full_.emplace(disk_bytes); break;
        case WriteFault::FolderInPlace: ReplaceByFolder(file); break;
        }
    }

private:
    std::optional<ReadOnlyFolder> read_only_;
    std::optional<FullDisk> full_;
};

// The names of everything in `folder`, hidden files included, so that a temporary file
// left behind shows.
inline std::set<std::string> FolderListing(const std::filesystem::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

inline std::string FileBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace kalvintera::testing
