// The VRKS page family: the section pages of the VRKS system and the ZUV and VRKS
// description pages.
#include "pages/VrksPages.h"

#include "kit/Page.h"
#include "facts/VrksFacts.h"

#include <QFontMetricsF>
#include <algorithm>

namespace zuvgen {

QString vrksFooterLeft(const QString& section) {
    return QStringLiteral("Варийская календарная система · ") + section;
}

QString projectFooterRight() { return QStringLiteral("Календарный проект «Оривант»"); }

void termDefinitions(Page& page, const std::vector<std::pair<QString, QString>>& items, qreal scale) {
    const PagePalette& pal = pagePalette();
    const qreal u = page.u();
    const QFont termFont = typeface(Face::SansBold, 0.92 * scale * u);
    const QFont textFont = typeface(Face::Serif, scale * u);
    const QFontMetricsF metrics(termFont);
    qreal termW = 0;
    for (const auto& item : items) {
        QString plain = item.first;
        plain.remove(QLatin1Char('*'));
        termW = std::max(termW, metrics.horizontalAdvance(plain));
    }
    termW += 0.8 * u;
    const QRectF f = page.frame();
    qreal y = page.y();
    for (const auto& [term, text] : items) {
        const qreal h1 = page.drawText(term, termFont, QPointF(f.left(), y + 0.06 * scale * u), termW, Qt::AlignLeft,
                                       pal.accent, 1.38 / 0.92);
        const qreal h2 = page.drawText(keepTogether(text), textFont, QPointF(f.left() + termW, y), f.width() - termW, Qt::AlignLeft,
                                       pal.ink, 1.38);
        y += std::max(h1, h2) + 0.3 * scale * u;
    }
    page.setY(y + 0.3 * u);
}

void raggedBullets(Page& page, const QStringList& items, qreal scale, bool numbered) {
    const PagePalette& pal = pagePalette();
    const qreal size = scale * page.u();
    const qreal indent = (numbered ? 1.9 : 1.3) * size;
    const QFont body = typeface(Face::Serif, size);
    const QRectF f = page.frame();
    qreal y = page.y();
    for (int i = 0; i < items.size(); ++i) {
        if (numbered) {
            page.drawText(QString::number(i + 1) + QLatin1Char('.'), typeface(Face::SansBold, 0.95 * size),
                          QPointF(f.left(), y + 0.03 * size), indent - 0.4 * size, Qt::AlignRight, pal.accent,
                          1.38 / 0.95);
        } else if (!page.measuring()) {
            QPainter& p = page.painter();
            p.save();
            p.setPen(Qt::NoPen);
            p.setBrush(pal.accent);
            p.drawEllipse(QPointF(f.left() + 0.45 * size, y + 0.69 * size), 0.17 * size, 0.17 * size);
            p.restore();
        }
        y += page.drawText(keepTogether(items.at(i)), body, QPointF(f.left() + indent, y), f.width() - indent,
                           Qt::AlignLeft, pal.ink, 1.38);
        y += 0.22 * size;
    }
    page.setY(y + 0.35 * page.u());
}

void raggedNote(Page& page, const QString& heading, const QString& text, BoxStyle style) {
    page.box(
        [&] {
            const PagePalette& pal = pagePalette();
            const QRectF f = page.frame();
            const qreal u = page.u();
            qreal y = page.y();
            if (!heading.isEmpty())
                y += page.drawText(heading, typeface(Face::SansBold, u), QPointF(f.left(), y), f.width(), Qt::AlignLeft,
                                   style == BoxStyle::Note ? pal.accent2 : pal.accent, 1.3) +
                     0.2 * u;
            y += page.drawText(keepTogether(text), typeface(Face::Serif, 0.95 * u), QPointF(f.left(), y), f.width(),
                               Qt::AlignLeft, pal.ink, 1.38);
            page.setY(y);
        },
        style);
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

std::vector<Job> vrksPageJobs(const Context& ctx) {
    // The heaviest pages first, so that they do not end up last on a core.
    return {
        [ctx] { drawVrksPaschalPage(ctx); },
        [ctx] { drawZuvDescriptionPage(ctx); },
        [ctx] { drawVrksAstronomicalPage(ctx); },
        [ctx] { drawVrksAnnualFormatPage(ctx); },
        [ctx] { drawVrksChronologyPage(ctx); },
        [ctx] { drawVrksDescriptionPage(ctx); },
        [ctx] { drawVrksYugaFormatPage(ctx); },
        [ctx] { drawVrksDatingPage(ctx); },
    };
}

}  // namespace zuvgen
