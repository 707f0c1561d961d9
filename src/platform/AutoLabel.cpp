#include "AutoLabel.h"

#include <QMouseEvent>

#include <algorithm>

namespace zuv {

AutoLabel::AutoLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setMouseTracking(true);
    setTextFormat(Qt::PlainText);
}

void AutoLabel::SetText(const QString& text) {
    setText(text);
    FitToText();
}

void AutoLabel::SetPointSize(int points) {
    QFont f = font();
    f.setPointSize(points);
    setFont(f);
    FitToText();
}

void AutoLabel::SetWordWrapFixedWidth(bool on) {
    m_wrapFixedWidth = on;
    setWordWrap(on);
    FitToText();
}

void AutoLabel::FitToText() {
    if (!m_autoSize) return;
    const QFontMetrics metrics(font());
    // Some glyphs (the breve of "Й" in Tahoma) rise above the font's ascent. The label clips
    // its text to its rectangle, so it grows by that much above and below and centres the
    // line vertically. Measured on the font, not the text, so captions of one font match.
    const int overshoot = std::max(0, -metrics.boundingRect(QStringLiteral("ЙЁ")).top() - metrics.ascent());
    if (m_wrapFixedWidth) {
        const QRect bounds = metrics.boundingRect(QRect(0, 0, width(), 100000), int(alignment()) | Qt::TextWordWrap, text());
        resize(width(), bounds.height() + overshoot);
    } else {
        setAlignment((alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter);
        resize(metrics.horizontalAdvance(text()), metrics.height() + 2 * overshoot);
    }
}

void AutoLabel::mousePressEvent(QMouseEvent* event) {
    emit ButtonPressed(event->button());
    m_click.Press(*event);
    event->accept();
}

void AutoLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (m_click.Release(*event, rect())) emit Clicked();
}

void AutoLabel::mouseMoveEvent(QMouseEvent* event) { emit PointerMoved(event->position().toPoint()); }

// The second press of a double-click: the first press and release were the click.
void AutoLabel::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

}  // namespace zuv
