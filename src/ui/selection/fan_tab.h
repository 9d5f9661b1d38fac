#pragma once

#include "ui/common/language_texts.h"

#include <QObject>
#include <QString>

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
    SelectionActions& actions_;
    Program& program_;
    FanCriteriaPanel* page_ = nullptr;
    FanResultsGroup* results_ = nullptr;
};

} // namespace kalvintera
