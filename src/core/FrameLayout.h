#pragma once
// The arithmetic of the main window's frame: band sizes, corner pictures, captions, content
// panels, the inset of the bands, and the section menu's label tops. All in pixels of the
// content panel (KSAdvPanel) unless said otherwise.

#include "core/BandedFrameLayout.h"
#include "core/ScreenTable.h"

#include <QRect>
#include <QSize>

namespace zuv {

struct FrameInput {
    int width = 0;   // W: the content panel
    int height = 0;  // H
    bool maximized = false;
    Inset inset = Inset::Flush;  // the screen's rule for the maximised window
    bool rightImageVisible = true;
    QSize ksLabelSize;    // the captions, measured after their font is set
    QSize modeLabelSize;
};

// The banded frame, and what only the main window has: the covers over the joints of the
// bands, the icon grid and the control section's menu.
struct FrameGeometry : FrameBands, FramePieces {
    int widthShape = 0;   // W div 15
    int heightShape = 0;  // H div 20
    int offSetLeft = 0;
    int offsetTop = 0;
    int cornerSide = 0;   // (3 × HS) div 5
    QRect topLeftShapeClr, topRightShapeClr, downLeftShapeClr, downRightShapeClr;
    QRect ksPanel, controlMenuPanel;
};

// Caption font size in points for a content panel of height H.
int captionPointSize(int height);

// The inset of the bands from the panel's sides: 0 or 10. The normal window leaves room
// beside the right strip whenever it shows; the maximised one as the screen's rule says.
int offSetLeftFor(bool maximized, Inset inset, bool rightImageVisible);

FrameGeometry computeFrame(const FrameInput& in);

// Top of the section menu's label `index` (0 MMLabelZUV, 1 MMLabel1, 2 … 8 mnu1 … mnu7).
int sectionLabelTop(int panelHeight, int index);

// The 5 × 5 icon grid in a panel: square cells of side `side` from `origin`.
struct IconGrid {
    int side = 0;
    QPoint origin;
    QRect cell(int number) const;  // number 1 … 25, row by row
};
IconGrid iconGridFor(const QSize& panel);

}  // namespace zuv
