#include "ScrollBox.h"

#include <QScrollBar>
#include <QWheelEvent>

namespace zuv {

ScrollBox::ScrollBox(QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setAutoFillBackground(true);
    viewport()->setAutoFillBackground(true);
    viewport()->setPalette(p);
    // The bars would scroll by themselves; their wheel counts as the box's.
    horizontalScrollBar()->installEventFilter(this);
    verticalScrollBar()->installEventFilter(this);
}

void ScrollBox::SetFitted() {
    setWidgetResizable(true);
    if (widget()) widget()->resize(viewport()->size());
}

void ScrollBox::SetEnlarged(const QSize& contentSize) {
    setWidgetResizable(false);
    if (widget()) widget()->resize(contentSize);
}

int ScrollBox::HorzRange() const {
    const QScrollBar* bar = horizontalScrollBar();
    return bar->maximum() > 0 ? bar->maximum() + bar->pageStep() : 0;
}

int ScrollBox::HorzPosition() const { return horizontalScrollBar()->value(); }
int ScrollBox::VertPosition() const { return verticalScrollBar()->value(); }

void ScrollBox::SetHorzPosition(int position) {
    QScrollBar* bar = horizontalScrollBar();
    bar->setValue(qBound(bar->minimum(), position, bar->maximum()));
}

void ScrollBox::SetVertPosition(int position) {
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(qBound(bar->minimum(), position, bar->maximum()));
}

void ScrollBox::wheelEvent(QWheelEvent* event) { takeWheel(event); }

bool ScrollBox::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel && (watched == horizontalScrollBar() || watched == verticalScrollBar())) {
        takeWheel(static_cast<QWheelEvent*>(event));
        return true;
    }
    return QScrollArea::eventFilter(watched, event);
}

void ScrollBox::takeWheel(QWheelEvent* event) {
    // Small deltas (high-resolution wheels) add up to whole notches of 120.
    m_wheelRemainder += event->angleDelta().y();
    const int notches = m_wheelRemainder / 120;
    m_wheelRemainder -= notches * 120;
    if (notches != 0) emit WheelNotches(notches, event->modifiers());
    event->accept();
}

}  // namespace zuv
