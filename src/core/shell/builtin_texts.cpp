#include "core/shell/builtin_texts.h"

#include <algorithm>
#include <iterator>

namespace kalvintera {
namespace {

struct BuiltInEntry {
    int line;
    std::string_view text;
};

// Generated at build time from the Polish texts of the language tables, in line order.
constexpr BuiltInEntry kBuiltInTexts[] = {
#include "builtin_texts.inc"
};

} // namespace

std::string_view BuiltInText(int line)
{
    const auto found = std::lower_bound(std::begin(kBuiltInTexts), std::end(kBuiltInTexts), line,
                                        [](const BuiltInEntry& entry, int n) { return entry.line < n; });
    if (found == std::end(kBuiltInTexts) || found->line != line) return {};
    return found->text;
}

} // namespace kalvintera
