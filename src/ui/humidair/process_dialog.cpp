#include "ui/humidair/process_dialog.h"

#include "core/errors.h"
#include "ui/humidair/humid_air_messages.h"
#include "ui/humidair/point_picker.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvintera {

ProcessDialog::ProcessDialog(Program& program, ChartContents& contents, PointPicker& picker, QWidget* parent)
    : ProgramDialog(program, Behaviour{false, true}, parent), contents_(contents), picker_(picker)
{
    setObjectName(QStringLiteral("processDialog"));
    setWindowTitle(QStringLiteral("DEFINICJA PRZEMIANY POWIETRZA"));
    name_ = new QLineEdit;
    name_->setObjectName(QStringLiteral("name"));
    name_->setMaxLength(static_cast<int>(kProcessNameCapacity));
    first_ = new QLineEdit;
    first_->setObjectName(QStringLiteral("first"));
    first_->setReadOnly(true);
    second_ = new QLineEdit;
    second_->setObjectName(QStringLiteral("second"));
    second_->setReadOnly(true);
    pick_first_ = new QPushButton(QStringLiteral("WCZYTAJ 1 PUNKT..."));
    pick_first_->setObjectName(QStringLiteral("pickFirst"));
    pick_second_ = new QPushButton(QStringLiteral("WCZYTAJ 2 PUNKT ..."));
    pick_second_->setObjectName(QStringLiteral("pickSecond"));
    draw_line_ = new QCheckBox(QStringLiteral("RYSUJ LINIĘ POMIĘDZY PUNKTAMI"));
    draw_line_->setObjectName(QStringLiteral("drawLine"));
    draw_line_->setChecked(true);
    ok_ = new QPushButton(QStringLiteral("OK"));
    ok_->setObjectName(QStringLiteral("ok"));
    ok_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("ANULUJ"));
    cancel_->setObjectName(QStringLiteral("cancel"));
    connect(pick_first_, &QPushButton::clicked, this, [this] { pickInto(first_); });
    connect(pick_second_, &QPushButton::clicked, this, [this] { pickInto(second_); });
    connect(ok_, &QPushButton::clicked, this, &ProcessDialog::confirm);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout;
    auto* name_label = new QLabel(QStringLiteral("TYP PRZEMIANY"));
    name_label->setBuddy(name_);
    grid->addWidget(name_label, 0, 0);
    grid->addWidget(name_, 0, 1);
    grid->addWidget(pick_first_, 1, 0);
    grid->addWidget(first_, 1, 1);
    grid->addWidget(pick_second_, 2, 0);
    grid->addWidget(second_, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(grid);
    layout->addWidget(draw_line_);
    layout->addLayout(buttons);
}

void ProcessDialog::showEvent(QShowEvent* event)
{
    std::vector<std::string> names;
    for (const ChartPoint& point : contents_.points()) names.push_back(point.name);
    picker_.setNames(names);
    ProgramDialog::showEvent(event);
}

bool ProcessDialog::addProcess()
{
    editing_.reset();
    return run();
}

bool ProcessDialog::editProcess(std::size_t index)
{
    if (index >= contents_.processes().size()) return false;
    editing_ = index;
    const ChartProcess& process = contents_.processes()[index];
    name_->setText(QString::fromStdString(process.name));
    first_->setText(QString::fromStdString(process.first));
    second_->setText(QString::fromStdString(process.second));
    draw_line_->setChecked(process.draw_line);
    return run();
}

bool ProcessDialog::run()
{
    name_->setFocus();
    return showModal() == QDialog::Accepted;
}

void ProcessDialog::pickInto(QLineEdit* field)
{
    if (const std::optional<QString> name = picker_.pick()) field->setText(*name);
}

void ProcessDialog::confirm()
{
    if (name_->text().isEmpty()) {
        ShowChartInfo(program_, QStringLiteral("PODAJ NAZWĘ PRZEMIANY NP.: \"OGRZEWANIE, CHŁODZENIE ITP.\""));
        return;
    }
    if (first_->text().isEmpty()) {
        ShowChartInfo(program_, QStringLiteral("WCZYTAJ PUNKT 1"));
        return;
    }
    if (second_->text().isEmpty()) {
        ShowChartInfo(program_, QStringLiteral("WCZYTAJ PUNKT 2"));
        return;
    }
    ChartProcess process{name_->text().toStdString(), first_->text().toStdString(), second_->text().toStdString(),
                         draw_line_->isChecked()};
    try {
        if (editing_) {
            contents_.replaceProcess(*editing_, std::move(process));
        } else {
            contents_.addProcess(std::move(process));
        }
    } catch (const KalvinteraError& error) {
        ReportError(program_, error);
        return;
    }
    name_->clear();
    first_->clear();
    second_->clear();
    accept();
}

} // namespace kalvintera
