#pragma once

#include "core/drawing/display_list.h"

#include <QImage>
#include <QWidget>

namespace kalvintera {

// The chart picture: a bitmap painted from the display list the core computed. It only
// reports where the pointer is and where it was clicked; what that means is the window's.
class IxChartView final : public QWidget {
    Q_OBJECT
public:
    explicit IxChartView(QWidget* parent = nullptr);

    // Replaces the whole picture; the widget takes the picture's size.
    void showChart(const DisplayList& chart);

    const DisplayList& chart() const { return chart_; }
    const QImage& picture() const { return picture_; }

signals:
    void pointerMoved(int x, int y);
    void clicked(int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    DisplayList chart_;
    QImage picture_;
};

} // namespace kalvintera
