#pragma once

#include "support/fakes.h"
#include "support/test_data_folder.h"
#include "ui/program.h"

#include <QWidget>

#include <filesystem>
#include <fstream>
#include <string>

namespace kalvintera::testing {

// A program on a private copy of the sample data, with fake platform services and a
// scripted prompter: what most window tests start from.
struct TestProgram {
    explicit TestProgram(NumberFormat numbers = NumberFormat::point())
        : program(DataFolder(folder.root()), LocaleFormats{numbers, ShortDateFormat()}, platform.services, prompter)
    {
    }

    // Writes a file of the data folder, creating its folder.
    std::filesystem::path write(const std::string& relative, const std::string& bytes) const
    {
        const auto file = folder / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }

    TestDataFolder folder;
    FakePlatform platform;
    ScriptedPrompter prompter;
    Program program;
};

// The child widget of that object name; the test stops when there is none.
template <typename T>
T* Child(QWidget& parent, const char* name)
{
    T* child = parent.findChild<T*>(QString::fromLatin1(name));
    if (!child) qFatal("no child %s", name);
    return child;
}

} // namespace kalvintera::testing
