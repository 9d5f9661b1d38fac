#pragma once

#include "core/selection/fan_result_row.h"
#include "ui/common/language_texts.h"

#include <QGroupBox>

#include <optional>
#include <vector>

class QLabel;
class QLineEdit;

namespace kalvintera {

class ResultColumns;

// "DOBRANE URZĄDZENIA": the fans of the last search, six rows at a time — the ten catalogue
// columns, then the operating flow and pressure and the SFP — with the scroll bar, the count,
// the number of the selected result and the air density the search used. Results are
// numbered from 1; the scroll position is the number of the first row shown. A click on a
// column heading asks for the results sorted by that column.
class FanResultsGroup final : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int kVisibleRows = 6;
    enum Column {
        Model, Voltage, MotorPower, Current, MaxFlow, Speed, Sound, Mass, Efficiency, Power,
        OperatingFlow, OperatingPressure, SpecificPower, ColumnCount
    };

    explicit FanResultsGroup(QWidget* parent = nullptr);

    // The rows of a search, shown from the first.
    void showResults(std::vector<FanResultRow> rows);
    void setCount(int count);
    // Lists, count and selected number empty; the scroll bar back to one position.
    void empty();

    // The result number of the selected row (row + scroll position).
    std::optional<int> selectedResultNumber() const;
    std::optional<int> resultNumberOfRow(int row) const;
    // The text the selected row shows in a column; empty without a selected row.
    QString selectedText(Column column) const;
    QString rowText(int row, Column column) const;

    void setFlowUnitCaption(const QString& unit);
    void setPressureUnitCaption(const QString& unit);
    // What the result area says of the air density the characteristics were taken at.
    void setDensityText(const QString& text);
    QLabel* densityLabel() const { return density_; }

    ResultColumns* columns() const { return columns_; }
    QLineEdit* countField() const { return count_; }
    QLineEdit* numberField() const { return number_; }

    void applyLanguage(const LanguageTable& table);

signals:
    void detailsRequested(int row);
    void addRequested();
    void sortRequested(int column);

private:
    void showFrom(int position);
    int position() const;

    ResultColumns* columns_ = nullptr;
    QLineEdit* count_ = nullptr;
    QLineEdit* number_ = nullptr;
    QLabel* density_ = nullptr;
    std::vector<FanResultRow> rows_;
    LanguageTexts texts_;
};

} // namespace kalvintera
