#include "ui/details/details_chart_view.h"

#include "documents/display_list_painter.h"

#include <QMouseEvent>
#include <QPainter>

namespace kalvintera {

DetailsChartView::DetailsChartView(int width, int height, QWidget* parent) : QWidget(parent)
{
    setFixedSize(width, height);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    picture_.width = width;
    picture_.height = height;
}

void DetailsChartView::setPicture(DisplayList picture)
{
    picture_ = std::move(picture);
    update();
}

void DetailsChartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintDisplayList(painter, picture_);
}

void DetailsChartView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    emit pointerMoved(at.x(), at.y());
    QWidget::mouseMoveEvent(event);
}

} // namespace kalvintera
