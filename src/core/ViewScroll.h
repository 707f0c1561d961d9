#pragma once
// Scrolling an enlarged sheet so that a cell shows: in content pixels of the sheet view (origin
// at the enlarged picture's top-left), the visible part is where the scroll box looks.

#include <QPoint>
#include <QRect>

namespace zuv {

// The top-left of the visible part after the least scroll that shows `cell` whole with a
// margin of one cell on every side; `visible` unchanged when it already does. Where the cell
// and its margins are larger than the view, their top-left side shows.
QPoint scrollToShow(const QRect& visible, const QRect& cell);

}  // namespace zuv
