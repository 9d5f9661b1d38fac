#include "ui/shell/document_opener.h"

#include "ui/program.h"

#include <string_view>

namespace kalvintera {
namespace {

// True when the data folder holds the file and the desktop was asked to open it.
bool OpenDataFile(Program& program, std::string_view relative)
{
    if (!program.fileExists(relative)) return false;
    program.platform.desktop.openDocument(program.path(relative));
    return true;
}

} // namespace

void OpenCatalogueDocument(Program& program, const CatalogueDocument& document)
{
    const auto relative = CatalogueDocumentPath(document, program.settings.language);
    if (relative && OpenDataFile(program, *relative)) return;
    program.showMessage(document.missing_line);
}

void OpenHelpFile(Program& program)
{
    if (!OpenDataFile(program, kHelpFile)) program.showMessage(kMissingHelpLine);
}

} // namespace kalvintera
