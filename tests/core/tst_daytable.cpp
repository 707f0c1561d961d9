// The day table: its text byte for byte, its lines, and the lookup of every day it holds.
#include "core/DayTable.h"

#include <QCryptographicHash>
#include <QtTest>

using namespace zuv;

namespace {

// Independent of the table's own arithmetic: the Gregorian start days of each yuga and of
// its four years, as the calendar's alignment rules state them.
struct YearStarts {
    QDate year[4];
    QDate end;  // last day of the yuga
};

YearStarts yearStartsOf(int yuga) {
    YearStarts s;
    if (yuga == 513) {
        s.year[0] = QDate(2049, 3, 3);
        s.year[1] = QDate(2050, 3, 2);
        s.year[2] = QDate(2051, 3, 1);
        s.year[3] = QDate(2052, 2, 28);
        s.end = QDate(2053, 3, 2);
        return s;
    }
    const int y = 4 * yuga - 3;
    s.year[0] = QDate(y, 3, 4);
    s.year[1] = QDate(y + 1, 3, 3);
    s.year[2] = QDate(y + 2, 3, 2);
    s.year[3] = QDate(y + 3, 2, 29);
    s.end = yuga == 512 ? QDate(2049, 3, 2) : QDate(y + 4, 3, 3);
    return s;
}

}  // namespace

class TestDayTable : public QObject {
    Q_OBJECT
    QByteArray text;
    QStringList lines;

private slots:
    void initTestCase() {
        text = generateDayTableText();
        lines = splitDayTableLines(text);
    }

