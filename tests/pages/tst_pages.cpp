// The Gregorian pages: leap-year rules, day numbers, the lag of the Julian calendar, ISO forms
// and the place of a day on the four-year sheets, checked against published values and
// against Qt's own calendars; then the pictures the generator drew.
#include "Catalogue.h"
#include "facts/GregorianFacts.h"

#include <QCalendar>
#include <QFileInfo>
#include <QImage>
#include <QtTest>

using namespace zuvgen::greg;

class TestPages : public QObject {
    Q_OBJECT

private slots:
    void leapYears_data();
    void leapYears();
    void revisedJulianFirstDiffersIn2800();

    void dayNumbers_data();
    void dayNumbers();
    void julianCalendarDayNumbers_data();
    void julianCalendarDayNumbers();
    void dayNumbersAgreeWithQtOverSixCenturies();
    void lilianDays_data();
    void lilianDays();
    void weekdays_data();
    void weekdays();
    void workedExampleSteps();

    void julianLag_data();
    void julianLag();
    void meanYears();

    void isoForms_data();
    void isoForms();

    void sheetPlaces_data();
    void sheetPlaces();
    void week53Years();
    void sheetFirstYears_data();
    void sheetFirstYears();

    void pictures_data();
    void pictures();
};

// ---- leap years -------------------------------------------------------------------------

void TestPages::leapYears_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("gregorian");
    QTest::addColumn<bool>("julian");
    QTest::addColumn<bool>("revised");
    QTest::newRow("1582") << 1582 << false << false << false;
    QTest::newRow("1600") << 1600 << true << true << false;
    QTest::newRow("1700") << 1700 << false << true << false;
    QTest::newRow("1900") << 1900 << false << true << false;
    QTest::newRow("2000") << 2000 << true << true << true;
    QTest::newRow("2024") << 2024 << true << true << true;
    QTest::newRow("2025") << 2025 << false << false << false;
    QTest::newRow("2100") << 2100 << false << true << false;
    QTest::newRow("2400") << 2400 << true << true << true;
    QTest::newRow("2800") << 2800 << true << true << false;
    QTest::newRow("2900") << 2900 << false << true << true;
    QTest::newRow("year 0 (1 BC)") << 0 << true << true << false;
    QTest::newRow("year -4 (5 BC)") << -4 << true << true << true;
    QTest::newRow("year -1 (2 BC)") << -1 << false << false << false;
}

void TestPages::leapYears() {
    QFETCH(int, year);
    QFETCH(bool, gregorian);
    QFETCH(bool, julian);
    QFETCH(bool, revised);
    QCOMPARE(isGregorianLeapYear(year), gregorian);
    QCOMPARE(isJulianLeapYear(year), julian);
    QCOMPARE(isRevisedJulianLeapYear(year), revised);
    if (year > 0) {
        QCOMPARE(isGregorianLeapYear(year), QDate::isLeapYear(year));
        QCOMPARE(isJulianLeapYear(year), QCalendar(QCalendar::System::Julian).isLeapYear(year));
    }
}

void TestPages::revisedJulianFirstDiffersIn2800() {
    int first = 0;
    for (int y = 1924; y < 5000 && first == 0; ++y)
        if (isRevisedJulianLeapYear(y) != isGregorianLeapYear(y)) first = y;
    QCOMPARE(first, 2800);
}

// ---- day numbers ------------------------------------------------------------------------

void TestPages::dayNumbers_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<qint64>("jdn");
    // Published reference values.
    QTest::newRow("J2000 day") << 2000 << 1 << 1 << qint64(2451545);
    QTest::newRow("reform day") << 1582 << 10 << 15 << qint64(2299161);
    QTest::newRow("Unix epoch") << 1970 << 1 << 1 << qint64(2440588);
    QTest::newRow("MJD 0") << 1858 << 11 << 17 << qint64(2400001);
    QTest::newRow("1900") << 1900 << 1 << 1 << qint64(2415021);
    QTest::newRow("day 0, proleptic Gregorian") << -4713 << 11 << 24 << qint64(0);
    QTest::newRow("leap day 2024") << 2024 << 2 << 29 << qint64(2460370);
}

void TestPages::dayNumbers() {
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(qint64, jdn);
    QCOMPARE(jdnFromGregorian(year, month, day), jdn);
    QCOMPARE(gregorianFromJdn(jdn), (Ymd{year, month, day}));
}

void TestPages::julianCalendarDayNumbers_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<qint64>("jdn");
    QTest::newRow("day 0, 1 January 4713 BC") << -4712 << 1 << 1 << qint64(0);
    QTest::newRow("last Julian day of the reform") << 1582 << 10 << 4 << qint64(2299160);
    QTest::newRow("Russia, last Julian day") << 1918 << 1 << 31 << qint64(2421638);
}

