// Whatever the date on the clock at start-up, every dated screen shows either its mark or
// one clear message, and a message is never repeated by the blink. Each row says which.
#include "TestSupport.h"
#include "mainwindow/ZUVunit.h"

#include <QtTest>

using namespace zuv;
using zuvtest::component;
using zuvtest::menuItem;

namespace {
const QString kDrew;  // the screen marks the day
QString notFound(const char* date) { return QStringLiteral("Ресурс для даты %1 не найден").arg(QLatin1String(date)); }
const QString kNoDaySheet = QStringLiteral("Ошибка при загрузке ресурса -1 vr513_day");
}  // namespace

class TestClockDates : public QObject {
    Q_OBJECT
private slots:
    // The Gregorian sheets hold 2001 to 2052 (a day outside the picker's range is replaced by
    // today, which is the same day here); the VRKS year sheets take days after 02.03.2049 as
    // that day; the day table and the calendar table take the table's days, and yuga 513
    // (03.03.2049 to 02.03.2053) has no day sheet.
    void everyDatedScreen_data() {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("gregorian");
        QTest::addColumn<QString>("vrksYears");
        QTest::addColumn<QString>("dayTable");
        QTest::addColumn<QString>("calendarTable");
        auto row = [](const char* name, QDate d, QString g, QString y, QString t, QString c) {
            QTest::newRow(name) << d << g << y << t << c;
        };
        const QString nf1900 = notFound("01.01.1900"), nf0303 = notFound("03.03.1921");
        row("1900-01-01", QDate(1900, 1, 1), nf1900, nf1900, nf1900, nf1900);
        row("day before the table", QDate(1921, 3, 3), nf0303, nf0303, nf0303, nf0303);
        row("first day of the table", QDate(1921, 3, 4), notFound("04.03.1921"), kDrew, kDrew, kDrew);
        row("day before the gregorian sheets", QDate(2000, 12, 31), notFound("31.12.2000"), kDrew, kDrew, kDrew);
        row("first gregorian day", QDate(2001, 1, 1), kDrew, kDrew, kDrew, kDrew);
        row("2012-12-31", QDate(2012, 12, 31), kDrew, kDrew, kDrew, kDrew);
        row("last day of the picker", QDate(2048, 12, 31), kDrew, kDrew, kDrew, kDrew);
        row("first day of the last sheet", QDate(2049, 1, 1), kDrew, kDrew, kDrew, kDrew);
        row("last day of yuga 512", QDate(2049, 3, 2), kDrew, kDrew, kDrew, kDrew);
        row("first day of yuga 513", QDate(2049, 3, 3), kDrew, kDrew, kNoDaySheet, kDrew);
        // Its week column is the next year's first, which no sheet holds.
        row("last gregorian day", QDate(2052, 12, 31), notFound("31.12.2053"), kDrew, kNoDaySheet, kDrew);
        row("last day of the table", QDate(2053, 3, 2), notFound("02.03.2053"), kDrew, kNoDaySheet, kDrew);
        const QString nf2053 = notFound("03.03.2053"), nf2100 = notFound("15.06.2100");
        row("day after the table", QDate(2053, 3, 3), nf2053, kDrew, nf2053, nf2053);
        row("2100-06-15", QDate(2100, 6, 15), nf2100, kDrew, nf2100, nf2100);
        row("2026-12-09", QDate(2026, 12, 9), kDrew, kDrew, kDrew, kDrew);
    }
    void everyDatedScreen() {
        QFETCH(QDate, today);
        QFETCH(QString, gregorian);
        QFETCH(QString, vrksYears);
        QFETCH(QString, dayTable);
        QFETCH(QString, calendarTable);
        zuvtest::FixedToday fixed(today);
        zuvtest::MessageRecorder recorder;
        const struct {
            int ks;
            int mode;
            const QString& outcome;
        } screens[] = {{1, 6, gregorian}, {2, 6, vrksYears}, {2, 11, dayTable}, {2, 12, calendarTable}};
        for (const auto& s : screens) {
            TFormZUV w;  // a fresh start: the start-up date is what every screen is handed
            QTimer* Timer1 = component<QTimer>(w, "Timer1");
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            recorder.messages.clear();
            w.ShowScreen({CalendarSystem(s.ks), ScreenMode::MainPage});
            w.ShowScreen({CalendarSystem(s.ks), ScreenMode(s.mode)});
            const QString where = QStringLiteral("screen (%1, %2): ").arg(s.ks).arg(s.mode);
            if (s.outcome.isEmpty()) {
                QVERIFY2(recorder.messages.isEmpty(), qPrintable(where + recorder.messages.join(QLatin1Char('|'))));
                QVERIFY2(Timer1->isActive(), qPrintable(where + "drew, but the blink is off"));
                QVERIFY2(component<ImageControl>(w, "StartImage")->HasPicture(), qPrintable(where + "no picture"));
                zuvtest::tick(w);
                QVERIFY2(recorder.messages.isEmpty(), qPrintable(where + recorder.messages.join(QLatin1Char('|'))));
            } else {
                QCOMPARE(recorder.messages, QStringList{s.outcome});
                QVERIFY2(!Timer1->isActive(), qPrintable(where + "a failed marking left the blink on"));
            }
        }
    }
};

QTEST_MAIN(TestClockDates)
#include "tst_clockdates.moc"
