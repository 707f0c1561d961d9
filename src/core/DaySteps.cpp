// The day steps: QDate's own arithmetic for the Gregorian calendar and for days and weeks, the
// day table for the VRKS year, one clamp into the picker's range for every step.

#include "DaySteps.h"

#include "core/DayTable.h"
#include "core/VrksDates.h"

#include <algorithm>

namespace zuv {

namespace {

constexpr int kWeekDays = 7;

// The same day of the VRKS year `years` (±1) VRKS years away; nullopt outside the day table.
std::optional<QDate> vrksYearsAway(const QDate& from, int years, const QStringList& dayTable) {
    const std::optional<DayTableEntry> e = lookupDay(dayTable, from);
    if (!e) return std::nullopt;
    int yuga = e->yuga;
    int year = e->yearOffset + years;
    if (year > 4) {
        ++yuga;
        year = 1;
    } else if (year < 1) {
        --yuga;
        year = 4;
    }
    if (const std::optional<QDate> date = vrksDate(yuga, year, e->dayYear, dayTable)) return date;
    // Only year 4 has extra days: in any other year the last day of the thirteenth month stands in.
    if (e->dayYear > kVrksYearDays) return vrksDate(yuga, year, kVrksYearDays, dayTable);
    return std::nullopt;
}

QDate monthsAway(const QDate& from, int months, StepCalendar calendar) {
    return calendar == StepCalendar::Gregorian ? from.addMonths(months) : from.addDays(qint64(months) * kVrksMonthDays);
}

QDate yearsAway(const QDate& from, int years, StepCalendar calendar, QDate rangeEnd, const QStringList& dayTable) {
    if (calendar == StepCalendar::Gregorian) return from.addYears(years);
    return vrksYearsAway(from, years, dayTable).value_or(rangeEnd);
}

QDate unclamped(const QDate& from, DayStep step, StepCalendar calendar, QDate first, QDate last, const QDate& today,
                const QStringList& dayTable) {
    switch (step) {
    case DayStep::NextDay: return from.addDays(1);
    case DayStep::PreviousDay: return from.addDays(-1);
    case DayStep::NextWeek: return from.addDays(kWeekDays);
    case DayStep::PreviousWeek: return from.addDays(-kWeekDays);
    case DayStep::NextMonth: return monthsAway(from, 1, calendar);
    case DayStep::PreviousMonth: return monthsAway(from, -1, calendar);
    case DayStep::NextYear: return yearsAway(from, 1, calendar, last, dayTable);
    case DayStep::PreviousYear: return yearsAway(from, -1, calendar, first, dayTable);
    case DayStep::Today: break;
    }
    return today;
}

}  // namespace

QDate stepDay(const QDate& from, DayStep step, StepCalendar calendar, QDate first, QDate last, const QDate& today,
              const QStringList& dayTable) {
    return std::clamp(unclamped(from, step, calendar, first, last, today, dayTable), first, last);
}

std::optional<DayStep> dayStepForKey(int key, Qt::KeyboardModifiers modifiers) {
    modifiers.setFlag(Qt::KeypadModifier, false);
    if (modifiers == Qt::ControlModifier) {
        if (key == Qt::Key_PageDown) return DayStep::NextYear;
        if (key == Qt::Key_PageUp) return DayStep::PreviousYear;
        return std::nullopt;
    }
    if (modifiers != Qt::NoModifier) return std::nullopt;
    switch (key) {
    case Qt::Key_Right: return DayStep::NextDay;
    case Qt::Key_Left: return DayStep::PreviousDay;
    case Qt::Key_Down: return DayStep::NextWeek;
    case Qt::Key_Up: return DayStep::PreviousWeek;
    case Qt::Key_PageDown: return DayStep::NextMonth;
    case Qt::Key_PageUp: return DayStep::PreviousMonth;
    case Qt::Key_Home: return DayStep::Today;
    default: return std::nullopt;
    }
}

}  // namespace zuv
