#include "ui/calculators/control_element_window.h"

#include "core/errors.h"
#include "core/message_lines.h"
#include "core/text/message_format.h"
#include "core/text/number_format.h"
#include "ui/calculators/calculator_texts.h"
#include "ui/common/error_text.h"
#include "ui/program.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kalvintera {
namespace {

// The calculator's own messages carry this title, not the program's.
const QString kTitle = QStringLiteral("Kalvitera info");

QLineEdit* Field(const char* name)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFixedWidth(80);
    return edit;
}

QRadioButton* Radio(const QString& caption, const char* name)
{
    auto* radio = new QRadioButton(caption);
    radio->setObjectName(QString::fromLatin1(name));
    return radio;
}

QPushButton* Button(const QString& caption, const char* name)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

// The built-in texts of the inputs, which also ask for them when they are missing.
const QString kPressureText = QStringLiteral("Podaj cisnienie do zdławienia");
const QString kFlowText = QStringLiteral("Podaj przepływ w regulowanym obiegu");
const QString kDiameterText = QStringLiteral("Podaj srednicę przewodu");
const QString kSideAText = QStringLiteral("Podaj wymiar boku A");
const QString kSideBText = QStringLiteral("Podaj wymiar boku B");

} // namespace

void ControlElementWindow::ResultRow::setVisible(bool visible) const
{
    caption->setVisible(visible);
    value->setVisible(visible);
    unit->setVisible(visible);
}

ControlElementWindow::ControlElementWindow(Program& program, QWidget* parent) : ProgramDialog(program, Behaviour{}, parent)
{
    setObjectName(QStringLiteral("controlElementWindow"));
    setWindowTitle(QStringLiteral("Kalkulator elementów regulacyjnych"));

    auto* compute_button = Button(QStringLiteral("Oblicz"), "compute");
    auto* cancel = Button(QStringLiteral("Anuluj"), "cancel");
    auto* close = Button(QStringLiteral("Zamknij"), "close");
    connect(compute_button, &QPushButton::clicked, this, &ControlElementWindow::compute);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(compute_button);
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildInputs());
    layout->addWidget(buildChoices());
    layout->addWidget(buildResults());
    layout->addStretch(1);
    layout->addLayout(buttons);
    setMinimumWidth(520);

    chooseSection(DuctSection::Round);
    chooseElement(ControlElementType::Orifice);
    showChoices();

    texts_.add(500, [this](const QString& text) { setWindowTitle(text); });
    texts_.add(516, [compute_button](const QString& text) { compute_button->setText(text); });
    texts_.add(517, [close](const QString& text) { close->setText(text); });
}

QWidget* ControlElementWindow::buildInputs()
{
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* pressure_label = new QLabel(kPressureText);
    auto* flow_label = new QLabel(kFlowText);
    pressure_ = Field("pressure");
    flow_ = Field("flow");
    flow_->setToolTip(QStringLiteral("Podaj przepływ, który chcesz otrzymać"));
    diameter_label_ = new QLabel(kDiameterText);
    side_a_label_ = new QLabel(kSideAText);
    size_a_ = Field("size");
    side_b_label_ = new QLabel(kSideBText);
    side_b_ = Field("sideB");
    side_b_unit_ = new QLabel(QStringLiteral("mm"));

    grid->addWidget(pressure_label, 0, 0);
    grid->addWidget(pressure_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Pa")), 0, 2);
    grid->addWidget(flow_label, 1, 0);
    grid->addWidget(flow_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("m3/h")), 1, 2);
    // The diameter and side A share one field; its label says which the section needs.
    grid->addWidget(diameter_label_, 2, 0);
    grid->addWidget(side_a_label_, 2, 0);
    grid->addWidget(size_a_, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("mm")), 2, 2);
    grid->addWidget(side_b_label_, 3, 0);
    grid->addWidget(side_b_, 3, 1);
    grid->addWidget(side_b_unit_, 3, 2);
    grid->setColumnStretch(3, 1);

    texts_.add(501, [pressure_label](const QString& text) { pressure_label->setText(text); });
    texts_.add(502, [flow_label](const QString& text) { flow_label->setText(text); });
    texts_.add(506, [this](const QString& text) { diameter_label_->setText(text); });
    texts_.add(507, [this](const QString& text) { side_a_label_->setText(text); });
    texts_.add(508, [this](const QString& text) { side_b_label_->setText(text); });
    return box;
}

