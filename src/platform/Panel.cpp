#include "Panel.h"

#include <QMouseEvent>

namespace zuv {

Panel::Panel(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

void Panel::SetBackground(const QColor& color) {
    if (!color.isValid()) {
        setAutoFillBackground(false);
        return;
    }
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
    setAutoFillBackground(true);
}

void Panel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit Resized();
}

void Panel::mouseMoveEvent(QMouseEvent* event) { emit PointerMoved(event->position().toPoint()); }

}  // namespace zuv
