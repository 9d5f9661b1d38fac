#include "ui/shell/help_tab.h"
#include "ui/shell/modules_tab.h"
#include "ui/shell/new_devices_tab.h"
#include "ui/shell/products_tab.h"
#include "ui/shell/tools_tab.h"

#include "core/catalogue/device_table.h"
#include "support/fakes.h"
#include "support/test_program.h"
#include "support/test_data_folder.h"
#include "ui/program.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include <fstream>

using namespace kalvintera;
using namespace kalvintera::testing;

namespace {

struct Fixture : TestProgram {
    Fixture()
    {
        LoadDeviceTable(folder / "urzadzenia.dbx", program.devices, program.numbers);
        // Line n of the test language reads "line n", so every text shows where it came from.
        std::string lines;
        for (int n = 1; n <= kLanguageLines; ++n) lines += "line " + std::to_string(n) + "\r\n";
        write("languages/test.lng", lines);
        program.language.load(folder / "languages/test.lng", CodePage::Cp1250);
        program.MessageTitle = "KALVINTERA info";
        program.settings.language = language_id::kPolish;
    }

};

QTreeWidgetItem* FindNode(QTreeWidget* tree, const QString& text)
{
    const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    if (found.isEmpty()) qFatal("no tree node %s", qPrintable(text));
    return found.front();
}

// Where the user clicks to hit the node.
QPoint NodeCentre(QTreeWidget* tree, QTreeWidgetItem* item)
{
    tree->scrollToItem(item);
    return tree->visualItemRect(item).center();
}

void ClickNode(QTreeWidget* tree, QTreeWidgetItem* item)
{
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, NodeCentre(tree, item));
}

// The press of a double-click's first click comes before the double-click event itself.
void DoubleClickNode(QTreeWidget* tree, QTreeWidgetItem* item)
{
    const QPoint centre = NodeCentre(tree, item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, centre);
}

void ShowDetailsFromMenu(ProductsTab& tab, QTreeWidgetItem* item)
{
    tab.tree()->setCurrentItem(item);
    tab.treeMenu()->actions().at(0)->trigger();
}

QString OpenedFile(const Fixture& f)
{
    if (f.platform.desktop.opened_documents.empty()) return {};
    return QString::fromStdString(f.platform.desktop.opened_documents.back().generic_string());
}

} // namespace

class MainTabsTest : public QObject {
    Q_OBJECT
private slots:
    void moduleButtonsChooseTheirModules();
    void treeClickOnProductShowsSlotAndPicture();
    void treeClickOnGroupShowsNoProduct();
    void lastSlotIsNoProductOfTheTree();
    void doubleClickOpensDetailsOfTheProduct();
    void treeFileReplacesTreeAndReportsLevelErrors();
    void sampleTreesListEveryProductOnce();
    void missingDocumentsShowTheirLines();
    void cataloguesOpenInTheLanguagesForm();
    void helpTabButtons();
    void toolButtonsRequestTheirTools();
    void languageLinesReplaceTheCaptions();
};

void MainTabsTest::moduleButtonsChooseTheirModules()
{
    Fixture f;
    ModulesTab tab(f.program);
    QSignalSpy chosen(&tab, &ModulesTab::moduleChosen);
    const auto buttons = tab.findChildren<QToolButton*>();
    QCOMPARE(buttons.size(), 5);
    const QStringList captions{"Wentylatory\ndachowe", "Wentylatory\npromieniowe", "Wentylatory\nkanałowe",
                               "Wywietrzaki\nzespolone", "Wywietrzaki\ncylindryczne"};
    for (int i = 0; i < buttons.size(); ++i) {
        QCOMPARE(buttons[i]->text(), captions[i]);
        QVERIFY(!buttons[i]->toolTip().isEmpty());
        QTest::mouseClick(buttons[i], Qt::LeftButton);
    }
    QList<int> modules;
    for (const auto& arguments : chosen) modules.append(arguments.at(0).toInt());
    QCOMPARE(modules, (QList<int>{1, 2, 5, 3, 4}));
    QCOMPARE(Child<QGroupBox>(tab, "module_group")->title(), QString("Dobór produktu"));
}

