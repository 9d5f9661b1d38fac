#include "core/shell/tree_file.h"

#include "core/shell/file_io.h"

namespace kalvintera {
namespace {

struct OpenNode {
    std::size_t depth;
    std::vector<TreeNode>* siblings; // the list the node stands in
    std::size_t position;            // its place in that list

    TreeNode& node() const { return (*siblings)[position]; }
};

} // namespace

TreeFile ParseTreeFile(std::string_view text)
{
    TreeFile tree;
    // The path from the root to the last node read; pointers stay valid because a list
    // only grows at its end and every open node is the last of its list.
    std::vector<OpenNode> path;
    for (const std::string& line : SplitLines(text)) {
        const std::size_t depth = line.find_first_not_of(" \t");
        if (depth == std::string::npos) continue;
        const std::string item = line.substr(depth);
        std::vector<TreeNode>* siblings = &tree.roots;
        if (!path.empty()) {
            if (depth > path.back().depth + 1) {
                tree.error = "Invalid level (" + std::to_string(depth) + ") for item \"" + item + "\"";
                break;
            }
            while (!path.empty() && path.back().depth >= depth) path.pop_back();
            if (!path.empty()) siblings = &path.back().node().children;
        }
        siblings->push_back(TreeNode{item, {}});
        path.push_back(OpenNode{depth, siblings, siblings->size() - 1});
    }
    return tree;
}

} // namespace kalvintera
