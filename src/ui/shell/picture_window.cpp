#include "ui/shell/picture_window.h"

#include "ui/shell/picture_label.h"

#include <QEvent>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace kalvintera {

PictureWindow::PictureWindow(Program& program, QWidget* parent)
    : ProgramDialog(program, Behaviour{.fades = false, .closes_on_esc = true}, parent)
{
    setWindowTitle("Powiększenie");

    picture_ = new PictureLabel(QSize(770, 508));
    picture_->setObjectName("picture");
    picture_->setToolTip("Click to close");
    picture_->setCursor(Qt::PointingHandCursor);
    picture_->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(picture_);
}

int PictureWindow::showPicture(const QImage& picture)
{
    picture_->clearPicture();
    picture_->setPicture(picture);
    picture_->show();
    return showModal();
}

bool PictureWindow::pictureShown() const
{
    return !picture_->isHidden();
}

bool PictureWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == picture_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        reject();
        return true;
    }
    return ProgramDialog::eventFilter(watched, event);
}

void PictureWindow::done(int result)
{
    picture_->hide();
    ProgramDialog::done(result);
}

} // namespace kalvintera
