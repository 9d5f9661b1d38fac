#pragma once

#include <QProxyStyle>

namespace kalvintera {

// The program's look on top of the desktop's style. Fusion, Qt's own style on a desktop
// without a theme, draws a scroll bar's thumb almost white on a grey groove, so the grey
// part that is left reads as the thumb and seems to move against the list: at the top of
// a list it "sits" at the bottom. Here the thumb is the darker part, as users expect.
class ProgramStyle final : public QProxyStyle {
    Q_OBJECT
public:
    ProgramStyle();

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
};

} // namespace kalvintera
