#include "ui/shell/new_devices_tab.h"

#include "ui/program.h"
#include "ui/shell/document_opener.h"
#include "ui/shell/picture_button.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <vector>

namespace kalvintera {
namespace {

struct NewDeviceButton {
    std::vector<const char*> lines;
    const char* picture;
    int first_line; // language line of the first caption line; the others follow it
};

// In the order of kNewDeviceDocuments.
const NewDeviceButton kButtons[] = {
    {{"REKUPERATOR AUREL"}, "grafika/aurel.jpg", 1024},
    {{"GLIKOLOWY GRUNTOWY", "WYMIENNIK CIEPŁA"}, "grafika/tgx.jpg", 1025},
    {{"APARAT GRZEWCZO -", "WENTYLACYJNY BOREAL"}, "grafika/boreal.jpg", 1027},
    {{"WENTYLATOR ŚCIENNY", "SCN"}, "grafika/scn.jpg", 1029},
    {{"WENTYLATOR KANAŁOWY", "OKRĄGŁY KNL"}, "grafika/knl.jpg", 1031},
};
static_assert(std::size(kButtons) == kNewDeviceDocuments.size());

constexpr QSize kPictureSize{130, 110};
constexpr int kCaptionWidth = 140;

} // namespace

NewDevicesTab::NewDevicesTab(Program& program, QWidget* parent) : QWidget(parent)
{
    setObjectName("new_devices_tab");
    auto* group = new QGroupBox(QStringLiteral("Nowe urządzenia"), this);
    group->setObjectName("new_devices_group");
    texts_.add(1023, [group](const QString& text) { group->setTitle(text); });

    auto* row = new QHBoxLayout(group);
    for (std::size_t i = 0; i < kNewDeviceDocuments.size(); ++i) {
        const NewDeviceButton& entry = kButtons[i];
        QStringList lines;
        for (const char* line : entry.lines) lines.append(QString::fromUtf8(line));
        auto* button = new PictureButton(lines, group);
        button->setObjectName(QStringLiteral("new_device_button_%1").arg(i + 1));
        button->setMinimumSize(145, 165);
        // Five buttons share the tab's width: a caption longer than its picture (English,
        // German, Russian) wraps rather than widening the button past the window.
        button->setCaptionWidth(kCaptionWidth);
        button->showPicture(program, QString::fromUtf8(entry.picture), kPictureSize);
        row->addWidget(button);

        const CatalogueDocument& document = kNewDeviceDocuments[i];
        connect(button, &QToolButton::clicked, this, [&program, &document] { OpenCatalogueDocument(program, document); });
        for (int n = 0; n < lines.size(); ++n) {
            texts_.add(entry.first_line + n, [button, n](const QString& text) { button->setCaptionLine(n, text); });
        }
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addStretch();
}

void NewDevicesTab::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
}

} // namespace kalvintera
