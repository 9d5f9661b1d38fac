#pragma once

#include "ui/common/language_texts.h"

#include <QWidget>

#include <array>

namespace kalvintera {

struct Program;
class MailboxLabel;

// The "Kontakt" tab: the maker's address, its five mailboxes and the two maps.
class ContactTab : public QWidget, public Translatable {
    Q_OBJECT
public:
    explicit ContactTab(Program& program, QWidget* parent = nullptr);

    // The mailbox rows in page order: customer service, sales, marketing, management,
    // technologist.
    MailboxLabel* mailbox(int row) const { return mailboxes_.at(static_cast<std::size_t>(row)); }

    // "MAPA SZCZEGÓŁOWA": the online map when the computer is connected, else a message.
    void openOnlineMap();

    void applyLanguage(const LanguageTable& table) override;

signals:
    // "MAPKA SCHEMATYCZNA": the directions map window is wanted.
    void mapRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Program& program_;
    LanguageTexts texts_;
    std::array<MailboxLabel*, 5> mailboxes_{};
};

} // namespace kalvintera
