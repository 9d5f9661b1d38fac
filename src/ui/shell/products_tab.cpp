#include "ui/shell/products_tab.h"

#include "core/shell/text_file.h"
#include "core/shell/tree_file.h"
#include "ui/program.h"
#include "ui/shell/picture_button.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kalvintera {
namespace {

constexpr int kNoProductLine = 148;
constexpr QSize kPreviewSize{220, 160};
constexpr const char* kLogoPicture = "grafika/logo.jpg";

} // namespace

ProductsTab::ProductsTab(Program& program, QWidget* parent) : QWidget(parent), program_(program)
{
    setObjectName("products_tab");
    auto* group = new QGroupBox(QStringLiteral("Produkty firmy Kalvintera"), this);
    group->setObjectName("products_group");
    texts_.add(35, [group](const QString& text) { group->setTitle(text); });

    tree_ = new QTreeWidget(group);
    tree_->setObjectName("product_tree");
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->setMouseTracking(true); // hot tracking: the node under the mouse is highlighted
    tree_->viewport()->setAttribute(Qt::WA_Hover);
    tree_->setContextMenuPolicy(Qt::CustomContextMenu);

    preview_ = new QGroupBox(QStringLiteral("Podgląd"), group);
    preview_->setObjectName("preview_group");
    texts_.add(36, [this](const QString& text) { preview_->setTitle(text); });
    picture_ = new QLabel(preview_);
    picture_->setObjectName("preview_picture");
    picture_->setFixedSize(kPreviewSize);
    picture_->setAlignment(Qt::AlignCenter);
    auto* preview_layout = new QVBoxLayout(preview_);
    preview_layout->setContentsMargins(4, 4, 4, 4);
    preview_layout->addWidget(picture_);

    auto* id_caption = new QLabel(QStringLiteral("Produkt ID:"), group);
    product_id_ = new QLabel(QStringLiteral("0"), group);
    product_id_->setObjectName("product_id");
    auto* id_row = new QHBoxLayout;
    id_row->addWidget(id_caption);
    id_row->addWidget(product_id_);
    id_row->addStretch();

    auto* side = new QVBoxLayout;
    side->setSpacing(4);
    side->addWidget(preview_);
    side->addLayout(id_row);
    side->addStretch();

    auto* columns = new QHBoxLayout(group);
    columns->addWidget(tree_, 1);
    columns->addLayout(side);

    menu_ = new QMenu(this);
    menu_->setObjectName("tree_menu");
    QAction* details = menu_->addAction(QStringLiteral("Pokaż szczegóły"));
    QAction* expand = menu_->addAction(QStringLiteral("Rozwiń wszystkie"));
    QAction* collapse = menu_->addAction(QStringLiteral("Zwiń wszystkie"));
    texts_.add(949, [details](const QString& text) { details->setText(text); });
    texts_.add(950, [expand](const QString& text) { expand->setText(text); });
    texts_.add(951, [collapse](const QString& text) { collapse->setText(text); });
    connect(details, &QAction::triggered, this, [this] { showDetails(tree_->currentItem()); });
    connect(expand, &QAction::triggered, tree_, &QTreeWidget::expandAll);
    connect(collapse, &QAction::triggered, tree_, &QTreeWidget::collapseAll);

    connect(tree_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { showPreview(item); });
    // The keyboard (arrows, Home, End, Page keys) selects nodes without a click; the preview
    // follows them as it follows the mouse. The current node alone does not count: the tree
    // makes its first node current when it merely gets the focus.
    connect(tree_, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem*> selected = tree_->selectedItems();
        if (!selected.isEmpty()) showPreview(selected.front());
    });
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { showDetails(item); });
    connect(tree_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& position) { menu_->popup(tree_->viewport()->mapToGlobal(position)); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(group);
}

void ProductsTab::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
}

void ProductsTab::loadTree(const std::filesystem::path& file)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return;
    const auto files = FilesForLanguage(program_.settings.language);
    const TreeFile parsed = ParseTreeFile(ReadTextFile(file, files ? files->codePage : CodePage::Cp1250));
    {
        // A new tree has no node chosen yet: the preview keeps what it shows.
        const QSignalBlocker quiet(tree_);
        tree_->clear();
        addNodes(nullptr, parsed.roots);
    }
    if (!parsed.error.empty()) {
        program_.prompter.showInfo(QString::fromStdString(parsed.error), QString::fromStdString(program_.MessageTitle));
    }
}

void ProductsTab::addNodes(QTreeWidgetItem* parent, const std::vector<TreeNode>& nodes)
{
    for (const TreeNode& node : nodes) {
        const QStringList text{QString::fromStdString(node.text)};
        auto* item = parent ? new QTreeWidgetItem(parent, text) : new QTreeWidgetItem(tree_, text);
        addNodes(item, node.children);
    }
}

QString ProductsTab::productIdText() const
{
    return product_id_->text();
}

QString ProductsTab::previewCaption() const
{
    return preview_->title();
}

std::optional<int> ProductsTab::findProduct(const QTreeWidgetItem* item) const
{
    if (item == nullptr) return std::nullopt;
    const std::string text = item->text(0).toStdString();
    // Empty slots have an empty Model; a node without text names none of them.
    if (text.empty()) return std::nullopt;
    return FindDeviceByModel(program_.devices, text);
}

void ProductsTab::showPreview(QTreeWidgetItem* item)
{
    const std::optional<int> slot = findProduct(item);
    product_id_->setText(slot ? QString::number(*slot) : QStringLiteral("---"));
    // The last slot never counts as a product of the tree.
    if (!slot || *slot >= kDeviceTableSlots) {
        showNoProduct();
        return;
    }
    const DeviceRecord& record = program_.devices.at(*slot);
    if (showPicture("grafika/" + record.PictureFile)) preview_->setTitle(QString::fromStdString(record.Model));
}

void ProductsTab::showNoProduct()
{
    preview_->setTitle(program_.line(kNoProductLine));
    showPicture(kLogoPicture);
}

bool ProductsTab::showPicture(const std::string& relative)
{
    const QPixmap picture = LoadDataPicture(program_, relative, kPreviewSize);
    if (picture.isNull()) return false;
    picture_->setPixmap(picture);
    return true;
}

void ProductsTab::showDetails(QTreeWidgetItem* item)
{
    const std::optional<int> slot = findProduct(item);
    if (!slot || *slot >= kDeviceTableSlots) return;
    const DeviceRecord& record = program_.devices.at(*slot);
    program_.CurrentDevice = record;
    program_.OpenedFromCatalogue = true;
    program_.OpenedFromFanSelection = false;
    program_.DutyPointKnown = false;
    emit detailsRequested(QString::fromStdString(record.NamePl + " " + record.Model));
}

} // namespace kalvintera
