// Lists, scroll bars and tabs as the user meets them: the scroll bar's thumb is where the
// list is, the wheel and the keyboard move what they should, the main window keeps its tab
// when a dialog closes, and the "Nowe urządzenia" buttons show their pictures and whole
// captions in every language. Runs in the program's own application, so its look counts.

#include "core/catalogue/device_table.h"
#include "support/test_program.h"
#include "ui/calculators/air_balance_inputs.h"
#include "ui/calculators/air_balance_window.h"
#include "ui/common/error_handler.h"
#include "ui/details/value_table.h"
#include "ui/order/order_view.h"
#include "ui/program_windows.h"
#include "ui/selection/result_columns.h"
#include "ui/selection/selection_window.h"
#include "ui/shell/main_window.h"
#include "ui/shell/new_devices_tab.h"
#include "ui/shell/picture_button.h"
#include "ui/shell/products_tab.h"

#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleOptionSlider>
#include <QTreeWidget>
#include <QWheelEvent>
#include <QtTest>

using namespace kalvintera;
using namespace kalvintera::testing;

namespace {

QStyleOptionSlider SliderOption(const QScrollBar& bar)
{
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.subControls = QStyle::SC_All;
    option.orientation = bar.orientation();
    if (bar.orientation() == Qt::Horizontal) option.state |= QStyle::State_Horizontal;
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.sliderValue = bar.value();
    option.singleStep = bar.singleStep();
    option.pageStep = bar.pageStep();
    option.upsideDown = bar.invertedAppearance();
    return option;
}

int Lightness(const QImage& image, QPoint point)
{
    return QColor(image.pixel(point)).lightness();
}

// The thumb as the eye finds it: the darker part of the bar must be the thumb, and the
// thumb must sit at the top of its groove at the list's top and at the bottom at its end.
void CheckThumbFollowsTheList(QScrollBar* bar, const char* list)
{
    QVERIFY2(bar->maximum() > bar->minimum(), list);
    for (const bool at_top : {true, false}) {
        bar->setValue(at_top ? bar->minimum() : bar->maximum());
        const QStyleOptionSlider option = SliderOption(*bar);
        const QRect groove = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarGroove, bar);
        const QRect thumb = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
        QVERIFY2(thumb.height() < groove.height() - 6, list);
        if (at_top) QVERIFY2(thumb.top() - groove.top() <= 1, list);
        else QVERIFY2(groove.bottom() - thumb.bottom() <= 1, list);

        const QImage image = bar->grab().toImage();
        const int x = groove.center().x();
        const QPoint in_thumb(x, thumb.center().y());
        const QPoint in_groove(x, at_top ? (thumb.bottom() + groove.bottom()) / 2 : (groove.top() + thumb.top()) / 2);
        QVERIFY2(Lightness(image, in_thumb) + 20 < Lightness(image, in_groove),
                 qPrintable(QStringLiteral("%1: thumb %2, groove %3")
                                .arg(QString::fromLatin1(list))
                                .arg(Lightness(image, in_thumb))
                                .arg(Lightness(image, in_groove))));
    }
}

void Wheel(QWidget* target, int notches)
{
    const QPointF centre = QRectF(target->rect()).center();
    QWheelEvent event(centre, target->mapToGlobal(centre), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(target, &event);
}

// Every language with its file, for checks that must hold in each.
constexpr std::pair<int, const char*> kLanguageFiles[] = {{language_id::kPolish, "polish.lng"},
                                                          {language_id::kEnglish, "english.lng"},
                                                          {language_id::kGerman, "german.lng"},
                                                          {language_id::kRussian, "russian.lng"}};

struct ShellFixture : TestProgram {
    ShellFixture()
    {
        LoadDeviceTable(folder / "urzadzenia.dbx", program.devices, program.numbers);
        program.settings.language = language_id::kPolish;
        program.language.load(folder / "languages/polish.lng", CodePage::Cp1250);
        program.MessageTitle = program.language.line(149);
    }

    void useLanguage(int language, const char* file)
    {
        program.settings.language = language;
        program.language.load(folder / "languages" / file, language == language_id::kRussian ? CodePage::Cp1251
                                                                                            : CodePage::Cp1250);
    }
};

} // namespace