void TestPages::julianCalendarDayNumbers() {
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(qint64, jdn);
    QCOMPARE(jdnFromJulian(year, month, day), jdn);
    QCOMPARE(julianFromJdn(jdn), (Ymd{year, month, day}));
}

void TestPages::dayNumbersAgreeWithQtOverSixCenturies() {
    // Every day from 1500 to 2100 in both calendars, against Qt's own implementations.
    const QCalendar julian(QCalendar::System::Julian);
    const qint64 first = QDate(1500, 1, 1).toJulianDay(), last = QDate(2100, 12, 31).toJulianDay();
    int mismatches = 0;
    for (qint64 jdn = first; jdn <= last; ++jdn) {
        const QDate date = QDate::fromJulianDay(jdn);
        const Ymd g = gregorianFromJdn(jdn);
        if (g.year != date.year() || g.month != date.month() || g.day != date.day()) ++mismatches;
        if (jdnFromGregorian(date.year(), date.month(), date.day()) != jdn) ++mismatches;
        const QCalendar::YearMonthDay j = julian.partsFromDate(date);
        const Ymd mine = julianFromJdn(jdn);
        if (mine.year != j.year || mine.month != j.month || mine.day != j.day) ++mismatches;
        if (jdnFromJulian(j.year, j.month, j.day) != jdn) ++mismatches;
    }
    QCOMPARE(mismatches, 0);
}

void TestPages::lilianDays_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<qint64>("lilian");
    QTest::newRow("first day of the reform") << QDate(1582, 10, 15) << qint64(1);
    QTest::newRow("day before the reform") << QDate(1582, 10, 14) << qint64(0);
    QTest::newRow("a week later") << QDate(1582, 10, 22) << qint64(8);
    QTest::newRow("first of 1583") << QDate(1583, 1, 1) << qint64(79);
    QTest::newRow("J2000 day") << QDate(2000, 1, 1) << qint64(152385);
}

void TestPages::lilianDays() {
    QFETCH(QDate, date);
    QFETCH(qint64, lilian);
    QCOMPARE(lilianFromJdn(jdnFromGregorian(date.year(), date.month(), date.day())), lilian);
    QCOMPARE(jdnFromLilian(lilian), date.toJulianDay());
}

void TestPages::weekdays_data() {
    QTest::addColumn<qint64>("jdn");
    QTest::addColumn<int>("weekday");
    QTest::newRow("15.10.1582 Friday") << jdnFromGregorian(1582, 10, 15) << 5;
    QTest::newRow("04.10.1582 Julian, Thursday") << jdnFromJulian(1582, 10, 4) << 4;
    QTest::newRow("01.01.2000 Saturday") << qint64(2451545) << 6;
    QTest::newRow("14.02.1918 Thursday") << jdnFromGregorian(1918, 2, 14) << 4;
    QTest::newRow("01.01.2001 Monday") << jdnFromGregorian(2001, 1, 1) << 1;
    QTest::newRow("day 0, Monday") << qint64(0) << 1;
    QTest::newRow("before day 0, Sunday") << qint64(-1) << 7;
}

void TestPages::weekdays() {
    QFETCH(qint64, jdn);
    QFETCH(int, weekday);
    QCOMPARE(isoWeekdayFromJdn(jdn), weekday);
}

void TestPages::workedExampleSteps() {
    // The intermediate values printed on the page for 01.01.2001.
    const JdnSteps s = jdnSteps(2001, 1, 1);
    QCOMPARE(s.a, 1);
    QCOMPARE(s.y, 6800);
    QCOMPARE(s.m, 10);
    QCOMPARE(s.monthDays, qint64(306));
    QCOMPARE(s.yearDays, qint64(2482000));
    QCOMPARE(s.leapDays, qint64(1700 - 68 + 17));
    QCOMPARE(1 + s.monthDays + s.yearDays + s.leapDays - 32045, s.jdn);
    QCOMPARE(s.jdn, qint64(2451911));
}

// ---- the two calendars ------------------------------------------------------------------

void TestPages::julianLag_data() {
    QTest::addColumn<QDate>("gregorian");
    QTest::addColumn<int>("lag");
    QTest::newRow("reform day") << QDate(1582, 10, 15) << 10;
    QTest::newRow("Britain 1752") << QDate(1752, 9, 14) << 11;
    QTest::newRow("Russia 1918") << QDate(1918, 2, 14) << 13;
    QTest::newRow("year 2000") << QDate(2000, 1, 1) << 13;
    QTest::newRow("Julian 28.02.2100") << QDate(2100, 3, 13) << 13;
    QTest::newRow("Julian 01.03.2100") << QDate(2100, 3, 15) << 14;
    QTest::newRow("third century") << QDate(250, 6, 1) << 0;
    QTest::newRow("first century") << QDate(50, 6, 1) << -2;
}

