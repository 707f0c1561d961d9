// The drawing primitives: polar placement, centred text, discs, rings, dots, ticks, stars.

#include "kit/Draw.h"

#include <QFontMetricsF>
#include <QtMath>

namespace zuvgen {

QPointF polar(QPointF c, qreal r, qreal deg) {
    const qreal a = qDegreesToRadians(deg);
    return {c.x() + r * qCos(a), c.y() + r * qSin(a)};
}

void textAt(QPainter& p, QPointF centre, const QString& text, const QFont& font, const QColor& colour) {
    // Centre on the ink's cap height rather than the line box, so short words sit optically in
    // the middle of a circle.
    const QFontMetricsF fm(font);
    const qreal w = fm.horizontalAdvance(text);
    const qreal capHeight = fm.capHeight();
    p.save();
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QPointF(centre.x() - w / 2, centre.y() + capHeight / 2), text);
    p.restore();
}

void textIn(QPainter& p, const QRectF& box, int flags, const QString& text, const QFont& font,
            const QColor& colour) {
    p.save();
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, flags, text);
    p.restore();
}

void disc(QPainter& p, QPointF c, qreal r, const QBrush& fill) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawEllipse(c, r, r);
    p.restore();
}

void circle(QPainter& p, QPointF c, qreal r, const QColor& colour, qreal width) {
    p.save();
    p.setPen(QPen(colour, width));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
    p.restore();
}

void dotsAround(QPainter& p, QPointF c, qreal r, int count, qreal dotR, const QColor& colour, qreal phaseDeg) {
    for (int i = 0; i < count; ++i) disc(p, polar(c, r, phaseDeg + 360.0 * i / count), dotR, colour);
}

void ticksAround(QPainter& p, QPointF c, qreal r1, qreal r2, int count, const QColor& colour, qreal width,
                 qreal phaseDeg) {
    p.save();
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i < count; ++i) {
        const qreal a = phaseDeg + 360.0 * i / count;
        p.drawLine(polar(c, r1, a), polar(c, r2, a));
    }
    p.restore();
}

QPainterPath starPath(QPointF c, int points, qreal rOuter, qreal rInner, qreal phaseDeg) {
    QPainterPath path;
    for (int i = 0; i < 2 * points; ++i) {
        const QPointF pt = polar(c, i % 2 ? rInner : rOuter, phaseDeg + 180.0 * i / points);
        if (i == 0) path.moveTo(pt);
        else path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

QPainterPath rhombusPath(QPointF c, qreal halfW, qreal halfH) {
    QPainterPath path;
    path.moveTo(c.x(), c.y() - halfH);
    path.lineTo(c.x() + halfW, c.y());
    path.lineTo(c.x(), c.y() + halfH);
    path.lineTo(c.x() - halfW, c.y());
    path.closeSubpath();
    return path;
}

}  // namespace zuvgen
