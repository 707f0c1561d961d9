// The markers through a real main window (offscreen): marking on entry, the blink colours
// on the outline pixels, picking a day, leaving, failures shown once, and the incremental
// tick painting exactly what a full redraw paints.
#include "ResourceStore.h"
#include "TestSupport.h"
#include "core/MarkerGeometry.h"
#include "mainwindow/ZUVunit.h"

#include <QAbstractItemView>
#include <QImageReader>
#include <QProxyStyle>
#include <QtTest>

using namespace zuv;
using namespace zuvtest;  // the screens' short names
using zuvtest::component;
using zuvtest::menuItem;

namespace {

// The pixel in the middle of the left edge of the first mark of `plan` on the form's view.
QPoint outlinePixel(const TFormZUV& w, const MarkPlan& plan) {
    const ResourceBytes bytes = ResourceStore::embedded().find(StoreKind::RawData, plan.sheetName);
    QImage image;
    image.loadFromData(reinterpret_cast<const uchar*>(bytes.data), int(bytes.size));
    const QSize view = component<ImageControl>(w, "StartImage")->size();
    const SheetPlacement p = placeSheet(view.width(), view.height(), image.width(), image.height());
    const QRect r = markRects(p, plan).front();
    return QPoint(r.left(), r.top() + r.height() / 2);
}

MarkPlan planFor(const TFormZUV& w, const Screen& s, const QDate& d) {
    if (s.mode == M::DatedSheet && s.system == Gks) return planPaintDateGKS(d, d);
    if (s.mode == M::DatedSheet) return planPaintDateVRKS(d, w.State().VRKSData);
    if (s.mode == M::VrksDayTable) return planVRKS_DayTable(d, w.State().VRKSData);
    return planVRKS_CalTable(d, w.State().VRKSData);
}

// A style that activates an item on a single click, as some desktops set it.
class ActivateOnSingleClick : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget, QStyleHintReturn* data) const override {
        if (hint == QStyle::SH_ItemView_ActivateItemOnSingleClick) return 1;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

// The user actions that lead into a dated screen, or redraw one.
enum class Action { CircleClick, CircleClickMaximised, SectionMenu, CycleClick, Enlarge, Reduce, Maximise, Restore };

}  // namespace

Q_DECLARE_METATYPE(Action)

class TestMarkersWindow : public QObject {
    Q_OBJECT

    void enter(TFormZUV& w, const Screen& s) {
        w.ShowScreen({s.system, M::MainPage});
        w.ShowScreen({s.system, s.mode});
    }

private slots:
    void blinkOnEveryScreen_data() {
        QTest::addColumn<Screen>("screen");
        QTest::newRow("gregorian sheets") << Screen{Gks, M::DatedSheet};
        QTest::newRow("vrks year sheets") << Screen{Vrks, M::DatedSheet};
        QTest::newRow("vrks day table") << Screen{Vrks, M::VrksDayTable};
        QTest::newRow("vrks calendar table") << Screen{Vrks, M::VrksCalendarTable};
    }
    void blinkOnEveryScreen() {
        QFETCH(Screen, screen);
        zuvtest::FixedToday today(QDate(2006, 6, 15));
        zuvtest::MessageRecorder recorder;
        TFormZUV w;
        QTimer* Timer1 = component<QTimer>(w, "Timer1");
        ImageControl* StartImage = component<ImageControl>(w, "StartImage");
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        enter(w, screen);
        QVERIFY(Timer1->isActive());
        QCOMPARE(w.State().CurDate, QDate(2006, 6, 15));

        const QPoint at = outlinePixel(w, planFor(w, screen, w.State().CurDate));
        // Entry draws with the pen of the moment (white); each tick the next colour.
        QCOMPARE(StartImage->Picture().pixel(at), 0xFFFFFFFFu);
        const quint32 colours[] = {0xFF0000FFu, 0xFFFF0000u, 0xFFFFFFFFu, 0xFF0000FFu};
        for (quint32 colour : colours) {
            zuvtest::tick(w);
            QCOMPARE(StartImage->Picture().pixel(at), colour);
            QVERIFY(Timer1->isActive());
        }

        // Picking a day marks it at once in the next colour.
        const QDate picked(2010, 3, 15);
        component<MonthCalendar>(w, "MCal")->SetDate(picked);
        emit component<MonthCalendar>(w, "MCal")->DayClicked();
        QCOMPARE(w.State().CurDate, picked);
        QCOMPARE(w.State().PenColor, 0xFFFF0000u);
        const QPoint pickedAt = outlinePixel(w, planFor(w, screen, picked));
        QCOMPARE(StartImage->Picture().pixel(pickedAt), 0xFFFF0000u);
        QVERIFY(Timer1->isActive());

        // Leaving: the next tick draws nothing and stops the timer.
        w.ShowScreen({w.State().CurKS, M::Chronology});
        const qint64 key = StartImage->Picture().cacheKey();
        zuvtest::tick(w);
        QVERIFY(!Timer1->isActive());
        QCOMPARE(StartImage->Picture().cacheKey(), key);
        QVERIFY2(recorder.messages.isEmpty(), qPrintable(recorder.messages.join(QLatin1Char('|'))));
    }

