// The frame's arithmetic without a window: bands, seam covers, corner pictures, captions and
// content panels for given panel sizes and window states; the band inset; the caption font;
// the section menu's label tops; the icon grid.
#include "core/FrameLayout.h"

#include <QtTest>

using namespace zuv;

namespace {

// Inputs of one layout: the content panel and what decides the band inset.
struct Frame {
    int width;
    int height;
    bool maximized;
    int mode;  // the design's screen code, on the Gregorian system
    bool rightShown;
};

FrameGeometry layOut(const Frame& f, QSize ks = QSize(100, 16), QSize mode = QSize(100, 16)) {
    FrameInput in;
    in.width = f.width;
    in.height = f.height;
    in.maximized = f.maximized;
    in.inset = rulesOf({CalendarSystem::Gregorian, ScreenMode(f.mode)}).inset;
    in.rightImageVisible = f.rightShown;
    in.ksLabelSize = ks;
    in.modeLabelSize = mode;
    return computeFrame(in);
}

}  // namespace

Q_DECLARE_METATYPE(Frame)

class TestFrameLayout : public QObject {
    Q_OBJECT
private slots:
    // Every row of the inset rule.
    void offSetLeft_data() {
        QTest::addColumn<bool>("maximized");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("rightShown");
        QTest::addColumn<int>("inset");
        QTest::newRow("normal, strip shown") << false << 5 << true << 10;
        QTest::newRow("normal grid, strip shown") << false << 7 << true << 10;
        QTest::newRow("normal, strip hidden") << false << 2 << false << 0;
        QTest::newRow("normal grid, strip hidden") << false << 7 << false << 0;
        QTest::newRow("normal main page, strip hidden") << false << 100 << false << 0;
        QTest::newRow("maximised grid, strip shown") << true << 7 << true << 10;
        QTest::newRow("maximised grid, strip hidden") << true << 7 << false << 10;
        QTest::newRow("maximised control, strip shown") << true << 17 << true << 10;
        QTest::newRow("maximised control, strip hidden") << true << 17 << false << 10;
        QTest::newRow("maximised main page, strip shown") << true << 100 << true << 10;
        QTest::newRow("maximised main page, strip hidden") << true << 100 << false << 0;
        QTest::newRow("maximised description, strip shown") << true << 5 << true << 0;
        QTest::newRow("maximised interface, strip shown") << true << 8 << true << 0;
        QTest::newRow("maximised dated sheet, strip hidden") << true << 6 << false << 0;
        QTest::newRow("maximised chronology, strip hidden") << true << 2 << false << 0;
    }
    void offSetLeft() {
        QFETCH(bool, maximized);
        QFETCH(int, mode);
        QFETCH(bool, rightShown);
        QFETCH(int, inset);
        QCOMPARE(offSetLeftFor(maximized, rulesOf({CalendarSystem::Gregorian, ScreenMode(mode)}).inset, rightShown), inset);
        QCOMPARE(layOut({417, 465, maximized, mode, rightShown}).offSetLeft, inset);
        QCOMPARE(layOut({417, 465, maximized, mode, rightShown}).offsetTop, 0);
    }

