#include "ui/ductloss/pressure_loss_window.h"

#include "core/ductloss/fitting_form.h"
#include "core/ductloss/fitting_kind.h"
#include "core/ductloss/run_export.h"
#include "core/ductloss/run_list.h"
#include "core/errors.h"
#include "core/text/message_format.h"
#include "ui/common/error_text.h"
#include "ui/ductloss/ductloss_texts.h"
#include "ui/ductloss/fitting_chooser.h"
#include "ui/ductloss/fitting_dialog.h"
#include "ui/program.h"
#include "ui/selection/control_texts.h"
#include "ui/shell/document_opener.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kalvintera {
namespace {

struct ColumnLayout {
    const char* heading; // one text; shown in two lines
    int heading_line;
    int hint_line; // 0: none
    int width;
};

constexpr ColumnLayout kColumns[PressureLossWindow::ColumnCount] = {
    {"Lp", 671, 0, 36},
    {"Nazwa kształtki", 672, 688, 230},
    {"Przepływ V [m3/h]", 673, 689, 80},
    {"Prędkość w [m/s]", 674, 690, 86},
    {"Długość L [mm]", 675, 691, 76},
    {"Średnica zastępcza", 676, 692, 86},
    {"ξ [-]", 677, 693, 60},
    {"Strata liniowa dpl [Pa]", 678, 694, 104},
    {"Strata miejscowa dpm [Pa]", 679, 695, 122},
    {"Strata + dpp [Pa]", 680, 696, 76},
    {"Strata całkowita dpc [Pa]", 681, 697, 118},
};

const QString kSaveFilter = QStringLiteral("Pliki Obliczeń Hydraulicznych (*.moh)");
const QString kOpenFilter = QStringLiteral("Pliki obliczeń hydraulicznych (*.moh)");

// The column heads are one text each; the heading breaks them before the symbol and unit
// ("Przepływ" over "V [m3/h]"), or between two words.
QString TwoLineHeading(const QString& text)
{
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() < 2) return text;
    const int split = words.size() >= 3 && words.last().startsWith(QLatin1Char('[')) ? static_cast<int>(words.size()) - 2 : 1;
    return words.mid(0, split).join(QLatin1Char(' ')) + QLatin1Char('\n') + words.mid(split).join(QLatin1Char(' '));
}

QStringList RowTexts(const FittingRow& row)
{
    QStringList texts;
    for (const std::string& cell : RunListCells(row)) texts << QString::fromStdString(cell);
    return texts;
}

} // namespace

PressureLossWindow::PressureLossWindow(Program& program, QWidget* parent)
    : ProgramDialog(program, Behaviour{true, true}, parent)
{
    setObjectName(QStringLiteral("pressureLossWindow"));
    setWindowTitle(QStringLiteral("Kalkulator strat ciśnienia"));
    texts_.add(670, [this](const QString& text) { setWindowTitle(text); });

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setMenuBar(buildMenu());
    layout->addWidget(buildTable());
    layout->addWidget(buildButtons());
    showRows();
}

QAction* PressureLossWindow::addAction(QMenu* menu, const char* name, const QString& caption, int line,
                                       void (PressureLossWindow::*command)(), const QKeySequence& shortcut)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, command);
    texts_.add(line, [action](const QString& text) { action->setText(text); });
    return action;
}

