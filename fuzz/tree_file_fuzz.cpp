// Product tree files as the products tab reads them: text in the language's code page,
// then one node per line by its indentation.
#include "fuzz_support.h"

#include "core/shell/text_file.h"
#include "core/shell/tree_file.h"

#include <cstddef>
#include <cstdint>

using namespace kalvintera;

namespace {

std::size_t CountNodes(const std::vector<TreeNode>& nodes)
{
    std::size_t count = nodes.size();
    for (const TreeNode& node : nodes) count += CountNodes(node.children);
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto file = fuzz::WriteInput(data, size, "PL_urzadzenia.sys");
    for (CodePage fallback : {CodePage::Cp1250, CodePage::Cp1251}) {
        TreeFile tree;
        if (!fuzz::Expecting([&] { tree = ParseTreeFile(ReadTextFile(file, fallback)); })) continue;
        // Every node comes from a line of its own.
        fuzz::Require(CountNodes(tree.roots) <= size, "more tree nodes than the file has lines");
    }
    return 0;
}
