#include "ui/selection/result_columns.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>

namespace kalvintera {
namespace {

constexpr int kDefaultColumnWidth = 90;
constexpr int kRowPadding = 6;
// A heading shrinks no further than this share of its usual size; past it a word is cut.
constexpr double kSmallestHeadingScale = 0.7;

// The headings wrap between words, not inside one: a long word (German has many) would be
// cut at the column's edge, so the heading's font shrinks until its longest word fits.
void FitHeadingFont(QLabel* label, const QFont& usual)
{
    const int room = label->width() - 2 * label->margin() - 4;
    const QStringList words = label->text().simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const auto widest = [&words](const QFont& font) {
        const QFontMetrics metrics(font);
        int width = 0;
        for (const QString& word : words) width = std::max(width, metrics.horizontalAdvance(word));
        return width;
    };
    // Hinted glyphs do not shrink in proportion to the size, so step down until it fits.
    QFont font = usual;
    const qreal smallest = usual.pointSizeF() * kSmallestHeadingScale;
    while (room > 0 && widest(font) > room && font.pointSizeF() > smallest)
        font.setPointSizeF(std::max(smallest, font.pointSizeF() - 0.25));
    label->setFont(font);
}

} // namespace

ResultColumns::ResultColumns(int column_count, int visible_rows, Scrolling scrolling, QWidget* parent)
    : QWidget(parent)
{
    details_ = new QAction(QStringLiteral("Pokaż szczegóły"), this);
    add_ = new QAction(QStringLiteral("Dodaj do zamówienia"), this);
    connect(details_, &QAction::triggered, this, &ResultColumns::detailsChosen);
    connect(add_, &QAction::triggered, this, &ResultColumns::addChosen);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(2);
    row_height_ = fontMetrics().height() + kRowPadding;

    headings_.resize(static_cast<std::size_t>(column_count));
    for (int column = 0; column < column_count; ++column) {
        auto* heading = new QLabel;
        heading->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        heading->setWordWrap(true);
        heading->setFixedWidth(kDefaultColumnWidth);
        QFont font = heading->font();
        font.setBold(true);
        font.setPointSizeF(font.pointSizeF() * 0.85);
        heading->setFont(font);
        headings_[static_cast<std::size_t>(column)].label = heading;
        headings_[static_cast<std::size_t>(column)].usual_font = font;

        auto* list = new QListWidget;
        list->setObjectName(QStringLiteral("resultColumn%1").arg(column));
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        const bool own_bar = scrolling == Scrolling::ListsScroll && column == column_count - 1;
        list->setVerticalScrollBarPolicy(own_bar ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        list->setTextElideMode(Qt::ElideRight);
        list->setUniformItemSizes(true);
        list->setFixedHeight(visible_rows * row_height_ + 2 * list->frameWidth());
        list->setFixedWidth(kDefaultColumnWidth);
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        lists_.push_back(list);

        connect(list, &QListWidget::currentRowChanged, this, [this](int row) {
            if (row < 0) return;
            mirrorSelection(row);
            emit rowClicked(row);
        });
        connect(list, &QListWidget::itemDoubleClicked, this,
                [this, list](QListWidgetItem* item) { emit rowDoubleClicked(list->row(item)); });
        connect(list, &QListWidget::customContextMenuRequested, this,
                [this, list](const QPoint& position) { showMenu(list, position); });

        grid->addWidget(heading, 0, column);
        grid->addWidget(list, 1, column);
    }

    if (scrolling == Scrolling::ScrollBarBeside) {
        scroll_bar_ = new QScrollBar(Qt::Vertical);
        scroll_bar_->setObjectName(QStringLiteral("resultScrollBar"));
        scroll_bar_->setFixedHeight(lists_.front()->height());
        scroll_bar_->setRange(0, 0);
        // A page is what the lists show, so the thumb's length tells how much of the list is in view.
        scroll_bar_->setPageStep(visible_rows);
        connect(scroll_bar_, &QScrollBar::valueChanged, this, &ResultColumns::scrolled);
        grid->addWidget(scroll_bar_, 1, column_count);
        // The lists show a fixed number of rows and cannot scroll themselves: the wheel
        // over any of them moves the bar beside them, as it would in one list.
        for (QListWidget* list : lists_) list->viewport()->installEventFilter(this);
    }
    grid->setColumnStretch(column_count + 1, 1);
    if (scrolling == Scrolling::ListsScroll) {
        // The lists move as one: whichever scrolls, the others follow.
        for (QListWidget* list : lists_) {
            connect(list->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
                for (QListWidget* other : lists_) other->verticalScrollBar()->setValue(value);
            });
        }
    }
}

void ResultColumns::setHeading(int column, const QString& upper, const QString& unit)
{
    Heading& heading = headings_.at(static_cast<std::size_t>(column));
    heading.upper = upper;
    heading.unit = unit;
    refreshHeading(column);
}

void ResultColumns::setHeadingUpper(int column, const QString& upper)
{
    headings_.at(static_cast<std::size_t>(column)).upper = upper;
    refreshHeading(column);
}

void ResultColumns::setHeadingUnit(int column, const QString& unit)
{
    headings_.at(static_cast<std::size_t>(column)).unit = unit;
    refreshHeading(column);
}

void ResultColumns::refreshHeading(int column)
{
    const Heading& heading = headings_.at(static_cast<std::size_t>(column));
    QString upper = heading.upper;
    if (heading.mark == SortMark::Rising) upper += QStringLiteral(" ▲");
    if (heading.mark == SortMark::Falling) upper += QStringLiteral(" ▼");
    heading.label->setText(heading.unit.isEmpty() ? upper : upper + QLatin1Char('\n') + heading.unit);
    heading.label->setToolTip(heading.label->text());
    FitHeadingFont(heading.label, heading.usual_font);
}

void ResultColumns::setHeadingsClickable(bool clickable)
{
    headings_clickable_ = clickable;
    for (Heading& heading : headings_) {
        heading.label->setCursor(clickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
        heading.label->installEventFilter(this);
    }
}

void ResultColumns::setSortMark(int column, SortMark mark)
{
    for (int other = 0; other < columnCount(); ++other) {
        Heading& heading = headings_.at(static_cast<std::size_t>(other));
        const SortMark wanted = other == column ? mark : SortMark::None;
        if (heading.mark == wanted) continue;
        heading.mark = wanted;
        refreshHeading(other);
    }
}

void ResultColumns::setColumnWidth(int column, int width)
{
    list(column)->setFixedWidth(width);
    headings_.at(static_cast<std::size_t>(column)).label->setFixedWidth(width);
    refreshHeading(column);
}

void ResultColumns::setRows(const std::vector<QStringList>& rows)
{
    clear();
    for (int column = 0; column < columnCount(); ++column) {
        QListWidget* target = list(column);
        for (const QStringList& row : rows) {
            auto* item = new QListWidgetItem(column < row.size() ? row.at(column) : QString());
            item->setSizeHint(QSize(0, row_height_));
            item->setToolTip(item->text());
            target->addItem(item);
        }
    }
}

void ResultColumns::clear()
{
    for (QListWidget* column : lists_) {
        const QSignalBlocker blocker(column);
        column->clear();
    }
}

int ResultColumns::rowCount() const
{
    return lists_.front()->count();
}

QString ResultColumns::text(int row, int column) const
{
    const QListWidgetItem* item = list(column)->item(row);
    return item ? item->text() : QString();
}

std::optional<int> ResultColumns::selectedRow() const
{
    const QListWidget* first = lists_.front();
    const QList<QListWidgetItem*> selected = first->selectedItems();
    if (selected.isEmpty()) return std::nullopt;
    return first->row(selected.front());
}

void ResultColumns::selectRow(int row)
{
    list(0)->setCurrentRow(row);
}

void ResultColumns::setScrollRange(int minimum, int maximum)
{
    if (!scroll_bar_) return;
    const QSignalBlocker blocker(scroll_bar_);
    scroll_bar_->setRange(minimum, maximum);
    scroll_bar_->setValue(minimum);
}

void ResultColumns::mirrorSelection(int row)
{
    for (QListWidget* column : lists_) {
        if (row >= column->count()) continue; // a shorter column keeps its selection
        const QSignalBlocker blocker(column);
        column->setCurrentRow(row);
    }
}

bool ResultColumns::eventFilter(QObject* watched, QEvent* event)
{
    if (headings_clickable_ && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        for (int column = 0; column < columnCount(); ++column) {
            QLabel* label = headings_.at(static_cast<std::size_t>(column)).label;
            if (watched != label) continue;
            if (mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint())) {
                emit headingClicked(column);
            }
            return true;
        }
    }
    if (scroll_bar_ && event->type() == QEvent::Wheel) {
        QCoreApplication::sendEvent(scroll_bar_, event);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ResultColumns::showMenu(QListWidget* list, const QPoint& position)
{
    QMenu menu(this);
    menu.addAction(details_);
    menu.addAction(add_);
    for (QAction* action : more_actions_) menu.addAction(action);
    menu.exec(list->viewport()->mapToGlobal(position));
}

} // namespace kalvintera
