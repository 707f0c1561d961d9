// The guide to the program's interface (ANONS_GOP): a plan of the main window with numbered
// parts, the sheet's tools, what each part does, and the keys and the mouse on a dated sheet.

#include "facts/GregorianFacts.h"
#include "kit/Formatting.h"
#include "kit/Page.h"
#include "pages/Footers.h"
#include "pages/ZuvPages.h"

#include <QDate>

namespace zuvgen {

namespace {

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
    p.drawText(top.adjusted(band, 0, -band, 0), Qt::AlignCenter, QStringLiteral("КАЛЕНДАРНЫЙ   ПРОЕКТ   ОРИВАНТ"));
    p.drawText(bottom.adjusted(band, 0, -band, 0), Qt::AlignCenter, QStringLiteral("ГЛАВНОЕ   ОКНО   ПРОГРАММЫ"));

    // The section menu with its labels at their heights.
    p.setPen(Qt::white);
    p.setFont(typeface(Face::SansBold, 0.7 * u));
    p.drawText(QRectF(left.left(), left.top() + left.height() * 0.07, leftW, u), Qt::AlignCenter, QStringLiteral("ЗУВ"));
    const QString entries[] = {QStringLiteral("главная"), QStringLiteral("календарология"), QStringLiteral("календария"), QStringLiteral("календарь"), QStringLiteral("контакт"), QStringLiteral("контроль"), QStringLiteral("комментарии")};
    const qreal factors[] = {0.42, 0.50, 0.58, 0.67, 0.76, 0.86, 0.94};
    for (int i = 0; i < 7; ++i) {
        p.setFont(typeface(Face::SansBold, (i == 0 ? 0.5 : 0.4) * u));
        p.drawText(QRectF(left.left(), left.top() + left.height() * factors[i] - 0.4 * u, leftW, 0.8 * u), Qt::AlignCenter,
                   entries[i]);
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
    const QString items[3] = {QStringLiteral("увеличить"), QStringLiteral("уменьшить"), QStringLiteral("датировать")};
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
    p.drawText(QRectF(cal.left(), cal.top(), cal.width(), ch), Qt::AlignCenter, QStringLiteral("%1 %2").arg(monthNominative(3)).arg(2005));
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
        p.drawText(r, Qt::AlignCenter, QStringLiteral("15"));
        if (i < 2) {
            p.setPen(pal.muted);
            p.setFont(typeface(Face::Sans, 0.9 * u));
            p.drawText(QRectF(r.right(), y, 1.6 * u, side), Qt::AlignCenter, QStringLiteral("→"));
        }
    }
    drawBadge(p, QPointF(area.left() + 0.6 * u, y + side / 2), 11, u);
}

}  // namespace

