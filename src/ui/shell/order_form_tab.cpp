#include "ui/shell/order_form_tab.h"

#include "ui/program.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvintera {
namespace {

constexpr int kDatasheetsLine = 1261;

} // namespace

OrderFormTab::OrderFormTab(Program& program, QWidget* parent) : QWidget(parent), program_(program)
{
    order_list_area_ = new QWidget(this);
    order_list_area_->setObjectName(QStringLiteral("orderListArea"));
    order_list_area_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    customer_grid_ = new QGridLayout;
    Settings& s = program_.settings;
    name_ = addCustomerField(0, 37, 50, QStringLiteral("Imię i Nazwisko"),
                             QStringLiteral("Imię i nazwisko zamawiającego"), s.name);
    street_ = addCustomerField(1, 38, 51, QStringLiteral("Ulica"), QStringLiteral("Ulica i numer domu zamawiającego"),
                               s.street);
    city_ = addCustomerField(2, 39, 52, QStringLiteral("Miasto"), QStringLiteral("Kod pocztowy i miasto zamawiającego"),
                             s.city);
    tel_ = addCustomerField(3, 40, 53, QStringLiteral("Telefon kontakt."),
                            QStringLiteral("Telefon, pod którym można się skontaktować z zamawiającym"), s.tel);
    name_->setObjectName(QStringLiteral("customerName"));
    street_->setObjectName(QStringLiteral("customerStreet"));
    city_->setObjectName(QStringLiteral("customerCity"));
    tel_->setObjectName(QStringLiteral("customerTel"));

    send_ = new QPushButton(QStringLiteral("Wyślij zamówienie"));
    send_->setObjectName(QStringLiteral("sendOrder"));
    send_->setToolTip(QStringLiteral("Wysyła zamówienie pocztą elektroniczną do firmy Kalvintera"));
    texts_.add(41, [this](const QString& text) { send_->setText(text); });
    texts_.add(54, [this](const QString& text) { send_->setToolTip(text); });
    connect(send_, &QPushButton::clicked, this, &OrderFormTab::sendRequested);
    customer_grid_->addWidget(send_, 0, 2, 2, 1, Qt::AlignCenter);

    datasheets_ = new QPushButton(QStringLiteral("Karty doboru PDF"));
    datasheets_->setObjectName(QStringLiteral("orderDatasheets"));
    texts_.add(kDatasheetsLine, [this](const QString& text) { datasheets_->setText(text); });
    connect(datasheets_, &QPushButton::clicked, this, &OrderFormTab::datasheetsRequested);
    customer_grid_->addWidget(datasheets_, 2, 2, 2, 1, Qt::AlignCenter);
    customer_grid_->setColumnStretch(1, 1);
    customer_grid_->setColumnMinimumWidth(2, 180);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(order_list_area_, 1);
    layout->addLayout(customer_grid_);

    showCustomer();
}

QLineEdit* OrderFormTab::addCustomerField(int row, int caption_line, int hint_line, const QString& caption,
                                          const QString& hint, std::string& setting)
{
    auto* label = new QLabel(caption);
    auto* edit = new QLineEdit;
    edit->setToolTip(hint);
    label->setBuddy(edit);
    texts_.add(caption_line, [label](const QString& text) { label->setText(text); });
    texts_.add(hint_line, [edit](const QString& text) { edit->setToolTip(text); });
    connect(edit, &QLineEdit::textChanged, this, [&setting](const QString& text) { setting = text.toStdString(); });
    customer_grid_->addWidget(label, row, 0);
    customer_grid_->addWidget(edit, row, 1);
    return edit;
}

void OrderFormTab::showCustomer()
{
    // Copies first: filling one field writes it back into the settings.
    const Settings s = program_.settings;
    name_->setText(QString::fromStdString(s.name));
    street_->setText(QString::fromStdString(s.street));
    city_->setText(QString::fromStdString(s.city));
    tel_->setText(QString::fromStdString(s.tel));
}

void OrderFormTab::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
}

} // namespace kalvintera
