#pragma once

#include "core/selection/fan_result_row.h"
#include "core/selection/fan_search.h"
#include "core/selection/result_sorting.h"
#include "ui/common/language_texts.h"

#include <QObject>
#include <QString>

#include <optional>
#include <vector>

namespace kalvintera {

struct Program;
class FanCriteriaPanel;
class FanResultsGroup;
class SelectionActions;

// The fan search of the selection window: the "Wentylatory" tab page with its criteria,
// the result group shown below the tabs, and what the user does with a result row.
class FanTab final : public QObject {
    Q_OBJECT
public:
    FanTab(SelectionActions& actions, QObject* parent);

    FanCriteriaPanel* page() const { return page_; }
    FanResultsGroup* results() const { return results_; }

    void search();
    // Shows the current results in the order "Kryterium doboru" names, without a new search.
    void reorderByCriterion();
    // Shows the current results sorted by a column; the same column again reverses the order.
    void sortByColumn(int column);
    // The row operations act on the selected row (the row given, for a double click).
    void showDetails(int row);
    void addSelectedToOrder();
    // The supply voltage the selected row shows.
    QString selectedVoltageText() const;

    void prepareForOpening();
    void emptyResults();
    void applyLanguage(const LanguageTable& table);

signals:
    // A search found fans: the result group is to be shown.
    void resultsFound();

private:
    // Fills the result list (and the shared store of result devices) in the current order.
    void showCurrentResults();
    void showDensity();

    SelectionActions& actions_;
    Program& program_;
    FanCriteriaPanel* page_ = nullptr;
    FanResultsGroup* results_ = nullptr;
    // The results of the last search, in the order shown.
    std::vector<SelectionResult> shown_;
    FanRowOptions row_options_;
    double air_density_ = 1.2;
    std::optional<int> sort_column_;
    SortDirection sort_direction_ = SortDirection::Ascending;
};

} // namespace kalvintera
