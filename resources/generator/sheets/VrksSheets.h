#pragma once
// What the VRKS sheets share: reading the day table, the four numbered tables of the 364-day
// year (on the year sheets and on the calendar table) and the Russian labels.

#include "kit/Output.h"
#include "kit/SheetCanvas.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace zuvgen {

// One line of the day table, read by its fields.
struct DayLine {
    bool dated = false;  // false for a filler line
    QDate date;          // invalid on a filler line
    int weekday = 0;     // VRKS weekday 1 … 7
    int dayYear = 0;     // 1 … 364, 365 … 369 for the extra days
    int yearOffset = 0;  // year of the yuga 1 … 4
    int day = 0;         // day of the yuga 1 … 1463
};

// The line of day `day` (1 … 1463) of a yuga (481 … 513), read from the loaded table. Stops
// the generator when the line is missing or says something else than its place promises.
DayLine dayLineOf(const QStringList& lines, int yuga, int day);
// The Gregorian date of a day of the yuga; the day must be a dated one.
QDate yugaDate(const QStringList& lines, int yuga, int day);
int yugaDays(const QStringList& lines, int yuga);  // 1461, or 1460 for yuga 512: dated lines
// The yuga from its first to its last day: "04.03.1921 – 03.03.1925".
QString yugaSpanText(const QStringList& lines, int yuga);

// The four tables of the VRKS year, table t = 1 … 4 in rows 2 + 11(t − 1) … 11 + 11(t − 1):
// header, Monday … Sunday, week numbers, caption. Day N (1 … 364) stands in column
// (N − 1) div 7 + 2 and weekday row (N − 1) mod 7 + 3 of every table; table 1 numbers it as
// the day of the year, 2 as the day of the month, 3 of the season, 4 of the half-year.
void drawYearTables(SheetCanvas& sheet);

}  // namespace zuvgen
