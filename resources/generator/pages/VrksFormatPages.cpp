// The VRKS date-representation pages (annual and yuga formats) and the dating page.

#include "facts/VrksFacts.h"
#include "kit/Formatting.h"
#include "kit/Page.h"
#include "pages/Footers.h"
#include "pages/VrksPages.h"

#include <QPainterPath>

namespace zuvgen {

using namespace vrks;

namespace {

// One VRKS month: four weeks of seven days under the weekday names.
void drawMonthGrid(QPainter& p, const QRectF& area, qreal u) {
    const PagePalette& pal = pagePalette();
    const int cols = 8, rows = 5;
    const qreal cw = std::min(area.width() / cols, 2.6 * u);
    const qreal ch = std::min(area.height() / rows, 1.7 * u);
    const qreal x0 = area.left() + (area.width() - cw * cols) / 2;
    const qreal y0 = area.top();
    p.fillRect(QRectF(x0, y0, cw * cols, ch), pal.headerFill);
    for (int w = 1; w <= 7; ++w) {
        const QRectF cell(x0 + w * cw, y0, cw, ch);
        p.setFont(typeface(Face::SansBold, 0.8 * u));
        p.setPen(w >= 6 ? pal.accent2 : pal.accent);
        p.drawText(cell, Qt::AlignCenter, weekdayShort(w));
    }
    p.setFont(typeface(Face::SansBold, 0.7 * u));
    p.setPen(pal.accent);
    p.drawText(QRectF(x0, y0, cw, ch), Qt::AlignCenter, QStringLiteral("нед."));
    for (int week = 1; week <= 4; ++week) {
        const qreal y = y0 + week * ch;
        if (week % 2 == 0) p.fillRect(QRectF(x0, y, cw * cols, ch), pal.zebra);
        p.setFont(typeface(Face::Sans, 0.8 * u));
        p.setPen(pal.muted);
        p.drawText(QRectF(x0, y, cw, ch), Qt::AlignCenter, QString::number(week));
        for (int w = 1; w <= 7; ++w) {
            const int day = (week - 1) * 7 + w;
            p.setFont(typeface(Face::Serif, 0.95 * u));
            p.setPen(w >= 6 ? pal.accent2 : pal.ink);
            p.drawText(QRectF(x0 + w * cw, y, cw, ch), Qt::AlignCenter, QString::number(day));
        }
    }
    p.setPen(QPen(pal.rule, std::max(1.0, 0.05 * u)));
    for (int r = 1; r < rows; ++r) p.drawLine(QPointF(x0, y0 + r * ch), QPointF(x0 + cols * cw, y0 + r * ch));
    for (int c = 1; c < cols; ++c) p.drawLine(QPointF(x0 + c * cw, y0), QPointF(x0 + c * cw, y0 + rows * ch));
    p.setPen(QPen(pal.accent, std::max(1.0, 0.09 * u)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(x0, y0, cols * cw, rows * ch));
    p.drawLine(QPointF(x0, y0 + ch), QPointF(x0 + cols * cw, y0 + ch));
}

}  // namespace

// ---- VRKS_SPD -------------------------------------------------------------------------------

void drawVrksAnnualFormatPage(const Context& ctx) {
    Page page(QStringLiteral("VRKS_SPD"));
    const qreal u = page.u();
    page.title(QStringLiteral("Стандарт представления дат ВРКС"),
               QStringLiteral("Годовой формат: тринадцать месяцев по 28 дней и дополнительные дни в конце юги"));

    const VrksDay newYear2001 = tableDay(ctx, QDate(2001, 1, 1));
    const VrksDay lastExtra = tableDay(ctx, QDate(2025, 3, 3));
    const VrksDay leapStart = tableDay(ctx, QDate(2024, 2, 29));

    auto seasonTable = [&] {
        PageTable seasons;
        seasons.headers = {QStringLiteral("Сезон"), QStringLiteral("Дни года"), QStringLiteral("С"),
                           QStringLiteral("По")};
        seasons.widths = {0.9, 1.1, 0.8, 0.8};
        seasons.align = {Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignHCenter};
        seasons.fontScale = 0.85;
        for (int s = 1; s <= 4; ++s) {
            VrksDay first, last;
            first.dayOfYear = first.dayOfYuga = 91 * (s - 1) + 1;
            last.dayOfYear = last.dayOfYuga = 91 * s;
            seasons.rows.push_back({QString::number(s), QStringLiteral("%1–%2").arg(first.dayOfYear).arg(last.dayOfYear),
                                    dayMonthNotation(first), dayMonthNotation(last)});
        }
        seasons.caption = QStringLiteral("По 91 дню, 13 недель; число.месяц.");
        page.table(seasons);
    };

    page.columns(
        {[&] {
             page.heading(QStringLiteral("1. Год ВРКС"));
             page.paragraph(QStringLiteral(
                 "Год варийской календарной системы (ВРКС) состоит из 364 дней: 13 месяцев по 28 дней, "
                 "ровно 52 недели. Каждый месяц — это четыре полные недели, и начинается он с первого "
                 "дня недели, поэтому все месяцы всех лет выглядят одинаково. Четыре года составляют "
                 "**югу**. В конце четвёртого года юги стоят **дополнительные дни** с номерами "
                 "365–369: они не входят ни в один месяц и ни в одну из недель 1–52 и образуют 53-ю "
                 "неделю года. В юге 512 дополнительных дней четыре (365–368)."));
             page.columns({[&] {
                               page.subheading(QStringLiteral("Любой месяц"));
                               page.drawing(5 * 1.45 * u, [&](QPainter& p, const QRectF& r) { drawMonthGrid(p, r, u); });
                           },
                           [&] {
                               page.subheading(QStringLiteral("Сезоны"));
                               seasonTable();
                           }},
                          {1.1, 1}, 1.2);
             page.heading(QStringLiteral("2. Счёт внутри года"));
             page.caption(QStringLiteral("Д — день года (1–364); div — целая часть частного, mod — остаток."),
                          Qt::AlignLeft, 0.85);
             page.fittedDefinitions({{QStringLiteral("месяц"), QStringLiteral("М = (Д − 1) div 28 + 1, от 1 до 13")},
                               {QStringLiteral("число"), QStringLiteral("Ч = (Д − 1) mod 28 + 1, от 1 до 28")},
                               {QStringLiteral("день недели"), QStringLiteral("Н = (Д − 1) mod 7 + 1; 1 — понедельник, 7 — воскресенье")},
                               {QStringLiteral("неделя"), QStringLiteral("Т = (Д − 1) div 7 + 1, от 1 до 52")},
                               {QStringLiteral("сезон"), QStringLiteral("С = (Д − 1) div 91 + 1, от 1 до 4")},
                               {QStringLiteral("обратно"), QStringLiteral("Д = 28 · (М − 1) + Ч")}});
             const int d1 = newYear2001.dayOfYear - 1;
             const QString steps = QStringLiteral("М = %1 div 28 + 1 = **%2**; Ч = %1 mod 28 + 1 = **%3**; "
                                                  "Н = %1 mod 7 + 1 = **%4**; Т = %1 div 7 + 1 = **%5**; "
                                                  "С = %1 div 91 + 1 = **%6**.")
                                       .arg(d1).arg(newYear2001.month()).arg(newYear2001.dayOfMonth())
                                       .arg(newYear2001.weekday()).arg(newYear2001.week()).arg(newYear2001.season());
             page.note(QStringLiteral("Пример: Д = %1 (%2)").arg(newYear2001.dayOfYear).arg(dotted(newYear2001.gregorian)),
                       keepTogether(steps), BoxStyle::Accent, Qt::AlignLeft);
         },
         [&] {
             page.heading(QStringLiteral("3. Запись даты"));
             page.fittedDefinitions({{QStringLiteral("ДД.ММ.ГГГГ"),
                   QStringLiteral("Полная запись: число 01–28, месяц 01–13, год ВРКС. "
                                  "Так, %1 по григорианскому календарю — это **%2**.")
                       .arg(dotted(newYear2001.gregorian), annualNotation(newYear2001))},
                  {QStringLiteral("Дk.ГГГГ"),
                   QStringLiteral("Дополнительный день k (1–5) года ГГГГ: %1 — это **%2**, "
                                  "последний день юги %3.")
                       .arg(dotted(lastExtra.gregorian), annualNotation(lastExtra))
                       .arg(lastExtra.yuga)},
                  {QStringLiteral("ГГГГ/ДДД"),
                   QStringLiteral("Порядковая запись: день года 001–369; %1 — это **%2**.")
                       .arg(dotted(newYear2001.gregorian), ordinalNotation(newYear2001))},
                  {QStringLiteral("ГГГГ"),
                   QStringLiteral("Номер года ВРКС: ГГГГ = 4 · (n − 1) + г, где n — номер юги, г — год "
                                  "юги (1–4). Год носит номер того григорианского года, в котором "
                                  "начинается: год %1 начался %2.")
                       .arg(leapStart.yearNumber())
                       .arg(dotted(leapStart.gregorian))}});
             page.note(QStringLiteral("Неделя ВРКС"),
                       QStringLiteral("Дни недели считаются от начала юги и с григорианской неделей не "
                                      "связаны: %1 — %2 по григорианскому календарю и %3-й день недели "
                                      "ВРКС (%4).")
                           .arg(dotted(newYear2001.gregorian), weekdayName(newYear2001.gregorian))
                           .arg(newYear2001.weekday())
                           .arg(weekdayName(newYear2001.weekday())));

             page.heading(QStringLiteral("4. Примеры по дневной таблице"));
             const QDate examples[] = {QDate(1921, 3, 4), QDate(1945, 5, 9),  QDate(1961, 4, 12),
                                       QDate(2001, 1, 1), QDate(2024, 2, 29), QDate(2025, 3, 3),
                                       QDate(2049, 3, 2), QDate(2049, 3, 3)};
             PageTable table;
             table.headers = {QStringLiteral("Григорианская дата"), QStringLiteral("Юга, год"),
                              QStringLiteral("Годовая запись"), QStringLiteral("Порядковая"),
                              QStringLiteral("День недели ВРКС")};
             table.widths = {1.45, 0.95, 1.25, 1.1, 1.35};
             table.align = {Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignLeft};
             table.fontScale = 0.8;
             for (const QDate& date : examples) {
                 const VrksDay d = tableDay(ctx, date);
                 if (d.isExtra()) table.highlightRows.push_back(int(table.rows.size()));
                 table.rows.push_back({dotted(date) + QStringLiteral(", ") + weekdayShort(date.dayOfWeek()),
                                       QStringLiteral("%1, %2").arg(d.yuga).arg(d.yearOfYuga),
                                       QStringLiteral("**%1**").arg(annualNotation(d)), ordinalNotation(d),
                                       QStringLiteral("%1 — %2").arg(d.weekday()).arg(weekdayName(d.weekday()))});
             }
             table.caption = QStringLiteral("Выделены дополнительные дни. У григорианской даты для сравнения "
                                            "указан её собственный день недели.");
             page.table(table);
         }},
        {1, 1}, 2.0);
    page.footer(vrksFooter(QStringLiteral("стандарт представления дат, годовой формат")), orivantProjectFooter());
    page.save(ctx);
}

// ---- VRKS_SPD_YUG ---------------------------------------------------------------------------

void drawVrksYugaFormatPage(const Context& ctx) {
    Page page(QStringLiteral("VRKS_SPD_YUG"));
    page.setBodySize(21);
    const qreal u = page.u();
    page.title(QStringLiteral("Стандарт представления дат ВРКС"),
               QStringLiteral("Юговый формат: день юги, год юги и номер юги"));
    const VrksDay sample = tableDay(ctx, QDate(2001, 1, 1));
    const YugaSpan first = yugaSpan(481);

    page.heading(QStringLiteral("1. Юга"));
    page.paragraph(QStringLiteral(
                       "Юга — цикл из четырёх лет ВРКС: 4 · 364 + 5 = 1461 день (в юге 512 — 1460). "
                       "Дни юги нумеруются подряд от 1; номер юги задаёт её место в хронологии: юга %1 "
                       "начинается %2, последняя юга таблицы — 513. По номеру дня юги сразу находятся "
                       "год юги, день года и день недели.")
                       .arg(first.yuga)
                       .arg(dotted(first.start)));
    page.drawing(5.2 * u, [&](QPainter& p, const QRectF& r) { drawYugaStrip(p, r, u); });

    page.columns(
        {[&] {
             page.heading(QStringLiteral("2. Переход между форматами"));
             page.fittedDefinitions({{QStringLiteral("день юги"), QStringLiteral("Д = 364 · (г − 1) + д")},
                                    {QStringLiteral("год юги"), QStringLiteral("г = min(4, (Д − 1) div 364 + 1)")},
                                    {QStringLiteral("день года"), QStringLiteral("д = Д − 364 · (г − 1)")},
                                    {QStringLiteral("день недели"), QStringLiteral("Н = (Д − 1) mod 7 + 1")},
                                    {QStringLiteral("дата"), QStringLiteral("начало юги + (Д − 1) суток")}});
             page.heading(QStringLiteral("3. Запись"));
             page.fittedDefinitions({{QStringLiteral("ДДДД.ЮЮЮ"),
                                     QStringLiteral("краткая: день юги (четыре цифры) и номер юги")},
                                    {QStringLiteral("ДДД.Г.ЮЮЮ"),
                                     QStringLiteral("развёрнутая: день года, год юги и юга")}});
             const QString example = QStringLiteral("%1 по григорианскому календарю — день %2 юги %3, то есть **%4**; "
                                                    "это %5-й день её %6-го года: **%7**, в годовом формате %8.")
                                         .arg(dotted(sample.gregorian))
                                         .arg(sample.dayOfYuga).arg(sample.yuga)
                                         .arg(yugaNotation(sample))
                                         .arg(sample.dayOfYear).arg(sample.yearOfYuga)
                                         .arg(yugaExpandedNotation(sample), annualNotation(sample));
             page.note(QStringLiteral("Пример"), keepTogether(example), BoxStyle::Accent, Qt::AlignLeft);
         },
         [&] {
             page.heading(QStringLiteral("4. Примеры по дневной таблице"));
             PageTable table;
             table.headers = {QStringLiteral("Григорианская дата"), QStringLiteral("Краткая"),
                              QStringLiteral("Развёрнутая"), QStringLiteral("Годовая")};
             table.widths = {1.25, 1, 1, 1};
             table.align = {Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignHCenter};
             const QDate dates[] = {QDate(1921, 3, 4),  QDate(1957, 10, 4), QDate(1980, 7, 19),
                                    QDate(2001, 1, 1),  QDate(2024, 2, 29), QDate(2025, 3, 3),
                                    QDate(2045, 3, 4),  QDate(2049, 3, 2),  QDate(2053, 3, 2)};
             for (const QDate& date : dates) {
                 const VrksDay d = tableDay(ctx, date);
                 if (d.isExtra()) table.highlightRows.push_back(int(table.rows.size()));
                 table.rows.push_back({dotted(date), QStringLiteral("**%1**").arg(yugaNotation(d)),
                                       yugaExpandedNotation(d), annualNotation(d)});
             }
             table.caption = QStringLiteral("Выделены дополнительные дни: дни юги с 1457-го.");
             page.table(table);
         }},
        {1, 1.15}, 1.6);
    page.footer(vrksFooter(QStringLiteral("стандарт представления дат, юговый формат")), orivantProjectFooter());
    page.save(ctx);
}

// ---- VRKS_DKS -------------------------------------------------------------------------------

namespace {

// The worked steps of finding a date, as lines of a box.
QString datingSteps(const VrksDay& d) {
    const QDate date = d.gregorian;
    const int guess = (date.year() + 3) / 4;
    const YugaSpan guessed = yugaSpan(guess);
    const YugaSpan span = yugaSpan(d.yuga);
    QStringList lines;
    if (guess == d.yuga) {
        lines << QStringLiteral("n = (%1 + 3) div 4 = **%2**; юга начинается %3.")
                     .arg(date.year()).arg(guess).arg(dotted(span.start));
    } else {
        lines << QStringLiteral("n = (%1 + 3) div 4 = %2, но юга %2 начинается лишь %3, значит юга **%4** "
                                "(с %5).")
                     .arg(date.year()).arg(guess).arg(dotted(guessed.start)).arg(d.yuga)
                     .arg(dotted(span.start));
    }
    lines << QStringLiteral("Д = %1 + 1 = **%2**; г = %3, д = %4.")
                 .arg(span.start.daysTo(date)).arg(d.dayOfYuga).arg(d.yearOfYuga).arg(d.dayOfYear);
    if (d.isExtra())
        lines << QStringLiteral("Дополнительный день %1: **%2**, юговая запись %3.")
                     .arg(d.extraDay()).arg(annualNotation(d), yugaNotation(d));
    else
        lines << QStringLiteral("Месяц %1, число %2, неделя %3, день недели %4: **%5**, юговая запись %6.")
                     .arg(d.month()).arg(d.dayOfMonth()).arg(d.week()).arg(d.weekday())
                     .arg(annualNotation(d), yugaNotation(d));
    if (d.isExtra())
        lines << QStringLiteral("Лист юги %1 (%2–%3): столбец дополнительных дней, строка «%4».")
                     .arg(d.yuga).arg(4 * d.yuga - 3).arg(4 * d.yuga).arg(weekdayName(d.weekday()));
    else
        lines << QStringLiteral("Лист юги %1 (%2–%3), таблица года %4: неделя %5, строка «%6».")
                     .arg(d.yuga).arg(4 * d.yuga - 3).arg(4 * d.yuga).arg(d.yearOfYuga).arg(d.week())
                     .arg(weekdayName(d.weekday()));
    return keepTogether(lines.join(QLatin1Char('\n')));
}

}  // namespace

void drawVrksDatingPage(const Context& ctx) {
    Page page(QStringLiteral("VRKS_DKS"));
    page.setBodySize(21.5);
    page.title(QStringLiteral("Датировка в ВРКС"),
               QStringLiteral("Как найти день на листах юг, в дневных таблицах и в календарной таблице"));
    page.columns(
        {[&] {
             page.heading(QStringLiteral("Порядок действий"));
             QStringList steps =
                 {QStringLiteral("**Юга.** Для григорианского года Y: n = (Y + 3) div 4. Если дата раньше "
                                 "начала юги n (4 марта года 4n − 3), берётся юга n − 1. Исключение — юга 513: "
                                 "она начинается 03.03.2049."),
                  QStringLiteral("**День юги.** Д = (число суток от начала юги до даты) + 1."),
                  QStringLiteral("**Год и день года.** г = min(4, (Д − 1) div 364 + 1), д = Д − 364 · (г − 1); "
                                 "месяц, число, неделя и день недели — по формулам годового формата."),
                  QStringLiteral("**Лист юги.** Юга n изображена на листе своих лет 4n − 3 … 4n (юга 507 — лист 2025–2028). "
                                 "День года д стоит в столбце недели (д − 1) div 7 + 1 и в строке дня недели "
                                 "(д − 1) mod 7 + 1 каждой из таблиц года; дополнительные дни — в столбце "
                                 "дополнительных дней таблицы юги."),
                  QStringLiteral("**Дневная таблица юги.** В каждой клетке стоит григорианская дата дня ВРКС: "
                                 "достаточно найти свою дату в таблице своего года юги."),
                  QStringLiteral("**Календарная таблица.** Один год из 364 дней, общий для всех лет: день "
                                 "находится по дню года д.")};
             page.bullets(keepEachTogether(steps), true, 0.95, Qt::AlignLeft);
             page.note(QStringLiteral("В программе"),
                       QStringLiteral("Пункт «пнб» меню разделов открывает дневную таблицу юги с отмеченным "
                                      "днём. Щелчок по листу переключает её на календарную таблицу, следующий — "
                                      "на лист юги, ещё один — снова на дневную таблицу. День выбирают командой "
                                      "«датировать» контекстного меню листа, с 04.03.1921 по 02.03.2049."));
         },
         [&] {
             page.heading(QStringLiteral("Примеры"));
             for (const QDate& date : {QDate(2025, 6, 15), QDate(2025, 1, 15)}) {
                 const VrksDay d = tableDay(ctx, date);
                 page.note(QStringLiteral("Дата ") + dotted(date), datingSteps(d), BoxStyle::Accent, Qt::AlignLeft);
             }
         }},
        {1.05, 1}, 1.4);
    page.footer(vrksFooter(QStringLiteral("датировка")), orivantProjectFooter());
    page.save(ctx);
}

}  // namespace zuvgen
