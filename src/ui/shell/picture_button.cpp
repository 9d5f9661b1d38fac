#include "ui/shell/picture_button.h"

#include "platform/jpeg_image.h"
#include "ui/program.h"

#include <QEvent>

namespace kalvintera {

QPixmap LoadDataPicture(const Program& program, std::string_view relative, QSize size)
{
    if (!program.fileExists(relative)) return {};
    const QImage image = LoadJpeg(program.path(relative));
    if (image.isNull()) return {};
    return QPixmap::fromImage(image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

QStringList WrapCaptionLine(const QString& line, const QFontMetrics& metrics, int width)
{
    if (width <= 0 || metrics.horizontalAdvance(line) <= width) return {line};
    // Pieces that may start a new line: words, each with the space or hyphen that ends it.
    QStringList pieces;
    QString piece;
    for (const QChar c : line) {
        piece += c;
        if (c == QLatin1Char(' ') || c == QLatin1Char('-')) {
            pieces.append(piece);
            piece.clear();
        }
    }
    if (!piece.isEmpty()) pieces.append(piece);

    QStringList lines;
    QString current;
    auto finish = [&lines, &current] {
        const QString trimmed = current.trimmed();
        if (!trimmed.isEmpty()) lines.append(trimmed);
        current.clear();
    };
    for (const QString& next : pieces) {
        if (metrics.horizontalAdvance((current + next).trimmed()) <= width) {
            current += next;
            continue;
        }
        finish();
        // A word wider than the whole line is broken where it reaches the edge.
        for (const QChar c : next) {
            if (!current.isEmpty() && metrics.horizontalAdvance((current + c).trimmed()) > width) finish();
            current += c;
        }
    }
    finish();
    return lines.isEmpty() ? QStringList{line} : lines;
}

PictureButton::PictureButton(const QStringList& lines, QWidget* parent) : QToolButton(parent), lines_(lines)
{
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    showCaption();
}

void PictureButton::setCaptionWidth(int pixels)
{
    caption_width_ = pixels;
    showCaption();
}

void PictureButton::changeEvent(QEvent* event)
{
    QToolButton::changeEvent(event);
    if (event->type() == QEvent::FontChange) showCaption();
}

void PictureButton::showCaption()
{
    QStringList shown;
    for (const QString& line : lines_) shown.append(WrapCaptionLine(line, fontMetrics(), caption_width_));
    setText(shown.join(QLatin1Char('\n')));
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
    showCaption();
}

void BindPictureButtonTexts(LanguageTexts& texts, PictureButton* button, int caption_line, int hint_line)
{
    texts.add(caption_line, [button](const QString& text) { button->setCaptionLine(0, text); });
    texts.add(caption_line + 1, [button](const QString& text) { button->setCaptionLine(1, text); });
    texts.add(hint_line, [button](const QString& text) { button->setToolTip(text); });
}

} // namespace kalvintera
