#include "ui/details/dimensions_page.h"

#include "core/details/device_documents.h"
#include "platform/jpeg_image.h"
#include "ui/details/value_table.h"
#include "ui/program.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace kalvintera {
namespace {

QIcon MagnifierIcon()
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::darkGray, 2.5));
    painter.drawEllipse(QRectF(3, 3, 12, 12));
    painter.setPen(QPen(Qt::darkGray, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(14, 14), QPointF(21, 21));
    return QIcon(pixmap);
}

} // namespace

DimensionsPage::DimensionsPage(Program& program, QWidget* parent) : QWidget(parent), program_(program)
{
    group_ = new QGroupBox(QString::fromUtf8("WYMIARY / WŁAŚCIWOŚCI"));
    drawing_ = new QLabel;
    drawing_->setObjectName("drawing");
    drawing_->setCursor(Qt::PointingHandCursor);
    drawing_->installEventFilter(this);
    scroll_ = new QScrollArea;
    scroll_->setWidget(drawing_);
    scroll_->setMinimumSize(360, 300);
    scroll_->setAlignment(Qt::AlignCenter);
    magnifier_ = new QToolButton;
    magnifier_->setObjectName("magnifier");
    magnifier_->setIcon(MagnifierIcon());
    magnifier_->setIconSize(QSize(24, 24));
    connect(magnifier_, &QToolButton::clicked, this, &DimensionsPage::enlargeRequested);
    table_ = new ValueTable("WYMIAR", QString::fromUtf8("WARTOŚĆ"));
    table_->setObjectName("dimensions");

    auto* drawing_side = new QVBoxLayout;
    drawing_side->addWidget(magnifier_, 0, Qt::AlignLeft);
    drawing_side->addWidget(scroll_, 1);
    auto* inner = new QHBoxLayout(group_);
    inner->addLayout(drawing_side, 3);
    inner->addWidget(table_, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group_);

    texts_.add(340, [this](const QString& text) { group_->setTitle(text); });
    texts_.add(396, [this](const QString& text) { table_->setTitles(text, table_->horizontalHeaderItem(1)->text()); });
    texts_.add(397, [this](const QString& text) { table_->setTitles(table_->horizontalHeaderItem(0)->text(), text); });
}

void DimensionsPage::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
}

void DimensionsPage::showDrawing()
{
    const std::string relative = PicturePath(program_.CurrentDevice.DrawingFile);
    drawing_->clear();
    if (!program_.fileExists(relative)) {
        drawing_->hide();
        return;
    }
    drawing_->setPixmap(QPixmap::fromImage(LoadJpeg(program_.path(relative))));
    drawing_->adjustSize();
    drawing_->show();
}

bool DimensionsPage::drawingShown() const { return !drawing_->isHidden(); }

bool DimensionsPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == drawing_ && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        emit enlargeRequested();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kalvintera
