#include "core/shell/tree_file.h"

#include <gtest/gtest.h>

#include <ostream>

namespace kalvintera {

// Failures print the tree as "text{child, child}".
void PrintTo(const TreeNode& node, std::ostream* out)
{
    *out << '"' << node.text << '"';
    if (node.children.empty()) return;
    *out << '{';
    for (std::size_t i = 0; i < node.children.size(); ++i) {
        if (i > 0) *out << ", ";
        PrintTo(node.children[i], out);
    }
    *out << '}';
}

} // namespace kalvintera

using namespace kalvintera;

namespace {

TreeNode Leaf(std::string text)
{
    return TreeNode{std::move(text), {}};
}

} // namespace

TEST(TreeFile, DepthMakesSiblingsChildrenAndReturnsToAncestors)
{
    const TreeFile tree = ParseTreeFile("Roof fans\r\n"
                                        "\tKDH\r\n"
                                        "\t\tKDH-200\r\n"
                                        "\t\tKDH-250\r\n"
                                        "\tKDV\r\n"
                                        "\t\tKDV-250\r\n"
                                        "Accessories\r\n"
                                        " Controllers\n" // spaces count like tabs, LF alone ends a line too
                                        " \tTYP HQ\r\n"
                                        " Silencers\r\n"
                                        "Gravity ventilators"); // the last line needs no line end
    EXPECT_EQ(tree.error, "");
    const std::vector<TreeNode> expected{
        TreeNode{"Roof fans",
                 {TreeNode{"KDH", {Leaf("KDH-200"), Leaf("KDH-250")}}, TreeNode{"KDV", {Leaf("KDV-250")}}}},
        TreeNode{"Accessories", {TreeNode{"Controllers", {Leaf("TYP HQ")}}, Leaf("Silencers")}},
        Leaf("Gravity ventilators"),
    };
    EXPECT_EQ(tree.roots, expected);
}

TEST(TreeFile, FirstLineIsTopLevelWhateverItsIndent)
{
    const TreeFile tree = ParseTreeFile("\t\tProducts\r\n"
                                        "\t\t\tKDH-200\r\n"
                                        "\t\tAccessories\r\n"
                                        "Others\r\n");
    EXPECT_EQ(tree.error, "");
    const std::vector<TreeNode> expected{
        TreeNode{"Products", {Leaf("KDH-200")}},
        Leaf("Accessories"),
        Leaf("Others"),
    };
    EXPECT_EQ(tree.roots, expected);

    // Indented alone it is still a single top-level node.
    EXPECT_EQ(ParseTreeFile("    KDH-200").roots, std::vector<TreeNode>{Leaf("KDH-200")});
}

TEST(TreeFile, LineTwoLevelsDeeperStopsLoadingAndKeepsEarlierNodes)
{
    const TreeFile tree = ParseTreeFile("Roof fans\r\n"
                                        "\tKDH\r\n"
                                        "\t\t\tKDH-200\r\n"
                                        "\tKDV\r\n");
    EXPECT_EQ(tree.error, "Invalid level (3) for item \"KDH-200\"");
    const std::vector<TreeNode> expected{TreeNode{"Roof fans", {Leaf("KDH")}}};
    EXPECT_EQ(tree.roots, expected); // "KDV" after the faulty line is not read

    const TreeFile second = ParseTreeFile("Roof fans\r\n\t\tKDH-200\r\n");
    EXPECT_EQ(second.error, "Invalid level (2) for item \"KDH-200\"");
    EXPECT_EQ(second.roots, std::vector<TreeNode>{Leaf("Roof fans")});
}

TEST(TreeFile, BlankLinesAreSkippedWithoutBreakingTheLevels)
{
    const TreeFile tree = ParseTreeFile("\r\n"
                                        "Roof fans\r\n"
                                        "\r\n"
                                        "\tKDH\r\n"
                                        "\t \t\r\n" // only indentation
                                        "\t\tKDH-200\r\n"
                                        "\r\n");
    EXPECT_EQ(tree.error, "");
    const std::vector<TreeNode> expected{TreeNode{"Roof fans", {TreeNode{"KDH", {Leaf("KDH-200")}}}}};
    EXPECT_EQ(tree.roots, expected);

    const TreeFile empty = ParseTreeFile("");
    EXPECT_TRUE(empty.roots.empty());
    EXPECT_EQ(empty.error, "");
}
