#include "core/shell/language_table.h"

#include "core/shell/builtin_texts.h"
#include "core/shell/text_file.h"

#include <algorithm>

namespace kalvintera {

std::optional<LanguageFiles> FilesForLanguage(int language)
{
    using namespace language_id;
    switch (language) {
    case kPolish:
        return LanguageFiles{"languages/polish.lng", "PL_urzadzenia.sys", "opisy/PL_About.txt", "", 124,
                             CodePage::Cp1250};
    case kEnglish:
        return LanguageFiles{"languages/english.lng", "GB_urzadzenia.sys", "opisy/GB_About.txt", "en", 125,
                             CodePage::Cp1250};
    case kGerman:
        return LanguageFiles{"languages/german.lng", "D_urzadzenia.sys", "opisy/D_About.txt", "de", 126,
                             CodePage::Cp1250};
    case kRussian:
        return LanguageFiles{"languages/russian.lng", "RU_urzadzenia.sys", "opisy/RU_About.txt", "en", 127,
                             CodePage::Cp1251};
    default: return std::nullopt;
    }
}

LanguageTable::LanguageTable() : lines_(kLanguageLines)
{
    for (int n = kClassicLanguageLines + 1; n <= kLanguageLines; ++n) {
        lines_[static_cast<std::size_t>(n - 1)] = std::string(BuiltInText(n));
    }
}

const std::string& LanguageTable::line(int n) const
{
    static const std::string kNone;
    if (n < 1 || n > kLanguageLines) return kNone;
    return lines_[static_cast<std::size_t>(n - 1)];
}

void LanguageTable::load(const std::filesystem::path& file, CodePage fallback)
{
    std::vector<std::string> file_lines = ReadTextLines(file, fallback);
    if (file_lines.empty()) file_lines.emplace_back();
    const std::size_t count = std::min(file_lines.size(), lines_.size());
    for (std::size_t i = 0; i < count; ++i) lines_[i] = CutToCharacters(file_lines[i], kLanguageLineCharacters);
    for (int n = kClassicLanguageLines + 1; n <= kLanguageLines; ++n) {
        std::string& entry = lines_[static_cast<std::size_t>(n - 1)];
        if (static_cast<std::size_t>(n) > count || entry.empty()) entry = std::string(BuiltInText(n));
    }
    holds_file_ = true;
}

} // namespace kalvintera
