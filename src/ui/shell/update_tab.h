#pragma once

#include "ui/common/language_texts.h"

#include <QWidget>

class QGroupBox;

namespace kalvintera {

struct Program;

// "Aktualizacja": the update module.
class UpdateTab final : public QWidget, public Translatable {
    Q_OBJECT
public:
    explicit UpdateTab(Program& program, QWidget* parent = nullptr);
    void applyLanguage(const LanguageTable& table) override;

private:
    Program& program_;
    QGroupBox* group_ = nullptr;
    LanguageTexts texts_;
};

} // namespace kalvintera