QWidget* ControlElementWindow::buildChoices()
{
    auto* section_group = new QGroupBox(QStringLiteral("  Przekrój kanału wentylacyjnego"));
    round_ = Radio(QStringLiteral("Okrągły"), "round");
    rectangular_ = Radio(QStringLiteral("Prostokątny"), "rectangular");
    auto* section_layout = new QVBoxLayout(section_group);
    section_layout->addWidget(round_);
    section_layout->addWidget(rectangular_);

    auto* element_group = new QGroupBox(QStringLiteral("Wybierz typ elementu regulacyjnego"));
    orifice_ = Radio(QStringLiteral("Kryza osiowosymetryczna"), "orifice");
    damper_ = Radio(QStringLiteral("Przepustnica jednopłaszczyznowa"), "damper");
    auto* element_layout = new QVBoxLayout(element_group);
    element_layout->addWidget(orifice_);
    element_layout->addWidget(damper_);

    for (QRadioButton* radio : {round_, rectangular_, orifice_, damper_}) {
        connect(radio, &QRadioButton::toggled, this, [this](bool on) {
            if (on) showChoices();
        });
    }

    auto* box = new QWidget;
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(section_group);
    layout->addWidget(element_group);

    texts_.add(503, [section_group](const QString& text) { section_group->setTitle(text); });
    texts_.add(504, [this](const QString& text) { round_->setText(text); });
    texts_.add(505, [this](const QString& text) { rectangular_->setText(text); });
    texts_.add(509, [element_group](const QString& text) { element_group->setTitle(text); });
    texts_.add(510, [this](const QString& text) { orifice_->setText(text); });
    texts_.add(511, [this](const QString& text) { damper_->setText(text); });
    return box;
}

ControlElementWindow::ResultRow ControlElementWindow::addResultRow(QGridLayout* grid, int row, const QString& caption,
                                                                   const QString& unit, const char* name)
{
    ResultRow result{new QLabel(caption), new QLabel, new QLabel(unit)};
    result.value->setObjectName(QString::fromLatin1(name));
    result.value->setMinimumWidth(60);
    result.value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    result.value->setFrameShape(QFrame::StyledPanel);
    QFont bold = result.value->font();
    bold.setBold(true);
    result.value->setFont(bold);
    grid->addWidget(result.caption, row, 0);
    grid->addWidget(result.value, row, 1);
    grid->addWidget(result.unit, row, 2);
    return result;
}

QWidget* ControlElementWindow::buildResults()
{
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 6, 0, 0);
    diameter_ = addResultRow(grid, 0, QStringLiteral("Srednica kryzy wynosi"), QStringLiteral("mm"), "orificeDiameter");
    side_a_result_ = addResultRow(grid, 1, QStringLiteral("Dlugosc boku A kryzy wynosi"), QStringLiteral("mm"), "orificeSideA");
    side_b_result_ = addResultRow(grid, 2, QStringLiteral("Dlugosc boku B kryzy wynosi"), QStringLiteral("mm"), "orificeSideB");
    angle_ = addResultRow(grid, 3, QStringLiteral("Kąt otwarcia przepustnicy"), QStringLiteral("deg"), "damperAngle");
    grid->setColumnStretch(3, 1);

    texts_.add(512, [this](const QString& text) { diameter_.caption->setText(text); });
    texts_.add(513, [this](const QString& text) { side_a_result_.caption->setText(text); });
    texts_.add(514, [this](const QString& text) { side_b_result_.caption->setText(text); });
    texts_.add(515, [this](const QString& text) { angle_.caption->setText(text); });
    return box;
}

void ControlElementWindow::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
}

void ControlElementWindow::chooseSection(DuctSection section)
{
    (section == DuctSection::Round ? round_ : rectangular_)->setChecked(true);
}

void ControlElementWindow::chooseElement(ControlElementType element)
{
    (element == ControlElementType::Orifice ? orifice_ : damper_)->setChecked(true);
}

DuctSection ControlElementWindow::section() const
{
    return rectangular_->isChecked() ? DuctSection::Rectangular : DuctSection::Round;
}

ControlElementType ControlElementWindow::element() const
{
    return damper_->isChecked() ? ControlElementType::Damper : ControlElementType::Orifice;
}

void ControlElementWindow::showChoices()
{
    for (const ResultRow* row : {&diameter_, &side_a_result_, &side_b_result_, &angle_}) {
        row->value->clear();
        row->setVisible(false);
    }
    const bool round = section() == DuctSection::Round;
    diameter_label_->setVisible(round);
    side_a_label_->setVisible(!round);
    side_b_label_->setVisible(!round);
    side_b_->setVisible(!round);
    side_b_unit_->setVisible(!round);
    if (element() == ControlElementType::Damper) {
        angle_.setVisible(true);
    } else if (round) {
        diameter_.setVisible(true);
    } else {
        side_a_result_.setVisible(true);
        side_b_result_.setVisible(true);
    }
}

