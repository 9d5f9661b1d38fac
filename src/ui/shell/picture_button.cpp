#include "ui/shell/picture_button.h"

#include "platform/jpeg_image.h"
#include "ui/program.h"

namespace kalvintera {

QPixmap LoadDataPicture(const Program& program, std::string_view relative, QSize size)
{
    if (!program.fileExists(relative)) return {};
    const QImage image = LoadJpeg(program.path(relative));
    if (image.isNull()) return {};
    return QPixmap::fromImage(image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

PictureButton::PictureButton(const QStringList& lines, QWidget* parent) : QToolButton(parent), lines_(lines)
{
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setText(lines_.join('\n'));
}

void PictureButton::showPicture(const Program& program, const QString& relative, QSize size)
{
    const QPixmap picture = LoadDataPicture(program, relative.toStdString(), size);
    if (picture.isNull()) return;
    setIcon(picture);
    setIconSize(size);
}

void PictureButton::setCaptionLine(int index, const QString& text)
{
    if (index < 0) return;
    while (lines_.size() <= index) lines_.append(QString());
    lines_[index] = text;
    setText(lines_.join('\n'));
}

void BindPictureButtonTexts(LanguageTexts& texts, PictureButton* button, int caption_line, int hint_line)
{
    texts.add(caption_line, [button](const QString& text) { button->setCaptionLine(0, text); });
    texts.add(caption_line + 1, [button](const QString& text) { button->setCaptionLine(1, text); });
    texts.add(hint_line, [button](const QString& text) { button->setToolTip(text); });
}

} // namespace kalvintera
