// The sheet view: enlarging and reducing, the sheet's menu, clicks on the sheet (the centre
// of a main page, the VRKS cycle, the picker) and the wheel.
#include "FrameTestSupport.h"

#include <QAbstractItemView>
#include <QScrollBar>
#include <QWheelEvent>

using namespace zuv;
using namespace zuvtest;  // the screens' short names
using zuvtest::component;
using zuvtest::menuItem;
using zuvtest::pointerTo;
using zuvtest::Screen;
using zuvtest::ShownForm;

namespace {

// Changes whenever SelectMode applies a screen: every screen redraws its corner pictures.
qint64 cornerPicture(const TFormZUV& w) { return component<ImageControl>(w, "MnuImage1")->Picture().cacheKey(); }

// A click on the sheet where the pointer is: it moves there first, as a real pointer does.
void clickSheet(TFormZUV& w, const QPoint& pos) {
    ImageControl* StartImage = component<ImageControl>(w, "StartImage");
    pointerTo(StartImage, pos);
    QTest::mouseClick(StartImage, Qt::LeftButton, {}, pos);
}
QPoint viewCentre(const TFormZUV& w) {
    const QSize view = component<ImageControl>(w, "StartImage")->size();
    return QPoint(view.width() / 2, view.height() / 2);
}

// One wheel event with `delta` units (120 a notch, negative towards the user), delivered to
// `target` with the pointer over `target` at `pos`.
// A point of the sheet given in the container's visible area (the view itself may be larger
// and scrolled).
QPoint onSheet(const TFormZUV& w, const QPoint& visible) {
    const QWidget* viewport = component<ScrollBox>(w, "StartPanel")->viewport();
    return component<ImageControl>(w, "StartImage")->mapFrom(viewport, visible);
}

// As the window system's wheel is delivered: to `target` under the pointer at `pos`, then up
// its parents while nobody accepts it (Qt itself propagates only events from the window system).
void wheel(QWidget* target, const QPoint& pos, int delta) {
    const QPoint global = target->mapToGlobal(pos);
    for (QWidget* widget = target; widget; widget = widget->isWindow() ? nullptr : widget->parentWidget()) {
        QWheelEvent event(QPointF(widget->mapFromGlobal(global)), QPointF(global), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        event.ignore();
        QApplication::sendEvent(widget, &event);
        if (event.isAccepted()) return;
    }
}
void wheel(QWidget* target, int delta) { wheel(target, QPoint(target->width() / 2, target->height() / 2), delta); }

}  // namespace

class TestSheetView : public QObject {
    Q_OBJECT
private slots:
    // "увеличить": two or three times the container, centred horizontally; again the same;
    // "уменьшить" fits it back.
    void enlargeAndReduce_data() {
        QTest::addColumn<QList<Screen>>("road");
        QTest::addColumn<QSize>("container");
        QTest::addColumn<QSize>("enlarged");
        QTest::addColumn<int>("horizontal");
        // Sides hidden: the container is 637 × 417.
        QTest::newRow("gks chronology") << QList<Screen>{{Gks, M::MainPage}, {Gks, M::Chronology}} << QSize(637, 417) << QSize(1274, 834) << 318;
        QTest::newRow("gks dating, three times") << QList<Screen>{{Gks, M::MainPage}, {Gks, M::Dating}} << QSize(637, 417) << QSize(1911, 1251) << 637;
        QTest::newRow("vrks dating") << QList<Screen>{{Vrks, M::MainPage}, {Vrks, M::Dating}} << QSize(637, 417) << QSize(1274, 834) << 318;
        QTest::newRow("gks dated sheet") << QList<Screen>{{Gks, M::MainPage}, {Gks, M::DatedSheet}} << QSize(637, 417) << QSize(1274, 834) << 318;
        QTest::newRow("vrks day table") << QList<Screen>{{Vrks, M::MainPage}, {Vrks, M::VrksDayTable}} << QSize(637, 417) << QSize(1274, 834) << 318;
        // Sides shown: 414 × 417.
        QTest::newRow("gks description") << QList<Screen>{{Gks, M::MainPage}, {Gks, M::Description}} << QSize(414, 417) << QSize(828, 834) << 207;
        QTest::newRow("interface") << QList<Screen>{{NoSystem, M::Interface}} << QSize(414, 417) << QSize(828, 834) << 207;
        QTest::newRow("patent") << QList<Screen>{{NoSystem, M::Control}, {NoSystem, M::Control, PatentPage}} << QSize(414, 417) << QSize(828, 834) << 207;
    }
    void enlargeAndReduce() {
        QFETCH(QList<Screen>, road);
        QFETCH(QSize, container);
        QFETCH(QSize, enlarged);
        QFETCH(int, horizontal);
        ShownForm f;
        TFormZUV& w = f.form;
        ScrollBox* StartPanel = component<ScrollBox>(w, "StartPanel");
        ImageControl* StartImage = component<ImageControl>(w, "StartImage");
        for (const Screen& s : road) f.apply(s);
        QCOMPARE(StartPanel->size(), container);
        QCOMPARE(StartImage->size(), container);
        QVERIFY(StartPanel->IsFitted());
        for (int time = 0; time < 2; ++time) {
            menuItem(w, 33)->trigger();
            QVERIFY(!StartPanel->IsFitted());
            QCOMPARE(StartImage->size(), enlarged);
            QCOMPARE(StartImage->pos(), QPoint(-StartPanel->HorzPosition(), -StartPanel->VertPosition()));
            QCOMPARE(StartPanel->HorzRange(), enlarged.width());
            QCOMPARE(StartPanel->HorzPosition(), horizontal);
            QCOMPARE(StartPanel->VertPosition(), 0);
            QCOMPARE(StartImage->Picture().deviceIndependentSize().toSize(), enlarged);  // drawn again at the new size
        }
        QCOMPARE(f.screen(), road.last());
        menuItem(w, 34)->trigger();
        QVERIFY(StartPanel->IsFitted());
        QCOMPARE(StartImage->size(), container);
        QCOMPARE(StartPanel->HorzRange(), 0);
        QCOMPARE(StartImage->Picture().deviceIndependentSize().toSize(), container);
        QVERIFY2(f.recorder.messages.isEmpty(), qPrintable(f.recorder.messages.join(QLatin1Char('|'))));
    }

