#pragma once
// The VRKS day table "DVRKS": its text, its lines and the lookup of a Gregorian day.
// Plain functions over Qt value types; no widgets, no resources.

#include <QByteArray>
#include <QDate>
#include <QStringList>
#include <optional>

namespace zuv {

// The numbers a dated line gives for one Gregorian day.
struct DayTableEntry {
    int day = 0;         // day of the yuga, 1 … 1461 (field 8)
    int dayYear = 0;     // day of the VRKS year, 1 … 369; 365 and above are extra days (field 6)
    int yuga = 0;        // yuga number, 481 … 513 (field 9)
    int yearOffset = 0;  // year of the yuga, 1 … 4 (field 7)
};

constexpr int kFirstYuga = 481;
constexpr int kLastYuga = 513;
constexpr int kLinesPerYuga = 1463;                                      // 209 weeks
constexpr int kDayTableLines = (kLastYuga - kFirstYuga + 1) * kLinesPerYuga;  // 48,279

QDate dayTableFirstDate();  // 04.03.1921, the first dated line
QDate dayTableLastDate();   // 02.03.2053, the last dated line

// First Gregorian day of a yuga and its number of days (1461; 1460 for yuga 512).
QDate yugaStartDate(int yuga);
int yugaDayCount(int yuga);

// The whole resource text, byte for byte: every line ends in CR LF.
QByteArray generateDayTableText();

// Splits the resource text at CR LF into lines without terminators
// (the final CR LF makes no empty line).
QStringList splitDayTableLines(const QByteArray& text);

// 0-based position of the date's line: (yuga − 481) × 1463 + Day − 1; nullopt for a
// date before 04.03.1921 or after 02.03.2053.
std::optional<int> dayTablePosition(const QDate& date);

// Looks the date up in the loaded lines in constant time. The line found by position is
// checked: it must be a dated line carrying exactly this date. Anything else (a date outside
// the table, a short or damaged list) gives nullopt; a filler line is never a result.
std::optional<DayTableEntry> lookupDay(const QStringList& lines, const QDate& date);

}  // namespace zuv
