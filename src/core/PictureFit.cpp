#include "PictureFit.h"

#include <cmath>
#include <cstdint>

namespace zuv {

QRect fitPictureRect(int left, int top, int width, int height, int cx, int cy, Fit fit) {
    if (fit == Fit::Stretch || cx <= 0 || cy <= 0) return QRect(left, top, width, height);
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

SheetPlacement placeSheet(int viewWidth, int viewHeight, int sheetWidth, int sheetHeight) {
    SheetPlacement p{};
    const double kx = double(viewWidth) / sheetWidth;
    const double ky = double(viewHeight) / sheetHeight;
    if (ky < kx) {
        p.scale = ky;
        p.drawnWidth = sheetWidth * ky;
        p.drawnHeight = viewHeight;
    } else {
        p.scale = kx;
        p.drawnWidth = viewWidth;
        p.drawnHeight = ky == kx ? double(viewHeight) : sheetHeight * kx;
    }
    p.posX = viewWidth / 2 - int(std::trunc(p.drawnWidth / 2));
    p.posY = viewHeight / 2 - int(std::trunc(p.drawnHeight / 2));
    return p;
}

QRect drawnSheetRect(const SheetPlacement& p) {
    return QRect(p.posX, p.posY, int(p.drawnWidth + 1e-9), int(p.drawnHeight + 1e-9));
}

QRect proportionalPageRect(const QSize& view, const QSize& image) {
    const std::int64_t Vw = view.width(), Vh = view.height();
    const std::int64_t Iw = image.width(), Ih = image.height();
    if (Vw <= 0 || Vh <= 0 || Iw <= 0 || Ih <= 0) return QRect();
    // Vw / Vh < Iw / Ih, compared exactly on whole numbers.
    if (Vw * Ih < Iw * Vh) {
        // The view is narrower than the picture: full width, centred vertically.
        const int cy = int(Ih * Vw / Iw);
        int top = int((Vh - cy) / 2);
        if (top < 1) top = 0;
        return QRect(0, top, int(Vw), cy);
    }
    const int cx = int(Iw * Vh / Ih);
    int left = int((Vw - cx) / 2);
    if (left < 1) left = 0;
    return QRect(left, 0, cx, int(Vh));
}

QRect stretchedPageRect(const QSize& view) {
    if (view.width() <= 0 || view.height() <= 0) return QRect();
    return QRect(QPoint(1, 1), view);
}

QRect keepAspectRect(const QSize& box, const QSize& picture) {
    const QSize s = picture.scaled(box, Qt::KeepAspectRatio);
    return QRect(QPoint((box.width() - s.width()) / 2, (box.height() - s.height()) / 2), s);
}

}  // namespace zuv
