#pragma once
// Where a picture of cx × cy pixels is drawn in a target of Width × Height: stretched into
// (Left, Top, Width, Height), or, proportionally, scaled by the smaller factor (enlarged when
// small) and centred, with Left and Top unused.

#include <QRect>

namespace zuv {

QRect fitPictureRect(int left, int top, int width, int height, int cx, int cy, bool proportional);

}  // namespace zuv
