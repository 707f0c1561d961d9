// The date forms the Gregorian pages share.

#include "pages/GregorianPages.h"

#include "kit/Formatting.h"

namespace zuvgen {

using namespace Qt::Literals::StringLiterals;

namespace {

// Astronomical year → "1582" or "4713 г. до н. э.".
QString yearLabel(int year) { return year > 0 ? QString::number(year) : u"%1 г. до н. э."_s.arg(1 - year); }

}  // namespace

QString dottedYmd(const greg::Ymd& d) { return dotted(d.day, d.month, d.year); }

QString longYmd(const greg::Ymd& d) {
    return u"%1 %2 %3"_s.arg(d.day).arg(monthGenitive(d.month), d.year > 0 ? yearLabel(d.year) + u" г."_s : yearLabel(d.year));
}

}  // namespace zuvgen
