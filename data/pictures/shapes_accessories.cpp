// The accessories: silencers, roof bases, controllers, switch, damper and connector.

#include "picture_kit.h"
#include "shapes_internal.h"

#include <QtMath>

namespace kalvintera::pictures::shapes {
namespace {

constexpr QColor kWool{232, 206, 120};
constexpr QColor kOpening{46, 52, 60};

// An electrical enclosure: rounded body, a lid seam, and cable glands underneath.
void Enclosure(QPainter& painter, const QRectF& body, QColor colour, int glands)
{
    for (int k = 0; k < glands; ++k) {
        const qreal x = body.left() + body.width() * (k + 1) / (glands + 1);
        VerticalBody(painter, QRectF(x - 5, body.bottom() - 1, 10, 8), QColor(60, 64, 70));
    }
    QPainterPath shell;
    shell.addRoundedRect(body, 6, 6);
    VerticalPath(painter, shell, colour);
    painter.setPen(QPen(colour.darker(135), 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(body.adjusted(4, 4, -4, -4), 4, 4);
}

// A rotary knob with a pointer at `degrees` (0 = up, clockwise).
void Knob(QPainter& painter, QPointF centre, qreal radius, qreal degrees, QColor colour)
{
    QRadialGradient shade(centre - QPointF(radius * 0.35, radius * 0.35), radius * 1.4);
    shade.setColorAt(0, colour.lighter(160));
    shade.setColorAt(1, colour.darker(140));
    painter.setPen(OutlinePen());
    painter.setBrush(shade);
    painter.drawEllipse(centre, radius, radius);
    const qreal a = qDegreesToRadians(degrees);
    painter.setPen(QPen(Qt::white, radius * 0.16, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre + QPointF(radius * 0.2 * qSin(a), -radius * 0.2 * qCos(a)),
                     centre + QPointF(radius * 0.82 * qSin(a), -radius * 0.82 * qCos(a)));
}

void Lamp(QPainter& painter, QPointF centre, QColor colour)
{
    painter.setPen(OutlinePen(0.6));
    painter.setBrush(colour);
    painter.drawEllipse(centre, 3, 3);
}

void MakerStripe(QPainter& painter, const QRectF& stripe)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour::kNavy);
    painter.drawRect(stripe);
    painter.setPen(Qt::white);
    painter.setFont(Font(7, true));
    painter.drawText(stripe, Qt::AlignCenter, QStringLiteral("KALVINTERA"));
}

} // namespace

void Silencer(QPainter& painter)
{
    const qreal cy = 72;
    HorizontalBody(painter, QRectF(4, cy - 17, 38, 34), colour::kGalvanised);
    HorizontalBody(painter, QRectF(158, cy - 17, 38, 34), colour::kGalvanised);
    QPainterPath cone;
    cone.moveTo(42, cy - 17);
    cone.lineTo(56, cy - 38);
    cone.lineTo(56, cy + 38);
    cone.lineTo(42, cy + 17);
    cone.closeSubpath();
    HorizontalPath(painter, cone, colour::kGalvanised);
    QTransform mirror;
    mirror.translate(200, 0);
    mirror.scale(-1, 1);
    HorizontalPath(painter, mirror.map(cone), colour::kGalvanised);
    HorizontalBody(painter, QRectF(56, cy - 38, 88, 76), colour::kGalvanised);

    // A cut-away quarter shows the mineral wool round the perforated inner tube.
    const QRectF cut(100, cy - 38, 44, 38);
    QPainterPath wool;
    wool.addRect(QRectF(cut.left(), cut.top(), cut.width(), 21));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kWool);
    painter.drawPath(wool);
    Hatch(painter, wool, kWool.darker(150), 4);
    painter.setBrush(kOpening);
    painter.drawRect(QRectF(cut.left(), cy - 17, cut.width(), 17));
    painter.setBrush(QColor(150, 156, 162));
    painter.drawRect(QRectF(cut.left(), cy - 17, cut.width(), 2.5));
    painter.setBrush(kOpening);
    for (qreal x = cut.left() + 2; x < cut.right(); x += 4) painter.drawEllipse(QPointF(x, cy - 15.75), 0.8, 0.8);
    painter.setPen(OutlinePen());
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(cut);

    AirArrow(painter, QPointF(20, 130), QPointF(180, 130));
}

void RoofBase(QPainter& painter)
{
    RoofSlab(painter, 124);
    RoofCurb(painter, 100, 124, 50, 124);
    // Insulation lining shown dashed inside the walls, the gasket on the top flange.
    painter.setPen(QPen(colour::kDarkSteel, 0.8, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(50, 58), QPointF(48, 116));
    painter.drawLine(QPointF(150, 58), QPointF(152, 116));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 40, 44));
    painter.drawRect(QRectF(42, 47, 116, 3));
    for (qreal x : {46.0, 154.0}) VerticalBody(painter, QRectF(x - 2, 42, 4, 6), colour::kDarkSteel);
}

