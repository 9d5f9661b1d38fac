#include "ui/humidair/ix_chart_view.h"

#include "documents/display_list_painter.h"

#include <QMouseEvent>
#include <QPainter>

namespace kalvintera {

IxChartView::IxChartView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("chart"));
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void IxChartView::showChart(const DisplayList& chart)
{
    chart_ = chart;
    picture_ = RenderDisplayList(chart_);
    resize(chart_.width, chart_.height);
    update();
}

void IxChartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (picture_.isNull()) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    painter.drawImage(0, 0, picture_);
}

void IxChartView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    emit pointerMoved(at.x(), at.y());
}

void IxChartView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    emit clicked(at.x(), at.y());
}

} // namespace kalvintera
