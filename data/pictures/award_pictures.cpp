#include "award_pictures.h"

#include "picture_kit.h"

#include <QPainterPath>
#include <QtMath>

namespace kalvintera::pictures {
namespace {

constexpr int kSize = 120;

constexpr QColor kGold{212, 168, 52};
constexpr QColor kSilver{186, 192, 200};
constexpr QColor kBronze{184, 115, 60};

QRadialGradient Shine(QPointF centre, qreal radius, QColor metal)
{
    QRadialGradient shine(centre - QPointF(radius * 0.35, radius * 0.4), radius * 1.5);
    shine.setColorAt(0, metal.lighter(165));
    shine.setColorAt(0.45, metal);
    shine.setColorAt(1, metal.darker(170));
    return shine;
}

void Backdrop(QPainter& painter)
{
    QRadialGradient light(QPointF(60, 46), 90);
    light.setColorAt(0, QColor(255, 255, 255));
    light.setColorAt(1, QColor(214, 224, 236));
    painter.fillRect(QRectF(0, 0, kSize, kSize), light);
}

void Year(QPainter& painter, const QRectF& box, int year, QColor colour, int pixel_size)
{
    painter.setFont(Font(pixel_size, true));
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter, QString::number(year));
}

QPainterPath Star(QPointF centre, qreal outer, qreal inner, int points)
{
    QPainterPath star;
    for (int k = 0; k < 2 * points; ++k) {
        const qreal radius = k % 2 == 0 ? outer : inner;
        const qreal a = qDegreesToRadians(-90.0 + 180.0 * k / points);
        const QPointF p(centre.x() + radius * qCos(a), centre.y() + radius * qSin(a));
        if (k == 0) star.moveTo(p); else star.lineTo(p);
    }
    star.closeSubpath();
    return star;
}

void Medal(QPainter& painter, QColor metal, QColor ribbon_left, QColor ribbon_right, int year, bool laurel)
{
    // Ribbon in two stripes, then the disc with its rim and a star or a wreath.
    const QPointF left_ribbon[4] = {QPointF(34, 4), QPointF(58, 4), QPointF(66, 58), QPointF(48, 62)};
    const QPointF right_ribbon[4] = {QPointF(62, 4), QPointF(86, 4), QPointF(72, 62), QPointF(54, 58)};
    painter.setPen(QPen(ribbon_left.darker(150), 0.6));
    painter.setBrush(ribbon_left);
    painter.drawPolygon(left_ribbon, 4);
    painter.setBrush(ribbon_right);
    painter.drawPolygon(right_ribbon, 4);

    const QPointF centre(60, 76);
    painter.setPen(QPen(metal.darker(180), 1));
    painter.setBrush(Shine(centre, 36, metal));
    painter.drawEllipse(centre, 36, 36);
    painter.setPen(QPen(metal.darker(140), 1.2));
    painter.setBrush(Shine(centre, 28, metal.lighter(108)));
    painter.drawEllipse(centre, 28, 28);
    if (laurel) {
        // Two branches of leaves rising from the bottom round either side.
        painter.setPen(Qt::NoPen);
        painter.setBrush(metal.darker(160));
        for (int side : {-1, 1}) {
            for (int k = 0; k < 8; ++k) {
                const qreal degrees = 100.0 + 21.0 * k;
                const qreal a = qDegreesToRadians(degrees);
                const QPointF leaf(centre.x() + 23 * qCos(a), centre.y() + 23 * qSin(a));
                painter.save();
                painter.translate(side < 0 ? leaf : QPointF(2 * centre.x() - leaf.x(), leaf.y()));
                painter.rotate(side < 0 ? degrees + 28 : -(degrees + 28));
                painter.drawEllipse(QPointF(0, 0), 2.3, 5.0);
                painter.restore();
            }
        }
        Year(painter, QRectF(centre.x() - 18, centre.y() - 9, 36, 18), year, metal.darker(210), 11);
    } else {
        painter.setPen(QPen(metal.darker(160), 0.8));
        painter.setBrush(Shine(centre - QPointF(0, 5), 14, metal.lighter(115)));
        painter.drawPath(Star(centre - QPointF(0, 5), 14, 6, 5));
        Year(painter, QRectF(centre.x() - 20, centre.y() + 9, 40, 14), year, metal.darker(210), 10);
    }
}

void Cup(QPainter& painter, QColor metal, int year)
{
    // Handles first, behind the bowl.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(metal.darker(130), 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(20, 22, 26, 32), 90 * 16, 180 * 16);
    painter.drawArc(QRectF(74, 22, 26, 32), 90 * 16, -180 * 16);

    QPainterPath bowl;
    bowl.moveTo(30, 14);
    bowl.lineTo(90, 14);
    bowl.cubicTo(90, 50, 76, 66, 64, 70);
    bowl.lineTo(56, 70);
    bowl.cubicTo(44, 66, 30, 50, 30, 14);
    bowl.closeSubpath();
    painter.setPen(QPen(metal.darker(170), 1));
    painter.setBrush(MetalAcross(30, 90, metal));
    painter.drawPath(bowl);
    painter.setBrush(MetalDown(10, 18, metal.lighter(115)));
    painter.drawEllipse(QRectF(30, 10, 60, 8));
    painter.setBrush(MetalAcross(54, 66, metal));
    painter.drawRect(QRectF(55, 70, 10, 16));
    painter.drawRect(QRectF(44, 86, 32, 6));

    painter.setBrush(MetalAcross(30, 90, QColor(60, 46, 36)));
    painter.drawRect(QRectF(32, 92, 56, 20));
    painter.setBrush(MetalAcross(40, 80, kGold.lighter(110)));
    painter.drawRect(QRectF(42, 96, 36, 12));
    Year(painter, QRectF(42, 96, 36, 12), year, QColor(60, 40, 10), 9);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 110));
    painter.drawEllipse(QRectF(40, 22, 8, 26));
}

