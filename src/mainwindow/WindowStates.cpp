// The window's own states (normal, maximised with stay-on-top, minimised), its menu, the
// corner pictures' clicks and moving the borderless window by its top band.

#include "ZUVunit.h"

#include "core/ScreenTable.h"

#include "platform/WindowServices.h"

#include <QScreen>
#include <QWindow>

namespace zuv {

bool TFormZUV::IsMaximized() const { return windowState() & Qt::WindowMaximized; }

bool TFormZUV::IsStayOnTop() const { return windowFlags() & Qt::WindowStaysOnTopHint; }

namespace {
// Changes the layering of the shown window in place. Changing the widget's own flags would
// hide it and make a new native window, which loses the maximised state on the way.
void setStayOnTop(QWidget* window, bool on) {
    const Qt::WindowFlags flags = window->windowFlags();
    if (bool(flags & Qt::WindowStaysOnTopHint) == on) return;
    const Qt::WindowFlags changed = on ? (flags | Qt::WindowStaysOnTopHint) : (flags & ~Qt::WindowStaysOnTopHint);
    window->overrideWindowFlags(changed);
    if (QWindow* handle = window->windowHandle()) handle->setFlags(changed);
}
}  // namespace

void TFormZUV::N1Click() {
    // The window takes the work area before it is marked maximised: the window system may
    // apply the maximised geometry later, or (without a window manager) never, and the layout
    // below is for the new size. A geometry change after the mark would drop the mark again.
    if (!IsMaximized()) m_normalGeometry = geometry();
    if (QScreen* s = screen()) setGeometry(s->availableGeometry());
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
    setStayOnTop(this, true);
    N[1]->setEnabled(false);
    N[2]->setEnabled(true);
    DockPanels();
    SelectMode();
}

void TFormZUV::N2Click() {
    setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
    // Back to the last normal place and size, also where the window system leaves that to us.
    if (m_normalGeometry.isValid() && geometry() != m_normalGeometry) setGeometry(m_normalGeometry);
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

QMenu* TFormZUV::CornerMenu(const ImageControl* corner) const {
    const CornerMenus open = rulesOf(CurrentScreen()).menus;
    if (corner == MnuImage1) return open.systems ? PopupMnuImage1 : nullptr;
    if (corner == MnuImage2) return open.window ? PopupMnuImage2 : nullptr;
    if (corner == MnuImage3) return open.section ? PopupMnuImage3 : nullptr;
    if (corner == MnuImage4) return open.announce ? PopupMnuImage4 : nullptr;
    return nullptr;
}

void TFormZUV::ShowCornerMenu(const ImageControl* corner) {
    if (QMenu* menu = CornerMenu(corner)) menu->popup(PointerScreenPos());
}

void TFormZUV::UpdateCornerCursors() {
    for (ImageControl* corner : CornerPictures()) {
        if (CornerMenu(corner)) corner->setCursor(Qt::PointingHandCursor);
        else corner->unsetCursor();
    }
}

void TFormZUV::MnuImage1Click() { ShowCornerMenu(MnuImage1); }

void TFormZUV::MnuImage1ContextPopup(const QPoint& globalPos) { PopupMnuImage1->popup(globalPos); }

void TFormZUV::MnuImage2Click() { ShowCornerMenu(MnuImage2); }

void TFormZUV::MnuImage3Click() { ShowCornerMenu(MnuImage3); }

void TFormZUV::MnuImage4Click() { ShowCornerMenu(MnuImage4); }

void TFormZUV::TopShapeCenterMouseDown() {
    if (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)) return;
    StartInteractiveMove(this);
}

void TFormZUV::CurrentKSLabelMouseDown() { TopShapeCenterMouseDown(); }

}  // namespace zuv
