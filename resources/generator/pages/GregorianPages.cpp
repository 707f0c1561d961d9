// The date forms the Gregorian pages share.

#include "pages/GregorianPages.h"

#include "kit/Formatting.h"

namespace zuvgen {

namespace {

// Astronomical year → "1582" or "4713 г. до н. э.".
QString yearLabel(int year) { return year > 0 ? QString::number(year) : QStringLiteral("%1 г. до н. э.").arg(1 - year); }

}  // namespace

QString dottedYmd(const greg::Ymd& d) { return dotted(d.day, d.month, d.year); }

QString longYmd(const greg::Ymd& d) {
    return QStringLiteral("%1 %2 %3").arg(d.day).arg(monthGenitive(d.month), d.year > 0 ? yearLabel(d.year) + QStringLiteral(" г.") : yearLabel(d.year));
}

}  // namespace zuvgen