    // The enlarged view survives other screens and the window states; a main page fits it.
    void enlargementLasts() {
        ShownForm f;
        TFormZUV& w = f.form;
        ImageControl* StartImage = component<ImageControl>(w, "StartImage");
        ScrollBox* StartPanel = component<ScrollBox>(w, "StartPanel");
        f.apply({Gks, M::MainPage});
        f.apply({Gks, M::Chronology});
        menuItem(w, 33)->trigger();
        menuItem(w, 30)->trigger();  // the dating page: still the size computed before
        QCOMPARE(f.screen(), (Screen{Gks, M::Dating}));
        QCOMPARE(StartImage->size(), QSize(1274, 834));
        QCOMPARE(StartPanel->HorzPosition(), 1274 / 2 - 1274 / 4);
        QCOMPARE(StartImage->Picture().deviceIndependentSize().toSize(), QSize(1274, 834));
        menuItem(w, 1)->trigger();
        QVERIFY(w.IsMaximized());
        QCOMPARE(StartImage->size(), QSize(1274, 834));
        menuItem(w, 2)->trigger();
        QCOMPARE(StartImage->size(), QSize(1274, 834));
        menuItem(w, 5)->trigger();  // the main page
        QVERIFY(StartPanel->IsFitted());
        QCOMPARE(StartImage->size(), StartPanel->size());
        // Enlarging a main page does not last: its redraw fits the view again.
        menuItem(w, 33)->trigger();
        QVERIFY(StartPanel->IsFitted());
        QCOMPARE(StartImage->size(), StartPanel->size());
        QCOMPARE(StartImage->Picture().deviceIndependentSize().toSize(), StartPanel->size());
    }

