#include "picture_kit.h"

#include "core/errors.h"

#include <QPainterPath>
#include <QtMath>

namespace kalvintera::pictures {

QFont Font(int pixel_size, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixel_size);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QImage Canvas(int width, int height, QColor fill)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

void PrepareTidy(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

namespace {

void SavePicture(const QImage& image, const std::filesystem::path& file, const char* format, int quality)
{
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    if (error || !image.save(QString::fromStdString(file.string()), format, quality)) {
        throw FileError("Cannot write the picture " + file.string());
    }
}

} // namespace

void SaveJpeg(const QImage& image, const std::filesystem::path& folder, const std::string& name)
{
    SavePicture(image, folder / name, "JPEG", kJpegQuality);
}

void SavePng(const QImage& image, const std::filesystem::path& file)
{
    SavePicture(image, file, "PNG", -1);
}

QLinearGradient MetalAcross(qreal x0, qreal x1, QColor base)
{
    QLinearGradient gradient(x0, 0, x1, 0);
    gradient.setColorAt(0.0, base.darker(150));
    gradient.setColorAt(0.28, base.lighter(135));
    gradient.setColorAt(0.45, base.lighter(115));
    gradient.setColorAt(0.85, base.darker(120));
    gradient.setColorAt(1.0, base.darker(160));
    return gradient;
}

QLinearGradient MetalDown(qreal y0, qreal y1, QColor base)
{
    QLinearGradient gradient(0, y0, 0, y1);
    gradient.setColorAt(0.0, base.lighter(130));
    gradient.setColorAt(0.35, base.lighter(110));
    gradient.setColorAt(1.0, base.darker(150));
    return gradient;
}

void DrawArrow(QPainter& painter, QPointF from, QPointF to, QColor colour, qreal width)
{
    const QLineF line(from, to);
    if (line.length() < 1e-6) return;
    const qreal head = width * 3.2;
    const QLineF unit = line.unitVector();
    const QPointF direction(unit.dx(), unit.dy());
    const QPointF normal(-direction.y(), direction.x());
    const QPointF base = to - direction * head;

    painter.save();
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(from, base + direction * 0.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const QPointF tip[3] = {to, base + normal * head * 0.55, base - normal * head * 0.55};
    painter.drawPolygon(tip, 3);
    painter.restore();
}

void DrawFanEmblem(QPainter& painter, QPointF centre, qreal radius, QColor blades, QColor ring)
{
    painter.save();
    painter.translate(centre);
    painter.setPen(QPen(ring, radius * 0.09));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(0, 0), radius, radius);

    // One swept blade, turned five times around the hub.
    const qreal r = radius * 0.82;
    QPainterPath blade;
    blade.moveTo(0, -r * 0.16);
    blade.cubicTo(r * 0.25, -r * 0.55, r * 0.05, -r * 0.95, -r * 0.28, -r * 0.98);
    blade.cubicTo(-r * 0.42, -r * 0.70, -r * 0.25, -r * 0.35, 0, -r * 0.16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(blades);
    for (int k = 0; k < 5; ++k) {
        painter.drawPath(blade);
        painter.rotate(72);
    }
    painter.setBrush(ring);
    painter.drawEllipse(QPointF(0, 0), radius * 0.2, radius * 0.2);
    painter.setBrush(blades);
    painter.drawEllipse(QPointF(0, 0), radius * 0.08, radius * 0.08);
    painter.restore();
}

void DrawSpacedText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                    QColor colour, qreal spacing_percent, int alignment)
{
    QFont spaced = font;
    spaced.setLetterSpacing(QFont::PercentageSpacing, spacing_percent);
    painter.save();
    painter.setFont(spaced);
    painter.setPen(colour);
    painter.drawText(box, alignment, text);
    painter.restore();
}

void DrawCaptionBand(QPainter& painter, const QRectF& picture, const QString& text, int pixel_size)
{
    const qreal height = pixel_size * 2.0;
    const QRectF band(picture.left(), picture.bottom() - height, picture.width(), height);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(12, 40, 70, 215));
    painter.drawRect(band);
    painter.setBrush(colour::kTeal);
    painter.drawRect(QRectF(band.left(), band.top(), band.width(), 2));
    painter.setFont(Font(pixel_size, true));
    painter.setPen(Qt::white);
    painter.drawText(band.adjusted(8, 1, -8, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
    painter.restore();
}

double Sequence::next()
{
    // Numerical Recipes' linear congruential step; plenty for placing trees and boxes.
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 24);
}

} // namespace kalvintera::pictures