QMenuBar* PressureLossWindow::buildMenu()
{
    auto* bar = new QMenuBar(this);
    auto menu = [&](const QString& caption, int line) {
        QMenu* m = bar->addMenu(caption);
        texts_.add(line, [m](const QString& text) { m->setTitle(text); });
        return m;
    };
    QMenu* file = menu(QStringLiteral("Plik"), 702);
    addAction(file, "newRun", QStringLiteral("Nowe obliczenia"), 703, &PressureLossWindow::newRun, QKeySequence(QStringLiteral("Ctrl+N")));
    addAction(file, "openRun", QStringLiteral("Otwórz obliczenia"), 704, &PressureLossWindow::openRun, QKeySequence(QStringLiteral("Ctrl+O")));
    addAction(file, "saveRun", QStringLiteral("Zapisz obliczenia"), 705, &PressureLossWindow::saveRun, QKeySequence(QStringLiteral("Ctrl+S")));
    addAction(file, "exportRun", QStringLiteral("Eksport danych do Excela"), 706, &PressureLossWindow::exportRun);
    addAction(file, "exportCsv", DuctlossLine(program_, kCsvExportLine), kCsvExportLine, &PressureLossWindow::exportCsv);
    file->addSeparator();
    QAction* close = file->addAction(QStringLiteral("Zamknij"));
    close->setObjectName(QStringLiteral("closeWindow"));
    connect(close, &QAction::triggered, this, &PressureLossWindow::accept);
    texts_.add(707, [close](const QString& text) { close->setText(text); });

    QMenu* fittings = menu(QStringLiteral("Kształtki"), 708);
    addAction(fittings, "addFitting", QStringLiteral("Dodaj kształtkę"), 709, &PressureLossWindow::addFitting);
    addAction(fittings, "editFitting", QStringLiteral("Edytuj kształtkę"), 710, &PressureLossWindow::editSelectedFitting);
    addAction(fittings, "deleteFitting", QStringLiteral("Usuń kształtkę"), 711, &PressureLossWindow::deleteSelectedFitting);

    QMenu* help = menu(QStringLiteral("Pomoc"), 712);
    addAction(help, "help", QStringLiteral("Pomoc programu"), 713, &PressureLossWindow::showHelp, QKeySequence(Qt::Key_F1));
    return bar;
}

QWidget* PressureLossWindow::buildTable()
{
    auto* panel = new QWidget;
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    table_ = new QTableWidget(kShownRows, ColumnCount);
    table_->setObjectName(QStringLiteral("rows"));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->horizontalHeader()->setHighlightSections(false);
    int width = 2;
    for (int column = 0; column < ColumnCount; ++column) {
        const ColumnLayout& layout = kColumns[column];
        auto* heading = new QTableWidgetItem(TwoLineHeading(QString::fromUtf8(layout.heading)));
        table_->setHorizontalHeaderItem(column, heading);
        texts_.add(layout.heading_line, [heading](const QString& text) { heading->setText(TwoLineHeading(text)); });
        if (layout.hint_line != 0) {
            texts_.add(layout.hint_line, [heading](const QString& text) { heading->setToolTip(text); });
        }
        table_->setColumnWidth(column, layout.width);
        width += layout.width;
        for (int shown = 0; shown < kShownRows; ++shown) {
            auto* item = new QTableWidgetItem;
            // Numbers line up on the right; the name reads from the left.
            item->setTextAlignment(Qt::AlignVCenter | (column == NameColumn ? Qt::AlignLeft : Qt::AlignRight));
            table_->setItem(shown, column, item);
        }
    }
    table_->horizontalHeaderItem(NameColumn)->setToolTip(QStringLiteral("Nazwa kształtki; dwukrotne kliknięcie otwiera ją do edycji"));
    table_->horizontalHeader()->setFixedHeight(table_->horizontalHeader()->fontMetrics().height() * 2 + 10);
    table_->setFixedSize(width, table_->horizontalHeader()->height() + kShownRows * table_->rowHeight(0) + 2);
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this] { editSelectedFitting(); });

    // The pop-up menu of the rows.
    table_->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* popup = new QMenu(this);
    popup->setObjectName(QStringLiteral("rowMenu"));
    addAction(popup, "popupAdd", QStringLiteral("Dodaj kształtkę"), 714, &PressureLossWindow::addFitting);
    addAction(popup, "popupEdit", QStringLiteral("Edytuj kształtkę"), 715, &PressureLossWindow::editSelectedFitting);
    addAction(popup, "popupDelete", QStringLiteral("Usuń kształtkę"), 716, &PressureLossWindow::deleteSelectedFitting);
    connect(table_, &QTableWidget::customContextMenuRequested, this,
            [this, popup](const QPoint& at) { popup->popup(table_->viewport()->mapToGlobal(at)); });

    scroll_ = new QScrollBar(Qt::Vertical);
    scroll_->setObjectName(QStringLiteral("scroll"));
    scroll_->setRange(0, 0);
    scroll_->setPageStep(1);
    scroll_->setFixedHeight(table_->height());
    connect(scroll_, &QScrollBar::valueChanged, this, [this] { showRows(); });

    row->addWidget(table_);
    row->addWidget(scroll_);
    return panel;
}

