#include "dimension_views.h"

#include "dimension_kit.h"

#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace kalvintera::pictures {
namespace {

constexpr QColor kBodyFill{234, 239, 244};
constexpr qreal kGap = 30;      // from the part to its first dimension line, in pixels
constexpr qreal kStep = 26;     // between dimension lines stacked on one side

void Outline(QPainter& painter, const QPainterPath& path)
{
    painter.setPen(VisiblePen());
    painter.setBrush(kBodyFill);
    painter.drawPath(path);
}

void OutlineBox(QPainter& painter, const Sheet& sheet, qreal left, qreal bottom, qreal width, qreal height)
{
    QPainterPath path;
    path.addRect(sheet.box(left, bottom, width, height));
    Outline(painter, path);
}

QPainterPath Polygon(const Sheet& sheet, std::initializer_list<QPointF> points_mm)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF& point : points_mm) {
        const QPointF at = sheet.at(point.x(), point.y());
        if (first) path.moveTo(at); else path.lineTo(at);
        first = false;
    }
    path.closeSubpath();
    return path;
}

void HiddenBox(QPainter& painter, const Sheet& sheet, qreal left, qreal bottom, qreal width, qreal height)
{
    painter.setPen(HiddenPen());
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(sheet.box(left, bottom, width, height));
}

// ---- roof fans -------------------------------------------------------------------------

void RoofFanView(QPainter& painter, const QRectF& area, const DimensionValues& v, bool vertical)
{
    const qreal a = v.at(0, 600), b = v.at(1, 700), c = v.at(2, 500), d = v.at(3, 560), e = v.at(4, 330);
    const qreal spigot = 0.12 * c;
    const qreal plate = 0.05 * c;
    const qreal width = std::max(a, b);
    const Sheet s = FitSheet(area.adjusted(40, 60, -80, -110), -width / 2, -spigot, width, c + spigot);

    OutlineBox(painter, s, -e / 2, -spigot, e, spigot);
    OutlineBox(painter, s, -a / 2, 0, a, plate);
    qreal b_level = 0;
    if (vertical) {
        Outline(painter, Polygon(s, {{-0.45 * b, plate}, {0.45 * b, plate}, {0.4 * b, 0.85 * c}, {-0.4 * b, 0.85 * c}}));
        OutlineBox(painter, s, -b / 2, 0.85 * c, b, 0.15 * c);
        HiddenBox(painter, s, -0.3 * b, 0.3 * c, 0.6 * b, 0.25 * c);
        b_level = c;
    } else {
        OutlineBox(painter, s, -0.42 * b, plate, 0.84 * b, 0.2 * c);
        painter.setPen(QPen(QColor(30, 34, 40), 1.0));
        for (int k = 1; k < 8; ++k) {
            const qreal x = -0.42 * b + k * 0.84 * b / 8;
            painter.drawLine(s.at(x, plate), s.at(x, plate + 0.2 * c));
        }
        OutlineBox(painter, s, -b / 2, 0.25 * c, b, 0.05 * c);
        QPainterPath dome;
        dome.moveTo(s.at(-b / 2, 0.3 * c));
        dome.cubicTo(s.at(-0.48 * b, 0.6 * c), s.at(-0.25 * b, 0.86 * c), s.at(0, 0.86 * c));
        dome.cubicTo(s.at(0.25 * b, 0.86 * c), s.at(0.48 * b, 0.6 * c), s.at(b / 2, 0.3 * c));
        dome.closeSubpath();
        Outline(painter, dome);
        OutlineBox(painter, s, -0.1 * b, 0.84 * c, 0.2 * b, 0.16 * c);
        b_level = 0.25 * c;
    }
    for (int side : {-1, 1}) CentreLine(painter, s.at(side * d / 2, -0.02 * c), s.at(side * d / 2, plate + 0.02 * c));
    CentreLine(painter, s.at(0, -spigot), s.at(0, c));

    const qreal top = s.at(0, c).y();
    const qreal bottom = s.at(0, -spigot).y();
    const qreal right = s.at(width / 2, 0).x();
    HorizontalDimension(painter, s.at(-b / 2, b_level), s.at(b / 2, b_level), top - kGap, "B");
    HorizontalDimension(painter, s.at(-e / 2, -spigot), s.at(e / 2, -spigot), bottom + kGap, "E");
    HorizontalDimension(painter, s.at(-d / 2, 0), s.at(d / 2, 0), bottom + kGap + kStep, "D");
    HorizontalDimension(painter, s.at(-a / 2, 0), s.at(a / 2, 0), bottom + kGap + 2 * kStep, "A");
    VerticalDimension(painter, s.at(a / 2, 0), s.at(0.1 * b, c), right + kGap, "C");
}

