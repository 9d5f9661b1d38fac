#include "ui/humidair/point_picker.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvintera {

PointPicker::PointPicker(Program& program, QWidget* parent) : ProgramDialog(program, Behaviour{false, true}, parent)
{
    setObjectName(QStringLiteral("pointPicker"));
    setWindowTitle(QStringLiteral("LISTA PUNKTÓW"));
    list_ = new QListWidget;
    list_->setObjectName(QStringLiteral("names"));
    choose_ = new QPushButton(QStringLiteral("WCZYTAJ PUNKT"));
    choose_->setObjectName(QStringLiteral("choose"));
    choose_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("ANULUJ"));
    cancel_->setObjectName(QStringLiteral("cancel"));
    connect(choose_, &QPushButton::clicked, this, &PointPicker::choose);
    connect(list_, &QListWidget::itemDoubleClicked, this, &PointPicker::choose);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(choose_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    resize(240, 300);
}

void PointPicker::setNames(const std::vector<std::string>& names)
{
    list_->clear();
    for (const std::string& name : names) list_->addItem(QString::fromStdString(name));
}

std::optional<QString> PointPicker::pick()
{
    chosen_.reset();
    if (list_->count() > 0 && !list_->currentItem()) list_->setCurrentRow(0);
    showModal();
    return chosen_;
}

void PointPicker::choose()
{
    // Without a chosen name the picker stays open, as there is nothing to put in the field.
    const QListWidgetItem* item = list_->currentItem();
    if (!item) return;
    chosen_ = item->text();
    accept();
}

} // namespace kalvintera
