// The short descriptions of the ZUV calendar system (ANONS_ZUV) and of the VRKS (ANONS_VRKS).
#include "kit/Page.h"
#include "pages/VrksPages.h"
#include "facts/VrksFacts.h"

namespace zuvgen {

using namespace vrks;

namespace {

// The calendar systems of the grid, in the order of their emblems (1 ЗУВ, 2 Gregorian, 3 VRKS).
const char* const kSystemNames[25] = {
    "зувская",       "григорианская", "варийская",       "юлианская",   "дендерская",
    "бахайская",     "арабская",      "каргопольская",   "фестская",    "тэнгрианская",
    "миттельбергская", "сторожевская", "ориньякская",    "радимичская", "ачинская",
    "инглингская",   "никопольская",  "африканская",     "сутатусская", "друидская",
    "серпоновская",  "мерлинская",    "маскальская",     "шумерская",   "болгарская"};

}  // namespace

// ---- ANONS_ZUV ------------------------------------------------------------------------------

void drawZuvDescriptionPage(const Context& ctx) {
    Page page(QStringLiteral("ANONS_ZUV"), Page::Paper::White);
    page.setBodySize(54);
    page.title(QStringLiteral("Зувская календарная система"),
               QStringLiteral("ЗУВ — календарный проект «Оривант»: краткое описание"));
    page.paragraph(QStringLiteral(
        "Зувская календарная система (ЗУВ) — общая рамка проекта. Она собирает календарные системы "
        "под одной обложкой и показывает их одинаково: большими листами, таблицами и пояснительными "
        "страницами, на которых можно найти и отметить любой день."));

    page.heading(QStringLiteral("25 календарных систем"));
    PageTable grid;
    grid.zebra = false;
    grid.fontScale = 0.78;
    grid.align = std::vector<Qt::Alignment>(5, Qt::AlignHCenter);
    for (int r = 0; r < 5; ++r) {
        QStringList row;
        for (int c = 0; c < 5; ++c) {
            const int n = 5 * r + c + 1;
            const QString name = QString::fromUtf8(kSystemNames[n - 1]);
            row << (n <= 3 ? QStringLiteral("**%1**\n**%2**").arg(n).arg(name) : QStringLiteral("%1\n%2").arg(n).arg(name));
        }
        grid.rows.push_back(row);
    }
    grid.caption = QStringLiteral("Так расположены эмблемы систем в главном окне программы.");
    page.table(grid);

    page.heading(QStringLiteral("Три проработанные системы"));
    raggedBullets(page, {QStringLiteral("**Зувская** — общая рамка: главная страница и это описание."),
                  QStringLiteral("**Григорианская** — листы по четыре года с 2001 по 2052 с отметкой дня, "
                                 "стандарт представления дат, юлиано-лилианский формат, датировка, хронология."),
                  QStringLiteral("**Варийская (ВРКС)** — год из 13 месяцев по 28 дней, юги по четыре года, "
                                 "дневная таблица с 04.03.1921 по 02.03.2053; "
                                 "листы юг 481–512, дневные таблицы юг и календарная таблица, форматы "
                                 "годовой, юговый, астрономический и пасхальный, датировка, хронология.")});

    page.heading(QStringLiteral("Как пользоваться"));
    raggedBullets(page, {QStringLiteral("Щелчок по эмблеме в главном окне открывает главную страницу системы. На "
                                 "главной странице григорианской или варийской системы щелчок в круг "
                                 "эмблемы открывает лист с отмеченным днём — сначала сегодняшним."),
                  QStringLiteral("Угловые картинки: левая верхняя — выбор системы, правая верхняя — меню "
                                 "окна, левая нижняя — разделы системы, правая нижняя — «анонс»."),
                  QStringLiteral("Правая кнопка мыши на листе: «увеличить», «уменьшить» и «датировать» — "
                                 "выбор дня, который будет отмечен мигающей рамкой.")});
    page.footer(QStringLiteral("Зувская календарная система · краткое описание"), projectFooterRight());
    page.save(ctx);
}

// ---- ANONS_VRKS -----------------------------------------------------------------------------

void drawVrksDescriptionPage(const Context& ctx) {
    Page page(QStringLiteral("ANONS_VRKS"), Page::Paper::White);
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
             raggedBullets(page,
                 {QStringLiteral("**Год** — 13 месяцев по 28 дней: 364 дня, ровно 52 недели."),
                  QStringLiteral("**Юга** — четыре года и 5 дополнительных дней в конце четвёртого: "
                                 "1461 день, в среднем 365,25 суток на год."),
                  QStringLiteral("**Юга 512** на день короче; с этой поправкой средний год юг 481–512 — "
                                 "%1 суток, почти ровно тропический год.")
                      .arg(decimal(meanVrksYear(481, 512), 7)),
                  QStringLiteral("**Хронология**: юга n — годы ВРКС с 4n − 3 по 4n; юга %1 начинается %2, "
                                 "юга %3 кончается %4.")
                      .arg(first.yuga).arg(dotted(first.start)).arg(last.yuga).arg(dotted(last.end)),
                  QStringLiteral("**Запись**: ДД.ММ.ГГГГ (месяц 01–13) или ДДДД.ЮЮЮ (день юги): "
                                 "%1 — это %2, или %3.")
                      .arg(dotted(sample->gregorian), annualNotation(*sample), yugaNotation(*sample))},
                 0.95);
         },
         [&] {
             page.heading(QStringLiteral("Разделы"));
             termDefinitions(page, {{QStringLiteral("пнб"),
                                     QStringLiteral("прошлое, настоящее, будущее: дневная таблица юги, "
                                                    "календарная таблица и лист юги с отмеченным днём")},
                                    {QStringLiteral("спд"),
                                     QStringLiteral("стандарт представления дат: форматы годовой и юговый")},
                                    {QStringLiteral("дкс"), QStringLiteral("датировка: как найти день на листах")},
                                    {QStringLiteral("хкс"), QStringLiteral("хронология: юги 481–513 и их границы")},
                                    {QStringLiteral("ткс"),
                                     QStringLiteral("форматы галактический (астрономический) и пасхальный")},
                                    {QStringLiteral("анонс"), QStringLiteral("это краткое описание")}},
                             0.95);
             page.caption(QStringLiteral("Разделы открываются левой нижней угловой картинкой, выбор системы — "
                                         "левой верхней."),
                          Qt::AlignLeft, 0.85);
         }},
        {1.15, 1}, 1.6);
    page.subheading(QStringLiteral("Юга в днях"));
    page.drawing(5.2 * u, [&](QPainter& p, const QRectF& r) { drawYugaStrip(p, r, u); });
    page.footer(vrksFooterLeft(QStringLiteral("краткое описание")), projectFooterRight());
    page.save(ctx);
}

}  // namespace zuvgen
