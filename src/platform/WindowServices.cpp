#include "WindowServices.h"

#include "PointerDrag.h"

#include <QCursor>
#include <QWidget>
#include <QWindow>

namespace zuv {

namespace {
InteractiveMoveHandler& moveHandler() {
    static InteractiveMoveHandler handler;
    return handler;
}
}  // namespace

void MakeBorderlessWindow(QWidget* window) {
    window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint | Qt::WindowSystemMenuHint);
}

QPoint PointerScreenPos() { return QCursor::pos(); }

bool StartInteractiveMove(QWidget* window) {
    if (moveHandler()) return moveHandler()(window);
    if (!window) return false;
    if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
    QWindow* handle = window->windowHandle();
    if (handle && handle->startSystemMove()) return true;
    PointerDrag::Start(window);
    return true;
}

InteractiveMoveHandler setInteractiveMoveHandler(InteractiveMoveHandler handler) {
    InteractiveMoveHandler previous = moveHandler();
    moveHandler() = std::move(handler);
    return previous;
}

}  // namespace zuv
