#pragma once
// The VRKS year as the day card, the day steps and the sheet cells count it: thirteen months
// of 28 days make 364 days, and year 4 of a yuga ends in extra days (days 365 and on). The
// one way back from a VRKS day to its Gregorian date is through the day table.

#include <QDate>
#include <QStringList>
#include <optional>

namespace zuv {

constexpr int kVrksMonthDays = 28;
constexpr int kVrksYearDays = 364;  // the thirteen months; an extra day has a larger day of the year

// The Gregorian date of day `dayYear` of year `yearOffset` (1 … 4) of a yuga, as the day table
// holds it; nullopt when the table has no such day (a year without that extra day, a yuga
// outside 481 … 513).
std::optional<QDate> vrksDate(int yuga, int yearOffset, int dayYear, const QStringList& dayTable);

}  // namespace zuv
