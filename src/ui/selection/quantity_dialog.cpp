#include "ui/selection/quantity_dialog.h"

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
    connect(ok_, &QPushButton::clicked, this, [this] {
        program_.orderChanged = true;
        accept();
    });

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(label_);
    layout->addWidget(edit_);
    layout->addWidget(ok_, 0, Qt::AlignHCenter);

    texts_.add(901, [this](const QString& text) { setWindowTitle(text); });
    texts_.add(902, [this](const QString& text) { label_->setText(text); });
}

QString QuantityDialog::askQuantity()
{
    edit_->setText(QStringLiteral("1"));
    edit_->selectAll();
    edit_->setFocus();
    showModal();
    return edit_->text();
}

void QuantityDialog::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
}

} // namespace kalvintera
