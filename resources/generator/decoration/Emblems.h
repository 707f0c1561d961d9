#pragma once
// The emblems of the calendar systems: one vector drawing per system of the icon grid
// (1 … 25, in grid order) and the program's own emblem (0).

#include "facts/CalendarSystems.h"

#include <QColor>
#include <QPainter>
#include <QPointF>

namespace zuvgen::deco {

// Draws emblem `system` (0 … 25) centred on `centre`; the emblem fits a circle of radius
// `radius` and leaves everything outside its own outline untouched. Emblem 0 is meant for an
// opaque white ground.
void paintEmblem(QPainter& p, int system, QPointF centre, qreal radius);

// The characteristic colour of emblem `system`.
QColor emblemGround(int system);

// The project's emblem for the 8-bit bitmap: the 5 × 5 grid of the systems, each square in
// its emblem's colour, drawn flat (no smoothing) so that the picture keeps to a small palette.
void paintFlatProjectEmblem(QPainter& p, QPointF centre, qreal radius);

}  // namespace zuvgen::deco
