#pragma once
// Where the pieces of a banded frame go: the three shapes of the top band and of the bottom
// band, the four corner pictures, the two captions and the page area, in the pixels of the
// widget that holds them. Both windows show their pages in such a frame; each computes these
// with its own arithmetic (FrameLayout.h for the main window, KStblLayout.h for the table
// window) and platform/BandedFrame.h puts them onto the widgets.

#include <QPoint>
#include <QRect>

namespace zuv {

// The six band shapes.
struct FrameBands {
    QRect topShapeLeft, topShapeCenter, topShapeRight;
    QRect buttomShapeLeft, buttomShapeCenter, buttomShapeRight;
};

// What lies on the bands and between them.
struct FramePieces {
    QRect mnuImage1, mnuImage2, mnuImage3, mnuImage4;  // top left, top right, bottom left, bottom right
    QPoint ksLabelPos;    // the caption of the top band
    QPoint modeLabelPos;  // the caption of the bottom band
    QRect startPanel;     // the page area
};

}  // namespace zuv