    // After ticks that move the mark around, the picture equals one drawn from scratch.
    void incrementalTicksMatchAFullRedraw() {
        zuvtest::FixedToday today(QDate(2006, 6, 15));
        zuvtest::MessageRecorder recorder;
        TFormZUV w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        enter(w, {Vrks, M::DatedSheet});
        for (const QDate& d : {QDate(1921, 3, 4), QDate(2025, 2, 28), QDate(1999, 12, 31), QDate(2001, 1, 1)}) {
            component<MonthCalendar>(w, "MCal")->SetDate(d);
            emit component<MonthCalendar>(w, "MCal")->DayClicked();
            zuvtest::tick(w);
        }
        const QImage incremental = component<ImageControl>(w, "StartImage")->Picture().copy();
        const quint32 pen = w.State().PenColor;

        TFormZUV fresh;
        ImageControl* StartImage = component<ImageControl>(fresh, "StartImage");
        fresh.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fresh));
        enter(fresh, {Vrks, M::DatedSheet});
        component<MonthCalendar>(fresh, "MCal")->SetDate(QDate(2001, 1, 1));
        emit component<MonthCalendar>(fresh, "MCal")->DayClicked();
        while (fresh.State().PenColor != pen) zuvtest::tick(fresh);
        menuItem(fresh, 34)->trigger();  // "уменьшить": a new picture, the day drawn on it whole
        QVERIFY(recorder.messages.isEmpty());
        QCOMPARE(StartImage->Picture().size(), incremental.size());
        QVERIFY(StartImage->Picture().convertToFormat(QImage::Format_ARGB32) ==
                incremental.convertToFormat(QImage::Format_ARGB32));
    }

    // One click on a day marks once, also where the style activates items on a single click;
    // days the picker greys out beyond its limits are not taken.
    void pickerClicks() {
        zuvtest::FixedToday today(QDate(2006, 6, 15));
        zuvtest::MessageRecorder recorder;
        ActivateOnSingleClick style;  // outlives the window that uses it
        TFormZUV w;
        MonthCalendar* MCal = component<MonthCalendar>(w, "MCal");
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        enter(w, {Gks, M::DatedSheet});
        MCal->show();
        MCal->Calendar()->setCurrentPage(2048, 12);
        QAbstractItemView* grid = MCal->Calendar()->findChild<QAbstractItemView*>();
        QVERIFY(grid);
        grid->setStyle(&style);
        // Monday first, December 2048 starts on a Tuesday: the 31st is the Thursday of the
        // sixth week, and 2 January 2049 the Saturday after it.
        auto clickCell = [grid](int week, int weekday) {
            const QRect cell = grid->visualRect(grid->model()->index(week, weekday - 1));  // row 0 names the days
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        };
        QCOMPARE(w.State().PenColor, 0xFFFFFFFFu);
        clickCell(5, 4);
        QCOMPARE(w.State().CurDate, QDate(2048, 12, 31));
        QCOMPARE(w.State().PenColor, 0xFF0000FFu);  // one step of the cycle: one marking
        clickCell(5, 6);
        QCOMPARE(w.State().CurDate, QDate(2048, 12, 31));
        QCOMPARE(w.State().PenColor, 0xFF0000FFu);
        // Enter on the selected day marks it once more.
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(w.State().PenColor, 0xFFFF0000u);
        QVERIFY(recorder.messages.isEmpty());
    }

    // Failures are shown once and leave the timer off, so they do not repeat every second.
    void failuresAreShownOnce_data() {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<Screen>("screen");
        QTest::addColumn<QString>("message");
        QTest::newRow("yuga 513 day table") << QDate(2050, 1, 1) << Screen{Vrks, M::VrksDayTable}
                                            << "Ошибка при загрузке ресурса -1 vr513_day";
        QTest::newRow("before the table, year sheets") << QDate(1900, 1, 1) << Screen{Vrks, M::DatedSheet}
                                                       << "Ресурс для даты 01.01.1900 не найден";
        QTest::newRow("before the table, calendar table") << QDate(1900, 1, 1) << Screen{Vrks, M::VrksCalendarTable}
                                                          << "Ресурс для даты 01.01.1900 не найден";
        QTest::newRow("after the table, day table") << QDate(2100, 1, 1) << Screen{Vrks, M::VrksDayTable}
                                                    << "Ресурс для даты 01.01.2100 не найден";
        QTest::newRow("no gregorian sheet") << QDate(2100, 1, 1) << Screen{Gks, M::DatedSheet}
                                            << "Ресурс для даты 01.01.2100 не найден";
    }
    void failuresAreShownOnce() {
        QFETCH(QDate, today);
        QFETCH(Screen, screen);
        QFETCH(QString, message);
        zuvtest::FixedToday fixed(today);
        zuvtest::MessageRecorder recorder;
        TFormZUV w;
        QTimer* Timer1 = component<QTimer>(w, "Timer1");
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        enter(w, screen);
        QCOMPARE(recorder.messages, QStringList{message});
        QVERIFY(!Timer1->isActive());
        QTest::qWait(1200);  // more than one blink interval: no tick comes, no message repeats
        QCOMPARE(recorder.messages.size(), 1);
        QVERIFY(!Timer1->isActive());
    }

    // One user action shows one message for one failure, however often it draws the screen.
    void oneMessagePerAction_data() {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<CalendarSystem>("ks");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("message");
        const QString gks = QStringLiteral("Ресурс для даты 01.01.2100 не найден");
        const QString day = QStringLiteral("Ошибка при загрузке ресурса -1 vr513_day");
        const struct {
            const char* name;
            Action action;
        } actions[] = {{"circle click", Action::CircleClick},
                       {"circle click, maximised", Action::CircleClickMaximised},
                       {"section menu", Action::SectionMenu},
                       {"enlarge", Action::Enlarge},
                       {"reduce", Action::Reduce},
                       {"maximise", Action::Maximise},
                       {"restore", Action::Restore}};
        for (const auto& a : actions) {
            QTest::newRow(qPrintable(QStringLiteral("gks, ") + QLatin1String(a.name))) << QDate(2100, 1, 1) << Gks << a.action << gks;
            QTest::newRow(qPrintable(QStringLiteral("vrks, ") + QLatin1String(a.name))) << QDate(2050, 1, 1) << Vrks << a.action << day;
        }
        // Before the table every VRKS screen fails: the click leads from the calendar table on.
        QTest::newRow("vrks, sheet click from the calendar table") << QDate(1900, 1, 1) << Vrks << Action::CycleClick
                                                                   << QStringLiteral("Ресурс для даты 01.01.1900 не найден");
    }
    void oneMessagePerAction() {
        QFETCH(QDate, today);
        QFETCH(CalendarSystem, ks);
        QFETCH(Action, action);
        QFETCH(QString, message);
        zuvtest::FixedToday fixed(today);
        zuvtest::MessageRecorder recorder;
        TFormZUV w;
        ImageControl* StartImage = component<ImageControl>(w, "StartImage");
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const Screen dated{ks, ks == Gks || action == Action::CycleClick ? M::DatedSheet : M::VrksDayTable};
        auto clickTheCircle = [&w, StartImage] {
            StartImageMousePos = QPoint(StartImage->width() / 2, StartImage->height() / 2);
            QTest::mouseClick(component<ImageControl>(w, "StartImage"), Qt::LeftButton, {}, StartImageMousePos);
        };
        // The state before the action; whatever it showed does not count.
        w.ShowScreen({ks, M::MainPage});
        switch (action) {
        case Action::CircleClick:
        case Action::SectionMenu: break;
        case Action::CircleClickMaximised: menuItem(w, 1)->trigger(); break;
        case Action::CycleClick: w.ShowScreen({ks, M::VrksCalendarTable}); break;
        case Action::Reduce: enter(w, dated); menuItem(w, 33)->trigger(); break;
        case Action::Restore: enter(w, dated); menuItem(w, 1)->trigger(); break;
        case Action::Enlarge:
        case Action::Maximise: enter(w, dated); break;
        }
        recorder.messages.clear();

        switch (action) {
        case Action::CircleClick:
        case Action::CircleClickMaximised: clickTheCircle(); break;
        case Action::SectionMenu: menuItem(w, 42)->trigger(); break;
        case Action::CycleClick: QTest::mouseClick(component<ImageControl>(w, "StartImage"), Qt::LeftButton, {}, StartImageMousePos); break;
        case Action::Enlarge: menuItem(w, 33)->trigger(); break;
        case Action::Reduce: menuItem(w, 34)->trigger(); break;
        case Action::Maximise: menuItem(w, 1)->trigger(); break;
        case Action::Restore: menuItem(w, 2)->trigger(); break;
        }
        QCOMPARE(w.State().CurrentMode, dated.mode);
        QCOMPARE(recorder.messages, QStringList{message});
        QVERIFY(!component<QTimer>(w, "Timer1")->isActive());
    }

    // The calendar table marks the days of yuga 513 normally.
    void calendarTableMarksYuga513() {
        zuvtest::FixedToday today(QDate(2050, 1, 1));
        zuvtest::MessageRecorder recorder;
        TFormZUV w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        enter(w, {Vrks, M::VrksCalendarTable});
        QVERIFY(recorder.messages.isEmpty());
        QVERIFY(component<QTimer>(w, "Timer1")->isActive());
    }
};

QTEST_MAIN(TestMarkersWindow)
#include "tst_markers_window.moc"
