#pragma once

#include "ui/common/language_texts.h"

#include <QWidget>

namespace kalvintera {

struct Program;

// "Nowe urządzenia": five picture buttons, each opening the catalogue document of a new product.
class NewDevicesTab final : public QWidget, public Translatable {
    Q_OBJECT
public:
    explicit NewDevicesTab(Program& program, QWidget* parent = nullptr);

    void applyLanguage(const LanguageTable& table) override;

private:
    LanguageTexts texts_;
};

} // namespace kalvintera
