#pragma once
// The arithmetic of the calendar systems table window: where its bands, corner pictures,
// captions and page area go for a window of W × H pixels (the window has no border, so its
// outer size is its size) and where the window lands when it is first shown (its pages are
// fitted by PictureFit.h). All positions are window pixels unless said otherwise.

#include "core/BandedFrameLayout.h"

#include <QPoint>
#include <QRect>
#include <QSize>

namespace zuv {

// The bands keep these sizes whatever the window's size.
constexpr int kKStblWidthShape = 100;   // width of a corner cell
constexpr int kKStblHeightShape = 50;   // height of the top and bottom band

// What the layout pass places apart from the band shapes: the corner pictures, the captions
// centred in their bands and the page area between the bands.
struct KStblFrame : FramePieces {
    int widthShape = 0;
    int heightShape = 0;
    int cornerSide = 0;  // three quarters of the band height, cut: 37
};

// ksLabel and modeLabel are the captions' sizes as measured with their font.
KStblFrame computeKStblFrame(const QSize& window, const QSize& ksLabel, const QSize& modeLabel);
// The six band shapes: left and right cells of 100 × 50 and the centre piece between them.
FrameBands computeKStblBands(const QSize& window);

// Top-left corner of a window of `window` pixels centred on `desktop`.
QPoint centredTopLeft(const QRect& desktop, const QSize& window);

}  // namespace zuv
