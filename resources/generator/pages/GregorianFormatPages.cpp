// The Gregorian date-representation pages: the standard of dates (GKS_SPD2), the Julian and
// Lilian day numbers (GKS_SPD_YULI) and the table of a date's formats (GRKS_SPD). Every date,
// day number and count on them is computed (GregorianFacts, QDate); the sentences are ours.

#include "facts/GregorianFacts.h"
#include "kit/Formatting.h"
#include "kit/Page.h"
#include "pages/Footers.h"
#include "pages/GregorianPages.h"

#include <QDate>
#include <functional>

namespace zuvgen {

using namespace greg;

namespace {

QDate dateOf(qint64 jdn) { return QDate::fromJulianDay(jdn); }

// Where a day of the sheets is, in words: "GS2005, 2006 (полоса 1), столбец 2, строка 16".
QString sheetWords(const QDate& d) {
    const SheetPlace p = sheetPlace(d);
    return QStringLiteral("GS%1, столбец %2, строка %3").arg(p.sheetYear).arg(p.column).arg(p.row);
}

}  // namespace

// ---- GKS_SPD2 -------------------------------------------------------------------------------

void drawGregorianStandardPage(const Context& ctx) {
    Page page(QStringLiteral("GKS_SPD2"));
    page.setBodySize(fittedBodySize(page.width(), page.height(), 14));
    const QDate sample(2005, 3, 15);
    page.title(QStringLiteral("Стандарт представления дат"),
               QStringLiteral("григорианская календарная система: дд.мм.гггг, ISO 8601, дни недели, недели листов, високосные годы"));

    page.columns({
        [&] {
            page.heading(QStringLiteral("1. Запись дд.мм.гггг"));
            page.paragraph(QStringLiteral("Программа пишет дату тремя числами через точку: день и месяц — по две "
                           "цифры, год — четыре. Недостающие разряды заполняются нулями, так что "
                           "запись всегда занимает десять знаков."));
            PageTable t;
            t.headers = {QStringLiteral("Поле"), QStringLiteral("Знаки"), QStringLiteral("Значения")};
            t.rows = {{QStringLiteral("дд — день"), QStringLiteral("1–2"), QStringLiteral("01 … %1").arg(QDate(2005, 1, 1).daysInMonth())},
                      {QStringLiteral("мм — месяц"), QStringLiteral("4–5"), QStringLiteral("01 … 12")},
                      {QStringLiteral("гггг — год"), QStringLiteral("7–10"), QStringLiteral("0001 … 9999")}};
            t.widths = {1.3, 0.8, 1.3};
            t.align = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignHCenter};
            page.table(t);
            page.paragraph(QStringLiteral("Пример: **%1** — %2, %3.").arg(dotted(sample), longRussianDate(sample), weekdayName(sample)));

            page.heading(QStringLiteral("2. Високосный год"));
            page.paragraph(QStringLiteral("Год високосный, если его номер делится на 4; из годов, кратных 100, "
                           "високосны только кратные 400. В високосном году 366 дней, и 29 февраля "
                           "существует."));
            page.formula(QStringLiteral("(Y mod 4 = 0  и  Y mod 100 ≠ 0)  или  Y mod 400 = 0"), QString(), false, 0.95);
            PageTable leap;
            leap.headers = {QStringLiteral("Год")};
            QStringList yes{QStringLiteral("високосный")}, days{QStringLiteral("дней")};
            for (int y : {1600, 1700, 1900, 2000, 2024, 2025, 2100, 2400}) {
                leap.headers << QString::number(y);
                yes << (isGregorianLeapYear(y) ? QStringLiteral("да") : QStringLiteral("нет"));
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
            page.heading(QStringLiteral("3. ISO 8601"));
            page.paragraph(QStringLiteral("Международный стандарт пишет дату от старшего поля к младшему, поэтому "
                           "такие записи сортируются как обычный текст. Для даты %1:").arg(dotted(sample)));
            PageTable t;
            t.headers = {QStringLiteral("Форма"), QStringLiteral("Шаблон"), QStringLiteral("Запись")};
            t.rows = {{QStringLiteral("расширенная"), QStringLiteral("ГГГГ-ММ-ДД"), isoExtended(sample)},
                      {QStringLiteral("базовая"), QStringLiteral("ГГГГММДД"), isoBasic(sample)},
                      {QStringLiteral("порядковая"), QStringLiteral("ГГГГ-ДДД"), isoOrdinal(sample)},
                      {QStringLiteral("недельная"), QStringLiteral("ГГГГ-Wнн-Д"), isoWeekDate(sample)}};
            t.widths = {1.25, 1.3, 1.2};
            t.align = {Qt::AlignLeft, Qt::AlignLeft, Qt::AlignLeft};
            page.table(t);
            const QDate a(2005, 1, 1), b(2008, 12, 29);
            page.paragraph(QStringLiteral("Неделя ISO начинается в понедельник; первая неделя года содержит первый "
                           "четверг января (и 4 января). На стыке лет недельный год бывает иным: "
                           "%1 — это `%2`, а %3 — `%4`.").arg(dotted(a), isoWeekDate(a), dotted(b), isoWeekDate(b)));
            page.heading(QStringLiteral("4. Номера дней недели"));
            PageTable w;
            w.headers = {QStringLiteral("№")};
            QStringList names{QStringLiteral("день")};
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
            page.paragraph(QStringLiteral("Неделя начинается с понедельника (1) и кончается воскресеньем (7). По "
                           "номеру юлианского дня: **N = (JDN mod 7) + 1**; для %1 JDN = %2, N = %3 (%4).")
                               .arg(dotted(y2k))
                               .arg(y2k.toJulianDay())
                               .arg(isoWeekdayFromJdn(y2k.toJulianDay()))
                               .arg(weekdayName(isoWeekdayFromJdn(y2k.toJulianDay()))),
                           Qt::AlignLeft);
        },
        [&] {
            page.heading(QStringLiteral("5. Недели четырёхлетних листов"));
            page.paragraph(QStringLiteral("На листах GS2001 … GS2049 неделя 1 — неделя (пн — вс) с 1 января, в "
                           "столбце 2; каждая следующая — на столбец правее. Столбец 54 получает номер "
                           "53, только если вся его неделя лежит внутри года; иначе он повторяет первую "
                           "неделю следующего года без номера, а дни конца декабря ищутся в столбце 2 "
                           "следующей полосы."));
            QStringList years53;
            for (int y = 2001; y <= 2052; ++y)
                if (hasWeek53(y)) years53 << QString::number(y);
            page.paragraph(QStringLiteral("Годы с неделей 53 в 2001–2052: **%1**.").arg(years53.join(QStringLiteral(", "))));
            PageTable t;
            t.headers = {QStringLiteral("Год"), QStringLiteral("1 января"), QStringLiteral("Неделя ISO 1 января"), QStringLiteral("Неделя 53 на листе")};
            for (int y = 2004; y <= 2013; ++y) {
                const QDate d(y, 1, 1);
                int wy = 0;
                const int wn = d.weekNumber(&wy);
                t.rows.push_back({QString::number(y), weekdayShort(d.dayOfWeek()),
                                  wy == y ? QString::number(wn) : QStringLiteral("%1 (%2 г.)").arg(wn).arg(wy),
                                  hasWeek53(y) ? QStringLiteral("есть") : QStringLiteral("—")});
            }
            t.widths = {0.8, 1, 1.5, 1.5};
            t.align = std::vector<Qt::Alignment>(4, Qt::AlignHCenter);
            t.fontScale = 0.82;
            t.caption = QStringLiteral("На листе 1 января всегда лежит в неделе 1.");
            page.table(t);
        },
    });

    page.heading(QStringLiteral("6. Примеры"));
    PageTable ex;
    ex.headers = {QStringLiteral("Дата"), QStringLiteral("День недели"), QStringLiteral("ISO 8601"), QStringLiteral("Порядковая"), QStringLiteral("Недельная ISO"),
                  QStringLiteral("JDN"), QStringLiteral("Место на листе"), QStringLiteral("Неделя листа")};
    for (const QDate& d : {QDate(2005, 1, 1), sample, QDate(2005, 12, 28), QDate(2012, 12, 30), QDate(2012, 12, 31),
                           QDate(2024, 2, 29)}) {
        const SheetPlace p = sheetPlace(d);
        ex.rows.push_back({dotted(d), QStringLiteral("%1 — %2").arg(d.dayOfWeek()).arg(weekdayName(d.dayOfWeek())), isoExtended(d),
                           isoOrdinal(d), isoWeekDate(d), QString::number(d.toJulianDay()), sheetWords(d),
                           p.nextYearsBand ? QStringLiteral("1 (%1 г.)").arg(p.shownYear) : QString::number(p.weekNumber)});
    }
    ex.widths = {1, 1.35, 1.05, 0.95, 1.15, 0.9, 2.2, 1.05};
    ex.align = std::vector<Qt::Alignment>(8, Qt::AlignHCenter);
    ex.align[1] = Qt::AlignLeft;
    ex.align[6] = Qt::AlignLeft;
    ex.fontScale = 0.85;
    page.table(ex);
    page.footer(gregorianFooter(QStringLiteral("стандарт представления дат")), zuvProjectFooter());
    page.save(ctx);
}

// ---- GKS_SPD_YULI ---------------------------------------------------------------------------

void drawJulianLilianPage(const Context& ctx) {
    Page page(QStringLiteral("GKS_SPD_YULI"));
    page.setBodySize(fittedBodySize(page.width(), page.height(), 14));
    page.title(QStringLiteral("Юлиано-лилианский формат"), QStringLiteral("сквозной счёт суток: юлианский день и лилианский день"));
    const Ymd epochJulian = julianFromJdn(0), epochGregorian = gregorianFromJdn(0);
    const Ymd lastJulian = julianFromJdn(kLilianShift);
    const QDate reform = dateOf(jdnFromLilian(1));

    page.columns({
        [&] {
            page.heading(QStringLiteral("1. Юлианский день (JDN)"));
            page.paragraph(QStringLiteral("Юлианский день — номер суток в непрерывном счёте, который ввёл Жозеф "
                           "Скалигер в 1583 году. День 0 — %1 по юлианскому календарю (%2 по "
                           "григорианскому, продолжённому назад). Астрономы начинают юлианские сутки "
                           "в полдень; номер гражданской даты — это номер юлианского дня, "
                           "начинающегося в полдень этой даты. Счёт не зависит от календаря: "
                           "разность номеров двух дат равна числу суток между ними.")
                               .arg(longYmd(epochJulian), longYmd(epochGregorian)));
            page.heading(QStringLiteral("2. Из григорианской даты в JDN"));
            page.paragraph(QStringLiteral("Год Y, месяц M, день D; *div* — целая часть частного. Год условно "
                           "начинается 1 марта, чтобы 29 февраля оказалось последним днём счёта:"));
            page.formula(QStringLiteral("a = (14 − M) div 12,   y = Y + 4800 − a,   m = M + 12a − 3\n"
                         "JDN = D + (153m + 2) div 5 + 365y\n"
                         "+ y div 4 − y div 100 + y div 400 − 32045"),
                         QStringLiteral("(1)"), false, 1.0);
            page.paragraph(QStringLiteral("Для даты юлианского календаря поправка на столетия не нужна:"));
            page.formula(QStringLiteral("JDN = D + (153m + 2) div 5 + 365y + y div 4 − 32083"), QStringLiteral("(2)"), false, 1.0);
            const QDate d(2001, 1, 1);
            const JdnSteps s = jdnSteps(d.year(), d.month(), d.day());
            page.box(
                [&] {
                    page.subheading(QStringLiteral("Пример: %1").arg(dotted(d)));
                    page.paragraph(QStringLiteral("a = %1,   y = %2,   m = %3\n"
                                   "(153m + 2) div 5 = %4,   365y = %5\n"
                                   "y div 4 − y div 100 + y div 400 = %6 − %7 + %8 = %9\n")
                                           .arg(s.a)
                                           .arg(s.y)
                                           .arg(s.m)
                                           .arg(s.monthDays)
                                           .arg(s.yearDays)
                                           .arg(s.y / 4)
                                           .arg(s.y / 100)
                                           .arg(s.y / 400)
                                           .arg(s.leapDays) +
                                       QStringLiteral("JDN = %1 + %2 + %3 + %4 − 32045 = **%5**").arg(d.day())
                                           .arg(s.monthDays)
                                           .arg(s.yearDays)
                                           .arg(s.leapDays)
                                           .arg(s.jdn),
                                   Qt::AlignLeft, 0.95);
                },
                BoxStyle::Accent);
            page.heading(QStringLiteral("3. Из JDN в григорианскую дату"));
            page.formula(QStringLiteral("a = JDN + 32044,   b = (4a + 3) div 146097\n"
                         "c = a − (146097b) div 4,   d = (4c + 3) div 1461\n"
                         "e = c − (1461d) div 4,   m = (5e + 2) div 153\n"
                         "D = e − (153m + 2) div 5 + 1,   M = m + 3 − 12 (m div 10)\n"
                         "Y = 100b + d − 4800 + m div 10"),
                         QStringLiteral("(3)"), false, 1.0);
        },
        [&] {
            page.heading(QStringLiteral("4. Лилианский день (LDN)"));
            page.paragraph(QStringLiteral("Лилианский счёт назван по имени Алоизия Лилия (Луиджи Лилио), автора "
                           "замысла григорианской реформы. Его день 1 — %1, %2, первый день "
                           "григорианского календаря; день 0 — предыдущие сутки, %3 по юлианскому "
                           "календарю. Счёт удобен в программах: дата хранится одним целым числом, "
                           "а все дни григорианской эпохи имеют положительные номера.")
                               .arg(dotted(reform), weekdayName(reform), dottedYmd(lastJulian)));
            page.formula(QStringLiteral("LDN = JDN − %1").arg(grouped(kLilianShift, kNoBreakSpace)), QStringLiteral("(4)"));
            page.formula(QStringLiteral("день недели = (LDN + %1) mod 7 + 1 = (JDN mod 7) + 1").arg(kLilianShift % 7), QStringLiteral("(5)"), false, 1.0);
            page.caption(QStringLiteral("1 — понедельник, …, 7 — воскресенье."), Qt::AlignHCenter);

            page.heading(QStringLiteral("5. Примеры"));
            struct Example {
                qint64 jdn;
                QString date;
                QString note;
            };
            std::vector<Example> rows;
            auto greg = [&](int y, int m, int d, const QString& note) {
                rows.push_back({jdnFromGregorian(y, m, d), dotted(QDate(y, m, d)), note});
            };
            rows.push_back({jdnFromJulian(1582, 10, 4), dottedYmd(Ymd{1582, 10, 4}) + QStringLiteral(" юл."),
                            QStringLiteral("последний юлианский день реформы")});
            greg(1582, 10, 15, QStringLiteral("первый григорианский день"));
            greg(1900, 1, 1, QStringLiteral("начало 1900 года"));
            greg(1918, 2, 14, QStringLiteral("первый такой день в России"));
            greg(1921, 3, 4, QStringLiteral("начало таблицы дней ВРКС"));
            greg(1970, 1, 1, QStringLiteral("начало счёта времени Unix"));
            greg(2000, 1, 1, QStringLiteral("в полдень — эпоха J2000.0"));
            greg(2001, 1, 1, QStringLiteral("начало XXI века"));
            greg(2024, 2, 29, QStringLiteral("високосный день"));
            greg(2048, 12, 31, QStringLiteral("конец выбора дат на листах"));
            PageTable t;
            t.headers = {QStringLiteral("Дата"), QStringLiteral("День недели"), QStringLiteral("JDN"), QStringLiteral("LDN"), QStringLiteral("Примечание")};
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
            page.note(QStringLiteral("Разность номеров — число суток"),
                      QStringLiteral("От %1 до %2 прошло %3 суток, от %2 до %4 — ещё %5: это разности их "
                      "юлианских (и лилианских) номеров. Лилианский номер любой даты на единицу "
                      "больше числа суток, прошедших с первого дня реформы.")
                          .arg(dotted(QDate(1582, 10, 15)), dotted(QDate(2001, 1, 1)), grouped(span, kNoBreakSpace),
                               dotted(QDate(2048, 12, 31)), grouped(span2, kNoBreakSpace)));
        },
    },
                 {1, 1.12});
    page.footer(gregorianFooter(QStringLiteral("формат лилианский")), zuvProjectFooter());
    page.save(ctx);
}

// ---- GRKS_SPD -------------------------------------------------------------------------------

void drawGregorianFormatsPage(const Context& ctx) {
    Page page(QStringLiteral("GRKS_SPD"));
    page.setBodySize(fittedBodySize(page.width(), page.height(), 16.5));
    page.title(QStringLiteral("Форматы представления григорианской даты"), QStringLiteral("сводная таблица для пяти дат"));
    const QDate dates[] = {QDate(2001, 1, 1), QDate(2005, 3, 15), QDate(2012, 12, 31), QDate(2024, 2, 29), QDate(2048, 12, 31)};

    PageTable t;
    t.headers = {QStringLiteral("Формат"), QStringLiteral("Шаблон")};
    for (const QDate& d : dates) t.headers << dotted(d);
    auto row = [&](const QString& name, const QString& pattern, const std::function<QString(const QDate&)>& f) {
        QStringList cells{name, pattern};
        for (const QDate& d : dates) cells << f(d);
        t.rows.push_back(cells);
    };
    row(QStringLiteral("Запись программы"), QStringLiteral("дд.мм.гггг"), [](const QDate& d) { return dotted(d); });
    row(QStringLiteral("Словесная запись"), QStringLiteral("д месяца гггг г."), longRussianDate);
    row(QStringLiteral("День недели"), QStringLiteral("номер — название"), [](const QDate& d) { return QStringLiteral("%1 — %2").arg(d.dayOfWeek()).arg(weekdayName(d.dayOfWeek())); });
    row(QStringLiteral("Год високосный"), QStringLiteral("да / нет"), [](const QDate& d) { return isGregorianLeapYear(d.year()) ? QStringLiteral("да") : QStringLiteral("нет"); });
    row(QStringLiteral("ISO 8601, расширенная"), QStringLiteral("ГГГГ-ММ-ДД"), isoExtended);
    row(QStringLiteral("ISO 8601, базовая"), QStringLiteral("ГГГГММДД"), isoBasic);
    row(QStringLiteral("ISO 8601, порядковая"), QStringLiteral("ГГГГ-ДДД"), isoOrdinal);
    row(QStringLiteral("ISO 8601, недельная"), QStringLiteral("ГГГГ-Wнн-Д"), isoWeekDate);
    row(QStringLiteral("Юлианский день"), QStringLiteral("JDN"), [](const QDate& d) { return QString::number(d.toJulianDay()); });
    row(QStringLiteral("Лилианский день"), QStringLiteral("LDN = JDN − %1").arg(kLilianShift), [](const QDate& d) { return QString::number(lilianFromJdn(d.toJulianDay())); });
    row(QStringLiteral("Юлианский календарь"), QStringLiteral("дд.мм.гггг (юл.)"), [](const QDate& d) { return dottedYmd(julianFromJdn(d.toJulianDay())); });
    row(QStringLiteral("Четырёхлетний лист"), QStringLiteral("GSгггг"), [](const QDate& d) { return QStringLiteral("GS%1").arg(sheetPlace(d).sheetYear); });
    row(QStringLiteral("Ячейка дня на листе"), QStringLiteral("столбец, строка"), [](const QDate& d) {
        const SheetPlace p = sheetPlace(d);
        return QStringLiteral("%1, %2").arg(p.column).arg(p.row);
    });
    row(QStringLiteral("Неделя листа"), QStringLiteral("1 … 53"), [](const QDate& d) {
        const SheetPlace p = sheetPlace(d);
        return p.nextYearsBand ? QStringLiteral("1 (полоса %1 г.)").arg(p.shownYear) : QString::number(p.weekNumber);
    });
    t.widths = {1.6, 1.5, 1.3, 1.3, 1.3, 1.3, 1.3};
    t.align = std::vector<Qt::Alignment>(7, Qt::AlignHCenter);
    t.align[0] = t.align[1] = Qt::AlignLeft;
    t.fontScale = 0.82;
    page.table(t);

    page.columns({
        [&] {
            page.note(QStringLiteral("Порядок полей"),
                      QStringLiteral("Запись программы идёт от дня к году, как принято в России; формы ISO 8601 — "
                      "от года к дню, поэтому их можно сортировать как текст."),
                      BoxStyle::Accent, Qt::AlignLeft);
        },
        [&] {
            page.note(QStringLiteral("Неделя"),
                      QStringLiteral("Неделя ISO может принадлежать соседнему году (первая неделя содержит первый "
                      "четверг января); неделя листа 1 всегда содержит 1 января."),
                      BoxStyle::Accent, Qt::AlignLeft);
        },
        [&] {
            page.note(QStringLiteral("Сквозной счёт"),
                      QStringLiteral("Юлианский и лилианский дни не зависят от календаря: разность номеров — число "
                      "суток между датами."),
                      BoxStyle::Accent, Qt::AlignLeft);
        },
    });
    page.footer(gregorianFooter(QStringLiteral("форматы даты")), zuvProjectFooter());
    page.save(ctx);
}

}  // namespace zuvgen
