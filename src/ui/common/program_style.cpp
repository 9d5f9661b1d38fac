#include "ui/common/program_style.h"

#include <QPainter>
#include <QStyleOptionSlider>

namespace kalvintera {

ProgramStyle::ProgramStyle() = default;

void ProgramStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                      const QWidget* widget) const
{
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    // Nothing to scroll: the base style shows the bar as it likes.
    if (control != CC_ScrollBar || !bar || !(bar->subControls & SC_ScrollBarSlider) || bar->maximum <= bar->minimum) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    QStyleOptionSlider without_thumb(*bar);
    without_thumb.subControls &= ~SC_ScrollBarSlider;
    QProxyStyle::drawComplexControl(control, &without_thumb, painter, widget);

    const QRect thumb = subControlRect(control, bar, SC_ScrollBarSlider, widget);
    if (thumb.isEmpty()) return;
    const QPalette& palette = bar->palette;
    const bool enabled = bar->state & State_Enabled;
    const bool pressed = enabled && (bar->state & State_Sunken) && (bar->activeSubControls & SC_ScrollBarSlider);
    const bool hovered = enabled && (bar->state & State_MouseOver) && (bar->activeSubControls & SC_ScrollBarSlider);
    QColor fill = palette.color(QPalette::Mid);
    if (pressed) fill = fill.darker(125);
    else if (hovered) fill = fill.darker(112);
    if (!enabled) fill = palette.color(QPalette::Disabled, QPalette::Mid).lighter(110);

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(QPen(palette.color(QPalette::Dark), 1));
    painter->setBrush(fill);
    const bool vertical = bar->orientation == Qt::Vertical;
    const QRectF body = QRectF(thumb).adjusted(vertical ? 2.5 : 0.5, vertical ? 0.5 : 2.5, vertical ? -2.5 : -0.5,
                                               vertical ? -0.5 : -2.5);
    painter->drawRoundedRect(body, 3, 3);
    painter->restore();
}

} // namespace kalvintera
