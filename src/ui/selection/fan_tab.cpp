#include "ui/selection/fan_tab.h"

#include "core/errors.h"
#include "core/selection/duty_point.h"
#include "core/selection/fan_result_row.h"
#include "core/selection/fan_search.h"
#include "core/selection/energy_settings.h"
#include "core/selection/order_from_selection.h"
#include "core/text/message_format.h"
#include "core/text/rounding.h"
#include "ui/program.h"
#include "ui/selection/arrangement_dialog.h"
#include "ui/selection/fan_criteria.h"
#include "ui/selection/fan_results.h"
#include "ui/selection/result_columns.h"
#include "ui/selection/selection_actions.h"

namespace kalvintera {
namespace {

constexpr int kCatalogueDensityLine = 1225;
constexpr int kScaledDensityLine = 1226;

} // namespace

FanTab::FanTab(SelectionActions& actions, QObject* parent)
    : QObject(parent), actions_(actions), program_(actions.program())
{
    page_ = new FanCriteriaPanel(actions);
    page_->setObjectName(QStringLiteral("fanPage"));
    results_ = new FanResultsGroup;
    connect(page_, &FanCriteriaPanel::searchRequested, this, &FanTab::search);
    connect(page_, &FanCriteriaPanel::arrangementRequested, this, [this] {
        if (ArrangementDialog* dialog = actions_.dialogs().arrangement) dialog->showModal();
    });
    connect(results_, &FanResultsGroup::detailsRequested, this, &FanTab::showDetails);
    connect(results_, &FanResultsGroup::addRequested, this, &FanTab::addSelectedToOrder);
    connect(results_, &FanResultsGroup::sortRequested, this, &FanTab::sortByColumn);
    connect(page_, &FanCriteriaPanel::orderingChanged, this, &FanTab::reorderByCriterion);
}

void FanTab::search()
{
    actions_.guarded([this] {
        const std::string flow = page_->flowText().toStdString();
        const std::string pressure = page_->pressureText().toStdString();
        const DutyPointReading reading =
            ReadDutyPoint(DutyPointTexts{flow, pressure, program_.flowUnit, program_.pressureUnit}, program_.numbers);
        if (reading.message_line != 0) {
            program_.showMessage(reading.message_line);
            return;
        }
        results_->empty();
        program_.selectionResults.clear();
        shown_.clear();
        sort_column_.reset();
        results_->columns()->setSortMark(0, ResultColumns::SortMark::None);

        FanSearchCriteria criteria = page_->criteria();
        criteria.duty = reading.duty;
        FanSearchOptions options;
        options.air_density = FanAirDensity(program_.settings.densityCorrection == 1, program_.air);
        const FanSearchOutcome outcome = SearchFans(program_.devices, program_.data, criteria, program_.numbers, options);

        shown_ = outcome.results;
        row_options_ = page_->rowOptions();
        air_density_ = options.air_density;
        for (const SelectionResult& result : shown_) program_.selectionResults.push_back(result.index);
        results_->setCount(static_cast<int>(shown_.size()));
        program_.DutyPointKnown = true;
        if (outcome.message_line != 0) {
            program_.showMessage(outcome.message_line);
        } else {
            showCurrentResults();
            showDensity();
            emit resultsFound();
        }
        actions_.showProblems(outcome.problem_devices);
    });
}

void FanTab::showCurrentResults()
{
    program_.selectionResults.clear();
    std::vector<FanResultRow> rows;
    rows.reserve(shown_.size());
    for (const SelectionResult& result : shown_) {
        program_.selectionResults.push_back(result.index);
        rows.push_back(MakeFanResultRow(program_.devices.at(result.index), result, row_options_, program_.numbers));
    }
    results_->showResults(std::move(rows));
}

void FanTab::showDensity()
{
    const bool corrected = air_density_ != kCatalogueAirDensity;
    const std::string density = FormatShortest(RoundHalfEven(air_density_, 3), program_.numbers);
    results_->setDensityText(
        QString::fromStdString(FormatMessage(program_.language.line(corrected ? kScaledDensityLine : kCatalogueDensityLine),
                                             {density})));
}

void FanTab::reorderByCriterion()
{
    if (shown_.empty()) return;
    OrderResults(shown_, page_->ordering());
    sort_column_.reset();
    results_->columns()->setSortMark(0, ResultColumns::SortMark::None);
    showCurrentResults();
}

void FanTab::sortByColumn(int column)
{
    if (shown_.empty()) return;
    sort_direction_ = sort_column_ == column && sort_direction_ == SortDirection::Ascending ? SortDirection::Descending
                                                                                            : SortDirection::Ascending;
    sort_column_ = column;
    std::vector<std::string> texts;
    texts.reserve(shown_.size());
    for (const SelectionResult& result : shown_) {
        const FanResultRow row = MakeFanResultRow(program_.devices.at(result.index), result, row_options_, program_.numbers);
        texts.emplace_back(FanResultCells(row).at(static_cast<std::size_t>(column)));
    }
    std::vector<SelectionResult> sorted;
    sorted.reserve(shown_.size());
    for (const std::size_t position : ColumnSortOrder(texts, sort_direction_, program_.numbers)) {
        sorted.push_back(shown_[position]);
    }
    shown_ = std::move(sorted);
    results_->columns()->setSortMark(column, sort_direction_ == SortDirection::Ascending ? ResultColumns::SortMark::Rising
                                                                                         : ResultColumns::SortMark::Falling);
    showCurrentResults();
}

void FanTab::showDetails(int row)
{
    const auto number = results_->resultNumberOfRow(row);
    const auto device = number ? actions_.resultDevice(*number) : std::nullopt;
    if (!device) return;
    // The power the row shows is the one the charts mark; a row without one marks nothing.
    const std::string power = results_->rowText(row, FanResultsGroup::Power).toStdString();
    try {
        program_.SelectedCandidatePower = ParseNumber(power, program_.numbers);
    } catch (const ConversionError&) {
        program_.SelectedCandidatePower = 0;
    }
    actions_.openDetails(*device, true, false);
}

void FanTab::addSelectedToOrder()
{
    const auto number = results_->selectedResultNumber();
    const auto device = number ? actions_.resultDevice(*number) : std::nullopt;
    if (!device) return;
    FanOrderInput input = page_->orderOptions();
    input.device_index = *device;
    input.voltage_text = results_->selectedText(FanResultsGroup::Voltage).toStdString();
    const ArrangementDialog* arrangement = actions_.dialogs().arrangement;
    input.arrangement_caption = arrangement ? arrangement->chosenArrangement().toStdString() : "RD0";
    actions_.addToOrder([&](const std::string& quantity) {
        input.quantity_text = quantity;
        return FanOrderLine(input, program_.numbers);
    });
}

QString FanTab::selectedVoltageText() const
{
    return results_->selectedText(FanResultsGroup::Voltage);
}

void FanTab::prepareForOpening()
{
    page_->prepareForOpening();
    page_->setSeriesCodes(FanSeriesCodes(program_.devices));
    results_->setFlowUnitCaption(QString::fromLatin1(FlowUnitCaption(program_.flowUnit)));
    results_->setPressureUnitCaption(QString::fromLatin1(PressureUnitCaption(program_.pressureUnit)));
}

void FanTab::emptyResults()
{
    results_->empty();
    shown_.clear();
    sort_column_.reset();
    results_->columns()->setSortMark(0, ResultColumns::SortMark::None);
}

void FanTab::applyLanguage(const LanguageTable& table)
{
    page_->applyLanguage(table);
    results_->applyLanguage(table);
    if (!shown_.empty()) showDensity();
}

} // namespace kalvintera
