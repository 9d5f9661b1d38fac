#include "ui/program.h"

#include "core/errors.h"

namespace kalvintera {

bool Program::fileExists(std::string_view relative) const
{
    try {
        std::error_code error;
        return std::filesystem::is_regular_file(data.resolve(relative), error);
    } catch (const FileError&) {
        return false; // a name that leaves the data folder names no file of it
    }
}

} // namespace kalvintera
