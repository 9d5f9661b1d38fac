#pragma once

#include <filesystem>
#include <string_view>

namespace kalvintera {

// The data folder (DataDir) and the one way names from records and settings become paths.
class DataFolder {
public:
    explicit DataFolder(std::filesystem::path root) : root_(std::move(root)) {}

    const std::filesystem::path& root() const { return root_; }

    // `relative` uses '/' or '\' between folders. When the exact name is missing, a
    // case-insensitive match in the same folder is used (catalogues come from
    // case-insensitive systems). A name that would leave the folder (absolute, "..")
    // throws FileError. The returned path need not exist.
    std::filesystem::path resolve(std::string_view relative) const;

private:
    std::filesystem::path root_;
};

} // namespace kalvintera
