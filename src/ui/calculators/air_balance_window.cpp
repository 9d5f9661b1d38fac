#include "ui/calculators/air_balance_window.h"

#include "core/errors.h"
#include "core/text/number_format.h"
#include "ui/calculators/air_balance_inputs.h"
#include "ui/calculators/calculator_texts.h"
#include "ui/common/error_text.h"
#include "ui/program.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace kalvintera {
namespace {

// The message asking for a room kind when none is selected in the visible list.
constexpr int kNoRoomKindLine = 1061;

QLineEdit* ResultField(const char* name, const QString& hint)
{
    auto* field = new QLineEdit;
    field->setObjectName(QString::fromLatin1(name));
    field->setReadOnly(true);
    field->setFixedWidth(90);
    field->setToolTip(hint);
    return field;
}

QPushButton* Button(const QString& caption, const char* name)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

AirBalanceWindow::AirBalanceWindow(Program& program, QWidget* parent) : ProgramDialog(program, Behaviour{}, parent)
{
    setObjectName(QStringLiteral("airBalanceWindow"));
    setWindowTitle(QStringLiteral("Kalkulator bilansu powietrza"));

    occupants_ = new OccupantsGroup(texts_);
    air_changes_ = new AirChangesGroup(texts_);
    dwelling_ = new DwellingGroup(texts_);
    inputs_ = new QStackedWidget;
    inputs_->addWidget(occupants_);
    inputs_->addWidget(air_changes_);
    inputs_->addWidget(dwelling_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildMethodGroup());
    layout->addWidget(inputs_, 1);
    layout->addWidget(buildResultGroup());
    resize(700, 640);

    connect(occupants_->computeButton(), &QPushButton::clicked, this, &AirBalanceWindow::computeOccupants);
    connect(air_changes_->computeButton(), &QPushButton::clicked, this, &AirBalanceWindow::computeAirChanges);
    connect(dwelling_->computeButton(), &QPushButton::clicked, this, &AirBalanceWindow::computeDwelling);
    chooseMethod(Method::AirChanges);

    texts_.add(411, [this](const QString& text) { setWindowTitle(text); });
}

QWidget* AirBalanceWindow::buildMethodGroup()
{
    auto* group = new QGroupBox(QStringLiteral("Wybierz sposób określania ilości powietrza wentylacyjnego"));
    by_occupants_ = new QRadioButton(
        QStringLiteral("Na podstawie ilości osób użytkujących dane pomieszczenie (ilości higieniczne)"));
    by_occupants_->setObjectName(QStringLiteral("byOccupants"));
    by_air_changes_ = new QRadioButton(
        QStringLiteral("Na podstawie zalecanej ilośći wymian powietrza wentylacyjnego dla danego typu pomieszeń"));
    by_air_changes_->setObjectName(QStringLiteral("byAirChanges"));
    by_dwelling_ = new QRadioButton(
        QStringLiteral("Wymogi dotyczące ilości powietrza wentylacyjnego stawiane przez Polską Normę PN-83/B-03430"));
    by_dwelling_->setObjectName(QStringLiteral("byDwelling"));
    auto* layout = new QVBoxLayout(group);
    const std::pair<QRadioButton*, Method> radios[] = {
        {by_occupants_, Method::Occupants}, {by_air_changes_, Method::AirChanges}, {by_dwelling_, Method::Dwelling}};
    for (const auto& [radio, method] : radios) {
        layout->addWidget(radio);
        connect(radio, &QRadioButton::toggled, this, [this, method = method](bool on) {
            if (on) chooseMethod(method);
        });
    }
    texts_.add(412, [group](const QString& text) { group->setTitle(text); });
    texts_.add(413, [this](const QString& text) { by_occupants_->setText(text); });
    texts_.add(414, [this](const QString& text) { by_air_changes_->setText(text); });
    texts_.add(415, [this](const QString& text) { by_dwelling_->setText(text); });
    return group;
}

QWidget* AirBalanceWindow::buildResultGroup()
{
    auto* group = new QGroupBox(QStringLiteral("Wynik"));
    minimum_ = ResultField("minimum", QStringLiteral("Minimalna obliczona wydajność wentylatora"));
    maximum_ = ResultField("maximum", QStringLiteral("Maksymalna obliczona wydajność wentylatora"));
    average_ = ResultField("average", QStringLiteral("Uśredniona wydajność wentylatora"));
    auto* average_label = new QLabel(QStringLiteral("Vśrednie"));
    auto* grid = new QGridLayout;
    const std::pair<QLabel*, QLineEdit*> rows[] = {
        {new QLabel(QStringLiteral(" Vmin")), minimum_}, {new QLabel(QStringLiteral("Vmax")), maximum_}, {average_label, average_}};
    for (int row = 0; row < 3; ++row) {
        grid->addWidget(rows[row].first, row, 0);
        grid->addWidget(rows[row].second, row, 1);
        grid->addWidget(new QLabel(QStringLiteral("m3/h")), row, 2);
    }
    grid->setColumnStretch(3, 1);

    copy_ = Button(QStringLiteral("Kopiuj wynik do doboru wentylatora"), "copy");
    auto* close = Button(QStringLiteral("Zamknij"), "close");
    auto* cancel = Button(QStringLiteral("Anuluj"), "cancel");
    connect(copy_, &QPushButton::clicked, this, &AirBalanceWindow::copyResult);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(copy_);
    auto* closing = new QHBoxLayout;
    closing->addWidget(close);
    closing->addWidget(cancel);
    buttons->addLayout(closing);
    buttons->addStretch(1);

    auto* layout = new QHBoxLayout(group);
    layout->addLayout(grid, 1);
    layout->addLayout(buttons);

    texts_.add(437, [group](const QString& text) { group->setTitle(text); });
    texts_.add(438, [average_label](const QString& text) { average_label->setText(text); });
    texts_.add(439, [this](const QString& text) { copy_->setText(text); });
    texts_.add(440, [close](const QString& text) { close->setText(text); });
    texts_.add(441, [cancel](const QString& text) { cancel->setText(text); });
    return group;
}

void AirBalanceWindow::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
}

