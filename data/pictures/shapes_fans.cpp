// The fans and gravity ventilators, drawn in elevation on the 200 × 150 sheet.

#include "picture_kit.h"
#include "shapes_internal.h"

#include <QtMath>

namespace kalvintera::pictures::shapes {
namespace {

constexpr QColor kMotorBlue{62, 108, 156};
constexpr QColor kOpening{46, 52, 60};

// The bottom part shared by both roof fan housings: roof, curb and the fan's base plate.
void RoofFanFoot(QPainter& painter)
{
    RoofSlab(painter, 134);
    RoofCurb(painter, 100, 98, 104, 134);
    VerticalBody(painter, QRectF(44, 96, 112, 8), colour::kSteel);
}

// An impeller seen through its inlet: dark eye, curved blades, hub.
void ImpellerEye(QPainter& painter, QPointF centre, qreal radius, int blades)
{
    painter.setPen(OutlinePen());
    painter.setBrush(MetalAcross(centre.x() - radius - 4, centre.x() + radius + 4, colour::kDarkSteel));
    painter.drawEllipse(centre, radius + 4, radius + 4);
    painter.setBrush(kOpening);
    painter.drawEllipse(centre, radius, radius);
    painter.save();
    painter.translate(centre);
    painter.setPen(QPen(QColor(170, 180, 190), radius * 0.09, Qt::SolidLine, Qt::RoundCap));
    QPainterPath blade;
    blade.moveTo(0, -radius * 0.35);
    blade.quadTo(radius * 0.45, -radius * 0.6, radius * 0.3, -radius * 0.92);
    for (int k = 0; k < blades; ++k) {
        painter.drawPath(blade);
        painter.rotate(360.0 / blades);
    }
    painter.setPen(OutlinePen(0.8));
    painter.setBrush(colour::kSteel);
    painter.drawEllipse(QPointF(0, 0), radius * 0.3, radius * 0.3);
    painter.restore();
}

} // namespace

void RoofFanHorizontal(QPainter& painter)
{
    RoofFanFoot(painter);

    // The discharge ring between hood and base: open slots between louvre posts.
    painter.setPen(Qt::NoPen);
    painter.setBrush(kOpening);
    painter.drawRect(QRectF(52, 86, 96, 10));
    for (qreal x = 52; x <= 146; x += 11.75) VerticalBody(painter, QRectF(x, 86, 2.5, 10), colour::kSteel);

    QPainterPath hood;
    hood.moveTo(34, 86);
    hood.lineTo(34, 81);
    hood.cubicTo(38, 58, 68, 44, 100, 44);
    hood.cubicTo(132, 44, 162, 58, 166, 81);
    hood.lineTo(166, 86);
    hood.closeSubpath();
    VerticalPath(painter, hood, colour::kSteel);
    VerticalBody(painter, QRectF(32, 82, 136, 5), colour::kGalvanised);

    // Motor cap on the crown.
    QPainterPath cap;
    cap.addRoundedRect(QRectF(86, 33, 28, 13), 3, 3);
    VerticalPath(painter, cap, colour::kDarkSteel.lighter(130));

    AirArrow(painter, QPointF(48, 91), QPointF(8, 91));
    AirArrow(painter, QPointF(152, 91), QPointF(192, 91));
}

void RoofFanVertical(QPainter& painter)
{
    RoofFanFoot(painter);

    QPainterPath housing;
    housing.moveTo(52, 96);
    housing.lineTo(148, 96);
    housing.lineTo(141, 54);
    housing.lineTo(59, 54);
    housing.closeSubpath();
    VerticalPath(painter, housing, colour::kSteel);
    painter.setPen(QPen(colour::kDarkSteel, 0.8));
    painter.drawLine(QPointF(56, 72), QPointF(144, 72));

    // Terminal box on the side of the housing.
    VerticalBody(painter, QRectF(144, 70, 10, 12), colour::kDarkSteel.lighter(120));

    // Discharge collar with its guard grid seen from slightly above.
    VerticalBody(painter, QRectF(53, 46, 94, 8), colour::kGalvanised);
    const QRectF opening(57, 40, 86, 12);
    painter.setPen(OutlinePen());
    painter.setBrush(kOpening);
    painter.drawEllipse(opening);
    painter.save();
    QPainterPath clip;
    clip.addEllipse(opening);
    painter.setClipPath(clip, Qt::IntersectClip);
    painter.setPen(QPen(QColor(150, 160, 170), 0.8));
    for (qreal x = opening.left() + 6; x < opening.right(); x += 7) {
        painter.drawLine(QPointF(x, opening.top()), QPointF(x, opening.bottom()));
    }
    painter.drawLine(QPointF(opening.left(), opening.center().y()), QPointF(opening.right(), opening.center().y()));
    painter.restore();

    AirArrow(painter, QPointF(80, 40), QPointF(80, 6));
    AirArrow(painter, QPointF(120, 40), QPointF(120, 6));
}

void RadialFan(QPainter& painter)
{
    const QPointF centre(78, 76);
    const qreal tongue_radius = 36;
    const qreal outer_radius = 58;
    auto on_spiral = [&](qreal degrees, qreal radius) {
        const qreal a = qDegreesToRadians(degrees);
        return QPointF(centre.x() + radius * qSin(a), centre.y() - radius * qCos(a));
    };

    // Motor behind the casing, on its own support.
    VerticalBody(painter, QRectF(40, 128, 150, 8), colour::kDarkSteel);
    VerticalBody(painter, QRectF(centre.x() + 42, 120, 52, 8), colour::kDarkSteel.lighter(120));
    HorizontalBody(painter, QRectF(centre.x() + 24, centre.y() + 4, 74, 40), kMotorBlue);
    painter.setPen(QPen(kMotorBlue.darker(150), 0.7));
    for (qreal y = centre.y() + 10; y < centre.y() + 40; y += 5) {
        painter.drawLine(QPointF(centre.x() + 50, y), QPointF(centre.x() + 92, y));
    }
    QPainterPath end_cap;
    end_cap.addRoundedRect(QRectF(centre.x() + 94, centre.y() + 8, 10, 32), 4, 4);
    HorizontalPath(painter, end_cap, kMotorBlue.darker(115));

    // Spiral casing: the radius grows from the tongue round to the outlet, which leaves upwards.
    QPainterPath casing;
    const int steps = 90;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = static_cast<qreal>(i) / steps;
        const QPointF point = on_spiral(290 + 340 * t, tongue_radius + (outer_radius - tongue_radius) * t);
        if (i == 0) casing.moveTo(point); else casing.lineTo(point);
    }
    const QPointF tongue = on_spiral(290, tongue_radius);
    const qreal outlet_top = 12;
    casing.lineTo(centre.x() - outer_radius, outlet_top);
    casing.lineTo(tongue.x(), outlet_top);
    casing.closeSubpath();
    VerticalPath(painter, casing, colour::kSteel);
    VerticalBody(painter, QRectF(centre.x() - outer_radius - 4, outlet_top - 5, outer_radius - tongue_radius + 8 - 4, 5),
                 colour::kGalvanised);

