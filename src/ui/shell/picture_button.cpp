#include "ui/shell/picture_button.h"

#include "platform/jpeg_image.h"
#include "ui/program.h"

#include <QPixmap>

namespace kalvintera {

PictureButton::PictureButton(const QStringList& lines, QWidget* parent) : QToolButton(parent), lines_(lines)
{
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setText(lines_.join('\n'));
}

void PictureButton::showPicture(const Program& program, const QString& relative, QSize size)
{
    const std::string name = relative.toStdString();
    if (!program.fileExists(name)) return;
    const QImage image = LoadJpeg(program.path(name));
    if (image.isNull()) return;
    setIcon(QPixmap::fromImage(image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    setIconSize(size);
}

void PictureButton::setCaptionLine(int index, const QString& text)
{
    if (index < 0) return;
    while (lines_.size() <= index) lines_.append(QString());
    lines_[index] = text;
    setText(lines_.join('\n'));
}

} // namespace kalvintera
