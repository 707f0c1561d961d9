// The VRKS arithmetic: a day read through the day table and its notations, the chronology of
// the yugas, the two Easter computations and the mean years and their drift.

#include "facts/VrksFacts.h"

#include "core/DayTable.h"
#include "kit/Formatting.h"

#include <cmath>

namespace zuvgen::vrks {

std::optional<VrksDay> vrksDayOf(const QStringList& dayTableLines, const QDate& date) {
    const std::optional<zuv::DayTableEntry> entry = zuv::lookupDay(dayTableLines, date);
    if (!entry) return std::nullopt;
    VrksDay day;
    day.gregorian = date;
    day.yuga = entry->yuga;
    day.yearOfYuga = entry->yearOffset;
    day.dayOfYuga = entry->day;
    day.dayOfYear = entry->dayYear;
    return day;
}

QString dayMonthNotation(const VrksDay& day) { return dayMonth(day.dayOfMonth(), day.month()); }

QString annualNotation(const VrksDay& day) {
    if (day.isExtra())
        return QStringLiteral("Д%1.%2").arg(day.extraDay()).arg(day.yearNumber());
    return QStringLiteral("%1.%2").arg(dayMonthNotation(day)).arg(day.yearNumber());
}

QString ordinalNotation(const VrksDay& day) {
    return QStringLiteral("%1/%2").arg(day.yearNumber()).arg(padded(day.dayOfYear, 3));
}

QString yugaNotation(const VrksDay& day) {
    return QStringLiteral("%1.%2").arg(padded(day.dayOfYuga, 4)).arg(day.yuga);
}

QString yugaExpandedNotation(const VrksDay& day) {
    return QStringLiteral("%1.%2.%3").arg(padded(day.dayOfYear, 3)).arg(day.yearOfYuga).arg(day.yuga);
}

int dayOfYugaFrom(int yearOfYuga, int dayOfYear) { return 364 * (yearOfYuga - 1) + dayOfYear; }

// Years 1 … 3 have 364 days; everything from day 1093 on, extra days included, is year 4.
int yearOfYugaOf(int dayOfYuga) { return std::min(4, (dayOfYuga - 1) / 364 + 1); }

int dayOfYearOf(int dayOfYuga) { return dayOfYuga - 364 * (yearOfYugaOf(dayOfYuga) - 1); }

YugaSpan yugaSpan(int yuga) {
    YugaSpan span;
    span.yuga = yuga;
    span.start = zuv::yugaStartDate(yuga);
    span.days = zuv::yugaDayCount(yuga);
    span.end = span.start.addDays(span.days - 1);
    span.extraDays = span.days - 4 * 364;
    for (int y = 0; y < 4; ++y) span.yearStart[y] = span.start.addDays(364 * y);
    return span;
}

std::vector<YugaSpan> yugaChronology() {
    std::vector<YugaSpan> spans;
    for (int yuga = zuv::kFirstYuga; yuga <= zuv::kLastYuga; ++yuga) spans.push_back(yugaSpan(yuga));
    return spans;
}

QDate westernEaster(int year) {
    // The anonymous Gregorian algorithm (Meeus / Jones / Butcher).
    const int a = year % 19;
    const int b = year / 100;
    const int c = year % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int n = h + l - 7 * m + 114;
    return QDate(year, n / 31, n % 31 + 1);
}

QDate orthodoxEaster(int year) {
    // Meeus' Julian computus: the date comes out in the Julian calendar.
    const int a = year % 4;
    const int b = year % 7;
    const int c = year % 19;
    const int d = (19 * c + 15) % 30;
    const int e = (2 * a + 4 * b - d + 34) % 7;
    const int n = d + e + 114;
    return QDate::fromJulianDay(julianCalendarJd(year, n / 31, n % 31 + 1));
}

double meanVrksYear(int firstYuga, int lastYuga) {
    qint64 days = 0;
    for (int yuga = firstYuga; yuga <= lastYuga; ++yuga) days += zuv::yugaDayCount(yuga);
    return double(days) / (4.0 * (lastYuga - firstYuga + 1));
}

Drift driftOf(double meanYear, double tropicalYear) {
    Drift drift;
    drift.perYear = meanYear - tropicalYear;
    drift.secondsPerYear = drift.perYear * 86400.0;
    drift.perYuga = 4.0 * drift.perYear;
    drift.perCentury = 100.0 * drift.perYear;
    drift.yearsPerDay = drift.perYear == 0 ? 0 : 1.0 / std::fabs(drift.perYear);
    return drift;
}

double fractionalYear(const QDate& date) {
    const QDate jan1(date.year(), 1, 1);
    return date.year() + double(jan1.daysTo(date)) / jan1.daysInYear();
}

std::vector<DriftPoint> vrksYearStartDrift() {
    const QDate origin = zuv::dayTableFirstDate();
    std::vector<DriftPoint> points;
    int yearsElapsed = 0;
    for (const YugaSpan& span : yugaChronology()) {
        for (int y = 0; y < 4; ++y, ++yearsElapsed)
            points.push_back({fractionalYear(span.yearStart[y]),
                              double(origin.daysTo(span.yearStart[y])) - yearsElapsed * kTropicalYear});
    }
    // The day after the last yuga closes the curve.
    const QDate after = yugaSpan(zuv::kLastYuga).end.addDays(1);
    points.push_back({fractionalYear(after), double(origin.daysTo(after)) - yearsElapsed * kTropicalYear});
    return points;
}

std::vector<DriftPoint> gregorianYearStartDrift() {
    const QDate origin(1921, 1, 1);
    std::vector<DriftPoint> points;
    for (int year = 1921; year <= 2053; ++year) {
        const QDate jan1(year, 1, 1);
        points.push_back({double(year), double(origin.daysTo(jan1)) - (year - 1921) * kTropicalYear});
    }
    return points;
}

}  // namespace zuvgen::vrks
