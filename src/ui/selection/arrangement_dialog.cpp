#include "ui/selection/arrangement_dialog.h"

#include "ui/program.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>
#include <numbers>

namespace kalvintera {
namespace {

constexpr int kPictureSize = 84;
constexpr std::array<int, 4> kAngles = {0, 90, 180, 270};

// A radial fan's spiral casing seen from the drive side: the outlet leaves the top of
// the spiral towards the right for RD0, and turns with the angle; LG is its mirror image.
QPixmap ArrangementPicture(bool left_hand, int angle)
{
    QPixmap picture(kPictureSize, kPictureSize);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(kPictureSize / 2.0, kPictureSize / 2.0);
    painter.rotate(angle);
    if (left_hand) painter.scale(-1, 1);

    constexpr double kInner = 15;
    constexpr double kGrowth = 11;
    constexpr double kOutletLength = 30;
    QPainterPath casing;
    casing.moveTo(0, -kInner);
    constexpr int kSteps = 72;
    for (int i = 0; i <= kSteps; ++i) {
        const double t = 2 * std::numbers::pi * i / kSteps;
        const double r = kInner + kGrowth * t / (2 * std::numbers::pi);
        casing.lineTo(r * std::cos(t - std::numbers::pi / 2), r * std::sin(t - std::numbers::pi / 2));
    }
    casing.lineTo(kOutletLength, -(kInner + kGrowth));
    casing.lineTo(kOutletLength, -kInner);
    casing.closeSubpath();
    painter.setPen(QPen(QColor(40, 40, 40), 2));
    painter.setBrush(QColor(205, 220, 235));
    painter.drawPath(casing);

    // Impeller and its sense of rotation.
    painter.setBrush(QColor(250, 250, 250));
    painter.setPen(QPen(QColor(70, 70, 70), 1.2));
    constexpr double kWheel = 10;
    painter.drawEllipse(QPointF(0, 0), kWheel, kWheel);
    for (int blade = 0; blade < 8; ++blade) {
        const double a = blade * std::numbers::pi / 4;
        painter.drawLine(QPointF(3 * std::cos(a), 3 * std::sin(a)),
                         QPointF(kWheel * std::cos(a + 0.5), kWheel * std::sin(a + 0.5)));
    }
    painter.setPen(QPen(QColor(190, 30, 30), 1.6));
    painter.drawArc(QRectF(-6, -6, 12, 12), 120 * 16, -240 * 16);
    painter.drawLine(QPointF(-3, 5.2), QPointF(-0.5, 7.5));
    painter.drawLine(QPointF(-3, 5.2), QPointF(-5.8, 7.2));
    return picture;
}

} // namespace

ArrangementDialog::ArrangementDialog(Program& program, QWidget* parent) : ProgramDialog(program, Behaviour{}, parent)
{
    setObjectName(QStringLiteral("arrangementDialog"));
    setWindowTitle(QStringLiteral("Układ wentylatora"));

    auto* group = new QButtonGroup(this);
    right_ = new QGroupBox(QStringLiteral("UKŁAD PRAWY"));
    left_ = new QGroupBox(QStringLiteral("UKŁAD LEWY"));
    for (int hand = 0; hand < 2; ++hand) {
        const bool left_hand = hand == 1;
        auto* grid = new QGridLayout(left_hand ? left_ : right_);
        for (int i = 0; i < 4; ++i) {
            const QString caption = QStringLiteral("%1%2").arg(left_hand ? "LG" : "RD").arg(kAngles[i]);
            auto* picture = new QLabel;
            picture->setPixmap(ArrangementPicture(left_hand, kAngles[i]));
            picture->setFrameShape(QFrame::StyledPanel);
            auto* radio = new QRadioButton(caption);
            radio->setObjectName(caption);
            group->addButton(radio);
            radios_[static_cast<std::size_t>(hand * 4 + i)] = radio;
            grid->addWidget(picture, 0, i, Qt::AlignHCenter);
            grid->addWidget(radio, 1, i, Qt::AlignHCenter);
        }
    }
    radios_[0]->setChecked(true);

    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(right_);
    layout->addWidget(left_);
    layout->addWidget(ok, 0, Qt::AlignHCenter);

    texts_.add(655, [this](const QString& text) { setWindowTitle(text); });
    texts_.add(656, [this](const QString& text) { right_->setTitle(text); });
    texts_.add(657, [this](const QString& text) { left_->setTitle(text); });
}

QString ArrangementDialog::chosenArrangement() const
{
    for (const QRadioButton* radio : radios_) {
        if (radio->isChecked()) return radio->text();
    }
    return radios_[0]->text();
}

void ArrangementDialog::choose(const QString& caption)
{
    for (QRadioButton* radio : radios_) {
        if (radio->text() == caption) radio->setChecked(true);
    }
}

void ArrangementDialog::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
}

} // namespace kalvintera
