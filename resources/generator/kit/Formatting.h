#pragma once
// Numbers and dates as every picture prints them, and the Russian names they go with: one
// place for zero padding, dotted dates, decimal commas, real minus signs, digit groups,
// weekday and month names, ordinals, plural forms and Roman numerals.

#include <QChar>
#include <QDate>
#include <QString>

namespace zuvgen {

QString padded(qint64 value, int width);            // 7, 3 → "007"
QString dotted(const QDate& date);                  // "04.03.1921"
QString dotted(int day, int month, int year);       // the same for a date of any calendar
QString dayMonth(const QDate& date);                // "04.03"
QString dayMonth(int day, int month);               // "28.11", also the VRKS число.месяц

QString decimal(double value, int decimals);        // "1,0417": decimal comma, real minus
QString signedDecimal(double value, int decimals);  // "+0,25", "−1,5", "0,00"
QString signedNumber(qint64 value);                 // "−3", "12"
// Digit groups of three: "2 451 545" with a no-break space, "3 226" with a thin space.
constexpr QChar kNoBreakSpace(0x00A0);
constexpr QChar kThinSpace(0x2009);
QString grouped(qint64 value, QChar separator);

QString weekdayName(int weekday);                   // 1 = "понедельник" … 7 = "воскресенье"
QString weekdayName(const QDate& date);             // the name of the date's own weekday
QString weekdayShort(int weekday);                  // "пн" … "вс"
QString monthNominative(int month);                 // "январь"
QString monthGenitive(int month);                   // "января"
QString longRussianDate(const QDate& date);         // "15 марта 2005 г."

QString ordinal(int n);                             // "1-й", "2-й"
// The noun form after a number: pluralRu(5, "день", "дня", "дней") → "дней".
QString pluralRu(int n, const QString& one, const QString& few, const QString& many);
QString romanNumeral(int n);                        // "I" … "XIII"

}  // namespace zuvgen