void MainTabsTest::treeClickOnProductShowsSlotAndPicture()
{
    Fixture f;
    ProductsTab tab(f.program);
    QCOMPARE(tab.productIdText(), QString("0"));
    tab.loadTree(f.folder / "PL_urzadzenia.sys");
    tab.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tab));
    tab.tree()->expandAll();

    // Without its picture the preview stays as it was: only the ID changes.
    std::filesystem::remove(f.folder / "grafika/kdh.jpg");
    ClickNode(tab.tree(), FindNode(tab.tree(), "KDH-250"));
    QCOMPARE(tab.productIdText(), QString("2"));
    QCOMPARE(tab.previewCaption(), QString("Podgląd"));
    QVERIFY(Child<QLabel>(tab, "preview_picture")->pixmap().isNull());

    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QVERIFY(picture.save(QString::fromStdString((f.folder / "grafika/kpr.jpg").string()), "JPG"));
    ClickNode(tab.tree(), FindNode(tab.tree(), "KPR-315"));
    QCOMPARE(tab.productIdText(), QString::number(*FindDeviceByModel(f.program.devices, "KPR-315")));
    QCOMPARE(tab.previewCaption(), QString("KPR-315"));
    QVERIFY(!Child<QLabel>(tab, "preview_picture")->pixmap().isNull());
    QVERIFY(f.prompter.messages.empty());
}

void MainTabsTest::treeClickOnGroupShowsNoProduct()
{
    Fixture f;
    ProductsTab tab(f.program);
    tab.loadTree(f.folder / "PL_urzadzenia.sys");
    tab.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tab));

    std::filesystem::remove(f.folder / "grafika/logo.jpg");
    ClickNode(tab.tree(), FindNode(tab.tree(), "Wentylatory dachowe"));
    QCOMPARE(tab.productIdText(), QString("---"));
    QCOMPARE(tab.previewCaption(), QString("line 148"));
    QVERIFY(Child<QLabel>(tab, "preview_picture")->pixmap().isNull());

    QImage logo(60, 40, QImage::Format_RGB32);
    logo.fill(Qt::white);
    QVERIFY(logo.save(QString::fromStdString((f.folder / "grafika/logo.jpg").string()), "JPG"));
    ClickNode(tab.tree(), FindNode(tab.tree(), "Akcesoria"));
    QCOMPARE(tab.productIdText(), QString("---"));
    QVERIFY(!Child<QLabel>(tab, "preview_picture")->pixmap().isNull());
}

void MainTabsTest::lastSlotIsNoProductOfTheTree()
{
    Fixture f;
    f.program.devices.slot(2000).Model = "KDH-9000";
    f.program.devices.slot(2000).NamePl = "WENTYLATOR DACHOWY";
    f.program.devices.slot(2000).PictureFile = "kdh.jpg";
    const auto file = f.write("last.sys", "Produkty\r\n\tKDH-9000\r\n");
    ProductsTab tab(f.program);
    QSignalSpy details(&tab, &ProductsTab::detailsRequested);
    tab.loadTree(file);
    tab.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tab));
    tab.tree()->expandAll();

    QTreeWidgetItem* last = FindNode(tab.tree(), "KDH-9000");
    ClickNode(tab.tree(), last);
    QCOMPARE(tab.productIdText(), QString("2000"));
    QCOMPARE(tab.previewCaption(), QString("line 148"));

    ShowDetailsFromMenu(tab, last);
    DoubleClickNode(tab.tree(), last);
    QCOMPARE(details.size(), 0);
    QCOMPARE(f.program.CurrentDevice.Model, std::string());
    QVERIFY(!f.program.OpenedFromCatalogue);
}

void MainTabsTest::doubleClickOpensDetailsOfTheProduct()
{
    Fixture f;
    ProductsTab tab(f.program);
    QSignalSpy details(&tab, &ProductsTab::detailsRequested);
    tab.loadTree(f.folder / "PL_urzadzenia.sys");
    tab.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tab));
    tab.tree()->expandAll();
    f.program.OpenedFromFanSelection = true;
    f.program.DutyPointKnown = true;

    DoubleClickNode(tab.tree(), FindNode(tab.tree(), "KDH-250"));
    QCOMPARE(details.size(), 1);
    QCOMPARE(details.at(0).at(0).toString(), QString("WENTYLATOR DACHOWY Z WYRZUTEM POZIOMYM KDH-250"));
    QCOMPARE(f.program.CurrentDevice, f.program.devices.at(2));
    QVERIFY(f.program.OpenedFromCatalogue);
    QVERIFY(!f.program.OpenedFromFanSelection);
    QVERIFY(!f.program.DutyPointKnown);

    // The pop-up command does the same; on a group node nothing happens.
    ShowDetailsFromMenu(tab, FindNode(tab.tree(), "WCS-200"));
    QCOMPARE(details.size(), 2);
    QCOMPARE(f.program.CurrentDevice.Model, std::string("WCS-200"));
    ShowDetailsFromMenu(tab, FindNode(tab.tree(), "Akcesoria"));
    QCOMPARE(details.size(), 2);
    QCOMPARE(f.program.CurrentDevice.Model, std::string("WCS-200"));

    tab.treeMenu()->actions().at(2)->trigger();
    QVERIFY(!FindNode(tab.tree(), "Akcesoria")->isExpanded());
    tab.treeMenu()->actions().at(1)->trigger();
    QVERIFY(FindNode(tab.tree(), "Akcesoria")->isExpanded());
    QVERIFY(FindNode(tab.tree(), "SLT - tłumiki akustyczne")->isExpanded());
}

