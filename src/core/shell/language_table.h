#pragma once

#include "core/text/code_page.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalvintera {

// The languages of the interface, as the settings file stores them. Any other value
// selects no language file: the built-in Polish texts stay.
namespace language_id {
inline constexpr int kPolish = 1;
inline constexpr int kEnglish = 2;
inline constexpr int kGerman = 3;
inline constexpr int kRussian = 4;
} // namespace language_id

// The data files of one language, relative to the data folder.
struct LanguageFiles {
    std::string_view languageFile;    // "languages/polish.lng"
    std::string_view treeFile;        // product tree of the "Produkty" tab
    std::string_view descriptionFile; // company description
    std::string_view cataloguePrefix; // of the catalogue documents; empty for Polish
    int menuLine = 0;                 // language line of the language's menu item
    CodePage codePage = CodePage::Cp1250; // of files that are not UTF-8
};

// The files of LanguageId 1..4; nothing for any other id.
std::optional<LanguageFiles> FilesForLanguage(int language);

// Lines 1..1100 are the texts every language file has always had; the program's later texts
// take lines from 1101 on. A language file written before a line existed lacks it, so those
// lines start as, and fall back to, the program's built-in Polish text.
inline constexpr int kClassicLanguageLines = 1100;
inline constexpr int kLanguageLines = 1400;
inline constexpr std::size_t kLanguageLineCharacters = 100;

// The texts of the current language, addressed by line number 1..1400. Lines up to 1100
// start empty, later ones with their built-in Polish text.
class LanguageTable {
public:
    LanguageTable();

    // Entry n; the empty text for a number outside 1..1400.
    const std::string& line(int n) const;

    // Line k of the file into entry k, cut to 100 characters; of lines 1..1100, entries
    // after the file's last line keep what an earlier file put there; lines from 1101 on
    // that the file lacks (or leaves empty) show their built-in Polish text; lines after
    // the 1400th are ignored. A file of 0 bytes puts the empty text into entry 1. The file
    // is UTF-8, or `fallback` when it is not valid UTF-8. FileError naming the file when it
    // cannot be read; the table is then unchanged.
    void load(const std::filesystem::path& file, CodePage fallback);

    // A language file has been read into the table. Until then lines 1..1100 are empty, and
    // a window that applied them would lose its built-in texts.
    bool holdsLanguageFile() const { return holds_file_; }

private:
    std::vector<std::string> lines_;
    bool holds_file_ = false;
};

// A message of the program: entry `line` of the table at the moment it is shown.
inline const std::string& MessageText(const LanguageTable& table, int line) { return table.line(line); }

} // namespace kalvintera
