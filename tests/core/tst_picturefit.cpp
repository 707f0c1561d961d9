// Every fit of a picture into a box, from tables: the loaders' fit, the markers' sheet
// placement, the table window's pages and the image control's proportional stretch.
#include "core/PictureFit.h"
#include "core/ViewScroll.h"

#include <QtTest>
#include <algorithm>
#include <cmath>

using namespace zuv;

class TestPictureFit : public QObject {
    Q_OBJECT
private slots:
    void fitArithmetic_data() {
        QTest::addColumn<QRect>("target");  // Left, Top, Width, Height
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<bool>("proportional");
        QTest::addColumn<QRect>("drawn");
        QTest::newRow("main page in a 417x400 view") << QRect(0, 0, 417, 400) << QSize(1272, 871) << true << QRect(0, 58, 417, 285);
        QTest::newRow("left and top unused when fitted") << QRect(1, 1, 417, 400) << QSize(1272, 871) << true << QRect(0, 58, 417, 285);
        QTest::newRow("stretched starts at left, top") << QRect(5, 5, 69, 69) << QSize(180, 182) << false << QRect(5, 5, 69, 69);
        QTest::newRow("small picture enlarged") << QRect(0, 0, 1000, 600) << QSize(100, 100) << true << QRect(200, 0, 600, 600);
        QTest::newRow("height limits") << QRect(0, 0, 1000, 600) << QSize(2969, 1289) << true << QRect(0, 83, 1000, 434);
        QTest::newRow("tall sheet") << QRect(0, 0, 414, 417) << QSize(1697, 2941) << true << QRect(87, 0, 240, 417);
        QTest::newRow("equal factors") << QRect(0, 0, 400, 200) << QSize(800, 400) << true << QRect(0, 0, 400, 200);
    }
    void fitArithmetic() {
        QFETCH(QRect, target);
        QFETCH(QSize, picture);
        QFETCH(bool, proportional);
        QFETCH(QRect, drawn);
        QCOMPARE(fitPictureRect(target.x(), target.y(), target.width(), target.height(), picture.width(), picture.height(),
                                proportional ? Fit::KeepProportions : Fit::Stretch),
                 drawn);
    }

    void placeSheet_data() {
        QTest::addColumn<QSize>("view");
        QTest::addColumn<QSize>("sheet");
        QTest::addColumn<double>("drawnWidth");
        QTest::addColumn<double>("drawnHeight");
        QTest::addColumn<int>("posX");
        QTest::addColumn<int>("posY");
        QTest::newRow("width limits, 1000x600") << QSize(1000, 600) << QSize(2969, 1289) << 1000.0 << 434.15291343886832 << 0 << 83;
        QTest::newRow("scale 1, table sheet") << QSize(2969, 1289) << QSize(2969, 1289) << 2969.0 << 1289.0 << 0 << 0;
        QTest::newRow("scale 1, year sheet") << QSize(2969, 2073) << QSize(2969, 2073) << 2969.0 << 2073.0 << 0 << 0;
        QTest::newRow("height limits") << QSize(1000, 300) << QSize(2969, 1289) << 691.00077579519013 << 300.0 << 155 << 0;
        QTest::newRow("odd width") << QSize(1001, 600) << QSize(2969, 1289) << 1001.0 << 434.58706635230715 << 0 << 83;
        QTest::newRow("odd height limits") << QSize(999, 301) << QSize(2969, 2073) << 431.09937288953205 << 301.0 << 284 << 0;
        QTest::newRow("both factors equal") << QSize(200, 100) << QSize(100, 50) << 200.0 << 100.0 << 0 << 0;
        QTest::newRow("half scale of gs2017") << QSize(1484, 1000) << QSize(2968, 1289) << 1484.0 << 644.5 << 0 << 178;
        // 2969 × (808 / 2969) is 807.99999999999989 in doubles: the sheet must still start at 0.
        QTest::newRow("width factor short by an ulp") << QSize(808, 600) << QSize(2969, 1289) << 808.0 << 350.79555405860556 << 0 << 125;
        QTest::newRow("height factor short by an ulp") << QSize(2000, 504) << QSize(2969, 1289) << 1160.8813033359193 << 504.0 << 420 << 0;
    }
    void placeSheet() {
        QFETCH(QSize, view);
        QFETCH(QSize, sheet);
        QFETCH(double, drawnWidth);
        QFETCH(double, drawnHeight);
        QFETCH(int, posX);
        QFETCH(int, posY);
        const SheetPlacement p = zuv::placeSheet(view.width(), view.height(), sheet.width(), sheet.height());
        QCOMPARE(p.drawnWidth, drawnWidth);
        QCOMPARE(p.drawnHeight, drawnHeight);
        QCOMPARE(p.posX, posX);
        QCOMPARE(p.posY, posY);
        QCOMPARE(p.scale, std::min(double(view.width()) / sheet.width(), double(view.height()) / sheet.height()));
        // The whole sheet lies inside the view.
        QVERIFY(p.posX >= 0 && p.posX + std::trunc(p.drawnWidth) <= view.width());
        QVERIFY(p.posY >= 0 && p.posY + std::trunc(p.drawnHeight) <= view.height());
    }

