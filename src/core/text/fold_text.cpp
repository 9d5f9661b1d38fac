#include "core/text/fold_text.h"

#include <array>
#include <utility>

namespace kalvintera {
namespace {

// The Polish letters in UTF-8, both cases, and the letter each folds to.
constexpr std::array<std::pair<std::string_view, char>, 18> kPolishLetters{{
    {"ą", 'a'}, {"Ą", 'a'}, {"ć", 'c'}, {"Ć", 'c'}, {"ę", 'e'}, {"Ę", 'e'}, {"ł", 'l'}, {"Ł", 'l'}, {"ń", 'n'},
    {"Ń", 'n'}, {"ó", 'o'}, {"Ó", 'o'}, {"ś", 's'}, {"Ś", 's'}, {"ź", 'z'}, {"Ź", 'z'}, {"ż", 'z'}, {"Ż", 'z'},
}};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

} // namespace

std::string FoldForMatching(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    std::string folded;
    folded.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        bool matched = false;
        for (const auto& [letter, plain] : kPolishLetters) {
            if (text.substr(i, letter.size()) == letter) {
                folded += plain;
                i += letter.size();
                matched = true;
                break;
            }
        }
        if (matched) continue;
        const char c = text[i++];
        if (c == ' ' || c == '_') folded += '_';
        else if (c >= 'A' && c <= 'Z') folded += static_cast<char>(c - 'A' + 'a');
        else folded += c;
    }
    return folded;
}

} // namespace kalvintera
