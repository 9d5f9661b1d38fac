#pragma once

#include <filesystem>
#include <string>

namespace kalvintera {

// The desktop shell: documents, web pages and "mailto:" addresses opened with the
// program the desktop associates with them.
class Desktop {
public:
    virtual ~Desktop() = default;
    // False when nothing could be started.
    virtual bool openDocument(const std::filesystem::path& file) = 0;
    virtual bool openAddress(const std::string& url) = 0;
};

class QtDesktop final : public Desktop {
public:
    bool openDocument(const std::filesystem::path& file) override;
    bool openAddress(const std::string& url) override;
};

} // namespace kalvintera
