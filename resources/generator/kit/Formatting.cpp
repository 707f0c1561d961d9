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
    static const QString names[] = {
        QStringLiteral("понедельник"), QStringLiteral("вторник"), QStringLiteral("среда"),
        QStringLiteral("четверг"), QStringLiteral("пятница"), QStringLiteral("суббота"),
        QStringLiteral("воскресенье")};
    return names[(weekday - 1) % 7];
}

QString weekdayName(const QDate& date) { return weekdayName(date.dayOfWeek()); }

QString weekdayShort(int weekday) {
    static const QString names[] = {
        QStringLiteral("пн"), QStringLiteral("вт"), QStringLiteral("ср"),
        QStringLiteral("чт"), QStringLiteral("пт"), QStringLiteral("сб"),
        QStringLiteral("вс")};
    return names[(weekday - 1) % 7];
}

QString monthNominative(int month) {
    static const QString names[] = {
        QStringLiteral("январь"), QStringLiteral("февраль"), QStringLiteral("март"),
        QStringLiteral("апрель"), QStringLiteral("май"), QStringLiteral("июнь"),
        QStringLiteral("июль"), QStringLiteral("август"), QStringLiteral("сентябрь"),
        QStringLiteral("октябрь"), QStringLiteral("ноябрь"), QStringLiteral("декабрь")};
    return names[(month - 1) % 12];
}

QString monthGenitive(int month) {
    static const QString names[] = {
        QStringLiteral("января"), QStringLiteral("февраля"), QStringLiteral("марта"),
        QStringLiteral("апреля"), QStringLiteral("мая"), QStringLiteral("июня"),
        QStringLiteral("июля"), QStringLiteral("августа"), QStringLiteral("сентября"),
        QStringLiteral("октября"), QStringLiteral("ноября"), QStringLiteral("декабря")};
    return names[(month - 1) % 12];
}

QString longRussianDate(const QDate& date) {
    return QStringLiteral("%1 %2 %3 г.").arg(date.day()).arg(monthGenitive(date.month())).arg(date.year());
}

QString ordinal(int n) { return QString::number(n) + QStringLiteral("-й"); }

QString pluralRu(int n, const QString& one, const QString& few, const QString& many) {
    const int lastTwo = n % 100, last = n % 10;
    if (lastTwo >= 11 && lastTwo <= 14) return many;
    if (last == 1) return one;
    if (last >= 2 && last <= 4) return few;
    return many;
}

QString romanNumeral(int n) {
    static const QString numerals[] = {
        QStringLiteral("I"), QStringLiteral("II"), QStringLiteral("III"),
        QStringLiteral("IV"), QStringLiteral("V"), QStringLiteral("VI"),
        QStringLiteral("VII"), QStringLiteral("VIII"), QStringLiteral("IX"),
        QStringLiteral("X"), QStringLiteral("XI"), QStringLiteral("XII"),
        QStringLiteral("XIII")};
    return numerals[n - 1];
}

}  // namespace zuvgen
