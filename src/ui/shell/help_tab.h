#pragma once

#include "ui/common/language_texts.h"

#include <QWidget>

class QMenu;

namespace kalvintera {

struct Program;

// "Pomoc": the help file, the About window and the catalogue documents.
class HelpTab final : public QWidget, public Translatable {
    Q_OBJECT
public:
    explicit HelpTab(Program& program, QWidget* parent = nullptr);

    void applyLanguage(const LanguageTable& table) override;

    // The 24 catalogue items that "Katalog PDF produktów" pops up, in catalogue order.
    QMenu* catalogueMenu() const { return catalogue_menu_; }

signals:
    void aboutRequested();

private:
    QMenu* catalogue_menu_ = nullptr;
    LanguageTexts texts_;
};

} // namespace kalvintera
