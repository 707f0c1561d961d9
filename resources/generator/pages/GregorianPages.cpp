// The Gregorian section and description pages, the interface guide and the patent page.
// Every date, day number and count on them is computed here (GregorianFacts, QDate); the
// sentences around them are ours.
#include "kit/Output.h"
#include "facts/GregorianFacts.h"
#include "kit/Formatting.h"
#include "kit/Page.h"

#include <QDate>
#include <QPainterPath>
#include <cmath>

namespace zuvgen {

using namespace Qt::Literals::StringLiterals;
using namespace greg;

namespace {

const QString kSystemFooter = u"Григорианская календарная система"_s;
const QString kProjectFooter = u"ЗУВ · календарный проект ОРИВАНТ"_s;

// Astronomical year → "1582" or "4713 г. до н. э.".
QString yearLabel(int year) { return year > 0 ? QString::number(year) : u"%1 г. до н. э."_s.arg(1 - year); }

QString dottedYmd(const Ymd& d) { return dotted(d.day, d.month, d.year); }

QString longYmd(const Ymd& d) {
    return u"%1 %2 %3"_s.arg(d.day).arg(monthGenitive(d.month), d.year > 0 ? yearLabel(d.year) + u" г."_s : yearLabel(d.year));
}

QDate dateOf(qint64 jdn) { return QDate::fromJulianDay(jdn); }

// Where a day of the sheets is, in words: "GS2005, 2006 (полоса 1), столбец 2, строка 16".
QString sheetWords(const QDate& d) {
    const SheetPlace p = sheetPlace(d);
    return u"GS%1, столбец %2, строка %3"_s.arg(p.sheetYear).arg(p.column).arg(p.row);
}

// ---- the adoption of the Gregorian calendar ------------------------------------------------

struct Adoption {
    const char* where;
    Ymd lastJulian;  // the last day counted by the Julian calendar
};

// The first Gregorian day follows the last Julian one: both are the same count of days.
Ymd firstGregorianDay(const Adoption& a) {
    return gregorianFromJdn(jdnFromJulian(a.lastJulian.year, a.lastJulian.month, a.lastJulian.day) + 1);
}

const Adoption kAdoptions[] = {
    {"Папская область, Испания, Португалия, Речь Посполитая", {1582, 10, 4}},
    {"Франция", {1582, 12, 9}},
    {"Венгрия", {1587, 10, 21}},
    {"Протестантские земли Германии, Дания и Норвегия", {1700, 2, 18}},
    {"Великобритания и её колонии", {1752, 9, 2}},
    {"Швеция и Финляндия", {1753, 2, 17}},
    {"Болгария", {1916, 3, 31}},
    {"Советская Россия", {1918, 1, 31}},
    {"Греция", {1923, 2, 15}},
};

// One row per period of equal lag: from the Julian 1 March of a century year on which the lag
// changes to the day before the next change.
struct LagPeriod {
    Ymd julianStart;
    Ymd gregorianStart;
    int lag;
};

std::vector<LagPeriod> lagPeriods(int firstCentury, int lastCentury) {
    std::vector<LagPeriod> out;
    int previous = INT32_MIN;
    for (int c = firstCentury; c <= lastCentury; ++c) {
        const qint64 jdn = jdnFromJulian(c * 100, 3, 1);
        const int lag = julianLag(jdn);
        if (lag != previous) out.push_back({Ymd{c * 100, 3, 1}, gregorianFromJdn(jdn), lag});
        previous = lag;
    }
    return out;
}

// ---- a page excerpt of a four-year sheet --------------------------------------------------

// Draws the first `weeks` week columns of the band of `year` as the sheets show them, with the
// three marks a dating draws around `marked`: its day, its weekday name and its week number.
void drawBandExcerpt(QPainter& p, const QRectF& area, int year, int weeks, const QDate& marked, qreal u) {
    const PagePalette& pal = pagePalette();
    const int rows = 11;  // column numbers, then rows 2 … 11 of the band
    const qreal labelW = 1.9 * u;     // grid row numbers
    const qreal nameW = 2.3 * u;      // column 1, weekday names
    const qreal cw = (area.width() - labelW - nameW) / weeks;
    const qreal ch = area.height() / rows;
    const SheetPlace place = sheetPlace(marked);
    const int bandRow0 = 2 + 11 * place.band;  // first grid row of the band

    auto cellRect = [&](int column, int rowInBand) {  // rowInBand 0 = the month-name row
        const qreal top = area.top() + ch * (rowInBand + 1);
        if (column == 1) return QRectF(area.left() + labelW, top, nameW, ch);
        return QRectF(area.left() + labelW + nameW + (column - 2) * cw, top, cw, ch);
    };
    const QFont small = typeface(Face::Sans, 0.62 * u);
    const QFont cellFont = typeface(Face::Sans, 0.78 * u);
    const QFont bold = typeface(Face::SansBold, 0.78 * u);

    // Grid numbers along the top and the left, in muted ink.
    p.setFont(small);
    p.setPen(pal.muted);
    for (int c = 1; c <= weeks + 1; ++c) {
        const QRectF r = cellRect(c, 0).translated(0, -ch);
        p.drawText(r, Qt::AlignCenter, QString::number(c));
    }
    for (int r = 0; r < rows - 1; ++r)
        p.drawText(QRectF(area.left(), area.top() + ch * (r + 1), labelW - 0.3 * u, ch), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(bandRow0 + r));

    // Weekday rows with a Sunday tint, then the day numbers.
    const QDate jan1(year, 1, 1);
    const QDate firstMonday = jan1.addDays(1 - jan1.dayOfWeek());
    for (int wd = 1; wd <= 7; ++wd) {
        const QRectF name = cellRect(1, wd);
        if (wd == 7) p.fillRect(QRectF(name.left(), name.top(), nameW + weeks * cw, ch), pal.highlightFill);
        p.setFont(bold);
        p.setPen(wd == 7 ? pal.accent2 : pal.ink);
        p.drawText(name.adjusted(0.3 * u, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, weekdayShort(wd));
        for (int w = 0; w < weeks; ++w) {
            const QDate day = firstMonday.addDays(7 * w + wd - 1);
            p.setFont(cellFont);
            p.setPen(day.year() != year ? pal.neighbourDay : (wd == 7 ? pal.accent2 : pal.ink));
            p.drawText(cellRect(w + 2, wd), Qt::AlignCenter, QString::number(day.day()));
        }
    }
    // Month names over the column in which each month begins.
    p.setFont(typeface(Face::SansBold, 0.68 * u));
    p.setPen(pal.accent);
    for (int m = 1; m <= 12; ++m) {
        const int column = ownWeekColumn(QDate(year, m, 1));
        if (column - 2 >= weeks) break;
        p.drawText(cellRect(column, 0).adjusted(0.15 * u, 0, 3 * cw, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   monthNominative(m));
    }
    // Week numbers and the caption.
    p.setFont(small);
    p.setPen(pal.muted);
    p.drawText(cellRect(1, 8).adjusted(0.3 * u, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, u"нед."_s);
    for (int w = 0; w < weeks; ++w) p.drawText(cellRect(w + 2, 8), Qt::AlignCenter, QString::number(w + 1));
    p.setFont(typeface(Face::SerifBold, 0.75 * u));
    p.setPen(pal.ink);
    const QRectF captionRow = cellRect(1, 9);
    p.drawText(QRectF(captionRow.left(), captionRow.top(), nameW + weeks * cw, ch), Qt::AlignCenter,
               u"%1 год"_s.arg(year));

    // Grid lines: weekday block and week-number row.
    p.setPen(QPen(pal.rule, std::max(1.0, 0.04 * u)));
    for (int r = 1; r <= 9; ++r) {
        const qreal y = area.top() + ch * (r + 1);
        p.drawLine(QPointF(area.left() + labelW, y), QPointF(area.right(), y));
    }
    for (int c = 0; c <= weeks; ++c) {
        const qreal x = area.left() + labelW + nameW + c * cw;
        p.drawLine(QPointF(x, area.top() + ch), QPointF(x, area.top() + ch * 10));
    }
    p.drawLine(QPointF(area.left() + labelW, area.top() + ch), QPointF(area.left() + labelW, area.top() + ch * 10));

    // The three marks, as the dated screen draws them.
    if (marked.year() == year && place.shownYear == year) {
        p.setPen(QPen(pal.markBlue, std::max(2.0, 0.14 * u)));
        p.setBrush(Qt::NoBrush);
        const int wd = marked.dayOfWeek();
        const qreal inset = 0.07 * u;
        p.drawRect(cellRect(place.column, wd).adjusted(inset, inset, -inset, -inset));
        p.drawRect(cellRect(1, wd).adjusted(inset, inset, -inset, -inset));
        p.drawRect(cellRect(place.column, 8).adjusted(inset, inset, -inset, -inset));
    }
}

// ---- GKS_SPD2 -------------------------------------------------------------------------------

void drawStandardPage(const Context& ctx) {
    Page page(u"GKS_SPD2"_s);
    page.setBodySize(fittedBodySize(page.width(), page.height(), 14));
    const QDate sample(2005, 3, 15);
    page.title(u"Стандарт представления дат"_s,
               u"григорианская календарная система: дд.мм.гггг, ISO 8601, дни недели, недели листов, високосные годы"_s);

    page.columns({
        [&] {
            page.heading(u"1. Запись дд.мм.гггг"_s);
            page.paragraph(u"Программа пишет дату тремя числами через точку: день и месяц — по две "
                           "цифры, год — четыре. Недостающие разряды заполняются нулями, так что "
                           "запись всегда занимает десять знаков."_s);
            PageTable t;
            t.headers = {u"Поле"_s, u"Знаки"_s, u"Значения"_s};
            t.rows = {{u"дд — день"_s, u"1–2"_s, u"01 … %1"_s.arg(QDate(2005, 1, 1).daysInMonth())},
                      {u"мм — месяц"_s, u"4–5"_s, u"01 … 12"_s},
                      {u"гггг — год"_s, u"7–10"_s, u"0001 … 9999"_s}};
            t.widths = {1.3, 0.8, 1.3};
            t.align = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignHCenter};
            page.table(t);
            page.paragraph(u"Пример: **%1** — %2, %3."_s.arg(dotted(sample), longRussianDate(sample), weekdayName(sample)));

            page.heading(u"2. Високосный год"_s);
            page.paragraph(u"Год високосный, если его номер делится на 4; из годов, кратных 100, "
                           "високосны только кратные 400. В високосном году 366 дней, и 29 февраля "
                           "существует."_s);
            page.formula(u"(Y mod 4 = 0  и  Y mod 100 ≠ 0)  или  Y mod 400 = 0"_s, QString(), false, 0.95);
            PageTable leap;
            leap.headers = {u"Год"_s};
            QStringList yes{u"високосный"_s}, days{u"дней"_s};
            for (int y : {1600, 1700, 1900, 2000, 2024, 2025, 2100, 2400}) {
                leap.headers << QString::number(y);
                yes << (isGregorianLeapYear(y) ? u"да"_s : u"нет"_s);
                days << QString::number(QDate(y, 1, 1).daysInYear());
            }
            leap.rows = {yes, days};
            leap.widths = {2.1, 1};
            leap.align = std::vector<Qt::Alignment>(9, Qt::AlignHCenter);
            leap.align[0] = Qt::AlignLeft;
            leap.highlightRows = {};
            page.table(leap);
        },
        [&] {
            page.heading(u"3. ISO 8601"_s);
            page.paragraph(u"Международный стандарт пишет дату от старшего поля к младшему, поэтому "
                           "такие записи сортируются как обычный текст. Для даты %1:"_s.arg(dotted(sample)));
            PageTable t;
            t.headers = {u"Форма"_s, u"Шаблон"_s, u"Запись"_s};
            t.rows = {{u"расширенная"_s, u"ГГГГ-ММ-ДД"_s, isoExtended(sample)},
                      {u"базовая"_s, u"ГГГГММДД"_s, isoBasic(sample)},
                      {u"порядковая"_s, u"ГГГГ-ДДД"_s, isoOrdinal(sample)},
                      {u"недельная"_s, u"ГГГГ-Wнн-Д"_s, isoWeekDate(sample)}};
            t.widths = {1.25, 1.3, 1.2};
            t.align = {Qt::AlignLeft, Qt::AlignLeft, Qt::AlignLeft};
            page.table(t);
            const QDate a(2005, 1, 1), b(2008, 12, 29);
            page.paragraph(u"Неделя ISO начинается в понедельник; первая неделя года содержит первый "
                           "четверг января (и 4 января). На стыке лет недельный год бывает иным: "
                           "%1 — это `%2`, а %3 — `%4`."_s.arg(dotted(a), isoWeekDate(a), dotted(b), isoWeekDate(b)));
            page.heading(u"4. Номера дней недели"_s);
            PageTable w;
            w.headers = {u"№"_s};
            QStringList names{u"день"_s};
            for (int d = 1; d <= 7; ++d) {
                w.headers << QString::number(d);
                names << weekdayShort(d);
            }
            w.rows = {names};
            w.widths = {1.1, 1};
            w.align = std::vector<Qt::Alignment>(8, Qt::AlignHCenter);
            w.zebra = false;
            page.table(w);
            const QDate y2k(2000, 1, 1);
            page.paragraph(u"Неделя начинается с понедельника (1) и кончается воскресеньем (7). По "
                           "номеру юлианского дня: **N = (JDN mod 7) + 1**; для %1 JDN = %2, N = %3 (%4)."_s
                               .arg(dotted(y2k))
                               .arg(y2k.toJulianDay())
                               .arg(isoWeekdayFromJdn(y2k.toJulianDay()))
                               .arg(weekdayName(isoWeekdayFromJdn(y2k.toJulianDay()))),
                           Qt::AlignLeft);
        },
        [&] {
            page.heading(u"5. Недели четырёхлетних листов"_s);
            page.paragraph(u"На листах GS2001 … GS2049 неделя 1 — неделя (пн — вс) с 1 января, в "
                           "столбце 2; каждая следующая — на столбец правее. Столбец 54 получает номер "
                           "53, только если вся его неделя лежит внутри года; иначе он повторяет первую "
                           "неделю следующего года без номера, а дни конца декабря ищутся в столбце 2 "
                           "следующей полосы."_s);
            QStringList years53;
            for (int y = 2001; y <= 2052; ++y)
                if (hasWeek53(y)) years53 << QString::number(y);
            page.paragraph(u"Годы с неделей 53 в 2001–2052: **%1**."_s.arg(years53.join(u", "_s)));
            PageTable t;
            t.headers = {u"Год"_s, u"1 января"_s, u"Неделя ISO 1 января"_s, u"Неделя 53 на листе"_s};
            for (int y = 2004; y <= 2013; ++y) {
                const QDate d(y, 1, 1);
                int wy = 0;
                const int wn = d.weekNumber(&wy);
                t.rows.push_back({QString::number(y), weekdayShort(d.dayOfWeek()),
                                  wy == y ? QString::number(wn) : u"%1 (%2 г.)"_s.arg(wn).arg(wy),
                                  hasWeek53(y) ? u"есть"_s : u"—"_s});
            }
            t.widths = {0.8, 1, 1.5, 1.5};
            t.align = std::vector<Qt::Alignment>(4, Qt::AlignHCenter);
            t.fontScale = 0.82;
            t.caption = u"На листе 1 января всегда лежит в неделе 1."_s;
            page.table(t);
        },
    });

    page.heading(u"6. Примеры"_s);
    PageTable ex;
    ex.headers = {u"Дата"_s, u"День недели"_s, u"ISO 8601"_s, u"Порядковая"_s, u"Недельная ISO"_s,
                  u"JDN"_s, u"Место на листе"_s, u"Неделя листа"_s};
    for (const QDate& d : {QDate(2005, 1, 1), sample, QDate(2005, 12, 28), QDate(2012, 12, 30), QDate(2012, 12, 31),
                           QDate(2024, 2, 29)}) {
        const SheetPlace p = sheetPlace(d);
        ex.rows.push_back({dotted(d), u"%1 — %2"_s.arg(d.dayOfWeek()).arg(weekdayName(d.dayOfWeek())), isoExtended(d),
                           isoOrdinal(d), isoWeekDate(d), QString::number(d.toJulianDay()), sheetWords(d),
                           p.nextYearsBand ? u"1 (%1 г.)"_s.arg(p.shownYear) : QString::number(p.weekNumber)});
    }
    ex.widths = {1, 1.35, 1.05, 0.95, 1.15, 0.9, 2.2, 1.05};
    ex.align = std::vector<Qt::Alignment>(8, Qt::AlignHCenter);
    ex.align[1] = Qt::AlignLeft;
    ex.align[6] = Qt::AlignLeft;
    ex.fontScale = 0.85;
    page.table(ex);
    page.footer(kSystemFooter + u" · стандарт представления дат"_s, kProjectFooter);
    page.save(ctx);
}

// ---- GKS_SPD_YULI ---------------------------------------------------------------------------

void drawJulianLilianPage(const Context& ctx) {
    Page page(u"GKS_SPD_YULI"_s);
    page.setBodySize(fittedBodySize(page.width(), page.height(), 14));
    page.title(u"Юлиано-лилианский формат"_s, u"сквозной счёт суток: юлианский день и лилианский день"_s);
    const Ymd epochJulian = julianFromJdn(0), epochGregorian = gregorianFromJdn(0);
    const Ymd lastJulian = julianFromJdn(kLilianShift);
    const QDate reform = dateOf(jdnFromLilian(1));

    page.columns({
        [&] {
            page.heading(u"1. Юлианский день (JDN)"_s);
            page.paragraph(u"Юлианский день — номер суток в непрерывном счёте, который ввёл Жозеф "
                           "Скалигер в 1583 году. День 0 — %1 по юлианскому календарю (%2 по "
                           "григорианскому, продолжённому назад). Астрономы начинают юлианские сутки "
                           "в полдень; номер гражданской даты — это номер юлианского дня, "
                           "начинающегося в полдень этой даты. Счёт не зависит от календаря: "
                           "разность номеров двух дат равна числу суток между ними."_s
                               .arg(longYmd(epochJulian), longYmd(epochGregorian)));
            page.heading(u"2. Из григорианской даты в JDN"_s);
            page.paragraph(u"Год Y, месяц M, день D; *div* — целая часть частного. Год условно "
                           "начинается 1 марта, чтобы 29 февраля оказалось последним днём счёта:"_s);
            page.formula(u"a = (14 − M) div 12,   y = Y + 4800 − a,   m = M + 12a − 3\n"
                         "JDN = D + (153m + 2) div 5 + 365y\n"
                         "+ y div 4 − y div 100 + y div 400 − 32045"_s,
                         u"(1)"_s, false, 1.0);
            page.paragraph(u"Для даты юлианского календаря поправка на столетия не нужна:"_s);
            page.formula(u"JDN = D + (153m + 2) div 5 + 365y + y div 4 − 32083"_s, u"(2)"_s, false, 1.0);
            const QDate d(2001, 1, 1);
            const JdnSteps s = jdnSteps(d.year(), d.month(), d.day());
            page.box(
                [&] {
                    page.subheading(u"Пример: %1"_s.arg(dotted(d)));
                    page.paragraph(u"a = %1,   y = %2,   m = %3\n"
                                   "(153m + 2) div 5 = %4,   365y = %5\n"
                                   "y div 4 − y div 100 + y div 400 = %6 − %7 + %8 = %9\n"_s
                                           .arg(s.a)
                                           .arg(s.y)
                                           .arg(s.m)
                                           .arg(s.monthDays)
                                           .arg(s.yearDays)
                                           .arg(s.y / 4)
                                           .arg(s.y / 100)
                                           .arg(s.y / 400)
                                           .arg(s.leapDays) +
                                       u"JDN = %1 + %2 + %3 + %4 − 32045 = **%5**"_s.arg(d.day())
                                           .arg(s.monthDays)
                                           .arg(s.yearDays)
                                           .arg(s.leapDays)
                                           .arg(s.jdn),
                                   Qt::AlignLeft, 0.95);
                },
                BoxStyle::Accent);
            page.heading(u"3. Из JDN в григорианскую дату"_s);
            page.formula(u"a = JDN + 32044,   b = (4a + 3) div 146097\n"
                         "c = a − (146097b) div 4,   d = (4c + 3) div 1461\n"
                         "e = c − (1461d) div 4,   m = (5e + 2) div 153\n"
                         "D = e − (153m + 2) div 5 + 1,   M = m + 3 − 12 (m div 10)\n"
                         "Y = 100b + d − 4800 + m div 10"_s,
                         u"(3)"_s, false, 1.0);
        },
        [&] {
            page.heading(u"4. Лилианский день (LDN)"_s);
            page.paragraph(u"Лилианский счёт назван по имени Алоизия Лилия (Луиджи Лилио), автора "
                           "замысла григорианской реформы. Его день 1 — %1, %2, первый день "
                           "григорианского календаря; день 0 — предыдущие сутки, %3 по юлианскому "
                           "календарю. Счёт удобен в программах: дата хранится одним целым числом, "
                           "а все дни григорианской эпохи имеют положительные номера."_s
                               .arg(dotted(reform), weekdayName(reform), dottedYmd(lastJulian)));
            page.formula(u"LDN = JDN − %1"_s.arg(grouped(kLilianShift, kNoBreakSpace)), u"(4)"_s);
            page.formula(u"день недели = (LDN + %1) mod 7 + 1 = (JDN mod 7) + 1"_s.arg(kLilianShift % 7), u"(5)"_s, false, 1.0);
            page.caption(u"1 — понедельник, …, 7 — воскресенье."_s, Qt::AlignHCenter);

            page.heading(u"5. Примеры"_s);
            struct Example {
                qint64 jdn;
                QString date;
                QString note;
            };
            std::vector<Example> rows;
            auto greg = [&](int y, int m, int d, const QString& note) {
                rows.push_back({jdnFromGregorian(y, m, d), dotted(QDate(y, m, d)), note});
            };
            rows.push_back({jdnFromJulian(1582, 10, 4), dottedYmd(Ymd{1582, 10, 4}) + u" юл."_s,
                            u"последний юлианский день реформы"_s});
            greg(1582, 10, 15, u"первый григорианский день"_s);
            greg(1900, 1, 1, u"начало 1900 года"_s);
            greg(1918, 2, 14, u"первый такой день в России"_s);
            greg(1921, 3, 4, u"начало таблицы дней ВРКС"_s);
            greg(1970, 1, 1, u"начало счёта времени Unix"_s);
            greg(2000, 1, 1, u"в полдень — эпоха J2000.0"_s);
            greg(2001, 1, 1, u"начало XXI века"_s);
            greg(2024, 2, 29, u"високосный день"_s);
            greg(2048, 12, 31, u"конец выбора дат на листах"_s);
            PageTable t;
            t.headers = {u"Дата"_s, u"День недели"_s, u"JDN"_s, u"LDN"_s, u"Примечание"_s};
            for (const Example& e : rows)
                t.rows.push_back({e.date, weekdayName(isoWeekdayFromJdn(e.jdn)), QString::number(e.jdn),
                                  signedNumber(lilianFromJdn(e.jdn)), e.note});
            t.widths = {1.4, 1.3, 1.0, 0.8, 2.6};
            t.align = {Qt::AlignHCenter, Qt::AlignLeft, Qt::AlignRight, Qt::AlignRight, Qt::AlignLeft};
            t.fontScale = 0.85;
            t.highlightRows = {1};
            page.table(t);
            const qint64 span = QDate(1582, 10, 15).daysTo(QDate(2001, 1, 1));
            const qint64 span2 = QDate(2001, 1, 1).daysTo(QDate(2048, 12, 31));
            page.note(u"Разность номеров — число суток"_s,
                      u"От %1 до %2 прошло %3 суток, от %2 до %4 — ещё %5: это разности их "
                      "юлианских (и лилианских) номеров. Лилианский номер любой даты на единицу "
                      "больше числа суток, прошедших с первого дня реформы."_s
                          .arg(dotted(QDate(1582, 10, 15)), dotted(QDate(2001, 1, 1)), grouped(span, kNoBreakSpace),
                               dotted(QDate(2048, 12, 31)), grouped(span2, kNoBreakSpace)));
        },
    },
                 {1, 1.12});
    page.footer(kSystemFooter + u" · формат лилианский"_s, kProjectFooter);
    page.save(ctx);
}

// ---- GRKS_HKS -------------------------------------------------------------------------------

void drawLagChart(QPainter& p, const QRectF& area, qreal u) {
    const PagePalette& pal = pagePalette();
    const int y0 = 0, y1 = 2600;
    const int lagMin = -3, lagMax = 18;
    const QRectF plot = area.adjusted(3.0 * u, 0.6 * u, -0.6 * u, -1.8 * u);
    auto px = [&](double year) { return plot.left() + (year - y0) / (y1 - y0) * plot.width(); };
    auto py = [&](double lag) { return plot.bottom() - (lag - lagMin) / (lagMax - lagMin) * plot.height(); };

    p.setFont(typeface(Face::Sans, 0.7 * u));
    p.setPen(QPen(pal.rule, std::max(1.0, 0.04 * u)));
    for (int lag = 0; lag <= 15; lag += 5) {
        p.drawLine(QPointF(plot.left(), py(lag)), QPointF(plot.right(), py(lag)));
        p.setPen(pal.muted);
        p.drawText(QRectF(area.left(), py(lag) - 0.6 * u, 2.6 * u, 1.2 * u), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(lag));
        p.setPen(QPen(pal.rule, std::max(1.0, 0.04 * u)));
    }
    for (int year = 0; year <= y1; year += 500) {
        p.drawLine(QPointF(px(year), plot.top()), QPointF(px(year), plot.bottom()));
        p.setPen(pal.muted);
        p.drawText(QRectF(px(year) - 2 * u, plot.bottom() + 0.2 * u, 4 * u, 1.2 * u), Qt::AlignCenter,
                   QString::number(year));
        p.setPen(QPen(pal.rule, std::max(1.0, 0.04 * u)));
    }
    // The lag, sampled every Julian 1 March and at the end of February.
    QPainterPath path;
    bool first = true;
    for (int year = 1; year <= y1; ++year) {
        const qint64 jdn = jdnFromJulian(year, 3, 1);
        const double x = px(year + 2.0 / 12.0);
        const double y = py(julianLag(jdn));
        if (first) {
            path.moveTo(x, y);
            first = false;
        } else {
            path.lineTo(x, path.currentPosition().y());
            path.lineTo(x, y);
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(pal.accent, std::max(2.0, 0.12 * u)));
    p.drawPath(path);
    // The two changes the page speaks of most: the reform itself and Russia's.
    for (const Ymd& day : {Ymd{1582, 10, 15}, Ymd{1918, 2, 14}}) {
        const int lag = julianLag(jdnFromGregorian(day.year, day.month, day.day));
        const QPointF at(px(day.year + 0.8), py(lag));
        p.setPen(Qt::NoPen);
        p.setBrush(pal.accent2);
        p.drawEllipse(at, 0.25 * u, 0.25 * u);
        p.setPen(pal.accent2);
        p.setFont(typeface(Face::SansBold, 0.72 * u));
        p.drawText(QRectF(at.x() - 7.4 * u, at.y() - 1.5 * u, 7 * u, 1.2 * u), Qt::AlignRight | Qt::AlignVCenter,
                   u"%1: %2 сут"_s.arg(day.year).arg(lag));
    }
    p.setPen(pal.muted);
    p.setFont(typeface(Face::SansItalic, 0.7 * u));
    p.drawText(QRectF(plot.right() - plot.width() * 0.6, py(1.5) - 0.65 * u, plot.width() * 0.6 - 0.3 * u, 1.3 * u),
               Qt::AlignRight | Qt::AlignVCenter, u"разница юлианской и григорианской дат, сутки"_s);
}

void drawChronologyPage(const Context& ctx) {
    Page page(u"GRKS_HKS"_s);
    page.setBodySize(fittedBodySize(page.width(), page.height(), 14));
    page.title(u"Хронология григорианского календаря"_s,
               u"от юлианского календаря к реформе 1582 года и её принятию в разных странах"_s);
    const QDate reform(1582, 10, 15);
    const qint64 lastJulianJdn = jdnFromJulian(1582, 10, 4);
    int revisedSplit = 1924;
    while (isRevisedJulianLeapYear(revisedSplit) == isGregorianLeapYear(revisedSplit)) ++revisedSplit;

    page.columns({
        [&] {
            page.heading(u"Основные события"_s);
            page.definitions(
                {
                    {u"46 г. до н. э."_s,
                     u"Юлий Цезарь реформирует римский календарь; с 1 января 45 г. до н. э. три года "
                     "подряд имеют по 365 дней, четвёртый — 366. Средний год — %1 суток."_s.arg(decimal(meanYearJulian(), 2))},
                    {u"325"_s,
                     u"Первый Никейский собор связывает расчёт Пасхи с весенним равноденствием, "
                     "приходившимся тогда на 21 марта."_s},
                    {u"IV–XVI вв."_s,
                     u"Юлианский год длиннее тропического (≈ %1 сут): за каждые %2 лет календарь отстаёт "
                     "от Солнца на сутки; к XVI веку равноденствие сместилось к 11 марта."_s
                         .arg(decimal(kMeanTropicalYear, 5))
                         .arg(std::lround(yearsPerDayOfDrift(meanYearJulian())))},
                    {u"1563"_s, u"Тридентский собор поручает исправление календаря папе."_s},
                    {u"1570-е"_s,
                     u"Проект Алоизия Лилия: убрать три високосных года из каждых четырёхсот и "
                     "исправить лунный расчёт Пасхи. Папская комиссия с Христофором Клавием готовит реформу."_s},
                    {u"24.02.1582"_s, u"Папа Григорий XIII подписывает буллу «Inter gravissimas»."_s},
                    {u"1582"_s,
                     u"За %1, %2, сразу следует %3, %4: %5 дат пропущены, порядок дней недели не "
                     "нарушен."_s.arg(longYmd(julianFromJdn(lastJulianJdn)), weekdayName(isoWeekdayFromJdn(lastJulianJdn)),
                                      longRussianDate(reform), weekdayName(reform))
                         .arg(julianLag(reform.toJulianDay()))},
                    {u"1583"_s, u"Жозеф Скалигер вводит юлианский период — основу счёта юлианских дней."_s},
                    {u"1700–1753"_s, u"Календарь принимают протестантские страны Европы."_s},
                    {u"1918"_s,
                     u"Декрет Совнаркома вводит в России западноевропейский календарь: после 31 января "
                     "наступает 14 февраля."_s},
                    {u"1923"_s,
                     u"Часть православных церквей принимает новоюлианский календарь Миланковича; его "
                     "високосные годы совпадают с григорианскими до %1 года."_s.arg(revisedSplit)},
                    {u"1988"_s, u"Выходит стандарт ISO 8601: даты по григорианскому календарю, неделя с понедельника."_s},
                },
                7.0, Qt::AlignLeft, 0.95);
            page.note(u"Точность"_s,
                      u"Средний григорианский год — %1 суток; сутки расхождения с тропическим годом "
                      "набегают примерно за %2 лет."_s.arg(decimal(meanYearGregorian(), 4))
                          .arg(grouped(std::lround(yearsPerDayOfDrift(meanYearGregorian()) / 100.0) * 100, kNoBreakSpace)));
        },
        [&] {
            page.heading(u"Переход на григорианский календарь"_s);
            PageTable t;
            t.headers = {u"Страна"_s, u"Последний юлианский день"_s, u"Следующий день"_s, u"Разница"_s};
            for (const Adoption& a : kAdoptions) {
                const Ymd next = firstGregorianDay(a);
                t.rows.push_back({QString::fromUtf8(a.where), dottedYmd(a.lastJulian), dottedYmd(next),
                                  u"%1 сут"_s.arg(julianLag(jdnFromGregorian(next.year, next.month, next.day)))});
            }
            t.widths = {2.6, 1.35, 1.35, 0.9};
            t.align = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignHCenter};
            t.fontScale = 0.85;
            t.highlightRows = {0, 7};
            t.caption = u"Япония (1873), Китай (1912) и Турция (1926) перешли на григорианский календарь с календарей иного устройства."_s;
            page.table(t);

            page.heading(u"Расхождение двух календарей"_s);
            page.paragraph(u"Юлианский календарь считает високосными все столетние годы, григорианский — "
                           "лишь кратные 400. Поэтому после 29 февраля (по юлианскому счёту) каждого "
                           "столетнего года, не кратного 400, разница растёт на сутки."_s);
            const std::vector<LagPeriod> periods = lagPeriods(2, 25);
            PageTable lag;
            const size_t groups = 3;
            const size_t perGroup = (periods.size() + groups - 1) / groups;
            for (size_t g = 0; g < groups; ++g) lag.headers << u"С юл. даты"_s << u"Григ. дата"_s << u"Сут"_s;
            for (size_t i = 0; i < perGroup; ++i) {
                QStringList row;
                for (size_t g = 0; g < groups; ++g) {
                    const size_t k = i + g * perGroup;
                    if (k < periods.size())
                        row << dottedYmd(periods[k].julianStart) << dottedYmd(periods[k].gregorianStart)
                            << signedNumber(periods[k].lag);
                    else
                        row << QString() << QString() << QString();
                }
                lag.rows.push_back(row);
            }
            lag.widths = {1.3, 1.3, 0.55};
            lag.widths.resize(3 * groups);
            for (size_t k = 3; k < lag.widths.size(); ++k) lag.widths[k] = lag.widths[k % 3];
            lag.align = std::vector<Qt::Alignment>(3 * groups, Qt::AlignHCenter);
            lag.fontScale = 0.72;
            lag.zebra = true;
            page.table(lag);
            page.drawing(7.2 * page.u(), [&](QPainter& p, const QRectF& r) { drawLagChart(p, r, page.u()); });
        },
    },
                 {1, 1.12});
    page.footer(kSystemFooter + u" · хронология календарной системы"_s, kProjectFooter);
    page.save(ctx);
}

// ---- GRKS_DKS -------------------------------------------------------------------------------

void drawDatingPage(const Context& ctx) {
    Page page(u"GRKS_DKS"_s);
    page.setBodySize(fittedBodySize(page.width(), page.height(), 11.5));
    page.title(u"Датировка по листам"_s, u"четырёхлетние листы GS2001 … GS2049\nи отметка дня в программе"_s);

    page.heading(u"1. Лист и полоса"_s);
    std::vector<int> firsts;
    for (int y = 2001; y <= 2052; ++y)
        if (firsts.empty() || firsts.back() != sheetFirstYear(y)) firsts.push_back(sheetFirstYear(y));
    page.paragraph(u"Лист охватывает четыре года подряд, по полосе на год; всего %1 листов, от GS%2 (%2–%3) "
                   "до GS%4 (%4–%5). Год Y лежит в полосе *b* листа, названного по его первому году *S*:"_s
                       .arg(firsts.size())
                       .arg(firsts.front())
                       .arg(firsts.front() + 3)
                       .arg(firsts.back())
                       .arg(firsts.back() + 3));
    page.formula(u"S = 2001 + 4 · ((Y − 2001) div 4),    b = Y − S"_s, QString(), false, 1.0);

    page.heading(u"2. Столбец и строка"_s);
    page.paragraph(u"В полосе *b* строки 3 + 11*b* … 9 + 11*b* — понедельник … воскресенье, строка "
                   "10 + 11*b* — номера недель. Столбец 1 — названия дней, столбец 2 — неделя (пн — вс) "
                   "с 1 января, дальше по неделе на столбец; дни соседних лет серые."_s);
    const QDate sample(2005, 3, 15);
    page.drawing(10.5 * page.u(), [&](QPainter& p, const QRectF& r) { drawBandExcerpt(p, r, 2005, 12, sample, page.u()); });
    const SheetPlace sp = sheetPlace(sample);
    page.caption(u"Начало полосы 2005 года. %1 (%2): лист GS%3, полоса %4, столбец %5, строка %6; "
                 "номер недели %7 — в строке %8."_s
                     .arg(dotted(sample), weekdayName(sample))
                     .arg(sp.sheetYear)
                     .arg(sp.band)
                     .arg(sp.column)
                     .arg(sp.row)
                     .arg(sp.weekNumber)
                     .arg(sp.weekRow),
                 Qt::AlignLeft, 0.8);
    page.paragraph(u"Столбец 54 несёт номер 53, только если вся его неделя лежит внутри года; иначе он "
                   "повторяет первую неделю следующего года, и конец декабря ищут в столбце 2 "
                   "следующей полосы (после полосы 3 — на следующем листе)."_s);

    page.heading(u"3. Примеры"_s);
    PageTable ex;
    ex.headers = {u"Дата"_s, u"Лист"_s, u"Полоса"_s, u"Столбец"_s, u"Строка"_s, u"Неделя"_s};
    for (const QDate& d : {sample, QDate(2005, 12, 28), QDate(2006, 12, 31), QDate(2008, 12, 30), QDate(2012, 12, 31)}) {
        const SheetPlace p = sheetPlace(d);
        ex.rows.push_back({u"%1 %2"_s.arg(dotted(d), weekdayShort(d.dayOfWeek())), u"GS%1"_s.arg(p.sheetYear),
                           u"%1 (%2)"_s.arg(p.band).arg(p.shownYear), QString::number(p.column), QString::number(p.row),
                           QString::number(p.weekNumber)});
    }
    ex.widths = {1.7, 1.1, 1.2, 0.95, 0.9, 0.9};
    ex.align = std::vector<Qt::Alignment>(6, Qt::AlignHCenter);
    ex.fontScale = 0.82;
    page.table(ex);

    page.heading(u"4. В программе"_s);
    page.bullets({u"«пнб» или щелчок по эмблеме главной страницы: лист с сегодняшним днём."_s,
                  u"Правый щелчок по листу → «датировать»: календарик с датами от 01.01.2001 до 31.12.2048."_s,
                  u"Щелчок по дню: программа выбирает лист и обводит день, его день недели и номер "
                  "недели; рамки мигают: белый → синий → красный."_s},
                 true, 0.95, Qt::AlignLeft);
    page.footer(kSystemFooter + u" · датировка"_s, kProjectFooter);
    page.save(ctx);
}

// ---- ANONS_GRKS -----------------------------------------------------------------------------

// Twelve month grids of one year, six to a row, Monday first, Sundays in the accent colour.
void drawYearCalendar(QPainter& p, const QRectF& area, int year, qreal u) {
    const PagePalette& pal = pagePalette();
    const int perRow = 6;
    const qreal gapX = 1.0 * u, gapY = 0.6 * u;
    const qreal mw = (area.width() - gapX * (perRow - 1)) / perRow;
    const qreal mh = (area.height() - gapY) / 2;
    const qreal cw = mw / 7, ch = mh / 8;  // name, weekday header, six weeks
    for (int m = 1; m <= 12; ++m) {
        const QRectF box(area.left() + ((m - 1) % perRow) * (mw + gapX), area.top() + ((m - 1) / perRow) * (mh + gapY), mw, mh);
        p.setFont(typeface(Face::SansBold, 0.72 * u));
        p.setPen(pal.accent);
        p.drawText(QRectF(box.left(), box.top(), mw, ch), Qt::AlignCenter, monthNominative(m));
        p.setFont(typeface(Face::Sans, 0.56 * u));
        for (int wd = 1; wd <= 7; ++wd) {
            p.setPen(wd == 7 ? pal.accent2 : pal.muted);
            p.drawText(QRectF(box.left() + (wd - 1) * cw, box.top() + ch, cw, ch), Qt::AlignCenter, weekdayShort(wd));
        }
        p.setPen(QPen(pal.rule, std::max(1.0, 0.04 * u)));
        p.drawLine(QPointF(box.left(), box.top() + 2 * ch), QPointF(box.right(), box.top() + 2 * ch));
        const QDate first(year, m, 1);
        p.setFont(typeface(Face::Sans, 0.62 * u));
        for (int d = 1; d <= first.daysInMonth(); ++d) {
            const QDate day(year, m, d);
            const int cell = first.dayOfWeek() - 1 + d - 1;
            p.setPen(day.dayOfWeek() == 7 ? pal.accent2 : pal.ink);
            p.drawText(QRectF(box.left() + (cell % 7) * cw, box.top() + (2 + cell / 7) * ch, cw, ch), Qt::AlignCenter,
                       QString::number(d));
        }
    }
}

void drawAnnouncePage(const Context& ctx) {
    Page page(u"ANONS_GRKS"_s);
    page.setBodySize(fittedBodySize(page.width(), page.height(), 15));
    page.title(u"Григорианская календарная система"_s, u"краткое описание"_s);

    // Counts over one full cycle of 400 years.
    int leapYears = 0, months = 0;
    int thirteenths[8] = {};  // by weekday
    qint64 days = 0;
    for (int y = 2001; y <= 2400; ++y) {
        leapYears += isGregorianLeapYear(y) ? 1 : 0;
        days += QDate(y, 1, 1).daysInYear();
        for (int m = 1; m <= 12; ++m) {
            ++months;
            ++thirteenths[QDate(y, m, 13).dayOfWeek()];
        }
    }
    const int fridays13 = thirteenths[5];
    bool fridayMost = true;
    for (int wd = 1; wd <= 7; ++wd)
        if (wd != 5 && thirteenths[wd] >= fridays13) fridayMost = false;

    page.columns({
        [&] {
            page.heading(u"Устройство"_s);
            page.paragraph(u"Солнечный календарь: год из 12 месяцев по 28–31 дню, 365 дней в простом "
                           "году и 366 — в високосном. Високосен год, номер которого делится на 4, кроме "
                           "столетних, не делящихся на 400: 2000 — високосный, 2100 — нет."_s,
                           Qt::AlignLeft);
            PageTable t;
            t.headers = {u"Месяц"_s, u"Дней"_s, u"Месяц"_s, u"Дней"_s};
            for (int m = 1; m <= 6; ++m) {
                auto cell = [](int month) {
                    const int common = QDate(2001, month, 1).daysInMonth(), leap = QDate(2004, month, 1).daysInMonth();
                    return common == leap ? QString::number(common) : u"%1 (%2)"_s.arg(common).arg(leap);
                };
                t.rows.push_back({monthNominative(m), cell(m), monthNominative(m + 6), cell(m + 6)});
            }
            t.widths = {1.3, 0.8, 1.3, 0.8};
            t.align = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignLeft, Qt::AlignHCenter};
            t.fontScale = 0.85;
            t.caption = u"В скобках — в високосном году."_s;
            page.table(t);
        },
        [&] {
            page.heading(u"Цикл 400 лет"_s);
            page.bullets({u"%1 високосных года из 400"_s.arg(leapYears),
                          u"%1 дней = ровно %2 недель"_s.arg(grouped(days, kNoBreakSpace)).arg(grouped(days / 7, kNoBreakSpace)),
                          u"%1 месяцев; средний год — %2 суток"_s.arg(grouped(months, kNoBreakSpace)).arg(decimal(double(days) / 400.0, 4)),
                          u"через 400 лет даты снова приходятся на те же дни недели; 13-е число приходится "
                          "на пятницу %1 раз за цикл%2"_s.arg(fridays13).arg(fridayMost ? u" — чаще, чем на любой другой день"_s : QString())},
                         false, 0.95, Qt::AlignLeft);
            page.heading(u"История"_s);
            page.paragraph(u"Введён буллой папы Григория XIII в 1582 году: за 4 октября сразу "
                           "последовало 15 октября. В России действует с 14 февраля 1918 года; "
                           "сегодня юлианский календарь отстаёт от него на %1 суток."_s
                               .arg(julianLag(QDate(2025, 1, 1).toJulianDay())));
        },
        [&] {
            page.heading(u"Разделы в программе"_s);
            page.caption(u"Меню разделов открывает левый нижний угловой рисунок:"_s, Qt::AlignLeft, 0.9, pagePalette().ink);
            page.definitions({{u"пнб"_s, u"прошлое, настоящее, будущее: листы 2001–2052 с отмеченным днём"_s},
                              {u"спд"_s, u"стандарт представления дат"_s},
                              {u"дкс"_s, u"датировка по четырёхлетним листам"_s},
                              {u"хкс"_s, u"хронология календарной системы"_s},
                              {u"ткс"_s, u"«формат лилианский»: юлианский и лилианский дни"_s}},
                             3.2, Qt::AlignLeft);
            page.caption(u"Это описание открывает пункт «анонс» правого нижнего углового рисунка."_s,
                         Qt::AlignLeft, 0.85);
        },
    });
    const int sampleYear = 2001;
    page.heading(u"Календарь %1 года — первого года листов GS%1 и XXI века"_s.arg(sampleYear));
    page.drawing(page.remaining() - 0.6 * page.u(),
                 [&](QPainter& p, const QRectF& r) { drawYearCalendar(p, r, sampleYear, page.u()); });
    page.footer(kSystemFooter + u" · краткое описание системы"_s, kProjectFooter);
    page.save(ctx);
}

// ---- ANONS_GOP ------------------------------------------------------------------------------

// A numbered badge for the plan's key.
void drawBadge(QPainter& p, const QPointF& at, int n, qreal u) {
    const qreal br = 0.55 * u;
    p.save();
    p.setPen(QPen(Qt::white, std::max(1.5, 0.07 * u)));
    p.setBrush(pagePalette().accent2);
    p.drawEllipse(at, br, br);
    p.setFont(typeface(Face::SansBold, 0.62 * u));
    p.drawText(QRectF(at.x() - br, at.y() - br, 2 * br, 2 * br), Qt::AlignCenter, QString::number(n));
    p.restore();
}

// A plan of the main window on the grid screen, with numbered parts.
void drawWindowPlan(QPainter& p, const QRectF& win, qreal u) {
    const PagePalette& pal = pagePalette();
    const qreal w = win.width();
    const qreal leftW = w * 0.2, rightW = w * 0.035, band = win.height() * 0.1;
    const QRectF left(win.left(), win.top(), leftW, win.height());
    const QRectF right(win.right() - rightW, win.top(), rightW, win.height());
    const QRectF content(left.right(), win.top(), right.left() - left.right(), win.height());
    const QRectF top(content.left(), content.top(), content.width(), band);
    const QRectF bottom(content.left(), content.bottom() - band, content.width(), band);
    const qreal line = std::max(1.5, 0.06 * u);

    p.setPen(QPen(pal.ink, line));
    p.setBrush(Qt::white);
    p.drawRect(win);
    p.setBrush(pal.menuGround);
    p.drawRect(left);
    p.setBrush(pal.headerFill);
    p.drawRect(right);
    p.setBrush(Qt::white);
    p.drawRect(top);
    p.drawRect(bottom);
    const QRectF corners[4] = {QRectF(top.left(), top.top(), band, band), QRectF(top.right() - band, top.top(), band, band),
                               QRectF(bottom.left(), bottom.top(), band, band),
                               QRectF(bottom.right() - band, bottom.top(), band, band)};
    for (const QRectF& c : corners) {
        p.setBrush(pal.noteFill);
        p.drawRect(c);
    }
    p.setPen(pal.ink);
    p.setFont(typeface(Face::SansBold, 0.4 * u));
    p.drawText(top.adjusted(band, 0, -band, 0), Qt::AlignCenter, u"КАЛЕНДАРНЫЙ   ПРОЕКТ   ОРИВАНТ"_s);
    p.drawText(bottom.adjusted(band, 0, -band, 0), Qt::AlignCenter, u"ГЛАВНОЕ   ОКНО   ПРОГРАММЫ"_s);

    // The section menu with its labels at their heights.
    p.setPen(Qt::white);
    p.setFont(typeface(Face::SansBold, 0.7 * u));
    p.drawText(QRectF(left.left(), left.top() + left.height() * 0.07, leftW, u), Qt::AlignCenter, u"ЗУВ"_s);
    const char* const entries[] = {"главная", "календарология", "календария", "календарь", "контакт", "контроль", "комментарии"};
    const qreal factors[] = {0.42, 0.50, 0.58, 0.67, 0.76, 0.86, 0.94};
    for (int i = 0; i < 7; ++i) {
        p.setFont(typeface(Face::SansBold, (i == 0 ? 0.5 : 0.4) * u));
        p.drawText(QRectF(left.left(), left.top() + left.height() * factors[i] - 0.4 * u, leftW, 0.8 * u), Qt::AlignCenter,
                   QString::fromUtf8(entries[i]));
    }
    // The grid of 25 calendar systems.
    const qreal gridSide = std::min(content.width() * 0.8, bottom.top() - top.bottom() - 1.0 * u);
    const QRectF grid(content.center().x() - gridSide / 2, top.bottom() + (bottom.top() - top.bottom() - gridSide) / 2,
                      gridSide, gridSide);
    const qreal cell = gridSide / 5;
    for (int i = 0; i < 25; ++i) {
        const QRectF c(grid.left() + (i % 5) * cell, grid.top() + (i / 5) * cell, cell, cell);
        p.setPen(QPen(pal.ink, std::max(1.0, 0.03 * u)));
        p.setBrush(Qt::white);
        p.drawRect(c);
        p.setPen(Qt::NoPen);
        p.setBrush(i < 3 ? pal.accent : pal.rule);
        p.drawEllipse(c.center(), cell * 0.3, cell * 0.3);
    }
    for (int i = 0; i < 4; ++i) drawBadge(p, corners[i].center(), i + 1, u);
    drawBadge(p, QPointF(left.center().x(), left.top() + left.height() * 0.3), 5, u);
    drawBadge(p, QPointF(top.left() + band * 1.9, top.center().y()), 6, u);
    drawBadge(p, QPointF(grid.right() + 0.9 * u, grid.top() + 0.9 * u), 7, u);
    drawBadge(p, right.center(), 8, u);
}

// The sheet's context menu, the date picker and the three colours of the mark.
void drawSheetTools(QPainter& p, const QRectF& area, qreal u) {
    const PagePalette& pal = pagePalette();
    const qreal line = std::max(1.5, 0.05 * u);
    // Context menu.
    const QRectF menu(area.left() + 1.4 * u, area.top(), area.width() * 0.5, 3 * 1.15 * u + 0.4 * u);
    p.setPen(QPen(pal.muted, line));
    p.setBrush(Qt::white);
    p.drawRect(menu);
    p.setFont(typeface(Face::Sans, 0.7 * u));
    const QString items[3] = {u"увеличить"_s, u"уменьшить"_s, u"датировать"_s};
    for (int i = 0; i < 3; ++i) {
        const QRectF r(menu.left() + 0.2 * u, menu.top() + 0.2 * u + i * 1.15 * u, menu.width() - 0.4 * u, 1.15 * u);
        if (i == 2) p.fillRect(r, pal.headerFill);
        p.setPen(pal.ink);
        p.drawText(r.adjusted(0.5 * u, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, items[i]);
    }
    drawBadge(p, QPointF(area.left() + 0.6 * u, menu.top() + 0.6 * u), 9, u);

    // Date picker: March 2005 with the 15th chosen.
    const QDate first(2005, 3, 1);
    const QRectF cal(area.left() + 1.4 * u, menu.bottom() + 0.9 * u, area.width() - 1.4 * u, 7.2 * u);
    p.setPen(QPen(pal.muted, line));
    p.setBrush(Qt::white);
    p.drawRect(cal);
    const qreal cw = cal.width() / 7, ch = cal.height() / 8;
    p.setPen(pal.accent);
    p.setFont(typeface(Face::SansBold, 0.62 * u));
    p.drawText(QRectF(cal.left(), cal.top(), cal.width(), ch), Qt::AlignCenter, u"%1 %2"_s.arg(monthNominative(3)).arg(2005));
    p.setFont(typeface(Face::Sans, 0.52 * u));
    for (int wd = 1; wd <= 7; ++wd) {
        p.setPen(wd >= 6 ? pal.accent2 : pal.muted);
        p.drawText(QRectF(cal.left() + (wd - 1) * cw, cal.top() + ch, cw, ch), Qt::AlignCenter, weekdayShort(wd));
    }
    for (int d = 1; d <= first.daysInMonth(); ++d) {
        const int i = first.dayOfWeek() - 1 + d - 1;
        const QRectF r(cal.left() + (i % 7) * cw, cal.top() + (2 + i / 7) * ch, cw, ch);
        if (d == 15) {
            p.fillRect(r.adjusted(0.05 * u, 0.05 * u, -0.05 * u, -0.05 * u), pal.accent);
            p.setPen(Qt::white);
        } else {
            p.setPen(pal.ink);
        }
        p.drawText(r, Qt::AlignCenter, QString::number(d));
    }
    drawBadge(p, QPointF(area.left() + 0.6 * u, cal.top() + 0.6 * u), 10, u);

    // The mark in its three colours, one per second.
    const qreal side = 1.5 * u;
    const qreal y = cal.bottom() + 1.0 * u;
    const QColor colours[3] = {Qt::white, pal.markBlue, pal.markRed};
    for (int i = 0; i < 3; ++i) {
        const QRectF r(area.left() + 1.4 * u + i * (side + 1.6 * u), y, side, side);
        p.fillRect(r, pal.markGround);
        p.setPen(QPen(colours[i], 0.16 * u));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0.12 * u, 0.12 * u, -0.12 * u, -0.12 * u));
        p.setPen(Qt::white);
        p.setFont(typeface(Face::SansBold, 0.6 * u));
        p.drawText(r, Qt::AlignCenter, u"15"_s);
        if (i < 2) {
            p.setPen(pal.muted);
            p.setFont(typeface(Face::Sans, 0.9 * u));
            p.drawText(QRectF(r.right(), y, 1.6 * u, side), Qt::AlignCenter, u"→"_s);
        }
    }
    drawBadge(p, QPointF(area.left() + 0.6 * u, y + side / 2), 11, u);
}

void drawInterfacePage(const Context& ctx) {
    Page page(u"ANONS_GOP"_s);
    page.setBodySize(fittedBodySize(page.width(), page.height(), 12.5));
    const qreal u = page.u();
    page.title(u"Интерфейс программы"_s, u"краткое руководство"_s);
    page.drawing(14 * u, [&](QPainter& p, const QRectF& r) {
        const qreal planW = std::min(r.width() * 0.64, r.height() * 1.45);
        drawWindowPlan(p, QRectF(r.left(), r.top(), planW, r.height()), u);
        drawSheetTools(p, QRectF(r.left() + planW + 1.2 * u, r.top(), r.width() - planW - 1.2 * u, r.height()), u);
    });

    const Qt::Alignment left = Qt::AlignLeft;
    page.columns({
        [&] {
            page.heading(u"Угловые рисунки"_s);
            page.definitions(
                {{u"1"_s, u"Список 25 календарных систем; «кс зувская», «кс григорианская» и «кс варийская» "
                          "открывают главные страницы. Правым щелчком — всегда, левым — везде, кроме "
                          "главного окна и этого описания."_s},
                 {u"2"_s, u"Меню окна (ниже)."_s},
                 {u"3"_s, u"Разделы григорианской и варийской систем: «пнб», «спд», «дкс», «хкс», «ткс»."_s},
                 {u"4"_s, u"«анонс»: краткое описание системы, а в главном окне — это описание."_s}},
                1.9, left);
            page.caption(u"Меню открывается у указателя мыши."_s, Qt::AlignLeft, 0.85);
            page.heading(u"Меню окна"_s);
            page.bullets({u"«главное окно программы» — к сетке систем;"_s,
                          u"«развернуть в экран» — на весь экран, поверх других окон;"_s,
                          u"«свернуть в окно» — снова обычное окно;"_s,
                          u"«свернуть на панель» — на панель задач;"_s,
                          u"«закрыть программу» — выход."_s},
                         false, 0.95, left);
        },
        [&] {
            page.heading(u"Окно и лист"_s);
            page.definitions(
                {{u"5"_s, u"Меню слева: «главная» — к сетке систем, «контроль» — к разделу с патентом; "
                          "пункт под указателем крупнее."_s},
                 {u"6"_s, u"За середину верхней полосы окно перетаскивается (если не развёрнуто)."_s},
                 {u"7"_s, u"25 календарных систем; подсказка называет систему. Щелчок по эмблеме в центре "
                          "главной страницы системы открывает лист с отмеченным сегодняшним днём."_s},
                 {u"8"_s, u"Орнаментальная полоса. На страницах разделов она и меню слева скрыты; "
                          "«свернуть в окно» возвращает их."_s},
                 {u"9"_s, u"Правый щелчок по листу: «увеличить» — вдвое (датировка григорианской системы — "
                          "втрое), прокрутка колесом; «уменьшить» — обратно; «датировать» — на экранах с датой."_s},
                 {u"10"_s, u"Щелчок по дню отмечает его; календарик остаётся открытым, щелчок по листу скрывает его."_s},
                 {u"11"_s, u"Рамки вокруг дня, его дня недели и недели меняют цвет раз в секунду: белый → синий → красный."_s}},
                1.9, left);
        },
    });
    page.footer(u"Интерфейс компьютерной программы"_s, kProjectFooter);
    page.save(ctx);
}

// ---- PATENT ---------------------------------------------------------------------------------

void drawPatentPage(const Context& ctx) {
    Page page(u"PATENT"_s);
    const PagePalette& pal = pagePalette();
    page.setBodySize(15.5);
    const qreal u = page.u();
    page.setMargins(2.2 * u, 2.3 * u, 2.2 * u, 0.4 * u);
    {
        QPainter& p = page.painter();
        const QRectF outer(0.6 * u, 0.6 * u, page.width() - 1.2 * u, page.height() - 1.2 * u);
        p.setPen(QPen(pal.accent, 0.18 * u));
        p.drawRect(outer);
        p.setPen(QPen(pal.noteBorder, 0.07 * u));
        p.drawRect(outer.adjusted(0.4 * u, 0.4 * u, -0.4 * u, -0.4 * u));
    }
    page.caption(u"КАЛЕНДАРНЫЙ ПРОЕКТ ОРИВАНТ"_s, Qt::AlignHCenter, 0.8, pal.muted);
    page.skip(0.3);
    page.drawing(8 * u, [&](QPainter& p, const QRectF& r) {
        const QPointF c = r.center();
        const qreal rad = r.height() / 2 - 0.2 * u;
        p.setPen(QPen(pal.accent, 0.16 * u));
        p.setBrush(pal.zebra);
        p.drawEllipse(c, rad, rad);
        p.setPen(QPen(pal.noteBorder, 0.08 * u));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, rad - 0.5 * u, rad - 0.5 * u);
        // Twelve ticks for the months, four longer ones for the seasons.
        for (int i = 0; i < 12; ++i) {
            const double a = i * M_PI / 6;
            const qreal r0 = rad - 0.5 * u, r1 = rad - (i % 3 == 0 ? 1.05 : 0.8) * u;
            p.setPen(QPen(pal.accent, (i % 3 == 0 ? 0.14 : 0.08) * u));
            p.drawLine(QPointF(c.x() + r0 * std::sin(a), c.y() - r0 * std::cos(a)),
                       QPointF(c.x() + r1 * std::sin(a), c.y() - r1 * std::cos(a)));
        }
        p.setPen(pal.accent);
        p.setFont(typeface(Face::SerifBold, 1.35 * u));
        p.drawText(QRectF(c.x() - rad, c.y() - rad, 2 * rad, 2 * rad), Qt::AlignCenter, u"ЗУВ"_s);
    });
    page.paragraph(u"**ЗУВСКАЯ КАЛЕНДАРНАЯ СИСТЕМА**"_s, Qt::AlignHCenter, 1.0);
    page.rule(0.06, pal.noteBorder);
    page.subheading(u"Охрана прав автора"_s);
    page.paragraph(u"Материалы проекта — результат творческого труда его автора и охраняются авторским правом:"_s,
                   Qt::AlignLeft, 0.9);
    page.bullets({u"календарные системы ЗУВ и ВРКС;"_s, u"календарные листы и таблицы;"_s,
                  u"описания и пояснения;"_s, u"программа для их просмотра."_s},
                 false, 0.9, Qt::AlignLeft);
    page.paragraph(u"Воспроизведение, переработка и распространение материалов допускаются только с "
                   "согласия автора и со ссылкой на календарный проект."_s,
                   Qt::AlignLeft, 0.9);
    page.setY(std::max(page.y(), page.bottom() - 2.6 * u));
    page.rule(0.06, pal.noteBorder);
    page.caption(u"Все права защищены."_s, Qt::AlignHCenter, 0.9, pal.accent2);
    page.save(ctx);
}

// ---- GRKS_SPD -------------------------------------------------------------------------------

void drawFormatsPage(const Context& ctx) {
    Page page(u"GRKS_SPD"_s);
    page.setBodySize(fittedBodySize(page.width(), page.height(), 16.5));
    page.title(u"Форматы представления григорианской даты"_s, u"сводная таблица для пяти дат"_s);
    const QDate dates[] = {QDate(2001, 1, 1), QDate(2005, 3, 15), QDate(2012, 12, 31), QDate(2024, 2, 29), QDate(2048, 12, 31)};

    PageTable t;
    t.headers = {u"Формат"_s, u"Шаблон"_s};
    for (const QDate& d : dates) t.headers << dotted(d);
    auto row = [&](const QString& name, const QString& pattern, const std::function<QString(const QDate&)>& f) {
        QStringList cells{name, pattern};
        for (const QDate& d : dates) cells << f(d);
        t.rows.push_back(cells);
    };
    row(u"Запись программы"_s, u"дд.мм.гггг"_s, [](const QDate& d) { return dotted(d); });
    row(u"Словесная запись"_s, u"д месяца гггг г."_s, longRussianDate);
    row(u"День недели"_s, u"номер — название"_s, [](const QDate& d) { return u"%1 — %2"_s.arg(d.dayOfWeek()).arg(weekdayName(d.dayOfWeek())); });
    row(u"Год високосный"_s, u"да / нет"_s, [](const QDate& d) { return isGregorianLeapYear(d.year()) ? u"да"_s : u"нет"_s; });
    row(u"ISO 8601, расширенная"_s, u"ГГГГ-ММ-ДД"_s, isoExtended);
    row(u"ISO 8601, базовая"_s, u"ГГГГММДД"_s, isoBasic);
    row(u"ISO 8601, порядковая"_s, u"ГГГГ-ДДД"_s, isoOrdinal);
    row(u"ISO 8601, недельная"_s, u"ГГГГ-Wнн-Д"_s, isoWeekDate);
    row(u"Юлианский день"_s, u"JDN"_s, [](const QDate& d) { return QString::number(d.toJulianDay()); });
    row(u"Лилианский день"_s, u"LDN = JDN − %1"_s.arg(kLilianShift), [](const QDate& d) { return QString::number(lilianFromJdn(d.toJulianDay())); });
    row(u"Юлианский календарь"_s, u"дд.мм.гггг (юл.)"_s, [](const QDate& d) { return dottedYmd(julianFromJdn(d.toJulianDay())); });
    row(u"Четырёхлетний лист"_s, u"GSгггг"_s, [](const QDate& d) { return u"GS%1"_s.arg(sheetPlace(d).sheetYear); });
    row(u"Ячейка дня на листе"_s, u"столбец, строка"_s, [](const QDate& d) {
        const SheetPlace p = sheetPlace(d);
        return u"%1, %2"_s.arg(p.column).arg(p.row);
    });
    row(u"Неделя листа"_s, u"1 … 53"_s, [](const QDate& d) {
        const SheetPlace p = sheetPlace(d);
        return p.nextYearsBand ? u"1 (полоса %1 г.)"_s.arg(p.shownYear) : QString::number(p.weekNumber);
    });
    t.widths = {1.6, 1.5, 1.3, 1.3, 1.3, 1.3, 1.3};
    t.align = std::vector<Qt::Alignment>(7, Qt::AlignHCenter);
    t.align[0] = t.align[1] = Qt::AlignLeft;
    t.fontScale = 0.82;
    page.table(t);

    page.columns({
        [&] {
            page.note(u"Порядок полей"_s,
                      u"Запись программы идёт от дня к году, как принято в России; формы ISO 8601 — "
                      "от года к дню, поэтому их можно сортировать как текст."_s,
                      BoxStyle::Accent, Qt::AlignLeft);
        },
        [&] {
            page.note(u"Неделя"_s,
                      u"Неделя ISO может принадлежать соседнему году (первая неделя содержит первый "
                      "четверг января); неделя листа 1 всегда содержит 1 января."_s,
                      BoxStyle::Accent, Qt::AlignLeft);
        },
        [&] {
            page.note(u"Сквозной счёт"_s,
                      u"Юлианский и лилианский дни не зависят от календаря: разность номеров — число "
                      "суток между датами."_s,
                      BoxStyle::Accent, Qt::AlignLeft);
        },
    });
    page.footer(kSystemFooter + u" · форматы даты"_s, kProjectFooter);
    page.save(ctx);
}

}  // namespace

std::vector<Job> gregorianPageJobs(const Context& ctx) {
    return {
        [ctx] { drawStandardPage(ctx); },     [ctx] { drawJulianLilianPage(ctx); }, [ctx] { drawChronologyPage(ctx); },
        [ctx] { drawDatingPage(ctx); },       [ctx] { drawAnnouncePage(ctx); },     [ctx] { drawInterfacePage(ctx); },
        [ctx] { drawPatentPage(ctx); },       [ctx] { drawFormatsPage(ctx); },
    };
}

}  // namespace zuvgen
