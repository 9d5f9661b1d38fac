#include "ui/shell/mailbox_label.h"

#include "platform/desktop.h"

#include <QEnterEvent>
#include <QMouseEvent>

namespace kalvintera {
namespace {

const QColor kTeal(0, 128, 128);
const QColor kRed(255, 0, 0);

} // namespace

MailboxLabel::MailboxLabel(Desktop& desktop, const QString& mailbox, QWidget* parent)
    : QLabel(mailbox, parent), desktop_(desktop), mailbox_(mailbox)
{
    setCursor(Qt::PointingHandCursor);
    // Moves over the label stay here, so the page around it only sees moves off the labels.
    setMouseTracking(true);
    setHighlighted(false);
}

void MailboxLabel::setHighlighted(bool on)
{
    highlighted_ = on;
    const QColor& wanted = on ? kRed : kTeal;
    if (palette().color(QPalette::WindowText) == wanted) return;
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, wanted);
    setPalette(colours);
}

void MailboxLabel::openMessage()
{
    desktop_.openAddress((QStringLiteral("mailto:") + mailbox_).toStdString());
}

void MailboxLabel::enterEvent(QEnterEvent* event)
{
    setHighlighted(true);
    QLabel::enterEvent(event);
}

void MailboxLabel::leaveEvent(QEvent* event)
{
    setHighlighted(false);
    QLabel::leaveEvent(event);
}

void MailboxLabel::mouseMoveEvent(QMouseEvent* event)
{
    setHighlighted(true);
    event->accept();
}

void MailboxLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) openMessage();
    QLabel::mouseReleaseEvent(event);
}

} // namespace kalvintera