void TestPages::julianLag() {
    QFETCH(QDate, gregorian);
    QFETCH(int, lag);
    QCOMPARE(zuvgen::greg::julianLag(gregorian.toJulianDay()), lag);
}

void TestPages::meanYears() {
    QCOMPARE(meanYearGregorian(), 365.2425);
    QCOMPARE(meanYearJulian(), 365.25);
    QCOMPARE(int(std::lround(yearsPerDayOfDrift(meanYearJulian()))), 128);
    const double gregorianDrift = yearsPerDayOfDrift(meanYearGregorian());
    QVERIFY2(gregorianDrift > 3000 && gregorianDrift < 3500, qPrintable(QString::number(gregorianDrift)));
}

// ---- ISO 8601 ---------------------------------------------------------------------------

void TestPages::isoForms_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("extended");
    QTest::addColumn<QString>("basic");
    QTest::addColumn<QString>("ordinal");
    QTest::addColumn<QString>("week");
    QTest::addColumn<QString>("dotted");
    QTest::newRow("15.03.2005") << QDate(2005, 3, 15) << "2005-03-15" << "20050315" << "2005-074" << "2005-W11-2" << "15.03.2005";
    QTest::newRow("01.01.2005, week of 2004") << QDate(2005, 1, 1) << "2005-01-01" << "20050101" << "2005-001" << "2004-W53-6" << "01.01.2005";
    QTest::newRow("29.12.2008, week of 2009") << QDate(2008, 12, 29) << "2008-12-29" << "20081229" << "2008-364" << "2009-W01-1" << "29.12.2008";
    QTest::newRow("03.01.2010, week 53") << QDate(2010, 1, 3) << "2010-01-03" << "20100103" << "2010-003" << "2009-W53-7" << "03.01.2010";
    QTest::newRow("31.12.2024, leap year") << QDate(2024, 12, 31) << "2024-12-31" << "20241231" << "2024-366" << "2025-W01-2" << "31.12.2024";
    QTest::newRow("reform day") << QDate(1582, 10, 15) << "1582-10-15" << "15821015" << "1582-288" << "1582-W41-5" << "15.10.1582";
}

void TestPages::isoForms() {
    QFETCH(QDate, date);
    QFETCH(QString, extended);
    QFETCH(QString, basic);
    QFETCH(QString, ordinal);
    QFETCH(QString, week);
    QFETCH(QString, dotted);
    QCOMPARE(isoExtended(date), extended);
    QCOMPARE(isoBasic(date), basic);
    QCOMPARE(isoOrdinal(date), ordinal);
    QCOMPARE(isoWeekDate(date), week);
    QCOMPARE(zuvgen::greg::dotted(date), dotted);
}

// ---- four-year sheets -------------------------------------------------------------------

void TestPages::sheetPlaces_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("sheet");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("weekRow");
    QTest::addColumn<int>("weekNumber");
    // The places the dated screen marks, as its description lists them.
    QTest::newRow("01.01.2001 Monday") << QDate(2001, 1, 1) << 2001 << 2 << 3 << 10 << 1;
    QTest::newRow("15.03.2005 Tuesday") << QDate(2005, 3, 15) << 2005 << 13 << 4 << 10 << 12;
    QTest::newRow("28.12.2005 into the 2006 band") << QDate(2005, 12, 28) << 2005 << 2 << 16 << 21 << 1;
    QTest::newRow("30.12.2008 onto the next sheet") << QDate(2008, 12, 30) << 2009 << 2 << 4 << 10 << 1;
    QTest::newRow("31.12.2006 in week 53") << QDate(2006, 12, 31) << 2005 << 54 << 20 << 21 << 53;
    QTest::newRow("30.12.2012 in week 53") << QDate(2012, 12, 30) << 2009 << 54 << 42 << 43 << 53;
    QTest::newRow("31.12.2012 after week 53") << QDate(2012, 12, 31) << 2013 << 2 << 3 << 10 << 1;
    QTest::newRow("24.12.2017 Sunday, column 53") << QDate(2017, 12, 24) << 2017 << 53 << 9 << 10 << 52;
    QTest::newRow("25.12.2017 Monday, week 53") << QDate(2017, 12, 25) << 2017 << 54 << 3 << 10 << 53;
    QTest::newRow("31.12.2048 onto GS2049") << QDate(2048, 12, 31) << 2049 << 2 << 6 << 10 << 1;
    QTest::newRow("29.02.2024 band 3") << QDate(2024, 2, 29) << 2021 << 10 << 39 << 43 << 9;
}

