#include "company_slides.h"

#include "picture_kit.h"
#include "product_shapes.h"

#include <QFontMetricsF>
#include <QPainterPath>

#include <cmath>

namespace kalvintera::pictures {
namespace {

constexpr int kWidth = 250;
constexpr int kHeight = 190;
constexpr int kCaptionSize = 11;

void Sky(QPainter& painter, qreal horizon)
{
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, QColor(104, 156, 214));
    sky.setColorAt(1, QColor(214, 230, 244));
    painter.fillRect(QRectF(0, 0, kWidth, horizon), sky);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 150));
    for (const QRectF& puff : {QRectF(24, 14, 46, 12), QRectF(44, 8, 34, 14), QRectF(168, 22, 50, 11), QRectF(186, 16, 30, 12)}) {
        painter.drawEllipse(puff);
    }
}

void Ground(QPainter& painter, qreal top, QColor near_colour, QColor far_colour)
{
    QLinearGradient ground(0, top, 0, kHeight);
    ground.setColorAt(0, far_colour);
    ground.setColorAt(1, near_colour);
    painter.fillRect(QRectF(0, top, kWidth, kHeight - top), ground);
}

void Wall(QPainter& painter, qreal floor)
{
    QLinearGradient wall(0, 0, 0, floor);
    wall.setColorAt(0, QColor(206, 212, 218));
    wall.setColorAt(1, QColor(232, 234, 236));
    painter.fillRect(QRectF(0, 0, kWidth, floor), wall);
    Ground(painter, floor, QColor(150, 146, 140), QColor(188, 184, 176));
}

void Tree(QPainter& painter, QPointF base, qreal size)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(110, 80, 50));
    painter.drawRect(QRectF(base.x() - size * 0.07, base.y() - size * 0.45, size * 0.14, size * 0.45));
    QRadialGradient crown(base + QPointF(-size * 0.12, -size * 0.85), size * 0.55);
    crown.setColorAt(0, QColor(120, 176, 90));
    crown.setColorAt(1, QColor(50, 110, 50));
    painter.setBrush(crown);
    painter.drawEllipse(base + QPointF(0, -size * 0.72), size * 0.38, size * 0.42);
}

// A roof fan seen from a little distance: curb, hood and motor cap.
void MiniRoofFan(QPainter& painter, QPointF base, qreal size)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawEllipse(QRectF(base.x() - size * 0.55, base.y() - size * 0.08, size * 1.1, size * 0.16));
    painter.setPen(QPen(QColor(60, 66, 74), 0.6));
    painter.setBrush(MetalAcross(base.x() - size * 0.4, base.x() + size * 0.4, colour::kGalvanised));
    painter.drawRect(QRectF(base.x() - size * 0.36, base.y() - size * 0.28, size * 0.72, size * 0.28));
    painter.setBrush(QColor(50, 56, 64));
    painter.drawRect(QRectF(base.x() - size * 0.4, base.y() - size * 0.4, size * 0.8, size * 0.12));
    QPainterPath hood;
    hood.moveTo(base.x() - size * 0.5, base.y() - size * 0.4);
    hood.cubicTo(base.x() - size * 0.46, base.y() - size * 0.74, base.x() + size * 0.46, base.y() - size * 0.74,
                 base.x() + size * 0.5, base.y() - size * 0.4);
    hood.closeSubpath();
    painter.setBrush(MetalAcross(base.x() - size * 0.5, base.x() + size * 0.5, colour::kSteel));
    painter.drawPath(hood);
    painter.drawRect(QRectF(base.x() - size * 0.09, base.y() - size * 0.76, size * 0.18, size * 0.12));
}

// The maker's name plate; the name shrinks until it fits the plate.
void Sign(QPainter& painter, const QRectF& plate, int pixel_size)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour::kNavy);
    painter.drawRect(plate);
    DrawFanEmblem(painter, QPointF(plate.left() + plate.height() * 0.6, plate.center().y()), plate.height() * 0.36,
                  Qt::white, QColor(150, 225, 225));
    const QRectF text = plate.adjusted(plate.height() * 1.15, 0, -3, 0);
    QFont font = Font(pixel_size, true);
    font.setLetterSpacing(QFont::PercentageSpacing, 110);
    while (font.pixelSize() > 6 && QFontMetricsF(font).horizontalAdvance(QStringLiteral("KALVINTERA")) > text.width()) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(text, Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("KALVINTERA"));
}

