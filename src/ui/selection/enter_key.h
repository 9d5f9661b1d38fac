#pragma once

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QObject>

#include <functional>
#include <initializer_list>

namespace kalvintera {

// Runs an action when Enter is pressed in one of the given controls, instead of the
// dialog's default button. An editable list gets the key in its text field, so both are watched.
class EnterKeyAction final : public QObject {
public:
    EnterKeyAction(std::initializer_list<QWidget*> controls, std::function<void()> action, QObject* parent)
        : QObject(parent), action_(std::move(action))
    {
        for (QWidget* control : controls) {
            control->installEventFilter(this);
            if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit()) {
                combo->lineEdit()->installEventFilter(this);
            }
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                action_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> action_;
};

} // namespace kalvintera
