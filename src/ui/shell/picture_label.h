#pragma once

#include <QImage>
#include <QLabel>
#include <QSize>

namespace kalvintera {

// A picture of fixed size in a frame. A picture of other proportions is scaled to fit
// the frame and centred, so a picture file of any size shows whole.
class PictureLabel : public QLabel {
    Q_OBJECT
public:
    explicit PictureLabel(QSize size, QWidget* parent = nullptr);

    // Shows `picture`; a null picture (a file that could not be read) keeps the one
    // shown before. False when nothing changed.
    bool setPicture(const QImage& picture);

    // An empty frame.
    void clearPicture();

    bool hasPicture() const { return has_picture_; }

private:
    bool has_picture_ = false;
};

} // namespace kalvintera
