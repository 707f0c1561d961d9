// The arithmetic of the date markers: sheet placement, rounding, cell rectangles, the Gregorian
// week grid with its week-53 windows and year-end moves, and the cells of the VRKS markers.
// Expected values are worked out by hand from the calendars, not by the functions under test.
#include "core/DayTable.h"
#include "core/MarkerGeometry.h"

#include <QtTest>
#include <cmath>

using namespace zuv;

namespace {

// "col,row" per cell, "xN" appended for a span of N columns, cells separated by spaces.
QString cellsText(const std::vector<GridCell>& cells) {
    QStringList parts;
    for (const GridCell& c : cells)
        parts << QStringLiteral("%1,%2").arg(c.col).arg(c.row) +
                     (c.span == 1 ? QString() : QStringLiteral("x%1").arg(c.span));
    return parts.join(QLatin1Char(' '));
}

// "left,top,width,height" per rectangle, separated by spaces.
QString rectsText(const std::vector<QRect>& rects) {
    QStringList parts;
    for (const QRect& r : rects)
        parts << QStringLiteral("%1,%2,%3,%4").arg(r.left()).arg(r.top()).arg(r.width()).arg(r.height());
    return parts.join(QLatin1Char(' '));
}

MarkGrid gridNamed(const QString& name) {
    if (name == QLatin1String("gks")) return gksGrid();
    if (name == QLatin1String("year")) return vrksYearGrid();
    return vrksTableGrid();
}

QString notFound(const char* date) {
    return QStringLiteral("Ресурс для даты %1 не найден").arg(QLatin1String(date));
}

}  // namespace

class TestMarkerGeometry : public QObject {
    Q_OBJECT
    QStringList vrksData;

private slots:
    void penCycle_data() {
        QTest::addColumn<quint32>("pen");
        QTest::addColumn<quint32>("next");
        QTest::newRow("white to blue") << 0xFFFFFFFFu << 0xFF0000FFu;
        QTest::newRow("blue to red") << 0xFF0000FFu << 0xFFFF0000u;
        QTest::newRow("red to white") << 0xFFFF0000u << 0xFFFFFFFFu;
        QTest::newRow("any other colour is left as it is") << 0xFF123456u << 0xFF123456u;
    }
    void penCycle() {
        QFETCH(quint32, pen);
        QTEST(nextPenColor(pen), "next");
    }

    void initTestCase() { vrksData = splitDayTableLines(generateDayTableText()); }

