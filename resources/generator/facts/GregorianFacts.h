#pragma once
// Calendar arithmetic behind the Gregorian description pages: leap-year rules, the Julian
// day number and the Lilian day number, the drift of the Julian calendar, ISO 8601 forms and
// the place of a day on the four-year sheets GS2001 … GS2049. Plain functions, no drawing.
//
// Years use astronomical numbering (1 BC = year 0, 2 BC = −1). A "day number" (JDN) is the
// integer Julian day of a civil day: the Julian day that begins at noon of that day.

#include "kit/Formatting.h"

#include <QDate>
#include <QString>

namespace zuvgen::greg {

bool isGregorianLeapYear(int year);
bool isJulianLeapYear(int year);
// The revised Julian calendar of 1923: a century year is leap when year mod 900 is 200 or 600.
bool isRevisedJulianLeapYear(int year);

struct Ymd {
    int year = 0;
    int month = 0;
    int day = 0;
    bool operator==(const Ymd& o) const { return year == o.year && month == o.month && day == o.day; }
};

qint64 jdnFromGregorian(int year, int month, int day);
qint64 jdnFromJulian(int year, int month, int day);
Ymd gregorianFromJdn(qint64 jdn);
Ymd julianFromJdn(qint64 jdn);

// The intermediate values of the day-number formula for a Gregorian date, for worked examples:
// a = (14 − month) div 12, y = year + 4800 − a, m = month + 12a − 3,
// JDN = day + (153m + 2) div 5 + 365y + y div 4 − y div 100 + y div 400 − 32045.
struct JdnSteps {
    int a = 0;
    int y = 0;
    int m = 0;
    qint64 monthDays = 0;  // (153m + 2) div 5
    qint64 yearDays = 0;   // 365y
    qint64 leapDays = 0;   // y div 4 − y div 100 + y div 400
    qint64 jdn = 0;
};
JdnSteps jdnSteps(int year, int month, int day);

// Lilian day number: 15.10.1582, the first day of the Gregorian calendar, is day 1.
constexpr qint64 kLilianShift = 2299160;  // JDN − Lilian day number
qint64 lilianFromJdn(qint64 jdn);
qint64 jdnFromLilian(qint64 lilian);

// Weekday of a day number, 1 = Monday … 7 = Sunday.
int isoWeekdayFromJdn(qint64 jdn);

// How many days the Julian calendar's date lags behind the Gregorian date of the same day.
int julianLag(qint64 jdn);

// Mean calendar years and the number of years in which each gains one day on the mean
// tropical year.
constexpr double kMeanTropicalYear = 365.24219;
double meanYearGregorian();  // 365.2425, from the 400-year cycle
double meanYearJulian();     // 365.25
double yearsPerDayOfDrift(double meanYear);

// ISO 8601 forms of a date: "2005-03-15", "20050315", ordinal "2005-074", week "2005-W11-2".
QString isoExtended(const QDate& date);
QString isoBasic(const QDate& date);
QString isoOrdinal(const QDate& date);
QString isoWeekDate(const QDate& date);
// The program's own form dd.mm.yyyy, as every picture writes it.
using zuvgen::dotted;

// Four-year sheets: the sheet named after year S holds S … S + 3, one band per year.
int sheetFirstYear(int year);  // 2001 + 4 · ((year − 2001) div 4), for year ≥ 2001
// Week column of a day in its own year's band: column 2 is the Monday-to-Sunday week that
// holds 1 January, each later week one column further right (53 or 54 at the most, 55 for a
// Monday 31 December after a week 53).
int ownWeekColumn(const QDate& date);
// True when column 54 of the year is a week 53 lying wholly inside the year.
bool hasWeek53(int year);

// Where a day is found (and marked) on the sheets. A late-December day whose week runs into
// the next year is found in column 2 of the next year's band, among that week's greyed days.
struct SheetPlace {
    int sheetYear = 0;   // GS<sheetYear>
    int shownYear = 0;   // the year whose band holds the cell
    int band = 0;        // 0 … 3
    int column = 0;      // week column
    int row = 0;         // weekday row 2 + weekday + 11 · band
    int weekRow = 0;     // week-number row 10 + 11 · band
    int weekNumber = 0;  // number printed under the column (1 … 53)
    bool nextYearsBand = false;
};
SheetPlace sheetPlace(const QDate& date);

}  // namespace zuvgen::greg
