#pragma once

#include "ui/common/language_texts.h"

#include <QWidget>

#include <optional>

class QAction;
class QGroupBox;
class QLineEdit;
class QScrollBar;

namespace kalvintera {

struct Program;
class ResultColumns;

// The order list on the "Formularz zamówieniowy" tab: a group captioned with the order's
// file name, eight parallel columns showing five lines at a time with a scroll bar beside
// them, and the number of the selected line. It shows program.order; what is done to the
// order is done by the order commands, which it asks through its signals.
class OrderView final : public QWidget, public Translatable {
    Q_OBJECT
public:
    // The columns, left to right.
    enum Column { LineNoColumn, NameColumn, ModelColumn, QuantityColumn, VoltageColumn, ExecutionColumn,
                  ColourColumn, ArrangementColumn, ColumnCount };

    explicit OrderView(Program& program, QWidget* parent = nullptr);

    void applyLanguage(const LanguageTable& table) override;

    // The order from its first line, scrolled to the top, under its file name: after a line
    // was added or removed, and after a new or opened order.
    void showOrder();
    // The same lines again where the list stands, the selected row kept: after a line changed.
    void showRowsAgain();
    // The group caption after the order was saved under another name.
    void showFileName();

    // The position in the order of the selected row (shown row + scroll position), a
    // position past the last line when an empty row is selected; none when no row is.
    std::optional<int> selectedPosition() const;

    // What the user sees and uses, for the window tests.
    QString caption() const;
    QString text(int row, int column) const;
    QString selectedNumberText() const;
    QScrollBar* scrollBar() const;
    ResultColumns* columns() const { return columns_; }
    QAction* detailsAction() const;
    QAction* removeAction() const;
    QAction* changeQuantityAction() const;

signals:
    // Double click on a row, or "Pokaż szczegóły".
    void detailsRequested();
    // "Usuń z zamówienia".
    void removeRequested();
    // "Zmień ilość".
    void changeQuantityRequested();

private:
    void showRows(int first);

    Program& program_;
    QGroupBox* group_ = nullptr;
    ResultColumns* columns_ = nullptr;
    QLineEdit* selected_number_ = nullptr;
    QAction* change_quantity_ = nullptr;
    LanguageTexts texts_;
};

// Puts a new order view into `area` (the order form tab's place for the list), filling it.
OrderView* PlaceOrderView(Program& program, QWidget* area);

} // namespace kalvintera