void ProductionHall(QPainter& painter)
{
    Sky(painter, 140);
    Ground(painter, 140, QColor(110, 150, 80), QColor(150, 180, 110));
    painter.fillRect(QRectF(0, 142, kWidth, 12), QColor(120, 124, 130));
    const QRectF hall(22, 82, 206, 60);
    painter.setPen(QPen(QColor(90, 96, 104), 0.8));
    painter.setBrush(QColor(212, 216, 220));
    painter.drawRect(hall);
    painter.setPen(QPen(QColor(190, 194, 200), 0.6));
    for (qreal y = hall.top() + 4; y < hall.bottom(); y += 4) painter.drawLine(QPointF(hall.left(), y), QPointF(hall.right(), y));
    // Saw-tooth roof with north lights.
    for (int k = 0; k < 4; ++k) {
        const qreal x = hall.left() + k * hall.width() / 4;
        const QPointF tooth[3] = {QPointF(x, hall.top()), QPointF(x, hall.top() - 20), QPointF(x + hall.width() / 4, hall.top())};
        painter.setPen(QPen(QColor(80, 86, 94), 0.8));
        painter.setBrush(QColor(150, 156, 164));
        painter.drawPolygon(tooth, 3);
        painter.setBrush(QColor(170, 206, 232));
        painter.drawRect(QRectF(x, hall.top() - 18, 3, 17));
        MiniRoofFan(painter, QPointF(x + hall.width() / 8 + 4, hall.top() - 7), 11);
    }
    for (qreal x : {36.0, 84.0}) {
        painter.setPen(QPen(QColor(90, 96, 104), 0.8));
        painter.setBrush(QColor(176, 182, 190));
        painter.drawRect(QRectF(x, 104, 38, 38));
        painter.setPen(QPen(QColor(140, 146, 154), 0.6));
        for (qreal y = 107; y < 142; y += 3) painter.drawLine(QPointF(x, y), QPointF(x + 38, y));
    }
    painter.setPen(QPen(QColor(90, 96, 104), 0.6));
    painter.setBrush(QColor(150, 196, 230));
    painter.drawRect(QRectF(136, 92, 84, 10));
    Sign(painter, QRectF(138, 112, 80, 16), 9);
    Tree(painter, QPointF(10, 146), 38);
    Tree(painter, QPointF(240, 150), 44);
}

void RoofFansOnSite(QPainter& painter)
{
    Sky(painter, 78);
    // A city skyline behind the parapet.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(150, 170, 190));
    for (const QRectF& block : {QRectF(0, 58, 30, 20), QRectF(28, 46, 22, 32), QRectF(56, 62, 40, 16), QRectF(150, 50, 26, 28),
                                QRectF(176, 60, 44, 18), QRectF(222, 40, 28, 38)}) {
        painter.drawRect(block);
    }
    QPolygonF roof;
    roof << QPointF(0, 78) << QPointF(kWidth, 78) << QPointF(kWidth, kHeight) << QPointF(0, kHeight);
    QLinearGradient surface(0, 78, 0, kHeight);
    surface.setColorAt(0, QColor(176, 180, 184));
    surface.setColorAt(1, QColor(120, 124, 128));
    painter.setBrush(surface);
    painter.drawPolygon(roof);
    painter.setPen(QPen(QColor(200, 204, 208), 0.6));
    for (int k = -6; k <= 6; ++k) painter.drawLine(QPointF(125 + k * 10, 78), QPointF(125 + k * 60, kHeight));
    painter.fillRect(QRectF(0, 74, kWidth, 5), QColor(96, 100, 106));
    MiniRoofFan(painter, QPointF(186, 100), 24);
    MiniRoofFan(painter, QPointF(120, 94), 18);
    MiniRoofFan(painter, QPointF(64, 106), 28);
    MiniRoofFan(painter, QPointF(200, 146), 46);
    MiniRoofFan(painter, QPointF(72, 160), 56);
}

