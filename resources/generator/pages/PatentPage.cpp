// The title page of the project's protection (PATENT), opened from the section "контроль".

#include "kit/Page.h"
#include "pages/ZuvPages.h"

#include <cmath>

namespace zuvgen {

// ---- PATENT ---------------------------------------------------------------------------------

void drawPatentPage(const Context& ctx) {
    Page page(QStringLiteral("PATENT"));
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
    page.caption(QStringLiteral("КАЛЕНДАРНЫЙ ПРОЕКТ ОРИВАНТ"), Qt::AlignHCenter, 0.8, pal.muted);
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
        p.drawText(QRectF(c.x() - rad, c.y() - rad, 2 * rad, 2 * rad), Qt::AlignCenter, QStringLiteral("ЗУВ"));
    });
    page.paragraph(QStringLiteral("**ЗУВСКАЯ КАЛЕНДАРНАЯ СИСТЕМА**"), Qt::AlignHCenter, 1.0);
    page.rule(0.06, pal.noteBorder);
    page.subheading(QStringLiteral("Охрана прав автора"));
    page.paragraph(QStringLiteral("Материалы проекта — результат творческого труда его автора и охраняются авторским правом:"),
                   Qt::AlignLeft, 0.9);
    page.bullets({QStringLiteral("календарные системы ЗУВ и ВРКС;"), QStringLiteral("календарные листы и таблицы;"),
                  QStringLiteral("описания и пояснения;"), QStringLiteral("программа для их просмотра.")},
                 false, 0.9, Qt::AlignLeft);
    page.paragraph(QStringLiteral("Воспроизведение, переработка и распространение материалов допускаются только с "
                   "согласия автора и со ссылкой на календарный проект."),
                   Qt::AlignLeft, 0.9);
    page.setY(std::max(page.y(), page.bottom() - 2.6 * u));
    page.rule(0.06, pal.noteBorder);
    page.caption(QStringLiteral("Все права защищены."), Qt::AlignHCenter, 0.9, pal.accent2);
    page.save(ctx);
}

}  // namespace zuvgen
