// The main window's keys and the marked day in words, through the real window: stepping
// through days on the dated screens, zoom and Escape, Ctrl+C, the tooltip over a cell, the
// mark scrolled into view, the pointer's double-click and drag, and what assistive
// technology reads.
#include "FrameTestSupport.h"
#include "core/MarkerGeometry.h"

#include <QAccessible>
#include <QClipboard>
#include <QToolTip>

using namespace zuv;
using namespace zuvtest;

Q_DECLARE_METATYPE(Qt::KeyboardModifiers)

namespace {

void pick(TFormZUV& w, const QDate& day) {
    component<MonthCalendar>(w, "MCal")->SetDate(day);
    emit component<MonthCalendar>(w, "MCal")->DayClicked();
}

// The outline of the marked Gregorian day's own cell in the view, from the markers' arithmetic.
QRect markedCellOf(const TFormZUV& w) {
    const MarkPlan plan = planPaintDateGKS(w.State().CurDate, w.State().CurDate);
    const ResourceBytes bytes = ResourceStore::embedded().find(StoreKind::RawData, plan.sheetName);
    QImage sheet;
    sheet.loadFromData(reinterpret_cast<const uchar*>(bytes.data), int(bytes.size));
    const QSize view = component<ImageControl>(w, "StartImage")->size();
    return markRects(placeSheet(view.width(), view.height(), sheet.width(), sheet.height()), plan).front();
}

const QString kCard20010101 = QStringLiteral(
    "01.01.2001, понедельник\n"
    "григорианский календарь: день года 1, неделя ISO 1\n"
    "ВРКС: юга 500, год 4, месяц 11, число 28, день года 308, день юги 1400\n"
    "юлианский день 2451911");

}  // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    // Each key from a picked day on each dated screen; a step never leaves the picker's range.
    void stepKeys_data() {
        QTest::addColumn<Screen>("screen");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("mods");
        QTest::addColumn<QDate>("to");
        const Qt::KeyboardModifiers none = Qt::NoModifier, ctrl = Qt::ControlModifier;
        const Screen gks{Gks, M::DatedSheet}, years{Vrks, M::DatedSheet}, days{Vrks, M::VrksDayTable},
            table{Vrks, M::VrksCalendarTable};
        QTest::newRow("gks right") << gks << QDate(2006, 6, 15) << int(Qt::Key_Right) << none << QDate(2006, 6, 16);
        QTest::newRow("gks left") << gks << QDate(2006, 6, 15) << int(Qt::Key_Left) << none << QDate(2006, 6, 14);
        QTest::newRow("gks down") << gks << QDate(2006, 6, 15) << int(Qt::Key_Down) << none << QDate(2006, 6, 22);
        QTest::newRow("gks up") << gks << QDate(2006, 6, 15) << int(Qt::Key_Up) << none << QDate(2006, 6, 8);
        QTest::newRow("gks month, shorter") << gks << QDate(2008, 1, 31) << int(Qt::Key_PageDown) << none << QDate(2008, 2, 29);
        QTest::newRow("gks month back") << gks << QDate(2008, 3, 31) << int(Qt::Key_PageUp) << none << QDate(2008, 2, 29);
        QTest::newRow("gks year from 29.02") << gks << QDate(2008, 2, 29) << int(Qt::Key_PageDown) << ctrl << QDate(2009, 2, 28);
        QTest::newRow("gks year back") << gks << QDate(2010, 5, 5) << int(Qt::Key_PageUp) << ctrl << QDate(2009, 5, 5);
        QTest::newRow("gks home") << gks << QDate(2010, 5, 5) << int(Qt::Key_Home) << none << QDate(2006, 6, 15);
        QTest::newRow("gks last day") << gks << QDate(2048, 12, 31) << int(Qt::Key_Right) << none << QDate(2048, 12, 31);
        QTest::newRow("gks first day, week") << gks << QDate(2001, 1, 3) << int(Qt::Key_Up) << none << QDate(2001, 1, 1);
        QTest::newRow("vrks years, month") << years << QDate(2006, 6, 15) << int(Qt::Key_PageDown) << none << QDate(2006, 7, 13);
        QTest::newRow("vrks years, last day") << years << QDate(2049, 3, 2) << int(Qt::Key_PageDown) << none << QDate(2049, 3, 2);
        QTest::newRow("vrks day table, left") << days << QDate(1921, 3, 5) << int(Qt::Key_Left) << none << QDate(1921, 3, 4);
        QTest::newRow("vrks day table, first day") << days << QDate(1921, 3, 4) << int(Qt::Key_PageUp) << ctrl << QDate(1921, 3, 4);
        QTest::newRow("calendar table, week") << table << QDate(2006, 6, 15) << int(Qt::Key_Down) << none << QDate(2006, 6, 22);
    }
    void stepKeys() {
        QFETCH(Screen, screen);
        QFETCH(QDate, from);
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, mods);
        QFETCH(QDate, to);
        ShownForm f;
        f.reach(screen);
        pick(f.form, from);
        QCOMPARE(f.form.State().CurDate, from);
        QTest::keyClick(&f.form, Qt::Key(key), mods);
        QCOMPARE(f.form.State().CurDate, to);
        QCOMPARE(component<MonthCalendar>(f.form, "MCal")->Date(), to);
        QVERIFY(component<QTimer>(f.form, "Timer1")->isActive());
        QVERIFY2(f.recorder.messages.isEmpty(), qPrintable(f.recorder.messages.join(QLatin1Char('|'))));
    }

    // A held key, across the sheets of the range and back: no message, nothing kept alive.
    void heldKeyAcrossSheets() {
        ShownForm f;
        f.reach({Gks, M::DatedSheet});
        pick(f.form, QDate(2001, 1, 1));
        const int pictures = ImageControl::LivePictures(), streams = ResourceStore::liveStreams();
        for (int i = 0; i < 300; ++i) QTest::keyClick(&f.form, Qt::Key_PageDown);
        QCOMPARE(f.form.State().CurDate, QDate(2026, 1, 1));
        for (int i = 0; i < 300; ++i) QTest::keyClick(&f.form, Qt::Key_PageUp);
        QCOMPARE(f.form.State().CurDate, QDate(2001, 1, 1));
        QCOMPARE(ImageControl::LivePictures(), pictures);
        QCOMPARE(ResourceStore::liveStreams(), streams);
        QVERIFY(f.recorder.messages.isEmpty());
    }

    // Off the dated screens the day keys do nothing; zoom, Escape and the wheel with Ctrl work
    // everywhere.
    void keysEverywhere() {
        ShownForm f;
        ScrollBox* StartPanel = component<ScrollBox>(f.form, "StartPanel");
        MonthCalendar* MCal = component<MonthCalendar>(f.form, "MCal");
        f.reach({Gks, M::Chronology});
        QTest::keyClick(&f.form, Qt::Key_Right);
        QCOMPARE(f.form.State().CurDate, QDate(2006, 6, 15));
        QTest::keyClick(&f.form, Qt::Key_Equal, Qt::ControlModifier);
        QVERIFY(!StartPanel->IsFitted());
        QTest::keyClick(&f.form, Qt::Key_Minus, Qt::ControlModifier);
        QVERIFY(StartPanel->IsFitted());
        QWheelEvent away(QPointF(5, 5), StartPanel->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120), Qt::NoButton,
                         Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(StartPanel->viewport(), &away);
        QVERIFY(!StartPanel->IsFitted());
        MCal->show();
        QTest::keyClick(&f.form, Qt::Key_Escape);
        QVERIFY(!MCal->isVisible());
        QCOMPARE(menuItem(f.form, 33)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Equal));
        QCOMPARE(menuItem(f.form, 33)->text(), QStringLiteral("увеличить"));
    }

    // Ctrl+C puts the marked day's card on the clipboard; the sheet view tells the same.
    void cardOnTheClipboardAndForAssistiveTechnology() {
        ShownForm f;
        f.reach({Gks, M::DatedSheet});
        pick(f.form, QDate(2001, 1, 1));
        QTest::keyClick(&f.form, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), kCard20010101);
        QAccessibleInterface* view = QAccessible::queryAccessibleInterface(component<ImageControl>(f.form, "StartImage"));
        QVERIFY(view);
        QCOMPARE(view->text(QAccessible::Description), kCard20010101);
        QCOMPARE(view->text(QAccessible::Name), QStringLiteral("ГРИГОРИАНСКАЯ КАЛЕНДАРНАЯ СИСТЕМА. ПРОШЛОЕ НАСТОЯЩЕЕ БУДУЩЕЕ"));
        f.apply({Gks, M::Chronology});
        QVERIFY(view->text(QAccessible::Description).isEmpty());
        QCOMPARE(QAccessible::queryAccessibleInterface(component<ImageControl>(f.form, "KSimg2"))->text(QAccessible::Name),
                 QStringLiteral("кс григорианская"));
        QCOMPARE(QAccessible::queryAccessibleInterface(component<ImageControl>(f.form, "MnuImage2"))->text(QAccessible::Name),
                 QStringLiteral("меню окна программы"));
    }

    // At rest over a day cell the pointer shows that day; between the cells nothing.
    void tooltipOverADayCell() {
        ShownForm f;
        f.reach({Gks, M::DatedSheet});
        pick(f.form, QDate(2001, 1, 1));
        ImageControl* StartImage = component<ImageControl>(f.form, "StartImage");
        // The day's own outline is the marked cell: its centre is that day.
        const QRect cell = markedCellOf(f.form);
        QHelpEvent over(QEvent::ToolTip, cell.center(), StartImage->mapToGlobal(cell.center()));
        QApplication::sendEvent(StartImage, &over);
        QCOMPARE(QToolTip::text(), kCard20010101);
        QHelpEvent corner(QEvent::ToolTip, QPoint(2, 2), StartImage->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(StartImage, &corner);
        QTRY_VERIFY(QToolTip::text().isEmpty());
    }

    // On an enlarged sheet a picked day out of sight is scrolled into view; a tick is not.
    void markScrolledIntoView() {
        ShownForm f;
        ScrollBox* StartPanel = component<ScrollBox>(f.form, "StartPanel");
        f.reach({Gks, M::DatedSheet});
        menuItem(f.form, 33)->trigger();
        pick(f.form, QDate(2004, 12, 20));
        const QRect visible(QPoint(StartPanel->HorzPosition(), StartPanel->VertPosition()), StartPanel->viewport()->size());
        QVERIFY2(visible.contains(markedCellOf(f.form)), "the picked day's cell lies out of sight");
        StartPanel->SetHorzPosition(0);
        StartPanel->SetVertPosition(0);
        zuvtest::tick(f.form);
        QCOMPARE(StartPanel->HorzPosition(), 0);
    }

    // A double-click on the VRKS day table moves one screen on, as one click does.
    void doubleClickIsOneClick() {
        ShownForm f;
        f.reach({Vrks, M::VrksDayTable});
        ImageControl* StartImage = component<ImageControl>(f.form, "StartImage");
        // What the platform delivers for a double-click: press, release, double-click, release.
        QTest::mouseClick(StartImage, Qt::LeftButton, {}, QPoint(50, 50));
        QTest::mouseDClick(StartImage, Qt::LeftButton, {}, QPoint(50, 50));
        QTest::mouseRelease(StartImage, Qt::LeftButton, {}, QPoint(50, 50));
        QCOMPARE(f.form.State().CurrentMode, M::VrksCalendarTable);
        QCOMPARE(f.form.State().BakMode, M::VrksDayTable);  // the table comes with the pending tick
    }

    // Dragging an enlarged sheet pans it and is no click; the click keeps the running tick.
    void dragPansAndClickKeepsTheTick() {
        ShownForm f;
        ScrollBox* StartPanel = component<ScrollBox>(f.form, "StartPanel");
        ImageControl* StartImage = component<ImageControl>(f.form, "StartImage");
        QTimer* Timer1 = component<QTimer>(f.form, "Timer1");
        f.reach({Vrks, M::VrksDayTable});
        menuItem(f.form, 33)->trigger();
        const QPoint start(StartPanel->HorzPosition(), StartPanel->VertPosition());
        const QPoint at = start + QPoint(300, 300);
        QTest::mousePress(StartImage, Qt::LeftButton, {}, at);
        QMouseEvent move(QEvent::MouseMove, QPointF(at - QPoint(40, 30)), StartImage->mapToGlobal(QPointF(at - QPoint(40, 30))),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(StartImage, &move);
        QTest::mouseRelease(StartImage, Qt::LeftButton, {}, at - QPoint(40, 30));
        QCOMPARE(QPoint(StartPanel->HorzPosition(), StartPanel->VertPosition()), start + QPoint(40, 30));
        QCOMPARE(f.form.State().CurrentMode, M::VrksDayTable);
        QTest::qWait(400);
        QTest::mouseClick(StartImage, Qt::LeftButton, {}, at);
        QCOMPARE(f.form.State().CurrentMode, M::VrksCalendarTable);
        QVERIFY(Timer1->isActive());
        QVERIFY2(Timer1->remainingTime() < 800, "the click started the period again");
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
