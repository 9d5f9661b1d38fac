#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace kalvintera::testing {

// Runs `act` as soon as `dialog` is the active modal window (it blocks in exec() until
// then), e.g. to type into it and press its OK. `act` must end the dialog. Gives up after
// about two seconds, so a dialog that never opens does not hang the test.
inline void WhenModal(QWidget* dialog, std::function<void()> act, int attempts = 200)
{
    QTimer::singleShot(10, [dialog = QPointer<QWidget>(dialog), act = std::move(act), attempts]() mutable {
        if (!dialog) return;
        if (QApplication::activeModalWidget() == dialog.data() && dialog->isVisible()) {
            act();
        } else if (attempts > 0) {
            WhenModal(dialog.data(), std::move(act), attempts - 1);
        }
    });
}

} // namespace kalvintera::testing
