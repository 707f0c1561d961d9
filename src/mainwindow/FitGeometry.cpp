#include "FitGeometry.h"

#include <cmath>

namespace zuv {

QRect fitPictureRect(int left, int top, int width, int height, int cx, int cy, bool proportional) {
    if (!proportional || cx <= 0 || cy <= 0) return QRect(left, top, width, height);
    double k = double(width) / cx;
    const double k1 = double(height) / cy;
    if (k1 < k) k = k1;  // the smaller factor wins; equal factors keep the width's
    // A hair above the product keeps an exact fit (417 / 1272 × 1272) from truncating to 416.
    const double kX = cx * k + 1e-9;
    const double kY = cy * k + 1e-9;
    const int y = height / 2 - int(std::trunc(kY / 2));
    const int x = width / 2 - int(std::trunc(kX / 2));
    return QRect(x, y, int(std::trunc(kX)), int(std::trunc(kY)));
}

}  // namespace zuv
