#include "fitting_pictures.h"

#include "dimension_kit.h"
#include "picture_kit.h"

#include "core/ductloss/fitting_kind.h"
#include "core/errors.h"

#include <QPainterPath>
#include <QPainterPathStroker>
#include <QtMath>

#include <string>

namespace kalvintera::pictures {
namespace {

constexpr int kWidth = 200;
constexpr int kHeight = 150;
constexpr QColor kRoundDuct{188, 198, 206};
constexpr QColor kRectDuct{200, 207, 212};
constexpr QColor kFlow{24, 96, 160};

// A duct along a centre line: round ducts shaded like a tube (dark rim, light stripe),
// rectangular ones flat with a seam along the middle, the edge of their side face.
void Duct(QPainter& painter, const QPainterPath& centre, qreal width, bool round)
{
    const QColor base = round ? kRoundDuct : kRectDuct;
    const Qt::PenCapStyle cap = Qt::FlatCap;
    const Qt::PenJoinStyle join = round ? Qt::RoundJoin : Qt::MiterJoin;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour::kDarkSteel, width, Qt::SolidLine, cap, join));
    painter.drawPath(centre);
    painter.setPen(QPen(base, width - 3, Qt::SolidLine, cap, join));
    painter.drawPath(centre);
    if (round) {
        painter.setPen(QPen(base.lighter(118), width * 0.45, Qt::SolidLine, cap, join));
        painter.drawPath(centre);
        painter.setPen(QPen(QColor(255, 255, 255, 150), width * 0.12, Qt::SolidLine, cap, join));
        painter.drawPath(centre);
    } else {
        painter.setPen(QPen(base.darker(112), width * 0.5 - 2, Qt::SolidLine, cap, join));
        painter.translate(0, width * 0.25);
        painter.drawPath(centre);
        painter.translate(0, -width * 0.25);
        painter.setPen(QPen(colour::kDarkSteel, 0.8));
        painter.drawPath(centre);
    }
}

// The open end of a duct: an ellipse for a round one, a rectangle for a rectangular one.
void Opening(QPainter& painter, QPointF centre, qreal size, bool vertical_axis, bool round)
{
    painter.setPen(QPen(colour::kDarkSteel, 1.2));
    painter.setBrush(QColor(90, 100, 110));
    const QSizeF extent = vertical_axis ? QSizeF(size, size * 0.35) : QSizeF(size * 0.35, size);
    const QRectF box(centre - QPointF(extent.width() / 2, extent.height() / 2), extent);
    if (round) {
        painter.drawEllipse(box);
    } else {
        painter.drawRect(box);
    }
}

void FlowArrow(QPainter& painter, QPointF from, QPointF to)
{
    DrawArrow(painter, from, to, kFlow, 2.2);
}

void Label(QPainter& painter, QPointF at, const QString& text)
{
    painter.setFont(Font(12, true));
    painter.setPen(colour::kInk);
    painter.drawText(QRectF(at.x() - 40, at.y() - 9, 80, 18), Qt::AlignCenter, text);
}

QString SizeLabel(bool round, bool second = false)
{
    if (round) return second ? QStringLiteral("Φ2") : QStringLiteral("Φ1");
    return second ? QStringLiteral("C×D") : QStringLiteral("A×B");
}

void StraightDuct(QPainter& painter, bool round)
{
    QPainterPath centre(QPointF(30, 70));
    centre.lineTo(170, 70);
    Duct(painter, centre, 44, round);
    Opening(painter, QPointF(30, 70), 44, false, round);
    HorizontalDimension(painter, QPointF(30, 92), QPointF(170, 92), 118, QStringLiteral("L"));
    Label(painter, QPointF(30, 30), SizeLabel(round));
    FlowArrow(painter, QPointF(70, 70), QPointF(130, 70));
}

void Elbow(QPainter& painter, bool round)
{
    // A quarter bend about (80, 55) of radius 50, from the left inlet up to the outlet.
    QPainterPath centre(QPointF(20, 105));
    centre.lineTo(80, 105);
    centre.arcTo(QRectF(30, 5, 100, 100), -90, 90);
    centre.lineTo(130, 18);
    Duct(painter, centre, 38, round);
    Opening(painter, QPointF(20, 105), 38, false, round);
    Opening(painter, QPointF(130, 18), 38, true, round);
    painter.setPen(QPen(colour::kRed, 1, Qt::DashLine));
    painter.drawLine(QPointF(80, 55), QPointF(80, 105));
    painter.drawLine(QPointF(80, 55), QPointF(130, 55));
    Label(painter, QPointF(72, 80), QStringLiteral("r"));
    Label(painter, QPointF(92, 45), QStringLiteral("α"));
    Label(painter, QPointF(24, 138), SizeLabel(round));
    FlowArrow(painter, QPointF(32, 105), QPointF(66, 105));
}

