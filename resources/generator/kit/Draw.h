#pragma once
// The drawing primitives every picture may use: centred text, discs and circles, dots and
// ticks placed around a centre, star and rhombus outlines.

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace zuvgen {

// A point at distance r from c, at the angle deg measured clockwise from the positive x axis
// (screen coordinates: y grows downwards, so -90 is straight up).
QPointF polar(QPointF c, qreal r, qreal deg);

// Text centred on a point (both ways), and text laid out in a rectangle with Qt alignment flags.
void textAt(QPainter& p, QPointF centre, const QString& text, const QFont& font, const QColor& colour);
void textIn(QPainter& p, const QRectF& box, int flags, const QString& text, const QFont& font,
            const QColor& colour);

void disc(QPainter& p, QPointF c, qreal r, const QBrush& fill);
void circle(QPainter& p, QPointF c, qreal r, const QColor& colour, qreal width);
// `count` dots of radius dotR evenly around a circle, the first at phaseDeg.
void dotsAround(QPainter& p, QPointF c, qreal r, int count, qreal dotR, const QColor& colour,
                qreal phaseDeg = -90);
// `count` radial strokes from r1 to r2.
void ticksAround(QPainter& p, QPointF c, qreal r1, qreal r2, int count, const QColor& colour,
                 qreal width, qreal phaseDeg = -90);
// A star of `points` tips: tips at rOuter, notches at rInner.
QPainterPath starPath(QPointF c, int points, qreal rOuter, qreal rInner, qreal phaseDeg = -90);
// A rhombus with the given half-width and half-height.
QPainterPath rhombusPath(QPointF c, qreal halfW, qreal halfH);

}  // namespace zuvgen
