// The details window on a copy of the sample data, reached as a user reaches it: from the
// fan results, from the product tree and from the order.

#include "core/details/details_tables.h"
#include "details_test_fixture.h"
#include "ui/details/accessories_page.h"
#include "ui/details/charts_page.h"
#include "ui/details/description_page.h"
#include "ui/details/dimensions_page.h"
#include "ui/details/value_table.h"
#include "ui/order/order_commands.h"
#include "ui/order/order_view.h"
#include "ui/program_windows.h"
#include "ui/shell/main_window.h"
#include "ui/shell/picture_button.h"
#include "ui/shell/products_tab.h"
#include "ui/windows.h"

#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include <fstream>

using namespace kalvintera;
using namespace kalvintera::testing;

namespace {

struct Running : DetailsFixture {
    Running()
    {
        products.loadTree(program.path("PL_urzadzenia.sys"));
        windows.selection = &selection;
        QObject::connect(&products, &ProductsTab::detailsRequested, &details, &DetailsWindow::openWithCaption);
        QObject::connect(&commands, &OrderCommands::detailsRequested, &details, &DetailsWindow::openDetails);
        QObject::connect(&details, &DetailsWindow::orderLineAdded, &commands, &OrderCommands::showAddedLine);
    }
    DetailsWindow& detailsWindow() { return details; }

    ProductsTab products{program};
    Windows windows;
    OrderView order_view{program};
    OrderCommands commands{program, windows, order_view};
};

// What the details window showed while it was open.
struct Seen {
    QString title;
    QString device_caption;
    int tab = -1;
    QString model;
    QString first_row;
    QString subtitle;
    bool charts_enabled = false;
    bool spectrum_enabled = false;
    bool hq_shown = false;

    static std::function<void(QWidget*)> into(Seen& seen)
    {
        return [&seen](QWidget* modal) {
            auto* window = qobject_cast<DetailsWindow*>(modal);
            if (!window) qFatal("the details window was expected");
            seen.title = window->windowTitle();
            seen.device_caption = window->deviceCaption();
            seen.tab = window->tabs()->currentIndex();
            seen.model = window->description()->modelText();
            seen.first_row = window->technicalTable()->name(0) + "=" + window->technicalTable()->value(0);
            seen.charts_enabled = window->charts()->pressureButton()->isEnabled();
            seen.spectrum_enabled = window->charts()->spectrumButton()->isEnabled();
            seen.hq_shown = window->accessories()->captionShown(0);
        };
    }
};

} // namespace

class DetailsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void openedFromTheFanResults();
    void openedFromTheProductTreeUnderTheProductsName();
    void openedFromTheOrder();
    void tablesFollowTheRecordAfterTheHeadingFile();
    void accessoryAndBackReturnToTheAccessories();
    void highlightingAnAccessory();
    void documentsOpenOrTellWhatIsMissing();
    void catalogueProductGoesOnTheOrderInStandardColour();
    void fanFromTheResultsIsOrderedAsTheResultsOrderIt();
    void orderedFromTheOrderFormAfterTheSelectionClosed();
    void drawingIsEnlargedOnAClick();
    void everyOpenerOfTheProgramReachesIt();
};

void DetailsWindowTest::openedFromTheFanResults()
{
    Running run;
    run.searchFans();
    QVERIFY(run.fanColumns().rowCount() > 0);
    run.fanColumns().selectRow(0);
    Seen seen;
    CloseNextModal(Seen::into(seen));
    emit run.fanColumns().rowDoubleClicked(0);

    const DeviceRecord& device = run.program.CurrentDevice;
    QCOMPARE(QString::fromStdString(device.Model), run.fanColumns().text(0, FanResultsGroup::Model));
    QVERIFY(run.program.OpenedFromFanSelection);
    QCOMPARE(seen.title, run.program.line(326));
    QCOMPARE(seen.device_caption, QString::fromStdString(device.NamePl + " " + device.Model));
    QCOMPARE(seen.tab, int(DetailsWindow::DescriptionTab));
    QCOMPARE(seen.model, QString::fromStdString(device.Model));
    QCOMPARE(seen.first_row, run.program.line(351) + QString::fromStdString(device.NamePl));
    QVERIFY(seen.charts_enabled);
    QVERIFY(seen.spectrum_enabled);
    // The three-phase controller stands in slot 0 of the roof fans; a fan chosen with a
    // single-phase supply does not offer it.
    QCOMPARE(device.Accessories[0], std::string("TYP HQ"));
    QCOMPARE(seen.hq_shown, run.fanColumns().text(0, FanResultsGroup::Voltage) != "230");
    QCOMPARE(run.pressure.subtitle(), QString::fromStdString(device.Model));
    QCOMPARE(run.efficiency.subtitle(), QString::fromStdString(device.Model));
}