    // The bands and their seam covers. The middle piece overlaps one column of each end.
    void bands_data() {
        QTest::addColumn<Frame>("frame");
        QTest::addColumn<int>("widthShape");
        QTest::addColumn<int>("heightShape");
        QTest::addColumn<QRect>("topLeft");
        QTest::addColumn<QRect>("topCenter");
        QTest::addColumn<QRect>("topRight");
        QTest::addColumn<int>("bottomTop");
        QTest::addColumn<QRect>("coverLeft");
        QTest::addColumn<QRect>("coverRight");
        // The design size: 640 × 465 window, both side panels shown.
        QTest::newRow("design") << Frame{417, 465, false, 7, true} << 27 << 23 << QRect(10, 0, 27, 23)
                                << QRect(36, 0, 345, 23) << QRect(380, 0, 27, 23) << 442 << QRect(35, 1, 2, 21)
                                << QRect(379, 1, 2, 21);
        // A content screen of the same window with the sides hidden.
        QTest::newRow("design, sides hidden") << Frame{640, 465, false, 2, false} << 42 << 23 << QRect(0, 0, 42, 23)
                                              << QRect(41, 0, 558, 23) << QRect(598, 0, 42, 23) << 442
                                              << QRect(40, 1, 2, 21) << QRect(597, 1, 2, 21);
        // Maximised on a 1920 × 1080 work area: 1697 = 1920 − 193 − 30 with the sides shown.
        QTest::newRow("max grid") << Frame{1697, 1080, true, 7, true} << 113 << 54 << QRect(10, 0, 113, 54)
                                  << QRect(122, 0, 1453, 54) << QRect(1574, 0, 113, 54) << 1026
                                  << QRect(121, 1, 2, 52) << QRect(1573, 1, 2, 52);
        QTest::newRow("max control, sides hidden") << Frame{1920, 1080, true, 17, false} << 128 << 54 << QRect(10, 0, 128, 54)
                                                   << QRect(137, 0, 1646, 54) << QRect(1782, 0, 128, 54) << 1026
                                                   << QRect(136, 1, 2, 52) << QRect(1781, 1, 2, 52);
        QTest::newRow("max main page, sides shown") << Frame{1697, 1080, true, 100, true} << 113 << 54 << QRect(10, 0, 113, 54)
                                                    << QRect(122, 0, 1453, 54) << QRect(1574, 0, 113, 54) << 1026
                                                    << QRect(121, 1, 2, 52) << QRect(1573, 1, 2, 52);
        QTest::newRow("max main page, sides hidden") << Frame{1920, 1080, true, 100, false} << 128 << 54 << QRect(0, 0, 128, 54)
                                                     << QRect(127, 0, 1666, 54) << QRect(1792, 0, 128, 54) << 1026
                                                     << QRect(126, 1, 2, 52) << QRect(1791, 1, 2, 52);
        QTest::newRow("max description, sides shown") << Frame{1697, 1080, true, 5, true} << 113 << 54 << QRect(0, 0, 113, 54)
                                                      << QRect(112, 0, 1473, 54) << QRect(1584, 0, 113, 54) << 1026
                                                      << QRect(111, 1, 2, 52) << QRect(1583, 1, 2, 52);
        QTest::newRow("max dated sheet") << Frame{1920, 1080, true, 6, false} << 128 << 54 << QRect(0, 0, 128, 54)
                                         << QRect(127, 0, 1666, 54) << QRect(1792, 0, 128, 54) << 1026
                                         << QRect(126, 1, 2, 52) << QRect(1791, 1, 2, 52);
        // A width that does not divide by 15: WS = 800 div 15 = 53.
        QTest::newRow("800 x 600, sides hidden") << Frame{800, 600, false, 3, false} << 53 << 30 << QRect(0, 0, 53, 30)
                                                 << QRect(52, 0, 696, 30) << QRect(747, 0, 53, 30) << 570
                                                 << QRect(51, 1, 2, 28) << QRect(746, 1, 2, 28);
    }
    void bands() {
        QFETCH(Frame, frame);
        QFETCH(int, widthShape);
        QFETCH(int, heightShape);
        QFETCH(QRect, topLeft);
        QFETCH(QRect, topCenter);
        QFETCH(QRect, topRight);
        QFETCH(int, bottomTop);
        QFETCH(QRect, coverLeft);
        QFETCH(QRect, coverRight);
        const FrameGeometry g = layOut(frame);
        QCOMPARE(g.widthShape, widthShape);
        QCOMPARE(g.heightShape, heightShape);
        QCOMPARE(g.topShapeLeft, topLeft);
        QCOMPARE(g.topShapeCenter, topCenter);
        QCOMPARE(g.topShapeRight, topRight);
        QCOMPARE(g.buttomShapeLeft, topLeft.translated(0, bottomTop));
        QCOMPARE(g.buttomShapeCenter, topCenter.translated(0, bottomTop));
        QCOMPARE(g.buttomShapeRight, topRight.translated(0, bottomTop));
        QCOMPARE(g.topLeftShapeClr, coverLeft);
        QCOMPARE(g.topRightShapeClr, coverRight);
        QCOMPARE(g.downLeftShapeClr, coverLeft.translated(0, bottomTop));
        QCOMPARE(g.downRightShapeClr, coverRight.translated(0, bottomTop));
        // Each band reads as one rectangle from the inset to the mirrored inset.
        QCOMPARE(g.topShapeLeft.left(), g.offSetLeft);
        QCOMPARE(g.topShapeRight.right(), frame.width - g.offSetLeft - 1);
        QCOMPARE(g.topShapeCenter.left(), g.topShapeLeft.right());
        QCOMPARE(g.topShapeCenter.right(), g.topShapeRight.left());
    }

