#include "ui/ductloss/fitting_chooser.h"

#include "support/ductloss_fixture.h"
#include "support/modal_closer.h"

#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace kalvintera;
using namespace kalvintera::testing;

class FittingChooserTest : public QObject {
    Q_OBJECT
private slots:
    void showsEighteenKindsInTwoRows()
    {
        DuctlossFixture f;
        FittingChooser& chooser = f.chooser;
        QCOMPARE(chooser.windowTitle(), QString("KSZTAŁTKI"));
        QCOMPARE(chooser.kindName(1), QString("PROSTKA_OKRĄGŁA"));
        QCOMPARE(chooser.kindName(9), QString("KRATKA_NAWIEWNA/WYWIEWNA_OKRĄGŁA"));
        QCOMPARE(chooser.kindName(13), QString("TRÓJNIK_PROSTOKĄTNY"));
        QCOMPARE(chooser.kindName(19), QString());
        chooser.show();
        QApplication::processEvents();
        for (int kind = 1; kind <= 9; ++kind) {
            QToolButton* round = chooser.kindButton(kind);
            QToolButton* rectangular = chooser.kindButton(kind + 9);
            QVERIFY(!round->icon().isNull());
            QCOMPARE(round->y(), chooser.kindButton(1)->y()); // round kinds on the top row
            QVERIFY(rectangular->y() > round->y());
            QCOMPARE(rectangular->x(), round->x());             // the same order below
        }
        chooser.hide();
    }

    void staysOpenWhileFittingsAreAdded()
    {
        DuctlossFixture f;
        QString caption;
        bool still_open = false;
        CloseNextModal([&](QWidget* chooser) {
            for (int kind : {1, 9}) {
                CloseNextModal([&](QWidget* dialog) {
                    caption = dialog->windowTitle();
                    f.type({{"flow", "100"}});
                    Child<QPushButton>(*dialog, "ok")->click();
                });
                Child<QToolButton>(*chooser, kind == 1 ? "kind1" : "kind9")->click();
            }
            still_open = chooser->isVisible();
        });
        f.calculator.addFitting();
        QVERIFY(still_open);
        QCOMPARE(caption, QString("KRATKA_NAWIEWNA/WYWIEWNA_OKRĄGŁA"));
        QCOMPARE(f.calculator.run().count(), 2);
        QCOMPARE(f.calculator.text(1, PressureLossWindow::NameColumn), caption);
    }
};

QTEST_MAIN(FittingChooserTest)
#include "ductloss_fitting_chooser_test.moc"
