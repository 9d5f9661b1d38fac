#include "ui/shell/contact_tab.h"

#include "core/shell/company_addresses.h"
#include "ui/program.h"
#include "ui/shell/mailbox_label.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvintera {
namespace {

constexpr int kNoConnectionLine = 934;
constexpr const char* kInfoTitle = "KALVINTERA info";

} // namespace

ContactTab::ContactTab(Program& program, QWidget* parent) : QWidget(parent), program_(program)
{
    auto* group = new QGroupBox(QStringLiteral("Kontakt z firmą"), this);
    group->setObjectName(QStringLiteral("contactGroup"));
    auto* heading = new QLabel(QStringLiteral("Kontakt z firmą"));
    heading->setObjectName(QStringLiteral("contactHeading"));
    QFont heading_font = heading->font();
    heading_font.setBold(true);
    heading_font.setPointSizeF(heading_font.pointSizeF() * 1.3);
    heading->setFont(heading_font);
    texts_.add(85, [group, heading](const QString& text) {
        group->setTitle(text);
        heading->setText(text);
    });

    auto* address = new QLabel(QString::fromUtf8(company::kPostalAddress.data(), company::kPostalAddress.size()));
    auto* telephone = new QLabel(QString::fromUtf8(company::kTelephone.data(), company::kTelephone.size()));

    const std::array<const char*, 5> row_captions = {"Obsługa klienta", "Dział Zbytu", "Dział Marketingu",
                                                     "Zarząd Firmy", "Technolog Firmy"};
    auto* rows = new QGridLayout;
    rows->setHorizontalSpacing(20);
    for (std::size_t i = 0; i < mailboxes_.size(); ++i) {
        const int row = static_cast<int>(i);
        auto* caption = new QLabel(QString::fromUtf8(row_captions[i]));
        texts_.add(86 + row, [caption](const QString& text) { caption->setText(text); });
        mailboxes_[i] = new MailboxLabel(program_.platform.desktop, QString::fromUtf8(company::kMailboxes[i]));
        mailboxes_[i]->setObjectName(QStringLiteral("mailbox%1").arg(row));
        rows->addWidget(caption, row, 0);
        rows->addWidget(mailboxes_[i], row, 1);
    }
    rows->setColumnStretch(2, 1);

    const QString map_hint = QStringLiteral("Pokazuje mapę dojazdu do firmy");
    auto* sketch = new QPushButton(QStringLiteral("MAPKA SCHEMATYCZNA"));
    auto* online = new QPushButton(QStringLiteral("MAPA SZCZEGÓŁOWA"));
    sketch->setObjectName(QStringLiteral("sketchMap"));
    online->setObjectName(QStringLiteral("onlineMap"));
    for (QPushButton* button : {sketch, online}) {
        button->setToolTip(map_hint);
        button->setMinimumWidth(180);
        texts_.add(144, [button](const QString& text) { button->setToolTip(text); });
    }
    texts_.add(143, [sketch](const QString& text) { sketch->setText(text); });
    texts_.add(164, [online](const QString& text) { online->setText(text); });
    connect(sketch, &QPushButton::clicked, this, &ContactTab::mapRequested);
    connect(online, &QPushButton::clicked, this, &ContactTab::openOnlineMap);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(sketch);
    buttons->addWidget(online);
    buttons->addStretch(1);

    auto* inner = new QVBoxLayout(group);
    inner->addWidget(heading);
    inner->addWidget(address);
    inner->addWidget(telephone);
    inner->addSpacing(8);
    inner->addLayout(rows);
    inner->addSpacing(8);
    inner->addLayout(buttons);
    inner->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);

    // A mailbox keeps its red only while the mouse is on it; a move anywhere else on the
    // page turns them all teal again, even when a leave went unnoticed.
    setMouseTracking(true);
    group->setMouseTracking(true);
    group->installEventFilter(this);
    installEventFilter(this);
}

bool ContactTab::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove) {
        for (MailboxLabel* label : mailboxes_) label->setHighlighted(false);
    }
    return QWidget::eventFilter(watched, event);
}

void ContactTab::openOnlineMap()
{
    if (program_.platform.connectivity.isOnline()) {
        program_.platform.desktop.openAddress(std::string(company::kOnlineMap));
    } else {
        program_.prompter.showInfo(program_.line(kNoConnectionLine), QString::fromLatin1(kInfoTitle));
    }
}

void ContactTab::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
}

} // namespace kalvintera
