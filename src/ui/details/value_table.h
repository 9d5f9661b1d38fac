#pragma once

#include "core/details/details_tables.h"

#include <QTableWidget>

#include <vector>

namespace kalvintera {

// A read-only two-column table of names and values: the technical and the dimension
// table of the details window.
class ValueTable final : public QTableWidget {
    Q_OBJECT
public:
    ValueTable(const QString& name_title, const QString& value_title, QWidget* parent = nullptr);

    void setTitles(const QString& name_title, const QString& value_title);
    void setRows(const std::vector<DetailsRow>& rows);

    QString name(int row) const;
    QString value(int row) const;
};

} // namespace kalvintera
