#include "ui/calculators/air_balance_inputs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kalvintera {
namespace {

QLineEdit* Field(const char* name, int width = 70)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFixedWidth(width);
    return edit;
}

QPushButton* ComputeButton(LanguageTexts& texts)
{
    auto* button = new QPushButton(QStringLiteral("Oblicz"));
    button->setObjectName(QStringLiteral("compute"));
    texts.add(419, [button](const QString& text) { button->setText(text); });
    return button;
}

// A room drawn as a box with its three dimensions.
QPixmap RoomPicture()
{
    QPixmap picture(150, 112);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF front[] = {{15, 40}, {95, 40}, {95, 100}, {15, 100}};
    const QPointF depth(38, -28);
    painter.setPen(QPen(QColor(0x30, 0x50, 0x80), 1.5));
    painter.setBrush(QColor(0xdd, 0xe8, 0xf4));
    painter.drawPolygon(front, 4);
    const QPointF top[] = {front[0], front[0] + depth, front[1] + depth, front[1]};
    painter.setBrush(QColor(0xc4, 0xd6, 0xea));
    painter.drawPolygon(top, 4);
    const QPointF side[] = {front[1], front[1] + depth, front[2] + depth, front[2]};
    painter.setBrush(QColor(0xaa, 0xc2, 0xde));
    painter.drawPolygon(side, 4);
    painter.setPen(QColor(0xb0, 0x20, 0x20));
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(13);
    painter.setFont(font);
    painter.drawText(QPointF(50, 96), QStringLiteral("L"));
    painter.drawText(QPointF(114, 92), QStringLiteral("W"));
    painter.drawText(QPointF(2, 74), QStringLiteral("H"));
    return picture;
}

template <std::size_t N>
QListWidget* RoomKindList(const std::array<AirChangeRate, N>& rates, int first_line, const char* name, LanguageTexts& texts)
{
    auto* list = new QListWidget;
    list->setObjectName(QString::fromLatin1(name));
    for (std::size_t i = 0; i < N; ++i) {
        list->addItem(QString::fromUtf8(rates[i].name.data(), static_cast<int>(rates[i].name.size())));
        const int row = static_cast<int>(i);
        texts.add(first_line + row, [list, row](const QString& text) { list->item(row)->setText(text); });
    }
    return list;
}

} // namespace

OccupantsGroup::OccupantsGroup(LanguageTexts& texts, QWidget* parent)
    : QGroupBox(QStringLiteral("Wymiarowanie na podstawie ilości ludzi użytkujących pomieszczenie (ilości higieniczne)"), parent)
{
    setObjectName(QStringLiteral("occupantsGroup"));
    auto* count_label = new QLabel(QStringLiteral("Podaj liczbę osób użytkujących dane pomieszczenie"));
    auto* choice_label = new QLabel(QStringLiteral("Sprecyzuj, czy osoby są palące czy niepalące, mieszanie"));
    choice_ = new QComboBox;
    choice_->setObjectName(QStringLiteral("occupants"));
    choice_->addItems({QStringLiteral("Niepalące"), QStringLiteral("Palące"), QStringLiteral("Mieszanie")});
    non_smokers_label_ = new QLabel(QStringLiteral("Niepalące"));
    non_smokers_ = Field("nonSmokers");
    smokers_label_ = new QLabel(QStringLiteral("Palące"));
    smokers_ = Field("smokers");
    compute_ = ComputeButton(texts);

    auto* counts = new QGridLayout;
    counts->addWidget(non_smokers_label_, 0, 0);
    counts->addWidget(non_smokers_, 0, 1);
    counts->addWidget(smokers_label_, 1, 0);
    counts->addWidget(smokers_, 1, 1);
    counts->setColumnStretch(2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(count_label);
    layout->addWidget(choice_label);
    layout->addWidget(choice_, 0, Qt::AlignLeft);
    layout->addLayout(counts);
    layout->addStretch(1);
    layout->addWidget(compute_, 0, Qt::AlignRight);

    connect(choice_, &QComboBox::currentIndexChanged, this, [this] { showCountsFor(occupants()); });
    showCountsFor(Occupants::NonSmokers);

    texts.add(416, [this](const QString& text) { setTitle(text); });
    texts.add(417, [count_label](const QString& text) { count_label->setText(text); });
    texts.add(418, [choice_label](const QString& text) { choice_label->setText(text); });
    for (int entry = 0; entry < 3; ++entry) {
        texts.add(442 + entry, [this, entry](const QString& text) { choice_->setItemText(entry, text); });
    }
    texts.add(442, [this](const QString& text) { non_smokers_label_->setText(text); });
    texts.add(443, [this](const QString& text) { smokers_label_->setText(text); });
}

Occupants OccupantsGroup::occupants() const
{
    switch (choice_->currentIndex()) {
    case 1: return Occupants::Smokers;
    case 2: return Occupants::Mixed;
    default: return Occupants::NonSmokers;
    }
}

void OccupantsGroup::showCountsFor(Occupants occupants)
{
    const bool non_smokers = occupants != Occupants::Smokers;
    const bool smokers = occupants != Occupants::NonSmokers;
    non_smokers_label_->setVisible(non_smokers);
    non_smokers_->setVisible(non_smokers);
    smokers_label_->setVisible(smokers);
    smokers_->setVisible(smokers);
}

AirChangesGroup::AirChangesGroup(LanguageTexts& texts, QWidget* parent)
    : QGroupBox(QStringLiteral("Wymiarowanie na podstawie zalecanej ilości wymian powietrza dla danego typu pomieszczeń"), parent)
{
    setObjectName(QStringLiteral("airChangesGroup"));
    auto* picture = new QLabel;
    picture->setPixmap(RoomPicture());
    length_ = Field("length");
    width_ = Field("width");
    height_ = Field("height");
    auto* length_label = new QLabel(QStringLiteral("Długość pomieszczenia/budynku         L"));
    auto* width_label = new QLabel(QStringLiteral("Szerokość pomieszczenia/budynku   W"));
    auto* height_label = new QLabel(QStringLiteral("Wysokość pomieszczenia/budynku    H"));
    auto* dimensions = new QGridLayout;
    const std::pair<QLabel*, QLineEdit*> rows[] = {{length_label, length_}, {width_label, width_}, {height_label, height_}};
    for (int row = 0; row < 3; ++row) {
        dimensions->addWidget(rows[row].first, row, 0);
        dimensions->addWidget(rows[row].second, row, 1);
        dimensions->addWidget(new QLabel(QStringLiteral("m")), row, 2);
    }

    auto* kind_group = new QGroupBox(QStringLiteral("Rodzaj pomieszczenia"));
    industrial_ = new QRadioButton(QStringLiteral("Pomieszczenia przemysłowe"));
    industrial_->setObjectName(QStringLiteral("industrial"));
    industrial_->setChecked(true);
    public_ = new QRadioButton(QStringLiteral("Obiekty użyteczności publicznej"));
    public_->setObjectName(QStringLiteral("public"));
    auto* kind_layout = new QVBoxLayout(kind_group);
    kind_layout->addWidget(industrial_);
    kind_layout->addWidget(public_);

    industrial_list_ = RoomKindList(IndustrialRoomRates(), 445, "industrialRooms", texts);
    public_list_ = RoomKindList(PublicRoomRates(), 474, "publicRooms", texts);
    public_list_->hide();
    connect(industrial_, &QRadioButton::toggled, this, [this](bool on) {
        industrial_list_->setVisible(on);
        public_list_->setVisible(!on);
    });
    compute_ = ComputeButton(texts);

    auto* left = new QVBoxLayout;
    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addLayout(dimensions);
    top->addStretch(1);
    left->addLayout(top);
    left->addWidget(kind_group);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(industrial_list_);
    right->addWidget(public_list_);
    right->addWidget(compute_, 0, Qt::AlignRight);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 3);
    layout->addLayout(right, 2);

    texts.add(420, [this](const QString& text) { setTitle(text); });
    texts.add(421, [length_label](const QString& text) { length_label->setText(text); });
    texts.add(422, [width_label](const QString& text) { width_label->setText(text); });
    texts.add(423, [height_label](const QString& text) { height_label->setText(text); });
    texts.add(424, [kind_group](const QString& text) { kind_group->setTitle(text); });
    texts.add(425, [this](const QString& text) { industrial_->setText(text); });
    texts.add(426, [this](const QString& text) { public_->setText(text); });
}

