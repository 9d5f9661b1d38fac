#pragma once

// The common drawing vocabulary of the sample pictures: the house colours, fonts in pixel
// sizes (so the result does not depend on the screen's resolution), shaded metal, arrows,
// the fan emblem, and writing a picture as JPEG (or PNG for the icon).

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <filesystem>
#include <string>

namespace kalvintera::pictures {

namespace colour {
inline constexpr QColor kNavy{12, 54, 98};
inline constexpr QColor kBlue{24, 96, 160};
inline constexpr QColor kTeal{20, 150, 150};
inline constexpr QColor kSky{214, 232, 246};
inline constexpr QColor kPaper{250, 251, 252};
inline constexpr QColor kInk{38, 44, 52};
inline constexpr QColor kSteel{176, 186, 196};
inline constexpr QColor kDarkSteel{96, 108, 120};
inline constexpr QColor kGalvanised{200, 207, 212};
inline constexpr QColor kRed{200, 40, 40};
inline constexpr QColor kAmber{240, 170, 40};
inline constexpr QColor kGreen{70, 140, 70};
inline constexpr QColor kHighlight{255, 244, 200};
} // namespace colour

inline constexpr int kJpegQuality = 85;

// DejaVu Sans at a size in pixels.
QFont Font(int pixel_size, bool bold = false);

// A picture of the given size filled with one colour.
QImage Canvas(int width, int height, QColor fill);

// Antialiased lines and text.
void PrepareTidy(QPainter& painter);

// Writes `image` as folder/name in JPEG; FileError naming the path when it cannot.
void SaveJpeg(const QImage& image, const std::filesystem::path& folder, const std::string& name);
// Writes `image` as PNG (keeping its transparency), making the folders it needs; FileError
// naming the path when it cannot.
void SavePng(const QImage& image, const std::filesystem::path& file);

// Shading of a vertical cylinder (or any body lit from the upper left) between x0 and x1.
QLinearGradient MetalAcross(qreal x0, qreal x1, QColor base);
// The same for a horizontal body between y0 and y1.
QLinearGradient MetalDown(qreal y0, qreal y1, QColor base);

// A filled arrow from `from` to `to`.
void DrawArrow(QPainter& painter, QPointF from, QPointF to, QColor colour, qreal width);

// The maker's emblem: a five-bladed fan in a ring.
void DrawFanEmblem(QPainter& painter, QPointF centre, qreal radius, QColor blades, QColor ring);

// Text spread over its box, for the maker's name.
void DrawSpacedText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                    QColor colour, qreal spacing_percent, int alignment);

// A caption band along the bottom of a picture.
void DrawCaptionBand(QPainter& painter, const QRectF& picture, const QString& text, int pixel_size);

// A small fixed-sequence generator, so pictures with scattered details come out the same
// on every run.
class Sequence {
public:
    explicit Sequence(unsigned seed) : state_(seed) {}
    // A value in [0, 1).
    double next();
    double between(double low, double high) { return low + (high - low) * next(); }

private:
    unsigned state_;
};

} // namespace kalvintera::pictures
