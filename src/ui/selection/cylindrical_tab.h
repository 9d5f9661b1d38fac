#pragma once

#include "core/selection/ventilator_search.h"
#include "ui/common/language_texts.h"

#include <QWidget>

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;

namespace kalvintera {

struct Program;
class PictureLabel;
class ResultColumns;
class SelectionActions;

// "Wywietrzaki cylindryczne": wind-driven ventilators for a flow and a mean wind speed.
// Every result is listed; the lists scroll by themselves.
class CylindricalTab final : public QWidget {
    Q_OBJECT
public:
    explicit CylindricalTab(SelectionActions& actions, QWidget* parent = nullptr);

    void search();
    void showDetails(int row);
    void addSelectedToOrder();

    void prepareForOpening();
    void emptyResults();
    ResultColumns* columns() const { return columns_; }
    void applyLanguage(const LanguageTable& table);

signals:
    void closeRequested();

private:
    SelectionActions& actions_;
    Program& program_;
    LanguageTexts texts_;
    QLineEdit* flow_ = nullptr;
    QLineEdit* wind_ = nullptr;
    QComboBox* colour_ = nullptr;
    PictureLabel* picture_ = nullptr;
    ResultColumns* columns_ = nullptr;
    std::vector<VentilatorResult> rows_;
};

} // namespace kalvintera