    // The sheet's menu opens on a right click; "датировать" only on the dated screens.
    void sheetMenu_data() {
        QTest::addColumn<QList<Screen>>("road");
        QTest::addColumn<bool>("datingEnabled");
        QTest::newRow("gks dated") << QList<Screen>{{Gks, M::MainPage}, {Gks, M::DatedSheet}} << true;
        QTest::newRow("vrks year sheets") << QList<Screen>{{Vrks, M::MainPage}, {Vrks, M::DatedSheet}} << true;
        QTest::newRow("vrks day table") << QList<Screen>{{Vrks, M::MainPage}, {Vrks, M::VrksDayTable}} << true;
        QTest::newRow("vrks calendar table") << QList<Screen>{{Vrks, M::MainPage}, {Vrks, M::VrksDayTable}, {Vrks, M::VrksCalendarTable}} << true;
        QTest::newRow("gks main") << QList<Screen>{{Gks, M::MainPage}} << false;
        QTest::newRow("vrks main") << QList<Screen>{{Vrks, M::MainPage}} << false;
        QTest::newRow("zuv main") << QList<Screen>{{Zuv, M::MainPage}} << false;
        QTest::newRow("gks chronology") << QList<Screen>{{Gks, M::MainPage}, {Gks, M::Chronology}} << false;
        QTest::newRow("gks dating") << QList<Screen>{{Gks, M::MainPage}, {Gks, M::Dating}} << false;
        QTest::newRow("vrks astronomical") << QList<Screen>{{Vrks, M::MainPage}, {Vrks, M::Astronomical}} << false;
        QTest::newRow("zuv description") << QList<Screen>{{Zuv, M::MainPage}, {Zuv, M::Description}} << false;
        QTest::newRow("interface") << QList<Screen>{{NoSystem, M::Interface}} << false;
        QTest::newRow("patent") << QList<Screen>{{NoSystem, M::Control}, {NoSystem, M::Control, PatentPage}} << false;
        // From a dated screen to one that is not: the item is disabled again.
        QTest::newRow("after the dated sheet") << QList<Screen>{{Gks, M::MainPage}, {Gks, M::DatedSheet}, {Gks, M::Chronology}} << false;
    }
    void sheetMenu() {
        QFETCH(QList<Screen>, road);
        QFETCH(bool, datingEnabled);
        ShownForm f;
        TFormZUV& w = f.form;
        ImageControl* StartImage = component<ImageControl>(w, "StartImage");
        for (const Screen& s : road) {
            f.apply(s);
            if (s.mode == M::DatedSheet || s.mode == M::VrksDayTable || s.mode == M::VrksCalendarTable) {  // open and close the menu there
                zuvtest::contextClick(StartImage, QPoint(50, 50));
                f.closeMenus();
            }
        }
        zuvtest::contextClick(StartImage, QPoint(50, 50));
        QCOMPARE(f.openMenus(), QList<QMenu*>{component<QMenu>(w, "StartPopupMnu")});
        QCOMPARE(menuItem(w, 35)->isEnabled(), datingEnabled);
        QVERIFY(menuItem(w, 33)->isEnabled());
        QVERIFY(menuItem(w, 34)->isEnabled());
        f.closeMenus();
        QCOMPARE(f.screen(), road.last());
    }

