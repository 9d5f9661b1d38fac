#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kalvintera {

// A node of the product tree: product nodes carry a device's Model as their text.
struct TreeNode {
    std::string text;
    std::vector<TreeNode> children;

    bool operator==(const TreeNode&) const = default;
};

struct TreeFile {
    std::vector<TreeNode> roots;
    // Set when a line lies more than one level below its predecessor: loading stopped
    // there and the nodes before it remain. "Invalid level (3) for item "KDH-250"".
    std::string error;
};

// One node per line; the number of leading tabs or spaces is the node's depth. A line of
// the previous node's depth is its sibling, one deeper its child, shallower a sibling of
// its ancestor at that depth. The first line is always a top-level node. Blank lines are
// skipped.
TreeFile ParseTreeFile(std::string_view text);

} // namespace kalvintera