    ImpellerEye(painter, centre, 22, 9);

    AirArrow(painter, QPointF(centre.x() - 46, 34), QPointF(centre.x() - 46, 0));
}

void DuctFanRound(QPainter& painter)
{
    const qreal cy = 72;
    HorizontalBody(painter, QRectF(6, cy - 16, 42, 32), colour::kGalvanised);
    HorizontalBody(painter, QRectF(152, cy - 16, 42, 32), colour::kGalvanised);
    QPainterPath inlet_cone;
    inlet_cone.moveTo(48, cy - 16);
    inlet_cone.lineTo(62, cy - 34);
    inlet_cone.lineTo(62, cy + 34);
    inlet_cone.lineTo(48, cy + 16);
    inlet_cone.closeSubpath();
    HorizontalPath(painter, inlet_cone, colour::kGalvanised);
    QTransform mirror;
    mirror.translate(200, 0);
    mirror.scale(-1, 1);
    HorizontalPath(painter, mirror.map(inlet_cone), colour::kGalvanised);

    HorizontalBody(painter, QRectF(62, cy - 36, 76, 72), colour::kSteel);
    HorizontalBody(painter, QRectF(66, cy - 37, 5, 74), colour::kDarkSteel.lighter(130));
    HorizontalBody(painter, QRectF(129, cy - 37, 5, 74), colour::kDarkSteel.lighter(130));

    // Terminal box and rating plate.
    VerticalBody(painter, QRectF(88, cy - 47, 26, 11), colour::kDarkSteel.lighter(120));
    painter.setPen(OutlinePen(0.6));
    painter.setBrush(QColor(240, 242, 244));
    painter.drawRect(QRectF(84, cy - 8, 32, 16));
    painter.setPen(QPen(QColor(120, 128, 136), 0.8));
    for (qreal y = cy - 4; y < cy + 6; y += 3.5) painter.drawLine(QPointF(88, y), QPointF(112, y));

    AirArrow(painter, QPointF(24, 130), QPointF(176, 130));
}

