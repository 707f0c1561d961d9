// Stepping the marked day: each step in both calendars, the month-end and 29 February rules,
// the VRKS year across a yuga's end and out of an extra day, the range's ends and today
// outside the range; then the keys. VRKS dates were read off the day table's lines by hand.
#include "core/DaySteps.h"
#include "core/DayTable.h"

#include <QtTest>

using namespace zuv;

Q_DECLARE_METATYPE(zuv::DayStep)
Q_DECLARE_METATYPE(zuv::StepCalendar)
Q_DECLARE_METATYPE(std::optional<zuv::DayStep>)

namespace {
// The pickers' ranges of the Gregorian sheets and of the VRKS screens, and the whole table.
const QDate gFirst(2001, 1, 1), gLast(2048, 12, 31);
const QDate vFirst(1921, 3, 4), vLast(2049, 3, 2);
const QDate tableLast(2053, 3, 2);
const QDate today(2020, 6, 15);
}  // namespace

class TestDaySteps : public QObject {
    Q_OBJECT
    QStringList dayTable;

private slots:
    void initTestCase() { dayTable = splitDayTableLines(generateDayTableText()); }

    void steps_data() {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<DayStep>("step");
        QTest::addColumn<StepCalendar>("calendar");
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QDate>("expected");
        using S = DayStep;
        const StepCalendar g = StepCalendar::Gregorian, v = StepCalendar::Vrks;
        QTest::newRow("day into the next year") << QDate(2020, 12, 31) << S::NextDay << g << gFirst << gLast << today << QDate(2021, 1, 1);
        QTest::newRow("day back onto 29 February") << QDate(2024, 3, 1) << S::PreviousDay << g << gFirst << gLast << today << QDate(2024, 2, 29);
        QTest::newRow("week over the end of February") << QDate(2023, 2, 28) << S::NextWeek << g << gFirst << gLast << today << QDate(2023, 3, 7);
        QTest::newRow("week back into the last year") << QDate(2021, 1, 5) << S::PreviousWeek << g << gFirst << gLast << today << QDate(2020, 12, 29);
        QTest::newRow("31 January to 28 February") << QDate(2023, 1, 31) << S::NextMonth << g << gFirst << gLast << today << QDate(2023, 2, 28);
        QTest::newRow("31 January to 29 February") << QDate(2024, 1, 31) << S::NextMonth << g << gFirst << gLast << today << QDate(2024, 2, 29);
        QTest::newRow("31 March back to 28 February") << QDate(2023, 3, 31) << S::PreviousMonth << g << gFirst << gLast << today << QDate(2023, 2, 28);
        QTest::newRow("29 February a year on") << QDate(2024, 2, 29) << S::NextYear << g << gFirst << gLast << today << QDate(2025, 2, 28);
        QTest::newRow("29 February a year back") << QDate(2024, 2, 29) << S::PreviousYear << g << gFirst << gLast << today << QDate(2023, 2, 28);
        QTest::newRow("last day stays") << gLast << S::NextDay << g << gFirst << gLast << today << gLast;
        QTest::newRow("week stops on the first day") << QDate(2001, 1, 3) << S::PreviousWeek << g << gFirst << gLast << today << gFirst;
        QTest::newRow("month stops on the first day") << QDate(2001, 1, 15) << S::PreviousMonth << g << gFirst << gLast << today << gFirst;
        QTest::newRow("year stops on the last day") << QDate(2048, 6, 15) << S::NextYear << g << gFirst << gLast << today << gLast;
        QTest::newRow("today") << QDate(2001, 1, 1) << S::Today << g << gFirst << gLast << today << today;
        QTest::newRow("today after the range") << QDate(2001, 1, 1) << S::Today << g << gFirst << gLast << QDate(2060, 5, 10) << gLast;

        QTest::newRow("VRKS month is 28 days") << QDate(1921, 3, 4) << S::NextMonth << v << vFirst << vLast << today << QDate(1921, 4, 1);
        QTest::newRow("VRKS month back") << QDate(2020, 5, 15) << S::PreviousMonth << v << vFirst << vLast << today << QDate(2020, 4, 17);
        // 1,04.03.1921,…,1,1,1,481 → 365,03.03.1922,…,1,2,365,481
        QTest::newRow("VRKS year 1 to year 2") << QDate(1921, 3, 4) << S::NextYear << v << vFirst << vLast << today << QDate(1922, 3, 3);
        // 1102,09.03.1924,…,10,4,1102,481 ↔ 1471,13.03.1925,…,10,1,10,482
        QTest::newRow("VRKS year 4 to year 1 of the next yuga") << QDate(1924, 3, 9) << S::NextYear << v << vFirst << vLast << today << QDate(1925, 3, 13);
        QTest::newRow("VRKS year 1 back to year 4 of the yuga before") << QDate(1925, 3, 13) << S::PreviousYear << v << vFirst << vLast << today << QDate(1924, 3, 9);
        // 1461,03.03.1925,…,369,4,1461,481 → 1825,02.03.1926,…,364,1,364,482 and 1092,28.02.1924,…,364,3,1092,481
        QTest::newRow("VRKS extra day to day 364 of the next year") << QDate(1925, 3, 3) << S::NextYear << v << vFirst << vLast << today << QDate(1926, 3, 2);
        QTest::newRow("VRKS extra day to day 364 of the year before") << QDate(1925, 3, 3) << S::PreviousYear << v << vFirst << vLast << today << QDate(1924, 2, 28);
        // 46385,01.03.2048,…,2,4,1094,512 → 46753,04.03.2049,…,2,1,2,513, past the range
        QTest::newRow("VRKS year stops on the last day") << QDate(2048, 3, 1) << S::NextYear << v << vFirst << vLast << today << vLast;
        // 47943,06.06.2052,…,100,4,1192,513: the year after is not in the table
        QTest::newRow("VRKS year past the table") << QDate(2052, 6, 6) << S::NextYear << v << vFirst << tableLast << today << tableLast;
        QTest::newRow("VRKS year before the table") << QDate(1921, 5, 10) << S::PreviousYear << v << vFirst << vLast << today << vFirst;
    }

