#pragma once

#include "core/selection/ventilator_search.h"
#include "ui/common/language_texts.h"

#include <QWidget>

#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;

namespace kalvintera {

struct Program;
class PictureLabel;
class ResultColumns;
class SelectionActions;

// "Wywietrzaki zespolone": stack-effect ventilators for a flow, the inside and outside
// temperatures, the wind and the room height. Five rows at a time with a scroll bar;
// results are numbered scroll position + row + 1.
class IntegratedTab final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kVisibleRows = 5;

    explicit IntegratedTab(SelectionActions& actions, QWidget* parent = nullptr);

    void search();
    void showDetails(int row);
    void addSelectedToOrder();
    // "DANE WENTYLATORA": the details of the fan installed in the selected ventilator.
    void showInstalledFan();

    void prepareForOpening();
    void emptyResults();
    ResultColumns* columns() const { return columns_; }
    void applyLanguage(const LanguageTable& table);

signals:
    void closeRequested();
    void schemeRequested();

private:
    std::optional<int> selectedResultNumber() const;
    void showFrom(int position);

    SelectionActions& actions_;
    Program& program_;
    LanguageTexts texts_;
    QLineEdit* flow_ = nullptr;
    QLabel* flow_unit_ = nullptr;
    QLineEdit* inside_ = nullptr;
    QLineEdit* outside_ = nullptr;
    QComboBox* wind_ = nullptr;
    QLineEdit* height_ = nullptr;
    QComboBox* colour_ = nullptr;
    PictureLabel* picture_ = nullptr;
    ResultColumns* columns_ = nullptr;
    std::vector<VentilatorResult> rows_;
};

} // namespace kalvintera