void MainTabsTest::treeFileReplacesTreeAndReportsLevelErrors()
{
    Fixture f;
    ProductsTab tab(f.program);
    tab.loadTree(f.write("first.sys", "Stare\r\n\tKDH-200\r\n"));
    QCOMPARE(tab.tree()->topLevelItemCount(), 1);

    // A missing file leaves the tree as it was.
    tab.loadTree(f.folder / "none.sys");
    QCOMPARE(tab.tree()->topLevelItem(0)->text(0), QString("Stare"));

    tab.loadTree(f.write("faulty.sys", "\tNowe\r\n\tKDV-250\r\n\t\t\tKDV-315\r\n\tKDV-355\r\n"));
    QCOMPARE(f.prompter.messages.size(), std::size_t{1});
    QCOMPARE(f.prompter.lastText(), QString("Invalid level (3) for item \"KDV-315\""));
    QCOMPARE(f.prompter.messages.back().title, QString("KALVINTERA info"));
    QCOMPARE(tab.tree()->topLevelItemCount(), 2);
    QCOMPARE(tab.tree()->topLevelItem(0)->text(0), QString("Nowe"));
    QCOMPARE(tab.tree()->topLevelItem(1)->text(0), QString("KDV-250"));

    // Not UTF-8: read in the language's code page (CP1251 for Russian).
    f.program.settings.language = language_id::kRussian;
    tab.loadTree(f.write("russian.sys", "\xC2\xE5\xED\xF2\xE8\xEB\xFF\xF2\xEE\xF0\xFB\r\n"));
    QCOMPARE(tab.tree()->topLevelItem(0)->text(0), QString("Вентиляторы"));
}

void MainTabsTest::sampleTreesListEveryProductOnce()
{
    Fixture f;
    ProductsTab tab(f.program);
    int records = 0;
    for (int slot = 1; slot <= kDeviceTableSlots; ++slot) records += f.program.devices.at(slot).Model.empty() ? 0 : 1;
    for (const char* name : {"PL_urzadzenia.sys", "GB_urzadzenia.sys", "D_urzadzenia.sys", "RU_urzadzenia.sys"}) {
        tab.loadTree(f.folder / name);
        QVERIFY2(f.prompter.messages.empty(), name);
        QVERIFY2(tab.tree()->topLevelItemCount() == 5, name);
        QSet<int> found;
        int products = 0;
        for (QTreeWidgetItemIterator it(tab.tree()); *it; ++it) {
            const auto slot = FindDeviceByModel(f.program.devices, (*it)->text(0).toStdString());
            if (!slot) continue;
            ++products;
            QVERIFY2((*it)->childCount() == 0, name);
            found.insert(*slot);
        }
        QVERIFY2(products == records && found.size() == records, name);
    }
}

void MainTabsTest::missingDocumentsShowTheirLines()
{
    Fixture f;
    HelpTab help(f.program);
    NewDevicesTab devices(f.program);
    help.catalogueMenu()->actions().at(0)->trigger();
    QCOMPARE(f.prompter.lastText(), QString("line 155"));
    QCOMPARE(f.prompter.messages.back().title, QString("KALVINTERA info"));
    help.catalogueMenu()->actions().at(19)->trigger();
    QCOMPARE(f.prompter.lastText(), QString("line 1018"));
    help.catalogueMenu()->actions().at(23)->trigger();
    QCOMPARE(f.prompter.lastText(), QString("line 1022"));
    QTest::mouseClick(Child<QToolButton>(devices, "new_device_button_1"), Qt::LeftButton);
    QCOMPARE(f.prompter.lastText(), QString("line 155"));
    QTest::mouseClick(Child<QToolButton>(help, "help_file_button"), Qt::LeftButton);
    QCOMPARE(f.prompter.lastText(), QString("line 157"));
    QCOMPARE(f.prompter.messages.size(), std::size_t{5});

    // With no language file in force no file name is formed at all.
    f.write("katalog/rkb.pdf", "%PDF");
    f.program.settings.language = 0;
    help.catalogueMenu()->actions().at(0)->trigger();
    QCOMPARE(f.prompter.lastText(), QString("line 155"));
    QVERIFY(f.platform.desktop.opened_documents.empty());
}

