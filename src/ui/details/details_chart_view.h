#pragma once

#include "core/drawing/display_list.h"

#include <QWidget>

namespace kalvintera {

// The picture of a chart computed in the core, at its own size; it tells where the
// pointer moves over it.
class DetailsChartView final : public QWidget {
    Q_OBJECT
public:
    DetailsChartView(int width, int height, QWidget* parent = nullptr);

    void setPicture(DisplayList picture);
    const DisplayList& picture() const { return picture_; }

signals:
    void pointerMoved(int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    DisplayList picture_;
};

} // namespace kalvintera