// ---- radial fans -----------------------------------------------------------------------

// The casing outline of the product pictures, on their sheet (y downwards, centre at 0, 0).
std::vector<QPointF> SpiralCasing()
{
    const qreal tongue_radius = 36;
    const qreal outer_radius = 58;
    auto on_spiral = [](qreal degrees, qreal radius) {
        const qreal a = qDegreesToRadians(degrees);
        return QPointF(radius * qSin(a), -radius * qCos(a));
    };
    std::vector<QPointF> points;
    for (int i = 0; i <= 90; ++i) {
        const qreal t = i / 90.0;
        points.push_back(on_spiral(290 + 340 * t, tongue_radius + (outer_radius - tongue_radius) * t));
    }
    const QPointF tongue = on_spiral(290, tongue_radius);
    points.push_back(QPointF(-outer_radius, -66));
    points.push_back(QPointF(tongue.x(), -66));
    return points;
}

void RadialFanViews(QPainter& painter, const QRectF& area, const DimensionValues& v)
{
    // The outlet width D follows from the casing's outline; only the other sizes set proportions.
    const qreal a = v.at(0, 520), b = v.at(1, 560), c = v.at(2, 420), e = v.at(4, 140), f = v.at(5, 210);
    const QRectF front_area(area.left() + 36, area.top() + 60, area.width() * 0.56 - 44, area.height() - 170);
    const QRectF side_area(area.left() + area.width() * 0.56 + 12, area.top() + 60, area.width() * 0.44 - 24,
                           area.height() - 170);
    const qreal scale = std::min({front_area.width() / a, front_area.height() / b, side_area.width() / c,
                                  side_area.height() / b});
    const Sheet s = CentredSheet(front_area, -a / 2, 0, a, b, scale);

    // Map the casing's outline onto A × B above its pedestal.
    const std::vector<QPointF> casing = SpiralCasing();
    qreal min_x = 1e9, max_x = -1e9, min_y = 1e9, max_y = -1e9;
    for (const QPointF& p : casing) {
        min_x = std::min(min_x, p.x());
        max_x = std::max(max_x, p.x());
        min_y = std::min(min_y, p.y());
        max_y = std::max(max_y, p.y());
    }
    const qreal pedestal = 0.06 * b;
    auto mm = [&](QPointF p) {
        return QPointF(-a / 2 + (p.x() - min_x) / (max_x - min_x) * a,
                       pedestal + (max_y - p.y()) / (max_y - min_y) * (b - pedestal));
    };
    OutlineBox(painter, s, -0.3 * a, 0, 0.6 * a, pedestal);
    QPainterPath outline;
    for (std::size_t i = 0; i < casing.size(); ++i) {
        const QPointF at = s.at(mm(casing[i]).x(), mm(casing[i]).y());
        if (i == 0) outline.moveTo(at); else outline.lineTo(at);
    }
    outline.closeSubpath();
    Outline(painter, outline);
    const QPointF hub = mm(QPointF(0, 0));
    painter.setPen(VisiblePen());
    painter.setBrush(Qt::white);
    painter.drawEllipse(s.at(hub.x(), hub.y()), f / 2 * scale, f / 2 * scale);
    CentreLine(painter, s.at(hub.x() - f / 2, hub.y()), s.at(hub.x() + f / 2, hub.y()));
    CentreLine(painter, s.at(hub.x(), hub.y() - f / 2), s.at(hub.x(), hub.y() + f / 2));
    const qreal outlet_left = mm(casing[casing.size() - 2]).x();
    const qreal outlet_right = mm(casing.back()).x();

    const qreal top = s.at(0, b).y();
    const qreal bottom = s.at(0, 0).y();
    HorizontalDimension(painter, s.at(outlet_left, b), s.at(outlet_right, b), top - kGap, "D");
    HorizontalDimension(painter, s.at(-a / 2, mm(casing[90]).y()), s.at(a / 2, hub.y()), bottom + kGap, "A");
    VerticalDimension(painter, s.at(-0.3 * a, 0), s.at(outlet_left, b), s.at(-a / 2, 0).x() - kGap, "B");
    HorizontalDimension(painter, s.at(hub.x() - f / 2, hub.y()), s.at(hub.x() + f / 2, hub.y()),
                        s.at(0, hub.y()).y(), "F");
    ViewTitle(painter, QPointF(front_area.center().x(), bottom + kGap + 34), QStringLiteral("WIDOK Z PRZODU"));

    // Side view: casing, outlet, motor on its feet.
    const Sheet t = CentredSheet(side_area, 0, 0, c, b, scale);
    const qreal casing_depth = 0.42 * c;
    qreal casing_top = 0;
    for (std::size_t i = 0; i + 2 < casing.size(); ++i) casing_top = std::max(casing_top, mm(casing[i]).y());
    OutlineBox(painter, t, 0, 0, c, pedestal);
    OutlineBox(painter, t, 0, pedestal, casing_depth, casing_top - pedestal);
    OutlineBox(painter, t, casing_depth / 2 - e / 2, casing_top, e, b - casing_top);
    const qreal motor = 0.34 * b;
    OutlineBox(painter, t, 0.52 * c, pedestal, 0.3 * c, hub.y() - motor / 2 - pedestal);
    OutlineBox(painter, t, casing_depth, hub.y() - motor / 2, 0.5 * c, motor);
    OutlineBox(painter, t, casing_depth + 0.5 * c, hub.y() - motor * 0.38, c - casing_depth - 0.5 * c, motor * 0.76);
    CentreLine(painter, t.at(0, hub.y()), t.at(c, hub.y()));

    HorizontalDimension(painter, t.at(0, 0), t.at(c, 0), bottom + kGap, "C");
    HorizontalDimension(painter, t.at(casing_depth / 2 - e / 2, b), t.at(casing_depth / 2 + e / 2, b), top - kGap, "E");
    ViewTitle(painter, QPointF(side_area.center().x(), bottom + kGap + 34), QStringLiteral("WIDOK Z BOKU"));
}

