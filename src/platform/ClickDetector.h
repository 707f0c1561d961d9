#pragma once
// What counts as a click on the program's controls: the left button pressed over the control
// and released over it again. Moving off before the release is no click, nor is a drag, and
// the second press of a double-click does not click again (the controls ignore it).

#include <QMouseEvent>
#include <QRect>

namespace zuv {

class ClickDetector {
public:
    void Press(const QMouseEvent& event) {
        if (event.button() == Qt::LeftButton) m_pressed = true;
    }
    // True when this release completes a click inside `area` (the control's own rectangle).
    bool Release(const QMouseEvent& event, const QRect& area) {
        const bool click = m_pressed && event.button() == Qt::LeftButton && area.contains(event.position().toPoint());
        m_pressed = false;
        return click;
    }

private:
    bool m_pressed = false;
};

}  // namespace zuv
