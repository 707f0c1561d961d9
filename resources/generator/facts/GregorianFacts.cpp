// The Gregorian and Julian calendar arithmetic: leap years, day numbers, the Julian lag, the
// mean years, the ISO forms and the place of a day on the four-year sheets.

#include "facts/GregorianFacts.h"

namespace zuvgen::greg {

namespace {

// Division rounding toward minus infinity, so that the formulas hold before year 0 too.
qint64 floorDiv(qint64 a, qint64 b) {
    qint64 q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

}  // namespace

bool isGregorianLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }
bool isJulianLeapYear(int year) { return floorDiv(year, 4) * 4 == year; }
bool isRevisedJulianLeapYear(int year) {
    if (year % 100 != 0) return year % 4 == 0;
    const qint64 r = year - floorDiv(year, 900) * 900;
    return r == 200 || r == 600;
}

JdnSteps jdnSteps(int year, int month, int day) {
    JdnSteps s;
    s.a = (14 - month) / 12;
    s.y = year + 4800 - s.a;
    s.m = month + 12 * s.a - 3;
    s.monthDays = (153 * s.m + 2) / 5;
    s.yearDays = 365LL * s.y;
    s.leapDays = floorDiv(s.y, 4) - floorDiv(s.y, 100) + floorDiv(s.y, 400);
    s.jdn = day + s.monthDays + s.yearDays + s.leapDays - 32045;
    return s;
}

qint64 jdnFromGregorian(int year, int month, int day) { return jdnSteps(year, month, day).jdn; }

qint64 jdnFromJulian(int year, int month, int day) {
    const int a = (14 - month) / 12;
    const qint64 y = qint64(year) + 4800 - a;
    const int m = month + 12 * a - 3;
    return day + (153 * m + 2) / 5 + 365 * y + floorDiv(y, 4) - 32083;
}

namespace {
// The common tail of both inverse conversions: c counts days from 1 March of year −4800.
Ymd fromMarchDays(qint64 century100, qint64 c) {
    const qint64 d = floorDiv(4 * c + 3, 1461);
    const qint64 e = c - floorDiv(1461 * d, 4);
    const qint64 m = (5 * e + 2) / 153;
    Ymd out;
    out.day = int(e - (153 * m + 2) / 5 + 1);
    out.month = int(m + 3 - 12 * (m / 10));
    out.year = int(century100 + d - 4800 + m / 10);
    return out;
}
}  // namespace

Ymd gregorianFromJdn(qint64 jdn) {
    const qint64 a = jdn + 32044;
    const qint64 b = floorDiv(4 * a + 3, 146097);
    const qint64 c = a - floorDiv(146097 * b, 4);
    return fromMarchDays(100 * b, c);
}

Ymd julianFromJdn(qint64 jdn) { return fromMarchDays(0, jdn + 32082); }

qint64 lilianFromJdn(qint64 jdn) { return jdn - kLilianShift; }
qint64 jdnFromLilian(qint64 lilian) { return lilian + kLilianShift; }

int isoWeekdayFromJdn(qint64 jdn) { return int(jdn - floorDiv(jdn, 7) * 7) + 1; }

int julianLag(qint64 jdn) {
    const Ymd j = julianFromJdn(jdn);
    // The Julian labels read as a Gregorian date; a Julian 29 February of a Gregorian common
    // year counts as the 1 March that follows, which keeps the lag of the day before.
    return int(jdn - jdnFromGregorian(j.year, j.month, j.day));
}

double meanYearGregorian() {
    qint64 days = 0;
    for (int y = 2001; y <= 2400; ++y) days += isGregorianLeapYear(y) ? 366 : 365;
    return double(days) / 400.0;
}
double meanYearJulian() { return (3 * 365 + 366) / 4.0; }
double yearsPerDayOfDrift(double meanYear) { return 1.0 / (meanYear - kMeanTropicalYear); }

QString isoExtended(const QDate& date) {
    return QStringLiteral("%1-%2-%3").arg(padded(date.year(), 4), padded(date.month(), 2), padded(date.day(), 2));
}
QString isoBasic(const QDate& date) { return padded(date.year(), 4) + padded(date.month(), 2) + padded(date.day(), 2); }
QString isoOrdinal(const QDate& date) { return QStringLiteral("%1-%2").arg(padded(date.year(), 4), padded(date.dayOfYear(), 3)); }
QString isoWeekDate(const QDate& date) {
    int weekYear = 0;
    const int week = date.weekNumber(&weekYear);
    return QStringLiteral("%1-W%2-%3").arg(padded(weekYear, 4), padded(week, 2)).arg(date.dayOfWeek());
}
int sheetFirstYear(int year) { return 2001 + 4 * int(floorDiv(year - 2001, 4)); }

int ownWeekColumn(const QDate& date) {
    const QDate jan1(date.year(), 1, 1);
    const QDate firstMonday = jan1.addDays(1 - jan1.dayOfWeek());
    return 2 + int(firstMonday.daysTo(date) / 7);
}

bool hasWeek53(int year) {
    const QDate jan1(year, 1, 1);
    const QDate monday54 = jan1.addDays(1 - jan1.dayOfWeek() + 52 * 7);
    return monday54.year() == year && monday54.addDays(6).year() == year;
}

SheetPlace sheetPlace(const QDate& date) {
    SheetPlace p;
    p.shownYear = date.year();
    p.column = ownWeekColumn(date);
    const bool inWeek53 = p.column == 54 && hasWeek53(date.year());
    if (p.column >= 54 && !inWeek53) {
        p.shownYear = date.year() + 1;
        p.column = 2;
        p.nextYearsBand = true;
    }
    p.weekNumber = p.column - 1;
    p.sheetYear = sheetFirstYear(p.shownYear);
    p.band = p.shownYear - p.sheetYear;
    p.row = 2 + date.dayOfWeek() + 11 * p.band;
    p.weekRow = 10 + 11 * p.band;
    return p;
}

}  // namespace zuvgen::greg