class ListsAndTabsTest : public QObject {
    Q_OBJECT
private slots:
    void thumbIsTheDarkPartAndSitsWhereTheListIs()
    {
        ShellFixture f;

        ValueTable technical(QStringLiteral("Nazwa"), QStringLiteral("Wartość"));
        technical.setRows(std::vector<DetailsRow>(60, DetailsRow{"Wydajność", "1200"}));
        technical.resize(300, 200);
        technical.show();
        QVERIFY(QTest::qWaitForWindowExposed(&technical));
        CheckThumbFollowsTheList(technical.verticalScrollBar(), "technical data");

        AirBalanceWindow air_balance(f.program);
        air_balance.show();
        QVERIFY(QTest::qWaitForWindowExposed(&air_balance));
        CheckThumbFollowsTheList(air_balance.airChangesGroup()->industrialList()->verticalScrollBar(), "rooms");

        ProductsTab products(f.program);
        products.loadTree(f.folder / "PL_urzadzenia.sys");
        products.tree()->expandAll();
        products.resize(700, 300);
        products.show();
        QVERIFY(QTest::qWaitForWindowExposed(&products));
        CheckThumbFollowsTheList(products.tree()->verticalScrollBar(), "product tree");

        OrderLine line;
        line.DeviceIndex = 1;
        line.Quantity = "1";
        for (int k = 0; k < 30; ++k) (void)f.program.order.append(line);
        OrderView order(f.program);
        order.show();
        QVERIFY(QTest::qWaitForWindowExposed(&order));
        CheckThumbFollowsTheList(order.scrollBar(), "order");
    }

    void wheelScrollsTheSplitLists()
    {
        ResultColumns beside(4, 6, ResultColumns::Scrolling::ScrollBarBeside);
        beside.setScrollRange(0, 20);
        beside.show();
        QSignalSpy scrolled(&beside, &ResultColumns::scrolled);
        Wheel(beside.list(2)->viewport(), -1); // one notch down, over any column
        QVERIFY(beside.scrollBar()->value() > 0);
        QCOMPARE(scrolled.count(), 1);
        QCOMPARE(scrolled.back().front().toInt(), beside.scrollBar()->value());
        Wheel(beside.list(0)->viewport(), 5);
        QCOMPARE(beside.scrollBar()->value(), 0);
        QCOMPARE(beside.scrollBar()->pageStep(), 6); // the thumb's share is the rows in view

        ResultColumns listed(4, 6, ResultColumns::Scrolling::ListsScroll);
        listed.setRows(std::vector<QStringList>(40, QStringList{"a", "b", "c", "d"}));
        listed.show();
        QVERIFY(QTest::qWaitForWindowExposed(&listed));
        Wheel(listed.list(0)->viewport(), -1); // a column without a bar of its own
        const int position = listed.list(3)->verticalScrollBar()->value();
        QVERIFY(position > 0);
        for (int column = 0; column < 4; ++column) QCOMPARE(listed.list(column)->verticalScrollBar()->value(), position);
    }

