#pragma once

#include <QFont>
#include <QStringList>
#include <QWidget>

#include <optional>
#include <vector>

class QAction;
class QLabel;
class QListWidget;
class QScrollBar;

namespace kalvintera {

// Parallel single-column lists, one per result column, that read as one table: a row
// selected in any column is selected in all of them. Either the lists show a fixed number
// of rows and one scroll bar beside them moves through the results (the caller redraws the
// rows for the new position), or every result is listed and the lists scroll together.
// Either way the mouse wheel over any list scrolls them all.
// Each list has the pop-up menu "Pokaż szczegóły" / "Dodaj do zamówienia".
class ResultColumns : public QWidget {
    Q_OBJECT
public:
    enum class Scrolling { ScrollBarBeside, ListsScroll };

    ResultColumns(int column_count, int visible_rows, Scrolling scrolling, QWidget* parent = nullptr);

    int columnCount() const { return static_cast<int>(lists_.size()); }

    // The column heading: an upper line and a unit line (either may be empty).
    void setHeading(int column, const QString& upper, const QString& unit);
    void setHeadingUpper(int column, const QString& upper);
    void setHeadingUnit(int column, const QString& unit);
    void setColumnWidth(int column, int width);
    // Headings that can be clicked to sort by their column; the mark ("▲" rising, "▼"
    // falling, or none) follows the heading's upper line.
    void setHeadingsClickable(bool clickable);
    enum class SortMark { None, Rising, Falling };
    void setSortMark(int column, SortMark mark);

    // Replaces the shown rows; each row holds one text per column.
    void setRows(const std::vector<QStringList>& rows);
    void clear();
    int rowCount() const;
    QString text(int row, int column) const;

    // The selected row of the first column, counted from the first shown row.
    std::optional<int> selectedRow() const;
    void selectRow(int row);

    // The scroll bar beside the lists (ScrollBarBeside only, else null).
    QScrollBar* scrollBar() const { return scroll_bar_; }
    void setScrollRange(int minimum, int maximum);

    QListWidget* list(int column) const { return lists_.at(static_cast<std::size_t>(column)); }
    QLabel* headingLabel(int column) const { return headings_.at(static_cast<std::size_t>(column)).label; }
    QAction* detailsAction() const { return details_; }
    QAction* addAction() const { return add_; }
    // Adds an item to the end of the pop-up menu.
    void addMenuAction(QAction* action) { more_actions_.push_back(action); }

signals:
    void rowClicked(int row);
    void rowDoubleClicked(int row);
    void detailsChosen();
    void addChosen();
    void scrolled(int position);
    void headingClicked(int column);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void mirrorSelection(int row);
    void refreshHeading(int column);
    void showMenu(QListWidget* list, const QPoint& position);

    struct Heading {
        QLabel* label = nullptr;
        QFont usual_font;
        QString upper;
        QString unit;
        SortMark mark = SortMark::None;
    };
    std::vector<QListWidget*> lists_;
    std::vector<Heading> headings_;
    QScrollBar* scroll_bar_ = nullptr;
    QAction* details_ = nullptr;
    QAction* add_ = nullptr;
    std::vector<QAction*> more_actions_;
    int row_height_ = 0;
    bool headings_clickable_ = false;
};

} // namespace kalvintera
