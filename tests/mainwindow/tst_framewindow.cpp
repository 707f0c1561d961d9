// The frame as the shown window lays it out, the window's own states, the corner pictures'
// menus and moving the window by its top band, in the fonts found as at the program's start.
#include "FrameTestSupport.h"
#include "core/FrameLayout.h"
#include "platform/Fonts.h"
#include "platform/WindowServices.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QScreen>

using namespace zuv;
using namespace zuvtest;  // the screens' short names
using zuvtest::component;
using zuvtest::components;
using zuvtest::menuItem;
using zuvtest::Screen;
using zuvtest::ShownForm;

namespace {

// The geometry SetPos must have given the frame for the window as it is now.
FrameGeometry expectedFrame(const TFormZUV& w) {
    FrameInput in;
    in.width = component<Panel>(w, "KSAdvPanel")->width();
    in.height = component<Panel>(w, "KSAdvPanel")->height();
    in.maximized = w.IsMaximized();
    in.inset = rulesOf(w.CurrentScreen()).inset;
    in.rightImageVisible = component<ImageControl>(w, "RightImage")->isVisible();
    in.ksLabelSize = component<AutoLabel>(w, "CurrentKSLabel")->size();
    in.modeLabelSize = component<AutoLabel>(w, "CurrentModeLabel")->size();
    return computeFrame(in);
}

void verifyFrameApplied(const TFormZUV& w) {
    const FrameGeometry g = expectedFrame(w);
    QCOMPARE(w.State().WidthShape, g.widthShape);
    QCOMPARE(w.State().HeightShape, g.heightShape);
    QCOMPARE(OffSetLeft, g.offSetLeft);
    QCOMPARE(OffsetTop, 0);
    QCOMPARE(component<ShapeControl>(w, "TopShapeLeft")->geometry(), g.topShapeLeft);
    QCOMPARE(component<ShapeControl>(w, "TopShapeCenter")->geometry(), g.topShapeCenter);
    QCOMPARE(component<ShapeControl>(w, "TopShapeRight")->geometry(), g.topShapeRight);
    QCOMPARE(component<ShapeControl>(w, "ButtomShapeLeft")->geometry(), g.buttomShapeLeft);
    QCOMPARE(component<ShapeControl>(w, "ButtomShapeCenter")->geometry(), g.buttomShapeCenter);
    QCOMPARE(component<ShapeControl>(w, "ButtomShapeRight")->geometry(), g.buttomShapeRight);
    QCOMPARE(component<ShapeControl>(w, "TopLeftShapeClr")->geometry(), g.topLeftShapeClr);
    QCOMPARE(component<ShapeControl>(w, "TopRightShapeClr")->geometry(), g.topRightShapeClr);
    QCOMPARE(component<ShapeControl>(w, "DownLeftShapeClr")->geometry(), g.downLeftShapeClr);
    QCOMPARE(component<ShapeControl>(w, "DownRightShapeClr")->geometry(), g.downRightShapeClr);
    QCOMPARE(component<ImageControl>(w, "MnuImage1")->geometry(), g.mnuImage1);
    QCOMPARE(component<ImageControl>(w, "MnuImage2")->geometry(), g.mnuImage2);
    QCOMPARE(component<ImageControl>(w, "MnuImage3")->geometry(), g.mnuImage3);
    QCOMPARE(component<ImageControl>(w, "MnuImage4")->geometry(), g.mnuImage4);
    QCOMPARE(component<AutoLabel>(w, "CurrentKSLabel")->pos(), g.ksLabelPos);
    QCOMPARE(component<AutoLabel>(w, "CurrentModeLabel")->pos(), g.modeLabelPos);
    QCOMPARE(component<ScrollBox>(w, "StartPanel")->geometry(), g.startPanel);
    QCOMPARE(component<Panel>(w, "KSPanel")->geometry(), g.ksPanel);
    QCOMPARE(component<Panel>(w, "ControlMenuPanel")->geometry(), g.controlMenuPanel);
    const int points = captionPointSize(component<Panel>(w, "KSAdvPanel")->height());
    QCOMPARE(component<AutoLabel>(w, "CurrentKSLabel")->font().pointSize(), points);
    QCOMPARE(component<AutoLabel>(w, "CurrentModeLabel")->font().pointSize(), points);
}

// The colour of the logical pixel (x, y) of a grabbed image (sampled at its top-left device pixel).
QColor logicalPixel(const QImage& image, int x, int y) {
    const qreal dpr = image.devicePixelRatio();
    return QColor(image.pixel(int(x * dpr), int(y * dpr)));
}
bool isBlack(const QImage& image, int x, int y) { return logicalPixel(image, x, y) == QColor(Qt::black); }
bool isWhite(const QImage& image, int x, int y) { return logicalPixel(image, x, y) == QColor(Qt::white); }

QWidget* child(TFormZUV& w, const QString& name) { return w.findChild<QWidget*>(name); }

}  // namespace

class TestFrameWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { RegisterProgramFonts(); }  // the program's fonts, as at start-up

    // The design size, with every figure written out.
    void designSizeLayout() {
        ShownForm f;
        TFormZUV& w = f.form;
        ImageControl* MnuImage1 = component<ImageControl>(w, "MnuImage1");
        ImageControl* MnuImage2 = component<ImageControl>(w, "MnuImage2");
        ImageControl* MnuImage3 = component<ImageControl>(w, "MnuImage3");
        ImageControl* MnuImage4 = component<ImageControl>(w, "MnuImage4");
        AutoLabel* CurrentKSLabel = component<AutoLabel>(w, "CurrentKSLabel");
        AutoLabel* CurrentModeLabel = component<AutoLabel>(w, "CurrentModeLabel");
        QCOMPARE(component<Panel>(w, "KSAdvPanel")->geometry(), QRect(193, 0, 417, 465));
        QCOMPARE(w.State().WidthShape, 27);
        QCOMPARE(w.State().HeightShape, 23);
        QCOMPARE(OffSetLeft, 10);
        QCOMPARE(OffsetTop, 0);
        QCOMPARE(component<ShapeControl>(w, "TopShapeLeft")->geometry(), QRect(10, 0, 27, 23));
        QCOMPARE(component<ShapeControl>(w, "TopShapeRight")->geometry(), QRect(380, 0, 27, 23));
        QCOMPARE(component<ShapeControl>(w, "TopShapeCenter")->geometry(), QRect(36, 0, 345, 23));
        QCOMPARE(component<ShapeControl>(w, "ButtomShapeLeft")->geometry(), QRect(10, 442, 27, 23));
        QCOMPARE(component<ShapeControl>(w, "ButtomShapeCenter")->geometry(), QRect(36, 442, 345, 23));
        QCOMPARE(component<ShapeControl>(w, "ButtomShapeRight")->geometry(), QRect(380, 442, 27, 23));
        QCOMPARE(component<ShapeControl>(w, "TopLeftShapeClr")->geometry(), QRect(35, 1, 2, 21));
        QCOMPARE(component<ShapeControl>(w, "TopRightShapeClr")->geometry(), QRect(379, 1, 2, 21));
        QCOMPARE(component<ShapeControl>(w, "DownLeftShapeClr")->geometry(), QRect(35, 443, 2, 21));
        QCOMPARE(component<ShapeControl>(w, "DownRightShapeClr")->geometry(), QRect(379, 443, 2, 21));
        QCOMPARE(MnuImage1->geometry(), QRect(17, 5, 13, 13));
        QCOMPARE(MnuImage2->geometry(), QRect(387, 5, 13, 13));
        QCOMPARE(MnuImage3->geometry(), QRect(17, 447, 13, 13));
        QCOMPARE(MnuImage4->geometry(), QRect(387, 447, 13, 13));
        QCOMPARE(component<ScrollBox>(w, "StartPanel")->geometry(), QRect(1, 24, 414, 417));
        QCOMPARE(component<Panel>(w, "KSPanel")->geometry(), QRect(1, 24, 414, 418));
        QCOMPARE(component<Panel>(w, "ControlMenuPanel")->geometry(), QRect(10, 33, 100, 200));
        QCOMPARE(component<ImageControl>(w, "KSimg1")->geometry(), QRect(9, 11, 79, 79));
        QCOMPARE(component<ImageControl>(w, "KSimg25")->geometry(), QRect(9 + 4 * 79, 11 + 4 * 79, 79, 79));
        // Captions: 10 points, centred on the panel and in their bands, of one height.
        QCOMPARE(CurrentKSLabel->font().pointSize(), 10);
        QCOMPARE(CurrentModeLabel->font().pointSize(), 10);
        QCOMPARE(CurrentKSLabel->height(), CurrentModeLabel->height());
        const int h = CurrentKSLabel->height();
        QCOMPARE(CurrentKSLabel->pos(), QPoint(208 - CurrentKSLabel->width() / 2, 11 - h / 2));
        QCOMPARE(CurrentModeLabel->pos(), QPoint(208 - CurrentModeLabel->width() / 2, 465 - 11 - h / 2));
        // The corner pictures are drawn at their own size.
        for (ImageControl* corner : {MnuImage1, MnuImage2, MnuImage3, MnuImage4})
            QCOMPARE(corner->Picture().deviceIndependentSize().toSize(), QSize(13, 13));
    }

    // The band pieces have black outlines, the seam covers are solid white and lie above the
    // pieces, so each band shows as one outlined rectangle; the window background is white.
    void bandsRenderAsOneRectangle() {
        ShownForm f;
        TFormZUV& w = f.form;
        for (ShapeControl* piece : components<ShapeControl>(w, {"TopShapeLeft", "TopShapeCenter", "TopShapeRight", "ButtomShapeLeft", "ButtomShapeCenter", "ButtomShapeRight"})) {
            QCOMPARE(piece->OutlineColor(), QColor(Qt::black));
            QCOMPARE(piece->FillColor(), QColor(Qt::white));
        }
        for (ShapeControl* cover : components<ShapeControl>(w, {"TopLeftShapeClr", "TopRightShapeClr", "DownLeftShapeClr", "DownRightShapeClr"})) {
            QCOMPARE(cover->OutlineColor(), QColor(Qt::white));
            QCOMPARE(cover->FillColor(), QColor(Qt::white));
        }
        QCOMPARE(w.palette().color(QPalette::Window), QColor(Qt::white));

        const QImage frame = component<Panel>(w, "KSAdvPanel")->grab().toImage();
        for (int top : {0, 442}) {
            // The seams at x 36 (left end | middle) and 380 (middle | right end) are hidden
            // between the outline rows, which stay black across them.
            for (int x : {35, 36, 379, 380}) {
                QVERIFY2(isWhite(frame, x, top + 10), qPrintable(QStringLiteral("seam at %1,%2").arg(x).arg(top + 10)));
                QVERIFY(isBlack(frame, x, top));
                QVERIFY(isBlack(frame, x, top + 22));
            }
            // The band's outer ends.
            QVERIFY(isBlack(frame, 10, top + 10));
            QVERIFY(isBlack(frame, 406, top + 10));
            QVERIFY(isWhite(frame, 9, top + 10));
            QVERIFY(isWhite(frame, 407, top + 10));
        }
    }

    // What lies above what in the content frame, bottom to top: the captions sit on their bands,
    // the covers over the bands' joints lie under the page area, the icon grid and the control
    // menu above everything.
    void contentFrameStacking() {
        TFormZUV w;
        QStringList order;
        for (const QObject* child : component<Panel>(w, "KSAdvPanel")->children()) order << child->objectName();
        const QStringList expected = {"TopShapeCenter", "CurrentKSLabel", "ButtomShapeRight", "ButtomShapeLeft",
                                      "ButtomShapeCenter", "TopShapeLeft", "TopShapeRight", "MnuImage1", "MnuImage2",
                                      "MnuImage3", "MnuImage4", "CurrentModeLabel", "TopLeftShapeClr", "TopRightShapeClr",
                                      "DownRightShapeClr", "DownLeftShapeClr", "StartPanel", "KSPanel", "ControlMenuPanel"};
        QCOMPARE(order, expected);
    }

    // A content screen in the normal window: the sides hidden, the bands from edge to edge.
    void sidesHiddenLayout() {
        ShownForm f;
        TFormZUV& w = f.form;
        f.reach({Gks, M::Chronology});
        QCOMPARE(component<Panel>(w, "KSAdvPanel")->geometry(), QRect(0, 0, 640, 465));
        QCOMPARE(w.State().WidthShape, 42);
        QCOMPARE(OffSetLeft, 0);
        QCOMPARE(component<ShapeControl>(w, "TopShapeLeft")->geometry(), QRect(0, 0, 42, 23));
        QCOMPARE(component<ShapeControl>(w, "TopShapeCenter")->geometry(), QRect(41, 0, 558, 23));
        QCOMPARE(component<ShapeControl>(w, "TopShapeRight")->geometry(), QRect(598, 0, 42, 23));
        QCOMPARE(component<ScrollBox>(w, "StartPanel")->geometry(), QRect(1, 24, 637, 417));
        QCOMPARE(component<ImageControl>(w, "StartImage")->size(), QSize(637, 417));
        verifyFrameApplied(w);
    }

    // Maximised: the layout is redone for the work area, with the inset of the screen.
    void maximisedLayout_data() {
        QTest::addColumn<QList<Screen>>("road");
        QTest::addColumn<bool>("sideShown");
        QTest::addColumn<int>("inset");
        QTest::newRow("grid") << QList<Screen>{{NoSystem, M::ProgramMain}} << true << 10;
        QTest::newRow("control from the grid") << QList<Screen>{{NoSystem, M::Control}} << true << 10;
        QTest::newRow("control, sides hidden") << QList<Screen>{{Gks, M::MainPage}, {Gks, M::Chronology}, {Gks, M::Control}} << false << 10;
        QTest::newRow("patent, sides hidden") << QList<Screen>{{Gks, M::MainPage}, {Gks, M::Chronology}, {Gks, M::Control}, {Gks, M::Control, PatentPage}} << false << 10;
        QTest::newRow("main page from the grid") << QList<Screen>{{Gks, M::MainPage}} << true << 10;
        QTest::newRow("main page, sides hidden") << QList<Screen>{{Gks, M::MainPage}, {Gks, M::Chronology}, {Gks, M::MainPage}} << false << 0;
        QTest::newRow("description, sides shown") << QList<Screen>{{Gks, M::MainPage}, {Gks, M::Description}} << true << 0;
        QTest::newRow("interface, sides shown") << QList<Screen>{{NoSystem, M::Interface}} << true << 0;
        QTest::newRow("chronology") << QList<Screen>{{Gks, M::MainPage}, {Gks, M::Chronology}} << false << 0;
        QTest::newRow("dated sheet") << QList<Screen>{{Gks, M::MainPage}, {Gks, M::DatedSheet}} << false << 0;
    }
    void maximisedLayout() {
        QFETCH(QList<Screen>, road);
        QFETCH(bool, sideShown);
        QFETCH(int, inset);
        ShownForm f;
        TFormZUV& w = f.form;
        Panel* KSAdvPanel = component<Panel>(w, "KSAdvPanel");
        ImageControl* MnuImage1 = component<ImageControl>(w, "MnuImage1");
        ImageControl* StartImage = component<ImageControl>(w, "StartImage");
        for (const Screen& s : road) f.apply(s);
        menuItem(w, 1)->trigger();
        const QRect work = w.screen()->availableGeometry();
        QCOMPARE(w.geometry(), work);
        QCOMPARE(component<Panel>(w, "MnuLeftPanel")->isVisible(), sideShown);
        QCOMPARE(component<ImageControl>(w, "RightImage")->isVisible(), sideShown);
        QCOMPARE(KSAdvPanel->geometry(),
                 sideShown ? QRect(193, 0, work.width() - 223, work.height()) : QRect(QPoint(0, 0), work.size()));
        QCOMPARE(OffSetLeft, inset);
        verifyFrameApplied(w);
        QCOMPARE(component<ShapeControl>(w, "TopShapeLeft")->x(), inset);
        QCOMPARE(component<ShapeControl>(w, "TopShapeRight")->geometry().right(), KSAdvPanel->width() - inset - 1);
        // The screen was drawn again at the new size.
        QCOMPARE(MnuImage1->Picture().deviceIndependentSize().toSize(), MnuImage1->size());
        if (component<ScrollBox>(w, "StartPanel")->isVisible() && w.State().CurrentMode != M::Control) QCOMPARE(StartImage->Picture().deviceIndependentSize().toSize(), StartImage->size());
    }

    // The left panel's background and labels follow the panel's height.
    void sectionMenuFollowsTheMaximisedPanel() {
        ShownForm f;
        TFormZUV& w = f.form;
        ImageControl* LeftImage = component<ImageControl>(w, "LeftImage");
        AutoLabel* mnu7 = component<AutoLabel>(w, "mnu7");
        menuItem(w, 1)->trigger();
        const int h = w.screen()->availableGeometry().height();
        QCOMPARE(component<Panel>(w, "MnuLeftPanel")->geometry(), QRect(0, 0, 193, h));
        QCOMPARE(LeftImage->geometry(), QRect(0, 0, 193, h));
        QCOMPARE(mnu7->y(), sectionLabelTop(h, 8));
        QCOMPARE(component<AutoLabel>(w, "MMLabelZUV")->y(), sectionLabelTop(h, 0));
        menuItem(w, 2)->trigger();
        QCOMPARE(LeftImage->geometry(), QRect(0, 0, 193, 465));
        QCOMPARE(mnu7->y(), 437);
    }

    // N1 / N2 / N36 and the stay-on-top flag.
    void windowStates() {
        ShownForm f;
        TFormZUV& w = f.form;
        const QRect normal = w.geometry();
        QCOMPARE(normal.size(), QSize(640, 465));
        QVERIFY(menuItem(w, 1)->isEnabled());
        QVERIFY(!menuItem(w, 2)->isEnabled());
        QVERIFY(!w.IsMaximized());
        QVERIFY(!w.IsStayOnTop());

        menuItem(w, 1)->trigger();
        QVERIFY(w.IsMaximized());
        QVERIFY(w.IsStayOnTop());
        QVERIFY(w.isVisible());
        QVERIFY(!menuItem(w, 1)->isEnabled());
        QVERIFY(menuItem(w, 2)->isEnabled());

        // Minimising leaves the two items as they are.
        menuItem(w, 36)->trigger();
        QVERIFY(w.windowState() & Qt::WindowMinimized);
        QVERIFY(w.IsStayOnTop());
        QVERIFY(!menuItem(w, 1)->isEnabled());
        QVERIFY(menuItem(w, 2)->isEnabled());

        menuItem(w, 2)->trigger();
        QVERIFY(!(w.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)));
        QVERIFY(!w.IsStayOnTop());
        QVERIFY(menuItem(w, 1)->isEnabled());
        QVERIFY(!menuItem(w, 2)->isEnabled());
        QCOMPARE(w.geometry(), normal);
        QCOMPARE(component<Panel>(w, "KSAdvPanel")->geometry(), QRect(193, 0, 417, 465));
        verifyFrameApplied(w);

        // Minimising from the normal state keeps them too.
        menuItem(w, 36)->trigger();
        QVERIFY(w.windowState() & Qt::WindowMinimized);
        QVERIFY(menuItem(w, 1)->isEnabled());
        QVERIFY(!menuItem(w, 2)->isEnabled());
        QVERIFY(!w.IsStayOnTop());
    }

    // Restoring shows the side again; a content screen's own row hides it at once.
    void restoreAndTheSide_data() {
        QTest::addColumn<QList<Screen>>("road");
        QTest::addColumn<bool>("sideShown");
        QTest::newRow("chronology") << QList<Screen>{{Gks, M::MainPage}, {Gks, M::Chronology}} << false;
        QTest::newRow("main page after a section") << QList<Screen>{{Gks, M::MainPage}, {Gks, M::Chronology}, {Gks, M::MainPage}} << true;
        QTest::newRow("grid") << QList<Screen>{{NoSystem, M::ProgramMain}} << true;
    }
    void restoreAndTheSide() {
        QFETCH(QList<Screen>, road);
        QFETCH(bool, sideShown);
        ShownForm f;
        TFormZUV& w = f.form;
        for (const Screen& s : road) f.apply(s);
        menuItem(w, 1)->trigger();
        menuItem(w, 2)->trigger();
        QCOMPARE(component<Panel>(w, "MnuLeftPanel")->isVisible(), sideShown);
        QCOMPARE(component<ImageControl>(w, "RightImage")->isVisible(), sideShown);
        QCOMPARE(component<Panel>(w, "KSAdvPanel")->width(), sideShown ? 417 : 640);
        verifyFrameApplied(w);
    }

    // Which press starts the interactive move.
    void moveByTheTopBand_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("moves");
        QTest::newRow("middle of the top band") << "TopShapeCenter" << int(Qt::LeftButton) << "normal" << 1;
        QTest::newRow("top band, right button") << "TopShapeCenter" << int(Qt::RightButton) << "normal" << 1;
        QTest::newRow("top band, middle button") << "TopShapeCenter" << int(Qt::MiddleButton) << "normal" << 1;
        QTest::newRow("upper caption") << "CurrentKSLabel" << int(Qt::LeftButton) << "normal" << 1;
        QTest::newRow("upper caption, right button") << "CurrentKSLabel" << int(Qt::RightButton) << "normal" << 1;
        QTest::newRow("left end of the top band") << "TopShapeLeft" << int(Qt::LeftButton) << "normal" << 0;
        QTest::newRow("right end of the top band") << "TopShapeRight" << int(Qt::LeftButton) << "normal" << 0;
        QTest::newRow("seam cover") << "TopLeftShapeClr" << int(Qt::LeftButton) << "normal" << 0;
        QTest::newRow("corner picture") << "MnuImage2" << int(Qt::RightButton) << "normal" << 0;
        QTest::newRow("bottom band") << "ButtomShapeCenter" << int(Qt::LeftButton) << "normal" << 0;
        QTest::newRow("lower caption") << "CurrentModeLabel" << int(Qt::LeftButton) << "normal" << 0;
        QTest::newRow("top band, maximised") << "TopShapeCenter" << int(Qt::LeftButton) << "maximised" << 0;
        QTest::newRow("upper caption, maximised") << "CurrentKSLabel" << int(Qt::LeftButton) << "maximised" << 0;
        QTest::newRow("top band, minimised") << "TopShapeCenter" << int(Qt::LeftButton) << "minimised" << 0;
        QTest::newRow("top band, restored") << "TopShapeCenter" << int(Qt::LeftButton) << "restored" << 1;
    }
    void moveByTheTopBand() {
        QFETCH(QString, target);
        QFETCH(int, button);
        QFETCH(QString, state);
        QFETCH(int, moves);
        ShownForm f;
        TFormZUV& w = f.form;
        if (state == QLatin1String("maximised")) menuItem(w, 1)->trigger();
        if (state == QLatin1String("minimised")) menuItem(w, 36)->trigger();
        if (state == QLatin1String("restored")) {
            menuItem(w, 1)->trigger();
            menuItem(w, 2)->trigger();
        }
        int requests = 0;
        QWidget* moved = nullptr;
        const InteractiveMoveHandler previous = setInteractiveMoveHandler([&](QWidget* window) {
            ++requests;
            moved = window;
            return true;
        });
        QWidget* widget = child(w, target);
        QVERIFY(widget);
        QTest::mousePress(widget, Qt::MouseButton(button), {}, QPoint(widget->width() / 2, widget->height() / 2));
        QTest::mouseRelease(widget, Qt::MouseButton(button), {}, QPoint(widget->width() / 2, widget->height() / 2));
        setInteractiveMoveHandler(previous);
        f.closeMenus();
        QCOMPARE(requests, moves);
        if (moves) QCOMPARE(moved, &w);
    }

    // Which corner picture opens which menu, on which screen. Left-click columns: the
    // corners that open their menu ('1' … '4') or not ('-').
    void cornerMenus_data() {
        QTest::addColumn<QList<Screen>>("road");
        QTest::addColumn<QString>("leftOpens");
        QTest::newRow("grid") << QList<Screen>{{NoSystem, M::ProgramMain}} << "-2-4";
        QTest::newRow("interface") << QList<Screen>{{NoSystem, M::Interface}} << "-2-4";
        QTest::newRow("control") << QList<Screen>{{NoSystem, M::Control}} << "12--";
        QTest::newRow("patent") << QList<Screen>{{NoSystem, M::Control}, {NoSystem, M::Control, PatentPage}} << "12--";
        QTest::newRow("zuv main") << QList<Screen>{{Zuv, M::MainPage}} << "12-4";
        QTest::newRow("zuv description") << QList<Screen>{{Zuv, M::MainPage}, {Zuv, M::Description}} << "12-4";
        QTest::newRow("gks main") << QList<Screen>{{Gks, M::MainPage}} << "1234";
        QTest::newRow("gks chronology") << QList<Screen>{{Gks, M::MainPage}, {Gks, M::Chronology}} << "1234";
        QTest::newRow("gks dated") << QList<Screen>{{Gks, M::MainPage}, {Gks, M::DatedSheet}} << "1234";
        QTest::newRow("vrks main") << QList<Screen>{{Vrks, M::MainPage}} << "1234";
        QTest::newRow("vrks day table") << QList<Screen>{{Vrks, M::MainPage}, {Vrks, M::VrksDayTable}} << "1234";
        QTest::newRow("gks control") << QList<Screen>{{Gks, M::MainPage}, {Gks, M::Control}} << "12--";
        QTest::newRow("vrks grid") << QList<Screen>{{Vrks, M::MainPage}, {Vrks, M::ProgramMain}} << "-2-4";
        QTest::newRow("vrks interface") << QList<Screen>{{Vrks, M::MainPage}, {Vrks, M::ProgramMain}, {Vrks, M::Interface}} << "-2-4";
    }
    void cornerMenus() {
        QFETCH(QList<Screen>, road);
        QFETCH(QString, leftOpens);
        ShownForm f;
        TFormZUV& w = f.form;
        for (const Screen& s : road) f.apply(s);
        const QList<ImageControl*> corners = components<ImageControl>(w, {"MnuImage1", "MnuImage2", "MnuImage3", "MnuImage4"});
        const QList<QMenu*> menus = components<QMenu>(w, {"PopupMnuImage1", "PopupMnuImage2", "PopupMnuImage3", "PopupMnuImage4"});
        for (int i = 0; i < 4; ++i) {
            // The pointing hand stands exactly where a click opens something.
            QVERIFY2((corners[i]->cursor().shape() == Qt::PointingHandCursor) == (leftOpens.at(i) != QLatin1Char('-')),
                     qPrintable(QStringLiteral("cursor on MnuImage%1").arg(i + 1)));
            QTest::mouseClick(corners[i], Qt::LeftButton, {}, QPoint(6, 6));
            const QList<QMenu*> expected = leftOpens.at(i) == QLatin1Char('-') ? QList<QMenu*>{} : QList<QMenu*>{menus[i]};
            QVERIFY2(f.openMenus() == expected, qPrintable(QStringLiteral("left click on MnuImage%1").arg(i + 1)));
            f.closeMenus();
            // A right click opens the calendar systems on the top-left picture only.
            zuvtest::contextClick(corners[i], QPoint(6, 6));
            const QList<QMenu*> onRight = i == 0 ? QList<QMenu*>{menus[0]} : QList<QMenu*>{};
            QVERIFY2(f.openMenus() == onRight, qPrintable(QStringLiteral("right click on MnuImage%1").arg(i + 1)));
            f.closeMenus();
        }
        // Opening a menu changes no screen.
        QCOMPARE(f.screen(), road.last());
    }

    // Of the section entries only "главная" and "контроль" lead somewhere on a click.
    void sectionEntriesWithAHand() {
        ShownForm f;
        QStringList withHand;
        for (const char* name : {"mnu1", "mnu2", "mnu3", "Mnu4", "mnu5", "mnu6", "mnu7"})
            if (child(f.form, QLatin1String(name))->cursor().shape() == Qt::PointingHandCursor) withHand << QLatin1String(name);
        QCOMPARE(withHand, (QStringList{"mnu1", "mnu6"}));
    }

    // The design's faces as the window gets them: fonts-wine's Tahoma (registered as the
    // program starts; fontconfig does not list its folder), and Times New Roman's metrics in
    // Liberation Serif where Times New Roman itself is missing.
    void designFaces_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("face");
        QTest::addColumn<QString>("unlessInstalled");
        QTest::newRow("Tahoma") << "Tahoma" << "Tahoma" << "";
        QTest::newRow("Times New Roman") << "Times New Roman" << "Liberation Serif" << "Times New Roman";
    }
    void designFaces() {
        QFETCH(QString, family);
        QFETCH(QString, face);
        QFETCH(QString, unlessInstalled);
        if (family == QLatin1String("Tahoma") && !QFile::exists(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf")))
            QSKIP("fonts-wine is not installed");
        if (!unlessInstalled.isEmpty() && QFontDatabase::hasFamily(unlessInstalled)) QSKIP("the family itself is installed");
        QCOMPARE(QFontInfo(DesignFont(family, 11, false)).family(), face);
    }

    // Bold texts of the design carry clearly more ink than the same text at the regular weight
    // (the bold face of fonts-wine's Tahoma does not).
    void boldTextsLookBold_data() {
        QTest::addColumn<QString>("label");
        for (const char* name : {"CurrentKSLabel", "CurrentModeLabel", "MMLabelZUV", "mnu1", "mnu7"}) QTest::newRow(name) << name;
    }
    void boldTextsLookBold() {
        QFETCH(QString, label);
        ShownForm f;
        f.apply({Gks, M::MainPage});
        auto* widget = f.form.findChild<AutoLabel*>(label);
        QVERIFY(widget);
        QVERIFY(widget->font().bold());
        auto ink = [](const QFont& font) {
            QImage image(900, 80, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter p(&image);
            p.setFont(font);
            p.setPen(Qt::black);
            p.drawText(QPoint(4, 60), QStringLiteral("ГРИГОРИАНСКАЯ ЖУВКАЛЕНДАРЬ"));
            p.end();
            qint64 sum = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) sum += 255 - qGray(image.pixel(x, y));
            return sum;
        };
        QFont regular = widget->font();
        regular.setBold(false);
        const double ratio = double(ink(widget->font())) / double(ink(regular));
        QVERIFY2(ratio > 1.25, qPrintable(QStringLiteral("bold / regular ink: %1").arg(ratio)));
    }

    // Maximised on the 800 × 800 test screen, every figure written out: a content screen with
    // the side hidden, and the grid with the side shown (the panel 577 px wide, inset 10).
    void maximisedFigures_data() {
        QTest::addColumn<QList<Screen>>("road");
        QTest::addColumn<QRect>("panel");
        QTest::addColumn<QRect>("topLeft");
        QTest::addColumn<QRect>("topCenter");
        QTest::addColumn<QRect>("bottomRight");
        QTest::addColumn<QRect>("corner1");
        QTest::addColumn<QRect>("corner4");
        QTest::addColumn<QRect>("sheet");
        QTest::newRow("dated sheet, sides hidden")
            << QList<Screen>{{Gks, M::MainPage}, {Gks, M::DatedSheet}} << QRect(0, 0, 800, 800) << QRect(0, 0, 53, 40) << QRect(52, 0, 696, 40)
            << QRect(747, 760, 53, 40) << QRect(14, 8, 24, 24) << QRect(761, 768, 24, 24) << QRect(1, 41, 797, 718);
        QTest::newRow("grid, sides shown")
            << QList<Screen>{{NoSystem, M::ProgramMain}} << QRect(193, 0, 577, 800) << QRect(10, 0, 38, 40) << QRect(47, 0, 483, 40)
            << QRect(529, 760, 38, 40) << QRect(17, 8, 24, 24) << QRect(536, 768, 24, 24) << QRect(1, 41, 574, 718);
    }
    void maximisedFigures() {
        QFETCH(QList<Screen>, road);
        QFETCH(QRect, panel);
        QFETCH(QRect, topLeft);
        QFETCH(QRect, topCenter);
        QFETCH(QRect, bottomRight);
        QFETCH(QRect, corner1);
        QFETCH(QRect, corner4);
        QFETCH(QRect, sheet);
        ShownForm f;
        TFormZUV& w = f.form;
        for (const Screen& s : road) f.apply(s);
        menuItem(w, 1)->trigger();
        QCOMPARE(w.screen()->availableGeometry(), QRect(0, 0, 800, 800));
        QCOMPARE(component<Panel>(w, "KSAdvPanel")->geometry(), panel);
        QCOMPARE(component<ShapeControl>(w, "TopShapeLeft")->geometry(), topLeft);
        QCOMPARE(component<ShapeControl>(w, "TopShapeCenter")->geometry(), topCenter);
        QCOMPARE(component<ShapeControl>(w, "ButtomShapeRight")->geometry(), bottomRight);
        QCOMPARE(component<ImageControl>(w, "MnuImage1")->geometry(), corner1);
        QCOMPARE(component<ImageControl>(w, "MnuImage4")->geometry(), corner4);
        QCOMPARE(component<ScrollBox>(w, "StartPanel")->geometry(), sheet);
        QCOMPARE(component<AutoLabel>(w, "CurrentKSLabel")->font().pointSize(), 17);  // 800 / 45
    }
};

// Fontconfig loads ahead while the application is made, as at the program's start: every
// figure above is measured in the fonts found that way.
int main(int argc, char** argv) {
    const zuv::FontConfigLoading fontconfig;
    QApplication app(argc, argv);
    TestFrameWindow suite;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&suite, argc, argv);
}
#include "tst_framewindow.moc"
