#include "WindowServices.h"

#include <QApplication>
#include <QCursor>
#include <QWidget>
#include <QWindow>

namespace zuv {

namespace {
std::function<QDate()>& todayProvider() {
    static std::function<QDate()> provider;
    return provider;
}
}  // namespace

QPoint PointerScreenPos() { return QCursor::pos(); }

QWidget* WidgetAtScreenPos(const QPoint& screenPos) { return QApplication::widgetAt(screenPos); }

bool StartInteractiveMove(QWidget* window) {
    if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
    QWindow* handle = window ? window->windowHandle() : nullptr;
    return handle && handle->startSystemMove();
}

QDate Today() {
    if (todayProvider()) return todayProvider()();
    return QDate::currentDate();
}

void setTodayProvider(std::function<QDate()> provider) { todayProvider() = std::move(provider); }

}  // namespace zuv