    void roundHalfEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("rounded");
        QTest::newRow("0.5") << 0.5 << 0;
        QTest::newRow("1.5") << 1.5 << 2;
        QTest::newRow("2.5") << 2.5 << 2;
        QTest::newRow("26.5") << 26.5 << 26;
        QTest::newRow("79.5") << 79.5 << 80;
        QTest::newRow("just below a half") << 2.4999999 << 2;
        QTest::newRow("just above a half") << 2.5000001 << 3;
        QTest::newRow("negative half") << -2.5 << -2;
    }
    void roundHalfEven() {
        QFETCH(double, value);
        QFETCH(int, rounded);
        QCOMPARE(zuv::roundHalfEven(value), rounded);
    }

    void markRect_data() {
        QTest::addColumn<QSize>("view");
        QTest::addColumn<QSize>("sheet");
        QTest::addColumn<QString>("grid");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("span");
        QTest::addColumn<QRect>("rect");
        const QSize view(1000, 600), table(2969, 1289), year(2969, 2073);
        QTest::newRow("gks day 2,3") << view << table << "gks" << 2 << 3 << 1 << QRect(36, 111, 17, 8);
        QTest::newRow("gks weekday 1,3") << view << table << "gks" << 1 << 3 << 1 << QRect(18, 111, 17, 8);
        QTest::newRow("gks week 2,10") << view << table << "gks" << 2 << 10 << 1 << QRect(36, 178, 17, 8);
        QTest::newRow("gks day 13,4") << view << table << "gks" << 13 << 4 << 1 << QRect(232, 121, 17, 8);
        QTest::newRow("gks last band 54,42") << view << table << "gks" << 54 << 42 << 1 << QRect(964, 480, 17, 8);
        QTest::newRow("gks scale 1") << table << table << "gks" << 2 << 3 << 1 << QRect(106, 84, 52, 27);
        QTest::newRow("gks scale 1, 54,42") << table << table << "gks" << 54 << 42 << 1 << QRect(2863, 1179, 52, 27);
        QTest::newRow("table 2,3 in 1000x600") << view << table << "table" << 2 << 3 << 1 << QRect(36, 111, 18, 9);
        QTest::newRow("table 2,10 in 1000x600") << view << table << "table" << 2 << 10 << 1 << QRect(36, 177, 18, 9);
        QTest::newRow("table scale 1, 2,3") << table << table << "table" << 2 << 3 << 1 << QRect(106, 84, 53, 28);
        QTest::newRow("table scale 1, footer 2,10") << table << table << "table" << 2 << 10 << 1 << QRect(106, 281, 53, 28);
        QTest::newRow("table scale 1, 45,42") << table << table << "table" << 45 << 42 << 1 << QRect(2386, 1178, 53, 28);
        QTest::newRow("table scale 1, 1,42") << table << table << "table" << 1 << 42 << 1 << QRect(53, 1178, 53, 28);
        QTest::newRow("table scale 1, 45,43") << table << table << "table" << 45 << 43 << 1 << QRect(2386, 1206, 53, 28);
        QTest::newRow("year scale 1, 16,9") << year << year << "year" << 16 << 9 << 1 << QRect(849, 252, 53, 28);
        QTest::newRow("year scale 1, span 4") << year << year << "year" << 10 << 55 << 4 << QRect(531, 1543, 212, 28);
        QTest::newRow("year scale 1, shared block") << year << year << "year" << 27 << 69 << 4 << QRect(1433, 1936, 212, 28);
        QTest::newRow("year scale 1, span 2") << year << year << "year" << 53 << 65 << 2 << QRect(2813, 1823, 106, 28);
        QTest::newRow("year in 1000x600 (height limits)") << view << year << "year" << 2 << 3 << 1 << QRect(102, 24, 15, 8);
        QTest::newRow("year in 1000x600, span 4") << view << year << "year" << 27 << 69 << 4 << QRect(486, 560, 61, 8);
        // gs2017 at half scale: a cell is 26.5 wide, so column 1 starts at 26.5 and column 3 at
        // 79.5; halves go to the even neighbour (std::round would give 27, 81 and widths 26/27).
        const QSize half(1484, 1000), gs2017(2968, 1289);
        QTest::newRow("half to even, gks col 1") << half << gs2017 << "gks" << 1 << 3 << 1 << QRect(26, 220, 25, 13);
        QTest::newRow("half to even, gks col 3") << half << gs2017 << "gks" << 3 << 3 << 1 << QRect(80, 220, 25, 13);
        QTest::newRow("half to even, span col 1") << half << gs2017 << "table" << 1 << 3 << 1 << QRect(26, 220, 26, 14);
        QTest::newRow("half to even, span col 5") << half << gs2017 << "table" << 5 << 3 << 1 << QRect(132, 220, 26, 14);
        QTest::newRow("half to even, span of 3") << half << gs2017 << "table" << 1 << 3 << 3 << QRect(26, 220, 80, 14);
    }
    void markRect() {
        QFETCH(QSize, view);
        QFETCH(QSize, sheet);
        QFETCH(QString, grid);
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(int, span);
        QFETCH(QRect, rect);
        const SheetPlacement p = zuv::placeSheet(view.width(), view.height(), sheet.width(), sheet.height());
        QCOMPARE(zuv::markRect(p, gridNamed(grid), GridCell{col, row, span}), rect);
    }

    void grids_data() {
        QTest::addColumn<QString>("grid");
        QTest::addColumn<int>("penWidth");
        QTest::newRow("gks") << "gks" << 3;
        QTest::newRow("year") << "year" << 2;
        QTest::newRow("table") << "table" << 2;
    }
    void grids() {
        QFETCH(QString, grid);
        QFETCH(int, penWidth);
        QCOMPARE(gridNamed(grid).penWidth, penWidth);
    }

    // Week column and weekday row before any year-end move.
    void getDatePosGKS_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::newRow("01.01.2001 Monday") << QDate(2001, 1, 1) << 2 << 3;
        QTest::newRow("15.03.2005 Tuesday") << QDate(2005, 3, 15) << 13 << 4;
        QTest::newRow("28.12.2005 past column 53") << QDate(2005, 12, 28) << 54 << 5;
        QTest::newRow("31.12.2006 week 53") << QDate(2006, 12, 31) << 54 << 20;
        QTest::newRow("30.12.2008 band 3") << QDate(2008, 12, 30) << 54 << 37;
        QTest::newRow("01.01.2012 Sunday") << QDate(2012, 1, 1) << 2 << 42;
        QTest::newRow("31.12.2012 column 55") << QDate(2012, 12, 31) << 55 << 36;
        QTest::newRow("24.12.2017 Sunday") << QDate(2017, 12, 24) << 53 << 9;
        QTest::newRow("29.02.2024 leap day") << QDate(2024, 2, 29) << 10 << 39;
        QTest::newRow("01.01.2052") << QDate(2052, 1, 1) << 2 << 36;
        QTest::newRow("31.12.2052") << QDate(2052, 12, 31) << 54 << 37;
    }
    void getDatePosGKS() {
        QFETCH(QDate, date);
        QFETCH(int, col);
        QFETCH(int, row);
        int x = -1, y = -1;
        GetDatePosGKS(date, x, y);
        QCOMPARE(x, col);
        QCOMPARE(y, row);
    }

    // The table of windows is exactly the set of days in column 54 whose Monday-to-Sunday week
    // lies wholly inside their year, over all years the sheets show.
    void week53WindowsAreTheWholeWeeksInColumn54() {
        int inWindows = 0;
        for (QDate d(2001, 1, 1); d <= QDate(2052, 12, 31); d = d.addDays(1)) {
            int col = 0, row = 0;
            GetDatePosGKS(d, col, row);
            const QDate monday = d.addDays(1 - d.dayOfWeek());
            const bool wholeWeek = monday.year() == d.year() && monday.addDays(6).year() == d.year();
            const bool expected = col == 54 && wholeWeek;
            if (isInGksWeek53Window(d) != expected)
                QFAIL(qPrintable(d.toString(Qt::ISODate) + (expected ? " should be" : " should not be") + " in a window"));
            inWindows += expected;
        }
        QCOMPARE(inWindows, 9 * 7);
    }

    void planPaintDateGKS_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QDate>("marked");
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("cells");
        QTest::addColumn<QString>("message");  // empty when the plan succeeds
        const QDate today(2020, 6, 15);
        auto row = [&](const char* name, QDate d, const char* sheet, const char* cells) {
            QTest::newRow(name) << d << today << d << sheet << cells << QString();
        };
        row("01.01.2001", QDate(2001, 1, 1), "gs2001", "2,3 1,3 2,10");
        row("15.03.2005", QDate(2005, 3, 15), "gs2005", "13,4 1,4 13,10");
        row("28.12.2005 to the 2006 band", QDate(2005, 12, 28), "gs2005", "2,16 1,16 2,21");
        row("30.12.2008 to the next sheet", QDate(2008, 12, 30), "gs2009", "2,4 1,4 2,10");
        row("27.12.2004 to the next sheet", QDate(2004, 12, 27), "gs2005", "2,3 1,3 2,10");
        row("26.12.2004 stays in column 53", QDate(2004, 12, 26), "gs2001", "53,42 1,42 53,43");
        row("31.12.2048 to gs2049", QDate(2048, 12, 31), "gs2049", "2,6 1,6 2,10");
        row("24.12.2017 column 53", QDate(2017, 12, 24), "gs2017", "53,9 1,9 53,10");
        // The nine week-53 windows with the day before, their first and last day and the day after.
        row("24.12.2006", QDate(2006, 12, 24), "gs2005", "53,20 1,20 53,21");
        row("25.12.2006", QDate(2006, 12, 25), "gs2005", "54,14 1,14 54,21");
        row("31.12.2006", QDate(2006, 12, 31), "gs2005", "54,20 1,20 54,21");
        row("01.01.2007", QDate(2007, 1, 1), "gs2005", "2,25 1,25 2,32");
        row("23.12.2012", QDate(2012, 12, 23), "gs2009", "53,42 1,42 53,43");
        row("24.12.2012", QDate(2012, 12, 24), "gs2009", "54,36 1,36 54,43");
        row("30.12.2012", QDate(2012, 12, 30), "gs2009", "54,42 1,42 54,43");
        row("31.12.2012 column 55", QDate(2012, 12, 31), "gs2013", "2,3 1,3 2,10");
        row("24.12.2017", QDate(2017, 12, 24), "gs2017", "53,9 1,9 53,10");
        row("25.12.2017", QDate(2017, 12, 25), "gs2017", "54,3 1,3 54,10");
        row("31.12.2017", QDate(2017, 12, 31), "gs2017", "54,9 1,9 54,10");
        row("01.01.2018", QDate(2018, 1, 1), "gs2017", "2,14 1,14 2,21");
        row("24.12.2023", QDate(2023, 12, 24), "gs2021", "53,31 1,31 53,32");
        row("25.12.2023", QDate(2023, 12, 25), "gs2021", "54,25 1,25 54,32");
        row("31.12.2023", QDate(2023, 12, 31), "gs2021", "54,31 1,31 54,32");
        row("01.01.2024", QDate(2024, 1, 1), "gs2021", "2,36 1,36 2,43");
        row("24.12.2028", QDate(2028, 12, 24), "gs2025", "53,42 1,42 53,43");
        row("25.12.2028", QDate(2028, 12, 25), "gs2025", "54,36 1,36 54,43");
        row("31.12.2028", QDate(2028, 12, 31), "gs2025", "54,42 1,42 54,43");
        row("01.01.2029", QDate(2029, 1, 1), "gs2029", "2,3 1,3 2,10");
        row("24.12.2034", QDate(2034, 12, 24), "gs2033", "53,20 1,20 53,21");
        row("25.12.2034", QDate(2034, 12, 25), "gs2033", "54,14 1,14 54,21");
        row("31.12.2034", QDate(2034, 12, 31), "gs2033", "54,20 1,20 54,21");
        row("01.01.2035", QDate(2035, 1, 1), "gs2033", "2,25 1,25 2,32");
        row("23.12.2040", QDate(2040, 12, 23), "gs2037", "53,42 1,42 53,43");
        row("24.12.2040", QDate(2040, 12, 24), "gs2037", "54,36 1,36 54,43");
        row("30.12.2040", QDate(2040, 12, 30), "gs2037", "54,42 1,42 54,43");
        row("31.12.2040", QDate(2040, 12, 31), "gs2041", "2,3 1,3 2,10");
        row("24.12.2045", QDate(2045, 12, 24), "gs2045", "53,9 1,9 53,10");
        row("25.12.2045", QDate(2045, 12, 25), "gs2045", "54,3 1,3 54,10");
        row("31.12.2045", QDate(2045, 12, 31), "gs2045", "54,9 1,9 54,10");
        row("01.01.2046", QDate(2046, 1, 1), "gs2045", "2,14 1,14 2,21");

        // Outside 01.01.2001 … 31.12.2048 today's date is marked instead.
        auto substituted = [](const char* name, QDate d, QDate now, const char* sheet, const char* cells) {
            QTest::newRow(name) << d << now << now << sheet << cells << QString();
        };
        substituted("1950 from a VRKS screen", QDate(1950, 5, 1), today, "gs2017", "26,36 1,36 26,43");
        substituted("31.12.2000", QDate(2000, 12, 31), today, "gs2017", "26,36 1,36 26,43");
        substituted("01.01.2049", QDate(2049, 1, 1), today, "gs2017", "26,36 1,36 26,43");
        substituted("today in 2049", QDate(2060, 1, 1), QDate(2049, 1, 1), "gs2049", "2,7 1,7 2,10");
        // The 2051 window is reached only through today's date.
        substituted("today 24.12.2051", QDate(1921, 3, 4), QDate(2051, 12, 24), "gs2049", "53,31 1,31 53,32");
        substituted("today 25.12.2051", QDate(1921, 3, 4), QDate(2051, 12, 25), "gs2049", "54,25 1,25 54,32");
        substituted("today 31.12.2051", QDate(1921, 3, 4), QDate(2051, 12, 31), "gs2049", "54,31 1,31 54,32");
        substituted("today 01.01.2052", QDate(1921, 3, 4), QDate(2052, 1, 1), "gs2049", "2,36 1,36 2,43");
        substituted("today 29.12.2052", QDate(1921, 3, 4), QDate(2052, 12, 29), "gs2049", "53,42 1,42 53,43");

        // No sheet: the message names the day as it stands when the sheet is chosen.
        QTest::newRow("today 30.12.2052 moves into 2053") << QDate(1950, 1, 1) << QDate(2052, 12, 30)
                                                         << QDate(2052, 12, 30) << "" << "" << notFound("30.12.2053");
        QTest::newRow("today 31.12.2052 moves into 2053") << QDate(1950, 1, 1) << QDate(2052, 12, 31)
                                                         << QDate(2052, 12, 31) << "" << "" << notFound("31.12.2053");
        QTest::newRow("today in 2053") << QDate(1950, 1, 1) << QDate(2053, 2, 1) << QDate(2053, 2, 1) << "" << ""
                                       << notFound("01.02.2053");
        QTest::newRow("today in 2000") << QDate(2050, 1, 1) << QDate(2000, 7, 9) << QDate(2000, 7, 9) << "" << ""
                                       << notFound("09.07.2000");
    }
    void planPaintDateGKS() {
        QFETCH(QDate, date);
        QFETCH(QDate, today);
        QFETCH(QDate, marked);
        QFETCH(QString, sheet);
        QFETCH(QString, cells);
        QFETCH(QString, message);
        const MarkPlan plan = zuv::planPaintDateGKS(date, today);
        QCOMPARE(plan.ok, message.isEmpty());
        QCOMPARE(plan.failureMessage, message);
        QCOMPARE(plan.markedDate, marked);
        QCOMPARE(plan.sheetName, sheet);
        QCOMPARE(cellsText(plan.cells), cells);
        QCOMPARE(plan.grid.nx, 56.0);
        QCOMPARE(plan.grid.ny, 45.92);
    }

    void planPaintDateVRKS_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QDate>("marked");
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("cells");
        QTest::addColumn<QString>("message");
        auto row = [](const char* name, QDate d, const char* sheet, const char* cells) {
            QTest::newRow(name) << d << d << sheet << cells << QString();
        };
        row("04.03.1921 first day", QDate(1921, 3, 4), "vr1921",
            "2,3 2,10 1,3 2,14 1,14 2,25 1,25 2,36 1,36 10,47 10,55x4 3,69");
        row("15.06.2022 shared block", QDate(2022, 6, 15), "vr2021",
            "16,9 16,10 1,9 16,20 1,20 16,31 1,31 16,42 1,42 15,47 14,55x4 27,69x4");
        row("28.02.2025 extra day, shared block", QDate(2025, 2, 28), "vr2021", "26,49 26,47 26,55 27,69x4");
        row("29.02.2024 year 4 begins", QDate(2024, 2, 29), "vr2021",
            "2,3 2,10 1,3 2,14 1,14 2,25 1,25 2,36 1,36 22,47 22,55x4 27,69x4");
        row("28.02.1924 last day of year 3", QDate(1924, 2, 28), "vr1921",
            "53,9 53,10 1,9 53,20 1,20 53,31 1,31 53,42 1,42 21,47 18,55x4 5,69");
        row("26.02.1925 day 1456", QDate(1925, 2, 26), "vr1921",
            "53,9 53,10 1,9 53,20 1,20 53,31 1,31 53,42 1,42 25,47 22,55x4 6,69");
        row("27.02.1925 day 1457, first extra", QDate(1925, 2, 27), "vr1921",
            "26,48 26,47 26,55 7,69x2 7,61x2 7,62x2");
        row("01.03.1925 day 1459", QDate(1925, 3, 1), "vr1921", "26,50 26,47 26,55 7,69x2 7,61x2 7,64x2");
        row("03.03.1925 fifth extra day", QDate(1925, 3, 3), "vr1921", "26,52 26,47 26,55 7,69x2 7,61x2 7,66x2");
        row("03.03.1937 last day of 484", QDate(1937, 3, 3), "vr1933", "26,52 26,47 26,55 25,69x2 25,61x2 25,66x2");
        row("04.03.1937 first day of 485", QDate(1937, 3, 4), "vr1937",
            "2,3 2,10 1,3 2,14 1,14 2,25 1,25 2,36 1,36 10,47 10,55x4 27,69x4");
        row("03.03.2033 last day of 508", QDate(2033, 3, 3), "vr2029", "26,52 26,47 26,55 27,69x4");
        row("04.03.2033 first day of 509", QDate(2033, 3, 4), "vr2033",
            "2,3 2,10 1,3 2,14 1,14 2,25 1,25 2,36 1,36 10,47 10,55x4 31,69");
        row("04.03.2045 yuga 512, table 7", QDate(2045, 3, 4), "vr2045",
            "2,3 2,10 1,3 2,14 1,14 2,25 1,25 2,36 1,36 31,47 31,55x4 49,69");
        row("05.05.2047", QDate(2047, 5, 5), "vr2045",
            "11,4 11,10 1,4 11,15 1,15 11,26 1,26 11,37 1,37 39,47 39,55x4 51,69");
        row("01.03.2049", QDate(2049, 3, 1), "vr2045", "47,50 47,47 47,55 53,69x2 53,61x2 53,64x2");
        row("02.03.2049 last accepted day", QDate(2049, 3, 2), "vr2045", "47,51 47,47 47,55 53,69x2 53,61x2 53,65x2");
        // After 02.03.2049 that day is marked instead.
        const char* last = "47,51 47,47 47,55 53,69x2 53,61x2 53,65x2";
        QTest::newRow("03.03.2049") << QDate(2049, 3, 3) << QDate(2049, 3, 2) << "vr2045" << last << QString();
        QTest::newRow("2060") << QDate(2060, 7, 1) << QDate(2049, 3, 2) << "vr2045" << last << QString();
        // Before the day table: nothing to draw from.
        QTest::newRow("03.03.1921") << QDate(1921, 3, 3) << QDate(1921, 3, 3) << "" << "" << notFound("03.03.1921");
        QTest::newRow("1900") << QDate(1900, 1, 1) << QDate(1900, 1, 1) << "" << "" << notFound("01.01.1900");
    }
    void planPaintDateVRKS() {
        QFETCH(QDate, date);
        QFETCH(QDate, marked);
        QFETCH(QString, sheet);
        QFETCH(QString, cells);
        QFETCH(QString, message);
        const MarkPlan plan = zuv::planPaintDateVRKS(date, vrksData);
        QCOMPARE(plan.ok, message.isEmpty());
        QCOMPARE(plan.failureMessage, message);
        QCOMPARE(plan.markedDate, marked);
        QCOMPARE(plan.sheetName, sheet);
        QCOMPARE(cellsText(plan.cells), cells);
        QCOMPARE(plan.grid.nx, 55.93);
        QCOMPARE(plan.grid.ny, 73.9);
    }

    void planVRKS_CalTable_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("cells");
        QTest::addColumn<QString>("message");
        QTest::newRow("04.03.1921") << QDate(1921, 3, 4) << true
                                    << "2,3 2,10 1,3 2,14 1,14 2,25 1,25 2,36 1,36" << QString();
        QTest::newRow("01.01.2001") << QDate(2001, 1, 1) << true
                                    << "45,9 45,10 1,9 45,20 1,20 45,31 1,31 45,42 1,42" << QString();
        QTest::newRow("26.02.1925 day 364") << QDate(1925, 2, 26) << true
                                            << "53,9 53,10 1,9 53,20 1,20 53,31 1,31 53,42 1,42" << QString();
        QTest::newRow("27.02.1925 extra day, bare sheet") << QDate(1925, 2, 27) << true << "" << QString();
        QTest::newRow("03.03.1925 extra day, bare sheet") << QDate(1925, 3, 3) << true << "" << QString();
        QTest::newRow("02.03.2049 extra day, bare sheet") << QDate(2049, 3, 2) << true << "" << QString();
        QTest::newRow("03.03.2049 yuga 513") << QDate(2049, 3, 3) << true
                                             << "2,3 2,10 1,3 2,14 1,14 2,25 1,25 2,36 1,36" << QString();
        QTest::newRow("02.03.2053 last day of the table") << QDate(2053, 3, 2) << true << "" << QString();
        QTest::newRow("03.03.2053") << QDate(2053, 3, 3) << false << "" << notFound("03.03.2053");
        QTest::newRow("03.03.1921") << QDate(1921, 3, 3) << false << "" << notFound("03.03.1921");
    }
    void planVRKS_CalTable() {
        QFETCH(QDate, date);
        QFETCH(bool, ok);
        QFETCH(QString, cells);
        QFETCH(QString, message);
        const MarkPlan plan = zuv::planVRKS_CalTable(date, vrksData);
        QCOMPARE(plan.ok, ok);
        QCOMPARE(plan.failureMessage, message);
        QCOMPARE(plan.markedDate, date);  // no range rule
        QCOMPARE(plan.sheetName, ok ? QStringLiteral("vrcaltable") : QString());
        QCOMPARE(cellsText(plan.cells), cells);
        QCOMPARE(plan.grid.nx, 56.0);
        QCOMPARE(plan.grid.ny, 45.95);
    }

    void planVRKS_DayTable_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("cells");
        QTest::addColumn<QString>("message");
        QTest::newRow("04.03.1921") << QDate(1921, 3, 4) << "vr481_day" << "2,3 1,3 2,10" << QString();
        QTest::newRow("01.01.2001 year 4") << QDate(2001, 1, 1) << "vr500_day" << "45,42 1,42 45,43" << QString();
        QTest::newRow("15.06.2022 year 2") << QDate(2022, 6, 15) << "vr506_day" << "16,20 1,20 16,21" << QString();
        QTest::newRow("03.03.1925 fifth extra day") << QDate(1925, 3, 3) << "vr481_day" << "54,40 1,40 54,43" << QString();
        QTest::newRow("02.03.2049 last day of 512") << QDate(2049, 3, 2) << "vr512_day" << "54,39 1,39 54,43" << QString();
        // Yuga 513 has no sheet; the plan still names it so that the loader reports it.
        QTest::newRow("03.03.2049 yuga 513") << QDate(2049, 3, 3) << "vr513_day" << "2,3 1,3 2,10" << QString();
        QTest::newRow("02.03.2053 yuga 513") << QDate(2053, 3, 2) << "vr513_day" << "54,40 1,40 54,43" << QString();
        QTest::newRow("03.03.2053") << QDate(2053, 3, 3) << "" << "" << notFound("03.03.2053");
        QTest::newRow("03.03.1921") << QDate(1921, 3, 3) << "" << "" << notFound("03.03.1921");
    }
    void planVRKS_DayTable() {
        QFETCH(QDate, date);
        QFETCH(QString, sheet);
        QFETCH(QString, cells);
        QFETCH(QString, message);
        const MarkPlan plan = zuv::planVRKS_DayTable(date, vrksData);
        QCOMPARE(plan.ok, message.isEmpty());
        QCOMPARE(plan.failureMessage, message);
        QCOMPARE(plan.markedDate, date);
        QCOMPARE(plan.sheetName, sheet);
        QCOMPARE(cellsText(plan.cells), cells);
        QCOMPARE(plan.grid.nx, 56.0);
        QCOMPARE(plan.grid.ny, 45.95);
    }

    // Whole marks in view pixels, from the day to the rectangles the window strokes.
    void markRectsOfPlans_data() {
        QTest::addColumn<QString>("marker");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QSize>("view");
        QTest::addColumn<QString>("rects");
        const QSize view(1000, 600), table(2969, 1289), year(2969, 2073);
        QTest::newRow("gks 01.01.2001") << "gks" << QDate(2001, 1, 1) << view
                                        << "36,111,17,8 18,111,17,8 36,178,17,8";
        QTest::newRow("gks 15.03.2005") << "gks" << QDate(2005, 3, 15) << view
                                        << "232,121,17,8 18,121,17,8 232,178,17,8";
        QTest::newRow("gks 25.12.2017 on gs2017") << "gks" << QDate(2017, 12, 25) << view
                                                  << "964,111,17,8 18,111,17,8 964,178,17,8";
        QTest::newRow("gks 25.12.2017 on gs2017, half scale") << "gks" << QDate(2017, 12, 25) << QSize(1484, 1000)
                                                              << "1431,220,25,13 26,220,25,13 1431,318,25,13";
        QTest::newRow("vrks 15.06.2022 scale 1") << "year" << QDate(2022, 6, 15) << year
                                                 << "849,252,53,28 849,281,53,28 53,252,53,28 849,561,53,28 "
                                                    "53,561,53,28 849,870,53,28 53,870,53,28 849,1178,53,28 "
                                                    "53,1178,53,28 796,1318,53,28 743,1543,212,28 1433,1936,212,28";
        QTest::newRow("vrks 02.03.2049 in 1000x600") << "year" << QDate(2049, 3, 2) << view
                                                     << "793,414,15,8 793,382,15,8 793,447,15,8 885,560,31,8 "
                                                        "885,495,31,8 885,528,31,8";
        QTest::newRow("cal 04.03.1921 scale 1") << "cal" << QDate(1921, 3, 4) << table
                                                << "106,84,53,28 106,281,53,28 53,84,53,28 106,393,53,28 "
                                                   "53,393,53,28 106,701,53,28 53,701,53,28 106,1010,53,28 53,1010,53,28";
        QTest::newRow("cal 04.03.1921 in 1000x600") << "cal" << QDate(1921, 3, 4) << view
                                                    << "36,111,18,9 36,177,18,9 18,111,18,9 36,215,18,9 "
                                                       "18,215,18,9 36,319,18,9 18,319,18,9 36,423,18,9 18,423,18,9";
        QTest::newRow("day 01.01.2001 scale 1") << "day" << QDate(2001, 1, 1) << table
                                                << "2386,1178,53,28 53,1178,53,28 2386,1206,53,28";
        QTest::newRow("day 03.03.1925 in 1000x600") << "day" << QDate(1925, 3, 3) << view
                                                    << "964,461,18,9 18,461,18,9 964,489,18,9";
    }
    void markRectsOfPlans() {
        QFETCH(QString, marker);
        QFETCH(QDate, date);
        QFETCH(QSize, view);
        QFETCH(QString, rects);
        MarkPlan plan;
        QSize sheet(2969, 1289);
        if (marker == QLatin1String("gks")) {
            plan = zuv::planPaintDateGKS(date, QDate(2020, 6, 15));
            if (plan.sheetName == QLatin1String("gs2017")) sheet = QSize(2968, 1289);
        } else if (marker == QLatin1String("year")) {
            plan = zuv::planPaintDateVRKS(date, vrksData);
            sheet = QSize(2969, 2073);
        } else if (marker == QLatin1String("cal")) {
            plan = zuv::planVRKS_CalTable(date, vrksData);
        } else {
            plan = zuv::planVRKS_DayTable(date, vrksData);
        }
        QVERIFY(plan.ok);
        const SheetPlacement p = zuv::placeSheet(view.width(), view.height(), sheet.width(), sheet.height());
        QCOMPARE(rectsText(markRects(p, plan)), rects);
    }

    void sheetNames_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("sheet");
        QTest::newRow("2000") << 2000 << "";
        QTest::newRow("2001") << 2001 << "gs2001";
        QTest::newRow("2004") << 2004 << "gs2001";
        QTest::newRow("2005") << 2005 << "gs2005";
        QTest::newRow("2048") << 2048 << "gs2045";
        QTest::newRow("2049") << 2049 << "gs2049";
        QTest::newRow("2052") << 2052 << "gs2049";
        QTest::newRow("2053") << 2053 << "";
    }
    void sheetNames() {
        QFETCH(int, year);
        QFETCH(QString, sheet);
        QCOMPARE(gksSheetName(year), sheet);
    }

    void yearSheetNames_data() {
        QTest::addColumn<int>("yuga");
        QTest::addColumn<QString>("sheet");
        QTest::newRow("481") << 481 << "vr1921";
        QTest::newRow("482") << 482 << "vr1925";
        QTest::newRow("506") << 506 << "vr2021";
        QTest::newRow("512") << 512 << "vr2045";
        QTest::newRow("513") << 513 << "vr2049";
    }
    void yearSheetNames() {
        QFETCH(int, yuga);
        QFETCH(QString, sheet);
        QCOMPARE(vrksYearSheetName(yuga), sheet);
    }
};

QTEST_GUILESS_MAIN(TestMarkerGeometry)
#include "tst_markergeometry.moc"