    // Corner pictures: squares of (3 × HS) div 5 centred in the band ends.
    void corners_data() {
        QTest::addColumn<Frame>("frame");
        QTest::addColumn<int>("side");
        QTest::addColumn<QPoint>("image1");
        QTest::addColumn<QPoint>("image2");
        QTest::addColumn<QPoint>("image3");
        QTest::addColumn<QPoint>("image4");
        QTest::newRow("design") << Frame{417, 465, false, 7, true} << 13 << QPoint(17, 5) << QPoint(387, 5)
                                << QPoint(17, 447) << QPoint(387, 447);
        QTest::newRow("sides hidden") << Frame{640, 465, false, 2, false} << 13 << QPoint(15, 5) << QPoint(613, 5)
                                      << QPoint(15, 447) << QPoint(613, 447);
        // HS 24 and 25: 72 div 5 = 14 and 75 div 5 = 15.
        QTest::newRow("HS 24") << Frame{417, 480, false, 7, true} << 14 << QPoint(16, 5) << QPoint(386, 5)
                               << QPoint(16, 461) << QPoint(386, 461);
        QTest::newRow("HS 25") << Frame{417, 500, false, 7, true} << 15 << QPoint(16, 5) << QPoint(386, 5)
                               << QPoint(16, 480) << QPoint(386, 480);
        QTest::newRow("max grid, HS 54") << Frame{1697, 1080, true, 7, true} << 32 << QPoint(50, 11) << QPoint(1614, 11)
                                         << QPoint(50, 1037) << QPoint(1614, 1037);
    }
    void corners() {
        QFETCH(Frame, frame);
        QFETCH(int, side);
        QFETCH(QPoint, image1);
        QFETCH(QPoint, image2);
        QFETCH(QPoint, image3);
        QFETCH(QPoint, image4);
        const FrameGeometry g = layOut(frame);
        QCOMPARE(g.cornerSide, side);
        QCOMPARE(g.mnuImage1, QRect(image1, QSize(side, side)));
        QCOMPARE(g.mnuImage2, QRect(image2, QSize(side, side)));
        QCOMPARE(g.mnuImage3, QRect(image3, QSize(side, side)));
        QCOMPARE(g.mnuImage4, QRect(image4, QSize(side, side)));
    }

    // The containers between the bands; the control menu keeps its size at any window size.
    void contentPanels_data() {
        QTest::addColumn<Frame>("frame");
        QTest::addColumn<QRect>("startPanel");
        QTest::addColumn<QRect>("ksPanel");
        QTest::addColumn<QRect>("controlMenu");
        QTest::newRow("design") << Frame{417, 465, false, 7, true} << QRect(1, 24, 414, 417) << QRect(1, 24, 414, 418)
                                << QRect(10, 33, 100, 200);
        QTest::newRow("sides hidden") << Frame{640, 465, false, 2, false} << QRect(1, 24, 637, 417)
                                      << QRect(1, 24, 637, 418) << QRect(10, 33, 100, 200);
        QTest::newRow("max grid") << Frame{1697, 1080, true, 7, true} << QRect(1, 55, 1694, 970) << QRect(1, 55, 1694, 971)
                                  << QRect(10, 64, 100, 200);
        QTest::newRow("max dated sheet") << Frame{1920, 1080, true, 6, false} << QRect(1, 55, 1917, 970)
                                         << QRect(1, 55, 1917, 971) << QRect(10, 64, 100, 200);
    }
    void contentPanels() {
        QFETCH(Frame, frame);
        QFETCH(QRect, startPanel);
        QFETCH(QRect, ksPanel);
        QFETCH(QRect, controlMenu);
        const FrameGeometry g = layOut(frame);
        QCOMPARE(g.startPanel, startPanel);
        QCOMPARE(g.ksPanel, ksPanel);
        QCOMPARE(g.controlMenuPanel, controlMenu);
    }

