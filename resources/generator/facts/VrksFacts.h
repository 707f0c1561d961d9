#pragma once
// The arithmetic behind the VRKS section pages: a Gregorian day read through the day table
// and written in the VRKS notations, the chronology of the yugas, the two Easter computations
// and the mean years of the calendars. Plain functions over Qt value types, no drawing.

#include "facts/GregorianFacts.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace zuvgen::vrks {

// ---- a VRKS day ---------------------------------------------------------------------------

// One Gregorian day as the VRKS calendar counts it; the four stored numbers come from the
// day table, the rest follows from the calendar's fixed rules.
struct VrksDay {
    QDate gregorian;
    int yuga = 0;        // 481 … 513
    int yearOfYuga = 0;  // 1 … 4
    int dayOfYuga = 0;   // 1 … 1461
    int dayOfYear = 0;   // 1 … 364, extra days 365 … 369

    bool isExtra() const { return dayOfYear > 364; }
    int extraDay() const { return isExtra() ? dayOfYear - 364 : 0; }            // 1 … 5
    int month() const { return isExtra() ? 0 : (dayOfYear - 1) / 28 + 1; }       // 1 … 13
    int dayOfMonth() const { return isExtra() ? 0 : (dayOfYear - 1) % 28 + 1; }   // 1 … 28
    int weekday() const { return (dayOfYuga - 1) % 7 + 1; }                        // 1 … 7
    int week() const { return (dayOfYear - 1) / 7 + 1; }                           // 1 … 53
    int season() const { return isExtra() ? 0 : (dayOfYear - 1) / 91 + 1; }      // 1 … 4
    // The running number of the VRKS year: year 1 of yuga n is 4n − 3, the Gregorian year in
    // which it begins (yuga 481 → 1921).
    int yearNumber() const { return 4 * (yuga - 1) + yearOfYuga; }
};

// The VRKS day of a Gregorian date, read from the loaded day table; nullopt outside it.
std::optional<VrksDay> vrksDayOf(const QStringList& dayTableLines, const QDate& date);

// Day and month of a day of the 13 months: "ЧЧ.ММ", as in the annual format without the year.
QString dayMonthNotation(const VrksDay& day);
// Annual format: "ДД.ММ.ГГГГ" with the month 01 … 13 and the VRKS year number; an extra day
// is "Д1.ГГГГ" … "Д5.ГГГГ".
QString annualNotation(const VrksDay& day);
// Ordinal form of the annual format: "ГГГГ/ДДД", the day of the year with three digits.
QString ordinalNotation(const VrksDay& day);
// Yuga format: "ДДДД.ЮЮЮ", the day of the yuga with four digits and the yuga.
QString yugaNotation(const VrksDay& day);
// Expanded yuga format: "ДДД.Г.ЮЮЮ", day of the year, year of the yuga, yuga.
QString yugaExpandedNotation(const VrksDay& day);

// Day of the yuga from the year of the yuga and the day of that year, and back.
int dayOfYugaFrom(int yearOfYuga, int dayOfYear);
int yearOfYugaOf(int dayOfYuga);
int dayOfYearOf(int dayOfYuga);

// ---- chronology ---------------------------------------------------------------------------

struct YugaSpan {
    int yuga = 0;
    QDate start;          // first day
    QDate end;            // last day (the last extra day)
    int days = 0;         // 1461, or 1460 for yuga 512
    int extraDays = 0;    // 5, or 4 for yuga 512
    QDate yearStart[4];   // first day of years 1 … 4
};

YugaSpan yugaSpan(int yuga);
std::vector<YugaSpan> yugaChronology();  // yugas 481 … 513 in order

// ---- Easter -------------------------------------------------------------------------------

// Western (Gregorian computus) Easter Sunday of a year, as a Gregorian date.
QDate westernEaster(int year);
// Orthodox (Julian computus) Easter Sunday of a year, converted to the Gregorian calendar.
QDate orthodoxEaster(int year);
// Julian day number of a date of the Julian calendar (the Gregorian pages' own conversion).
inline qint64 julianCalendarJd(int year, int month, int day) { return greg::jdnFromJulian(year, month, day); }

// ---- mean years ---------------------------------------------------------------------------

// Mean tropical year at epoch 2000 in days (365 d 5 h 48 min 45 s).
constexpr double kTropicalYear = 365.24219;
constexpr double kJulianYear = 1461.0 / 4.0;        // 365.25
constexpr double kGregorianYear = 146097.0 / 400.0; // 365.2425
// A VRKS yuga of 1461 days gives the plain mean year 365.25; shortening one yuga in 32
// (as yuga 512 is shortened) gives 46751 / 128 days.
constexpr double kVrksPlainYear = 1461.0 / 4.0;
constexpr double kVrksCorrectedYear = (32.0 * 1461.0 - 1.0) / 128.0;

// Mean year length over the yugas first … last, from the day table's yuga lengths.
double meanVrksYear(int firstYuga, int lastYuga);

struct Drift {
    double perYear = 0;         // days the calendar year exceeds the tropical year
    double secondsPerYear = 0;
    double perYuga = 0;         // over four years
    double perCentury = 0;
    double yearsPerDay = 0;     // years until the difference makes a whole day (absolute)
};
Drift driftOf(double meanYear, double tropicalYear = kTropicalYear);

// Where each VRKS year begins against a calendar that keeps the mean tropical year exactly,
// both started on 04.03.1921: elapsed VRKS days minus elapsed tropical years, in days.
struct DriftPoint {
    double year;   // fractional Gregorian year of the VRKS year's start
    double drift;  // days; positive = the VRKS year starts late
};
std::vector<DriftPoint> vrksYearStartDrift();
// The same for the Gregorian 1 January, from 1921 to 2053 (started on 01.01.1921).
std::vector<DriftPoint> gregorianYearStartDrift();

// Fractional year of a date (2000.0 = 1 January 2000 0 h).
double fractionalYear(const QDate& date);

}  // namespace zuvgen::vrks
