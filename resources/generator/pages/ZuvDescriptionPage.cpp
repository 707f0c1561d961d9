// The short description of the ZUV calendar system (ANONS_ZUV): the frame of the project, the
// grid of its 25 calendar systems, the three worked-out systems and how the program is used.

#include "facts/CalendarSystems.h"
#include "kit/Page.h"
#include "pages/Footers.h"
#include "pages/ZuvPages.h"

namespace zuvgen {

void drawZuvDescriptionPage(const Context& ctx) {
    Page page(QStringLiteral("ANONS_ZUV"));
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
            const QString name = systemName(n);
            row << (n <= 3 ? QStringLiteral("**%1**\n**%2**").arg(n).arg(name) : QStringLiteral("%1\n%2").arg(n).arg(name));
        }
        grid.rows.push_back(row);
    }
    grid.caption = QStringLiteral("Так расположены эмблемы систем в главном окне программы.");
    page.table(grid);

    page.heading(QStringLiteral("Три проработанные системы"));
    const QStringList systems = {
        QStringLiteral("**Зувская** — общая рамка: главная страница и это описание."),
        QStringLiteral("**Григорианская** — листы по четыре года с 2001 по 2052 с отметкой дня, "
                       "стандарт представления дат, юлиано-лилианский формат, датировка, хронология."),
        QStringLiteral("**Варийская (ВРКС)** — год из 13 месяцев по 28 дней, юги по четыре года, "
                       "дневная таблица с 04.03.1921 по 02.03.2053; "
                       "листы юг 481–512, дневные таблицы юг и календарная таблица, форматы "
                       "годовой, юговый, астрономический и пасхальный, датировка, хронология.")};
    page.bullets(keepEachTogether(systems), false, 1.0, Qt::AlignLeft);

    page.heading(QStringLiteral("Как пользоваться"));
    const QStringList usage = {QStringLiteral("Щелчок по эмблеме в главном окне открывает главную страницу системы. На "
                                              "главной странице григорианской или варийской системы щелчок в круг "
                                              "эмблемы открывает лист с отмеченным днём — сначала сегодняшним."),
                               QStringLiteral("Угловые картинки: левая верхняя — выбор системы, правая верхняя — меню "
                                              "окна, левая нижняя — разделы системы, правая нижняя — «анонс»."),
                               QStringLiteral("Правая кнопка мыши на листе: «увеличить», «уменьшить» и «датировать» — "
                                              "выбор дня, который будет отмечен мигающей рамкой.")};
    page.bullets(keepEachTogether(usage), false, 1.0, Qt::AlignLeft);
    page.footer(QStringLiteral("Зувская календарная система · краткое описание"), orivantProjectFooter());
    page.save(ctx);
}

}  // namespace zuvgen
