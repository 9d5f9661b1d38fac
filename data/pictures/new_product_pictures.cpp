#include "new_product_pictures.h"

#include "picture_kit.h"
#include "product_shapes.h"
#include "shapes_internal.h"

#include <QPainterPath>
#include <QtMath>

namespace kalvintera::pictures {
namespace {

using shapes::AirArrow;
using shapes::HorizontalBody;
using shapes::OutlinePen;
using shapes::VerticalBody;
using shapes::VerticalPath;

constexpr int kWidth = 260;
constexpr int kHeight = 220;
constexpr QColor kWarm{214, 72, 52};
constexpr QColor kCold{42, 110, 190};
constexpr QColor kOpening{46, 52, 60};
constexpr QColor kSoil{150, 112, 78};

// A box seen from the front and a little from above and the right.
void Box(QPainter& painter, const QRectF& front, QPointF depth, QColor colour)
{
    QPolygonF top;
    top << front.topLeft() << front.topRight() << front.topRight() + depth << front.topLeft() + depth;
    QPolygonF side;
    side << front.topRight() << front.topRight() + depth << front.bottomRight() + depth << front.bottomRight();
    painter.setPen(OutlinePen());
    painter.setBrush(colour.lighter(112));
    painter.drawPolygon(top);
    painter.setBrush(colour.darker(118));
    painter.drawPolygon(side);
    VerticalBody(painter, front, colour);
}

// A round spigot seen end-on, with the colour of the air it carries on its rim.
void Spigot(QPainter& painter, QPointF centre, qreal radius, QColor air)
{
    painter.setPen(QPen(air, 2.2));
    painter.setBrush(colour::kGalvanised);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(OutlinePen(0.8));
    painter.setBrush(kOpening);
    painter.drawEllipse(centre, radius * 0.72, radius * 0.72);
}

// A fan wheel behind a guard: blades, hub and the guard's rings.
void GuardedFan(QPainter& painter, QPointF centre, qreal radius)
{
    painter.setPen(OutlinePen());
    painter.setBrush(kOpening);
    painter.drawEllipse(centre, radius, radius);
    painter.save();
    painter.translate(centre);
    painter.setPen(OutlinePen(0.6));
    painter.setBrush(colour::kSteel);
    for (int k = 0; k < 5; ++k) {
        QPainterPath blade;
        blade.moveTo(0, 0);
        blade.cubicTo(radius * 0.2, -radius * 0.35, radius * 0.55, -radius * 0.85, radius * 0.05, -radius * 0.9);
        blade.cubicTo(-radius * 0.2, -radius * 0.6, -radius * 0.1, -radius * 0.3, 0, 0);
        painter.drawPath(blade);
        painter.rotate(72);
    }
    painter.setBrush(colour::kDarkSteel);
    painter.drawEllipse(QPointF(0, 0), radius * 0.18, radius * 0.18);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(70, 76, 84), 1));
    for (qreal r = radius * 0.35; r < radius; r += radius * 0.2) painter.drawEllipse(QPointF(0, 0), r, r);
    painter.drawLine(QPointF(-radius, 0), QPointF(radius, 0));
    painter.drawLine(QPointF(0, -radius), QPointF(0, radius));
    painter.restore();
}

