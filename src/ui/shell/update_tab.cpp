#include "ui/shell/update_tab.h"

#include <QGroupBox>
#include <QVBoxLayout>

namespace kalvintera {

UpdateTab::UpdateTab(Program& program, QWidget* parent) : QWidget(parent), program_(program)
{
    group_ = new QGroupBox("Moduł aktualizacyjny");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group_);
    texts_.add(921, [this](const QString& text) { group_->setTitle(text); });
}

void UpdateTab::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
}

} // namespace kalvintera
