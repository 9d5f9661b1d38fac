#include "ui/shell/document_opener.h"

#include "ui/program.h"

#include <string_view>

namespace kalvintera {

bool OpenDataDocument(Program& program, std::string_view relative)
{
    if (!program.fileExists(relative)) return false;
    program.platform.desktop.openDocument(program.path(relative));
    return true;
}

void OpenCatalogueDocument(Program& program, const CatalogueDocument& document)
{
    const auto relative = CatalogueDocumentPath(document, program.settings.language);
    if (relative && OpenDataDocument(program, *relative)) return;
    program.showMessage(document.missing_line);
}

void OpenHelpFile(Program& program)
{
    if (!OpenDataDocument(program, kHelpFile)) program.showMessage(kMissingHelpLine);
}

} // namespace kalvintera
