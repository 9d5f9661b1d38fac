#pragma once

#include <QTemporaryDir>

#include <filesystem>

namespace kalvintera::testing {

// A private copy of the sample data folder in a temporary directory: no test touches the
// build's sample folder or a real user's files. Also switches Qt's standard paths to
// their test locations.
class TestDataFolder {
public:
    TestDataFolder();

    std::filesystem::path root() const { return std::filesystem::path(dir_.path().toStdString()); }
    std::filesystem::path operator/(const std::string& relative) const { return root() / relative; }

private:
    QTemporaryDir dir_;
};

} // namespace kalvintera::testing
