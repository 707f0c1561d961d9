// The short description of the Gregorian calendar system (ANONS_GRKS): its rules, the 400-year
// cycle in figures, its history and sections, and the calendar of one year.

#include "facts/GregorianFacts.h"
#include "kit/Formatting.h"
#include "kit/Page.h"
#include "pages/Footers.h"
#include "pages/GregorianPages.h"

#include <QDate>

namespace zuvgen {

using namespace greg;

namespace {

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

}  // namespace

void drawGregorianDescriptionPage(const Context& ctx) {
    Page page(QStringLiteral("ANONS_GRKS"));
    page.setBodySize(fittedBodySize(page.width(), page.height(), 15));
    page.title(QStringLiteral("Григорианская календарная система"), QStringLiteral("краткое описание"));

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
            page.heading(QStringLiteral("Устройство"));
            page.paragraph(QStringLiteral("Солнечный календарь: год из 12 месяцев по 28–31 дню, 365 дней в простом "
                           "году и 366 — в високосном. Високосен год, номер которого делится на 4, кроме "
                           "столетних, не делящихся на 400: 2000 — високосный, 2100 — нет."),
                           Qt::AlignLeft);
            PageTable t;
            t.headers = {QStringLiteral("Месяц"), QStringLiteral("Дней"), QStringLiteral("Месяц"), QStringLiteral("Дней")};
            for (int m = 1; m <= 6; ++m) {
                auto cell = [](int month) {
                    const int common = QDate(2001, month, 1).daysInMonth(), leap = QDate(2004, month, 1).daysInMonth();
                    return common == leap ? QString::number(common) : QStringLiteral("%1 (%2)").arg(common).arg(leap);
                };
                t.rows.push_back({monthNominative(m), cell(m), monthNominative(m + 6), cell(m + 6)});
            }
            t.widths = {1.3, 0.8, 1.3, 0.8};
            t.align = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignLeft, Qt::AlignHCenter};
            t.fontScale = 0.85;
            t.caption = QStringLiteral("В скобках — в високосном году.");
            page.table(t);
        },
        [&] {
            page.heading(QStringLiteral("Цикл 400 лет"));
            page.bullets({QStringLiteral("%1 високосных года из 400").arg(leapYears),
                          QStringLiteral("%1 дней = ровно %2 недель").arg(grouped(days, kNoBreakSpace)).arg(grouped(days / 7, kNoBreakSpace)),
                          QStringLiteral("%1 месяцев; средний год — %2 суток").arg(grouped(months, kNoBreakSpace)).arg(decimal(double(days) / 400.0, 4)),
                          QStringLiteral("через 400 лет даты снова приходятся на те же дни недели; 13-е число приходится "
                          "на пятницу %1 раз за цикл%2").arg(fridays13).arg(fridayMost ? QStringLiteral(" — чаще, чем на любой другой день") : QString())},
                         false, 0.95, Qt::AlignLeft);
            page.heading(QStringLiteral("История"));
            page.paragraph(QStringLiteral("Введён буллой папы Григория XIII в 1582 году: за 4 октября сразу "
                           "последовало 15 октября. В России действует с 14 февраля 1918 года; "
                           "сегодня юлианский календарь отстаёт от него на %1 суток.")
                               .arg(julianLag(QDate(2025, 1, 1).toJulianDay())));
        },
        [&] {
            page.heading(QStringLiteral("Разделы в программе"));
            page.caption(QStringLiteral("Меню разделов открывает левый нижний угловой рисунок:"), Qt::AlignLeft, 0.9, pagePalette().ink);
            page.definitions({{QStringLiteral("пнб"), QStringLiteral("прошлое, настоящее, будущее: листы 2001–2052 с отмеченным днём")},
                              {QStringLiteral("спд"), QStringLiteral("стандарт представления дат")},
                              {QStringLiteral("дкс"), QStringLiteral("датировка по четырёхлетним листам")},
                              {QStringLiteral("хкс"), QStringLiteral("хронология календарной системы")},
                              {QStringLiteral("ткс"), QStringLiteral("«формат лилианский»: юлианский и лилианский дни")}},
                             3.2, Qt::AlignLeft);
            page.caption(QStringLiteral("Это описание открывает пункт «анонс» правого нижнего углового рисунка."),
                         Qt::AlignLeft, 0.85);
        },
    });
    const int sampleYear = 2001;
    page.heading(QStringLiteral("Календарь %1 года — первого года листов GS%1 и XXI века").arg(sampleYear));
    page.drawing(page.remaining() - 0.6 * page.u(),
                 [&](QPainter& p, const QRectF& r) { drawYearCalendar(p, r, sampleYear, page.u()); });
    page.footer(gregorianFooter(QStringLiteral("краткое описание системы")), zuvProjectFooter());
    page.save(ctx);
}

}  // namespace zuvgen