void ControlElementWindow::showEvent(QShowEvent* event)
{
    // Every opening starts with the orifice, the element most often sized.
    chooseElement(ControlElementType::Orifice);
    ProgramDialog::showEvent(event);
}

void ControlElementWindow::prefillFromThrottling(double surplus_pressure_pa, double flow_m3s)
{
    const ControlElementPrefill texts = PrefillFromThrottling(surplus_pressure_pa, flow_m3s, program_.numbers);
    pressure_->setText(QString::fromStdString(texts.pressure_text));
    flow_->setText(QString::fromStdString(texts.flow_text));
}

void ControlElementWindow::showProblem(int line, const QString& built_in)
{
    program_.prompter.showInfo(LineOrBuiltIn(program_, line, built_in), kTitle);
}

void ControlElementWindow::showError(const QString& message)
{
    program_.prompter.showInfo(message, QString::fromStdString(program_.MessageTitle));
}

void ControlElementWindow::compute()
{
    const bool round = section() == DuctSection::Round;
    if (pressure_->text().isEmpty()) return showProblem(501, kPressureText);
    if (flow_->text().isEmpty()) return showProblem(502, kFlowText);
    if (round && size_a_->text().isEmpty()) return showProblem(506, kDiameterText);
    if (!round && size_a_->text().isEmpty()) return showProblem(507, kSideAText);
    if (!round && side_b_->text().isEmpty()) return showProblem(508, kSideBText);

    const QString density = density_text_ ? density_text_() : QString();
    if (density.isEmpty()) return showError(program_.line(kNoDensityLine));
    ControlElementInput input;
    try {
        // Point and comma read alike; a text that is no number is named as it was typed.
        auto number = [this](const QString& text) {
            const std::string typed = text.toStdString();
            try {
                return ParseNumber(NormalizeDecimal(typed, program_.numbers), program_.numbers);
            } catch (const ConversionError& error) {
                throw ConversionError(error.what(), {message_line::kNotANumber, {typed}});
            }
        };
        input.pressure_pa = number(pressure_->text());
        input.flow_m3h = number(flow_->text());
        input.section = section();
        input.diameter_or_side_a_mm = number(size_a_->text());
        if (!round) input.side_b_mm = number(side_b_->text());
        input.density_kgm3 = number(density);
    } catch (const ConversionError& error) {
        return showError(UserErrorText(error, program_.language));
    }

    auto out_of_range = [this](ControlElementProblem problem, const QLineEdit* field) {
        const UserMessage message = ControlElementRangeMessage(problem, field->text().toStdString(), program_.numbers);
        program_.prompter.showInfo(QString::fromStdString(FormatMessage(program_.language.line(message.line), message.values)),
                                   kTitle);
    };
    const ControlElementProblem problem = CheckControlElementInput(input);
    switch (problem) {
    case ControlElementProblem::None: break;
    case ControlElementProblem::Pressure: return showProblem(501, kPressureText);
    case ControlElementProblem::Flow: return showProblem(502, kFlowText);
    case ControlElementProblem::Diameter: return showProblem(506, kDiameterText);
    case ControlElementProblem::SideA: return showProblem(507, kSideAText);
    case ControlElementProblem::SideB: return showProblem(508, kSideBText);
    case ControlElementProblem::Density: return showError(program_.line(kNoDensityLine));
    case ControlElementProblem::PressureTooHigh: return out_of_range(problem, pressure_);
    case ControlElementProblem::FlowTooHigh: return out_of_range(problem, flow_);
    case ControlElementProblem::DiameterTooLarge:
    case ControlElementProblem::SideATooLarge: return out_of_range(problem, size_a_);
    case ControlElementProblem::SideBTooLarge: return out_of_range(problem, side_b_);
    }

    const ControlElementResult result = ComputeControlElement(input);
    auto whole = [this](double value) { return QString::fromStdString(FormatShortest(value, program_.numbers)); };
    if (round) {
        diameter_.value->setText(whole(result.orifice_diameter_mm));
        diameter_.unit->setText(QStringLiteral("mm"));
    } else {
        side_a_result_.value->setText(whole(result.orifice_side_a_mm));
        side_b_result_.value->setText(whole(result.orifice_side_b_mm));
    }
    angle_.value->setText(whole(result.damper_angle_deg));
}

} // namespace kalvintera
