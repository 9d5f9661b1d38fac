#pragma once

#include "core/drawing/display_list.h"

#include <string>
#include <variant>
#include <vector>

namespace kalvintera {

// A printed document as data: A4 portrait pages of blocks placed in millimetres from the
// top left corner, every text already in the reader's language. A renderer only paints it.
inline constexpr double kPageWidthMm = 210.0;
inline constexpr double kPageHeightMm = 297.0;
inline constexpr double kPageMarginMm = 15.0;

struct BlockRect {
    double x_mm = 0;
    double y_mm = 0;
    double width_mm = 0;
    double height_mm = 0;
};

enum class TextStyle { Body, Bold, Small, Heading, Title };
enum class TextAlign { Left, Centre, Right };

// Text inside its rectangle; long text wraps at word boundaries and is cut at the bottom.
struct TextBlock {
    BlockRect rect;
    std::string text;
    TextStyle style = TextStyle::Body;
    TextAlign align = TextAlign::Left;
};

// Rows of cells in columns of fixed widths; the first row is a heading when `heading` is set.
struct TableBlock {
    BlockRect rect; // the height is rows × row_height_mm
    std::vector<double> column_widths_mm;
    std::vector<std::vector<std::string>> rows;
    double row_height_mm = 5.0;
    bool heading = true;
};

// A picture of the data folder (a relative name), fitted into its rectangle with its aspect kept.
struct PictureBlock {
    BlockRect rect;
    std::string file;
};

// A chart display list, scaled into its rectangle as vector graphics.
struct ChartBlock {
    BlockRect rect;
    DisplayList chart;
};

// A thin horizontal rule.
struct RuleBlock {
    BlockRect rect; // height ignored
};

using DocumentBlock = std::variant<TextBlock, TableBlock, PictureBlock, ChartBlock, RuleBlock>;

struct DocumentPage {
    std::vector<DocumentBlock> blocks;

    template <typename Block>
    std::vector<Block> all() const
    {
        std::vector<Block> found;
        for (const DocumentBlock& block : blocks) {
            if (const auto* typed = std::get_if<Block>(&block)) found.push_back(*typed);
        }
        return found;
    }
};

struct Document {
    std::string title; // the PDF's own title
    std::vector<DocumentPage> pages;
};

// Every text of the document, page by page and block by block (table cells row by row): what
// a reader of the PDF can search for.
std::vector<std::string> DocumentTexts(const Document& document);

} // namespace kalvintera
