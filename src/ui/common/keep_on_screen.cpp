#include "ui/common/keep_on_screen.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace kalvintera {

void KeepOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen || !window->isVisible()) return;
    const QRect available = screen->availableGeometry();
    const QRect frame = window->frameGeometry();
    const int left = std::max(available.left(), std::min(frame.left(), available.right() + 1 - frame.width()));
    const int top = std::max(available.top(), std::min(frame.top(), available.bottom() + 1 - frame.height()));
    if (left != frame.left() || top != frame.top()) window->move(left, top);
}

} // namespace kalvintera
