#pragma once

#include "core/text/code_page.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kalvintera {

// Length-prefixed text of fixed capacity N as binary records hold it: one length byte,
// then N bytes of CP1250 of which the first `length` are the text. A field takes N + 1 bytes.

// Reads the field at `field` (N + 1 bytes). A length byte above N is clamped to N.
std::string ReadFixedString(const std::uint8_t* field, std::size_t capacity, CodePage page = CodePage::Cp1250);

// Writes `utf8` into the field: converted to the code page ('?' for what it cannot hold), cut to
// N characters, unused bytes zeroed.
void WriteFixedString(std::uint8_t* field, std::size_t capacity, std::string_view utf8,
                      CodePage page = CodePage::Cp1250);

} // namespace kalvintera