    void proportionalFit_data() {
        QTest::addColumn<QSize>("view");
        QTest::addColumn<QSize>("image");
        QTest::addColumn<QRect>("expected");

        const QSize overview(967, 846);
        // View ratio 1.89 against 1.14: full height, 967 × 317 / 846 = 362.3 cut to 362.
        QTest::newRow("overview in the created view") << QSize(599, 317) << overview << QRect(118, 0, 362, 317);
        // 846 × 599 / 967 = 524.0: full width, centred vertically at (700 − 524) div 2.
        QTest::newRow("overview in a tall view") << QSize(599, 700) << overview << QRect(0, 88, 599, 524);
        QTest::newRow("overview at its own size") << overview << overview << QRect(0, 0, 967, 846);
        // A hair narrower than the picture: full width, 524.9 cut to 524, offset (525 − 524) div 2 = 0.
        QTest::newRow("overview in a view a hair narrower") << QSize(600, 525) << overview << QRect(0, 0, 600, 524);
        QTest::newRow("dating sheet in the created view") << QSize(599, 317) << QSize(2969, 1289) << QRect(0, 28, 599, 260);
        QTest::newRow("square picture, odd leftover") << QSize(600, 301) << QSize(100, 100) << QRect(149, 0, 301, 301);
        QTest::newRow("small picture is enlarged") << QSize(400, 400) << QSize(20, 10) << QRect(0, 100, 400, 200);
        QTest::newRow("no view") << QSize(0, 317) << overview << QRect();
        QTest::newRow("no picture") << QSize(599, 317) << QSize(0, 0) << QRect();
    }
    void proportionalFit() {
        QFETCH(QSize, view);
        QFETCH(QSize, image);
        QTEST(proportionalPageRect(view, image), "expected");
    }

    void stretchedFitIsShiftedOnePixel() {
        QCOMPARE(stretchedPageRect(QSize(599, 317)), QRect(1, 1, 599, 317));
        QVERIFY(stretchedPageRect(QSize(599, 0)).isEmpty());
    }

    // The icon grid's proportional stretch: Qt's KeepAspectRatio size, centred, halves down.
    void keepAspect_data() {
        QTest::addColumn<QSize>("box");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("icon in its cell") << QSize(69, 69) << QSize(180, 182) << QRect(0, 0, 68, 69);
        QTest::newRow("wide picture") << QSize(100, 100) << QSize(200, 50) << QRect(0, 37, 100, 25);
        QTest::newRow("same proportions") << QSize(90, 60) << QSize(30, 20) << QRect(0, 0, 90, 60);
        QTest::newRow("odd leftover") << QSize(101, 50) << QSize(10, 10) << QRect(25, 0, 50, 50);
    }
    void keepAspect() {
        QFETCH(QSize, box);
        QFETCH(QSize, picture);
        QTEST(keepAspectRect(box, picture), "expected");
    }

    // The least scroll that shows a marked cell with a margin of one cell.
    void scrollToShowACell_data() {
        QTest::addColumn<QRect>("visible");
        QTest::addColumn<QRect>("cell");
        QTest::addColumn<QPoint>("topLeft");
        const QRect view(100, 100, 400, 300);
        QTest::newRow("inside with its margin") << view << QRect(200, 200, 20, 10) << QPoint(100, 100);
        QTest::newRow("margin touches the edges") << view << QRect(120, 110, 20, 10) << QPoint(100, 100);
        QTest::newRow("past the right") << view << QRect(510, 200, 20, 10) << QPoint(150, 100);
        QTest::newRow("before the top-left") << view << QRect(90, 50, 20, 10) << QPoint(70, 40);
        QTest::newRow("past the bottom-right") << view << QRect(600, 500, 30, 20) << QPoint(260, 240);
        QTest::newRow("larger than the view") << view << QRect(0, 0, 300, 200) << QPoint(-300, -200);
    }
    void scrollToShowACell() {
        QFETCH(QRect, visible);
        QFETCH(QRect, cell);
        QTEST(scrollToShow(visible, cell), "topLeft");
    }
};

QTEST_APPLESS_MAIN(TestPictureFit)
#include "tst_picturefit.moc"