void TestLaboratory(QPainter& painter)
{
    Wall(painter, 132);
    // Measuring duct leading to the fan under test.
    painter.setPen(QPen(QColor(70, 76, 84), 0.8));
    painter.setBrush(MetalDown(88, 110, colour::kGalvanised));
    painter.drawRect(QRectF(6, 88, 150, 22));
    for (qreal x : {40.0, 90.0, 140.0}) {
        painter.setBrush(MetalDown(86, 112, colour::kDarkSteel.lighter(140)));
        painter.drawRect(QRectF(x, 86, 4, 26));
    }
    painter.setBrush(QColor(90, 96, 104));
    for (qreal x : {30.0, 120.0}) painter.drawRect(QRectF(x, 110, 4, 22));
    DrawProduct(painter, ProductKind::RadialFan, QRectF(146, 40, 110, 92));

    // Manometer on the duct.
    painter.setPen(QPen(colour::kRed, 1));
    painter.drawLine(QPointF(100, 88), QPointF(100, 70));
    painter.setPen(QPen(QColor(60, 64, 70), 1));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(100, 58), 13, 13);
    painter.setPen(QPen(QColor(60, 64, 70), 0.6));
    for (int k = 0; k <= 8; ++k) {
        painter.save();
        painter.translate(100, 58);
        painter.rotate(-135 + k * 33.75);
        painter.drawLine(QPointF(0, -11), QPointF(0, -8.5));
        painter.restore();
    }
    painter.setPen(QPen(colour::kRed, 1.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(100, 58), QPointF(107, 52));

    // Monitor with the measured characteristic.
    const QRectF screen(10, 18, 68, 46);
    painter.setPen(QPen(QColor(40, 44, 50), 2));
    painter.setBrush(QColor(20, 30, 44));
    painter.drawRect(screen);
    painter.setPen(QPen(QColor(70, 90, 110), 0.5));
    for (qreal x = screen.left() + 8; x < screen.right(); x += 10) painter.drawLine(QPointF(x, screen.top() + 4), QPointF(x, screen.bottom() - 4));
    QPainterPath curve;
    curve.moveTo(screen.left() + 6, screen.top() + 10);
    curve.cubicTo(screen.left() + 30, screen.top() + 8, screen.left() + 50, screen.top() + 20, screen.right() - 6, screen.bottom() - 6);
    painter.setPen(QPen(QColor(90, 220, 240), 1.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(curve);
    painter.setBrush(colour::kRed);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(screen.left() + 42, screen.top() + 20), 2, 2);
    painter.fillRect(QRectF(38, 64, 12, 8), QColor(40, 44, 50));
}

void Assembly(QPainter& painter)
{
    Wall(painter, 126);
    // Lamps over the bench.
    for (qreal x : {60.0, 190.0}) {
        painter.setPen(QPen(QColor(70, 74, 80), 1));
        painter.drawLine(QPointF(x, 0), QPointF(x, 16));
        QRadialGradient light(QPointF(x, 22), 60);
        light.setColorAt(0, QColor(255, 250, 220, 120));
        light.setColorAt(1, QColor(255, 250, 220, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(light);
        painter.drawEllipse(QPointF(x, 40), 60, 40);
        const QPointF shade[4] = {QPointF(x - 4, 16), QPointF(x + 4, 16), QPointF(x + 12, 24), QPointF(x - 12, 24)};
        painter.setBrush(colour::kBlue);
        painter.drawPolygon(shade, 4);
    }
    DrawProduct(painter, ProductKind::RadialFan, QRectF(8, 40, 100, 76));
    DrawProduct(painter, ProductKind::DuctFanRound, QRectF(118, 60, 120, 58));
    // The bench top and its legs.
    painter.setPen(QPen(QColor(70, 60, 50), 0.8));
    painter.setBrush(MetalDown(116, 124, QColor(170, 130, 90)));
    painter.drawRect(QRectF(4, 116, 242, 8));
    painter.setBrush(QColor(80, 86, 94));
    for (qreal x : {14.0, 120.0, 228.0}) painter.drawRect(QRectF(x, 124, 6, 38));
}

void Warehouse(QPainter& painter)
{
    Wall(painter, 140);
    Sequence boxes(7);
    for (int rack = 0; rack < 2; ++rack) {
        const qreal left = 8 + rack * 112;
        for (int level = 0; level < 3; ++level) {
            const qreal beam = 136 - level * 42;
            qreal x = left + 4;
            while (x < left + 94) {
                const qreal w = boxes.between(16, 28);
                const qreal h = boxes.between(18, 32);
                if (x + w > left + 98) break;
                painter.setPen(QPen(QColor(140, 100, 60), 0.6));
                painter.setBrush(QColor(200, 160, 110).darker(100 + static_cast<int>(boxes.between(0, 18))));
                painter.drawRect(QRectF(x, beam - h, w, h));
                painter.setPen(Qt::NoPen);
                painter.setBrush(colour::kNavy);
                painter.drawRect(QRectF(x + 2, beam - h + 3, w - 4, 3));
                x += w + 2;
            }
            painter.setPen(QPen(QColor(30, 60, 120), 0.6));
            painter.setBrush(QColor(40, 90, 170));
            painter.drawRect(QRectF(left, beam, 102, 4));
        }
        painter.setBrush(QColor(230, 120, 30));
        painter.drawRect(QRectF(left - 3, 10, 4, 132));
        painter.drawRect(QRectF(left + 101, 10, 4, 132));
    }
    // Forklift in front of the racks.
    painter.setPen(QPen(QColor(60, 50, 20), 0.8));
    painter.setBrush(QColor(240, 190, 40));
    painter.drawRoundedRect(QRectF(170, 130, 50, 24), 4, 4);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(50, 50, 50), 2));
    painter.drawLine(QPointF(196, 130), QPointF(196, 108));
    painter.drawLine(QPointF(218, 130), QPointF(212, 108));
    painter.drawLine(QPointF(196, 108), QPointF(212, 108));
    painter.drawLine(QPointF(166, 100), QPointF(166, 160));
    painter.drawLine(QPointF(166, 158), QPointF(146, 158));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 30, 30));
    for (qreal x : {180.0, 212.0}) painter.drawEllipse(QPointF(x, 156), 7, 7);
}