// ---- duct fans and silencers -----------------------------------------------------------

// A round in-line body: spigots of diameter A, overall length B, body diameter C.
void InlineRoundView(QPainter& painter, const QRectF& area, const DimensionValues& v, bool silencer)
{
    const qreal a = v.at(0, 250), b = v.at(1, silencer ? 1000 : 500), c = v.at(2, silencer ? 450 : 400);
    const Sheet s = FitSheet(area.adjusted(80, 80, -90, -110), -b / 2, -c / 2, b, c);
    const qreal spigot = 0.14 * b;
    const qreal cone = 0.08 * b;
    const qreal body_left = -b / 2 + spigot + cone;
    const qreal body_right = b / 2 - spigot - cone;

    OutlineBox(painter, s, -b / 2, -a / 2, spigot, a);
    OutlineBox(painter, s, b / 2 - spigot, -a / 2, spigot, a);
    Outline(painter, Polygon(s, {{-b / 2 + spigot, -a / 2}, {body_left, -c / 2}, {body_left, c / 2}, {-b / 2 + spigot, a / 2}}));
    Outline(painter, Polygon(s, {{b / 2 - spigot, -a / 2}, {body_right, -c / 2}, {body_right, c / 2}, {b / 2 - spigot, a / 2}}));
    OutlineBox(painter, s, body_left, -c / 2, body_right - body_left, c);
    if (silencer) {
        painter.setPen(HiddenPen());
        painter.drawLine(s.at(body_left, a / 2), s.at(body_right, a / 2));
        painter.drawLine(s.at(body_left, -a / 2), s.at(body_right, -a / 2));
    } else {
        HiddenBox(painter, s, -0.08 * b, -0.32 * c, 0.16 * b, 0.64 * c);
        OutlineBox(painter, s, -0.07 * b, c / 2, 0.14 * b, 0.1 * c);
    }
    CentreLine(painter, s.at(-b / 2, 0), s.at(b / 2, 0));

    const qreal bottom = s.at(0, -c / 2).y();
    HorizontalDimension(painter, s.at(-b / 2, -a / 2), s.at(b / 2, -a / 2), bottom + kGap, "B");
    VerticalDimension(painter, s.at(-b / 2, -a / 2), s.at(-b / 2, a / 2), s.at(-b / 2, 0).x() - kGap, "A");
    VerticalDimension(painter, s.at(body_right, -c / 2), s.at(body_right, c / 2), s.at(b / 2, 0).x() + kGap, "C");
}