void AirBalanceWindow::chooseMethod(Method method)
{
    QRadioButton* radio = method == Method::Occupants ? by_occupants_
                          : method == Method::AirChanges ? by_air_changes_
                                                          : by_dwelling_;
    if (!radio->isChecked()) radio->setChecked(true);
    inputs_->setCurrentIndex(static_cast<int>(method));
}

AirBalanceWindow::Method AirBalanceWindow::method() const
{
    return static_cast<Method>(inputs_->currentIndex());
}

QString AirBalanceWindow::minimumText() const { return minimum_->text(); }
QString AirBalanceWindow::maximumText() const { return maximum_->text(); }
QString AirBalanceWindow::averageText() const { return average_->text(); }

void AirBalanceWindow::askFor(int line, const QString& built_in)
{
    program_.prompter.askOkCancel(LineOrBuiltIn(program_, line, built_in), QString::fromStdString(program_.MessageTitle));
}

void AirBalanceWindow::reportError(const std::exception& error)
{
    program_.prompter.showInfo(UserErrorText(error, program_.language), QString::fromStdString(program_.MessageTitle));
}

void AirBalanceWindow::showResult(const AirFlowRange& range)
{
    auto text = [this](double value) { return QString::fromStdString(FormatShortest(value, program_.numbers)); };
    minimum_->setText(text(range.min_m3h));
    maximum_->setText(text(range.max_m3h));
    average_->setText(text(range.average_m3h));
}

void AirBalanceWindow::computeOccupants()
{
    const Occupants occupants = occupants_->occupants();
    const bool non_smokers_empty = occupants_->nonSmokers()->text().isEmpty();
    const bool smokers_empty = occupants_->smokers()->text().isEmpty();
    if (occupants == Occupants::NonSmokers && non_smokers_empty) return askFor(487, QStringLiteral("Podaj liczbę osób niepalących."));
    if (occupants == Occupants::Smokers && smokers_empty) return askFor(488, QStringLiteral("Podaj liczbę osób palących."));
    if (occupants == Occupants::Mixed && (non_smokers_empty || smokers_empty)) {
        return askFor(489, QStringLiteral("Podaj liczbę osób palących i niepalących."));
    }
    try {
        // Only the counts the choice shows are read.
        const long long non_smokers = occupants == Occupants::Smokers ? 0 : ParseInteger(occupants_->nonSmokers()->text().toStdString());
        const long long smokers = occupants == Occupants::NonSmokers ? 0 : ParseInteger(occupants_->smokers()->text().toStdString());
        showResult(ComputePeopleAirFlow(occupants, non_smokers, smokers));
    } catch (const KalvinteraError& error) {
        reportError(error);
    }
}

void AirBalanceWindow::computeAirChanges()
{
    if (air_changes_->length()->text().isEmpty()) return askFor(490, QStringLiteral("Podaj długość pomieszczenia L."));
    if (air_changes_->width()->text().isEmpty()) return askFor(491, QStringLiteral("Podaj szerokość pomieszczenia W."));
    if (air_changes_->height()->text().isEmpty()) return askFor(492, QStringLiteral("Podaj wysokość pomieszczenia H."));
    const AirChangeRate* rate = air_changes_->selectedRate();
    if (!rate) return askFor(kNoRoomKindLine, QStringLiteral("Wybierz rodzaj pomieszczenia z listy."));
    try {
        auto metres = [this](const QLineEdit* field) {
            return ParseNumber(NormalizeDecimal(field->text().toStdString(), program_.numbers), program_.numbers);
        };
        showResult(ComputeAirChangeFlow(metres(air_changes_->length()), metres(air_changes_->width()),
                                        metres(air_changes_->height()), *rate));
    } catch (const KalvinteraError& error) {
        reportError(error);
    }
}

void AirBalanceWindow::computeDwelling()
{
    try {
        std::array<long long, kDwellingRequirements> counts{};
        for (std::size_t row = 0; row < kDwellingRequirements; ++row) {
            const QString count = dwelling_->count(row)->text();
            if (dwelling_->box(row)->isChecked() && !count.isEmpty()) counts[row] = ParseInteger(count.toStdString());
        }
        showResult(ComputeDwellingAirFlow(counts));
    } catch (const KalvinteraError& error) {
        reportError(error);
    }
}

void AirBalanceWindow::copyResult()
{
    // Before anything is computed there is no result: the selection keeps its flow.
    if (average_->text().isEmpty()) return;
    emit resultCopied(average_->text());
}

} // namespace kalvintera