QWidget* PressureLossWindow::buildButtons()
{
    auto* panel = new QWidget;
    auto* row = new QHBoxLayout(panel);
    auto button = [&](const char* name, const QString& caption, int line, int hint_line, const QString& hint) {
        auto* b = new QPushButton(caption);
        b->setObjectName(QString::fromLatin1(name));
        BindText(texts_, line, b);
        if (hint_line != 0) BindHint(texts_, hint_line, b, hint);
        row->addWidget(b);
        return b;
    };
    QPushButton* add = button("add", QStringLiteral("Dodaj kształtkę"), 683, 699, QStringLiteral("Dodaj kształtkę do obliczeń"));
    QPushButton* excel = button("export", QStringLiteral("Eksport do Excel'a"), 684, 700,
                                QStringLiteral("Eksportuj obliczenia do arkusza Excel"));
    QPushButton* selection = button("toFanSelection", QStringLiteral("Do doboru wentylatora"), 685, 701,
                                    QStringLiteral("Kopiuj wynik do doboru wentylatora"));
    row->addStretch();
    QPushButton* close = button("close", QStringLiteral("Zamknij"), 686, 0, {});
    QPushButton* cancel = button("cancel", QStringLiteral("Anuluj"), 687, 0, {});
    row->addStretch();

    row->addWidget(NewLabel(texts_, 682, QStringLiteral("Σ [Pa]")));
    total_ = new QLineEdit;
    total_->setObjectName(QStringLiteral("total"));
    total_->setReadOnly(true);
    total_->setFixedWidth(kColumns[TotalColumn].width);
    total_->setAlignment(Qt::AlignRight);
    BindHint(texts_, 698, total_, QStringLiteral("Suma strat ciśnienia całego odcinka"));
    row->addWidget(total_);

    connect(add, &QPushButton::clicked, this, &PressureLossWindow::addFitting);
    connect(excel, &QPushButton::clicked, this, &PressureLossWindow::exportRun);
    connect(selection, &QPushButton::clicked, this, &PressureLossWindow::sendTotalToFanSelection);
    connect(close, &QPushButton::clicked, this, &PressureLossWindow::accept);
    connect(cancel, &QPushButton::clicked, this, &PressureLossWindow::reject);
    return panel;
}

void PressureLossWindow::setDialogs(FittingChooser* chooser, FittingDialog* fitting)
{
    chooser_ = chooser;
    fitting_ = fitting;
    if (fitting_) fitting_->setCommitHandler([this](const FittingCommit& commit) { commitFitting(commit); });
}

void PressureLossWindow::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
}

QAction* PressureLossWindow::action(const QString& object_name) const
{
    return findChild<QAction*>(object_name);
}

QString PressureLossWindow::text(int shown_row, int column) const
{
    const QTableWidgetItem* item = table_->item(shown_row, column);
    return item ? item->text() : QString();
}

QString PressureLossWindow::totalText() const
{
    return total_->text();
}

void PressureLossWindow::selectShownRow(int shown_row)
{
    table_->setCurrentCell(shown_row, 0);
    table_->selectRow(shown_row);
}

std::optional<int> PressureLossWindow::selectedIndex() const
{
    const int shown = table_->currentRow();
    if (shown < 0 || run_.empty()) return std::nullopt;
    const int index = scroll_->value() + shown;
    if (index >= run_.count()) return std::nullopt;
    return index;
}

void PressureLossWindow::showRows()
{
    const int first = scroll_->value();
    for (int shown = 0; shown < kShownRows; ++shown) {
        const int index = first + shown;
        const QStringList texts = index < run_.count() ? RowTexts(run_.row(index)) : QStringList();
        for (int column = 0; column < ColumnCount; ++column) table_->item(shown, column)->setText(texts.value(column));
    }
    total_->setText(QString::fromStdString(run_.totalText()));
}

void PressureLossWindow::showError(const std::exception& error)
{
    showMessage(UserErrorText(error, program_.language));
}

void PressureLossWindow::showMessage(const QString& text)
{
    program_.prompter.showInfo(text, QString::fromStdString(program_.MessageTitle));
}

void PressureLossWindow::addFitting()
{
    if (run_.full()) {
        program_.prompter.showInfo(DuctlossLine(program_, kRunFullLine), QString::fromStdString(program_.MessageTitle));
        return;
    }
    editing_ = false;
    if (chooser_) chooser_->showModal();
}

