// The Gregorian date-representation pages: the standard of dates (GKS_SPD2), the Julian and
// Lilian day numbers (GKS_SPD_YULI) and the table of a date's formats (GRKS_SPD). Every date,
// day number and count on them is computed (GregorianFacts, QDate); the sentences are ours.

#include "pages/GregorianPages.h"

#include "facts/GregorianFacts.h"
#include "kit/Formatting.h"
#include "kit/Page.h"
#include "pages/Footers.h"

#include <QDate>
#include <functional>

namespace zuvgen {

using namespace Qt::Literals::StringLiterals;
using namespace greg;

namespace {

QDate dateOf(qint64 jdn) { return QDate::fromJulianDay(jdn); }

// Where a day of the sheets is, in words: "GS2005, 2006 (полоса 1), столбец 2, строка 16".
QString sheetWords(const QDate& d) {
    const SheetPlace p = sheetPlace(d);
    return u"GS%1, столбец %2, строка %3"_s.arg(p.sheetYear).arg(p.column).arg(p.row);
}

}  // namespace

// ---- GKS_SPD2 -------------------------------------------------------------------------------

void drawGregorianStandardPage(const Context& ctx) {
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
    page.footer(gregorianFooter(u"стандарт представления дат"_s), zuvProjectFooter());
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
    page.footer(gregorianFooter(u"формат лилианский"_s), zuvProjectFooter());
    page.save(ctx);
}

// ---- GRKS_SPD -------------------------------------------------------------------------------

void drawGregorianFormatsPage(const Context& ctx) {
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
    page.footer(gregorianFooter(u"форматы даты"_s), zuvProjectFooter());
    page.save(ctx);
}

}  // namespace zuvgen
