// From a VRKS day back to its Gregorian date: counted from the yuga's first day, then checked
// against the day table's line of that date.

#include "VrksDates.h"

#include "core/DayTable.h"

namespace zuv {

std::optional<QDate> vrksDate(int yuga, int yearOffset, int dayYear, const QStringList& dayTable) {
    if (yuga < kFirstYuga || yuga > kLastYuga || yearOffset < 1 || yearOffset > 4 || dayYear < 1) return std::nullopt;
    // Only year 4 runs past 364 days, so the day of the yuga follows from the year and the day.
    const QDate date = yugaStartDate(yuga).addDays(kVrksYearDays * (yearOffset - 1) + dayYear - 1);
    // A day the year does not have lands on the next year's line (or a yuga's next one): the
    // table's own numbers tell.
    const std::optional<DayTableEntry> entry = lookupDay(dayTable, date);
    if (!entry || entry->yuga != yuga || entry->yearOffset != yearOffset || entry->dayYear != dayYear) return std::nullopt;
    return date;
}

}  // namespace zuv
