#include "ui/selection/fan_tab.h"

#include "core/errors.h"
#include "core/selection/duty_point.h"
#include "core/selection/fan_result_row.h"
#include "core/selection/fan_search.h"
#include "core/selection/order_from_selection.h"
#include "ui/program.h"
#include "ui/selection/arrangement_dialog.h"
#include "ui/selection/fan_criteria.h"
#include "ui/selection/fan_results.h"
#include "ui/selection/selection_actions.h"

namespace kalvintera {

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

        FanSearchCriteria criteria = page_->criteria();
        criteria.duty = reading.duty;
        const FanSearchOutcome outcome = SearchFans(program_.devices, program_.data, criteria, program_.numbers);

        const FanRowOptions options = page_->rowOptions();
        std::vector<FanResultRow> rows;
        rows.reserve(outcome.results.size());
        for (const SelectionResult& result : outcome.results) {
            program_.selectionResults.push_back(result.index);
            rows.push_back(MakeFanResultRow(program_.devices.at(result.index), result, options, program_.numbers));
        }
        results_->setCount(static_cast<int>(rows.size()));
        program_.DutyPointKnown = true;
        if (outcome.message_line != 0) {
            program_.showMessage(outcome.message_line);
        } else {
            results_->showResults(std::move(rows));
            emit resultsFound();
        }
        actions_.showProblems(outcome.problem_devices);
    });
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
}

void FanTab::emptyResults()
{
    results_->empty();
}

void FanTab::applyLanguage(const LanguageTable& table)
{
    page_->applyLanguage(table);
    results_->applyLanguage(table);
}

} // namespace kalvintera
