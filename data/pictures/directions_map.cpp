#include "directions_map.h"

#include "picture_kit.h"

#include <QPainterPath>
#include <QPainterPathStroker>

namespace kalvintera::pictures {
namespace {

constexpr int kWidth = 512;
constexpr int kHeight = 369;

constexpr QColor kLand{243, 240, 231};
constexpr QColor kBlock{222, 216, 204};
constexpr QColor kPark{196, 222, 176};
constexpr QColor kWater{160, 198, 228};
constexpr QColor kMainRoad{250, 206, 96};
constexpr QColor kStreet{255, 255, 255};
constexpr QColor kCasing{150, 140, 120};
constexpr QColor kRoute{210, 40, 40};

constexpr qreal kMainWidth = 11;
constexpr qreal kStreetWidth = 7;

QPainterPath Line(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF& point : points) {
        if (first) path.moveTo(point); else path.lineTo(point);
        first = false;
    }
    return path;
}

// Two passes, casing then fill, so crossings join cleanly when all casings go first.
void RoadCasing(QPainter& painter, const QPainterPath& road, qreal width)
{
    painter.strokePath(road, QPen(kCasing, width + 2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
}

void RoadFill(QPainter& painter, const QPainterPath& road, qreal width, QColor colour)
{
    painter.strokePath(road, QPen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
}

// A street name along a straight piece, centred on `at`, turned to `degrees`.
void StreetName(QPainter& painter, QPointF at, qreal degrees, const QString& name, bool main_road)
{
    painter.save();
    painter.translate(at);
    painter.rotate(degrees);
    painter.setFont(Font(main_road ? 9 : 8, main_road));
    painter.setPen(QColor(60, 56, 50));
    painter.drawText(QRectF(-90, -6, 180, 12), Qt::AlignCenter, name);
    painter.restore();
}

void Blocks(QPainter& painter)
{
    painter.setPen(QPen(QColor(200, 192, 178), 0.6));
    painter.setBrush(kBlock);
    Sequence sequence(11);
    const QRectF areas[] = {QRectF(150, 16, 90, 110), QRectF(260, 20, 110, 104), QRectF(24, 170, 60, 60),
                            QRectF(212, 170, 110, 72), QRectF(212, 284, 110, 70), QRectF(90, 290, 90, 60),
                            QRectF(346, 170, 42, 80)};
    for (const QRectF& area : areas) {
        for (qreal y = area.top(); y + 14 < area.bottom(); y += 22) {
            for (qreal x = area.left(); x + 14 < area.right(); x += 26) {
                const qreal w = sequence.between(12, 20);
                const qreal h = sequence.between(10, 16);
                painter.drawRect(QRectF(x, y, w, h));
            }
        }
    }
}

void Legend(QPainter& painter)
{
    const QRectF box(8, 262, 150, 98);
    painter.setPen(QPen(QColor(120, 120, 120), 0.8));
    painter.setBrush(QColor(255, 255, 255, 235));
    painter.drawRect(box);
    painter.setFont(Font(9, true));
    painter.setPen(colour::kInk);
    painter.drawText(QRectF(box.left() + 8, box.top() + 4, box.width(), 14), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Legenda"));

    struct Entry {
        QString text;
        int kind;
    };
    const Entry entries[] = {{QStringLiteral("Siedziba KALVINTERA"), 0}, {QStringLiteral("Droga główna"), 1},
                             {QStringLiteral("Ulica"), 2},               {QStringLiteral("Trasa dojazdu"), 3},
                             {QStringLiteral("Linia kolejowa"), 4},      {QStringLiteral("Rzeka Warta"), 5}};
    painter.setFont(Font(8));
    qreal y = box.top() + 26;
    for (const Entry& entry : entries) {
        const QRectF sample(box.left() + 8, y - 4, 24, 8);
        switch (entry.kind) {
        case 0:
            painter.setPen(QPen(QColor(120, 20, 20), 0.8));
            painter.setBrush(kRoute);
            painter.drawRect(sample.adjusted(6, -1, -6, 1));
            break;
        case 1:
        case 2: {
            const QPainterPath line = Line({QPointF(sample.left(), y), QPointF(sample.right(), y)});
            RoadCasing(painter, line, entry.kind == 1 ? 6 : 4);
            RoadFill(painter, line, entry.kind == 1 ? 6 : 4, entry.kind == 1 ? kMainRoad : kStreet);
            break;
        }
        case 3: {
            QPen route(kRoute, 2.2);
            route.setDashPattern({3, 2});
            painter.setPen(route);
            painter.drawLine(QPointF(sample.left(), y), QPointF(sample.right(), y));
            break;
        }
        case 4: {
            painter.setPen(QPen(QColor(60, 60, 60), 3));
            painter.drawLine(QPointF(sample.left(), y), QPointF(sample.right(), y));
            QPen ties(Qt::white, 1.6);
            ties.setDashPattern({3, 3});
            painter.setPen(ties);
            painter.drawLine(QPointF(sample.left(), y), QPointF(sample.right(), y));
            break;
        }
        default:
            painter.setPen(Qt::NoPen);
            painter.setBrush(kWater);
            painter.drawRect(sample);
            break;
        }
        painter.setPen(colour::kInk);
        painter.drawText(QRectF(box.left() + 40, y - 6, box.width() - 44, 12), Qt::AlignLeft | Qt::AlignVCenter, entry.text);
        y += 12;
    }
}

void NorthArrowAndScale(QPainter& painter)
{
    const QPointF centre(490, 40);
    painter.setPen(QPen(colour::kInk, 0.8));
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, 15, 15);
    const QPointF north[3] = {centre + QPointF(0, -12), centre + QPointF(5, 4), centre + QPointF(-5, 4)};
    painter.setBrush(colour::kInk);
    painter.drawPolygon(north, 3);
    painter.setFont(Font(9, true));
    painter.drawText(QRectF(centre.x() - 8, centre.y() + 16, 16, 12), Qt::AlignCenter, QStringLiteral("N"));

    // Scale bar in the corner east of the river.
    const QRectF plate(464, 336, 44, 26);
    painter.setPen(QPen(QColor(120, 120, 120), 0.8));
    painter.setBrush(QColor(255, 255, 255, 235));
    painter.drawRect(plate);
    const QPointF start(plate.left() + 4, plate.bottom() - 8);
    painter.setPen(Qt::NoPen);
    for (int k = 0; k < 4; ++k) {
        painter.setBrush(k % 2 == 0 ? colour::kInk : QColor(Qt::white));
        painter.drawRect(QRectF(start.x() + k * 9, start.y(), 9, 4));
    }
    painter.setPen(QPen(colour::kInk, 0.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(start.x(), start.y(), 36, 4));
    painter.setFont(Font(8));
    painter.drawText(QRectF(plate.left(), plate.top() + 2, plate.width(), 12), Qt::AlignCenter, QStringLiteral("100 m"));
}

} // namespace

QImage DirectionsMap()
{
    QImage image = Canvas(kWidth, kHeight, kLand);
    QPainter painter(&image);
    PrepareTidy(painter);

    painter.setPen(Qt::NoPen);
    painter.setBrush(kPark);
    painter.drawRoundedRect(QRectF(20, 20, 110, 110), 10, 10);
    painter.drawRoundedRect(QRectF(90, 170, 100, 70), 8, 8);
    Blocks(painter);

    // The Warta along the east side, with its embankment path.
    QPainterPath river;
    river.moveTo(440, -10);
    river.cubicTo(470, 80, 420, 160, 448, 230);
    river.cubicTo(470, 290, 430, 340, 442, kHeight + 10);
    painter.strokePath(river, QPen(kWater.darker(112), 40, Qt::SolidLine, Qt::FlatCap));
    painter.strokePath(river, QPen(kWater, 36, Qt::SolidLine, Qt::FlatCap));
    painter.save();
    painter.translate(462, 300);
    painter.rotate(-72);
    painter.setFont(Font(10, true));
    painter.setPen(QColor(40, 90, 150));
    painter.drawText(QRectF(-40, -8, 80, 16), Qt::AlignCenter, QStringLiteral("Warta"));
    painter.restore();

    // Railway, under the roads.
    const QPainterPath railway = Line({QPointF(-10, 150), QPointF(140, 142), QPointF(520, 132)});
    painter.strokePath(railway, QPen(QColor(70, 70, 70), 4));
    QPen ties(Qt::white, 2);
    ties.setDashPattern({3, 3});
    painter.strokePath(railway, ties);

    const QPainterPath glogowska = Line({QPointF(30, kHeight + 10), QPointF(150, 200), QPointF(205, 80), QPointF(230, -10)});
    const QPainterPath hetmanska = Line({QPointF(-10, 252), QPointF(200, 252), QPointF(520, 258)});
    const QPainterPath przemyslowa = Line({QPointF(200, 252), QPointF(200, 166), QPointF(400, 166)});
    const QPainterPath fabryczna = Line({QPointF(340, 166), QPointF(340, 365)});
    const QPainterPath towarowa = Line({QPointF(250, 20), QPointF(250, 166)});
    const QPainterPath cicha = Line({QPointF(200, 310), QPointF(420, 310)});
    for (const QPainterPath* street : {&przemyslowa, &fabryczna, &towarowa, &cicha}) RoadCasing(painter, *street, kStreetWidth);
    for (const QPainterPath* road : {&glogowska, &hetmanska}) RoadCasing(painter, *road, kMainWidth);
    for (const QPainterPath* street : {&przemyslowa, &fabryczna, &towarowa, &cicha}) RoadFill(painter, *street, kStreetWidth, kStreet);
    for (const QPainterPath* road : {&glogowska, &hetmanska}) RoadFill(painter, *road, kMainWidth, kMainRoad);
    // The bridge over the river.
    painter.strokePath(Line({QPointF(418, 256), QPointF(480, 257)}), QPen(QColor(90, 90, 90), kMainWidth + 5, Qt::SolidLine, Qt::FlatCap));
    painter.strokePath(Line({QPointF(416, 256), QPointF(482, 257)}), QPen(kMainRoad, kMainWidth, Qt::SolidLine, Qt::FlatCap));

    StreetName(painter, QPointF(186, 126), -66, QStringLiteral("ul. Głogowska"), true);
    StreetName(painter, QPointF(110, 252), 0, QStringLiteral("ul. Hetmańska"), true);
    StreetName(painter, QPointF(300, 166), 0, QStringLiteral("ul. Przemysłowa"), false);
    StreetName(painter, QPointF(340, 214), 90, QStringLiteral("ul. Fabryczna"), false);
    StreetName(painter, QPointF(250, 70), 90, QStringLiteral("ul. Towarowa"), false);
    StreetName(painter, QPointF(270, 310), 0, QStringLiteral("ul. Cicha"), false);
    painter.setFont(Font(9, true));
    painter.setPen(QColor(60, 110, 50));
    painter.drawText(QRectF(20, 60, 110, 20), Qt::AlignCenter, QStringLiteral("Park"));

    // Route from the junction to the gate, then the site itself.
    QPen route(kRoute, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    route.setDashPattern({3, 2});
    painter.strokePath(Line({QPointF(150, 246), QPointF(334, 246), QPointF(334, 287), QPointF(338, 287)}), route);
    DrawArrow(painter, QPointF(336, 287), QPointF(349, 287), kRoute, 2.6);

    const QRectF site(350, 270, 62, 34);
    painter.setPen(QPen(QColor(120, 20, 20), 1));
    painter.setBrush(QColor(215, 60, 50));
    painter.drawRect(site);
    painter.setBrush(QColor(235, 120, 110));
    painter.drawRect(QRectF(site.left() + 6, site.top() + 6, 20, 22));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 235));
    painter.drawRoundedRect(QRectF(346, 316, 104, 32), 4, 4);
    painter.setFont(Font(10, true));
    painter.setPen(QColor(170, 20, 20));
    painter.drawText(QRectF(346, 316, 104, 16), Qt::AlignCenter, QStringLiteral("KALVINTERA"));
    painter.setFont(Font(8));
    painter.setPen(colour::kInk);
    painter.drawText(QRectF(346, 331, 104, 14), Qt::AlignCenter, QStringLiteral("ul. Fabryczna 12"));

    // Where the roads lead.
    painter.setFont(Font(9, true));
    painter.setPen(colour::kNavy);
    painter.drawText(QRectF(6, 232, 140, 14), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("← A2, Berlin"));
    painter.drawText(QRectF(236, 4, 140, 14), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("↑ Centrum"));
    painter.drawText(QRectF(400, 236, 108, 14), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Warszawa →"));

    // Title, legend, north arrow and scale.
    painter.setPen(QPen(QColor(120, 120, 120), 0.8));
    painter.setBrush(QColor(255, 255, 255, 235));
    painter.drawRect(QRectF(8, 8, 228, 26));
    DrawFanEmblem(painter, QPointF(22, 21), 8, colour::kBlue, colour::kNavy);
    painter.setFont(Font(11, true));
    painter.setPen(colour::kNavy);
    painter.drawText(QRectF(36, 8, 200, 26), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Dojazd do firmy – Poznań"));
    Legend(painter);
    NorthArrowAndScale(painter);
    return image;
}

} // namespace kalvintera::pictures
