#pragma once
// Shared by the frame's window suites: a shown main window with a fixed "today" and recorded
// messages, a way to put it on a screen, and the pop-up menus it has open.

#include "TestSupport.h"
#include "mainwindow/ZUVunit.h"

#include <QMenu>
#include <QtTest>

namespace zuvtest {

// A screen: calendar system, screen code and page of the control section.
struct Screen {
    int ks = 0;
    int mode = 7;
    int patent = 0;
    bool operator==(const Screen& o) const { return ks == o.ks && mode == o.mode && patent == o.patent; }
};

inline QString describe(const Screen& s) { return QStringLiteral("(%1, %2, %3)").arg(s.ks).arg(s.mode).arg(s.patent); }

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

    Screen screen() const { return {form.CurKS, form.CurrentMode, form.PatentMode}; }

    // Applies a screen as the commands do: set the state, then SelectMode.
    void apply(const Screen& s) {
        form.CurKS = s.ks;
        form.CurrentMode = s.mode;
        form.PatentMode = s.patent;
        form.SelectMode();
    }

    // Reaches a screen the way a user does: a system's screens through its main page, so the
    // side panels are in the state that road leaves them in.
    void reach(const Screen& s) {
        if (s.ks != 0 && s.mode != 100) apply({s.ks, 100, 0});
        if (s.mode == 17 && s.patent == 18) apply({s.ks, 17, 0});
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

Q_DECLARE_METATYPE(zuvtest::Screen)