void drawInterfacePage(const Context& ctx) {
    Page page(QStringLiteral("ANONS_GOP"));
    // About the largest body size at which the numbered parts and the keys fit the page.
    page.setBodySize(fittedBodySize(page.width(), page.height(), 10.75));
    const qreal u = page.u();
    page.title(QStringLiteral("Интерфейс программы"), QStringLiteral("краткое руководство"));
    page.drawing(14 * u, [&](QPainter& p, const QRectF& r) {
        const qreal planW = std::min(r.width() * 0.64, r.height() * 1.45);
        drawWindowPlan(p, QRectF(r.left(), r.top(), planW, r.height()), u);
        drawSheetTools(p, QRectF(r.left() + planW + 1.2 * u, r.top(), r.width() - planW - 1.2 * u, r.height()), u);
    });

    const Qt::Alignment left = Qt::AlignLeft;
    page.columns({
        [&] {
            page.heading(QStringLiteral("Угловые рисунки"));
            page.definitions(
                {{QStringLiteral("1"), QStringLiteral("Список 25 календарных систем; «кс зувская», «кс григорианская» и «кс варийская» "
                          "открывают главные страницы. Правым щелчком — всегда, левым — везде, кроме "
                          "главного окна и этого описания.")},
                 {QStringLiteral("2"), QStringLiteral("Меню окна (ниже).")},
                 {QStringLiteral("3"), QStringLiteral("Разделы григорианской и варийской систем: «пнб», «спд», «дкс», «хкс», «ткс».")},
                 {QStringLiteral("4"), QStringLiteral("«анонс»: краткое описание системы, а в главном окне — это описание.")}},
                1.9, left);
            page.caption(QStringLiteral("Меню открывается у указателя мыши."), Qt::AlignLeft, 0.85);
            page.heading(QStringLiteral("Меню окна"));
            page.bullets({QStringLiteral("«главное окно программы» — к сетке систем;"),
                          QStringLiteral("«развернуть в экран» — на весь экран, поверх других окон;"),
                          QStringLiteral("«свернуть в окно» — снова обычное окно;"),
                          QStringLiteral("«свернуть на панель» — на панель задач;"),
                          QStringLiteral("«закрыть программу» — выход.")},
                         false, 0.95, left);
        },
        [&] {
            page.heading(QStringLiteral("Окно и лист"));
            page.definitions(
                {{QStringLiteral("5"), QStringLiteral("Меню слева: «главная» — к сетке систем, «контроль» — к разделу с патентом; "
                          "пункт под указателем крупнее.")},
                 {QStringLiteral("6"), QStringLiteral("За середину верхней полосы окно перетаскивается (если не развёрнуто).")},
                 {QStringLiteral("7"), QStringLiteral("25 календарных систем; подсказка называет систему. Щелчок по эмблеме в центре "
                          "главной страницы системы открывает лист с отмеченным сегодняшним днём.")},
                 {QStringLiteral("8"), QStringLiteral("Орнаментальная полоса. На страницах разделов она и меню слева скрыты; "
                          "«свернуть в окно» возвращает их.")},
                 {QStringLiteral("9"), QStringLiteral("Правый щелчок по листу: «увеличить» — вдвое (датировка григорианской системы — "
                          "втрое), прокрутка колесом; «уменьшить» — обратно; «датировать» — на экранах с датой.")},
                 {QStringLiteral("10"), QStringLiteral("Щелчок по дню отмечает его; календарик остаётся открытым, щелчок по листу или Esc скрывает его.")},
                 {QStringLiteral("11"), QStringLiteral("Рамки вокруг дня, его дня недели и недели меняют цвет раз в секунду: белый → синий → красный.")}},
                1.9, left);
        },
    });
    // The keys and the mouse on a dated screen, in two lists of the same term width.
    page.heading(QStringLiteral("Клавиши и мышь на листе с датой"));
    const qreal keyColumn = 9, keyScale = 0.9;
    page.columns({
        [&] {
            page.definitions(
                {{QStringLiteral("→  ←"), QStringLiteral("день вперёд, назад")},
                 {QStringLiteral("↓  ↑"), QStringLiteral("неделя вперёд, назад")},
                 {QStringLiteral("Page Down\nPage Up"), QStringLiteral("месяц: в григорианском календаре то же число соседнего "
                          "месяца, в ВРКС 28\u00a0дней")},
                 {QStringLiteral("Ctrl+Page Down\nCtrl+Page Up"), QStringLiteral("год вперёд, назад")},
                 {QStringLiteral("Home"), QStringLiteral("сегодняшний день")}},
                keyColumn, left, keyScale);
        },
        [&] {
            page.definitions(
                {{QStringLiteral("Ctrl+C"), QStringLiteral("копирует карточку отмеченного дня: этот день словами в обоих календарях")},
                 {QStringLiteral("Ctrl+=, Ctrl++\nCtrl+−"), QStringLiteral("увеличить, уменьшить; Ctrl с колесом над листом — то же")},
                 {QStringLiteral("левая кнопка"), QStringLiteral("перетаскивает увеличенный лист")},
                 {QStringLiteral("указатель"), QStringLiteral("задержанный над клеткой дня, показывает этот день в подсказке")}},
                keyColumn, left, keyScale);
        },
    });
    page.caption(QStringLiteral("Отметка не уходит за первый и последний день календарика."), Qt::AlignLeft, 0.85);
    page.footer(QStringLiteral("Интерфейс компьютерной программы"), zuvProjectFooter());
    page.save(ctx);
}

}  // namespace zuvgen
