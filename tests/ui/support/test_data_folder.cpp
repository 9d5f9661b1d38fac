#include "support/test_data_folder.h"

#include <QStandardPaths>

#include <stdexcept>

namespace kalvintera::testing {

TestDataFolder::TestDataFolder()
{
    QStandardPaths::setTestModeEnabled(true);
    if (!dir_.isValid()) throw std::runtime_error("no temporary folder for the test data");
    std::filesystem::copy(KALVINTERA_SAMPLE_DATA, root(), std::filesystem::copy_options::recursive);
}

} // namespace kalvintera::testing
