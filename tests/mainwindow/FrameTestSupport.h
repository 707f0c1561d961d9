#pragma once
// Shared by the frame's window suites: a shown main window with a fixed "today" and recorded
// messages, a way to put it on a screen, and the pop-up menus it has open.

#include "TestSupport.h"
#include "mainwindow/ZUVunit.h"

#include <QMenu>
#include <QtTest>

namespace zuvtest {

// The unit-level variables start at zero in the program; each test's window starts so too.
struct FreshUnitState {
    FreshUnitState() {
        zuv::SelectMnuIndex = 0;
        zuv::SelectControlMnuIndex = 0;
        zuv::StartImageMousePos = QPoint();
        zuv::OffsetTop = 0;
        zuv::OffSetLeft = 0;
    }
};

struct ShownForm {
    FreshUnitState fresh;
    FixedToday today{QDate(2006, 6, 15)};
    MessageRecorder recorder;
    zuv::TFormZUV form;

    ShownForm() {
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        // The pointer starts off the window: a move to where it already is reports nothing.
        QTest::mouseMove(form.windowHandle(), QPoint(-20, -20));
    }
    ~ShownForm() { closeMenus(); }

    Screen screen() const { return form.CurrentScreen(); }

    // Applies a screen as the commands do: set the state, then SelectMode.
    void apply(const Screen& s) {
        form.ShowScreen(s);
    }

    // Reaches a screen the way a user does: a system's screens through its main page, so the
    // side panels are in the state that road leaves them in.
    void reach(const Screen& s) {
        if (s.system != NoSystem && s.mode != M::MainPage) apply({s.system, M::MainPage});
        if (s.mode == M::Control && s.page == PatentPage) apply({s.system, M::Control});
        apply(s);
    }

    QList<QMenu*> openMenus() const {
        QList<QMenu*> open;
        for (QMenu* menu : components<QMenu>(form, {"PopupMnuImage1", "PopupMnuImage2", "PopupMnuImage3", "PopupMnuImage4", "StartPopupMnu"}))
            if (menu->isVisible()) open << menu;
        return open;
    }

    void closeMenus() {
        for (QMenu* menu : components<QMenu>(form, {"PopupMnuImage1", "PopupMnuImage2", "PopupMnuImage3", "PopupMnuImage4", "StartPopupMnu"}))
            menu->hide();
    }
};

// The pointer moved to `pos` of `widget`, delivered by the window to whatever lies there.
inline void pointerTo(QWidget* widget, const QPoint& pos) {
    QWidget* window = widget->window();
    QTest::mouseMove(window->windowHandle(), widget->mapTo(window, pos));
}
inline void pointerTo(QWidget* widget) { pointerTo(widget, QPoint(widget->width() / 2, widget->height() / 2)); }

// A right click as the window system reports it: a context-menu event at the point.
inline void contextClick(QWidget* widget, const QPoint& pos) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, widget->mapToGlobal(pos));
    QApplication::sendEvent(widget, &event);
}

}  // namespace zuvtest

