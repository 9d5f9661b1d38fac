#include "ui/selection/quantity_dialog.h"

#include "core/order/order_quantity.h"
#include "core/text/message_format.h"
#include "ui/program.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvintera {

QuantityDialog::QuantityDialog(Program& program, QWidget* parent)
    : ProgramDialog(program, Behaviour{true, false}, parent)
{
    setObjectName(QStringLiteral("quantityDialog"));
    setWindowTitle(QStringLiteral("Ilość sztuk"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    label_ = new QLabel(QStringLiteral("Podaj ilość sztuk"));
    edit_ = new QLineEdit(QStringLiteral("1"));
    edit_->setObjectName(QStringLiteral("quantity"));
    label_->setBuddy(edit_);
    ok_ = new QPushButton(QStringLiteral("OK"));
    ok_->setObjectName(QStringLiteral("ok"));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QuantityDialog::confirm);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(label_);
    layout->addWidget(edit_);
    layout->addWidget(ok_, 0, Qt::AlignHCenter);

    texts_.add(901, [this](const QString& text) { setWindowTitle(text); });
    texts_.add(902, [this](const QString& text) { label_->setText(text); });
}

QString QuantityDialog::askQuantity(const QString& preset)
{
    edit_->setText(preset);
    edit_->selectAll();
    edit_->setFocus();
    // Only OK closes the dialog; should anything else close it, the preset stands.
    confirmed_ = preset;
    showModal();
    return confirmed_;
}

void QuantityDialog::confirm()
{
    const QString typed = edit_->text();
    const std::optional<int> quantity = ParseOrderQuantity(typed.toStdString());
    if (!quantity) {
        // The dialog stays open with the text as typed, so the user mends it rather than
        // typing it again.
        program_.prompter.showInfo(
            QString::fromStdString(FormatMessage(program_.language.line(kBadOrderQuantityLine), {typed.toStdString()})),
            QString::fromStdString(program_.MessageTitle));
        edit_->setFocus();
        edit_->selectAll();
        return;
    }
    confirmed_ = QString::number(*quantity);
    program_.orderChanged = true;
    accept();
}

void QuantityDialog::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
}

} // namespace kalvintera
