#pragma once

#include <filesystem>
#include <memory>
#include <string_view>

namespace kalvintera {

class CurveFileCache;

// The data folder (DataDir) and the one way names from records and settings become paths.
// Copies of it share one cache of its curve files.
class DataFolder {
public:
    explicit DataFolder(std::filesystem::path root);

    const std::filesystem::path& root() const { return root_; }

    // `relative` uses '/' or '\' between folders. When the exact name is missing, a
    // case-insensitive match in the same folder is used (catalogues come from
    // case-insensitive systems). A name that would leave the folder (absolute, "..")
    // throws FileError. The returned path need not exist.
    std::filesystem::path resolve(std::string_view relative) const;

    CurveFileCache& curveCache() const { return *curve_cache_; }

private:
    std::filesystem::path root_;
    std::shared_ptr<CurveFileCache> curve_cache_;
};

} // namespace kalvintera
