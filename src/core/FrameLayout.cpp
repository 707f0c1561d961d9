#include "FrameLayout.h"

#include <algorithm>

namespace zuv {

int captionPointSize(int height) { return height / 45; }

int offSetLeftFor(bool maximized, Inset inset, bool rightImageVisible) {
    if (!maximized || inset == Inset::BesideStrip) return rightImageVisible ? 10 : 0;
    return inset == Inset::Always ? 10 : 0;
}

FrameGeometry computeFrame(const FrameInput& in) {
    FrameGeometry g;
    const int W = in.width;
    const int H = in.height;
    const int WS = W / 15;
    const int HS = H / 20;
    g.widthShape = WS;
    g.heightShape = HS;
    g.offsetTop = 0;
    g.offSetLeft = offSetLeftFor(in.maximized, in.inset, in.rightImageVisible);
    const int OL = g.offSetLeft;
    const int OT = g.offsetTop;

    // The bands: the middle piece starts on the last column of the left end and ends on the
    // first column of the right end, so their outlines overlap.
    g.topShapeLeft = QRect(OL, OT, WS, HS);
    g.topShapeRight = QRect(W - WS - OL, OT, WS, HS);
    const int centerLeft = g.topShapeLeft.x() + g.topShapeLeft.width() - 1;
    const int centerWidth = g.topShapeRight.x() - g.topShapeLeft.x() - g.topShapeLeft.width() + 2;
    g.topShapeCenter = QRect(centerLeft, OT, centerWidth, HS);
    g.buttomShapeLeft = QRect(OL, H - HS - OT, WS, HS);
    g.buttomShapeRight = QRect(W - WS - OL, H - HS - OT, WS, HS);
    g.buttomShapeCenter = QRect(centerLeft, H - HS - OT, centerWidth, HS);

    // Seam covers: white, 2 pixels wide, leaving the band's top and bottom outline rows.
    g.topLeftShapeClr = QRect(g.topShapeCenter.x() - 1, g.topShapeCenter.y() + 1, 2, HS - 2);
    g.topRightShapeClr = QRect(g.topShapeRight.x() - 1, g.topShapeCenter.y() + 1, 2, HS - 2);
    g.downLeftShapeClr = QRect(g.buttomShapeCenter.x() - 1, g.buttomShapeCenter.y() + 1, 2, HS - 2);
    g.downRightShapeClr = QRect(g.buttomShapeRight.x() - 1, g.buttomShapeCenter.y() + 1, 2, HS - 2);

    // Corner pictures, centred in the band ends.
    const int a = (3 * HS) / 5;
    g.cornerSide = a;
    const int leftX = g.topShapeLeft.x() + g.topShapeLeft.width() / 2 - a / 2;
    const int rightX = g.topShapeRight.x() + g.topShapeRight.width() / 2 - a / 2;
    const int topY = g.topShapeLeft.y() + g.topShapeLeft.height() / 2 - a / 2;
    const int bottomY = g.buttomShapeLeft.y() + g.buttomShapeLeft.height() / 2 - a / 2;
    g.mnuImage1 = QRect(leftX, topY, a, a);
    g.mnuImage2 = QRect(rightX, topY, a, a);
    g.mnuImage3 = QRect(leftX, bottomY, a, a);
    g.mnuImage4 = QRect(rightX, bottomY, a, a);

    // Captions: both have the upper caption's height.
    const int captionHeight = in.ksLabelSize.height();
    g.ksLabelPos = QPoint(W / 2 - in.ksLabelSize.width() / 2, HS / 2 - captionHeight / 2);
    g.modeLabelPos = QPoint(W / 2 - in.modeLabelSize.width() / 2, H - HS / 2 - captionHeight / 2);

    g.startPanel = QRect(1, HS + 1, W - 3, H - 2 * HS - 2);
    g.ksPanel = QRect(1, HS + 1, W - 3, H - 2 * HS - 1);
    g.controlMenuPanel = QRect(10, HS + 10, 100, 200);
    return g;
}

int sectionLabelTop(int panelHeight, int index) {
    static const double factors[9] = {0.10, 0.27, 0.42, 0.50, 0.58, 0.67, 0.76, 0.86, 0.94};
    if (index < 0 || index > 8) return 0;
    return int(panelHeight * factors[index]);
}

QRect IconGrid::cell(int number) const {
    const int r = (number - 1) / 5;
    const int c = (number - 1) % 5;
    return QRect(origin.x() + c * side, origin.y() + r * side, side, side);
}

IconGrid iconGridFor(const QSize& panel) {
    IconGrid grid;
    const int sw = (panel.width() - 18) / 5;
    const int sh = (panel.height() - 18) / 5;
    grid.side = std::max(0, std::min(sw, sh));
    grid.origin = QPoint((panel.width() - 5 * grid.side) / 2, (panel.height() - 5 * grid.side) / 2);
    return grid;
}

}  // namespace zuv
