#pragma once

#include "ui/common/language_texts.h"

#include <QFontMetrics>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QToolButton>

#include <string_view>

namespace kalvintera {

struct Program;

// A JPEG of the data folder fitted into `size`; a null pixmap when it is missing or unreadable.
QPixmap LoadDataPicture(const Program& program, std::string_view relative, QSize size);

// The caption line broken into lines no wider than `width` pixels: at spaces, after
// hyphens, and within a word only when the word alone is wider.
QStringList WrapCaptionLine(const QString& line, const QFontMetrics& metrics, int width);

// A large button of the main window's tabs: an optional picture with a caption of one or
// two lines underneath. The language file replaces each caption line on its own, so the
// lines are kept apart and joined for display.
class PictureButton final : public QToolButton {
    Q_OBJECT
public:
    PictureButton(const QStringList& lines, QWidget* parent = nullptr);

    // Shows the JPEG `relative` of the data folder above the caption; a missing or
    // unreadable picture leaves the button without one.
    void showPicture(const Program& program, const QString& relative, QSize size);

    void setCaptionLine(int index, const QString& text);
    QString captionLine(int index) const { return lines_.value(index); }

    // Caption lines wider than this wrap onto further lines instead of being cut off;
    // 0 (the default) never wraps.
    void setCaptionWidth(int pixels);

protected:
    void changeEvent(QEvent* event) override;

private:
    void showCaption();

    QStringList lines_;
    int caption_width_ = 0;
};

// The button's two caption lines from language lines `caption_line` and the one after it,
// and its hint from `hint_line`.
void BindPictureButtonTexts(LanguageTexts& texts, PictureButton* button, int caption_line, int hint_line);

} // namespace kalvintera