void MainTabsTest::cataloguesOpenInTheLanguagesForm()
{
    Fixture f;
    HelpTab help(f.program);
    NewDevicesTab devices(f.program);
    f.write("katalog/rkb.pdf", "%PDF");
    f.write("katalog/enrkb.pdf", "%PDF");
    f.write("katalog/derkb.pdf", "%PDF");
    f.write("katalog/SLT-BDS.pdf", "%PDF");
    f.write("opisy/Atesty_PZH.pdf", "%PDF");
    f.write("katalog/enTGX.pdf", "%PDF");
    QAction* rkb = help.catalogueMenu()->actions().at(0);

    rkb->trigger();
    QVERIFY(OpenedFile(f).endsWith("/katalog/rkb.pdf"));
    f.program.settings.language = language_id::kGerman;
    rkb->trigger();
    QVERIFY(OpenedFile(f).endsWith("/katalog/derkb.pdf"));
    f.program.settings.language = language_id::kRussian;
    rkb->trigger();
    QVERIFY(OpenedFile(f).endsWith("/katalog/enrkb.pdf"));

    help.catalogueMenu()->actions().at(17)->trigger();
    QVERIFY(OpenedFile(f).endsWith("/katalog/SLT-BDS.pdf"));
    help.catalogueMenu()->actions().at(18)->trigger();
    QVERIFY(OpenedFile(f).endsWith("/opisy/Atesty_PZH.pdf"));
    // The buttons' lower-case names find the file whatever its letter case.
    QTest::mouseClick(Child<QToolButton>(devices, "new_device_button_2"), Qt::LeftButton);
    QVERIFY(OpenedFile(f).endsWith("/katalog/enTGX.pdf"));
    QCOMPARE(f.platform.desktop.opened_documents.size(), std::size_t{6});
    QVERIFY(f.prompter.messages.empty());
}

void MainTabsTest::helpTabButtons()
{
    Fixture f;
    HelpTab help(f.program);
    QSignalSpy about(&help, &HelpTab::aboutRequested);
    f.write("help/kalvintera.chm", "ITSF");
    QTest::mouseClick(Child<QToolButton>(help, "help_file_button"), Qt::LeftButton);
    QVERIFY(OpenedFile(f).endsWith("/help/kalvintera.chm"));
    QTest::mouseClick(Child<QToolButton>(help, "about_button"), Qt::LeftButton);
    QCOMPARE(about.size(), 1);

    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    QTest::mouseClick(Child<QToolButton>(help, "catalogue_button"), Qt::LeftButton);
    QVERIFY(help.catalogueMenu()->isVisible());
    help.catalogueMenu()->hide();
    const auto items = help.catalogueMenu()->actions();
    QCOMPARE(items.size(), 24);
    QCOMPARE(items.at(0)->text(), QString("Wentylatory dachowe typ RKB jednobiegowe"));
    QCOMPARE(items.at(8)->text(), QString("Wentylatory promieniowe typ PNA i PNB jednobiegowe"));
    QCOMPARE(items.at(13)->text(), QString("Wywietrzaki zintegrowane"));
    QCOMPARE(items.at(21)->text(), QString("Aparaty grzewczo-wentylacyjne Boreal"));
    QCOMPARE(items.at(23)->text(), QString("Wentylatory ścienne SCN"));
    QVERIFY(f.prompter.messages.empty());
}

