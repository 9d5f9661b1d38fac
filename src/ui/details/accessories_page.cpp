#include "ui/details/accessories_page.h"

#include "core/details/device_documents.h"
#include "platform/jpeg_image.h"
#include "ui/program.h"
#include "ui/shell/picture_label.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace kalvintera {
namespace {

const QColor kCaptionColour = Qt::blue;
const QColor kHighlightColour = Qt::red;

} // namespace

AccessoriesPage::AccessoriesPage(Program& program, QWidget* parent) : QWidget(parent), program_(program)
{
    instruction_ = new QLabel("Kliknij akcesorium, aby zobaczyć jego dane");
    area_ = new QWidget;
    area_->setObjectName("accessoryArea");
    area_->setMouseTracking(true);
    area_->installEventFilter(this);
    auto* grid = new QGridLayout(area_);
    for (int k = 0; k < kAccessorySlots; ++k) {
        Slot& slot = slots_[static_cast<std::size_t>(k)];
        slot.thumbnail = new PictureLabel(QSize(128, 96));
        slot.thumbnail->setObjectName(QString("accessoryPicture%1").arg(k));
        slot.caption = new QLabel;
        slot.caption->setObjectName(QString("accessoryCaption%1").arg(k));
        slot.caption->setAlignment(Qt::AlignCenter);
        for (QWidget* widget : {static_cast<QWidget*>(slot.thumbnail), static_cast<QWidget*>(slot.caption)}) {
            widget->setCursor(Qt::PointingHandCursor);
            widget->setAttribute(Qt::WA_Hover);
            widget->installEventFilter(this);
        }
        const int row = k / kAccessoryColumns;
        const int column = k % kAccessoryColumns;
        grid->addWidget(slot.thumbnail, 2 * row, column, Qt::AlignCenter);
        grid->addWidget(slot.caption, 2 * row + 1, column, Qt::AlignCenter);
        setCaptionColour(k, kCaptionColour);
    }
    grid->setRowStretch(2 * kAccessorySlots / kAccessoryColumns, 1);
    scroll_ = new QScrollArea;
    scroll_->setWidgetResizable(true);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setWidget(area_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(instruction_);
    layout->addWidget(scroll_);
    reset();

    texts_.add(341, [this](const QString& text) { instruction_->setText(text); });
}

void AccessoriesPage::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
}

void AccessoriesPage::reset()
{
    scroll_->verticalScrollBar()->setValue(0);
    for (Slot& slot : slots_) {
        slot.thumbnail->hide();
        slot.caption->hide();
        slot.thumbnail->setToolTip({});
        slot.caption->setToolTip({});
        slot.picture.clear();
    }
}

void AccessoriesPage::showSlots(const std::vector<AccessorySlot>& shown)
{
    for (const AccessorySlot& accessory : shown) {
        Slot& slot = slots_[static_cast<std::size_t>(accessory.slot)];
        const QString hint = QString::fromStdString(accessory.hint);
        slot.thumbnail->setToolTip(hint);
        slot.caption->setToolTip(hint);
        slot.caption->setText(QString::fromStdString(accessory.code));
        slot.caption->show();
        slot.picture = accessory.thumbnail;
        loadThumbnail(accessory.slot, accessory.thumbnail);
    }
}

void AccessoriesPage::loadThumbnail(int k, const std::string& file)
{
    PictureLabel* thumbnail = slots_[static_cast<std::size_t>(k)].thumbnail;
    const std::string relative = PicturePath(file);
    if (file.empty() || !program_.fileExists(relative)) return;
    thumbnail->clearPicture();
    thumbnail->setPicture(LoadJpeg(program_.path(relative)));
    thumbnail->show();
}

void AccessoriesPage::highlight(int k)
{
    hovering_ = true;
    setCaptionColour(k, kHighlightColour);
    const std::string& picture = slots_[static_cast<std::size_t>(k)].picture;
    if (!picture.empty() && program_.fileExists(PicturePath(HighlightedThumbnail(picture)))) {
        loadThumbnail(k, HighlightedThumbnail(picture));
    }
}

void AccessoriesPage::unhighlight()
{
    hovering_ = false;
    for (int k = 0; k < kAccessorySlots; ++k) {
        setCaptionColour(k, kCaptionColour);
        const Slot& slot = slots_[static_cast<std::size_t>(k)];
        if (!slot.thumbnail->isHidden()) loadThumbnail(k, slot.picture);
    }
}

void AccessoriesPage::setCaptionColour(int k, const QColor& colour)
{
    QLabel* caption = slots_[static_cast<std::size_t>(k)].caption;
    QPalette palette = caption->palette();
    palette.setColor(QPalette::WindowText, colour);
    caption->setPalette(palette);
}

int AccessoriesPage::slotOf(QObject* widget) const
{
    for (int k = 0; k < kAccessorySlots; ++k) {
        const Slot& slot = slots_[static_cast<std::size_t>(k)];
        if (widget == slot.thumbnail || widget == slot.caption) return k;
    }
    return -1;
}

bool AccessoriesPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == area_) {
        if (event->type() == QEvent::MouseMove && hovering_) unhighlight();
        return QWidget::eventFilter(watched, event);
    }
    const int k = slotOf(watched);
    if (k < 0) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Enter: highlight(k); break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            emit accessoryChosen(captionText(k));
            return true;
        }
        break;
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

bool AccessoriesPage::captionShown(int k) const { return !slots_[static_cast<std::size_t>(k)].caption->isHidden(); }

bool AccessoriesPage::thumbnailShown(int k) const
{
    return !slots_[static_cast<std::size_t>(k)].thumbnail->isHidden();
}

QString AccessoriesPage::captionText(int k) const { return slots_[static_cast<std::size_t>(k)].caption->text(); }

QString AccessoriesPage::hint(int k) const { return slots_[static_cast<std::size_t>(k)].caption->toolTip(); }

QColor AccessoriesPage::captionColour(int k) const
{
    return slots_[static_cast<std::size_t>(k)].caption->palette().color(QPalette::WindowText);
}

QWidget* AccessoriesPage::thumbnail(int k) const { return slots_[static_cast<std::size_t>(k)].thumbnail; }

QWidget* AccessoriesPage::caption(int k) const { return slots_[static_cast<std::size_t>(k)].caption; }

} // namespace kalvintera
