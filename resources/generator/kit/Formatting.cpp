// The number, date and name formats of the generator.

#include "kit/Formatting.h"

#include <cmath>
#include <cstdlib>

namespace zuvgen {

namespace {

const QString kMinus = QStringLiteral("−");

}  // namespace

QString padded(qint64 value, int width) { return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0')); }

QString dotted(const QDate& date) { return dotted(date.day(), date.month(), date.year()); }

QString dotted(int day, int month, int year) {
    return QStringLiteral("%1.%2.%3").arg(padded(day, 2), padded(month, 2), padded(year, 4));
}

QString dayMonth(const QDate& date) { return dayMonth(date.day(), date.month()); }

QString dayMonth(int day, int month) { return QStringLiteral("%1.%2").arg(padded(day, 2), padded(month, 2)); }

QString decimal(double value, int decimals) {
    QString text = QString::number(std::fabs(value), 'f', decimals);
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    const bool zero = text.count(QLatin1Char('0')) + text.count(QLatin1Char(',')) == text.size();
    if (value < 0 && !zero) text.prepend(kMinus);
    return text;
}

QString signedDecimal(double value, int decimals) {
    const QString text = decimal(value, decimals);
    const bool zero = text.count(QLatin1Char('0')) + text.count(QLatin1Char(',')) == text.size();
    return value > 0 && !zero ? QStringLiteral("+") + text : text;
}

QString signedNumber(qint64 value) { return value < 0 ? kMinus + QString::number(-value) : QString::number(value); }

QString grouped(qint64 value, QChar separator) {
    QString digits = QString::number(std::llabs(value));
    for (int i = int(digits.size()) - 3; i > 0; i -= 3) digits.insert(i, separator);
    return value < 0 ? kMinus + digits : digits;
}

QString weekdayName(int weekday) {
    static const char* const names[] = {"понедельник", "вторник", "среда", "четверг",
                                        "пятница", "суббота", "воскресенье"};
    return QString::fromUtf8(names[(weekday - 1) % 7]);
}

QString weekdayName(const QDate& date) { return weekdayName(date.dayOfWeek()); }

QString weekdayShort(int weekday) {
    static const char* const names[] = {"пн", "вт", "ср", "чт", "пт", "сб", "вс"};
    return QString::fromUtf8(names[(weekday - 1) % 7]);
}

QString monthNominative(int month) {
    static const char* const names[] = {"январь", "февраль", "март", "апрель", "май", "июнь",
                                        "июль", "август", "сентябрь", "октябрь", "ноябрь", "декабрь"};
    return QString::fromUtf8(names[(month - 1) % 12]);
}

QString monthGenitive(int month) {
    static const char* const names[] = {"января", "февраля", "марта", "апреля", "мая", "июня",
                                        "июля", "августа", "сентября", "октября", "ноября", "декабря"};
    return QString::fromUtf8(names[(month - 1) % 12]);
}

QString longRussianDate(const QDate& date) {
    return QStringLiteral("%1 %2 %3 г.").arg(date.day()).arg(monthGenitive(date.month())).arg(date.year());
}

QString ordinal(int n) { return QString::number(n) + QStringLiteral("-й"); }

QString pluralRu(int n, const char* one, const char* few, const char* many) {
    const int lastTwo = n % 100, last = n % 10;
    if (lastTwo >= 11 && lastTwo <= 14) return QString::fromUtf8(many);
    if (last == 1) return QString::fromUtf8(one);
    if (last >= 2 && last <= 4) return QString::fromUtf8(few);
    return QString::fromUtf8(many);
}

QString romanNumeral(int n) {
    static const char* const numerals[] = {"I",  "II",  "III", "IV",  "V",   "VI",  "VII",
                                           "VIII", "IX", "X",   "XI",  "XII", "XIII"};
    return QString::fromLatin1(numerals[n - 1]);
}

}  // namespace zuvgen