void Offset(QPainter& painter, bool round)
{
    QPainterPath centre(QPointF(15, 100));
    centre.lineTo(60, 100);
    centre.cubicTo(QPointF(100, 100), QPointF(100, 50), QPointF(140, 50));
    centre.lineTo(185, 50);
    Duct(painter, centre, 34, round);
    Opening(painter, QPointF(15, 100), 34, false, round);
    VerticalDimension(painter, QPointF(185, 50), QPointF(185, 100), 192, QStringLiteral("e"));
    HorizontalDimension(painter, QPointF(15, 120), QPointF(185, 120), 138, QStringLiteral("L"));
    Label(painter, QPointF(28, 68), SizeLabel(round));
}

void Tee(QPainter& painter, bool round)
{
    QPainterPath branch(QPointF(100, 88));
    branch.lineTo(100, 18);
    Duct(painter, branch, 30, round);
    Opening(painter, QPointF(100, 18), 30, true, round);
    QPainterPath main(QPointF(20, 95));
    main.lineTo(180, 95);
    Duct(painter, main, 40, round);
    Opening(painter, QPointF(20, 95), 40, false, round);
    Label(painter, QPointF(40, 130), SizeLabel(round));
    Label(painter, QPointF(140, 30), SizeLabel(round, true));
    Label(painter, QPointF(128, 58), QStringLiteral("Vo"));
    FlowArrow(painter, QPointF(32, 95), QPointF(70, 95));
    FlowArrow(painter, QPointF(100, 70), QPointF(100, 36));
    FlowArrow(painter, QPointF(128, 95), QPointF(168, 95));
}

void RoofIntake(QPainter& painter, bool round)
{
    painter.fillRect(QRectF(0, 118, kWidth, 32), QColor(150, 90, 70));
    QPainterPath stack(QPointF(100, 130));
    stack.lineTo(100, 55);
    Duct(painter, stack, 40, round);
    // The hood above the stack, with the gap the air passes through.
    QPainterPath hood;
    hood.moveTo(45, 50);
    hood.lineTo(100, 18);
    hood.lineTo(155, 50);
    hood.closeSubpath();
    painter.setPen(QPen(colour::kDarkSteel, 1.4));
    painter.setBrush(MetalDown(18, 50, round ? kRoundDuct : kRectDuct));
    painter.drawPath(hood);
    FlowArrow(painter, QPointF(40, 62), QPointF(70, 62));
    FlowArrow(painter, QPointF(160, 62), QPointF(130, 62));
    Label(painter, QPointF(150, 100), SizeLabel(round));
    VerticalDimension(painter, QPointF(120, 55), QPointF(120, 118), 182, QStringLiteral("L"));
}

void Silencer(QPainter& painter, bool round)
{
    QPainterPath duct(QPointF(15, 75));
    duct.lineTo(185, 75);
    Duct(painter, duct, 34, round);
    QPainterPath body(QPointF(50, 75));
    body.lineTo(150, 75);
    Duct(painter, body, 70, round);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour::kDarkSteel);
    for (int x = 60; x <= 140; x += 10) {
        for (int y = 52; y <= 98; y += 9) painter.drawEllipse(QPointF(x, y), 1.3, 1.3);
    }
    Opening(painter, QPointF(15, 75), 34, false, round);
    HorizontalDimension(painter, QPointF(50, 110), QPointF(150, 110), 130, QStringLiteral("L"));
    Label(painter, QPointF(25, 40), SizeLabel(round));
}

void RoofBase(QPainter& painter, bool round)
{
    painter.fillRect(QRectF(0, 110, kWidth, 40), QColor(150, 90, 70));
    QPainterPath base;
    base.moveTo(40, 112);
    base.lineTo(60, 60);
    base.lineTo(140, 60);
    base.lineTo(160, 112);
    base.closeSubpath();
    painter.setPen(QPen(colour::kDarkSteel, 1.4));
    painter.setBrush(MetalDown(60, 112, round ? kRoundDuct : kRectDuct));
    painter.drawPath(base);
    QPainterPath stack(QPointF(100, 62));
    stack.lineTo(100, 22);
    Duct(painter, stack, 38, round);
    Opening(painter, QPointF(100, 22), 38, true, round);
    VerticalDimension(painter, QPointF(160, 60), QPointF(160, 112), 182, QStringLiteral("L"));
    Label(painter, QPointF(150, 30), SizeLabel(round));
}

