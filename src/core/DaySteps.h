#pragma once
// Stepping the marked day from the keyboard on a dated screen: a day, a week, a month or a
// year forward or back in the screen's calendar, or back to today, always inside the days the
// screen's picker offers; and which key does which step.

#include <QDate>
#include <QStringList>
#include <Qt>
#include <optional>

namespace zuv {

enum class DayStep { NextDay, PreviousDay, NextWeek, PreviousWeek, NextMonth, PreviousMonth, NextYear, PreviousYear, Today };

// Whose months and years a step counts: the Gregorian sheets step by QDate's months and
// years, the VRKS screens by months of 28 days and VRKS years.
enum class StepCalendar { Gregorian, Vrks };

// The day one step from `from`, kept inside [first, last]: a step that would leave the range
// stops on its first or last day.
// Month: Gregorian as QDate::addMonths (31.01 → 28.02 or 29.02); VRKS 28 days.
// Year: Gregorian as QDate::addYears (29.02 → 28.02); VRKS the same day of the VRKS year in
// the next or previous VRKS year (year 4 of a yuga is followed by year 1 of the next), an
// extra day going to day 364 of a year without it; a VRKS year the day table does not hold
// stops on the range's end in that direction.
// Today: `today`, kept inside the range too.
QDate stepDay(const QDate& from, DayStep step, StepCalendar calendar, QDate first, QDate last, const QDate& today,
              const QStringList& dayTable);

// → ← a day, ↓ ↑ a week, Page Down / Page Up a month, Ctrl+Page Down / Ctrl+Page Up a year,
// Home today. The keypad's flag is ignored (its arrows step too); any other modifier or key
// is no step.
std::optional<DayStep> dayStepForKey(int key, Qt::KeyboardModifiers modifiers);

}  // namespace zuv
