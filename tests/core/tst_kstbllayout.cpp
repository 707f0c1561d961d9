// The table window's arithmetic without a window: the layout pass for several window sizes,
// and the first-show position.
#include "core/KStblLayout.h"

#include <QtTest>

using namespace zuv;

class TestKStblLayout : public QObject {
    Q_OBJECT
private slots:
    void frame_data() {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QSize>("ksLabel");
        QTest::addColumn<QSize>("modeLabel");
        QTest::addColumn<QRect>("mnuImage1");
        QTest::addColumn<QRect>("mnuImage2");
        QTest::addColumn<QRect>("mnuImage3");
        QTest::addColumn<QRect>("mnuImage4");
        QTest::addColumn<QPoint>("ksLabelPos");
        QTest::addColumn<QPoint>("modeLabelPos");
        QTest::addColumn<QRect>("startPanel");

        QTest::newRow("as created, 605 x 423")
            << QSize(605, 423) << QSize(34, 25) << QSize(200, 25) << QRect(32, 7, 37, 37) << QRect(537, 7, 37, 37)
            << QRect(32, 380, 37, 37) << QRect(537, 380, 37, 37) << QPoint(285, 13) << QPoint(202, 386)
            << QRect(1, 52, 603, 321);
        QTest::newRow("maximised on 1280 x 1024")
            << QSize(1280, 1024) << QSize(34, 25) << QSize(301, 25) << QRect(32, 7, 37, 37) << QRect(1212, 7, 37, 37)
            << QRect(32, 981, 37, 37) << QRect(1212, 981, 37, 37) << QPoint(623, 13) << QPoint(490, 987)
            << QRect(1, 52, 1278, 922);
        // Odd sizes: every halving cuts toward zero.
        QTest::newRow("odd 801 x 601, odd captions")
            << QSize(801, 601) << QSize(35, 27) << QSize(301, 27) << QRect(32, 7, 37, 37) << QRect(733, 7, 37, 37)
            << QRect(32, 558, 37, 37) << QRect(733, 558, 37, 37) << QPoint(383, 12) << QPoint(250, 563)
            << QRect(1, 52, 799, 499);
        // Smaller than the two bands: the page area shrinks to nothing instead of turning over.
        QTest::newRow("too small, 150 x 90")
            << QSize(150, 90) << QSize(34, 25) << QSize(200, 25) << QRect(32, 7, 37, 37) << QRect(82, 7, 37, 37)
            << QRect(32, 47, 37, 37) << QRect(82, 47, 37, 37) << QPoint(58, 13) << QPoint(-25, 53)
            << QRect(1, 52, 148, 0);
    }
    void frame() {
        QFETCH(QSize, window);
        QFETCH(QSize, ksLabel);
        QFETCH(QSize, modeLabel);
        const KStblFrame f = computeKStblFrame(window, ksLabel, modeLabel);
        QCOMPARE(f.widthShape, 100);
        QCOMPARE(f.heightShape, 50);
        QCOMPARE(f.cornerSide, 37);
        QTEST(f.mnuImage1, "mnuImage1");
        QTEST(f.mnuImage2, "mnuImage2");
        QTEST(f.mnuImage3, "mnuImage3");
        QTEST(f.mnuImage4, "mnuImage4");
        QTEST(f.ksLabelPos, "ksLabelPos");
        QTEST(f.modeLabelPos, "modeLabelPos");
        QTEST(f.startPanel, "startPanel");
    }

    void bands_data() {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QRect>("topLeft");
        QTest::addColumn<QRect>("topCenter");
        QTest::addColumn<QRect>("topRight");
        QTest::addColumn<QRect>("bottomLeft");
        QTest::addColumn<QRect>("bottomCenter");
        QTest::addColumn<QRect>("bottomRight");

        QTest::newRow("as created, 605 x 423")
            << QSize(605, 423) << QRect(1, 1, 100, 50) << QRect(101, 1, 405, 50) << QRect(505, 1, 100, 50)
            << QRect(1, 373, 100, 50) << QRect(101, 373, 405, 50) << QRect(505, 373, 100, 50);
        QTest::newRow("maximised on 1280 x 1024")
            << QSize(1280, 1024) << QRect(1, 1, 100, 50) << QRect(101, 1, 1080, 50) << QRect(1180, 1, 100, 50)
            << QRect(1, 974, 100, 50) << QRect(101, 974, 1080, 50) << QRect(1180, 974, 100, 50);
        QTest::newRow("odd 801 x 601")
            << QSize(801, 601) << QRect(1, 1, 100, 50) << QRect(101, 1, 601, 50) << QRect(701, 1, 100, 50)
            << QRect(1, 551, 100, 50) << QRect(101, 551, 601, 50) << QRect(701, 551, 100, 50);
        QTest::newRow("too small, 150 x 90")
            << QSize(150, 90) << QRect(1, 1, 100, 50) << QRect(101, 1, 0, 50) << QRect(50, 1, 100, 50)
            << QRect(1, 40, 100, 50) << QRect(101, 40, 0, 50) << QRect(50, 40, 100, 50);
    }
    void bands() {
        QFETCH(QSize, window);
        const FrameBands b = computeKStblBands(window);
        QTEST(b.topShapeLeft, "topLeft");
        QTEST(b.topShapeCenter, "topCenter");
        QTEST(b.topShapeRight, "topRight");
        QTEST(b.buttomShapeLeft, "bottomLeft");
        QTEST(b.buttomShapeCenter, "bottomCenter");
        QTEST(b.buttomShapeRight, "bottomRight");
    }

    void centredOnDesktop_data() {
        QTest::addColumn<QRect>("desktop");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("1280 x 1024") << QRect(0, 0, 1280, 1024) << QSize(605, 423) << QPoint(337, 300);
        QTest::newRow("800 x 600") << QRect(0, 0, 800, 600) << QSize(605, 423) << QPoint(97, 88);
        QTest::newRow("two screens, one left of the origin")
            << QRect(-1280, 0, 2560, 1024) << QSize(605, 423) << QPoint(-303, 300);
        QTest::newRow("desktop smaller than the window") << QRect(0, 0, 500, 400) << QSize(605, 423) << QPoint(-52, -11);
    }
    void centredOnDesktop() {
        QFETCH(QRect, desktop);
        QFETCH(QSize, window);
        QTEST(centredTopLeft(desktop, window), "expected");
    }
};

QTEST_GUILESS_MAIN(TestKStblLayout)
#include "tst_kstbllayout.moc"
