#include "ui/shell/picture_label.h"

#include <QPixmap>

namespace kalvintera {

PictureLabel::PictureLabel(QSize size, QWidget* parent) : QLabel(parent)
{
    setFixedSize(size);
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::StyledPanel);
}

bool PictureLabel::setPicture(const QImage& picture)
{
    if (picture.isNull()) return false;
    const QSize room = contentsRect().size();
    setPixmap(QPixmap::fromImage(picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    has_picture_ = true;
    return true;
}

void PictureLabel::clearPicture()
{
    clear();
    has_picture_ = false;
}

} // namespace kalvintera
