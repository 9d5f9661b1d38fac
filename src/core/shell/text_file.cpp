#include "core/shell/text_file.h"

#include "core/shell/file_io.h"

#include <string_view>

namespace kalvintera {

std::string ReadTextFile(const std::filesystem::path& file, CodePage fallback)
{
    std::string text = TextToUtf8(ReadWholeFile(file), fallback);
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (std::string_view(text).starts_with(kByteOrderMark)) text.erase(0, kByteOrderMark.size());
    return text;
}

std::vector<std::string> ReadTextLines(const std::filesystem::path& file, CodePage fallback)
{
    return SplitLines(ReadTextFile(file, fallback));
}

} // namespace kalvintera