void RectangularDuctFanViews(QPainter& painter, const QRectF& area, const DimensionValues& v)
{
    const qreal a = v.at(0, 500), b = v.at(1, 250), c = v.at(2, 700), d = v.at(3, a + 40);
    const qreal flange = d - a;
    const qreal height = b + flange;
    const QRectF front_area(area.left() + 40, area.top() + 70, area.width() * 0.46 - 44, area.height() - 180);
    const QRectF side_area(area.left() + area.width() * 0.46 + 12, area.top() + 70, area.width() * 0.54 - 20,
                           area.height() - 180);
    const qreal scale = std::min({front_area.width() / d, front_area.height() / height, side_area.width() / c,
                                  side_area.height() / height});
    const Sheet s = CentredSheet(front_area, -d / 2, 0, d, height, scale);
    OutlineBox(painter, s, -d / 2, 0, d, height);
    OutlineBox(painter, s, -a / 2, flange / 2, a, b);
    painter.setPen(HiddenPen());
    const qreal wheel = 0.4 * std::min(a, b);
    painter.drawEllipse(s.at(0, height / 2), wheel * scale, wheel * scale);
    painter.setPen(VisiblePen());
    painter.setBrush(Qt::white);
    for (int sx : {-1, 1}) {
        for (int sy : {0, 1}) {
            painter.drawEllipse(s.at(sx * (d / 2 - flange / 4), flange / 4 + sy * (height - flange / 2)), 3, 3);
        }
    }
    CentreLine(painter, s.at(-d / 2, height / 2), s.at(d / 2, height / 2));
    CentreLine(painter, s.at(0, 0), s.at(0, height));

    const qreal top = s.at(0, height).y();
    const qreal bottom = s.at(0, 0).y();
    HorizontalDimension(painter, s.at(-a / 2, flange / 2 + b), s.at(a / 2, flange / 2 + b), top - kGap, "A");
    HorizontalDimension(painter, s.at(-d / 2, 0), s.at(d / 2, 0), bottom + kGap, "D");
    VerticalDimension(painter, s.at(-a / 2, flange / 2), s.at(-a / 2, flange / 2 + b), s.at(-d / 2, 0).x() - kGap, "B");
    ViewTitle(painter, QPointF(front_area.center().x(), bottom + kGap + 34), QStringLiteral("WIDOK Z PRZODU"));

    const Sheet t = CentredSheet(side_area, 0, 0, c, height, scale);
    OutlineBox(painter, t, 0, 0, c, height);
    OutlineBox(painter, t, 0, 0, 0.04 * c, height);
    OutlineBox(painter, t, 0.96 * c, 0, 0.04 * c, height);
    OutlineBox(painter, t, 0.4 * c, height, 0.2 * c, 0.1 * height);
    HiddenBox(painter, t, 0.3 * c, height / 2 - wheel, 0.4 * c, 2 * wheel);
    CentreLine(painter, t.at(0, height / 2), t.at(c, height / 2));
    HorizontalDimension(painter, t.at(0, 0), t.at(c, 0), bottom + kGap, "C");
    ViewTitle(painter, QPointF(side_area.center().x(), bottom + kGap + 34), QStringLiteral("WIDOK Z BOKU"));
}

