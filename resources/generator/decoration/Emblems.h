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
// its emblem's colour, drawn flat (no smoothing) so the picture keeps a small palette. The
// 25 colours also keep the palette above 16 entries: with 16 or fewer the BMP writer would
// store 4 bits per pixel instead of the catalogue's 8.
void paintFlatProjectEmblem(QPainter& p, QPointF centre, qreal radius);

}  // namespace zuvgen::deco
