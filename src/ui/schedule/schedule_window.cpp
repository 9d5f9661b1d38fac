#include "ui/schedule/schedule_window.h"

#include "core/documents/datasheet_lines.h"
#include "core/errors.h"
#include "core/order/order_list.h"
#include "core/schedule/schedule_order.h"
#include "core/schedule/schedule_table.h"
#include "core/shell/file_io.h"
#include "core/text/csv_text.h"
#include "core/text/message_format.h"
#include "ui/common/error_text.h"
#include "ui/documents/datasheet_export.h"
#include "ui/program.h"
#include "ui/schedule/alternative_delegate.h"
#include "ui/schedule/schedule_model.h"
#include "ui/selection/selection_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableView>
#include <QThread>
#include <QVBoxLayout>

#include <algorithm>

namespace kalvintera {
namespace {

enum Line {
    kTitleLine = 1314,
    kOpenLine = 1315,
    kAlternativesLine = 1316,
    kStandardLine = 1317,
    kSelectLine = 1318,
    kStopLine = 1319,
    kAddAllLine = 1320,
    kCsvLine = 1321,
    kXlsxLine = 1322,
    kAddedLine = 1334,
    kOrderFullLine = 1335,
    kCsvFilterLine = 1336,
    kXlsxFilterLine = 1337,
    kStatusLine = 1338,
    kNothingChosenLine = 1339,
    kStoppedLine = 1340,
};
constexpr int kCriterionLine = 178;     // "Kryterium doboru"
constexpr int kLowestPowerLine = 259;   // the criteria of the selection window, in its order
constexpr int kLowestSfpLine = 1224;

QPushButton* NewButton(LanguageTexts& texts, int line, const QString& built_in, const char* name)
{
    auto* button = new QPushButton(built_in);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    texts.add(line, [button](const QString& text) { button->setText(text); });
    return button;
}

} // namespace

ScheduleWindow::ScheduleWindow(Program& program, QWidget* parent)
    : ProgramDialog(program, Behaviour{.fades = false, .closes_on_esc = true}, parent), program_(program)
{
    setObjectName(QStringLiteral("scheduleWindow"));
    setWindowTitle(QString::fromUtf8("ZESTAWIENIE WENTYLATORÓW"));
    texts_.add(kTitleLine, [this](const QString& text) { setWindowTitle(text); });
    datasheets_ = new DatasheetExport(program, this);

    QPushButton* open = NewButton(texts_, kOpenLine, QString::fromUtf8("Otwórz zestawienie..."), "openSchedule");
    connect(open, &QPushButton::clicked, this, &ScheduleWindow::openSchedule);
    file_label_ = new QLabel;
    file_label_->setObjectName(QStringLiteral("scheduleFile"));

    auto* criterion = new QLabel(QString::fromUtf8("Kryterium doboru"));
    texts_.add(kCriterionLine, [criterion](const QString& text) { criterion->setText(text); });
    ordering_ = new QComboBox;
    ordering_->setObjectName(QStringLiteral("scheduleOrdering"));
    ordering_->addItems({QString::fromUtf8("Minimalna moc pobierana"), QString::fromUtf8("Maksymalna sprawność"),
                         QString::fromUtf8("Najniższe SFP")});
    texts_.add(kLowestPowerLine, [this](const QString& text) { ordering_->setItemText(0, text); });
    texts_.add(kLowestPowerLine + 1, [this](const QString& text) { ordering_->setItemText(1, text); });
    texts_.add(kLowestSfpLine, [this](const QString& text) { ordering_->setItemText(2, text); });
    auto* alternatives = new QLabel(QStringLiteral("Alternatywy"));
    texts_.add(kAlternativesLine, [alternatives](const QString& text) { alternatives->setText(text); });
    alternatives_ = new QSpinBox;
    alternatives_->setObjectName(QStringLiteral("scheduleAlternatives"));
    alternatives_->setRange(0, 10);
    alternatives_->setValue(2);
    standard_ = new QCheckBox(QString::fromUtf8("Tylko wykonanie standardowe"));
    standard_->setObjectName(QStringLiteral("scheduleStandard"));
    standard_->setChecked(true);
    texts_.add(kStandardLine, [this](const QString& text) { standard_->setText(text); });
    select_ = NewButton(texts_, kSelectLine, QStringLiteral("Dobierz"), "scheduleSelect");
    connect(select_, &QPushButton::clicked, this, &ScheduleWindow::select);

    auto* criteria = new QHBoxLayout;
    criteria->addWidget(open);
    criteria->addWidget(file_label_, 1);
    criteria->addWidget(criterion);
    criteria->addWidget(ordering_);
    criteria->addWidget(alternatives);
    criteria->addWidget(alternatives_);
    criteria->addWidget(standard_);
    criteria->addWidget(select_);

    progress_ = new QProgressBar;
    progress_->setObjectName(QStringLiteral("scheduleProgress"));
    stop_ = NewButton(texts_, kStopLine, QStringLiteral("Przerwij"), "scheduleStop");
    connect(stop_, &QPushButton::clicked, this, &ScheduleWindow::stop);
    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("scheduleStatus"));
    auto* running = new QHBoxLayout;
    running->addWidget(progress_, 1);
    running->addWidget(stop_);
    running->addWidget(status_, 1);