void SilencingRoofBase(QPainter& painter)
{
    RoofSlab(painter, 130);
    RoofCurb(painter, 100, 124, 22, 130);

    // Cut-away front: absorbing splitters with air passages between them.
    const QRectF window(60, 34, 80, 84);
    painter.setPen(OutlinePen());
    painter.setBrush(kOpening);
    painter.drawRect(window);
    for (const QRectF& splitter_box : {QRectF(60, 34, 10, 84), QRectF(93, 34, 14, 84), QRectF(130, 34, 10, 84)}) {
        QPainterPath splitter;
        splitter.addRect(splitter_box);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kWool);
        painter.drawPath(splitter);
        Hatch(painter, splitter, kWool.darker(150), 4);
    }
    painter.setPen(OutlinePen());
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(window);

    AirArrow(painter, QPointF(81.5, 112), QPointF(81.5, 40));
    AirArrow(painter, QPointF(118.5, 112), QPointF(118.5, 40));
}

void SpeedController(QPainter& painter)
{
    const QRectF body(50, 12, 100, 124);
    Enclosure(painter, body, QColor(214, 218, 222), 3);
    MakerStripe(painter, QRectF(body.left() + 6, body.top() + 8, body.width() - 12, 12));

    const QPointF centre(100, 80);
    painter.setFont(Font(9, true));
    painter.setPen(colour::kInk);
    for (int step = 0; step <= 5; ++step) {
        const qreal a = qDegreesToRadians(-120.0 + 48.0 * step);
        const QPointF at = centre + QPointF(33 * qSin(a), -33 * qCos(a));
        painter.drawText(QRectF(at.x() - 6, at.y() - 6, 12, 12), Qt::AlignCenter, QString::number(step));
        painter.drawLine(centre + QPointF(24 * qSin(a), -24 * qCos(a)), centre + QPointF(27 * qSin(a), -27 * qCos(a)));
    }
    Knob(painter, centre, 19, 72, QColor(40, 44, 50));
    Lamp(painter, QPointF(136, 40), QColor(80, 200, 80));
    Lamp(painter, QPointF(136, 50), QColor(230, 60, 50));
}

void ElectronicController(QPainter& painter)
{
    const QRectF body(60, 26, 80, 104);
    Enclosure(painter, body, QColor(236, 238, 240), 2);
    MakerStripe(painter, QRectF(body.left() + 6, body.top() + 8, body.width() - 12, 11));

    // A continuous scale from slow (green) to full speed (red).
    const QPointF centre(100, 82);
    const QRectF arc(centre.x() - 27, centre.y() - 27, 54, 54);
    QConicalGradient scale(centre, 90);
    scale.setColorAt(0.0, QColor(220, 60, 40));
    scale.setColorAt(0.35, QColor(240, 200, 40));
    scale.setColorAt(0.66, QColor(60, 170, 70));
    scale.setColorAt(1.0, QColor(220, 60, 40));
    painter.setPen(QPen(QBrush(scale), 5, Qt::SolidLine, Qt::FlatCap));
    painter.drawArc(arc, 210 * 16, -240 * 16);
    painter.setFont(Font(7));
    painter.setPen(colour::kInk);
    painter.drawText(QRectF(centre.x() - 34, centre.y() + 22, 24, 10), Qt::AlignCenter, QStringLiteral("min"));
    painter.drawText(QRectF(centre.x() + 10, centre.y() + 22, 24, 10), Qt::AlignCenter, QStringLiteral("max"));
    Knob(painter, centre, 17, 40, QColor(225, 228, 232));
    painter.setPen(QPen(colour::kRed, 2.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre + QPointF(17 * 0.25 * qSin(qDegreesToRadians(40.0)), -17 * 0.25 * qCos(qDegreesToRadians(40.0))),
                     centre + QPointF(17 * 0.8 * qSin(qDegreesToRadians(40.0)), -17 * 0.8 * qCos(qDegreesToRadians(40.0))));
    Lamp(painter, QPointF(126, 118), QColor(80, 200, 80));
}

void FrequencyConverter(QPainter& painter)
{
    // Cooling fins down the side, then the case.
    painter.setPen(OutlinePen(0.7));
    for (qreal y = 20; y < 134; y += 6) {
        painter.setBrush(colour::kSteel);
        painter.drawRect(QRectF(140, y, 12, 3.5));
    }
    const QRectF body(54, 12, 88, 126);
    Enclosure(painter, body, QColor(78, 86, 96), 0);
    QPainterPath panel;
    panel.addRoundedRect(QRectF(62, 22, 72, 72), 4, 4);
    painter.setPen(OutlinePen(0.8));
    painter.setBrush(QColor(200, 206, 212));
    painter.drawPath(panel);

    const QRectF display(70, 30, 56, 22);
    painter.setBrush(QColor(28, 60, 44));
    painter.drawRect(display);
    painter.setPen(QColor(130, 240, 150));
    painter.setFont(Font(11, true));
    painter.drawText(display, Qt::AlignCenter, QStringLiteral("50.0 Hz"));

    const QColor keys[6] = {QColor(90, 96, 104), QColor(90, 96, 104), QColor(90, 96, 104),
                            QColor(60, 160, 70), QColor(90, 96, 104), QColor(210, 50, 40)};
    for (int k = 0; k < 6; ++k) {
        const QRectF key(72 + (k % 3) * 18, 60 + (k / 3) * 14, 14, 10);
        painter.setPen(OutlinePen(0.6));
        painter.setBrush(keys[k]);
        painter.drawRoundedRect(key, 2, 2);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 44, 50));
    for (qreal y = 104; y < 130; y += 5) painter.drawRoundedRect(QRectF(70, y, 56, 2.5), 1, 1);
}