    // Captions: centred on the panel, in the middle of their band; both take the height of
    // the upper caption.
    void captions_data() {
        QTest::addColumn<Frame>("frame");
        QTest::addColumn<QSize>("ksLabel");
        QTest::addColumn<QSize>("modeLabel");
        QTest::addColumn<QPoint>("ksPos");
        QTest::addColumn<QPoint>("modePos");
        QTest::newRow("design") << Frame{417, 465, false, 7, true} << QSize(201, 17) << QSize(150, 17) << QPoint(108, 3)
                                << QPoint(133, 446);
        QTest::newRow("lower caption taller") << Frame{417, 465, false, 7, true} << QSize(201, 17) << QSize(151, 30)
                                              << QPoint(108, 3) << QPoint(133, 446);
        QTest::newRow("max, HS 54") << Frame{1920, 1080, true, 6, false} << QSize(700, 39) << QSize(651, 39)
                                    << QPoint(610, 8) << QPoint(635, 1034);
    }
    void captions() {
        QFETCH(Frame, frame);
        QFETCH(QSize, ksLabel);
        QFETCH(QSize, modeLabel);
        QFETCH(QPoint, ksPos);
        QFETCH(QPoint, modePos);
        const FrameGeometry g = layOut(frame, ksLabel, modeLabel);
        QCOMPARE(g.ksLabelPos, ksPos);
        QCOMPARE(g.modeLabelPos, modePos);
    }

    void captionFont_data() {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("points");
        QTest::newRow("design 465") << 465 << 10;
        QTest::newRow("1080") << 1080 << 24;
        QTest::newRow("1024") << 1024 << 22;
        QTest::newRow("just below 45 steps") << 449 << 9;
        QTest::newRow("450") << 450 << 10;
    }
    void captionFont() {
        QFETCH(int, height);
        QFETCH(int, points);
        QCOMPARE(captionPointSize(height), points);
    }

    // The section menu's labels at fixed fractions of the panel height, truncated.
    void sectionLabelTops_data() {
        QTest::addColumn<int>("height");
        QTest::addColumn<QList<int>>("tops");
        QTest::newRow("465") << 465 << QList<int>{46, 125, 195, 232, 269, 311, 353, 399, 437};
        QTest::newRow("1024") << 1024 << QList<int>{102, 276, 430, 512, 593, 686, 778, 880, 962};
        QTest::newRow("1080") << 1080 << QList<int>{108, 291, 453, 540, 626, 723, 820, 928, 1015};
    }
    void sectionLabelTops() {
        QFETCH(int, height);
        QFETCH(QList<int>, tops);
        for (int i = 0; i < 9; ++i) QCOMPARE(sectionLabelTop(height, i), tops.at(i));
    }

    // The 5 × 5 icon grid: square cells of the smaller quotient, the block centred.
    void iconGrid_data() {
        QTest::addColumn<QSize>("panel");
        QTest::addColumn<int>("side");
        QTest::addColumn<QPoint>("origin");
        QTest::newRow("design 414 x 418") << QSize(414, 418) << 79 << QPoint(9, 11);
        QTest::newRow("414 x 351") << QSize(414, 351) << 66 << QPoint(42, 10);
        QTest::newRow("max 1694 x 971") << QSize(1694, 971) << 190 << QPoint(372, 10);
    }
    void iconGrid() {
        QFETCH(QSize, panel);
        QFETCH(int, side);
        QFETCH(QPoint, origin);
        const IconGrid grid = iconGridFor(panel);
        QCOMPARE(grid.side, side);
        QCOMPARE(grid.origin, origin);
        QCOMPARE(grid.cell(1), QRect(origin, QSize(side, side)));
        QCOMPARE(grid.cell(5), QRect(origin + QPoint(4 * side, 0), QSize(side, side)));
        QCOMPARE(grid.cell(6), QRect(origin + QPoint(0, side), QSize(side, side)));
        QCOMPARE(grid.cell(25), QRect(origin + QPoint(4 * side, 4 * side), QSize(side, side)));
    }
};

QTEST_APPLESS_MAIN(TestFrameLayout)
#include "tst_framelayout.moc"