    // The central circle of a main page: centre (207, 208), r = 831 div 23 = 36 in the
    // 414 × 417 view; a point at distance exactly r is inside.
    void centralCircle_data() {
        QTest::addColumn<CalendarSystem>("ks");
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<bool>("inside");
        const struct {
            const char* name;
            QPoint pos;
            bool inside;
        } points[] = {{"centre", {207, 208}, true},       {"right at r", {243, 208}, true},
                      {"right beyond r", {244, 208}, false}, {"left at r", {171, 208}, true},
                      {"left beyond r", {170, 208}, false},  {"up at r", {207, 172}, true},
                      {"up beyond r", {207, 171}, false},    {"down at r", {207, 244}, true},
                      {"down beyond r", {207, 245}, false},  {"diagonal 35.4", {232, 233}, true},
                      {"diagonal 36.8", {233, 234}, false},  {"corner of the view", {2, 2}, false}};
        for (CalendarSystem ks : {Gks, Vrks})
            for (const auto& p : points) QTest::addRow("%s, system %d", p.name, int(ks)) << ks << p.pos << p.inside;
    }
    void centralCircle() {
        QFETCH(CalendarSystem, ks);
        QFETCH(QPoint, pos);
        QFETCH(bool, inside);
        ShownForm f;
        TFormZUV& w = f.form;
        ImageControl* StartImage = component<ImageControl>(w, "StartImage");
        QTimer* Timer1 = component<QTimer>(w, "Timer1");
        f.apply({ks, M::MainPage});
        QCOMPARE(StartImage->size(), QSize(414, 417));
        const qint64 before = cornerPicture(w);
        clickSheet(w, pos);
        QCOMPARE(StartImageMousePos, pos);
        if (inside) {
            QCOMPARE(f.screen(), (Screen{ks, ks == Gks ? M::DatedSheet : M::VrksDayTable}));
            QCOMPARE(w.State().BakMode, ks == Gks ? M::DatedSheet : M::VrksDayTable);
            QVERIFY(w.IsMaximized());
            QVERIFY(w.IsStayOnTop());
            QVERIFY(!menuItem(w, 1)->isEnabled());
            QVERIFY(Timer1->isActive());
            QVERIFY(StartImage->HasPicture());
            QCOMPARE(w.State().PenColor, w.State().gdi_clBlue);  // drawn at once, then once more in the next colour
        } else {
            QCOMPARE(f.screen(), (Screen{ks, M::MainPage}));
            QVERIFY(!w.IsMaximized());
            QVERIFY(!Timer1->isActive());
            QCOMPARE(cornerPicture(w), before);
        }
        QVERIFY2(f.recorder.messages.isEmpty(), qPrintable(f.recorder.messages.join(QLatin1Char('|'))));
    }

