#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kalvintera {

// The 8-bit code pages the program's files come in.
enum class CodePage { Cp1250, Cp1251 };

// 8-bit text to UTF-8. A byte the code page leaves undefined becomes '?'.
std::string DecodeCodePage(std::string_view bytes, CodePage page);

// UTF-8 to 8-bit text, one byte per character. A character the code page cannot hold,
// or a broken UTF-8 sequence, becomes '?'.
std::string EncodeCodePage(std::string_view utf8, CodePage page);

bool IsValidUtf8(std::string_view text);

// Reads a text file's line as UTF-8 when it is, otherwise in the given 8-bit code page.
std::string TextToUtf8(std::string_view bytes, CodePage fallback);

// Number of characters (code points) of a UTF-8 text.
std::size_t CharacterCount(std::string_view utf8);

// The first `count` characters of a UTF-8 text.
std::string CutToCharacters(std::string_view utf8, std::size_t count);

} // namespace kalvintera
