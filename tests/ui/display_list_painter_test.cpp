// The painter draws what a chart's display list says, where it says.

#include "documents/display_list_painter.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace kalvintera;

class DisplayListPainterTest : public QObject {
    Q_OBJECT
private slots:
    void paintsItemsAtTheirPixels()
    {
        DisplayList list;
        list.width = 100;
        list.height = 60;
        list.rectangle(10, 10, 20, 20, Pen{colours::kBlack}, colours::kRed);
        list.line({0, 40}, {99, 40}, Pen{colours::kBlue, 1});
        list.ellipse(60, 5, 90, 35, Pen{colours::kGreen}, colours::kGreen);
        list.text(2, 45, "dps=f(V)");
        const QImage image = RenderDisplayList(list);
        QCOMPARE(image.size(), QSize(100, 60));
        QCOMPARE(image.pixelColor(15, 15), QColor(255, 0, 0));
        QCOMPARE(image.pixelColor(10, 10), QColor(0, 0, 0)); // the outline
        QCOMPARE(image.pixelColor(20, 20), QColor(255, 255, 255)); // right and bottom edge left out
        QCOMPARE(image.pixelColor(50, 40), QColor(0, 0, 255));
        QCOMPARE(image.pixelColor(75, 20), QColor(0, 128, 0));
        QCOMPARE(image.pixelColor(99, 0), QColor(255, 255, 255));
        QCOMPARE(list.all<TextItem>().size(), std::size_t{1});
    }

    void savesABmpPicture()
    {
        QTemporaryDir dir;
        DisplayList list;
        list.width = 40;
        list.height = 30;
        const QString file = dir.filePath("chart.bmp");
        QVERIFY(SaveDisplayListAsBmp(list, file));
        QCOMPARE(QImage(file).size(), QSize(40, 30));
        QVERIFY(!SaveDisplayListAsBmp(list, dir.filePath("no/such/folder/chart.bmp")));
    }
};

QTEST_MAIN(DisplayListPainterTest)
#include "display_list_painter_test.moc"