const AirChangeRate* AirChangesGroup::selectedRate() const
{
    const bool industrial = industrial_->isChecked();
    const QListWidget* list = industrial ? industrial_list_ : public_list_;
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty()) return nullptr;
    const auto row = static_cast<std::size_t>(list->row(selected.front()));
    if (industrial) return row < IndustrialRoomRates().size() ? &IndustrialRoomRates()[row] : nullptr;
    return row < PublicRoomRates().size() ? &PublicRoomRates()[row] : nullptr;
}

DwellingGroup::DwellingGroup(LanguageTexts& texts, QWidget* parent)
    : QGroupBox(QStringLiteral("Wymogi dotyczące ilości powietrza wentylacyjnego zdefiniowane w PN-83/B-03430"), parent)
{
    setObjectName(QStringLiteral("dwellingGroup"));
    auto* intro = new QLabel(QStringLiteral("Wybierz warianty, które najlepiej opisują twoje mieszkanie:"));
    auto* heading = new QLabel(QStringLiteral("Ilość pomieszczeń"));
    auto* grid = new QGridLayout;
    grid->addWidget(heading, 0, 1, Qt::AlignCenter);
    for (std::size_t row = 0; row < kDwellingRequirements; ++row) {
        const std::string_view name = DwellingRequirements()[row].name;
        auto* box = new QCheckBox(QString::fromUtf8(name.data(), static_cast<int>(name.size())));
        box->setObjectName(QStringLiteral("room%1").arg(row + 1));
        auto* count = Field(QStringLiteral("count%1").arg(row + 1).toLatin1().constData(), 50);
        count->setEnabled(false);
        connect(box, &QCheckBox::toggled, count, [count](bool on) {
            // A row that is not ticked counts nothing.
            if (!on) count->clear();
            count->setEnabled(on);
        });
        boxes_[row] = box;
        counts_[row] = count;
        grid->addWidget(box, static_cast<int>(row) + 1, 0);
        grid->addWidget(count, static_cast<int>(row) + 1, 1, Qt::AlignCenter);
        texts.add(429 + static_cast<int>(row), [box](const QString& text) { box->setText(text); });
    }
    grid->setColumnStretch(0, 1);
    compute_ = ComputeButton(texts);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addWidget(compute_, 0, Qt::AlignRight);

    texts.add(427, [this](const QString& text) { setTitle(text); });
    texts.add(428, [intro](const QString& text) { intro->setText(text); });
    texts.add(436, [heading](const QString& text) { heading->setText(text); });
}

} // namespace kalvintera
