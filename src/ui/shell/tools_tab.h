#pragma once

#include "ui/common/language_texts.h"

#include <QWidget>

class QMenu;

namespace kalvintera {

struct Program;

// "Narzędzia doboru": the buttons of the four calculators; the humid-air one asks which
// version to open.
class ToolsTab final : public QWidget, public Translatable {
    Q_OBJECT
public:
    enum class Tool { ControlElements, HumidAirChart, HumidAirCalculator, PressureLoss, AirBalance, Schedule };
    Q_ENUM(Tool)

    explicit ToolsTab(Program& program, QWidget* parent = nullptr);

    void applyLanguage(const LanguageTable& table) override;

    // "Wersja graficzna" / "Wersja algebraiczna".
    QMenu* airVersionMenu() const { return air_menu_; }

signals:
    void toolRequested(ToolsTab::Tool tool);

private:
    QMenu* air_menu_ = nullptr;
    LanguageTexts texts_;
};

} // namespace kalvintera