    void textHasTheExactShape() {
        QCOMPARE(text.size(), qsizetype(1'867'694));
        QCOMPARE(text.count("\r\n"), qsizetype(48'279));
        QVERIFY(text.endsWith("\r\n"));
        QCOMPARE(text.count('\n'), text.count("\r\n"));  // no bare LF
        for (char c : text)
            QVERIFY2(QByteArray("0123456789,.\r\nnul").contains(c), "only digits, separators and \"null\"");
        QCOMPARE(lines.size(), kDayTableLines);
        QCOMPARE(lines.size(), 48'279);
    }

    void knownLines_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("line");
        QTest::newRow("first day") << 0 << "1,04.03.1921,1,1,1,1,1,1,481";
        QTest::newRow("year 4 of 481 begins") << 1092 << "1093,29.02.1924,1,1,1,1,4,1093,481";
        QTest::newRow("fifth extra day of 481") << 1460 << "1461,03.03.1925,0,5,0,369,4,1461,481";
        QTest::newRow("first filler of 481") << 1461 << "1462,null,0,6,0,370,4,1462";
        QTest::newRow("second filler of 481") << 1462 << "1462,null,0,7,0,370,4,1463";
        QTest::newRow("yuga 482 begins") << 1463 << "1462,04.03.1925,1,1,1,1,1,1,482";
        QTest::newRow("01.01.2001") << 29196 << "29159,01.01.2001,28,7,11,308,4,1400,500";
        QTest::newRow("last day of 512") << 46812 << "46751,02.03.2049,0,4,0,368,4,1460,512";
        QTest::newRow("filler of 512") << 46813 << "46752,null,0,5,0,369,4,1461";
        QTest::newRow("third filler of 512") << 46815 << "46752,null,0,7,0,369,4,1463";
        QTest::newRow("yuga 513 begins") << 46816 << "46752,03.03.2049,1,1,1,1,1,1,513";
        QTest::newRow("last dated line") << 48276 << "48212,02.03.2053,0,5,0,369,4,1461,513";
        QTest::newRow("last line") << 48278 << "48213,null,0,7,0,370,4,1463";
    }
    void knownLines() {
        QFETCH(int, position);
        QFETCH(QString, line);
        QCOMPARE(lines.at(position), line);
    }

    // Every day the table holds, against the alignment rules of the calendar.
    void everyDayMatchesTheCalendar() {
        int checked = 0;
        for (int yuga = 481; yuga <= 513; ++yuga) {
            const YearStarts s = yearStartsOf(yuga);
            for (QDate d = s.year[0]; d <= s.end; d = d.addDays(1)) {
                int yearOffset = 1;
                while (yearOffset < 4 && d >= s.year[yearOffset]) ++yearOffset;
                const int dayYear = int(s.year[yearOffset - 1].daysTo(d)) + 1;
                const int day = int(s.year[0].daysTo(d)) + 1;
                const std::optional<DayTableEntry> e = lookupDay(lines, d);
                if (!e) QFAIL(qPrintable(d.toString(Qt::ISODate) + " not found"));
                if (e->yuga != yuga || e->yearOffset != yearOffset || e->dayYear != dayYear || e->day != day)
                    QFAIL(qPrintable(QStringLiteral("%1: got %2/%3/%4/%5, expected %6/%7/%8/%9")
                                         .arg(d.toString(Qt::ISODate))
                                         .arg(e->yuga).arg(e->yearOffset).arg(e->dayYear).arg(e->day)
                                         .arg(yuga).arg(yearOffset).arg(dayYear).arg(day)));
                ++checked;
            }
        }
        QCOMPARE(checked, 48'212);
    }

    // The lookup finds the same line as walking the list and comparing the date field.
    void lookupAgreesWithTheWalk() {
        int dated = 0;
        for (int i = 0; i < lines.size() - 1; ++i) {
            const QStringList fields = lines.at(i).split(QLatin1Char(','));
            if (fields.at(1) == QLatin1String("null")) continue;
            const QDate date = QDate::fromString(fields.at(1), QStringLiteral("dd.MM.yyyy"));
            const auto e = lookupDay(lines, date);
            QVERIFY(e.has_value());
            QCOMPARE(e->day, fields.at(7).toInt());
            QCOMPARE(e->dayYear, fields.at(5).toInt());
            QCOMPARE(e->yuga, fields.at(8).toInt());
            QCOMPARE(e->yearOffset, fields.at(6).toInt());
            ++dated;
        }
        QCOMPARE(dated, 48'212);
    }

    void datesOutsideTheTableAreNotFound_data() {
        QTest::addColumn<QDate>("date");
        QTest::newRow("day before the first") << QDate(1921, 3, 3);
        QTest::newRow("day after the last") << QDate(2053, 3, 3);
        QTest::newRow("far past") << QDate(1700, 1, 1);
        QTest::newRow("far future") << QDate(2100, 6, 1);
        QTest::newRow("invalid") << QDate();
    }
    void datesOutsideTheTableAreNotFound() {
        QFETCH(QDate, date);
        QVERIFY(!dayTablePosition(date).has_value());
        QVERIFY(!lookupDay(lines, date).has_value());
    }

    // A list that is short, or whose line at the computed position is a filler or carries
    // another date, gives "not found" instead of numbers read from the wrong line.
    void damagedListsGiveNotFound() {
        const QDate d(2001, 1, 1);
        QVERIFY(!lookupDay(QStringList(), d).has_value());
        QStringList shifted = lines;
        shifted.removeAt(10);
        QVERIFY(!lookupDay(shifted, d).has_value());
        QStringList filler = lines;
        filler[29196] = QStringLiteral("29159,null,0,7,0,370,4,1463");
        QVERIFY(!lookupDay(filler, d).has_value());
        QStringList shortLine = lines;
        shortLine[29196] = QStringLiteral("29159,01.01.2001,28,7,11,308,4,1400");
        QVERIFY(!lookupDay(shortLine, d).has_value());
    }

    void yugaBoundaries_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("yuga");
        QTest::addColumn<int>("day");
        QTest::newRow("last day of 511") << QDate(2045, 3, 3) << 511 << 1461;
        QTest::newRow("first day of 512") << QDate(2045, 3, 4) << 512 << 1;
        QTest::newRow("last day of 512") << QDate(2049, 3, 2) << 512 << 1460;
        QTest::newRow("first day of 513") << QDate(2049, 3, 3) << 513 << 1;
        QTest::newRow("leap day 2000") << QDate(2000, 2, 29) << 500 << 1093;
    }
    void yugaBoundaries() {
        QFETCH(QDate, date);
        QFETCH(int, yuga);
        QFETCH(int, day);
        const auto e = lookupDay(lines, date);
        QVERIFY(e.has_value());
        QCOMPARE(e->yuga, yuga);
        QCOMPARE(e->day, day);
    }
};

QTEST_GUILESS_MAIN(TestDayTable)
#include "tst_daytable.moc"