void ServiceSwitch(QPainter& painter)
{
    const QRectF body(58, 30, 84, 96);
    Enclosure(painter, body, QColor(206, 210, 214), 2);
    const QRectF plate(70, 46, 60, 60);
    painter.setPen(OutlinePen(0.8));
    painter.setBrush(QColor(244, 200, 40));
    painter.drawRoundedRect(plate, 3, 3);
    painter.setFont(Font(10, true));
    painter.setPen(colour::kInk);
    painter.drawText(QRectF(plate.left(), plate.top() + 1, 18, 14), Qt::AlignCenter, QStringLiteral("0"));
    painter.drawText(QRectF(plate.right() - 18, plate.top() + 1, 18, 14), Qt::AlignCenter, QStringLiteral("I"));

    const QPointF centre = plate.center();
    painter.setPen(OutlinePen());
    painter.setBrush(QColor(200, 36, 30));
    painter.drawEllipse(centre, 18, 18);
    painter.save();
    painter.translate(centre);
    painter.rotate(-45);
    QLinearGradient handle(0, -6, 0, 6);
    handle.setColorAt(0, QColor(235, 70, 60));
    handle.setColorAt(1, QColor(150, 20, 20));
    painter.setBrush(handle);
    painter.drawRoundedRect(QRectF(-26, -6, 52, 12), 5, 5);
    painter.restore();
}

void BackdraftDamper(QPainter& painter)
{
    const QPointF centre(96, 78);
    const qreal radius = 54;
    // The short duct piece seen obliquely: far rim, the tube between the rims, front flange.
    const QPointF depth(18, -12);
    const QLineF along(QPointF(0, 0), depth);
    const QPointF across = QPointF(-along.unitVector().dy(), along.unitVector().dx()) * radius;
    const QBrush tube_shade = MetalAcross(centre.x() - radius, centre.x() + radius + depth.x(), colour::kGalvanised);
    painter.setPen(OutlinePen());
    painter.setBrush(tube_shade);
    painter.drawEllipse(centre + depth, radius, radius);
    const QPointF tube[4] = {centre + across, centre + depth + across, centre + depth - across, centre - across};
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(tube, 4);
    painter.setPen(OutlinePen());
    painter.drawLine(tube[0], tube[1]);
    painter.drawLine(tube[2], tube[3]);
    painter.setBrush(MetalAcross(centre.x() - radius, centre.x() + radius, colour::kGalvanised));
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(kOpening);
    painter.drawEllipse(centre, radius - 7, radius - 7);

    // Two half-open flaps on the vertical axis.
    const qreal inner = radius - 9;
    for (int side : {-1, 1}) {
        QPainterPath flap;
        flap.moveTo(centre.x(), centre.y() - inner);
        flap.arcTo(QRectF(centre.x() - inner * 0.55, centre.y() - inner, inner * 1.1, inner * 2), 90, side * 180.0);
        flap.closeSubpath();
        painter.setBrush(MetalAcross(centre.x() - inner * 0.55, centre.x() + inner * 0.55, colour::kSteel.lighter(110)));
        painter.drawPath(flap);
    }
    VerticalBody(painter, QRectF(centre.x() - 2, centre.y() - inner - 2, 4, inner * 2 + 4), colour::kDarkSteel);
}

void FlexibleConnector(QPainter& painter)
{
    const qreal cy = 75;
    HorizontalBody(painter, QRectF(46, cy - 34, 108, 68), QColor(72, 76, 84));
    painter.setPen(QPen(QColor(120, 126, 134), 1.0));
    for (qreal x = 58; x < 146; x += 7) painter.drawLine(QPointF(x, cy - 33), QPointF(x, cy + 33));
    for (qreal x : {46.0, 146.0}) HorizontalBody(painter, QRectF(x, cy - 36, 8, 72), colour::kGalvanised);
    for (qreal x : {34.0, 154.0}) {
        VerticalBody(painter, QRectF(x, cy - 50, 12, 100), colour::kGalvanised);
        painter.setPen(OutlinePen(0.6));
        painter.setBrush(kOpening);
        for (qreal y : {cy - 42, cy, cy + 42}) painter.drawEllipse(QPointF(x + 6, y), 2, 2);
    }
    AirArrow(painter, QPointF(30, 140), QPointF(170, 140));
}

} // namespace kalvintera::pictures::shapes
