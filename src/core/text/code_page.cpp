#include "core/text/code_page.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <iconv.h>
#include <unordered_map>

namespace kalvintera {
namespace {

constexpr char32_t kUndefined = 0xFFFFFFFF;

// One code page as a byte -> code point table, built once by asking iconv about each byte,
// so the conversion stays glibc's and the per-character work is a lookup.
struct CodePageTable {
    std::array<char32_t, 256> to_unicode{};
    std::unordered_map<char32_t, unsigned char> from_unicode;

    explicit CodePageTable(const char* iconv_name)
    {
        iconv_t cd = iconv_open("UTF-32LE", iconv_name);
        for (int byte = 0; byte < 256; ++byte) {
            char32_t code_point = kUndefined;
            if (byte < 0x80) {
                code_point = static_cast<char32_t>(byte);
            } else if (cd != reinterpret_cast<iconv_t>(-1)) {
                char in = static_cast<char>(byte);
                unsigned char out[4] = {};
                char* in_ptr = &in;
                char* out_ptr = reinterpret_cast<char*>(out);
                std::size_t in_left = 1;
                std::size_t out_left = sizeof out;
                iconv(cd, nullptr, nullptr, nullptr, nullptr);
                if (iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left) != static_cast<std::size_t>(-1)
                    && out_left == 0) {
                    code_point = static_cast<char32_t>(out[0] | (out[1] << 8) | (out[2] << 16) | (out[3] << 24));
                }
            }
            to_unicode[static_cast<std::size_t>(byte)] = code_point;
            if (code_point != kUndefined) from_unicode.emplace(code_point, static_cast<unsigned char>(byte));
        }
        if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
    }
};

const CodePageTable& TableFor(CodePage page)
{
    static const CodePageTable cp1250("CP1250");
    static const CodePageTable cp1251("CP1251");
    return page == CodePage::Cp1250 ? cp1250 : cp1251;
}

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at `pos`; returns kUndefined for a broken one and always
// advances `pos` by at least one byte.
char32_t NextCodePoint(std::string_view text, std::size_t& pos)
{
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80) return lead;
    int extra = 0;
    char32_t cp = 0;
    if ((lead & 0xE0) == 0xC0) { extra = 1; cp = lead & 0x1F; }
    else if ((lead & 0xF0) == 0xE0) { extra = 2; cp = lead & 0x0F; }
    else if ((lead & 0xF8) == 0xF0) { extra = 3; cp = lead & 0x07; }
    else return kUndefined;
    for (int i = 0; i < extra; ++i) {
        if (pos >= text.size()) return kUndefined;
        const auto next = static_cast<unsigned char>(text[pos]);
        if ((next & 0xC0) != 0x80) return kUndefined;
        cp = (cp << 6) | (next & 0x3F);
        ++pos;
    }
    static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kSmallest[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return kUndefined;
    return cp;
}

} // namespace

std::string DecodeCodePage(std::string_view bytes, CodePage page)
{
    // Bytes below 0x80 are themselves in every code page here, and most catalogue texts
    // hold nothing else.
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        return std::string(bytes);
    }
    const CodePageTable& table = TableFor(page);
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const char32_t cp = table.to_unicode[static_cast<unsigned char>(c)];
        AppendUtf8(out, cp == kUndefined ? U'?' : cp);
    }
    return out;
}

std::string EncodeCodePage(std::string_view utf8, CodePage page)
{
    const CodePageTable& table = TableFor(page);
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t cp = NextCodePoint(utf8, pos);
        const auto found = table.from_unicode.find(cp);
        out += found == table.from_unicode.end() ? '?' : static_cast<char>(found->second);
    }
    return out;
}

bool IsValidUtf8(std::string_view text)
{
    for (std::size_t pos = 0; pos < text.size();) {
        if (NextCodePoint(text, pos) == kUndefined) return false;
    }
    return true;
}

std::string TextToUtf8(std::string_view bytes, CodePage fallback)
{
    return IsValidUtf8(bytes) ? std::string(bytes) : DecodeCodePage(bytes, fallback);
}

std::size_t CharacterCount(std::string_view utf8)
{
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < utf8.size(); ++count) NextCodePoint(utf8, pos);
    return count;
}

std::string CutToCharacters(std::string_view utf8, std::size_t count)
{
    std::size_t pos = 0;
    for (std::size_t taken = 0; taken < count && pos < utf8.size(); ++taken) NextCodePoint(utf8, pos);
    return std::string(utf8.substr(0, pos));
}

} // namespace kalvintera
