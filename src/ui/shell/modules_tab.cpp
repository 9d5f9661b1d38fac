#include "ui/shell/modules_tab.h"

#include "ui/program.h"
#include "ui/shell/picture_button.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace kalvintera {
namespace {

struct ModuleButton {
    int module;
    const char* line1;
    const char* line2;
    const char* hint;
    const char* picture;
    int caption_line; // the second caption line follows it
    int hint_line;
};

// In the order the buttons stand on the tab.
constexpr ModuleButton kButtons[] = {
    {1, "Wentylatory", "dachowe", "Dobór wentylatorów dachowych", "grafika/kdh.jpg", 13, 21},
    {2, "Wentylatory", "promieniowe", "Dobór wentylatorów promieniowych", "grafika/kpr.jpg", 15, 22},
    {5, "Wentylatory", "kanałowe", "Dobór wentylatorów kanałowych", "grafika/kko.jpg", 971, 973},
    {3, "Wywietrzaki", "zespolone", "Dobór wywietrzaków zespolonych", "grafika/wz.jpg", 17, 23},
    {4, "Wywietrzaki", "cylindryczne", "Dobór wywietrzaków cylindrycznych", "grafika/wcs.jpg", 19, 24},
};

constexpr QSize kPictureSize{120, 100};

} // namespace

ModulesTab::ModulesTab(Program& program, QWidget* parent) : QWidget(parent)
{
    setObjectName("modules_tab");
    auto* group = new QGroupBox(QStringLiteral("Dobór produktu"), this);
    group->setObjectName("module_group");
    texts_.add(25, [group](const QString& text) { group->setTitle(text); });

    auto* row = new QHBoxLayout(group);
    for (const ModuleButton& entry : kButtons) {
        auto* button = new PictureButton({QString::fromUtf8(entry.line1), QString::fromUtf8(entry.line2)}, group);
        button->setObjectName(QStringLiteral("module_button_%1").arg(entry.module));
        button->setToolTip(QString::fromUtf8(entry.hint));
        button->setMinimumSize(140, 160);
        button->showPicture(program, QString::fromUtf8(entry.picture), kPictureSize);
        row->addWidget(button);

        const int module = entry.module;
        connect(button, &QToolButton::clicked, this, [this, module] { emit moduleChosen(module); });
        BindPictureButtonTexts(texts_, button, entry.caption_line, entry.hint_line);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addStretch();
}

void ModulesTab::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
}

} // namespace kalvintera
