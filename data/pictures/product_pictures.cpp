#include "product_pictures.h"

#include "picture_kit.h"
#include "product_shapes.h"

#include <QFontMetrics>

namespace kalvintera::pictures {
namespace {

void SoftBackground(QPainter& painter, const QRectF& area, QColor top, QColor bottom)
{
    QLinearGradient fill(area.topLeft(), area.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    painter.fillRect(area, fill);
}

void FloorShadow(QPainter& painter, const QRectF& under)
{
    QRadialGradient shadow(under.center(), under.width() / 2);
    shadow.setColorAt(0, QColor(0, 0, 0, 60));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    painter.save();
    painter.translate(under.center());
    painter.scale(1, under.height() / under.width());
    painter.translate(-under.center());
    painter.setPen(Qt::NoPen);
    painter.setBrush(shadow);
    painter.drawEllipse(under.center(), under.width() / 2, under.width() / 2);
    painter.restore();
}

} // namespace

QImage ProductPicture(const NamedPicture& picture)
{
    constexpr int kWidth = 300;
    constexpr int kHeight = 220;
    QImage image = Canvas(kWidth, kHeight, Qt::white);
    QPainter painter(&image);
    PrepareTidy(painter);
    SoftBackground(painter, QRectF(0, 0, kWidth, kHeight), QColor(255, 255, 255), QColor(222, 231, 240));

    FloorShadow(painter, QRectF(60, 196, 180, 16));
    DrawProduct(painter, picture.kind, QRectF(14, 50, kWidth - 28, kHeight - 58));

    // Heading: the model (or series) and the product's Polish name.
    painter.setPen(colour::kNavy);
    painter.setFont(Font(17, true));
    painter.drawText(QRectF(12, 6, kWidth - 60, 22), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromStdString(picture.label));
    const QString name = QString::fromStdString(picture.records.front()->NamePl);
    const QFont name_font = Font(9);
    painter.setFont(name_font);
    painter.setPen(QColor(88, 98, 110));
    painter.drawText(QRectF(12, 28, kWidth - 60, 14), Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetrics(name_font).elidedText(name, Qt::ElideRight, kWidth - 60));
    painter.setPen(QPen(colour::kTeal, 2));
    painter.drawLine(QPointF(12, 45), QPointF(kWidth - 12, 45));
    DrawFanEmblem(painter, QPointF(kWidth - 26, 24), 15, colour::kBlue, colour::kNavy);
    return image;
}

QImage Thumbnail(ProductKind kind, bool highlighted)
{
    constexpr int kWidth = 90;
    constexpr int kHeight = 70;
    QImage image = Canvas(kWidth, kHeight, Qt::white);
    QPainter painter(&image);
    PrepareTidy(painter);
    const QRectF area(0, 0, kWidth, kHeight);
    if (highlighted) SoftBackground(painter, area, QColor(255, 250, 222), QColor(252, 226, 160));
    else SoftBackground(painter, area, QColor(255, 255, 255), QColor(228, 235, 242));
    DrawProduct(painter, kind, area.adjusted(4, 4, -4, -4));
    painter.setBrush(Qt::NoBrush);
    if (highlighted) {
        painter.setPen(QPen(QColor(226, 124, 20), 3));
        painter.drawRect(area.adjusted(1.5, 1.5, -1.5, -1.5));
    } else {
        painter.setPen(QPen(QColor(176, 186, 198), 1));
        painter.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
    }
    return image;
}

QImage SplashProduct(ProductKind kind)
{
    constexpr int kWidth = 88;
    constexpr int kHeight = 64;
    QImage image = Canvas(kWidth, kHeight, Qt::white);
    QPainter painter(&image);
    PrepareTidy(painter);
    const QRectF area(0, 0, kWidth, kHeight);
    SoftBackground(painter, area, QColor(255, 255, 255), QColor(214, 228, 240));
    DrawProduct(painter, kind, area.adjusted(3, 3, -3, -3));
    painter.setPen(QPen(colour::kBlue, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
    return image;
}

} // namespace kalvintera::pictures