void DuctFanRectangular(QPainter& painter)
{
    const QRectF front(22, 54, 122, 76);
    const QPointF depth(34, -24);

    QPolygonF top;
    top << front.topLeft() << front.topRight() << front.topRight() + depth << front.topLeft() + depth;
    QPolygonF side;
    side << front.topRight() << front.topRight() + depth << front.bottomRight() + depth << front.bottomRight();
    painter.setPen(OutlinePen());
    painter.setBrush(colour::kSteel.lighter(118));
    painter.drawPolygon(top);
    painter.setBrush(MetalDown(side.boundingRect().top(), side.boundingRect().bottom(), colour::kSteel.darker(112)));
    painter.drawPolygon(side);

    // Terminal box on the side face.
    QPolygonF box;
    const QPointF corner = front.topRight() + QPointF(10, 12);
    box << corner << corner + QPointF(14, -10) << corner + QPointF(14, 8) << corner + QPointF(0, 18);
    painter.setBrush(colour::kDarkSteel.lighter(125));
    painter.drawPolygon(box);

    // Front flange frame around the opening, the impeller inside.
    painter.setBrush(MetalAcross(front.left(), front.right(), colour::kGalvanised));
    painter.drawRect(front);
    const QRectF opening = front.adjusted(7, 7, -7, -7);
    painter.setBrush(kOpening);
    painter.drawRect(opening);
    ImpellerEye(painter, opening.center(), 24, 11);
    painter.setPen(QPen(colour::kDarkSteel, 0.6));
    for (const QPointF& hole : {front.topLeft() + QPointF(3.5, 3.5), front.topRight() + QPointF(-3.5, 3.5),
                                front.bottomLeft() + QPointF(3.5, -3.5), front.bottomRight() + QPointF(-3.5, -3.5)}) {
        painter.setBrush(kOpening);
        painter.drawEllipse(hole, 1.5, 1.5);
    }

    AirArrow(painter, QPointF(10, 142), QPointF(150, 142));
}

void CylindricalVentilator(QPainter& painter)
{
    RoofSlab(painter, 136);
    VerticalBody(painter, QRectF(84, 104, 32, 32), colour::kGalvanised);
    QPainterPath skirt;
    skirt.moveTo(84, 106);
    skirt.lineTo(116, 106);
    skirt.lineTo(142, 92);
    skirt.lineTo(58, 92);
    skirt.closeSubpath();
    VerticalPath(painter, skirt, colour::kGalvanised);

    // The shell with its slots, open towards the cap.
    VerticalBody(painter, QRectF(58, 58, 84, 34), colour::kGalvanised);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kOpening);
    for (qreal y = 64; y < 88; y += 8) painter.drawRect(QRectF(62, y, 76, 3));

    for (qreal x : {66.0, 99.0, 132.0}) VerticalBody(painter, QRectF(x - 1, 46, 2.5, 12), colour::kDarkSteel);
    QPainterPath cap;
    cap.moveTo(44, 48);
    cap.cubicTo(56, 34, 78, 26, 100, 26);
    cap.cubicTo(122, 26, 144, 34, 156, 48);
    cap.lineTo(156, 50);
    cap.lineTo(44, 50);
    cap.closeSubpath();
    VerticalPath(painter, cap, colour::kGalvanised);

    AirArrow(painter, QPointF(6, 40), QPointF(40, 40));
    AirArrow(painter, QPointF(150, 54), QPointF(186, 54));
}

void IntegratedVentilator(QPainter& painter)
{
    RoofSlab(painter, 136);
    VerticalBody(painter, QRectF(82, 110, 36, 26), colour::kGalvanised);
    VerticalBody(painter, QRectF(68, 84, 64, 26), kMotorBlue);
    painter.setPen(OutlinePen(0.6));
    painter.setBrush(QColor(244, 246, 248));
    painter.drawRect(QRectF(88, 91, 24, 12));
    VerticalBody(painter, QRectF(64, 80, 72, 5), colour::kGalvanised);

    // Turbine head: a globe of curved vanes.
    const QRectF head(54, 24, 92, 58);
    painter.setPen(OutlinePen());
    painter.setBrush(MetalAcross(head.left(), head.right(), colour::kGalvanised));
    painter.drawEllipse(head);
    painter.save();
    QPainterPath clip;
    clip.addEllipse(head);
    painter.setClipPath(clip, Qt::IntersectClip);
    painter.setPen(QPen(colour::kDarkSteel, 0.9));
    for (int k = -5; k <= 5; ++k) {
        const qreal x = head.center().x() + k * 8.5;
        QPainterPath vane;
        vane.moveTo(x - 6, head.top());
        vane.cubicTo(x + 8, head.top() + 18, x + 8, head.bottom() - 18, x - 6, head.bottom());
        painter.drawPath(vane);
    }
    painter.restore();
    QPainterPath crown;
    crown.addRoundedRect(QRectF(90, 19, 20, 8), 3, 3);
    VerticalPath(painter, crown, colour::kDarkSteel.lighter(130));

    AirArrow(painter, QPointF(58, 46), QPointF(24, 30));
    AirArrow(painter, QPointF(142, 46), QPointF(176, 30));
}

} // namespace kalvintera::pictures::shapes
