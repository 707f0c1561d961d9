#include "KStblLayout.h"

#include <algorithm>

namespace zuv {

namespace {
// A rectangle whose extents never go below 0 on a window too small for the bands.
QRect boxAt(int left, int top, int width, int height) {
    return QRect(left, top, std::max(0, width), std::max(0, height));
}
}  // namespace

KStblFrame computeKStblFrame(const QSize& window, const QSize& ksLabel, const QSize& modeLabel) {
    const int W = window.width();
    const int H = window.height();
    KStblFrame f;
    f.widthShape = kKStblWidthShape;
    f.heightShape = kKStblHeightShape;
    f.cornerSide = f.heightShape * 3 / 4;  // 37.5 cut to 37

    // Each corner picture is centred in its corner cell of widthShape × heightShape.
    const int a = f.cornerSide;
    const int nearLeft = f.widthShape / 2 - a / 2;
    const int farLeft = W - f.widthShape / 2 - a / 2;
    const int nearTop = f.heightShape / 2 - a / 2;
    const int farTop = H - f.heightShape / 2 - a / 2;
    f.mnuImage1 = QRect(nearLeft, nearTop, a, a);
    f.mnuImage2 = QRect(farLeft, nearTop, a, a);
    f.mnuImage3 = QRect(nearLeft, farTop, a, a);
    f.mnuImage4 = QRect(farLeft, farTop, a, a);

    f.ksLabelPos = QPoint(W / 2 - ksLabel.width() / 2, f.heightShape / 2 - ksLabel.height() / 2);
    f.modeLabelPos = QPoint(W / 2 - modeLabel.width() / 2, H - f.heightShape / 2 - modeLabel.height() / 2);

    // The page area starts two pixels below the top band and leaves a pixel on either side.
    f.startPanel = boxAt(1, f.heightShape + 2, W - 2, H - 2 * f.heightShape - 2);
    return f;
}

FrameBands computeKStblBands(const QSize& window) {
    const int W = window.width();
    const int H = window.height();
    const int cw = kKStblWidthShape;
    const int ch = kKStblHeightShape;
    FrameBands b;
    b.topShapeLeft = QRect(1, 1, cw, ch);
    b.topShapeRight = QRect(W - cw, 1, cw, ch);
    b.buttomShapeLeft = QRect(1, H - ch, cw, ch);
    b.buttomShapeRight = QRect(W - cw, H - ch, cw, ch);
    // The centre pieces begin where the left cells end and leave room for the right cells.
    b.topShapeCenter = boxAt(b.topShapeLeft.width() + 1, 1, W - 2 * cw, ch);
    b.buttomShapeCenter = boxAt(b.buttomShapeLeft.width() + 1, H - ch, W - 2 * cw, ch);
    return b;
}

QPoint centredTopLeft(const QRect& desktop, const QSize& window) {
    return QPoint(desktop.left() + (desktop.width() - window.width()) / 2,
                  desktop.top() + (desktop.height() - window.height()) / 2);
}

}  // namespace zuv
