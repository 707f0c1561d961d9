// What several VRKS pages share: the day-table lookup that must succeed and the yuga strip.

#include "pages/VrksPages.h"

#include "kit/Formatting.h"
#include "kit/Page.h"

#include <algorithm>

namespace zuvgen {

vrks::VrksDay tableDay(const Context& ctx, const QDate& date) {
    const std::optional<vrks::VrksDay> day = vrks::vrksDayOf(ctx.dayTableLines, date);
    if (!day) fail(QStringLiteral("VRKS pages: %1 is not in the day table").arg(dotted(date)));
    return *day;
}

// A yuga as a strip: the four years to scale with their day ranges and the extra days.
void drawYugaStrip(QPainter& p, const QRectF& area, qreal u) {
    const PagePalette& pal = pagePalette();
    const qreal total = 1461;
    const qreal barTop = area.top() + 1.5 * u;
    const qreal barH = 2.4 * u;
    const qreal scale = area.width() / total;
    const QColor fills[] = {pal.headerFill, pal.zebra, pal.headerFill, pal.zebra};
    QFont label = typeface(Face::SansBold, 0.85 * u);
    QFont small = typeface(Face::Sans, 0.78 * u);
    for (int y = 1; y <= 5; ++y) {
        const bool extra = y == 5;
        const int first = extra ? 1457 : vrks::dayOfYugaFrom(y, 1);
        const int last = extra ? 1461 : vrks::dayOfYugaFrom(y, 364);
        const QRectF bar(area.left() + (first - 1) * scale, barTop, (last - first + 1) * scale, barH);
        p.setPen(QPen(pal.accent, std::max(1.0, 0.06 * u)));
        p.setBrush(extra ? pal.highlightFill : fills[y - 1]);
        p.drawRect(bar);
        if (!extra) {
            p.setFont(label);
            p.setPen(pal.accent);
            p.drawText(bar, Qt::AlignCenter, QStringLiteral("год %1").arg(y));
            p.setFont(small);
            p.setPen(pal.ink);
            p.drawText(QRectF(bar.left(), bar.bottom() + 0.2 * u, bar.width(), 1.3 * u), Qt::AlignCenter,
                       QStringLiteral("дни %1–%2").arg(first).arg(last));
        } else {
            // The extra days are too narrow for a label inside: point at them from above.
            p.setFont(small);
            p.setPen(pal.accent2);
            const QRectF text(area.right() - 9 * u, area.top(), 9 * u, 1.2 * u);
            p.drawText(text, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("доп. дни 1457–1461"));
            p.setPen(QPen(pal.accent2, std::max(1.0, 0.06 * u)));
            p.drawLine(QPointF(bar.center().x(), text.bottom()), QPointF(bar.center().x(), bar.top()));
        }
    }
}

}  // namespace zuvgen
