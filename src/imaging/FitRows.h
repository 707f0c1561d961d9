#pragma once
// The third stage of the fast path: a picture's raw rows fitted into a rectangle of the view's
// raster and composited over it, on both cores when there is enough to share. Shrinking
// area-averages (vertical sums, then along the row); enlarging samples bilinearly, as Qt's
// smooth scaling samples an enlargement. No full-size picture is made.

#include "PixelSteps.h"
#include "PngFile.h"

#include <QImage>
#include <QRect>

namespace zuv {

// Whether the fit into a target of this size is one of the two kinds above: nowhere larger than
// the picture, or nowhere smaller.
bool fitsRows(const PngFile& png, const QSize& target);

// Draws the rows (premultiplied when the picture has alpha) into `target`, a rectangle of the
// surface's own pixels (Format_ARGB32_Premultiplied), clipped to the surface; the fit must be
// one fitsRows() takes.
void fitRows(const PngFile& png, const uchar* raw, QImage& surface, const QRect& target, const PixelSteps& steps);

}  // namespace zuv