void MainTabsTest::toolButtonsRequestTheirTools()
{
    Fixture f;
    ToolsTab tab(f.program);
    QSignalSpy requested(&tab, &ToolsTab::toolRequested);
    tab.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tab));
    QTest::mouseClick(Child<QToolButton>(tab, "control_elements_button"), Qt::LeftButton);
    QTest::mouseClick(Child<QToolButton>(tab, "pressure_loss_button"), Qt::LeftButton);
    QTest::mouseClick(Child<QToolButton>(tab, "air_balance_button"), Qt::LeftButton);
    QTest::mouseClick(Child<QToolButton>(tab, "air_parameters_button"), Qt::LeftButton);
    QCOMPARE(requested.size(), 3); // the air button only asks which version
    QVERIFY(tab.airVersionMenu()->isVisible());
    tab.airVersionMenu()->actions().at(0)->trigger();
    tab.airVersionMenu()->actions().at(1)->trigger();
    tab.airVersionMenu()->hide();

    QList<ToolsTab::Tool> tools;
    for (const auto& arguments : requested) tools.append(arguments.at(0).value<ToolsTab::Tool>());
    using Tool = ToolsTab::Tool;
    QCOMPARE(tools, (QList<Tool>{Tool::ControlElements, Tool::PressureLoss, Tool::AirBalance, Tool::HumidAirChart,
                                 Tool::HumidAirCalculator}));
    QCOMPARE(Child<QToolButton>(tab, "pressure_loss_button")->text(), QString("Kalkulator obliczeń\nstrat cisnienia"));
}

void MainTabsTest::languageLinesReplaceTheCaptions()
{
    Fixture f;
    ModulesTab modules(f.program);
    NewDevicesTab devices(f.program);
    ProductsTab products(f.program);
    ToolsTab tools(f.program);
    HelpTab help(f.program);
    for (Translatable* tab : std::initializer_list<Translatable*>{&modules, &devices, &products, &tools, &help}) {
        tab->applyLanguage(f.program.language);
    }

    QCOMPARE(Child<QGroupBox>(modules, "module_group")->title(), QString("line 25"));
    QCOMPARE(Child<QToolButton>(modules, "module_button_1")->text(), QString("line 13\nline 14"));
    QCOMPARE(Child<QToolButton>(modules, "module_button_1")->toolTip(), QString("line 21"));
    QCOMPARE(Child<QToolButton>(modules, "module_button_4")->text(), QString("line 19\nline 20"));
    QCOMPARE(Child<QToolButton>(modules, "module_button_4")->toolTip(), QString("line 24"));
    QCOMPARE(Child<QToolButton>(modules, "module_button_5")->text(), QString("line 971\nline 972"));
    QCOMPARE(Child<QToolButton>(modules, "module_button_5")->toolTip(), QString("line 973"));

    QCOMPARE(Child<QGroupBox>(devices, "new_devices_group")->title(), QString("line 1023"));
    QCOMPARE(Child<QToolButton>(devices, "new_device_button_1")->text(), QString("line 1024"));
    QCOMPARE(Child<QToolButton>(devices, "new_device_button_5")->text(), QString("line 1031\nline 1032"));

    QCOMPARE(Child<QGroupBox>(products, "products_group")->title(), QString("line 35"));
    QCOMPARE(products.previewCaption(), QString("line 36"));
    QCOMPARE(products.treeMenu()->actions().at(0)->text(), QString("line 949"));
    QCOMPARE(products.treeMenu()->actions().at(2)->text(), QString("line 951"));

    QCOMPARE(Child<QGroupBox>(tools, "tools_group")->title(), QString("line 55"));
    QCOMPARE(Child<QToolButton>(tools, "control_elements_button")->text(), QString("line 56\nline 57"));
    QCOMPARE(Child<QToolButton>(tools, "air_balance_button")->text(), QString("line 62\nline 63"));
    QCOMPARE(Child<QToolButton>(tools, "air_balance_button")->toolTip(), QString("line 67"));
    QCOMPARE(tools.airVersionMenu()->actions().at(1)->text(), QString("line 965"));

    QCOMPARE(Child<QGroupBox>(help, "help_group")->title(), QString("line 91"));
    QCOMPARE(Child<QToolButton>(help, "catalogue_button")->text(), QString("line 94"));
    QCOMPARE(Child<QToolButton>(help, "catalogue_button")->toolTip(), QString("line 97"));
    const auto items = help.catalogueMenu()->actions();
    const QStringList expected{"line 129", "line 968", "line 130", "line 131", "line 969", "line 132",
                               "line 133", "line 134", "line 135", "line 136", "line 137", "line 138",
                               "line 139", "line 140", "line 141", "line 142", "line 970"};
    for (int row = 0; row < expected.size(); ++row) QCOMPARE(items.at(row)->text(), expected[row]);
    QCOMPARE(items.at(17)->text(), QString("Podstawy dachowe tłumiące i tłumiki hałasu"));
    QCOMPARE(items.at(21)->text(), QString("Aparaty grzewczo-wentylacyjne Boreal"));
}

QTEST_MAIN(MainTabsTest)
#include "main_tabs_test.moc"