void DetailsWindowTest::openedFromTheProductTreeUnderTheProductsName()
{
    Running run;
    QTreeWidget* tree = run.products.tree();
    const QList<QTreeWidgetItem*> found = tree->findItems("KDH-355", Qt::MatchExactly | Qt::MatchRecursive);
    QCOMPARE(found.size(), 1);
    Seen seen;
    CloseNextModal(Seen::into(seen));
    emit tree->itemDoubleClicked(found[0], 0);

    const DeviceRecord& device = run.device("KDH-355");
    QCOMPARE(seen.title, QString::fromStdString(device.NamePl + " " + device.Model));
    QCOMPARE(seen.device_caption, seen.title);
    QVERIFY(run.program.OpenedFromCatalogue);
    QVERIFY(!run.program.DutyPointKnown);
}

void DetailsWindowTest::openedFromTheOrder()
{
    Running run;
    OrderLine line;
    line.DeviceIndex = FindDeviceByModel(run.program.devices, "KDV-400").value();
    line.Quantity = std::string(1, '2');
    (void)run.program.order.append(line);
    run.order_view.showOrder();
    run.order_view.columns()->selectRow(0);
    Seen seen;
    CloseNextModal(Seen::into(seen));
    emit run.order_view.detailsRequested();
    QCOMPARE(seen.model, QString("KDV-400"));
    QCOMPARE(seen.tab, int(DetailsWindow::DescriptionTab));
    QVERIFY(!run.program.OpenedFromFanSelection);
}

void DetailsWindowTest::tablesFollowTheRecordAfterTheHeadingFile()
{
    Running run;
    QVERIFY(!std::filesystem::exists(run.folder / kDetailsHeadingFile));
    run.showDetailsOf("KDH-355");
    QVERIFY(std::filesystem::exists(run.folder / kDetailsHeadingFile));
    const ValueTable& technical = *run.details.technicalTable();
    QCOMPARE(technical.name(1) + "=", run.program.line(352));
    QCOMPARE(technical.value(1), QString("KDH-355"));
    QCOMPARE(technical.value(3), QString("0.18[kW]"));
    QCOMPARE(technical.horizontalHeaderItem(0)->text(), run.program.line(350));
    const ValueTable& dimensions = *run.details.dimensions()->table();
    QCOMPARE(dimensions.value(0), QString("688 [mm]"));
    QCOMPARE(dimensions.value(dimensions.rowCount() - 1), QString("4")); // the number of holes has no unit
    run.details.hide();

    run.write(kDetailsHeadingFile, "Dostawca=Kalvintera\r\n");
    run.showDetailsOf("BDS-355");
    QCOMPARE(technical.name(0), QString("Dostawca"));
    QCOMPARE(technical.value(0), QString("Kalvintera"));
    QCOMPARE(dimensions.name(0), QString("Dostawca"));
    QVERIFY(!run.details.charts()->spectrumButton()->isEnabled());
    QVERIFY(run.details.charts()->pressureButton()->isEnabled());
}

void DetailsWindowTest::accessoryAndBackReturnToTheAccessories()
{
    Running run;
    run.showDetailsOf("KDH-355");
    AccessoriesPage& accessories = *run.details.accessories();
    QCOMPARE(accessories.captionText(3), QString("BDS-355"));
    QVERIFY(accessories.thumbnailShown(3));
    QCOMPARE(accessories.hint(3), QString::fromStdString(run.device("BDS-355").NamePl));
    QVERIFY(run.details.backButton()->isHidden());

    run.details.tabs()->setCurrentIndex(DetailsWindow::AccessoriesTab);
    QTest::mouseClick(accessories.caption(3), Qt::LeftButton);
    QCOMPARE(QString::fromStdString(run.program.CurrentDevice.Model), QString("BDS-355"));
    QCOMPARE(QString::fromStdString(run.program.SavedDevice.Model), QString("KDH-355"));
    QVERIFY(!run.details.backButton()->isHidden());
    QCOMPARE(run.details.tabs()->currentIndex(), int(DetailsWindow::DescriptionTab));
    QCOMPARE(run.details.description()->modelText(), QString("BDS-355"));

    run.details.backButton()->click();
    QCOMPARE(QString::fromStdString(run.program.CurrentDevice.Model), QString("KDH-355"));
    QCOMPARE(run.details.tabs()->currentIndex(), int(DetailsWindow::AccessoriesTab));
    QVERIFY(run.details.backButton()->isHidden());

    // Closing from an accessory leaves it as the current device, and the next opening starts on "OPIS".
    QTest::mouseClick(accessories.caption(3), Qt::LeftButton);
    run.details.reject();
    QCOMPARE(QString::fromStdString(run.program.CurrentDevice.Model), QString("BDS-355"));
    QVERIFY(run.details.backButton()->isHidden());
    run.details.show();
    QCOMPARE(run.details.tabs()->currentIndex(), int(DetailsWindow::DescriptionTab));
}