    model_ = new ScheduleModel(program, this);
    sorted_ = new QSortFilterProxyModel(this);
    sorted_->setSourceModel(model_);
    sorted_->setSortRole(ScheduleModel::kSortRole);
    table_ = new QTableView;
    table_->setObjectName(QStringLiteral("scheduleTable"));
    table_->setModel(sorted_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(ScheduleModel::Line, Qt::AscendingOrder);
    table_->setItemDelegateForColumn(ScheduleModel::Fan, new AlternativeDelegate(table_));
    table_->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
    table_->setWordWrap(false); // a long message shows whole in its hint
    table_->horizontalHeader()->setStretchLastSection(true);
    connect(table_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        // A double click on the fan column opens its alternatives; anywhere else, its details.
        if (index.column() == ScheduleModel::Fan && (index.flags() & Qt::ItemIsEditable)) {
            table_->edit(index);
            return;
        }
        showDetails(sorted_->mapToSource(index).row());
    });

    QPushButton* add_all = NewButton(texts_, kAddAllLine, QString::fromUtf8("Dodaj wszystko do zamówienia"), "scheduleAddAll");
    QPushButton* csv = NewButton(texts_, kCsvLine, QStringLiteral("Eksport CSV"), "scheduleCsv");
    QPushButton* xlsx = NewButton(texts_, kXlsxLine, QStringLiteral("Eksport XLSX"), "scheduleXlsx");
    QPushButton* sheets =
        NewButton(texts_, datasheet_lines::kOrderButton, QStringLiteral("Karty doboru PDF"), "scheduleDatasheets");
    QPushButton* close = NewButton(texts_, 348, QStringLiteral("ZAMKNIJ"), "scheduleClose");
    connect(add_all, &QPushButton::clicked, this, &ScheduleWindow::addAllToOrder);
    connect(csv, &QPushButton::clicked, this, &ScheduleWindow::exportCsv);
    connect(xlsx, &QPushButton::clicked, this, &ScheduleWindow::exportXlsx);
    connect(sheets, &QPushButton::clicked, this, &ScheduleWindow::exportDatasheets);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    result_buttons_ = {add_all, csv, xlsx, sheets};
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : result_buttons_) buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(criteria);
    layout->addLayout(running);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    resize(1180, 640);
    setRunning(false);
}

ScheduleWindow::~ScheduleWindow()
{
    if (worker_) {
        cancel_ = true;
        worker_->wait();
    }
}

QString ScheduleWindow::line(int number) const
{
    return program_.line(number);
}

void ScheduleWindow::showInfo(const QString& text) const
{
    program_.prompter.showInfo(text, QString::fromStdString(program_.MessageTitle));
}

ScheduleOptions ScheduleWindow::options() const
{
    ScheduleOptions options;
    const int criterion = ordering_->currentIndex();
    options.ordering = criterion == 1 ? FanOrdering::HighestEfficiency
                       : criterion == 2 ? FanOrdering::LowestSpecificFanPower
                                        : FanOrdering::LowestPower;
    options.alternatives = alternatives_->value();
    options.standard = standard_->isChecked();
    options.flow_unit = program_.flowUnit;
    options.pressure_unit = program_.pressureUnit;
    options.air_density = program_.fanAirDensity();
    return options;
}

