// The signals the windows build on, watched with QSignalSpy: the sheet container's wheel in
// whole notches, a click on an image control, and the picker's day choice.

#include "platform/ImageControl.h"
#include "platform/MonthCalendar.h"
#include "platform/ScrollBox.h"

#include <QAbstractItemView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QWheelEvent>
#include <QtTest>

using namespace zuv;

class TestPlatformSignals : public QObject {
    Q_OBJECT
private slots:
    void wheelNotches_data() {
        QTest::addColumn<QList<int>>("deltas");
        QTest::addColumn<bool>("onScrollBar");
        QTest::addColumn<QList<int>>("notches");
        QTest::newRow("one notch away") << QList<int>{120} << false << QList<int>{1};
        QTest::newRow("two notches towards at once") << QList<int>{-240} << false << QList<int>{-2};
        QTest::newRow("halves add up") << QList<int>{60, 60} << false << QList<int>{1};
        QTest::newRow("a half each way") << QList<int>{60, -60} << false << QList<int>{};
        QTest::newRow("fine wheel") << QList<int>{40, 40, 40, 40, 40, 40} << false << QList<int>{1, 1};
        QTest::newRow("remainder carried") << QList<int>{180, 60} << false << QList<int>{1, 1};
        QTest::newRow("over the scroll bar") << QList<int>{-120} << true << QList<int>{-1};
    }
    void wheelNotches() {
        QFETCH(QList<int>, deltas);
        QFETCH(bool, onScrollBar);
        QFETCH(QList<int>, notches);
        ScrollBox box;
        auto* content = new QWidget;
        box.setWidget(content);
        box.resize(200, 200);
        box.SetEnlarged(QSize(600, 600));
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QWidget* target = onScrollBar ? static_cast<QWidget*>(box.verticalScrollBar()) : box.viewport();
        const int before = box.verticalScrollBar()->value();
        QSignalSpy spy(&box, &ScrollBox::WheelNotches);
        for (int delta : deltas) {
            QWheelEvent event(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(target, &event);
        }
        QList<int> got;
        for (const QList<QVariant>& call : spy) got << call.at(0).toInt();
        QCOMPARE(got, notches);
        QCOMPARE(box.verticalScrollBar()->value(), before);  // the window scrolls, not the box itself
    }

    void imageClicks_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("release");
        QTest::addColumn<int>("clicks");
        QTest::newRow("left, released inside") << Qt::LeftButton << QPoint(15, 15) << 1;
        QTest::newRow("left, released outside") << Qt::LeftButton << QPoint(45, 15) << 0;
        QTest::newRow("right") << Qt::RightButton << QPoint(10, 10) << 0;
    }
    void imageClicks() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, release);
        QFETCH(int, clicks);
        ImageControl image;
        image.resize(30, 30);
        image.show();
        QVERIFY(QTest::qWaitForWindowExposed(&image));
        QSignalSpy clicked(&image, &ImageControl::Clicked);
        QSignalSpy pressed(&image, &ImageControl::ButtonPressed);
        QTest::mousePress(&image, button, {}, QPoint(10, 10));
        QTest::mouseRelease(&image, button, {}, release);
        QCOMPARE(clicked.count(), clicks);
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(pressed.at(0).at(0).value<Qt::MouseButton>(), button);
    }

    // A day is chosen by a click on it or by Enter; moving through the days with the keys is not
    // a choice.
    // Fitted to its contents, the picker is the month calendar's size, and the calendar fills it.
    void calendarFillsThePicker() {
        QWidget window;
        window.resize(400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        MonthCalendar calendar(QDate(2001, 1, 1), QDate(2052, 12, 31), QDate(2016, 5, 18), &window);
        calendar.setGeometry(10, 10, 162, 160);
        calendar.adjustSize();
        calendar.show();
        QCOMPARE(calendar.size(), calendar.Calendar()->sizeHint());
        QCOMPARE(calendar.Calendar()->geometry(), calendar.rect());
    }

    void calendarDayChoice_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<bool>("clickACell");
        QTest::addColumn<int>("choices");
        QTest::newRow("click") << QList<int>{} << true << 1;
        QTest::newRow("Enter") << QList<int>{Qt::Key_Return} << false << 1;
        QTest::newRow("keypad Enter") << QList<int>{Qt::Key_Enter} << false << 1;
        QTest::newRow("arrows only") << QList<int>{Qt::Key_Right, Qt::Key_Down} << false << 0;
        QTest::newRow("arrow, then Enter") << QList<int>{Qt::Key_Right, Qt::Key_Return} << false << 1;
    }
    void calendarDayChoice() {
        QFETCH(QList<int>, keys);
        QFETCH(bool, clickACell);
        QFETCH(int, choices);
        QWidget window;  // the picker lies in a window already shown, as in the program
        window.resize(400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        MonthCalendar calendar(QDate(2001, 1, 1), QDate(2052, 12, 31), QDate(2016, 5, 18), &window);
        calendar.resize(300, 250);
        calendar.show();
        auto* grid = calendar.findChild<QAbstractItemView*>();
        QVERIFY(grid && grid->isVisible());  // the calendar is built on showing, and shown with it
        grid->setFocus();
        QSignalSpy chosen(&calendar, &MonthCalendar::DayClicked);
        for (int key : keys) QTest::keyClick(grid, Qt::Key(key));
        if (clickACell) {
            // Row 3, column 3 of the grid (a header row comes first): a day of May 2016.
            const QRect cell = grid->visualRect(grid->model()->index(3, 3));
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        }
        QCOMPARE(chosen.count(), choices);
    }
};

QTEST_MAIN(TestPlatformSignals)
#include "tst_platformsignals.moc"