    void keyboardMovesTheProductPreview()
    {
        ShellFixture f;
        ProductsTab tab(f.program);
        tab.loadTree(f.folder / "PL_urzadzenia.sys");
        QCOMPARE(tab.productIdText(), QString("0")); // a new tree chooses nothing
        QTreeWidget* tree = tab.tree();
        tree->expandAll();
        tab.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tab));
        tree->setFocus(); // the focus alone makes a node current, but chooses nothing
        QCOMPARE(tab.productIdText(), QString("0"));

        const QTreeWidgetItem* series = tree->findItems("KDH - wyrzut poziomy", Qt::MatchExactly | Qt::MatchRecursive).front();
        tree->setCurrentItem(const_cast<QTreeWidgetItem*>(series));
        QCOMPARE(tab.productIdText(), QString("---")); // a group node
        QCOMPARE(tab.previewCaption(), f.program.line(148));

        QTest::keyClick(tree, Qt::Key_Down);
        QCOMPARE(tree->currentItem()->text(0), QString("KDH-200"));
        QCOMPARE(tab.productIdText(), QString::number(*FindDeviceByModel(f.program.devices, "KDH-200")));
        QCOMPARE(tab.previewCaption(), QString("KDH-200"));

        QTest::keyClick(tree, Qt::Key_Down);
        QCOMPARE(tab.previewCaption(), QString("KDH-250"));

        QTest::keyClick(tree, Qt::Key_Home);
        QCOMPARE(tab.productIdText(), QString("---"));
        QTest::keyClick(tree, Qt::Key_End);
        const QString last = tree->currentItem()->text(0);
        const auto slot = FindDeviceByModel(f.program.devices, last.toStdString());
        QCOMPARE(tab.productIdText(), slot ? QString::number(*slot) : QString("---"));

        // Another language's tree keeps what the preview shows until the user picks again.
        const QString shown = tab.productIdText();
        tab.loadTree(f.folder / "GB_urzadzenia.sys");
        QCOMPARE(tab.productIdText(), shown);
    }

    void closingADialogKeepsTheTabTheUserWasOn()
    {
        TestProgram f;
        ProgramWindows all(f.program);
        Windows& windows = all.windows();
        windows.main->setAnimated(false);
        QVERIFY(all.start());
        windows.main->selectTab(MainTab::Tools);
        QVERIFY(windows.main->activate()); // the start-up
        QCOMPARE(windows.main->currentTab(), MainTab::Selection);

        for (const MainTab tab : {MainTab::Tools, MainTab::Products, MainTab::OrderForm, MainTab::Selection}) {
            windows.main->selectTab(tab);
            windows.main->runDialog([] {}); // a calculator or the selection window, opened and closed
            QCOMPARE(windows.main->currentTab(), tab);
        }
    }

    void newProductButtonsShowPicturesAndWholeCaptions()
    {
        ShellFixture f;
        for (const auto& [language, file] : kLanguageFiles) {
            f.useLanguage(language, file);
            NewDevicesTab tab(f.program);
            tab.applyLanguage(f.program.language);
            tab.setFixedWidth(812); // the main window's tab page
            tab.show();
            QVERIFY(QTest::qWaitForWindowExposed(&tab));
            QStringList faults;
            for (int k = 1; k <= 5; ++k) {
                auto* button = Child<PictureButton>(tab, QStringLiteral("new_device_button_%1").arg(k).toLatin1().constData());
                const QString which = QStringLiteral("%1, button %2: ").arg(QString::fromLatin1(file)).arg(k);
                if (button->icon().isNull()) faults << which + "no picture";
                // Nothing is cut: the button is as wide as its picture and caption need.
                if (button->width() < button->sizeHint().width()) faults << which + "squeezed";
                if (button->geometry().right() >= tab.width()) faults << which + "past the tab";
                for (const QString& line : button->text().split('\n')) {
                    if (button->fontMetrics().horizontalAdvance(line) > button->width()) faults << which + line;
                }
            }
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
        }
    }

    void resultHeadingsShowWholeWordsInEveryLanguage()
    {
        ShellFixture f;
        for (const auto& [language, file] : kLanguageFiles) {
            f.useLanguage(language, file);
            SelectionWindow window(f.program);
            window.applyLanguage(f.program.language);
            QStringList faults;
            for (const ResultColumns* columns : window.findChildren<ResultColumns*>()) {
                for (int column = 0; column < columns->columnCount(); ++column) {
                    const QLabel* heading = columns->headingLabel(column);
                    // The heading wraps between words only, so each word must fit on its own.
                    const QFontMetrics metrics(heading->font());
                    for (const QString& word : heading->text().split(QRegularExpression("\\s+"), Qt::SkipEmptyParts)) {
                        if (metrics.horizontalAdvance(word) > heading->width())
                            faults << QStringLiteral("%1: %2 is %3 px in %4").arg(QString::fromLatin1(file), word)
                                          .arg(metrics.horizontalAdvance(word)).arg(heading->width());
                    }
                    if (heading->toolTip() != heading->text()) faults << QString::fromLatin1(file) + ": no tip on " + heading->text();
                }
            }
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
        }
    }

    void captionLinesWrapAtSpacesAndHyphens()
    {
        const QFontMetrics metrics(QApplication::font());
        const int width = metrics.horizontalAdvance(QStringLiteral("ВОЗДУШНО-ОТОП"));
        QCOMPARE(WrapCaptionLine(QStringLiteral("SCN"), metrics, width), QStringList{"SCN"});
        QCOMPARE(WrapCaptionLine(QStringLiteral("ВОЗДУШНО-ОТОПИТЕЛЬНЫЙ"), metrics, width),
                 (QStringList{"ВОЗДУШНО-", "ОТОПИТЕЛЬНЫЙ"}));
        QCOMPARE(WrapCaptionLine(QStringLiteral("HEATING AND VENTILATION"), metrics, width),
                 (QStringList{"HEATING AND", "VENTILATION"}));
        // A word wider than the line is broken where it reaches the edge, and nothing is lost.
        const QString long_word = QStringLiteral("WÄRMERÜCKGEWINNUNGSANLAGE");
        const QStringList broken = WrapCaptionLine(long_word, metrics, width);
        QVERIFY(broken.size() > 1);
        QCOMPARE(broken.join(QString()), long_word);
        for (const QString& line : broken) QVERIFY(metrics.horizontalAdvance(line) <= width);
        QCOMPARE(WrapCaptionLine(long_word, metrics, 0), QStringList{long_word}); // 0: never wraps
    }
};

int main(int argc, char** argv)
{
    ProgramApplication application(argc, argv);
    ListsAndTabsTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "lists_and_tabs_test.moc"
