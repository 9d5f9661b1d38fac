#pragma once

#include "core/shell/catalogue_documents.h"

#include <string_view>

namespace kalvintera {

struct Program;

// Opens the catalogue document in the current language's form with the desktop's viewer,
// or shows the document's missing-file message.
void OpenCatalogueDocument(Program& program, const CatalogueDocument& document);

// Opens a file of the data folder with the desktop's viewer; false, opening nothing, when
// the data folder does not hold it.
bool OpenDataDocument(Program& program, std::string_view relative);

// Opens the program's help file, or tells the user it is missing.
void OpenHelpFile(Program& program);

inline constexpr const char* kHelpFile = "help/kalvintera.chm";
inline constexpr int kMissingHelpLine = 157;

} // namespace kalvintera
