#include "ui/selection/gravity_scheme_window.h"

#include "platform/jpeg_image.h"
#include "ui/program.h"
#include "ui/shell/picture_label.h"

#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvintera {
namespace {

constexpr QSize kSchemeSize(520, 380);

void Arrow(QPainter& painter, QPointF from, QPointF to)
{
    painter.drawLine(from, to);
    const QLineF back(to, from);
    QLineF wing = back;
    wing.setLength(9);
    wing.setAngle(back.angle() + 25);
    painter.drawLine(wing);
    wing.setAngle(back.angle() - 25);
    painter.drawLine(wing);
}

// The room in section: warm air (ti) leaves through the ventilator on the roof, cold air
// (te) comes in low in the wall; the height H between them drives the flow.
QImage DrawScheme()
{
    QImage scheme(kSchemeSize, QImage::Format_RGB32);
    scheme.fill(Qt::white);
    QPainter p(&scheme);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font = p.font();
    font.setPointSize(10);
    p.setFont(font);

    const QRectF room(70, 120, 300, 200);
    p.setPen(QPen(QColor(60, 60, 60), 4));
    p.setBrush(QColor(255, 238, 225));
    p.drawRect(room);
    // Ground line and roof.
    p.setPen(QPen(QColor(90, 70, 50), 2));
    p.drawLine(QPointF(20, room.bottom()), QPointF(500, room.bottom()));
    // Inlet opening low in the left wall.
    p.setPen(QPen(Qt::white, 6));
    p.drawLine(QPointF(room.left(), room.bottom() - 40), QPointF(room.left(), room.bottom() - 20));

    // The ventilator: a duct through the roof, the fan housing and the cap.
    const double duct_x = room.center().x();
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.setBrush(QColor(200, 205, 215));
    p.drawRect(QRectF(duct_x - 18, room.top() - 50, 36, 52));
    p.drawRect(QRectF(duct_x - 30, room.top() - 70, 60, 22));
    QPainterPath cap;
    cap.moveTo(duct_x - 42, room.top() - 76);
    cap.quadTo(duct_x, room.top() - 112, duct_x + 42, room.top() - 76);
    cap.closeSubpath();
    p.drawPath(cap);

    // Air paths.
    p.setPen(QPen(QColor(30, 90, 200), 2));
    Arrow(p, QPointF(20, room.bottom() - 30), QPointF(room.left() + 40, room.bottom() - 30));
    p.setPen(QPen(QColor(200, 50, 40), 2));
    Arrow(p, QPointF(duct_x, room.top() + 60), QPointF(duct_x, room.top() - 30));
    Arrow(p, QPointF(duct_x + 40, room.top() - 80), QPointF(duct_x + 80, room.top() - 95));
    // Wind.
    p.setPen(QPen(QColor(30, 130, 60), 2));
    Arrow(p, QPointF(duct_x - 150, room.top() - 80), QPointF(duct_x - 60, room.top() - 80));

    // Height between inlet and outlet.
    const double dim_x = room.right() + 50;
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.drawLine(QPointF(room.right(), room.bottom() - 30), QPointF(dim_x + 10, room.bottom() - 30));
    p.drawLine(QPointF(duct_x + 30, room.top() - 60), QPointF(dim_x + 10, room.top() - 60));
    Arrow(p, QPointF(dim_x, room.center().y()), QPointF(dim_x, room.top() - 60));
    Arrow(p, QPointF(dim_x, room.center().y()), QPointF(dim_x, room.bottom() - 30));

    p.setPen(Qt::black);
    p.drawText(QPointF(dim_x + 8, room.center().y() + 4), QStringLiteral("H"));
    p.drawText(QPointF(room.left() + 60, room.center().y()), QStringLiteral("ti, ρi"));
    p.drawText(QPointF(22, room.bottom() - 40), QStringLiteral("te, ρe"));
    p.drawText(QPointF(duct_x - 150, room.top() - 88), QStringLiteral("w"));
    p.drawText(QPointF(duct_x + 86, room.top() - 96), QStringLiteral("V"));
    font.setBold(true);
    font.setPointSize(11);
    p.setFont(font);
    p.drawText(QRectF(0, room.bottom() + 10, kSchemeSize.width(), 40), Qt::AlignCenter,
               QStringLiteral("Δp = (ρe − ρi) · g · H"));
    return scheme;
}

} // namespace

GravitySchemeWindow::GravitySchemeWindow(Program& program, QWidget* parent)
    : ProgramDialog(program, Behaviour{}, parent)
{
    setObjectName(QStringLiteral("gravitySchemeWindow"));
    setWindowTitle(QStringLiteral("SCHEMAT OBLICZENIOWY DOBORU W-Z"));

    picture_ = new PictureLabel(kSchemeSize + QSize(4, 4));
    picture_->setObjectName(QStringLiteral("scheme"));
    picture_->setPicture(DrawScheme());

    close_ = new QPushButton(QStringLiteral("ZAMKNIJ"));
    close_->setObjectName(QStringLiteral("close"));
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(picture_);
    layout->addWidget(close_, 0, Qt::AlignRight);

    texts_.add(911, [this](const QString& text) { setWindowTitle(text); });
    texts_.add(912, [this](const QString& text) { close_->setText(text); });
}

int GravitySchemeWindow::showModal()
{
    if (program_.fileExists(kSchemePicture)) picture_->setPicture(LoadJpeg(program_.path(kSchemePicture)));
    return ProgramDialog::showModal();
}

void GravitySchemeWindow::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
}

} // namespace kalvintera
