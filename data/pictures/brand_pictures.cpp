#include "brand_pictures.h"

#include "picture_kit.h"

#include <QPainterPath>

namespace kalvintera::pictures {

QImage BrandBanner(int width, int height)
{
    QImage image = Canvas(width, height, colour::kNavy);
    QPainter painter(&image);
    PrepareTidy(painter);

    QLinearGradient sky(0, 0, width, 0);
    sky.setColorAt(0.0, QColor(8, 38, 72));
    sky.setColorAt(0.55, colour::kBlue);
    sky.setColorAt(1.0, colour::kTeal);
    painter.fillRect(image.rect(), sky);

    // Soft diagonal sweeps of light, like air moving across the band.
    painter.setPen(Qt::NoPen);
    for (int k = 0; k < 3; ++k) {
        QPainterPath sweep;
        const qreal x = width * (0.42 + 0.16 * k);
        sweep.moveTo(x, height);
        sweep.cubicTo(x + 60, height * 0.6, x + 120, height * 0.2, x + 230, 0);
        sweep.lineTo(x + 270, 0);
        sweep.cubicTo(x + 150, height * 0.3, x + 100, height * 0.7, x + 50, height);
        sweep.closeSubpath();
        painter.setBrush(QColor(255, 255, 255, 18 + 6 * k));
        painter.drawPath(sweep);
    }
    painter.setOpacity(0.16);
    DrawFanEmblem(painter, QPointF(width - 70, height * 0.5), height * 0.78, Qt::white, Qt::white);
    painter.setOpacity(1.0);

    const qreal emblem_radius = height * 0.34;
    const QPointF emblem(height * 0.62, height * 0.5);
    painter.setBrush(QColor(255, 255, 255, 36));
    painter.drawEllipse(emblem, emblem_radius * 1.22, emblem_radius * 1.22);
    DrawFanEmblem(painter, emblem, emblem_radius, Qt::white, QColor(150, 225, 225));

    const qreal text_left = emblem.x() + emblem_radius * 1.6;
    DrawSpacedText(painter, QRectF(text_left, height * 0.12, width - text_left, height * 0.52), QStringLiteral("KALVINTERA"),
                   Font(static_cast<int>(height * 0.42), true), Qt::white, 116, Qt::AlignLeft | Qt::AlignBottom);
    DrawSpacedText(painter, QRectF(text_left + 2, height * 0.64, width - text_left, height * 0.24),
                   QStringLiteral("WENTYLACJA  •  KLIMATYZACJA  •  TECHNIKA POWIETRZA"),
                   Font(static_cast<int>(height * 0.13), true), QColor(190, 232, 236), 108,
                   Qt::AlignLeft | Qt::AlignVCenter);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(120, 220, 210));
    painter.drawRect(QRectF(0, height - 3, width, 3));
    return image;
}

QImage Logo()
{
    constexpr int kWidth = 200;
    constexpr int kHeight = 150;
    QImage image = Canvas(kWidth, kHeight, Qt::white);
    QPainter painter(&image);
    PrepareTidy(painter);

    QRadialGradient glow(QPointF(100, 56), 70);
    glow.setColorAt(0, QColor(226, 240, 248));
    glow.setColorAt(1, QColor(255, 255, 255));
    painter.fillRect(image.rect(), glow);

    DrawFanEmblem(painter, QPointF(100, 56), 38, colour::kBlue, colour::kNavy);
    DrawSpacedText(painter, QRectF(0, 100, kWidth, 26), QStringLiteral("KALVINTERA"), Font(22, true), colour::kNavy, 112,
                   Qt::AlignHCenter | Qt::AlignVCenter);
    painter.setPen(QPen(colour::kTeal, 2));
    painter.drawLine(QPointF(40, 127), QPointF(160, 127));
    DrawSpacedText(painter, QRectF(0, 129, kWidth, 16), QStringLiteral("SYSTEMY WENTYLACYJNE"), Font(9, true),
                   colour::kTeal, 110, Qt::AlignHCenter | Qt::AlignVCenter);
    return image;
}

QImage AppIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    PrepareTidy(painter);

    // A small margin keeps the tile clear of the edge, as icon themes expect.
    const qreal margin = size * 0.06;
    const QRectF tile(margin, margin, size - 2 * margin, size - 2 * margin);
    QLinearGradient ground(tile.topLeft(), tile.bottomRight());
    ground.setColorAt(0.0, colour::kBlue);
    ground.setColorAt(1.0, colour::kNavy);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ground);
    painter.drawRoundedRect(tile, tile.width() * 0.2, tile.width() * 0.2);

    DrawFanEmblem(painter, tile.center(), tile.width() * 0.36, Qt::white, QColor(150, 225, 225));
    return image;
}

} // namespace kalvintera::pictures
