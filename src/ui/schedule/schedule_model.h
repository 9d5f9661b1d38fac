#pragma once

#include "core/schedule/schedule_selection.h"

#include <QAbstractTableModel>

#include <vector>

namespace kalvintera {

struct Program;

// The selected schedule as a table: one row per line, the chosen fan editable among the
// line's alternatives. Display texts as the selection window shows them; the sort role holds
// numbers where a column is numeric, so sorting by a column orders numbers as numbers.
class ScheduleModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Line, Tag, Duty, Fan, OperatingFlow, OperatingPressure, Efficiency, Power, Sfp, Sound, Message, ColumnCount };
    // The models of a row's candidates, for the alternatives' drop-down (a QStringList).
    static constexpr int kCandidatesRole = Qt::UserRole + 1;
    static constexpr int kSortRole = Qt::UserRole + 2;

    explicit ScheduleModel(const Program& program, QObject* parent = nullptr);

    void setRows(std::vector<ScheduleRow> rows);
    const std::vector<ScheduleRow>& rows() const { return rows_; }
    const ScheduleRow& row(int index) const { return rows_.at(static_cast<std::size_t>(index)); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The Fan column takes the position of the chosen candidate.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The column headings follow the language.
    void retranslate();

private:
    QString text(const ScheduleRow& row, int column) const;

    const Program& program_;
    std::vector<ScheduleRow> rows_;
};

} // namespace kalvintera
