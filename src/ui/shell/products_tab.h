#pragma once

#include "ui/common/language_texts.h"

#include <QString>
#include <QWidget>

#include <filesystem>
#include <optional>

class QGroupBox;
class QLabel;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;

namespace kalvintera {

struct Program;
struct TreeNode;

// "Produkty": the product tree of the current language with a preview of the product
// clicked and its details on a double-click.
class ProductsTab final : public QWidget, public Translatable {
    Q_OBJECT
public:
    explicit ProductsTab(Program& program, QWidget* parent = nullptr);

    void applyLanguage(const LanguageTable& table) override;

    // Replaces the tree with the nodes of a tree file. A missing file leaves the tree as it
    // is; a level error is reported and the nodes before the faulty line stay.
    void loadTree(const std::filesystem::path& file);

    QTreeWidget* tree() const { return tree_; }
    // "Pokaż szczegóły", "Rozwiń wszystkie", "Zwiń wszystkie".
    QMenu* treeMenu() const { return menu_; }
    QString productIdText() const;
    QString previewCaption() const;

signals:
    // The details window is to open on program.CurrentDevice under this caption.
    void detailsRequested(const QString& caption);

private:
    // The slot whose Model is the node's text, or none.
    std::optional<int> findProduct(const QTreeWidgetItem* item) const;
    void showPreview(QTreeWidgetItem* item);
    void showDetails(QTreeWidgetItem* item);
    void showNoProduct();
    // Shows the JPEG of the data folder; false when it is missing or unreadable.
    bool showPicture(const std::string& relative);
    void addNodes(QTreeWidgetItem* parent, const std::vector<TreeNode>& nodes);

    Program& program_;
    QTreeWidget* tree_ = nullptr;
    QGroupBox* preview_ = nullptr;
    QLabel* picture_ = nullptr;
    QLabel* product_id_ = nullptr;
    QMenu* menu_ = nullptr;
    LanguageTexts texts_;
};

} // namespace kalvintera