void PressureLossWindow::commitFitting(const FittingCommit& commit)
{
    if (editing_) {
        run_.replace(edited_index_, commit.row, commit.total_pa, program_.numbers);
        editing_ = false;
    } else {
        if (!run_.add(commit.row, commit.total_pa, program_.numbers)) {
            program_.prompter.showInfo(DuctlossLine(program_, kRunFullLine), QString::fromStdString(program_.MessageTitle));
            return;
        }
        // The scroll range grows to reach the new row, and the new row comes into view.
        const int last = run_.count() - 1;
        if (scroll_->maximum() < last) scroll_->setMaximum(last);
        if (last >= scroll_->value() + kShownRows) scroll_->setValue(last - kShownRows + 1);
    }
    showRows();
}

void PressureLossWindow::editSelectedFitting()
{
    const std::optional<int> index = selectedIndex();
    if (!index || !fitting_) return;
    const FittingRow row = run_.row(*index);
    const int kind = FittingRowKind(row);
    if (kind == 0) {
        showMessage(QString::fromStdString(FormatMessage(program_.language.line(kUnknownKindLine), {row.Kind})));
        return;
    }
    editing_ = true;
    edited_index_ = *index;
    fitting_->openToEdit(row, chooser_ ? chooser_->kindName(kind) : QString::fromStdString(row.Name));
    editing_ = false;
}

void PressureLossWindow::deleteSelectedFitting()
{
    const std::optional<int> index = selectedIndex();
    if (!index) return;
    try {
        run_.remove(*index, program_.numbers);
    } catch (const KalvinteraError& error) {
        showError(error);
    }
    showRows();
}

void PressureLossWindow::newRun()
{
    run_.clear();
    showRows();
}

FileDialogRequest PressureLossWindow::runFileRequest(const QString& filter) const
{
    FileDialogRequest request;
    request.title = windowTitle();
    request.filter = filter;
    request.default_suffix = QStringLiteral("moh");
    request.folder = QString::fromStdString(program_.data.root().string());
    return request;
}

void PressureLossWindow::openRun()
{
    FileDialogRequest request = runFileRequest(kOpenFilter);
    request.file_name = QStringLiteral("*.moh");
    const QString chosen = program_.prompter.chooseFileToOpen(request);
    if (chosen.isEmpty()) return;
    try {
        // Read completely before anything changes: a damaged file leaves the run as it was.
        run_ = DuctRun::fromRows(ReadRunFile(std::filesystem::path(chosen.toStdString())), program_.numbers);
    } catch (const KalvinteraError& error) {
        showError(error);
        return;
    }
    scroll_->setMaximum(std::max(0, run_.count() - 1));
    scroll_->setValue(0);
    showRows();
}

void PressureLossWindow::saveRun()
{
    const QString chosen = program_.prompter.chooseFileToSave(runFileRequest(kSaveFilter));
    if (chosen.isEmpty()) return;
    try {
        WriteRunFile(std::filesystem::path(chosen.toStdString()), run_.rows());
    } catch (const KalvinteraError& error) {
        showError(error);
    }
}

QString PressureLossWindow::exportFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void PressureLossWindow::writeExport(std::string_view name, const ExportWriter& write)
{
    const QString folder = exportFolder();
    QDir().mkpath(folder);
    const std::filesystem::path file = std::filesystem::path(folder.toStdString()) / std::string(name);
    try {
        write(file, run_.rows());
    } catch (const KalvinteraError& error) {
        showError(error);
        return;
    }
    // The user learns where the file went, also when the desktop then opens it.
    const QString path = QDir::toNativeSeparators(QString::fromStdString(file.string()));
    QString message = QString::fromStdString(FormatMessage(program_.language.line(kExportWrittenLine), {path.toStdString()}));
    if (!program_.platform.desktop.openDocument(file)) {
        message += QLatin1Char('\n') + DuctlossLine(program_, kExportNotOpenedLine) + QLatin1Char(' ') + path;
    }
    showMessage(message);
}

void PressureLossWindow::exportRun()
{
    const NumberFormat numbers = program_.numbers;
    writeExport(kRunExportFileName, [numbers](const std::filesystem::path& file, std::span<const FittingRow> rows) {
        WriteRunExport(file, rows, numbers);
    });
}

void PressureLossWindow::exportCsv()
{
    writeExport(kRunCsvFileName, [](const std::filesystem::path& file, std::span<const FittingRow> rows) {
        WriteRunCsv(file, rows);
    });
}

void PressureLossWindow::sendTotalToFanSelection()
{
    emit totalToFanSelection(total_->text());
}

void PressureLossWindow::showHelp()
{
    OpenHelpFile(program_);
}

} // namespace kalvintera
