#include "ui/shell/help_tab.h"

#include "ui/program.h"
#include "ui/shell/document_opener.h"
#include "ui/shell/picture_button.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QVBoxLayout>

namespace kalvintera {
namespace {

// Where the pop-up's built-in caption differs from the menu bar's: row number, caption.
struct PopupCaption {
    std::size_t row;
    const char* caption;
};
constexpr PopupCaption kPopupCaptions[] = {
    {9, "Wentylatory promieniowe typ PNA i PNB jednobiegowe"},
    {10, "Wentylatory promieniowe typ PNA i PNB dwubiegowe"},
    {14, "Wywietrzaki zintegrowane"},
    {22, "Aparaty grzewczo-wentylacyjne Boreal"},
};

QString PopupCaptionOf(std::size_t row)
{
    for (const PopupCaption& entry : kPopupCaptions) {
        if (entry.row == row) return QString::fromUtf8(entry.caption);
    }
    const std::string_view caption = kCatalogueDocuments[row - 1].caption;
    return QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
}

struct HelpButton {
    const char* name;
    const char* caption;
    const char* hint;
};
constexpr HelpButton kButtons[] = {
    {"help_file_button", "Pomoc programu", "Otwiera pomoc programu"},
    {"about_button", "O programie", "Informacje o programie"},
    {"catalogue_button", "Katalog PDF produktów", "Katalogi produktów w formacie PDF"},
};
constexpr int kFirstCaptionLine = 92;
constexpr int kFirstHintLine = 95;

} // namespace

HelpTab::HelpTab(Program& program, QWidget* parent) : QWidget(parent)
{
    setObjectName("help_tab");
    auto* group = new QGroupBox(QStringLiteral("Pomoc"), this);
    group->setObjectName("help_group");
    texts_.add(91, [group](const QString& text) { group->setTitle(text); });

    catalogue_menu_ = new QMenu(this);
    catalogue_menu_->setObjectName("catalogue_menu");
    for (std::size_t row = 1; row <= kCatalogueDocuments.size(); ++row) {
        const CatalogueDocument& document = kCatalogueDocuments[row - 1];
        QAction* item = catalogue_menu_->addAction(PopupCaptionOf(row));
        connect(item, &QAction::triggered, this, [&program, &document] { OpenCatalogueDocument(program, document); });
        if (document.menu_line != 0) texts_.add(document.menu_line, [item](const QString& text) { item->setText(text); });
    }

    auto* row = new QHBoxLayout(group);
    std::vector<PictureButton*> buttons;
    for (std::size_t i = 0; i < std::size(kButtons); ++i) {
        auto* button = new PictureButton({QString::fromUtf8(kButtons[i].caption)}, group);
        button->setObjectName(QString::fromUtf8(kButtons[i].name));
        button->setToolTip(QString::fromUtf8(kButtons[i].hint));
        button->setMinimumSize(170, 50);
        row->addWidget(button);
        const int n = static_cast<int>(i);
        texts_.add(kFirstCaptionLine + n, [button](const QString& text) { button->setCaptionLine(0, text); });
        texts_.add(kFirstHintLine + n, [button](const QString& text) { button->setToolTip(text); });
        buttons.push_back(button);
    }
    row->addStretch();

    connect(buttons[0], &QToolButton::clicked, this, [&program] { OpenHelpFile(program); });
    connect(buttons[1], &QToolButton::clicked, this, &HelpTab::aboutRequested);
    PictureButton* catalogue = buttons[2];
    connect(catalogue, &QToolButton::clicked, this,
            [this, catalogue] { catalogue_menu_->popup(catalogue->mapToGlobal(QPoint(0, catalogue->height()))); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addStretch();
}

void HelpTab::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
}

} // namespace kalvintera