void DetailsWindowTest::highlightingAnAccessory()
{
    Running run;
    run.showDetailsOf("KDH-355");
    AccessoriesPage& accessories = *run.details.accessories();
    QCOMPARE(accessories.captionColour(3), QColor(Qt::blue));
    accessories.highlight(3);
    QCOMPARE(accessories.captionColour(3), QColor(Qt::red));
    accessories.unhighlight();
    QCOMPARE(accessories.captionColour(3), QColor(Qt::blue));
    QVERIFY(accessories.thumbnailShown(3));
}

void DetailsWindowTest::documentsOpenOrTellWhatIsMissing()
{
    Running run;
    run.showDetailsOf("KDH-355");
    run.details.findChild<QPushButton*>("cad")->click();
    QCOMPARE(run.prompter.lastText(), run.program.line(392));
    run.details.findChild<QPushButton*>("card")->click();
    QCOMPARE(run.prompter.lastText(), run.program.line(963));
    QVERIFY(run.platform.desktop.opened_documents.empty());

    run.write("cad/kdh-355.dwg", "drawing");
    run.write("opisy/kdh_typoszereg.pdf", "sheet");
    run.write("katalog/dekdh.pdf", "card");
    run.details.findChild<QPushButton*>("cad")->click();
    run.details.findChild<QPushButton*>("series")->click();
    run.program.settings.language = 3;
    run.details.findChild<QPushButton*>("card")->click();
    QCOMPARE(run.platform.desktop.opened_documents.size(), std::size_t{3});
    QCOMPARE(run.platform.desktop.opened_documents[0], run.folder / "cad/kdh-355.dwg");
    QCOMPARE(run.platform.desktop.opened_documents[1], run.folder / "opisy/kdh_typoszereg.pdf");
    QCOMPARE(run.platform.desktop.opened_documents[2], run.folder / "katalog/dekdh.pdf");
}

void DetailsWindowTest::catalogueProductGoesOnTheOrderInStandardColour()
{
    Running run;
    run.showDetailsOf("KDH-355");
    CloseNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<QuantityDialog*>(modal);
        if (!dialog) qFatal("the quantity dialog was expected");
        dialog->quantityEdit()->setText("3");
        dialog->okButton()->click();
    });
    run.details.findChild<QPushButton*>("order")->click();
    QCOMPARE(run.program.order.count(), 1);
    const OrderLine& line = run.program.order.at(0);
    QCOMPARE(line.DeviceIndex, FindDeviceByModel(run.program.devices, "KDH-355").value());
    QCOMPARE(line.Quantity, std::string("3"));
    QCOMPARE(line.Colour, std::string("STANDARD"));
    QCOMPARE(line.Voltage, std::string("N/A"));
    // The order form shows the new line at once.
    QCOMPARE(run.order_view.text(0, OrderView::ModelColumn), QString("KDH-355"));
}

void DetailsWindowTest::fanFromTheResultsIsOrderedAsTheResultsOrderIt()
{
    Running run;
    run.searchFans();
    run.fanColumns().selectRow(1);
    run.program.CurrentDevice = run.program.devices.at(run.program.selectionResults[1]);
    run.program.OpenedFromCatalogue = false;
    run.program.OpenedFromFanSelection = true;
    run.details.show();
    CloseNextModal([](QWidget* modal) { qobject_cast<QuantityDialog*>(modal)->okButton()->click(); });
    run.details.findChild<QPushButton*>("order")->click();
    QCOMPARE(run.program.order.count(), 1);
    QCOMPARE(run.program.order.at(0).DutyFlow, 1200.0); // the fan line carries the duty point
    QCOMPARE(run.program.order.at(0).DeviceIndex, run.program.selectionResults[1]);
}

