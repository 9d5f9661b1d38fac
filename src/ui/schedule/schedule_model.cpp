#include "ui/schedule/schedule_model.h"

#include "core/schedule/schedule_table.h"
#include "core/selection/fan_result_row.h"
#include "ui/program.h"

#include <QColor>

#include <limits>

namespace kalvintera {
namespace {

constexpr int kFirstHeadingLine = 1323; // Lp., Oznaczenie, … Komunikat follow in column order

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

} // namespace

ScheduleModel::ScheduleModel(const Program& program, QObject* parent) : QAbstractTableModel(parent), program_(program) {}

void ScheduleModel::setRows(std::vector<ScheduleRow> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int ScheduleModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ScheduleModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString ScheduleModel::text(const ScheduleRow& row, int column) const
{
    switch (column) {
    case Line: return QString::number(row.source.line);
    case Tag: return FromUtf8(row.source.tag);
    case Duty: return FromUtf8(row.source.flow + " / " + row.source.pressure);
    case Message: return FromUtf8(ScheduleMessage(row, program_.language));
    default: break;
    }
    const SelectionResult* choice = row.choice();
    if (choice == nullptr) return {};
    const DeviceRecord& record = program_.devices.at(choice->index);
    if (column == Fan) return FromUtf8(record.Model);
    FanRowOptions options;
    options.flow_unit = program_.flowUnit;
    options.pressure_unit = program_.pressureUnit;
    const FanResultRow shown = MakeFanResultRow(record, *choice, options, program_.numbers);
    switch (column) {
    case OperatingFlow: return FromUtf8(shown.operating_flow);
    case OperatingPressure: return FromUtf8(shown.operating_pressure);
    case Efficiency: return FromUtf8(shown.efficiency_pct);
    case Power: return FromUtf8(shown.power_w);
    case Sfp: return FromUtf8(shown.sfp);
    case Sound: return FromUtf8(shown.sound);
    default: return {};
    }
}

QVariant ScheduleModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const ScheduleRow& row = rows_[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) return text(row, index.column());
    if (role == Qt::EditRole && index.column() == Fan) return static_cast<int>(row.chosen);
    if (role == kCandidatesRole) {
        QStringList models;
        for (const SelectionResult& candidate : row.candidates) models << FromUtf8(program_.devices.at(candidate.index).Model);
        return models;
    }
    if (role == kSortRole) {
        const int column = index.column();
        if (column == Tag || column == Duty || column == Fan || column == Message) return text(row, column);
        if (column == Line) return static_cast<double>(row.source.line);
        bool number = false;
        const double value = text(row, column).replace(',', '.').toDouble(&number);
        // A line without a fan sorts after every number when the order rises.
        return number ? value : std::numeric_limits<double>::max();
    }
    if (role == Qt::ForegroundRole && row.message_line != 0) return QColor(170, 0, 0);
    return {};
}

QVariant ScheduleModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    QString heading = program_.line(kFirstHeadingLine + section);
    if (section == OperatingFlow) heading += QStringLiteral(" [") + FlowUnitCaption(program_.flowUnit) + ']';
    if (section == OperatingPressure) heading += QStringLiteral(" [") + PressureUnitCaption(program_.pressureUnit) + ']';
    // The unit under its name, as the selection window's columns show it: a heading on one
    // line would be wider than the numbers under it and be cut.
    heading.replace(QStringLiteral(" ["), QStringLiteral("\n["));
    return heading;
}

Qt::ItemFlags ScheduleModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == Fan && row(index.row()).candidates.size() > 1) flags |= Qt::ItemIsEditable;
    return flags;
}

bool ScheduleModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() != Fan || role != Qt::EditRole) return false;
    ScheduleRow& row = rows_[static_cast<std::size_t>(index.row())];
    bool ok = false;
    const int chosen = value.toInt(&ok);
    if (!ok || chosen < 0 || static_cast<std::size_t>(chosen) >= row.candidates.size()) return false;
    row.chosen = static_cast<std::size_t>(chosen);
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), ColumnCount - 1));
    return true;
}

void ScheduleModel::retranslate()
{
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

} // namespace kalvintera