void ScheduleWindow::openSchedule()
{
    FileDialogRequest request;
    request.title = line(kOpenLine);
    request.filter = line(kCsvFilterLine);
    request.folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString file = program_.prompter.chooseFileToOpen(request);
    if (!file.isEmpty()) loadSchedule(file);
}

void ScheduleWindow::loadSchedule(const QString& file)
{
    if (running()) return;
    try {
        ScheduleFile schedule = ReadScheduleFile(std::filesystem::path(file.toStdString()));
        CheckScheduleUnits(schedule, program_.flowUnit, program_.pressureUnit);
        schedule_ = std::move(schedule);
    } catch (const KalvinteraError& error) {
        // A schedule that cannot be read changes nothing: the last one stays with its results.
        showInfo(UserErrorText(error, program_.language));
        return;
    }
    file_label_->setText(QDir::toNativeSeparators(file));
    select();
}

void ScheduleWindow::select()
{
    if (running()) return;
    if (!schedule_) return openSchedule(); // nothing to select yet: the user wants a file
    try {
        // The units may have changed in the settings since the file was opened.
        CheckScheduleUnits(*schedule_, program_.flowUnit, program_.pressureUnit);
    } catch (const KalvinteraError& error) {
        showInfo(UserErrorText(error, program_.language));
        return;
    }
    cancel_ = false;
    selected_.reset();
    error_.clear();
    progress_->setRange(0, static_cast<int>(schedule_->lines.size()));
    progress_->setValue(0);
    setRunning(true);
    // The worker reads a copy of the schedule and the catalogue, which nothing changes while
    // the window shows its run (the selection window cannot be reached meanwhile).
    const ScheduleFile schedule = *schedule_;
    const ScheduleOptions chosen = options();
    worker_ = QThread::create([this, schedule, chosen] {
        WorkProgress progress;
        progress.cancel = &cancel_;
        progress.report = [this](int done, int) {
            QMetaObject::invokeMethod(progress_, [this, done] { progress_->setValue(done); }, Qt::QueuedConnection);
        };
        try {
            selected_ = SelectSchedule(program_.devices, program_.data, program_.numbers, schedule, chosen, progress);
        } catch (const KalvinteraError& error) {
            error_ = UserErrorText(error, program_.language);
        }
    });
    connect(worker_, &QThread::finished, this, &ScheduleWindow::finishSelection);
    worker_->start();
}

void ScheduleWindow::stop()
{
    cancel_ = true;
}

void ScheduleWindow::finishSelection()
{
    // Closing the window finishes a run itself; the thread's own signal then finds nothing left.
    if (!worker_) return;
    worker_->deleteLater();
    worker_ = nullptr;
    setRunning(false);
    if (!error_.isEmpty()) {
        showInfo(error_);
    } else if (!selected_) {
        status_->setText(line(kStoppedLine));
    } else {
        model_->setRows(std::move(*selected_));
        selected_.reset();
        int with_message = 0;
        for (const ScheduleRow& row : model_->rows()) with_message += row.message_line != 0 ? 1 : 0;
        status_->setText(QString::fromStdString(
            FormatMessage(program_.language.line(kStatusLine),
                          {std::to_string(model_->rows().size()), std::to_string(with_message)})));
        table_->resizeColumnsToContents();
        // Headings may be wider than the numbers under them; the message takes what is left.
        for (int column = 0; column < ScheduleModel::Message; ++column) {
            table_->setColumnWidth(column, std::min(table_->columnWidth(column), 120));
        }
    }
    emit selectionFinished();
}

void ScheduleWindow::setRunning(bool running)
{
    progress_->setVisible(running);
    stop_->setVisible(running);
    select_->setEnabled(!running);
    for (QPushButton* button : result_buttons_) button->setEnabled(!running);
}

bool ScheduleWindow::anyChosen() const
{
    for (const ScheduleRow& row : model_->rows()) {
        if (row.choice() != nullptr) return true;
    }
    showInfo(line(kNothingChosenLine));
    return false;
}