void TestPages::sheetPlaces() {
    QFETCH(QDate, date);
    QFETCH(int, sheet);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(int, weekRow);
    QFETCH(int, weekNumber);
    const SheetPlace p = sheetPlace(date);
    QCOMPARE(p.sheetYear, sheet);
    QCOMPARE(p.column, column);
    QCOMPARE(p.row, row);
    QCOMPARE(p.weekRow, weekRow);
    QCOMPARE(p.weekNumber, weekNumber);
    QCOMPARE(p.band, p.shownYear - p.sheetYear);
    QCOMPARE(p.nextYearsBand, p.shownYear != date.year());
}

void TestPages::week53Years() {
    QList<int> years;
    for (int y = 2001; y <= 2052; ++y)
        if (hasWeek53(y)) years << y;
    QCOMPARE(years, (QList<int>{2006, 2012, 2017, 2023, 2028, 2034, 2040, 2045, 2051}));
}

void TestPages::sheetFirstYears_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("first");
    QTest::newRow("2001") << 2001 << 2001;
    QTest::newRow("2004") << 2004 << 2001;
    QTest::newRow("2005") << 2005 << 2005;
    QTest::newRow("2020") << 2020 << 2017;
    QTest::newRow("2048") << 2048 << 2045;
    QTest::newRow("2052") << 2052 << 2049;
}

void TestPages::sheetFirstYears() {
    QFETCH(int, year);
    QFETCH(int, first);
    QCOMPARE(sheetFirstYear(year), first);
}

// ---- the pictures -----------------------------------------------------------------------

void TestPages::pictures_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"GKS_SPD2", "GKS_SPD_YULI", "GRKS_HKS", "GRKS_DKS", "ANONS_GRKS", "ANONS_GOP", "PATENT", "GRKS_SPD"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestPages::pictures() {
    QFETCH(QString, name);
    const zuv::CatalogueEntry* entry = zuv::findCatalogueEntry(name);
    QVERIFY(entry);
    const QString path = QStringLiteral(ZUV_CELLMAP_DIR) + QStringLiteral("/../rcdata/") + name + QStringLiteral(".png");
    QVERIFY2(QFileInfo::exists(path), qPrintable(path));
    QImage image(path);
    QVERIFY(!image.isNull());
    QCOMPARE(image.width(), entry->width);
    QCOMPARE(image.height(), entry->height);
    QCOMPARE(image.hasAlphaChannel(), entry->kind == zuv::ResourceKind::PngRgba);
    image = image.convertToFormat(QImage::Format_ARGB32);

    // The paper colour is the top-left pixel; count what differs from it clearly.
    const QRgb paper = image.pixel(0, 0);
    auto inked = [&](int x, int y) {
        const QRgb c = image.pixel(x, y);
        return std::abs(qGray(c) - qGray(paper)) > 60 || std::abs(qAlpha(c) - qAlpha(paper)) > 60;
    };
    const int step = 2;
    qint64 all = 0, inkAll = 0, top = 0, inkTop = 0;
    for (int y = 0; y < image.height(); y += step)
        for (int x = 0; x < image.width(); x += step) {
            const bool ink = inked(x, y);
            ++all;
            inkAll += ink;
            if (y < image.height() / 8) {
                ++top;
                inkTop += ink;
            }
        }
    const double share = double(inkAll) / all, topShare = double(inkTop) / top;
    // Text pages carry a few per cent of ink; a blank or nearly blank page has next to none.
    QVERIFY2(share > 0.025, qPrintable(QStringLiteral("ink share %1").arg(share)));
    QVERIFY2(topShare > 0.01, qPrintable(QStringLiteral("ink share of the top eighth %1").arg(topShare)));

    // Text runs across the page: ink in both halves and in the lower third too.
    auto inkIn = [&](const QRect& r) {
        qint64 n = 0;
        for (int y = r.top(); y <= r.bottom(); y += step)
            for (int x = r.left(); x <= r.right(); x += step) n += inked(x, y);
        return n;
    };
    const int w = image.width(), h = image.height();
    QVERIFY(inkIn(QRect(0, 0, w / 2, h)) > 0);
    QVERIFY(inkIn(QRect(w / 2, 0, w - w / 2, h)) > 0);
    QVERIFY(inkIn(QRect(0, 2 * h / 3, w, h / 3)) > 0);
}

QTEST_GUILESS_MAIN(TestPages)
#include "tst_pages.moc"