void Reducer(QPainter& painter, bool round)
{
    QPainterPath cone;
    cone.moveTo(70, 40);
    cone.lineTo(130, 58);
    cone.lineTo(130, 92);
    cone.lineTo(70, 110);
    cone.closeSubpath();
    QPainterPath wide(QPointF(15, 75));
    wide.lineTo(72, 75);
    Duct(painter, wide, 70, round);
    painter.setPen(QPen(colour::kDarkSteel, 1.4));
    painter.setBrush(round ? QBrush(MetalDown(40, 110, kRoundDuct)) : QBrush(kRectDuct));
    painter.drawPath(cone);
    QPainterPath narrow(QPointF(128, 75));
    narrow.lineTo(185, 75);
    Duct(painter, narrow, 34, round);
    Opening(painter, QPointF(15, 75), 70, false, round);
    HorizontalDimension(painter, QPointF(70, 112), QPointF(130, 112), 134, QStringLiteral("L"));
    Label(painter, QPointF(40, 28), SizeLabel(round));
    Label(painter, QPointF(160, 44), SizeLabel(round, true));
    FlowArrow(painter, QPointF(30, 75), QPointF(62, 75));
}

void Grille(QPainter& painter, bool round)
{
    const QRectF face(45, 20, 110, 110);
    painter.setPen(QPen(colour::kDarkSteel, 2));
    painter.setBrush(MetalDown(face.top(), face.bottom(), kRectDuct));
    QPainterPath outline;
    if (round) {
        outline.addEllipse(face);
    } else {
        outline.addRoundedRect(face, 6, 6);
    }
    painter.drawPath(outline);
    // Louvres, clipped to the opening.
    QPainterPath opening;
    const QRectF inner = face.adjusted(12, 12, -12, -12);
    if (round) {
        opening.addEllipse(inner);
    } else {
        opening.addRect(inner);
    }
    painter.save();
    painter.setClipPath(opening);
    painter.fillRect(inner, QColor(70, 78, 88));
    for (qreal y = inner.top() + 4; y < inner.bottom(); y += 9) {
        painter.fillRect(QRectF(inner.left(), y, inner.width(), 4), kRectDuct.lighter(110));
    }
    painter.restore();
    Label(painter, QPointF(100, 140), SizeLabel(round));
}

using Drawer = void (*)(QPainter&, bool);
constexpr Drawer kDrawers[] = {StraightDuct, Elbow, Offset, Tee, RoofIntake, Silencer, RoofBase, Reducer, Grille};

void SaveBmp(const QImage& image, const std::filesystem::path& folder, std::string_view picture)
{
    // The kinds name their pictures "/calc/name": the folder is calc/ itself.
    const std::filesystem::path file = folder / std::string(picture.substr(picture.rfind('/') + 1));
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error || !image.save(QString::fromStdString(file.string()), "BMP")) {
        throw FileError("Cannot write the picture " + file.string());
    }
}

} // namespace

QImage FittingDrawing(int kind)
{
    QImage image = Canvas(kWidth, kHeight, colour::kPaper);
    QPainter painter(&image);
    PrepareTidy(painter);
    const int position = (kind - 1) % 9;
    kDrawers[position](painter, IsRoundKind(kind));
    return image;
}

QImage TeeCaseDrawing(int path, int flow)
{
    QImage image = Canvas(96, 72, colour::kPaper);
    QPainter painter(&image);
    PrepareTidy(painter);
    const QColor main_colour = path == 0 ? colour::kAmber : kRectDuct;
    const QColor branch_colour = path == 1 ? colour::kAmber : kRectDuct;
    painter.setPen(QPen(colour::kDarkSteel, 1));
    painter.setBrush(branch_colour);
    painter.drawRect(QRectF(38, 6, 20, 38));
    painter.setBrush(main_colour);
    painter.drawRect(QRectF(4, 40, 88, 22));
    if (flow == 0) {
        // Dividing: in from the left, out through the passage and the branch.
        DrawArrow(painter, QPointF(8, 51), QPointF(34, 51), kFlow, 1.6);
        DrawArrow(painter, QPointF(62, 51), QPointF(88, 51), kFlow, 1.6);
        DrawArrow(painter, QPointF(48, 40), QPointF(48, 10), kFlow, 1.6);
    } else {
        // Converging: in through the passage and the branch, out to the left.
        DrawArrow(painter, QPointF(88, 51), QPointF(62, 51), kFlow, 1.6);
        DrawArrow(painter, QPointF(48, 10), QPointF(48, 40), kFlow, 1.6);
        DrawArrow(painter, QPointF(34, 51), QPointF(8, 51), kFlow, 1.6);
    }
    return image;
}

int WriteFittingPictures(const std::filesystem::path& folder)
{
    int written = 0;
    for (int kind = 1; kind <= kFittingKindCount; ++kind) {
        SaveBmp(FittingDrawing(kind), folder, FittingKindOf(kind).picture);
        ++written;
    }
    for (int path = 0; path < 2; ++path) {
        for (int flow = 0; flow < 2; ++flow) {
            SaveBmp(TeeCaseDrawing(path, flow), folder, kalvintera::TeeCasePicture(path, flow));
            ++written;
        }
    }
    return written;
}

} // namespace kalvintera::pictures
