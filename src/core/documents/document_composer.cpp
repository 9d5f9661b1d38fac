#include "core/documents/document_composer.h"

#include <algorithm>
#include <cmath>

namespace kalvintera {
namespace {

constexpr double kHeadingHeightMm = 7.0;

std::size_t CharacterCount(const std::string& text)
{
    // UTF-8: count the bytes that start a character.
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(),
                                                  [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

} // namespace

double EstimatedTextWidthMm(const std::string& text, double point_size)
{
    return static_cast<double>(CharacterCount(text)) * 1.9 * point_size / 9.0;
}

double EstimatedParagraphHeightMm(const std::string& text, double width_mm, double point_size)
{
    const double line_height = 4.4 * point_size / 9.0;
    double lines = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const double width = EstimatedTextWidthMm(text.substr(start, end - start), point_size);
        lines += std::max(1.0, std::ceil(width / std::max(width_mm, 1.0)));
        start = end + 1;
    }
    return lines * line_height + 1.0;
}

DocumentComposer::DocumentComposer(std::string title, double header_height_mm, HeaderFn header)
    : header_height_mm_(header_height_mm), header_(std::move(header))
{
    document_.title = std::move(title);
    document_.pages.emplace_back();
    y_mm_ = kPageMarginMm + header_height_mm_;
}

double DocumentComposer::roomLeft() const
{
    return kPageHeightMm - kPageMarginMm - y_mm_;
}

void DocumentComposer::newPage()
{
    if (document_.pages.back().blocks.empty()) return;
    document_.pages.emplace_back();
    y_mm_ = kPageMarginMm + header_height_mm_;
}

void DocumentComposer::reserve(double height_mm)
{
    if (height_mm > roomLeft()) newPage();
}

double DocumentComposer::place(double height_mm, double gap_mm)
{
    reserve(height_mm);
    const double top = y_mm_;
    y_mm_ += height_mm + gap_mm;
    return top;
}

void DocumentComposer::heading(const std::string& text, double keep_with_mm)
{
    // A heading never ends a page: it keeps room for what follows it.
    reserve(kHeadingHeightMm + 1.0 + std::min(keep_with_mm, kPageHeightMm - 2 * kPageMarginMm - header_height_mm_ - 10.0));
    const double top = place(kHeadingHeightMm, 1.0);
    add(TextBlock{{kPageMarginMm, top, contentWidth(), kHeadingHeightMm}, text, TextStyle::Heading});
    add(RuleBlock{{kPageMarginMm, top + kHeadingHeightMm, contentWidth(), 0}});
}

void DocumentComposer::paragraph(const std::string& text, double height_mm, TextStyle style)
{
    const double top = place(height_mm);
    add(TextBlock{{kPageMarginMm, top, contentWidth(), height_mm}, text, style});
}

void DocumentComposer::table(std::vector<double> column_widths_mm, const std::vector<std::vector<std::string>>& rows,
                             bool heading, double row_height_mm)
{
    std::size_t next = heading ? 1 : 0;
    const std::size_t first_row = next;
    while (next < rows.size() || (next == first_row && rows.size() == first_row)) {
        const double repeat = heading && !rows.empty() ? row_height_mm : 0;
        if (roomLeft() < repeat + 2 * row_height_mm) newPage();
        const auto fitting = static_cast<std::size_t>(std::max(1.0, std::floor((roomLeft() - repeat) / row_height_mm)));
        const std::size_t end = std::min(rows.size(), next + fitting);
        TableBlock block;
        block.column_widths_mm = column_widths_mm;
        block.row_height_mm = row_height_mm;
        block.heading = heading && !rows.empty();
        if (block.heading) block.rows.push_back(rows.front());
        block.rows.insert(block.rows.end(), rows.begin() + static_cast<std::ptrdiff_t>(next),
                          rows.begin() + static_cast<std::ptrdiff_t>(end));
        const double height = static_cast<double>(block.rows.size()) * row_height_mm;
        block.rect = {kPageMarginMm, place(height, 3.0), contentWidth(), height};
        add(std::move(block));
        if (end == next) break;
        next = end;
    }
}

void DocumentComposer::add(DocumentBlock block)
{
    page().blocks.push_back(std::move(block));
}

Document DocumentComposer::finish()
{
    const int count = static_cast<int>(document_.pages.size());
    for (int number = 1; number <= count; ++number) {
        DocumentPage& target = document_.pages[static_cast<std::size_t>(number - 1)];
        std::vector<DocumentBlock> header = header_ ? header_(number, count) : std::vector<DocumentBlock>{};
        target.blocks.insert(target.blocks.begin(), header.begin(), header.end());
    }
    return std::move(document_);
}

} // namespace kalvintera