    void steps() {
        QFETCH(QDate, from);
        QFETCH(DayStep, step);
        QFETCH(StepCalendar, calendar);
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QFETCH(QDate, today);
        QFETCH(QDate, expected);
        QCOMPARE(stepDay(from, step, calendar, first, last, today, dayTable), expected);
    }

    void keys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<std::optional<DayStep>>("step");
        const Qt::KeyboardModifiers none = Qt::NoModifier, ctrl = Qt::ControlModifier, keypad = Qt::KeypadModifier;
        QTest::newRow("right") << int(Qt::Key_Right) << none << std::optional(DayStep::NextDay);
        QTest::newRow("left") << int(Qt::Key_Left) << none << std::optional(DayStep::PreviousDay);
        QTest::newRow("down") << int(Qt::Key_Down) << none << std::optional(DayStep::NextWeek);
        QTest::newRow("up") << int(Qt::Key_Up) << none << std::optional(DayStep::PreviousWeek);
        QTest::newRow("page down") << int(Qt::Key_PageDown) << none << std::optional(DayStep::NextMonth);
        QTest::newRow("page up") << int(Qt::Key_PageUp) << none << std::optional(DayStep::PreviousMonth);
        QTest::newRow("ctrl+page down") << int(Qt::Key_PageDown) << ctrl << std::optional(DayStep::NextYear);
        QTest::newRow("ctrl+page up") << int(Qt::Key_PageUp) << ctrl << std::optional(DayStep::PreviousYear);
        QTest::newRow("home") << int(Qt::Key_Home) << none << std::optional(DayStep::Today);
        QTest::newRow("keypad left") << int(Qt::Key_Left) << keypad << std::optional(DayStep::PreviousDay);
        QTest::newRow("ctrl+keypad page up") << int(Qt::Key_PageUp) << (ctrl | keypad) << std::optional(DayStep::PreviousYear);
        const std::optional<DayStep> noStep;
        QTest::newRow("shift+right") << int(Qt::Key_Right) << Qt::KeyboardModifiers(Qt::ShiftModifier) << noStep;
        QTest::newRow("alt+page down") << int(Qt::Key_PageDown) << Qt::KeyboardModifiers(Qt::AltModifier) << noStep;
        QTest::newRow("ctrl+shift+page down") << int(Qt::Key_PageDown) << (ctrl | Qt::ShiftModifier) << noStep;
        QTest::newRow("ctrl+right") << int(Qt::Key_Right) << ctrl << noStep;
        QTest::newRow("ctrl+home") << int(Qt::Key_Home) << ctrl << noStep;
        QTest::newRow("end") << int(Qt::Key_End) << none << noStep;
    }

    void keys() {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(std::optional<DayStep>, step);
        QVERIFY(dayStepForKey(key, modifiers) == step);
    }
};

QTEST_GUILESS_MAIN(TestDaySteps)
#include "tst_daysteps.moc"
