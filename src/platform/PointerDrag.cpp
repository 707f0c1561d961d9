#include "PointerDrag.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QWidget>

namespace zuv {

void PointerDrag::Start(QWidget* window) {
    if (window) new PointerDrag(window);
}

PointerDrag::PointerDrag(QWidget* window) : QObject(window), m_window(window), m_grabOffset(QCursor::pos() - window->pos()) {
    qApp->installEventFilter(this);
    window->grabMouse();
}

bool PointerDrag::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseMove:
        if (m_window) m_window->move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - m_grabOffset);
        return true;
    case QEvent::MouseButtonRelease:
        Finish();
        return true;
    default:
        return false;
    }
}

void PointerDrag::Finish() {
    qApp->removeEventFilter(this);
    if (m_window) m_window->releaseMouse();
    deleteLater();
}

}  // namespace zuv
