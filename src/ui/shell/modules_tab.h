#pragma once

#include "ui/common/language_texts.h"

#include <QWidget>

namespace kalvintera {

struct Program;

// "Dobór": the five module buttons that open the selection window for one kind of product.
class ModulesTab final : public QWidget, public Translatable {
    Q_OBJECT
public:
    explicit ModulesTab(Program& program, QWidget* parent = nullptr);

    void applyLanguage(const LanguageTable& table) override;

signals:
    // 1 roof fans, 2 radial fans, 3 integrated ventilators, 4 cylindrical ventilators,
    // 5 duct fans.
    void moduleChosen(int selectionModule);

private:
    LanguageTexts texts_;
};

} // namespace kalvintera