void ScheduleWindow::addAllToOrder()
{
    if (!anyChosen()) return;
    const ScheduleOrderOutcome outcome = AddScheduleToOrder(program_.order, model_->rows(), program_.devices, program_.numbers);
    if (outcome.added > 0) program_.orderChanged = true;
    emit orderLinesAdded();
    showInfo(QString::fromStdString(FormatMessage(program_.language.line(outcome.added < outcome.chosen ? kOrderFullLine : kAddedLine),
                                                  {std::to_string(outcome.added), std::to_string(outcome.chosen)})));
}

QString ScheduleWindow::chooseFileToSave(int filter_line, const QString& suffix) const
{
    FileDialogRequest request;
    request.title = line(kTitleLine);
    request.filter = line(filter_line);
    request.default_suffix = suffix;
    request.folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString base = scheduleName();
    request.file_name = QDir(request.folder).filePath(base + "_dobor." + suffix);
    return program_.prompter.chooseFileToSave(request);
}

QString ScheduleWindow::scheduleName() const
{
    return file_label_->text().isEmpty() ? QStringLiteral("zestawienie") : QFileInfo(file_label_->text()).completeBaseName();
}

void ScheduleWindow::exportCsv()
{
    if (!anyChosen()) return;
    const QString file = chooseFileToSave(kCsvFilterLine, QStringLiteral("csv"));
    if (file.isEmpty()) return;
    try {
        const auto table = ScheduleTable(model_->rows(), program_.devices, program_.language,
                                         {program_.numbers, program_.flowUnit, program_.pressureUnit});
        // A spreadsheet opens a file with the locale's list separator: ';' where the decimal separator is ','.
        const char separator = program_.numbers.decimal_separator == ',' ? ';' : ',';
        WriteFileAtomically(std::filesystem::path(file.toStdString()), "\xEF\xBB\xBF" + CsvText(table, separator));
    } catch (const KalvinteraError& error) {
        showInfo(UserErrorText(error, program_.language));
    }
}

void ScheduleWindow::exportXlsx()
{
    if (!anyChosen()) return;
    const QString file = chooseFileToSave(kXlsxFilterLine, QStringLiteral("xlsx"));
    if (file.isEmpty()) return;
    try {
        const auto table = ScheduleTable(model_->rows(), program_.devices, program_.language,
                                         {program_.numbers, program_.flowUnit, program_.pressureUnit});
        WriteScheduleXlsx(std::filesystem::path(file.toStdString()), table, program_.numbers);
    } catch (const KalvinteraError& error) {
        showInfo(UserErrorText(error, program_.language));
    }
}

void ScheduleWindow::exportDatasheets()
{
    if (!anyChosen()) return;
    // The data sheets of the chosen fans, made as the order form makes them (however many).
    std::vector<OrderLine> lines;
    for (const ScheduleRow& row : model_->rows()) {
        if (row.choice() != nullptr) lines.push_back(ScheduleOrderLine(row, program_.devices, program_.numbers));
    }
    const QString base = scheduleName();
    datasheets_->saveOrderSheets(this, std::move(lines), base + "_karty.pdf");
}

void ScheduleWindow::showDetails(int row)
{
    if (row < 0 || row >= model_->rowCount()) return;
    const ScheduleRow& line = model_->row(row);
    const SelectionResult* choice = line.choice();
    if (choice == nullptr || !selection_) return;
    // The details and charts read their duty point from the selection window, as after a search.
    selection_->setDutyPointTexts(QString::fromStdString(NormalizeDecimal(line.source.flow, program_.numbers)),
                                  QString::fromStdString(NormalizeDecimal(line.source.pressure, program_.numbers)));
    program_.CurrentDevice = program_.devices.at(choice->index);
    program_.OpenedFromFanSelection = true;
    program_.OpenedFromCatalogue = false;
    program_.DutyPointKnown = true;
    program_.SelectedCandidatePower = choice->Efficiency > 0 ? choice->Power : 0;
    emit detailsRequested();
}

void ScheduleWindow::done(int result)
{
    // Closing stops a run; its thread ends before the window goes.
    if (worker_) {
        cancel_ = true;
        worker_->wait();
        finishSelection();
    }
    ProgramDialog::done(result);
}

void ScheduleWindow::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
    model_->retranslate();
}

} // namespace kalvintera
