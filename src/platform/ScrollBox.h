#pragma once
// The sheet container: a borderless scroll area whose content is either fitted to it or of a
// fixed (enlarged) size. Ranges are content extents in pixels; a position is kept between 0
// and range − visible extent. It never scrolls on the wheel by itself: the wheel turned over
// the box (its content or its scroll bars) is reported in notches and the window decides. It
// takes no keyboard focus: the keys belong to the window.

#include <QScrollArea>

namespace zuv {

class ScrollBox : public QScrollArea {
    Q_OBJECT
public:
    explicit ScrollBox(QWidget* parent = nullptr);

    // Fitted: the content follows the box's size. Enlarged: the content keeps a fixed size.
    void SetFitted();
    void SetEnlarged(const QSize& contentSize);
    bool IsFitted() const { return widgetResizable(); }

    int HorzRange() const;  // content width while it scrolls horizontally, else 0
    int HorzPosition() const;
    int VertPosition() const;
    void SetHorzPosition(int position);  // clamped
    void SetVertPosition(int position);  // clamped

signals:
    // One signal per wheel event over the box, its content or its scroll bars, with the
    // number of whole notches (positive: away from the user, "up") and the keys held (Ctrl
    // zooms). Smaller deltas add up.
    void WheelNotches(int notches, Qt::KeyboardModifiers modifiers);

protected:
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void takeWheel(QWheelEvent* event);

    int m_wheelRemainder = 0;
};

}  // namespace zuv
