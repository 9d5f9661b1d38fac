#include "ui/shell/tools_tab.h"

#include "ui/shell/picture_button.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QVBoxLayout>

#include <optional>

namespace kalvintera {
namespace {

struct ToolButton {
    const char* name;
    const char* line1;
    const char* line2;
    const char* hint;
    std::optional<ToolsTab::Tool> tool; // none: the button asks which version
    int caption_line;                   // the second caption line follows it
    int hint_line;
};

const ToolButton kButtons[] = {
    {"control_elements_button", "Kalkulator elementów", "regulacyjnych",
     "Dobór kryzy lub przepustnicy dławiącej nadmiar ciśnienia", ToolsTab::Tool::ControlElements, 56, 64},
    {"air_parameters_button", "Kalkulator parametrów", "powietrza IX",
     "Parametry powietrza wilgotnego: wykres IX lub obliczenia", std::nullopt, 58, 65},
    {"pressure_loss_button", "Kalkulator obliczeń", "strat cisnienia",
     "Obliczanie strat ciśnienia w instalacji kanałowej", ToolsTab::Tool::PressureLoss, 60, 66},
    {"air_balance_button", "Kalkulator bilansu", "powietrza",
     "Obliczanie ilości powietrza wentylacyjnego", ToolsTab::Tool::AirBalance, 62, 67},
    {"schedule_button", "Zestawienie", "wentylatorów", "Dobór wentylatorów dla całego zestawienia punktów pracy z pliku CSV",
     ToolsTab::Tool::Schedule, 1342, 1344},
};

} // namespace

ToolsTab::ToolsTab(Program&, QWidget* parent) : QWidget(parent)
{
    setObjectName("tools_tab");
    auto* group = new QGroupBox(QStringLiteral("Narzędzia doboru"), this);
    group->setObjectName("tools_group");
    texts_.add(55, [group](const QString& text) { group->setTitle(text); });

    air_menu_ = new QMenu(this);
    air_menu_->setObjectName("air_version_menu");
    QAction* chart = air_menu_->addAction(QStringLiteral("Wersja graficzna"));
    QAction* calculator = air_menu_->addAction(QStringLiteral("Wersja algebraiczna"));
    connect(chart, &QAction::triggered, this, [this] { emit toolRequested(Tool::HumidAirChart); });
    connect(calculator, &QAction::triggered, this, [this] { emit toolRequested(Tool::HumidAirCalculator); });
    texts_.add(964, [chart](const QString& text) { chart->setText(text); });
    texts_.add(965, [calculator](const QString& text) { calculator->setText(text); });

    // The four calculators fill the tab's width; the schedule starts a row of its own.
    auto* rows = new QVBoxLayout(group);
    auto* calculators = new QHBoxLayout;
    auto* lists = new QHBoxLayout;
    rows->addLayout(calculators);
    rows->addLayout(lists);
    for (const ToolButton& entry : kButtons) {
        QHBoxLayout* row = entry.tool == ToolsTab::Tool::Schedule ? lists : calculators;
        auto* button = new PictureButton({QString::fromUtf8(entry.line1), QString::fromUtf8(entry.line2)}, group);
        button->setObjectName(QString::fromUtf8(entry.name));
        button->setToolTip(QString::fromUtf8(entry.hint));
        button->setMinimumSize(170, 60);
        row->addWidget(button);

        if (entry.tool) {
            const Tool tool = *entry.tool;
            connect(button, &QToolButton::clicked, this, [this, tool] { emit toolRequested(tool); });
        } else {
            connect(button, &QToolButton::clicked, this,
                    [this, button] { air_menu_->popup(button->mapToGlobal(QPoint(0, button->height()))); });
        }
        BindPictureButtonTexts(texts_, button, entry.caption_line, entry.hint_line);
    }

    lists->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addStretch();
}

void ToolsTab::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
}

} // namespace kalvintera
