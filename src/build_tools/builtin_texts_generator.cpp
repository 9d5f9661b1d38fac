// builtin_texts_generator OUTPUT TABLE...: writes the Polish texts of the language lines from
// 1101 on, found in the language string tables, as C++ initialisers { line, "text" }, so the
// program has them built in. The tables are checked in full when the language files are
// built from them; this reads only numbers and "pl: " texts.

#include <cctype>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>

namespace {

constexpr int kFirstBuiltInLine = 1101;

bool IsNumber(const std::string& text)
{
    if (text.empty()) return false;
    for (const char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    }
    return text.size() <= 6;
}

std::string Trimmed(std::string text)
{
    while (!text.empty() && (text.back() == '\r' || text.back() == ' ' || text.back() == '\t')) text.pop_back();
    std::size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) ++start;
    return text.substr(start);
}

// Every byte as an octal escape: no character of the text can end the literal or merge
// with what follows.
std::string Literal(const std::string& text)
{
    std::string out = "\"";
    char escape[8];
    for (const char c : text) {
        std::snprintf(escape, sizeof escape, "\\%03o", static_cast<unsigned>(static_cast<unsigned char>(c)));
        out += escape;
    }
    return out + "\"";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "usage: builtin_texts_generator OUTPUT TABLE...\n";
        return 2;
    }
    std::map<int, std::string> texts;
    for (int i = 2; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        if (!in) {
            std::cerr << "cannot read " << argv[i] << '\n';
            return 1;
        }
        int number = 0;
        std::string line;
        while (std::getline(in, line)) {
            if (line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
            const std::string trimmed = Trimmed(line);
            if (IsNumber(trimmed)) {
                number = std::stoi(trimmed);
            } else if (number >= kFirstBuiltInLine && line.rfind("pl:", 0) == 0) {
                std::string text = line.substr(3);
                if (!text.empty() && text.front() == ' ') text.erase(0, 1);
                while (!text.empty() && text.back() == '\r') text.pop_back();
                texts[number] = text;
            }
        }
    }
    std::ostringstream out;
    out << "// Generated from the language tables; do not edit.\n";
    for (const auto& [number, text] : texts) out << "{" << number << ", " << Literal(text) << "},\n";
    // Keeps the table non-empty and ends the search.
    out << "{2147483647, \"\"},\n";
    const std::string contents = out.str();
    std::ifstream old(argv[1], std::ios::binary);
    std::stringstream existing;
    existing << old.rdbuf();
    if (old && existing.str() == contents) return 0; // unchanged: nothing to rebuild
    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file << contents;
    return file ? 0 : 1;
}
