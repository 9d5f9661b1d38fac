#include "ui/details/value_table.h"

#include <QHeaderView>

namespace kalvintera {

ValueTable::ValueTable(const QString& name_title, const QString& value_title, QWidget* parent)
    : QTableWidget(0, 2, parent)
{
    setTitles(name_title, value_title);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    horizontalHeader()->setStretchLastSection(true);
}

void ValueTable::setTitles(const QString& name_title, const QString& value_title)
{
    setHorizontalHeaderLabels({name_title, value_title});
}

void ValueTable::setRows(const std::vector<DetailsRow>& rows)
{
    clearContents();
    setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < rowCount(); ++row) {
        const DetailsRow& text = rows[static_cast<std::size_t>(row)];
        setItem(row, 0, new QTableWidgetItem(QString::fromStdString(text.name)));
        setItem(row, 1, new QTableWidgetItem(QString::fromStdString(text.value)));
    }
}

QString ValueTable::name(int row) const
{
    const QTableWidgetItem* cell = item(row, 0);
    return cell ? cell->text() : QString();
}

QString ValueTable::value(int row) const
{
    const QTableWidgetItem* cell = item(row, 1);
    return cell ? cell->text() : QString();
}

} // namespace kalvintera
