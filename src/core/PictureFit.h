#pragma once
// Every way the program fits a picture of one size into a box of another. Each variant keeps
// the rounding rule of the place that uses it, so they are named after that place; all
// positions are pixels of the box (the view or the control), origin at its top-left.

#include <QRect>
#include <QSize>

namespace zuv {

// How a loader puts a picture into its box.
enum class Fit { Stretch, KeepProportions };

// The loaders (LoadResToImageEx): a picture of cx × cy pixels stretched into (left, top,
// width, height), or, proportionally, scaled by the smaller factor (enlarged when small),
// extents cut to whole pixels and centred, with left and top unused.
QRect fitPictureRect(int left, int top, int width, int height, int cx, int cy, Fit fit);

// The markers' sheet: where a fitted sheet lies in the view, in real-valued view pixels.
struct SheetPlacement {
    double scale;        // sheet pixels → view pixels
    double drawnWidth;   // sheet width × scale
    double drawnHeight;  // sheet height × scale
    int posX;            // left of the drawn sheet
    int posY;            // top of the drawn sheet
};

// Fits the whole sheet into the view with one factor, centred: the smaller of the width and
// the height factor wins (on equality the width factor). posX = (W div 2) − trunc(Dw / 2),
// posY likewise. On the axis whose factor wins the drawn extent is the view's extent exactly:
// sheet × (view / sheet) can come out one ulp short in floating point, which would shift the
// sheet by a pixel and leave a white line at its edge.
SheetPlacement placeSheet(int viewWidth, int viewHeight, int sheetWidth, int sheetHeight);

// The whole pixels the placed sheet is drawn into: its extents cut to whole pixels, with a
// hair's allowance so that an exact product does not truncate one pixel short.
QRect drawnSheetRect(const SheetPlacement& placement);

// The table window's pages. Proportional: full width or full height, whichever the ratios
// allow, centred along the other side (the extent cut to whole pixels, an offset below 1
// taken as 0). Stretched: the view's size, shifted one pixel right and down. An empty
// rectangle when there is nothing to draw.
QRect proportionalPageRect(const QSize& view, const QSize& image);
QRect stretchedPageRect(const QSize& view);

// An image control showing its picture stretched with the proportions kept (the icon grid):
// the largest size of the picture's proportions inside the box, rounded as Qt's
// QSize::scaled rounds, centred with the leftover halved down.
QRect keepAspectRect(const QSize& box, const QSize& picture);

}  // namespace zuv
