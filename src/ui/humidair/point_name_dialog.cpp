#include "ui/humidair/point_name_dialog.h"

#include "core/humidair/chart_records.h"
#include "ui/humidair/humid_air_messages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvintera {

PointNameDialog::PointNameDialog(Program& program, QWidget* parent)
    : ProgramDialog(program, Behaviour{false, true}, parent)
{
    setObjectName(QStringLiteral("pointNameDialog"));
    setWindowTitle(QStringLiteral("DEFINICJA PUNKTU"));
    auto* label = new QLabel(QStringLiteral("PODAJ NAZWĘ PUNKTU"));
    name_ = new QLineEdit;
    name_->setObjectName(QStringLiteral("name"));
    name_->setMaxLength(static_cast<int>(kPointNameCapacity));
    label->setBuddy(name_);
    ok_ = new QPushButton(QStringLiteral("OK"));
    ok_->setObjectName(QStringLiteral("ok"));
    ok_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("Anuluj"));
    cancel_->setObjectName(QStringLiteral("cancel"));
    connect(ok_, &QPushButton::clicked, this, &PointNameDialog::confirm);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(label);
    layout->addWidget(name_);
    layout->addLayout(buttons);
}

std::optional<std::string> PointNameDialog::askName(NameTaken taken)
{
    taken_ = std::move(taken);
    name_->selectAll();
    name_->setFocus();
    if (showModal() != QDialog::Accepted) return std::nullopt;
    return name_->text().toStdString();
}

void PointNameDialog::confirm()
{
    if (taken_ && taken_(name_->text().toStdString())) {
        ShowChartInfo(program_, kNameTakenMessage);
        return;
    }
    accept();
}

} // namespace kalvintera