// A heat recovery unit: a flat cabinet with a cross-flow exchanger behind an inspection
// window and four spigots, fresh and exhaust air crossing.
void HeatRecovery(QPainter& painter)
{
    const QRectF front(22, 50, 140, 72);
    Box(painter, front, QPointF(30, -22), colour::kGalvanised);
    // The exchanger's diamond seen through the window.
    painter.setPen(OutlinePen(0.8));
    painter.setBrush(QColor(236, 240, 244));
    painter.drawRect(QRectF(62, 60, 60, 52));
    QPolygonF diamond;
    diamond << QPointF(92, 62) << QPointF(120, 86) << QPointF(92, 110) << QPointF(64, 86);
    painter.setBrush(colour::kSky);
    painter.drawPolygon(diamond);
    painter.setPen(QPen(colour::kDarkSteel, 0.6));
    for (qreal k = -20; k <= 20; k += 5) {
        painter.drawLine(QPointF(92 + k * 0.7 - 14, 86 - k * 0.6 - 12), QPointF(92 + k * 0.7 + 14, 86 - k * 0.6 + 12));
    }
    Spigot(painter, QPointF(40, 70), 11, kCold);
    Spigot(painter, QPointF(40, 102), 11, kWarm);
    Spigot(painter, QPointF(144, 70), 11, kWarm);
    Spigot(painter, QPointF(144, 102), 11, kCold);
    DrawArrow(painter, QPointF(4, 70), QPointF(26, 70), kCold, 2.2);
    DrawArrow(painter, QPointF(26, 102), QPointF(4, 102), kWarm.lighter(120), 2.2);
    DrawArrow(painter, QPointF(158, 70), QPointF(194, 70), kWarm, 2.2);
    DrawArrow(painter, QPointF(194, 102), QPointF(158, 102), kCold.lighter(130), 2.2);
    painter.setPen(colour::kNavy);
    painter.setFont(Font(8, true));
    painter.drawText(QRectF(22, 124, 140, 14), Qt::AlignCenter, QStringLiteral("AUREL"));
}

