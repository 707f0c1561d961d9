#include "ShapeControl.h"

#include <QMouseEvent>
#include <QPainter>

namespace zuv {

ShapeControl::ShapeControl(QWidget* parent) : QWidget(parent) {}

void ShapeControl::SetOutlineColor(const QColor& color) {
    m_outline = color;
    update();
}

void ShapeControl::SetFillColor(const QColor& color) {
    m_fill = color;
    update();
}

void ShapeControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), m_fill);
    if (width() <= 0 || height() <= 0) return;
    // A 1-pixel outline on the outermost pixels, as a filled frame so it is exact at any size.
    painter.fillRect(QRect(0, 0, width(), 1), m_outline);
    painter.fillRect(QRect(0, height() - 1, width(), 1), m_outline);
    painter.fillRect(QRect(0, 0, 1, height()), m_outline);
    painter.fillRect(QRect(width() - 1, 0, 1, height()), m_outline);
}

void ShapeControl::mousePressEvent(QMouseEvent* event) {
    emit ButtonPressed(event->button());
    event->accept();
}

}  // namespace zuv
