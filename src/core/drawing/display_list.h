#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace kalvintera {

// A chart as a list of drawing commands in pixel coordinates of an image of fixed size.
// Charts are computed here, so every pixel rule can be checked without a window; a window
// only paints the list (and saves it as a picture).

struct Colour {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Colour&) const = default;
};

namespace colours {
inline constexpr Colour kBlack{0, 0, 0};
inline constexpr Colour kWhite{255, 255, 255};
inline constexpr Colour kRed{255, 0, 0};
inline constexpr Colour kDarkRed{128, 0, 0};
inline constexpr Colour kGreen{0, 128, 0};
inline constexpr Colour kLime{0, 255, 0};
inline constexpr Colour kBlue{0, 0, 255};
inline constexpr Colour kNavy{0, 0, 128};
inline constexpr Colour kGray{128, 128, 128};
inline constexpr Colour kSilver{192, 192, 192};
inline constexpr Colour kTeal{0, 128, 128};
inline constexpr Colour kPurple{128, 0, 128};
inline constexpr Colour kOlive{128, 128, 0};
inline constexpr Colour kYellow{255, 255, 0};
inline constexpr Colour kFuchsia{255, 0, 255};
inline constexpr Colour kAqua{0, 255, 255};
inline constexpr Colour kMaroon{128, 0, 0};
} // namespace colours

enum class PenStyle { Solid, Dash, Dot, DashDot };

struct Pen {
    Colour colour = colours::kBlack;
    int width = 1;
    PenStyle style = PenStyle::Solid;
    bool operator==(const Pen&) const = default;
};

struct PixelPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PixelPoint&) const = default;
};

struct LineItem {
    PixelPoint from;
    PixelPoint to;
    Pen pen;
    bool operator==(const LineItem&) const = default;
};

// Connected segments through the points, in order.
struct PolylineItem {
    std::vector<PixelPoint> points;
    Pen pen;
    bool operator==(const PolylineItem&) const = default;
};

// From (left, top) to (right, bottom), right and bottom exclusive as the classic drawing
// surfaces take them; no fill draws the outline only.
struct RectangleItem {
    int left = 0, top = 0, right = 0, bottom = 0;
    Pen pen;
    std::optional<Colour> fill;
    bool operator==(const RectangleItem&) const = default;
};

// The ellipse inscribed in the rectangle.
struct EllipseItem {
    int left = 0, top = 0, right = 0, bottom = 0;
    Pen pen;
    std::optional<Colour> fill;
    bool operator==(const EllipseItem&) const = default;
};

// Text whose top-left corner is at (x, y).
struct TextItem {
    int x = 0;
    int y = 0;
    std::string text; // UTF-8
    Colour colour = colours::kBlack;
    int point_size = 8;
    bool bold = false;
    bool vertical = false; // written upwards, for a vertical axis caption
    bool operator==(const TextItem&) const = default;
};

using DisplayItem = std::variant<LineItem, PolylineItem, RectangleItem, EllipseItem, TextItem>;

struct DisplayList {
    int width = 0;
    int height = 0;
    Colour background = colours::kWhite;
    std::vector<DisplayItem> items;

    void line(PixelPoint from, PixelPoint to, Pen pen) { items.emplace_back(LineItem{from, to, pen}); }
    void polyline(std::vector<PixelPoint> points, Pen pen) { items.emplace_back(PolylineItem{std::move(points), pen}); }
    void rectangle(int left, int top, int right, int bottom, Pen pen, std::optional<Colour> fill = std::nullopt)
    {
        items.emplace_back(RectangleItem{left, top, right, bottom, pen, fill});
    }
    void ellipse(int left, int top, int right, int bottom, Pen pen, std::optional<Colour> fill = std::nullopt)
    {
        items.emplace_back(EllipseItem{left, top, right, bottom, pen, fill});
    }
    void text(int x, int y, std::string content, Colour colour = colours::kBlack, int point_size = 8, bool bold = false)
    {
        items.emplace_back(TextItem{x, y, std::move(content), colour, point_size, bold, false});
    }

    // Every item of one kind, for tests and for callers that look for a part of the chart.
    template <typename Item>
    std::vector<Item> all() const
    {
        std::vector<Item> found;
        for (const DisplayItem& item : items) {
            if (const auto* typed = std::get_if<Item>(&item)) found.push_back(*typed);
        }
        return found;
    }
};

} // namespace kalvintera