// A ground heat exchanger: a brine loop laid in the soil below the frost line, feeding a
// coil in the fresh-air duct of the house above.
void GroundExchanger(QPainter& painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(kSoil.lighter(125));
    painter.drawRect(QRectF(0, 74, 200, 76));
    painter.setBrush(QColor(96, 150, 70));
    painter.drawRect(QRectF(0, 70, 200, 5));
    QPainterPath soil;
    soil.addRect(QRectF(0, 75, 200, 75));
    shapes::Hatch(painter, soil, kSoil, 9);

    // The house wall with the duct and its coil.
    painter.setPen(OutlinePen());
    painter.setBrush(QColor(232, 226, 214));
    painter.drawRect(QRectF(150, 14, 42, 58));
    HorizontalBody(painter, QRectF(96, 30, 56, 16), colour::kGalvanised);
    Box(painter, QRectF(110, 26, 22, 24), QPointF(6, -5), QColor(70, 130, 190));
    AirArrow(painter, QPointF(70, 38), QPointF(104, 38));

    // The loop: down from the coil, three runs to and fro in the ground, and back up.
    QPainterPath loop;
    loop.moveTo(116, 50);
    loop.lineTo(116, 92);
    loop.lineTo(30, 92);
    loop.arcTo(QRectF(22, 92, 16, 16), 90, 180);
    loop.lineTo(96, 108);
    loop.arcTo(QRectF(88, 108, 16, 16), 90, -180);
    loop.lineTo(30, 124);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kWarm, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(loop);
    QPainterPath back;
    back.moveTo(30, 124);
    back.arcTo(QRectF(22, 124, 16, 12), 90, 180);
    back.lineTo(128, 136);
    back.lineTo(128, 50);
    painter.setPen(QPen(kCold, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(back);
    painter.setPen(OutlinePen(0.8));
    painter.setBrush(colour::kDarkSteel.lighter(130));
    painter.drawEllipse(QPointF(128, 64), 6, 6); // the brine pump
}

// A heating and ventilation unit hung on a wall: a square cabinet with the fan at the back,
// a water coil and adjustable louvres blowing warm air down into the room.
void HeaterUnit(QPainter& painter)
{
    VerticalBody(painter, QRectF(34, 8, 9, 134), QColor(226, 222, 214)); // the wall
    Box(painter, QRectF(44, 30, 96, 96), QPointF(28, -18), QColor(226, 230, 234));
    // The louvres of the outlet.
    painter.setPen(OutlinePen(0.8));
    painter.setBrush(kOpening);
    painter.drawRect(QRectF(54, 40, 76, 76));
    for (qreal y = 44; y < 114; y += 9) VerticalBody(painter, QRectF(56, y, 72, 4), colour::kSteel);
    // The water connections of the coil.
    for (const qreal y : {54.0, 70.0}) {
        painter.setPen(OutlinePen(0.8));
        painter.setBrush(y < 60 ? kWarm : kCold);
        painter.drawRect(QRectF(140, y, 26, 6));
    }
    DrawArrow(painter, QPointF(92, 126), QPointF(92, 146), kWarm, 2.4);
    DrawArrow(painter, QPointF(70, 126), QPointF(58, 146), kWarm, 2.0);
    DrawArrow(painter, QPointF(114, 126), QPointF(126, 146), kWarm, 2.0);
    painter.setPen(colour::kNavy);
    painter.setFont(Font(8, true));
    painter.drawText(QRectF(54, 14, 76, 14), Qt::AlignCenter, QStringLiteral("BOREAL"));
}

// A wall fan: a square plate with the motor and wheel in a short inlet ring.
void WallFan(QPainter& painter)
{
    VerticalBody(painter, QRectF(18, 6, 164, 140), QColor(228, 224, 216)); // the wall
    QPainterPath plate;
    plate.addRoundedRect(QRectF(40, 16, 120, 120), 6, 6);
    VerticalPath(painter, plate, colour::kGalvanised);
    painter.setPen(OutlinePen(0.8));
    painter.setBrush(colour::kDarkSteel);
    for (const QPointF corner : {QPointF(48, 24), QPointF(152, 24), QPointF(48, 128), QPointF(152, 128)}) {
        painter.drawEllipse(corner, 2.5, 2.5);
    }
    painter.setBrush(MetalAcross(48, 152, colour::kSteel));
    painter.drawEllipse(QPointF(100, 76), 52, 52);
    GuardedFan(painter, QPointF(100, 76), 44);
}

void RoundDuctFan(QPainter& painter)
{
    DrawProduct(painter, ProductKind::DuctFanRound, QRectF(0, 0, kShapeWidth, kShapeHeight));
}

} // namespace

QImage NewProductPicture(NewProduct product)
{
    QImage image = Canvas(kWidth, kHeight, Qt::white);
    QPainter painter(&image);
    PrepareTidy(painter);
    QLinearGradient ground(0, 0, 0, kHeight);
    ground.setColorAt(0, QColor(255, 255, 255));
    ground.setColorAt(1, QColor(220, 232, 242));
    painter.fillRect(QRectF(0, 0, kWidth, kHeight), ground);

    // The drawing on the common 200 × 150 sheet, scaled into the picture under the emblem.
    const QRectF box(10, 34, kWidth - 20, kHeight - 44);
    const qreal scale = std::min(box.width() / kShapeWidth, box.height() / kShapeHeight);
    painter.save();
    painter.translate(box.center().x() - kShapeWidth * scale / 2, box.center().y() - kShapeHeight * scale / 2);
    painter.scale(scale, scale);
    switch (product) {
    case NewProduct::HeatRecovery: HeatRecovery(painter); break;
    case NewProduct::GroundExchanger: GroundExchanger(painter); break;
    case NewProduct::HeaterUnit: HeaterUnit(painter); break;
    case NewProduct::WallFan: WallFan(painter); break;
    case NewProduct::RoundDuctFan: RoundDuctFan(painter); break;
    }
    painter.restore();

    // No words: the same picture serves every language.
    painter.setPen(QPen(colour::kTeal, 2));
    painter.drawLine(QPointF(10, 28), QPointF(kWidth - 40, 28));
    DrawFanEmblem(painter, QPointF(kWidth - 20, 18), 13, colour::kBlue, colour::kNavy);
    return image;
}

} // namespace kalvintera::pictures
