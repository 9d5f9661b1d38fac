#pragma once

#include "ui/common/program_dialog.h"

#include <QImage>

namespace kalvintera {

class PictureLabel;

// A product picture enlarged. A click on the picture or Esc closes the window, and closing
// hides the picture: each opening hands in the picture to show.
class PictureWindow : public ProgramDialog {
    Q_OBJECT
public:
    explicit PictureWindow(Program& program, QWidget* parent = nullptr);

    // Shows `picture` until the user closes the window.
    int showPicture(const QImage& picture);

    bool pictureShown() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

private:
    PictureLabel* picture_;
};

} // namespace kalvintera
