#include "ui/humidair/point_list_tree.h"

#include "core/humidair/chart_points.h"

#include <QContextMenuEvent>
#include <QMenu>

namespace kalvintera {

PointListTree::PointListTree(QWidget* parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("pointList"));
    setHeaderHidden(true);
    setToolTip(QStringLiteral("Lista zdefiniowanych punktów"));
    setColumnCount(1);

    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("pointMenu"));
    delete_ = menu_->addAction(QStringLiteral("Usuń punkt"));
    delete_->setObjectName(QStringLiteral("deletePoint"));
    add_ = menu_->addAction(QStringLiteral("Dodaj punkt"));
    add_->setObjectName(QStringLiteral("addPoint"));
    connect(delete_, &QAction::triggered, this, [this] {
        if (selected_ > 0) emit deleteRequested(selected_);
    });
    connect(add_, &QAction::triggered, this, &PointListTree::addRequested);

    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        if (const int point = pointOf(item)) selected_ = point;
    });
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (const int point = pointOf(item)) {
            selected_ = point;
            emit editRequested(point);
        }
    });
}

void PointListTree::showPoints(const std::vector<ChartPoint>& points, NumberFormat format)
{
    clear();
    names_.clear();
    for (const ChartPoint& point : points) {
        auto* node = new QTreeWidgetItem(this, {QString::fromStdString(point.name)});
        for (const std::string& line : PointTreeLines(point, format)) {
            new QTreeWidgetItem(node, {QString::fromStdString(line)});
        }
        names_.push_back(point.name);
    }
    if (selected_ > static_cast<int>(points.size())) selected_ = 0;
}

int PointListTree::pointOf(const QTreeWidgetItem* item) const
{
    if (!item || item->parent()) return 0;
    // A node names the first point of its text, as names are unique.
    const std::string text = item->text(0).toStdString();
    for (std::size_t k = 0; k < names_.size(); ++k) {
        if (names_[k] == text) return static_cast<int>(k) + 1;
    }
    return 0;
}

void PointListTree::contextMenuEvent(QContextMenuEvent* event)
{
    // A right click on a point chooses it first, so the menu acts on what is under the pointer.
    if (const int point = pointOf(itemAt(event->pos()))) {
        selected_ = point;
        setCurrentItem(itemAt(event->pos()));
    }
    delete_->setEnabled(selected_ > 0);
    menu_->popup(event->globalPos());
}

} // namespace kalvintera
