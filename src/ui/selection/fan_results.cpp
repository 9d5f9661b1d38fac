#include "ui/selection/fan_results.h"

#include "ui/selection/control_texts.h"
#include "ui/selection/result_columns.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QVBoxLayout>

namespace kalvintera {
namespace {

struct ColumnHeading {
    int upper_line;
    const char* upper;
    int unit_line; // 0: the unit comes from the settings
    const char* unit;
    int width;
};

constexpr ColumnHeading kHeadings[FanResultsGroup::ColumnCount] = {
    {206, "WENTYLATOR", 207, "[Typ]", 110},
    {208, "NAPIĘCIE", 209, "[V]", 80},
    {210, "MOC SILNIKA", 211, "[kW]", 80},
    {212, "PRĄD", 213, "[A]", 80},
    {214, "MAX. PRZEPŁYW", 0, "[m3/h]", 95},
    {215, "OBROTY", 216, "[obr/min]", 80},
    {217, "POZIOM DZWIĘKU", 218, "[dB(A)] - 1m", 95},
    {219, "MASA", 220, "[kg]", 70},
    {221, "SPRAWNOŚĆ", 222, "[%]", 85},
    {223, "MOC POBIERANA", 224, "[W]", 95},
    {1220, "PRZEPŁYW PRACY", 0, "[m3/h]", 95},
    {1221, "SPRĘŻ PRACY", 0, "[Pa]", 85},
    {1222, "SFP", 1223, "[W/(m3/s)]", 80},
};

QStringList RowTexts(const FanResultRow& row)
{
    static_assert(kFanResultColumnCount == FanResultsGroup::ColumnCount);
    QStringList list;
    for (const std::string_view text : FanResultCells(row)) {
        list << QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
    return list;
}

QLineEdit* ReadOnlyField(const char* name)
{
    auto* field = new QLineEdit;
    field->setObjectName(QString::fromLatin1(name));
    field->setReadOnly(true);
    field->setFixedWidth(60);
    return field;
}

} // namespace

FanResultsGroup::FanResultsGroup(QWidget* parent) : QGroupBox(QStringLiteral("DOBRANE URZĄDZENIA"), parent)
{
    setObjectName(QStringLiteral("fanResults"));
    texts_.add(205, [this](const QString& text) { setTitle(text); });

    columns_ = new ResultColumns(ColumnCount, kVisibleRows, ResultColumns::Scrolling::ScrollBarBeside);
    columns_->setObjectName(QStringLiteral("fanColumns"));
    for (int column = 0; column < ColumnCount; ++column) {
        const ColumnHeading& heading = kHeadings[column];
        columns_->setHeading(column, QString::fromUtf8(heading.upper), QString::fromUtf8(heading.unit));
        columns_->setColumnWidth(column, heading.width);
        texts_.add(heading.upper_line, [this, column](const QString& text) { columns_->setHeadingUpper(column, text); });
        if (heading.unit_line != 0) {
            texts_.add(heading.unit_line, [this, column](const QString& text) { columns_->setHeadingUnit(column, text); });
        }
    }
    texts_.add(289, [this](const QString& text) { columns_->detailsAction()->setText(text); });
    texts_.add(290, [this](const QString& text) { columns_->addAction()->setText(text); });
    columns_->setScrollRange(1, 1);
    columns_->setHeadingsClickable(true);

    count_ = ReadOnlyField("count");
    number_ = ReadOnlyField("selectedNumber");
    auto* fields = new QHBoxLayout;
    fields->addWidget(NewLabel(texts_, 225, QStringLiteral("Liczba znalezionych produktów")));
    fields->addWidget(count_);
    fields->addSpacing(24);
    fields->addWidget(NewLabel(texts_, 226, QStringLiteral("Numer wybranego elementu")));
    fields->addWidget(number_);
    fields->addSpacing(24);
    density_ = new QLabel;
    density_->setObjectName(QStringLiteral("densityUsed"));
    fields->addWidget(density_);
    fields->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(columns_);
    layout->addLayout(fields);

    connect(columns_, &ResultColumns::scrolled, this, &FanResultsGroup::showFrom);
    connect(columns_, &ResultColumns::rowClicked, this,
            [this](int row) { number_->setText(QString::number(row + position())); });
    connect(columns_, &ResultColumns::rowDoubleClicked, this, &FanResultsGroup::detailsRequested);
    connect(columns_, &ResultColumns::detailsChosen, this, [this] {
        if (const auto row = columns_->selectedRow()) emit detailsRequested(*row);
    });
    connect(columns_, &ResultColumns::addChosen, this, &FanResultsGroup::addRequested);
    connect(columns_, &ResultColumns::headingClicked, this, &FanResultsGroup::sortRequested);
}

void FanResultsGroup::showResults(std::vector<FanResultRow> rows)
{
    rows_ = std::move(rows);
    // A re-ordered list holds other results at the numbers shown.
    number_->clear();
    const int count = static_cast<int>(rows_.size());
    columns_->setScrollRange(1, count > kVisibleRows - 1 ? count - (kVisibleRows - 1) : 1);
    showFrom(1);
}

void FanResultsGroup::showFrom(int first)
{
    std::vector<QStringList> shown;
    for (int number = first; number < first + kVisibleRows && number <= static_cast<int>(rows_.size()); ++number) {
        shown.push_back(RowTexts(rows_[static_cast<std::size_t>(number - 1)]));
    }
    columns_->setRows(shown);
}

void FanResultsGroup::setCount(int count)
{
    count_->setText(QString::number(count));
}

void FanResultsGroup::empty()
{
    rows_.clear();
    columns_->clear();
    columns_->setScrollRange(1, 1);
    count_->clear();
    number_->clear();
    density_->clear();
}

int FanResultsGroup::position() const
{
    return columns_->scrollBar()->value();
}

std::optional<int> FanResultsGroup::resultNumberOfRow(int row) const
{
    if (row < 0 || row >= columns_->rowCount()) return std::nullopt;
    return row + position();
}

std::optional<int> FanResultsGroup::selectedResultNumber() const
{
    const auto row = columns_->selectedRow();
    return row ? resultNumberOfRow(*row) : std::nullopt;
}

QString FanResultsGroup::rowText(int row, Column column) const
{
    return columns_->text(row, column);
}

QString FanResultsGroup::selectedText(Column column) const
{
    const auto row = columns_->selectedRow();
    return row ? rowText(*row, column) : QString();
}

void FanResultsGroup::setFlowUnitCaption(const QString& unit)
{
    columns_->setHeadingUnit(MaxFlow, QLatin1Char('[') + unit + QLatin1Char(']'));
    columns_->setHeadingUnit(OperatingFlow, QLatin1Char('[') + unit + QLatin1Char(']'));
}

void FanResultsGroup::setPressureUnitCaption(const QString& unit)
{
    columns_->setHeadingUnit(OperatingPressure, QLatin1Char('[') + unit + QLatin1Char(']'));
}

void FanResultsGroup::setDensityText(const QString& text)
{
    density_->setText(text);
}

void FanResultsGroup::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
}

} // namespace kalvintera
