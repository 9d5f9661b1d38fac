#pragma once

#include <QLabel>

namespace kalvintera {

class Desktop;

// A mailbox shown as a link: teal, red while the mouse is over it; a click opens a new
// message to it in the desktop's mail program.
class MailboxLabel : public QLabel {
    Q_OBJECT
public:
    MailboxLabel(Desktop& desktop, const QString& mailbox, QWidget* parent = nullptr);

    bool highlighted() const { return highlighted_; }
    void setHighlighted(bool on);

    // Opens the new message, as a click does.
    void openMessage();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Desktop& desktop_;
    QString mailbox_;
    bool highlighted_ = false;
};

} // namespace kalvintera
