#include "product_shapes.h"

#include "picture_kit.h"
#include "shapes_internal.h"

#include <algorithm>

namespace kalvintera::pictures {

namespace shapes {

QPen OutlinePen(qreal width)
{
    return QPen(QColor(44, 52, 62), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void VerticalBody(QPainter& painter, const QRectF& body, QColor colour)
{
    QPainterPath path;
    path.addRect(body);
    VerticalPath(painter, path, colour);
}

void HorizontalBody(QPainter& painter, const QRectF& body, QColor colour)
{
    QPainterPath path;
    path.addRect(body);
    HorizontalPath(painter, path, colour);
}

void VerticalPath(QPainter& painter, const QPainterPath& path, QColor colour)
{
    const QRectF bounds = path.boundingRect();
    painter.setPen(OutlinePen());
    painter.setBrush(MetalAcross(bounds.left(), bounds.right(), colour));
    painter.drawPath(path);
}

void HorizontalPath(QPainter& painter, const QPainterPath& path, QColor colour)
{
    const QRectF bounds = path.boundingRect();
    painter.setPen(OutlinePen());
    painter.setBrush(MetalDown(bounds.top(), bounds.bottom(), colour));
    painter.drawPath(path);
}

void RoofSlab(QPainter& painter, qreal y)
{
    // The slab fades out at both ends, so it reads as a piece of a larger roof.
    const qreal left = -10;
    const qreal right = kShapeWidth + 10;
    auto faded = [&](QColor colour) {
        QLinearGradient fade(left, 0, right, 0);
        QColor clear = colour;
        clear.setAlpha(0);
        fade.setColorAt(0.0, clear);
        fade.setColorAt(0.2, colour);
        fade.setColorAt(0.8, colour);
        fade.setColorAt(1.0, clear);
        return QBrush(fade);
    };
    painter.setPen(Qt::NoPen);
    painter.setBrush(faded(QColor(176, 181, 186)));
    painter.drawRect(QRectF(left, y, right - left, kShapeHeight - y + 10));
    painter.setBrush(faded(QColor(96, 102, 110)));
    painter.drawRect(QRectF(left, y, right - left, 1.4));
}

void RoofCurb(QPainter& painter, qreal centre_x, qreal top_width, qreal top_y, qreal foot_y)
{
    const qreal half = top_width / 2;
    const qreal flare = (foot_y - top_y) * 0.18;
    QPainterPath curb;
    curb.moveTo(centre_x - half + 6, top_y + 4);
    curb.lineTo(centre_x + half - 6, top_y + 4);
    curb.lineTo(centre_x + half - 6 + flare, foot_y - 4);
    curb.lineTo(centre_x - half + 6 - flare, foot_y - 4);
    curb.closeSubpath();
    VerticalPath(painter, curb, colour::kGalvanised);
    // The roof-side flange and the flange the fan is bolted to.
    VerticalBody(painter, QRectF(centre_x - half - flare - 4, foot_y - 4, top_width + 2 * flare + 8, 4),
                 colour::kGalvanised);
    VerticalBody(painter, QRectF(centre_x - half, top_y, top_width, 4), colour::kGalvanised);
}

void Hatch(QPainter& painter, const QPainterPath& area, QColor colour, qreal spacing)
{
    painter.save();
    painter.setClipPath(area, Qt::IntersectClip);
    painter.setPen(QPen(colour, 0.7));
    const QRectF bounds = area.boundingRect();
    for (qreal x = bounds.left() - bounds.height(); x < bounds.right(); x += spacing) {
        painter.drawLine(QPointF(x, bounds.bottom()), QPointF(x + bounds.height(), bounds.top()));
    }
    painter.restore();
}

void AirArrow(QPainter& painter, QPointF from, QPointF to)
{
    DrawArrow(painter, from, to, QColor(20, 150, 150, 220), 2.4);
}

void GenericProduct(QPainter& painter)
{
    VerticalBody(painter, QRectF(55, 30, 90, 95), colour::kSteel);
    DrawFanEmblem(painter, QPointF(100, 77), 30, colour::kBlue, colour::kNavy);
}

} // namespace shapes

void DrawProduct(QPainter& painter, ProductKind kind, const QRectF& box)
{
    painter.save();
    const qreal scale = std::min(box.width() / kShapeWidth, box.height() / kShapeHeight);
    painter.translate(box.center());
    painter.scale(scale, scale);
    painter.translate(-kShapeWidth / 2, -kShapeHeight / 2);
    painter.setClipRect(QRectF(0, 0, kShapeWidth, kShapeHeight));

    using namespace shapes;
    switch (kind) {
    case ProductKind::RoofFanHorizontal: RoofFanHorizontal(painter); break;
    case ProductKind::RoofFanVertical: RoofFanVertical(painter); break;
    case ProductKind::RadialFan: RadialFan(painter); break;
    case ProductKind::DuctFanRound: DuctFanRound(painter); break;
    case ProductKind::DuctFanRectangular: DuctFanRectangular(painter); break;
    case ProductKind::CylindricalVentilator: CylindricalVentilator(painter); break;
    case ProductKind::IntegratedVentilator: IntegratedVentilator(painter); break;
    case ProductKind::Silencer: Silencer(painter); break;
    case ProductKind::RoofBase: RoofBase(painter); break;
    case ProductKind::SilencingRoofBase: SilencingRoofBase(painter); break;
    case ProductKind::SpeedController: SpeedController(painter); break;
    case ProductKind::ElectronicController: ElectronicController(painter); break;
    case ProductKind::FrequencyConverter: FrequencyConverter(painter); break;
    case ProductKind::ServiceSwitch: ServiceSwitch(painter); break;
    case ProductKind::BackdraftDamper: BackdraftDamper(painter); break;
    case ProductKind::FlexibleConnector: FlexibleConnector(painter); break;
    case ProductKind::Other: GenericProduct(painter); break;
    }
    painter.restore();
}

} // namespace kalvintera::pictures
