// SetPos and PaintShape: put the frame geometry that core/FrameLayout.h computes onto the
// window's widgets.

#include "ZUVunit.h"

#include "core/FrameLayout.h"
#include "core/ScreenTable.h"

namespace zuv {

FrameInput TFormZUV::CurrentFrameInput() const {
    FrameInput in;
    in.width = KSAdvPanel->width();
    in.height = KSAdvPanel->height();
    in.maximized = IsMaximized();
    in.inset = rulesOf(CurrentScreen()).inset;
    in.rightImageVisible = RightImage->isVisibleTo(this);
    in.ksLabelSize = CurrentKSLabel->size();
    in.modeLabelSize = CurrentModeLabel->size();
    return in;
}

void TFormZUV::SetPos() {
    DockPanels();
    const int H = KSAdvPanel->height();
    WidthShape = KSAdvPanel->width() / 15;
    HeightShape = H / 20;
    const int points = std::max(1, captionPointSize(H));
    CurrentModeLabel->SetPointSize(points);
    CurrentKSLabel->SetPointSize(points);
    PaintShape();

    const FrameGeometry g = computeFrame(CurrentFrameInput());
    PlacePieces(g);
    KSPanel->setGeometry(g.ksPanel);  // a new size reloads the grid (KSPanelResize)
    ControlMenuPanel->setGeometry(g.controlMenuPanel);
}

void TFormZUV::PaintShape() {
    const FrameGeometry g = computeFrame(CurrentFrameInput());
    OffsetTop = g.offsetTop;
    OffSetLeft = g.offSetLeft;
    PlaceBands(g);

    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);

    for (ShapeControl* cover : {TopLeftShapeClr, TopRightShapeClr, DownLeftShapeClr, DownRightShapeClr})
        cover->SetOutlineColor(Qt::white);
    TopLeftShapeClr->setGeometry(g.topLeftShapeClr);
    TopRightShapeClr->setGeometry(g.topRightShapeClr);
    DownLeftShapeClr->setGeometry(g.downLeftShapeClr);
    DownRightShapeClr->setGeometry(g.downRightShapeClr);
}

// The panel's size set before the first show arrives with the show, just before the start
// screen draws the grid itself (FormShow); drawing it then too would decode the 25 icons twice.
void TFormZUV::KSPanelResize() {
    if (m_shown) LoadImage();
}

}  // namespace zuv
