#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kalvintera {

// One product catalogue document of the "Katalog produktów" menu.
struct CatalogueDocument {
    int menu_line;              // language line of its caption (0: the caption is never translated)
    std::string_view caption;   // built-in Polish caption
    std::string_view file;      // base name, Polish form
    bool every_language;        // the same file for every language (no prefix)
    bool in_descriptions;       // in the folder "opisy" instead of "katalog"
    int missing_line;           // language line shown when the file is missing
};

inline constexpr int kMissingDocumentLine = 155;

// The 24 menu items in menu order.
extern const std::array<CatalogueDocument, 24> kCatalogueDocuments;

// The five documents of the "Nowe urządzenia" tab, in button order.
extern const std::array<CatalogueDocument, 5> kNewDeviceDocuments;

// The file of a document for LanguageId `language`, relative to the data folder: the
// language's prefix ("" Polish, "en" English and Russian, "de" German) before the base
// name. None for a language outside 1..4, so the missing-document message follows.
std::optional<std::string> CatalogueDocumentPath(const CatalogueDocument& document, int language);

} // namespace kalvintera