    // The click uses the last position the pointer moved to over the view.
    void clickUsesTheLastPointerPosition() {
        ShownForm f;
        TFormZUV& w = f.form;
        ImageControl* StartImage = component<ImageControl>(w, "StartImage");
        f.apply({Gks, M::MainPage});
        pointerTo(StartImage, QPoint(20, 20));
        StartImageMousePos = QPoint(207, 208);  // as if the last move had been to the centre
        QTest::mouseClick(StartImage, Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(f.screen(), (Screen{Gks, M::DatedSheet}));
    }

    // Already maximised: the dated screen opens in the same window state.
    void centralCircleWhenMaximised() {
        ShownForm f;
        TFormZUV& w = f.form;
        menuItem(w, 1)->trigger();
        f.apply({Vrks, M::MainPage});
        const QRect maximised = w.geometry();
        clickSheet(w, viewCentre(w));
        QCOMPARE(f.screen(), (Screen{Vrks, M::VrksDayTable}));
        QVERIFY(w.IsMaximized());
        QCOMPARE(w.geometry(), maximised);
        QVERIFY(component<QTimer>(w, "Timer1")->isActive());
    }

    // With the picker open a click only hides it, wherever it falls.
    void clickHidesThePicker_data() {
        QTest::addColumn<QList<Screen>>("road");
        QTest::newRow("vrks main") << QList<Screen>{{Vrks, M::MainPage}};
        QTest::newRow("gks main") << QList<Screen>{{Gks, M::MainPage}};
        QTest::newRow("zuv main") << QList<Screen>{{Zuv, M::MainPage}};
        QTest::newRow("vrks day table") << QList<Screen>{{Vrks, M::MainPage}, {Vrks, M::VrksDayTable}};
        QTest::newRow("gks chronology") << QList<Screen>{{Gks, M::MainPage}, {Gks, M::Chronology}};
    }
    void clickHidesThePicker() {
        QFETCH(QList<Screen>, road);
        ShownForm f;
        TFormZUV& w = f.form;
        MonthCalendar* MCal = component<MonthCalendar>(w, "MCal");
        QTimer* Timer1 = component<QTimer>(w, "Timer1");
        for (const Screen& s : road) f.apply(s);
        MCal->show();
        const bool timer = Timer1->isActive();
        clickSheet(w, viewCentre(w));
        QVERIFY(!MCal->isVisible());
        QCOMPARE(f.screen(), road.last());
        QCOMPARE(Timer1->isActive(), timer);
        QVERIFY(!w.IsMaximized());
    }

    // Clicks that do nothing: the ZUV system, and every screen of the two others that is
    // neither a main page nor a VRKS dated screen.
    void clicksThatDoNothing_data() {
        QTest::addColumn<QList<Screen>>("road");
        QTest::newRow("zuv main") << QList<Screen>{{Zuv, M::MainPage}};
        QTest::newRow("zuv description") << QList<Screen>{{Zuv, M::MainPage}, {Zuv, M::Description}};
        QTest::newRow("gks dated") << QList<Screen>{{Gks, M::MainPage}, {Gks, M::DatedSheet}};
        QTest::newRow("gks chronology") << QList<Screen>{{Gks, M::MainPage}, {Gks, M::Chronology}};
        QTest::newRow("gks dating") << QList<Screen>{{Gks, M::MainPage}, {Gks, M::Dating}};
        QTest::newRow("gks standard") << QList<Screen>{{Gks, M::MainPage}, {Gks, M::GregorianStandard}};
        QTest::newRow("gks lilian") << QList<Screen>{{Gks, M::MainPage}, {Gks, M::JulianLilian}};
        QTest::newRow("gks description") << QList<Screen>{{Gks, M::MainPage}, {Gks, M::Description}};
        QTest::newRow("vrks dating") << QList<Screen>{{Vrks, M::MainPage}, {Vrks, M::Dating}};
        QTest::newRow("vrks chronology") << QList<Screen>{{Vrks, M::MainPage}, {Vrks, M::Chronology}};
        QTest::newRow("vrks annual") << QList<Screen>{{Vrks, M::MainPage}, {Vrks, M::DateStandard}};
        QTest::newRow("vrks description") << QList<Screen>{{Vrks, M::MainPage}, {Vrks, M::Description}};
        QTest::newRow("interface") << QList<Screen>{{NoSystem, M::Interface}};
        QTest::newRow("patent") << QList<Screen>{{NoSystem, M::Control}, {NoSystem, M::Control, PatentPage}};
    }
    void clicksThatDoNothing() {
        QFETCH(QList<Screen>, road);
        ShownForm f;
        TFormZUV& w = f.form;
        QTimer* Timer1 = component<QTimer>(w, "Timer1");
        for (const Screen& s : road) f.apply(s);
        const bool timer = Timer1->isActive();
        const qint64 before = cornerPicture(w);
        clickSheet(w, viewCentre(w));
        QCOMPARE(f.screen(), road.last());
        QCOMPARE(w.State().BakMode, road.last().mode);
        QCOMPARE(Timer1->isActive(), timer);
        QCOMPARE(cornerPicture(w), before);
        QVERIFY(!w.IsMaximized());
    }

    // The VRKS dated screens: 11 → 12 only switches the mode and starts the timer; 12 → 6
    // and 6 → 11 apply the new screen.
    void vrksCycle() {
        ShownForm f;
        TFormZUV& w = f.form;
        AutoLabel* CurrentKSLabel = component<AutoLabel>(w, "CurrentKSLabel");
        AutoLabel* CurrentModeLabel = component<AutoLabel>(w, "CurrentModeLabel");
        MonthCalendar* MCal = component<MonthCalendar>(w, "MCal");
        QTimer* Timer1 = component<QTimer>(w, "Timer1");
        f.apply({Vrks, M::MainPage});
        f.apply({Vrks, M::VrksDayTable});
        const QString upper = CurrentKSLabel->text();
        const QString lower = CurrentModeLabel->text();
        const QDate minDate = MCal->MinDate();
        Timer1->stop();
        qint64 before = cornerPicture(w);
        clickSheet(w, QPoint(30, 40));  // anywhere on the sheet
        QCOMPARE(f.screen(), (Screen{Vrks, M::VrksCalendarTable}));
        QCOMPARE(w.State().BakMode, M::VrksDayTable);  // no SelectMode
        QVERIFY(Timer1->isActive());
        QCOMPARE(CurrentKSLabel->text(), upper);
        QCOMPARE(CurrentModeLabel->text(), lower);
        QCOMPARE(MCal->MinDate(), minDate);
        QCOMPARE(cornerPicture(w), before);

        clickSheet(w, QPoint(300, 200));
        QCOMPARE(f.screen(), (Screen{Vrks, M::DatedSheet}));
        QCOMPARE(w.State().BakMode, M::DatedSheet);
        QVERIFY(cornerPicture(w) != before);
        before = cornerPicture(w);

        clickSheet(w, QPoint(31, 41));
        QCOMPARE(f.screen(), (Screen{Vrks, M::VrksDayTable}));
        QCOMPARE(w.State().BakMode, M::VrksDayTable);
        QVERIFY(cornerPicture(w) != before);
        QVERIFY(Timer1->isActive());
        QVERIFY(!w.IsMaximized());  // only the main page's click maximises
        QVERIFY2(f.recorder.messages.isEmpty(), qPrintable(f.recorder.messages.join(QLatin1Char('|'))));
    }

    // One notch over the sheet moves it 10 pixels, within the container's span; over anything
    // that is not the sheet container nothing moves.
    void wheel_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("delta");
        QTest::addColumn<int>("start");
        QTest::addColumn<bool>("fromEnd");  // start counts back from the largest position
        QTest::addColumn<int>("moved");     // the change of the vertical position
        QTest::newRow("sheet, down") << "StartImage" << -120 << 0 << false << 10;
        QTest::newRow("sheet, up") << "StartImage" << 120 << 30 << false << -10;
        QTest::newRow("sheet, two notches down") << "StartImage" << -240 << 0 << false << 20;
        QTest::newRow("sheet, three notches up") << "StartImage" << 360 << 100 << false << -30;
        QTest::newRow("sheet, up at the top") << "StartImage" << 120 << 0 << false << 0;
        QTest::newRow("sheet, up near the top") << "StartImage" << 120 << 4 << false << -4;
        QTest::newRow("sheet, down near the end") << "StartImage" << -120 << 5 << true << 5;
        QTest::newRow("sheet, down at the end") << "StartImage" << -120 << 0 << true << 0;
        QTest::newRow("scroll bar, down") << "verticalScrollBar" << -120 << 0 << false << 10;
        QTest::newRow("left panel") << "LeftImage" << -120 << 0 << false << 0;
        QTest::newRow("section entry") << "mnu3" << -120 << 0 << false << 0;
        QTest::newRow("right strip") << "RightImage" << -120 << 0 << false << 0;
        QTest::newRow("top band") << "TopShapeCenter" << -120 << 0 << false << 0;
        QTest::newRow("upper caption") << "CurrentKSLabel" << -120 << 0 << false << 0;
        QTest::newRow("bottom band") << "ButtomShapeCenter" << 120 << 50 << false << 0;
        QTest::newRow("horizontal scroll bar, up") << "horizontalScrollBar" << 120 << 30 << false << -10;
        QTest::newRow("picker over the sheet") << "picker" << -120 << 0 << false << 0;
    }
    void wheel() {
        QFETCH(QString, target);
        QFETCH(int, delta);
        QFETCH(int, start);
        QFETCH(bool, fromEnd);
        QFETCH(int, moved);
        ShownForm f;
        TFormZUV& w = f.form;
        ScrollBox* StartPanel = component<ScrollBox>(w, "StartPanel");
        MonthCalendar* MCal = component<MonthCalendar>(w, "MCal");
        f.apply({Gks, M::MainPage});
        f.apply({Gks, M::Description});  // a sheet with the side panels shown
        menuItem(w, 33)->trigger();
        QCoreApplication::processEvents();  // the scroll bars settle
        QScrollBar* bar = StartPanel->verticalScrollBar();
        QVERIFY(bar->maximum() > 100);
        const int first = fromEnd ? bar->maximum() - start : start;
        StartPanel->SetVertPosition(first);
        QCOMPARE(StartPanel->VertPosition(), first);
        QWidget* widget = target == QLatin1String("verticalScrollBar")     ? bar
                          : target == QLatin1String("horizontalScrollBar") ? StartPanel->horizontalScrollBar()
                          : target == QLatin1String("picker") ? MCal->Calendar()->findChild<QAbstractItemView*>()->viewport()
                                                              : w.findChild<QWidget*>(target);
        QVERIFY(widget);
        const bool picker = MCal->isAncestorOf(widget);
        if (picker) {
            MCal->show();
            QVERIFY(MCal->geometry().intersects(QRect(StartPanel->mapTo(&w, QPoint(0, 0)), StartPanel->size())));
        }
        const int month = MCal->Calendar()->monthShown();
        const QPoint pos = widget == component<ImageControl>(w, "StartImage") ? onSheet(w, QPoint(150, 150)) : widget->rect().center();
        zuvtest::pointerTo(widget, pos);
        ::wheel(widget, pos, delta);
        QCOMPARE(StartPanel->VertPosition(), first + moved);
        QCOMPARE(StartPanel->HorzPosition(), 207);  // the wheel never scrolls sideways
        // The picker turns its month as a month calendar does; nothing else touches it.
        QCOMPARE(MCal->Calendar()->monthShown() != month, picker);
    }

