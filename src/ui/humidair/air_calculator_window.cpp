#include "ui/humidair/air_calculator_window.h"

#include "core/errors.h"
#include "ui/humidair/air_calculator_help.h"
#include "ui/humidair/humid_air_messages.h"
#include "ui/program.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvintera {
namespace {

std::string TextOf(const QLineEdit* edit) { return edit->text().toStdString(); }

} // namespace

AirCalculatorWindow::AirCalculatorWindow(Program& program, AirCalculatorHelp& help, QWidget* parent)
    : ProgramDialog(program, Behaviour{true, false}, parent), help_(help)
{
    setObjectName(QStringLiteral("airCalculator"));
    setWindowTitle(QStringLiteral("Kalkulator powietrza"));

    auto* menu = new QMenuBar(this);
    help_action_ = menu->addAction(QStringLiteral("Pomoc"));
    help_action_->setObjectName(QStringLiteral("help"));
    connect(help_action_, &QAction::triggered, this, [this] { help_.showModal(); });

    title_ = new QLabel(QStringLiteral("Kalkulator parametrów powietrza"));
    QFont bold = title_->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    title_->setFont(bold);

    grid_ = new QWidget;
    auto* grid = new QGridLayout(grid_);
    grid->setColumnMinimumWidth(3, 24);
    using F = AirField;
    addField(F::Enthalpy, "enthalpy", "i", "kJ/kg", "Entalpia powietrza wilgotnego", 570, false);
    addField(F::Moisture, "moisture", "X", "kg/kg", "Stopień zawilżenia powietrza", 571, false);
    addField(F::Temperature, "temperature", "t", "°C", "temperatura powietrza", 572, false);
    addField(F::Humidity, "humidity", "φ", "%", "Wilgotność względna powietrza", 573, false);
    addField(F::Barometric, "barometric", "pb", "Pa", "Ciśnienie barpmetryczne powietrza", 574, false);
    addField(F::Saturation, "saturation", "ps", "Pa", "Ciśnienie cząstkowe nasycenia dla zadanej temperatury", 575, true);
    addField(F::DewPoint, "dewPoint", "tr", "°C", "Temperatura punktu rosy dla zadanej temperatury", 576, true);
    addField(F::Density, "density", "ρ", "kg/m³", "Gęstość powietrza w danych warunkach", 577, true);
    addField(F::Vapour, "vapour", "pp", "Pa", "Ciśnienie cząstkowe pary wodnej", 578, true);
    addField(F::DryAir, "dryAir", "pg", "Pa", "Ciśnienie cząskowe powietrza suchego", 579, true);
    addField(F::WetBulb, "wetBulb", "tm", "°C", "Temperatura termometru mokrego dla zadanej temperatury", 580, true);

    calculate_ = new QPushButton(QStringLiteral("Oblicz"));
    calculate_->setObjectName(QStringLiteral("calculate"));
    calculate_->setDefault(true);
    clear_ = new QPushButton(QStringLiteral("Wyczyść"));
    clear_->setObjectName(QStringLiteral("clear"));
    cancel_ = new QPushButton(QStringLiteral("Anuluj"));
    cancel_->setObjectName(QStringLiteral("cancel"));
    connect(calculate_, &QPushButton::clicked, this, &AirCalculatorWindow::calculate);
    connect(clear_, &QPushButton::clicked, this, &AirCalculatorWindow::clear);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(calculate_);
    buttons->addWidget(clear_);
    buttons->addStretch();
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menu);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(title_, 0, Qt::AlignHCenter);
    layout->addWidget(grid_);
    layout->addLayout(buttons);

    texts_.add(565, [this](const QString& text) { setWindowTitle(text); });
    texts_.add(566, [this](const QString& text) { title_->setText(text); });
    texts_.add(567, [this](const QString& text) { calculate_->setText(text); });
    texts_.add(568, [this](const QString& text) { clear_->setText(text); });
    texts_.add(569, [this](const QString& text) { cancel_->setText(text); });
    texts_.add(581, [this](const QString& text) { help_action_->setText(text); });
}

