#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace kalvintera::testing {

// Modal dialogs block in exec(); a test arranges beforehand for the next one to be looked
// at (`inspect`) and closed as soon as it shows.
inline void CloseNextModal(std::function<void(QWidget*)> inspect = {}, int attempts = 200)
{
    QTimer::singleShot(10, [inspect = std::move(inspect), attempts]() mutable {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            if (inspect) inspect(modal);
            modal->close();
        } else if (attempts > 0) {
            CloseNextModal(std::move(inspect), attempts - 1);
        }
    });
}

} // namespace kalvintera::testing
