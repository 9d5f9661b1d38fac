// Language files, read in both 8-bit fallbacks; no entry may come out longer than the
// table holds.
#include "fuzz_support.h"

#include "core/shell/language_table.h"
#include "core/text/code_page.h"

#include <cstddef>
#include <cstdint>

using namespace kalvintera;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto file = fuzz::WriteInput(data, size, "languages/polish.lng");
    for (CodePage fallback : {CodePage::Cp1250, CodePage::Cp1251}) {
        LanguageTable table;
        if (!fuzz::Expecting([&] { table.load(file, fallback); })) continue;
        for (int n = 0; n <= kLanguageLines + 1; ++n) {
            fuzz::Require(CharacterCount(table.line(n)) <= kLanguageLineCharacters, "a language line over 100 characters");
            fuzz::Require(IsValidUtf8(table.line(n)), "a language line that is not UTF-8");
        }
    }
    return 0;
}
