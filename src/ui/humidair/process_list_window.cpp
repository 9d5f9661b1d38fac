#include "ui/humidair/process_list_window.h"

#include "core/errors.h"
#include "core/humidair/air_calculator.h"
#include "core/humidair/humid_air_lines.h"
#include "ui/humidair/humid_air_messages.h"
#include "ui/humidair/process_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kalvintera {

QString ProcessesFullMessage(const Program& program)
{
    return program.line(humid_air_line::kProcessesFull).arg(kMaxChartProcesses);
}

ProcessListWindow::ProcessListWindow(Program& program, ChartContents& contents, ProcessDialog& dialog,
                                     std::function<QString()> air_flow_text, QWidget* parent)
    : ProgramDialog(program, Behaviour{false, false}, parent), contents_(contents), dialog_(dialog),
      air_flow_text_(std::move(air_flow_text))
{
    setObjectName(QStringLiteral("processList"));
    setWindowTitle(QStringLiteral("LISTA PRZEMIAN"));
    table_ = new QTableWidget(0, 5);
    table_->setObjectName(QStringLiteral("processes"));
    table_->setHorizontalHeaderLabels({QStringLiteral("NAZWA PRZEMIANY"), QStringLiteral("PUNKT 1"),
                                       QStringLiteral("PUNKT 2"), QStringLiteral("CIEPŁO [kW]*"),
                                       QStringLiteral("RYSUJ LINIĘ")});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    table_->setMinimumSize(620, 260);
    connect(table_, &QTableWidget::cellClicked, this, [this](int row) { selected_ = row + 1; });
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row) { editProcess(row); });
    connect(table_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (filling_ || item->column() != LineColumn) return;
        contents_.setDrawLine(static_cast<std::size_t>(item->row()), item->checkState() == Qt::Checked);
        emit chartChanged();
    });

    auto* note = new QLabel(QStringLiteral("* - Obliczenia wykonywane dla ilości powietrza podanej w zakładce "
                                           "\"OPCJE --->USTAWIENIA\""));
    define_ = new QPushButton(QStringLiteral("DEFINIUJ PRZEMIANĘ"));
    define_->setObjectName(QStringLiteral("define"));
    close_ = new QPushButton(QStringLiteral("ZAMKNIJ"));
    close_->setObjectName(QStringLiteral("close"));
    connect(define_, &QPushButton::clicked, this, &ProcessListWindow::defineProcess);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(define_);
    buttons->addStretch();
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(note);
    layout->addLayout(buttons);
}

void ProcessListWindow::showEvent(QShowEvent* event)
{
    ProgramDialog::showEvent(event);
    rebuild();
}

void ProcessListWindow::rebuild()
{
    double air_flow = 0;
    bool flow_known = true;
    try {
        air_flow = ReadTypedNumber(air_flow_text_().toStdString(), program_.numbers);
    } catch (const ConversionError& error) {
        // The list still shows its processes; the heat column waits for a readable air flow.
        ReportError(program_, error);
        flow_known = false;
    }
    filling_ = true;
    const std::vector<ProcessRow> rows = ProcessRows(contents_, air_flow, program_.numbers);
    table_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const ProcessRow& row = rows[static_cast<std::size_t>(r)];
        table_->setItem(r, NameColumn, new QTableWidgetItem(QString::fromStdString(row.name)));
        table_->setItem(r, FirstColumn, new QTableWidgetItem(QString::fromStdString(row.first)));
        table_->setItem(r, SecondColumn, new QTableWidgetItem(QString::fromStdString(row.second)));
        table_->setItem(r, HeatColumn, new QTableWidgetItem(flow_known ? QString::fromStdString(row.heat_kw) : QString()));
        auto* line = new QTableWidgetItem(QStringLiteral("linia"));
        line->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        line->setCheckState(row.draw_line ? Qt::Checked : Qt::Unchecked);
        table_->setItem(r, LineColumn, line);
    }
    if (selected_ > static_cast<int>(rows.size())) selected_ = 0;
    if (selected_ > 0) table_->selectRow(selected_ - 1);
    filling_ = false;
    emit chartChanged();
}

void ProcessListWindow::defineProcess()
{
    if (contents_.processesFull()) {
        ShowChartInfo(program_, ProcessesFullMessage(program_));
        return;
    }
    dialog_.addProcess();
    rebuild();
}

void ProcessListWindow::editProcess(int row)
{
    selected_ = row + 1;
    dialog_.editProcess(static_cast<std::size_t>(row));
    rebuild();
}

} // namespace kalvintera
