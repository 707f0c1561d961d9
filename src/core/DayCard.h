#pragma once
// The day's card: a chosen day in words in both calendars, as Ctrl+C copies it from a dated
// screen. Four lines: the date and its weekday, its place in the Gregorian year, its place in
// the VRKS calendar from the day table, and its Julian day number.

#include <QDate>
#include <QString>
#include <QStringList>

namespace zuv {

// "dd.mm.yyyy, <weekday>\n"
// "григорианский календарь: день года N, неделя ISO W\n"
// "ВРКС: юга Y, год G, месяц M, число K, день года D, день юги X\n"   (an extra day:
//     "ВРКС: юга Y, год 4, дополнительный день E, день года D, день юги X"; a day the table
//     does not hold: "ВРКС: вне таблицы дней")
// "юлианский день J"
QString dayCard(const QDate& date, const QStringList& dayTable);

}  // namespace zuv