void Statuette(QPainter& painter, int year)
{
    painter.setPen(QPen(QColor(40, 44, 50), 1));
    painter.setBrush(MetalAcross(28, 92, QColor(50, 54, 62)));
    painter.drawRect(QRectF(28, 92, 64, 20));
    // A glass sail with the emblem etched into it.
    QPainterPath glass;
    glass.moveTo(40, 92);
    glass.lineTo(80, 92);
    glass.lineTo(70, 8);
    glass.cubicTo(56, 30, 44, 60, 40, 92);
    QLinearGradient tint(40, 0, 80, 0);
    tint.setColorAt(0, QColor(170, 220, 235, 230));
    tint.setColorAt(0.5, QColor(230, 248, 252, 230));
    tint.setColorAt(1, QColor(120, 190, 215, 230));
    painter.setPen(QPen(QColor(90, 150, 175), 1));
    painter.setBrush(tint);
    painter.drawPath(glass);
    DrawFanEmblem(painter, QPointF(62, 62), 11, QColor(60, 130, 170), QColor(60, 130, 170));
    Year(painter, QRectF(28, 94, 64, 16), year, kGold.lighter(120), 11);
}

void StarAward(QPainter& painter, int year)
{
    painter.setPen(QPen(QColor(40, 44, 50), 1));
    painter.setBrush(MetalAcross(36, 84, QColor(50, 54, 62)));
    painter.drawRect(QRectF(36, 96, 48, 16));
    painter.setBrush(MetalAcross(56, 64, kGold));
    painter.drawRect(QRectF(56, 78, 8, 18));
    const QPointF centre(60, 44);
    painter.setPen(QPen(kGold.darker(170), 1));
    painter.setBrush(Shine(centre, 36, kGold));
    painter.drawPath(Star(centre, 38, 16, 5));
    Year(painter, QRectF(36, 96, 48, 16), year, kGold.lighter(120), 10);
}

void Diploma(QPainter& painter, int year)
{
    const QRectF frame(12, 16, 96, 80);
    painter.setPen(QPen(QColor(90, 60, 30), 1));
    painter.setBrush(MetalAcross(frame.left(), frame.right(), QColor(150, 100, 50)));
    painter.drawRect(frame);
    const QRectF paper = frame.adjusted(7, 7, -7, -7);
    painter.setBrush(QColor(252, 248, 236));
    painter.drawRect(paper);
    painter.setFont(Font(9, true));
    painter.setPen(colour::kNavy);
    painter.drawText(QRectF(paper.left(), paper.top() + 4, paper.width(), 12), Qt::AlignCenter, QStringLiteral("DYPLOM"));
    painter.setPen(QPen(QColor(170, 160, 140), 0.8));
    for (qreal y = paper.top() + 22; y < paper.bottom() - 16; y += 6) {
        painter.drawLine(QPointF(paper.left() + 8, y), QPointF(paper.right() - 8, y));
    }
    Year(painter, QRectF(paper.left() + 4, paper.bottom() - 14, 36, 12), year, colour::kInk, 8);
    // Seal with ribbon tails.
    const QPointF seal(paper.right() - 10, paper.bottom() - 6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(180, 30, 30));
    const QPointF tails[6] = {seal, seal + QPointF(-8, 22), seal + QPointF(-2, 18), seal, seal + QPointF(8, 22),
                              seal + QPointF(2, 18)};
    painter.drawPolygon(tails, 3);
    painter.drawPolygon(tails + 3, 3);
    painter.setBrush(Shine(seal, 11, QColor(200, 40, 40)));
    painter.drawPath(Star(seal, 12, 9.5, 12));
}

} // namespace

QImage AwardPicture(int number)
{
    QImage image = Canvas(kSize, kSize, Qt::white);
    QPainter painter(&image);
    PrepareTidy(painter);
    Backdrop(painter);
    switch (number) {
    case 1: Medal(painter, kGold, QColor(200, 30, 40), QColor(245, 245, 245), 2001, false); break;
    case 2: Cup(painter, kGold, 2002); break;
    case 3: Medal(painter, kSilver, colour::kBlue, QColor(245, 245, 245), 2003, true); break;
    case 4: Statuette(painter, 2004); break;
    case 5: Medal(painter, kGold, colour::kNavy, colour::kTeal, 2005, true); break;
    case 6: Medal(painter, kBronze, QColor(40, 130, 70), QColor(245, 245, 245), 2005, false); break;
    case 7: StarAward(painter, 2006); break;
    default: Diploma(painter, 2007); break;
    }
    return image;
}

} // namespace kalvintera::pictures