// ---- gravity ventilators ---------------------------------------------------------------

void VentilatorView(QPainter& painter, const QRectF& area, const DimensionValues& v, bool integrated)
{
    const qreal a = v.at(0, 200), b = v.at(1, integrated ? 2 * a : 1.9 * a), c = v.at(2, 1.6 * a + 150);
    const Sheet s = FitSheet(area.adjusted(60, 70, -90, -100), -b / 2, 0, b, c);
    qreal b_level = 0;
    if (integrated) {
        OutlineBox(painter, s, -a / 2, 0, a, 0.22 * c);
        OutlineBox(painter, s, -0.33 * b, 0.22 * c, 0.66 * b, 0.2 * c);
        OutlineBox(painter, s, -0.36 * b, 0.42 * c, 0.72 * b, 0.03 * c);
        QPainterPath head;
        head.addEllipse(s.box(-b / 2, 0.45 * c, b, 0.5 * c));
        Outline(painter, head);
        painter.save();
        painter.setClipPath(head, Qt::IntersectClip);
        painter.setPen(QPen(QColor(30, 34, 40), 0.9));
        for (int k = -3; k <= 3; ++k) {
            const qreal x = k * b / 9;
            QPainterPath vane;
            vane.moveTo(s.at(x - 0.03 * b, 0.46 * c));
            vane.cubicTo(s.at(x + 0.05 * b, 0.6 * c), s.at(x + 0.05 * b, 0.8 * c), s.at(x - 0.03 * b, 0.94 * c));
            painter.drawPath(vane);
        }
        painter.restore();
        OutlineBox(painter, s, -0.1 * b, 0.93 * c, 0.2 * b, 0.07 * c);
        b_level = 0.7 * c;
    } else {
        OutlineBox(painter, s, -a / 2, 0, a, 0.3 * c);
        Outline(painter, Polygon(s, {{-a / 2, 0.3 * c}, {a / 2, 0.3 * c}, {0.42 * b, 0.4 * c}, {-0.42 * b, 0.4 * c}}));
        OutlineBox(painter, s, -0.42 * b, 0.4 * c, 0.84 * b, 0.32 * c);
        painter.setPen(QPen(QColor(30, 34, 40), 1.0));
        for (qreal x : {-0.3 * b, 0.0, 0.3 * b}) painter.drawLine(s.at(x, 0.72 * c), s.at(x, 0.79 * c));
        QPainterPath cap;
        cap.moveTo(s.at(-b / 2, 0.78 * c));
        cap.lineTo(s.at(-b / 2, 0.8 * c));
        cap.cubicTo(s.at(-0.3 * b, 0.94 * c), s.at(-0.12 * b, c), s.at(0, c));
        cap.cubicTo(s.at(0.12 * b, c), s.at(0.3 * b, 0.94 * c), s.at(b / 2, 0.8 * c));
        cap.lineTo(s.at(b / 2, 0.78 * c));
        cap.closeSubpath();
        Outline(painter, cap);
        b_level = 0.8 * c;
    }
    CentreLine(painter, s.at(0, 0), s.at(0, c));

    const qreal top = s.at(0, c).y();
    const qreal bottom = s.at(0, 0).y();
    HorizontalDimension(painter, s.at(-b / 2, b_level), s.at(b / 2, b_level), top - kGap, "B");
    HorizontalDimension(painter, s.at(-a / 2, 0), s.at(a / 2, 0), bottom + kGap, "A");
    VerticalDimension(painter, s.at(a / 2, 0), s.at(0.1 * b, c), s.at(b / 2, 0).x() + kGap, "C");
}

// ---- roof bases and anything else ------------------------------------------------------

