#pragma once

#include "core/humidair/chart_records.h"
#include "core/text/number_format.h"

#include <QTreeWidget>

#include <vector>

class QAction;
class QMenu;

namespace kalvintera {

// The chart's points, each with its eight values below it. A click on a point's node
// selects the point; a double click opens it for editing; its context menu deletes it.
class PointListTree final : public QTreeWidget {
    Q_OBJECT
public:
    explicit PointListTree(QWidget* parent = nullptr);

    void showPoints(const std::vector<ChartPoint>& points, NumberFormat format);

    // The selected point, 1-based; 0 when none has been chosen.
    int selectedPoint() const { return selected_; }
    void setSelectedPoint(int point) { selected_ = point; }

    QMenu* contextMenu() const { return menu_; }

signals:
    void editRequested(int point);
    void deleteRequested(int point);
    void addRequested();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // The point whose node this is, 1-based; 0 for a value line.
    int pointOf(const QTreeWidgetItem* item) const;

    std::vector<std::string> names_;
    int selected_ = 0;
    QMenu* menu_ = nullptr;
    QAction* delete_ = nullptr;
    QAction* add_ = nullptr;
};

} // namespace kalvintera