QLineEdit* AirCalculatorWindow::addField(AirField which, const char* name, const QString& symbol, const QString& unit,
                                         const QString& hint, int hint_line, bool result)
{
    auto* grid = static_cast<QGridLayout*>(grid_->layout());
    // Inputs in the left column, results in the right one.
    const int column = result ? 4 : 0;
    const int row = result ? static_cast<int>(which) - static_cast<int>(AirField::Saturation)
                           : static_cast<int>(which);
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    edit->setToolTip(hint);
    edit->setFixedWidth(110);
    if (result) {
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
        palette.setColor(QPalette::Text, palette.color(QPalette::ToolTipText));
        edit->setPalette(palette);
    }
    auto* label = new QLabel(symbol);
    label->setBuddy(edit);
    grid->addWidget(label, row, column, Qt::AlignRight);
    grid->addWidget(edit, row, column + 1);
    grid->addWidget(new QLabel(unit), row, column + 2);
    fields_[which] = edit;
    texts_.add(hint_line, [edit](const QString& text) { edit->setToolTip(text); });
    if (std::find(kAirInputs.begin(), kAirInputs.end(), which) != kAirInputs.end()) {
        connect(edit, &QLineEdit::textEdited, this, [this, which] { inputEdited(which); });
    }
    return edit;
}

void AirCalculatorWindow::showEvent(QShowEvent* event)
{
    fields_.at(AirField::Barometric)->setText(QString::fromStdString(program_.settings.atmosphericPressure));
    ProgramDialog::showEvent(event);
}

void AirCalculatorWindow::setInputEnabled(QLineEdit* edit, bool enabled)
{
    edit->setEnabled(enabled);
    // Disabled fields are greyed to the button face, so the pair being typed stands out.
    QPalette palette = edit->palette();
    const QColor base = enabled ? QColor(Qt::white) : palette.color(QPalette::Button);
    palette.setColor(QPalette::Active, QPalette::Base, base);
    palette.setColor(QPalette::Inactive, QPalette::Base, base);
    palette.setColor(QPalette::Disabled, QPalette::Base, base);
    edit->setPalette(palette);
}

void AirCalculatorWindow::inputEdited(AirField which)
{
    origins_.typed(which);
    // Only values the user gave make a pair: a result shown in a field does not take the
    // place of the other value typed, which stays open to changes.
    std::array<bool, 4> filled{};
    for (std::size_t k = 0; k < kAirInputs.size(); ++k) {
        filled[k] = !fields_.at(kAirInputs[k])->text().isEmpty() && !origins_.holdsResult(kAirInputs[k]);
    }
    for (AirField other : InputsToDisable(which, filled)) setInputEnabled(fields_.at(other), false);
}

void AirCalculatorWindow::calculate()
{
    const AirCalculatorTexts texts{TextOf(fields_.at(AirField::Enthalpy)), TextOf(fields_.at(AirField::Moisture)),
                                   TextOf(fields_.at(AirField::Temperature)), TextOf(fields_.at(AirField::Humidity)),
                                   TextOf(fields_.at(AirField::Barometric))};
    std::optional<AirCalculation> calculation;
    try {
        const std::optional<AirInputPair> pair = origins_.pair(texts);
        if (!pair) return; // no complete pair
        calculation = CalculateAir(texts, program_.numbers, pair);
    } catch (const KalvinteraError& error) {
        ReportError(program_, error);
        return;
    }
    if (!calculation) return; // no complete pair
    if (!calculation->state) {
        program_.prompter.showInfo(QStringLiteral("Niedozwolone dane parametrów"), kCalculatorInfoTitle);
        return;
    }
    for (const auto& [which, text] : ShownAirTexts(*calculation, program_.numbers)) {
        fields_.at(which)->setText(QString::fromStdString(text));
        origins_.shown(which);
    }
}

void AirCalculatorWindow::clear()
{
    origins_.clear();
    for (const auto& [which, edit] : fields_) {
        if (which == AirField::Barometric) continue;
        edit->clear();
        if (std::find(kAirInputs.begin(), kAirInputs.end(), which) != kAirInputs.end()) setInputEnabled(edit, true);
    }
}

void AirCalculatorWindow::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
}

} // namespace kalvintera