void RoofBaseView(QPainter& painter, const QRectF& area, const DimensionValues& v, bool silencing)
{
    const qreal a = v.at(0, 600), b = v.at(1, silencing ? 500 : 300);
    const Sheet s = FitSheet(area.adjusted(60, 60, -90, -100), -a / 2, 0, a, b);
    OutlineBox(painter, s, -a / 2, 0, a, 0.04 * b);
    Outline(painter, Polygon(s, {{-0.42 * a, 0.04 * b}, {0.42 * a, 0.04 * b}, {0.36 * a, 0.94 * b}, {-0.36 * a, 0.94 * b}}));
    OutlineBox(painter, s, -0.4 * a, 0.94 * b, 0.8 * a, 0.06 * b);
    if (silencing) {
        for (qreal x : {-0.3 * a, -0.06 * a, 0.18 * a}) HiddenBox(painter, s, x, 0.1 * b, 0.12 * a, 0.78 * b);
    } else {
        painter.setPen(HiddenPen());
        painter.drawLine(s.at(-0.36 * a, 0.08 * b), s.at(-0.31 * a, 0.9 * b));
        painter.drawLine(s.at(0.36 * a, 0.08 * b), s.at(0.31 * a, 0.9 * b));
    }
    CentreLine(painter, s.at(0, 0), s.at(0, b));
    HorizontalDimension(painter, s.at(-a / 2, 0), s.at(a / 2, 0), s.at(0, 0).y() + kGap, "A");
    VerticalDimension(painter, s.at(a / 2, 0), s.at(0.4 * a, b), s.at(a / 2, 0).x() + kGap, "B");
}

void BoxView(QPainter& painter, const QRectF& area, const DimensionValues& v)
{
    const qreal a = v.at(0, 300), b = v.at(1, 200);
    const Sheet s = FitSheet(area.adjusted(80, 80, -90, -110), -a / 2, 0, a, b);
    OutlineBox(painter, s, -a / 2, 0, a, b);
    HorizontalDimension(painter, s.at(-a / 2, 0), s.at(a / 2, 0), s.at(0, 0).y() + kGap, "A");
    VerticalDimension(painter, s.at(a / 2, 0), s.at(a / 2, b), s.at(a / 2, 0).x() + kGap, "B");
}

} // namespace

DimensionValues::DimensionValues(const DeviceRecord& record)
{
    for (std::size_t k = 0; k < mm_.size(); ++k) {
        bool ok = false;
        const double value = QString::fromStdString(record.Dimensions[k]).replace(',', '.').toDouble(&ok);
        given_[k] = ok && value > 0;
        mm_[k] = given_[k] ? value : 0;
    }
}

double DimensionValues::at(std::size_t index, double fallback) const
{
    return index < mm_.size() && given_[index] ? mm_[index] : fallback;
}

QString DimensionLetter(std::size_t index)
{
    if (index == 10) return QStringLiteral("n");
    return QString(QChar(static_cast<char16_t>(u'A' + index)));
}

void DrawDimensionViews(QPainter& painter, ProductKind kind, const QRectF& area, const DimensionValues& values)
{
    switch (kind) {
    case ProductKind::RoofFanHorizontal: RoofFanView(painter, area, values, false); break;
    case ProductKind::RoofFanVertical: RoofFanView(painter, area, values, true); break;
    case ProductKind::RadialFan: RadialFanViews(painter, area, values); break;
    case ProductKind::DuctFanRound: InlineRoundView(painter, area, values, false); break;
    case ProductKind::Silencer: InlineRoundView(painter, area, values, true); break;
    case ProductKind::DuctFanRectangular: RectangularDuctFanViews(painter, area, values); break;
    case ProductKind::CylindricalVentilator: VentilatorView(painter, area, values, false); break;
    case ProductKind::IntegratedVentilator: VentilatorView(painter, area, values, true); break;
    case ProductKind::RoofBase: RoofBaseView(painter, area, values, false); break;
    case ProductKind::SilencingRoofBase: RoofBaseView(painter, area, values, true); break;
    default: BoxView(painter, area, values); break;
    }
}

} // namespace kalvintera::pictures
