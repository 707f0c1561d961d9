// The short description of the VRKS (ANONS_VRKS): the calendar, its sections in the program and
// a yuga in days.

#include "kit/Formatting.h"
#include "kit/Page.h"
#include "pages/Footers.h"
#include "pages/VrksPages.h"

namespace zuvgen {

using namespace vrks;

void drawVrksDescriptionPage(const Context& ctx) {
    Page page(QStringLiteral("ANONS_VRKS"));
    page.setBodySize(33);
    const qreal u = page.u();
    page.title(QStringLiteral("Варийская календарная система"), QStringLiteral("кс варийская (ВРКС): краткое описание"));

    const std::optional<VrksDay> sample = vrksDayOf(ctx.dayTableLines, QDate(2001, 1, 1));
    if (!sample) fail(QStringLiteral("ANONS_VRKS: 01.01.2001 is not in the day table"));
    const YugaSpan first = yugaSpan(481), last = yugaSpan(513);

    page.paragraph(QStringLiteral("ВРКС — календарь с неизменной сеткой: все месяцы одинаковы, все годы "
                                  "начинаются с первого дня недели, а разница с солнечным годом собирается в "
                                  "дополнительные дни в конце каждой юги."),
                   Qt::AlignLeft);
    page.columns(
        {[&] {
             page.heading(QStringLiteral("Календарь"));
             const QStringList calendar = {
                 QStringLiteral("**Год** — 13 месяцев по 28 дней: 364 дня, ровно 52 недели."),
                 QStringLiteral("**Юга** — четыре года и 5 дополнительных дней в конце четвёртого: "
                                "1461 день, в среднем 365,25 суток на год."),
                 QStringLiteral("**Юга 512** на день короче; с этой поправкой средний год юг 481–512 — "
                                "%1 суток, почти ровно тропический год.")
                     .arg(decimal(meanVrksYear(481, 512), 7)),
                 QStringLiteral("**Хронология**: юга n — годы ВРКС с 4n − 3 по 4n; юга %1 начинается %2, "
                                "юга %3 кончается %4.")
                     .arg(first.yuga)
                     .arg(dotted(first.start))
                     .arg(last.yuga)
                     .arg(dotted(last.end)),
                 QStringLiteral("**Запись**: ДД.ММ.ГГГГ (месяц 01–13) или ДДДД.ЮЮЮ (день юги): "
                                "%1 — это %2, или %3.")
                     .arg(dotted(sample->gregorian), annualNotation(*sample), yugaNotation(*sample))};
             page.bullets(keepEachTogether(calendar), false, 0.95, Qt::AlignLeft);
         },
         [&] {
             page.heading(QStringLiteral("Разделы"));
             page.fittedDefinitions({{QStringLiteral("пнб"),
                                     QStringLiteral("прошлое, настоящее, будущее: дневная таблица юги, "
                                                    "календарная таблица и лист юги с отмеченным днём")},
                                    {QStringLiteral("спд"),
                                     QStringLiteral("стандарт представления дат: форматы годовой и юговый")},
                                    {QStringLiteral("дкс"), QStringLiteral("датировка: как найти день на листах")},
                                    {QStringLiteral("хкс"), QStringLiteral("хронология: юги 481–513 и их границы")},
                                    {QStringLiteral("ткс"),
                                     QStringLiteral("форматы галактический (астрономический) и пасхальный")},
                                    {QStringLiteral("анонс"), QStringLiteral("это краткое описание")}}, 0.95);
             page.caption(QStringLiteral("Разделы открываются левой нижней угловой картинкой, выбор системы — "
                                         "левой верхней."),
                          Qt::AlignLeft, 0.85);
         }},
        {1.15, 1}, 1.6);
    page.subheading(QStringLiteral("Юга в днях"));
    page.drawing(5.2 * u, [&](QPainter& p, const QRectF& r) { drawYugaStrip(p, r, u); });
    page.footer(vrksFooter(QStringLiteral("краткое описание")), orivantProjectFooter());
    page.save(ctx);
}

}  // namespace zuvgen
