#pragma once

#include "core/documents/document.h"

#include <functional>
#include <string>
#include <vector>

namespace kalvintera {

// Lays blocks down a page from top to bottom and starts a new page when the next block would
// not fit above the bottom margin. Every page begins below room kept for its header, which
// `finish` draws once the number of pages is known.
class DocumentComposer {
public:
    // What the header of page `number` of `count` holds; called by `finish` for every page.
    using HeaderFn = std::function<std::vector<DocumentBlock>(int number, int count)>;

    DocumentComposer(std::string title, double header_height_mm, HeaderFn header);

    // The width between the margins.
    static constexpr double contentWidth() { return kPageWidthMm - 2 * kPageMarginMm; }

    // Room left on the current page, mm.
    double roomLeft() const;
    // Starts a new page unless the current one is still empty.
    void newPage();
    // Makes sure `height_mm` fits on the current page, starting a new one if not.
    void reserve(double height_mm);
    // The top of the next block; advances by its height and a gap.
    double place(double height_mm, double gap_mm = 2.0);

    // A heading with a rule under it, on a new page unless `keep_with_mm` of what follows it
    // fits below it as well.
    void heading(const std::string& text, double keep_with_mm = 20.0);
    void paragraph(const std::string& text, double height_mm, TextStyle style = TextStyle::Body);
    // A table at the full width, split across pages between rows; the heading row repeats.
    void table(std::vector<double> column_widths_mm, const std::vector<std::vector<std::string>>& rows,
               bool heading = true, double row_height_mm = 5.0);
    void add(DocumentBlock block);

    Document finish();

private:
    DocumentPage& page() { return document_.pages.back(); }

    Document document_;
    double header_height_mm_;
    HeaderFn header_;
    double y_mm_ = 0;
};

// A rough width of a text at the body size, for laying out without the fonts: 1.9 mm per
// character at 9 points, enough to choose line counts and column widths.
double EstimatedTextWidthMm(const std::string& text, double point_size = 9.0);
// The height a wrapped paragraph needs in a width.
double EstimatedParagraphHeightMm(const std::string& text, double width_mm, double point_size = 9.0);

} // namespace kalvintera