void DesignOffice(QPainter& painter)
{
    Wall(painter, 138);
    // A window onto the sky.
    painter.fillRect(QRectF(170, 14, 70, 60), QColor(150, 196, 232));
    painter.setPen(QPen(Qt::white, 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(170, 14, 70, 60));
    painter.drawLine(QPointF(205, 14), QPointF(205, 74));

    const QRectF screen(24, 26, 130, 84);
    painter.setPen(QPen(QColor(30, 32, 36), 4));
    painter.setBrush(QColor(16, 34, 64));
    painter.drawRect(screen);
    painter.fillRect(QRectF(82, 112, 14, 14), QColor(50, 54, 60));
    painter.fillRect(QRectF(66, 124, 46, 4), QColor(50, 54, 60));
    // A fan casing drawing on the screen.
    painter.save();
    painter.setClipRect(screen.adjusted(3, 3, -3, -3));
    painter.setPen(QPen(QColor(120, 220, 255), 0.8));
    painter.setBrush(Qt::NoBrush);
    QPainterPath spiral;
    for (int i = 0; i <= 60; ++i) {
        const qreal t = i / 60.0;
        const qreal a = (290 + 340 * t) * 3.14159265358979 / 180;
        const qreal r = 18 + 11 * t;
        const QPointF p(70 + r * std::sin(a), 72 - r * std::cos(a));
        if (i == 0) spiral.moveTo(p); else spiral.lineTo(p);
    }
    spiral.lineTo(41, 38);
    spiral.lineTo(53, 38);
    spiral.closeSubpath();
    painter.drawPath(spiral);
    painter.drawEllipse(QPointF(70, 72), 10, 10);
    painter.setPen(QPen(QColor(255, 220, 120), 0.6));
    painter.drawLine(QPointF(41, 100), QPointF(99, 100));
    painter.drawLine(QPointF(110, 38), QPointF(110, 101));
    painter.setPen(QPen(QColor(120, 220, 255), 0.5));
    for (qreal y = 36; y < 104; y += 8) painter.drawLine(QPointF(120, y), QPointF(148, y));
    painter.restore();

    painter.setPen(QPen(QColor(60, 50, 40), 0.8));
    painter.setBrush(MetalDown(138, 146, QColor(180, 140, 100)));
    painter.drawRect(QRectF(0, 134, kWidth, 8));
    painter.setBrush(QColor(60, 64, 70));
    painter.drawRoundedRect(QRectF(50, 128, 80, 6), 2, 2);
    // Desk lamp.
    painter.setPen(QPen(QColor(50, 54, 60), 2));
    painter.drawLine(QPointF(200, 134), QPointF(196, 104));
    painter.drawLine(QPointF(196, 104), QPointF(214, 92));
    painter.setBrush(colour::kTeal);
    painter.setPen(Qt::NoPen);
    const QPointF shade[3] = {QPointF(210, 88), QPointF(226, 98), QPointF(212, 102)};
    painter.drawPolygon(shade, 3);
}

void Headquarters(QPainter& painter)
{
    Sky(painter, 146);
    Ground(painter, 146, QColor(110, 150, 80), QColor(150, 180, 110));
    painter.fillRect(QRectF(0, 152, kWidth, 16), QColor(130, 134, 140));
    const QRectF building(50, 40, 150, 108);
    QLinearGradient glass(building.topLeft(), building.bottomRight());
    glass.setColorAt(0, QColor(150, 196, 230));
    glass.setColorAt(0.5, QColor(70, 120, 170));
    glass.setColorAt(1, QColor(120, 170, 210));
    painter.setPen(QPen(QColor(60, 70, 80), 1));
    painter.setBrush(glass);
    painter.drawRect(building);
    painter.setPen(QPen(QColor(220, 226, 232), 1.2));
    for (qreal x = building.left() + 15; x < building.right(); x += 15) painter.drawLine(QPointF(x, building.top()), QPointF(x, building.bottom()));
    for (qreal y = building.top() + 18; y < building.bottom(); y += 18) painter.drawLine(QPointF(building.left(), y), QPointF(building.right(), y));
    painter.fillRect(QRectF(104, 124, 42, 24), QColor(40, 50, 60));
    painter.fillRect(QRectF(96, 118, 58, 5), QColor(220, 224, 228));
    Sign(painter, QRectF(72, 24, 106, 18), 11);
    for (qreal x : {16.0, 26.0, 36.0}) {
        painter.setPen(QPen(QColor(200, 200, 204), 1.2));
        painter.drawLine(QPointF(x, 150), QPointF(x, 86));
        painter.setPen(Qt::NoPen);
        painter.setBrush(x == 26.0 ? colour::kNavy : (x == 16.0 ? QColor(250, 250, 250) : colour::kTeal));
        painter.drawRect(QRectF(x, 86, 10, 7));
    }
    Tree(painter, QPointF(222, 152), 46);
    Tree(painter, QPointF(240, 154), 34);
}

void Delivery(QPainter& painter)
{
    Sky(painter, 118);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(120, 160, 100));
    painter.drawEllipse(QRectF(-40, 100, 180, 50));
    painter.drawEllipse(QRectF(110, 104, 200, 44));
    painter.fillRect(QRectF(0, 126, kWidth, 42), QColor(80, 84, 90));
    QPen dashes(Qt::white, 2);
    dashes.setDashPattern({8, 8});
    painter.setPen(dashes);
    painter.drawLine(QPointF(0, 160), QPointF(kWidth, 160));

    // Trailer with the maker's name, then the cab.
    const QRectF trailer(20, 74, 150, 62);
    painter.setPen(QPen(QColor(70, 76, 84), 1));
    painter.setBrush(MetalDown(trailer.top(), trailer.bottom(), QColor(236, 238, 240)));
    painter.drawRect(trailer);
    painter.fillRect(QRectF(trailer.left(), trailer.bottom() - 10, trailer.width(), 4), colour::kTeal);
    Sign(painter, QRectF(34, 90, 122, 22), 13);
    QPainterPath cab;
    cab.moveTo(174, 136);
    cab.lineTo(174, 82);
    cab.lineTo(206, 82);
    cab.lineTo(222, 104);
    cab.lineTo(224, 136);
    cab.closeSubpath();
    painter.setBrush(MetalDown(82, 136, colour::kBlue));
    painter.drawPath(cab);
    const QPointF window[4] = {QPointF(192, 88), QPointF(204, 88), QPointF(216, 104), QPointF(192, 104)};
    painter.setBrush(QColor(170, 206, 232));
    painter.drawPolygon(window, 4);
    painter.fillRect(QRectF(170, 128, 6, 8), QColor(50, 54, 60));
    painter.setPen(Qt::NoPen);
    for (qreal x : {44.0, 70.0, 150.0, 204.0}) {
        painter.setBrush(QColor(30, 30, 32));
        painter.drawEllipse(QPointF(x, 140), 10, 10);
        painter.setBrush(QColor(170, 174, 180));
        painter.drawEllipse(QPointF(x, 140), 4, 4);
    }
}

} // namespace

QImage CompanySlide(int number)
{
    QImage image = Canvas(kWidth, kHeight, Qt::white);
    QPainter painter(&image);
    PrepareTidy(painter);
    QString caption;
    switch (number) {
    case 1: ProductionHall(painter); caption = QStringLiteral("Hala produkcyjna"); break;
    case 2: RoofFansOnSite(painter); caption = QStringLiteral("Wentylatory dachowe na obiekcie"); break;
    case 3: TestLaboratory(painter); caption = QStringLiteral("Laboratorium pomiarowe"); break;
    case 4: Assembly(painter); caption = QStringLiteral("Montaż wentylatorów"); break;
    case 5: Warehouse(painter); caption = QStringLiteral("Magazyn wyrobów gotowych"); break;
    case 6: DesignOffice(painter); caption = QStringLiteral("Biuro konstrukcyjne"); break;
    case 7: Headquarters(painter); caption = QStringLiteral("Siedziba firmy w Poznaniu"); break;
    default: Delivery(painter); caption = QStringLiteral("Dostawy do klientów"); break;
    }
    DrawCaptionBand(painter, QRectF(0, 0, kWidth, kHeight), caption, kCaptionSize);
    return image;
}

} // namespace kalvintera::pictures
