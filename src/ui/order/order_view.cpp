#include "ui/order/order_view.h"

#include "core/order/order_rows.h"
#include "ui/program.h"
#include "ui/selection/result_columns.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QVBoxLayout>

namespace kalvintera {
namespace {

struct ColumnHead {
    const char* text; // the built-in Polish head
    int line;         // its language line; 0 = the same in every language
    int width;
};

// In column order. The quantity head keeps the trailing space of its built-in text.
// The items of the list's pop-up menu.
constexpr int kChangeQuantityLine = 1111;
constexpr int kDetailsLine = 1114;
constexpr int kRemoveLine = 1115;

constexpr ColumnHead kHeads[OrderView::ColumnCount] = {
    {"Lp", 0, 28},         {"Nazwa produktu", 42, 190}, {"Typ", 43, 114},   {"Ilość ", 44, 44},
    {"Napięcie", 48, 70},  {"Wykonanie", 45, 96},       {"Kolor", 46, 84},  {"Układ", 47, 124},
};

QStringList RowTexts(const OrderRow& row)
{
    QStringList texts;
    for (const std::string* text : {&row.LineNo, &row.name, &row.model, &row.Quantity, &row.Voltage, &row.Execution,
                                    &row.Colour, &row.Arrangement}) {
        texts << QString::fromStdString(*text);
    }
    return texts;
}

} // namespace

OrderView::OrderView(Program& program, QWidget* parent) : QWidget(parent), program_(program)
{
    group_ = new QGroupBox;
    group_->setObjectName(QStringLiteral("orderGroup"));

    columns_ = new ResultColumns(ColumnCount, kOrderRowsShown, ResultColumns::Scrolling::ScrollBarBeside);
    columns_->setObjectName(QStringLiteral("orderColumns"));
    for (int column = 0; column < ColumnCount; ++column) {
        const ColumnHead& head = kHeads[column];
        columns_->setHeading(column, QString::fromUtf8(head.text), {});
        columns_->setColumnWidth(column, head.width);
        if (head.line != 0) {
            texts_.add(head.line, [this, column](const QString& text) { columns_->setHeadingUpper(column, text); });
        }
    }
    // The columns' second pop-up item serves here to take a line off the order.
    removeAction()->setText(QStringLiteral("Usuń z zamówienia"));
    texts_.add(kRemoveLine, [this](const QString& text) { removeAction()->setText(text); });
    texts_.add(kDetailsLine, [this](const QString& text) { detailsAction()->setText(text); });
    removeAction()->setObjectName(QStringLiteral("removeFromOrder"));
    detailsAction()->setObjectName(QStringLiteral("showOrderLineDetails"));
    change_quantity_ = new QAction(QStringLiteral("Zmień ilość"), this);
    change_quantity_->setObjectName(QStringLiteral("changeOrderQuantity"));
    texts_.add(kChangeQuantityLine, [this](const QString& text) { change_quantity_->setText(text); });
    columns_->addMenuAction(change_quantity_);
    connect(change_quantity_, &QAction::triggered, this, &OrderView::changeQuantityRequested);
    connect(columns_, &ResultColumns::detailsChosen, this, &OrderView::detailsRequested);
    connect(columns_, &ResultColumns::addChosen, this, &OrderView::removeRequested);
    connect(columns_, &ResultColumns::rowDoubleClicked, this, &OrderView::detailsRequested);
    connect(columns_, &ResultColumns::rowClicked, this, [this](int row) {
        selected_number_->setText(QString::number(row + scrollBar()->value() + 1));
    });
    connect(columns_, &ResultColumns::scrolled, this, [this](int position) {
        // While every line fits there is nothing to scroll to.
        if (program_.order.count() <= kOrderRowsShown) return;
        showRows(position);
    });

    auto* number_label = new QLabel(QStringLiteral("Nr wybranego elmentu"));
    texts_.add(49, [number_label](const QString& text) { number_label->setText(text); });
    selected_number_ = new QLineEdit;
    selected_number_->setObjectName(QStringLiteral("selectedLineNumber"));
    selected_number_->setReadOnly(true);
    selected_number_->setFixedWidth(48);
    number_label->setBuddy(selected_number_);
    auto* number_row = new QHBoxLayout;
    number_row->addWidget(number_label);
    number_row->addWidget(selected_number_);
    number_row->addStretch(1);

    auto* inside = new QVBoxLayout(group_);
    inside->setContentsMargins(6, 2, 6, 4);
    inside->setSpacing(2);
    inside->addWidget(columns_);
    inside->addLayout(number_row);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(group_);

    showOrder();
}

void OrderView::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
}

void OrderView::showOrder()
{
    showRows(0);
    columns_->setScrollRange(0, OrderScrollRange(program_.order.count()));
    showFileName();
}

void OrderView::showFileName()
{
    group_->setTitle(QString::fromStdString(program_.orderFileName));
}

void OrderView::showRows(int first)
{
    std::vector<QStringList> rows;
    for (const OrderRow& row : MakeOrderRows(program_.order, program_.devices, first)) rows.push_back(RowTexts(row));
    columns_->setRows(rows);
    // The redrawn rows have no selection, so no number either.
    selected_number_->clear();
}

void OrderView::showRowsAgain()
{
    const std::optional<int> row = columns_->selectedRow();
    showRows(scrollBar()->value());
    if (row) columns_->selectRow(*row);
}

std::optional<int> OrderView::selectedPosition() const
{
    const std::optional<int> row = columns_->selectedRow();
    if (!row) return std::nullopt;
    return *row + scrollBar()->value();
}

QString OrderView::caption() const { return group_->title(); }

QString OrderView::text(int row, int column) const { return columns_->text(row, column); }

QString OrderView::selectedNumberText() const { return selected_number_->text(); }

QScrollBar* OrderView::scrollBar() const { return columns_->scrollBar(); }

QAction* OrderView::detailsAction() const { return columns_->detailsAction(); }

QAction* OrderView::removeAction() const { return columns_->addAction(); }

QAction* OrderView::changeQuantityAction() const { return change_quantity_; }

OrderView* PlaceOrderView(Program& program, QWidget* area)
{
    auto* view = new OrderView(program, area);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    return view;
}

} // namespace kalvintera
