#pragma once
// The pictures of the table window's four corner images, kept with the window itself rather
// than in the resource store: 1 the list of calendar systems, 2 the window commands, 3 the
// pages, 4 the announcement.

#include <QImage>

namespace zuv {

// Corner icon `number` (1 … 4) as a 32 × 32 picture; a null image for any other number.
QImage kstblCornerIcon(int number);

}  // namespace zuv
