#include "core/text/fixed_string.h"

#include "core/text/code_page.h"

#include <algorithm>
#include <cstring>

namespace kalvintera {

std::string ReadFixedString(const std::uint8_t* field, std::size_t capacity, CodePage page)
{
    const std::size_t length = std::min<std::size_t>(field[0], capacity);
    return DecodeCodePage(std::string_view(reinterpret_cast<const char*>(field + 1), length), page);
}

void WriteFixedString(std::uint8_t* field, std::size_t capacity, std::string_view utf8, CodePage page)
{
    std::string bytes = EncodeCodePage(utf8, page);
    if (bytes.size() > capacity) bytes.resize(capacity);
    std::memset(field, 0, capacity + 1);
    field[0] = static_cast<std::uint8_t>(bytes.size());
    std::memcpy(field + 1, bytes.data(), bytes.size());
}

} // namespace kalvintera