void DetailsWindowTest::orderedFromTheOrderFormAfterTheSelectionClosed()
{
    Running run;
    // A fan search whose details were looked at, then the selection window closed: its
    // results are gone, and the details flags still say "from a result list".
    run.searchFans();
    run.fanColumns().selectRow(0);
    CloseNextModal();
    emit run.fanColumns().rowDoubleClicked(0);
    run.selection.reject();
    QVERIFY(!run.program.OpenedFromCatalogue);

    OrderLine line;
    line.DeviceIndex = FindDeviceByModel(run.program.devices, "KDV-400").value();
    line.Quantity = "2";
    (void)run.program.order.append(line);
    run.order_view.showOrder();
    run.order_view.columns()->selectRow(0);
    bool asked = false;
    CloseNextModal([&asked](QWidget* modal) {
        auto* details = qobject_cast<DetailsWindow*>(modal);
        if (!details) qFatal("the details window was expected");
        CloseNextModal([&asked](QWidget* inner) {
            auto* dialog = qobject_cast<QuantityDialog*>(inner);
            if (!dialog) return;
            asked = true;
            dialog->quantityEdit()->setText("4");
            dialog->okButton()->click();
        });
        details->findChild<QPushButton*>("order")->click();
    });
    emit run.order_view.detailsRequested();

    // The product shown goes on as the catalogue orders it.
    QVERIFY(asked);
    QCOMPARE(run.program.order.count(), 2);
    const OrderLine& added = run.program.order.at(1);
    QCOMPARE(added.DeviceIndex, line.DeviceIndex);
    QCOMPARE(added.Quantity, std::string("4"));
    QCOMPARE(added.Colour, std::string("STANDARD"));

    // A product the catalogue does not hold cannot go on: the user is told why.
    run.showDetailsOf("KDH-355");
    run.program.CurrentDevice.Model = "KDH-999";
    run.details.findChild<QPushButton*>("order")->click();
    QCOMPARE(run.program.order.count(), 2);
    QCOMPARE(run.prompter.lastText(), run.program.line(1172).replace("%1", "KDH-999"));
}

void DetailsWindowTest::drawingIsEnlargedOnAClick()
{
    Running run;
    run.showDetailsOf("KDH-355");
    QVERIFY(run.details.dimensions()->drawingShown());
    bool shown = false;
    CloseNextModal([&shown](QWidget* modal) {
        auto* window = qobject_cast<PictureWindow*>(modal);
        shown = window && window->pictureShown();
    });
    run.details.dimensions()->magnifier()->click();
    QVERIFY(shown);
}

void DetailsWindowTest::everyOpenerOfTheProgramReachesIt()
{
    TestDataFolder folder;
    FakePlatform platform;
    ScriptedPrompter prompter;
    Program program{DataFolder(folder.root()), LocaleFormats{}, platform.services, prompter};
    ProgramWindows all{program};
    Windows& windows = all.windows();
    windows.main->setAnimated(false);
    program.fadeEnabled = false;
    QVERIFY(all.start() && windows.main->activate());

    QStringList titles;
    const auto seen = [&titles](QWidget* modal) {
        if (auto* details = qobject_cast<DetailsWindow*>(modal)) titles << details->windowTitle();
    };
    QTreeWidget* tree = windows.main->productsTab().tree();
    CloseNextModal(seen);
    emit tree->itemDoubleClicked(tree->findItems("KDH-355", Qt::MatchExactly | Qt::MatchRecursive).value(0), 0);
    // The main window came back and its activation put the language's caption back.
    QCOMPARE(windows.details->windowTitle(), program.line(326));

    CloseNextModal(seen);
    emit windows.selection->detailsRequested();

    OrderLine line;
    line.DeviceIndex = FindDeviceByModel(program.devices, "KDV-400").value();
    (void)program.order.append(line);
    windows.orderView->showOrder();
    windows.orderView->columns()->selectRow(0);
    CloseNextModal(seen);
    emit windows.orderView->detailsRequested();

    const DeviceRecord& kdh = program.devices.at(FindDeviceByModel(program.devices, "KDH-355").value());
    QCOMPARE(titles, (QStringList{QString::fromStdString(kdh.NamePl + " " + kdh.Model), program.line(326),
                                  program.line(326)}));
    QCOMPARE(QString::fromStdString(program.CurrentDevice.Model), QString("KDV-400"));
}

QTEST_MAIN(DetailsWindowTest)
#include "details_window_test.moc"
