#include "ui/details/transposed_window.h"

#include "core/errors.h"
#include "ui/common/error_text.h"
#include "ui/program.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvintera {
namespace {

struct Row {
    const char* name;
    const char* unit;
};

constexpr std::array<Row, 5> kRowTexts{{
    {"Wydajnosc wentylatora", "m3/h"},
    {"Sprez wentylatora", "Pa"},
    {"Moc wentylatora", "W"},
    {"Poziom dzwieku z odleglosci 1m", "dB(A)"},
    {"Obroty silnika ", "obr/min"},
}};

} // namespace

TransposedParametersWindow::TransposedParametersWindow(Program& program, QWidget* parent)
    : ProgramDialog(program, Behaviour{.fades = true, .closes_on_esc = true}, parent)
{
    setWindowTitle("Parametry wentylatora po transpozycji charakterystyki");
    group_ = new QGroupBox("Parametry punktu pracy po transpozycji charakterystyki");
    auto* grid = new QGridLayout(group_);
    for (int row = 0; row < kRows; ++row) {
        names_[static_cast<std::size_t>(row)] = new QLabel(kRowTexts[static_cast<std::size_t>(row)].name);
        auto* value = new QLabel;
        value->setObjectName(QString("value%1").arg(row));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setMinimumWidth(90);
        value->setFrameShape(QFrame::StyledPanel);
        values_[static_cast<std::size_t>(row)] = value;
        grid->addWidget(names_[static_cast<std::size_t>(row)], row, 0);
        grid->addWidget(value, row, 1);
        grid->addWidget(new QLabel(kRowTexts[static_cast<std::size_t>(row)].unit), row, 2);
    }
    auto* ok = new QPushButton("OK");
    ok->setObjectName("ok");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(group_);
    layout->addWidget(ok, 0, Qt::AlignCenter);

    texts_.add(826, [this](const QString& text) { setWindowTitle(text); });
    texts_.add(827, [this](const QString& text) { group_->setTitle(text); });
    for (int row = 0; row < kRows; ++row) {
        QLabel* name = names_[static_cast<std::size_t>(row)];
        texts_.add(828 + row, [name](const QString& text) { name->setText(text); });
    }
}

void TransposedParametersWindow::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
}

void TransposedParametersWindow::fill(const std::optional<SpeedChange>& change)
{
    for (QLabel* value : values_) value->clear();
    if (!change) return;
    const TransposedParameters texts = TransposedParameterTexts(*change, program_.SelectedCandidatePower,
                                                                program_.CurrentDevice.SoundLevel1m, program_.numbers);
    const std::array<const std::string*, kRows> shown{&texts.flow_m3h, &texts.pressure_pa, &texts.power_w,
                                                      &texts.sound_level_db, &texts.speed_rpm};
    for (int row = 0; row < kRows; ++row) {
        values_[static_cast<std::size_t>(row)]->setText(QString::fromStdString(*shown[static_cast<std::size_t>(row)]));
    }
}

void TransposedParametersWindow::showParameters(const std::optional<SpeedChange>& change)
{
    try {
        fill(change);
    } catch (const KalvinteraError& error) {
        program_.prompter.showInfo(UserErrorText(error, program_.language), QString::fromStdString(program_.MessageTitle));
    }
    showModal();
}

QString TransposedParametersWindow::value(int row) const
{
    return values_.at(static_cast<std::size_t>(row))->text();
}

} // namespace kalvintera
