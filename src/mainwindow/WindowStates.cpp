// The window's own states (normal, maximised with stay-on-top, minimised), its menu, the
// corner pictures' clicks and moving the borderless window by its top band.

#include "ZUVunit.h"

#include "platform/WindowServices.h"

#include <QScreen>
#include <QWindow>

namespace zuv {

bool TFormZUV::IsMaximized() const { return windowState() & Qt::WindowMaximized; }

bool TFormZUV::IsStayOnTop() const { return windowFlags() & Qt::WindowStaysOnTopHint; }

namespace {
void setStayOnTop(QWidget* window, bool on) {
    if (bool(window->windowFlags() & Qt::WindowStaysOnTopHint) == on) return;
    const bool visible = window->isVisible();
    const Qt::WindowStates state = window->windowState();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, on);  // hides a visible window
    window->setWindowState(state);
    if (visible) window->show();
}
}  // namespace

void TFormZUV::N1Click() {
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
    setStayOnTop(this, true);
    N[1]->setEnabled(false);
    N[2]->setEnabled(true);
    // The new size may arrive later from the window system; lay out for the screen now.
    if (QScreen* s = screen()) resize(s->availableGeometry().size());
    DockPanels();
    SelectMode();
}

void TFormZUV::N2Click() {
    setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
    RightImage->hide();
    MnuLeftPanel->show();
    RightImage->show();
    DockPanels();
    setStayOnTop(this, false);
    SelectMode();
    N[1]->setEnabled(true);
    N[2]->setEnabled(false);
}

void TFormZUV::N36Click() { setWindowState(windowState() | Qt::WindowMinimized); }

void TFormZUV::N3Click() { close(); }

void TFormZUV::MnuImage1Click() {
    if (CurrentMode == 7 || CurrentMode == 8) return;
    PopupMnuImage1->popup(PointerScreenPos());
}

void TFormZUV::MnuImage1ContextPopup(const QPoint& globalPos) { PopupMnuImage1->popup(globalPos); }

void TFormZUV::MnuImage2Click() { PopupMnuImage2->popup(PointerScreenPos()); }

void TFormZUV::MnuImage3Click() {
    if (CurrentMode == 17 || CurrentMode == 7 || CurrentMode == 8 || CurKS == 4) return;
    PopupMnuImage3->popup(PointerScreenPos());
}

void TFormZUV::MnuImage4Click() {
    if (CurrentMode == 17) return;
    PopupMnuImage4->popup(PointerScreenPos());
}

void TFormZUV::TopShapeCenterMouseDown() {
    if (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)) return;
    StartInteractiveMove(this);
}

void TFormZUV::CurrentKSLabelMouseDown() { TopShapeCenterMouseDown(); }

}  // namespace zuv