    // Small deltas add up to whole notches; the container's own wheel is the window's 10 px.
    void smallDeltasAddUp() {
        ShownForm f;
        TFormZUV& w = f.form;
        ImageControl* StartImage = component<ImageControl>(w, "StartImage");
        ScrollBox* StartPanel = component<ScrollBox>(w, "StartPanel");
        f.apply({Gks, M::MainPage});
        f.apply({Gks, M::Description});
        menuItem(w, 33)->trigger();
        const QPoint at = onSheet(w, QPoint(100, 100));
        ::wheel(StartImage, at, -60);
        QCOMPARE(StartPanel->VertPosition(), 0);
        ::wheel(StartImage, at, -60);
        QCOMPARE(StartPanel->VertPosition(), 10);
        ::wheel(StartImage, at, -30);
        ::wheel(StartImage, at, -210);  // one notch and a half, with the quarter before
        QCOMPARE(StartPanel->VertPosition(), 30);
    }

    // Enlarging again keeps the place the wheel scrolled to; the sheet stays centred across.
    void enlargingAgainKeepsTheVerticalPosition() {
        ShownForm f;
        TFormZUV& w = f.form;
        ImageControl* StartImage = component<ImageControl>(w, "StartImage");
        ScrollBox* StartPanel = component<ScrollBox>(w, "StartPanel");
        f.apply({Gks, M::MainPage});
        f.apply({Gks, M::DatedSheet});
        menuItem(w, 33)->trigger();
        QCoreApplication::processEvents();
        for (int notch = 0; notch < 30; ++notch) ::wheel(StartImage, onSheet(w, QPoint(300, 200)), -120);
        QCOMPARE(StartPanel->VertPosition(), 300);
        menuItem(w, 33)->trigger();
        QCOMPARE(StartPanel->VertPosition(), 300);
        QCOMPARE(StartPanel->HorzPosition(), 318);
        QCOMPARE(StartImage->size(), QSize(1274, 834));
    }

    // On the control screen the menu lies above the sheet view and the wheel does nothing
    // there; beside it the (blank, enlarged) view scrolls.
    void wheelOverTheControlMenu() {
        ShownForm f;
        TFormZUV& w = f.form;
        Panel* ControlMenuPanel = component<Panel>(w, "ControlMenuPanel");
        ScrollBox* StartPanel = component<ScrollBox>(w, "StartPanel");
        f.apply({NoSystem, M::Control});
        menuItem(w, 33)->trigger();
        QVERIFY(ControlMenuPanel->isVisible());
        ::wheel(ControlMenuPanel, QPoint(60, 150), -120);
        QCOMPARE(StartPanel->VertPosition(), 0);
        ::wheel(component<AutoLabel>(w, "LabelControlLic"), -120);
        QCOMPARE(StartPanel->VertPosition(), 0);
        ::wheel(component<ImageControl>(w, "StartImage"), onSheet(w, QPoint(300, 100)), -120);
        QCOMPARE(StartPanel->VertPosition(), 10);
    }
};

QTEST_MAIN(TestSheetView)
#include "tst_sheetview.moc"
