#pragma once
// An image control: shows one raster picture or none. Canvas() hands out the picture as a
// drawing surface, first making it a white raster of the control's current size when the
// control holds nothing else; Discard() drops it. The picture is never redrawn by the control
// itself: whoever changes its size draws it again.

#include "platform/ClickDetector.h"

#include <QImage>
#include <QWidget>

namespace zuv {

class ImageControl : public QWidget {
    Q_OBJECT
public:
    explicit ImageControl(QWidget* parent = nullptr);

    bool HasPicture() const { return !m_picture.isNull(); }
    const QImage& Picture() const { return m_picture; }

    // The drawing surface: the picture itself when it is a 32-bit raster of exactly the
    // control's size, otherwise a new white one of that size. Call Repaint() after drawing.
    QImage& Canvas();
    // The same surface for a caller that writes every pixel of it: a new one is not filled.
    QImage& CanvasToOverwrite();
    // The raster Canvas() makes: the control's size in device pixels, 32-bit premultiplied,
    // at the control's device pixel ratio. A raster made here fits the canvas exactly.
    QImage NewCanvasRaster() const;
    QSize CanvasDeviceSize() const;
    void Discard();
    void SetPicture(const QImage& image);  // a picture of any size (shown stretched if Stretch)
    void Repaint();
    void RepaintRegion(const QRegion& region);  // only these pixels of the picture changed

    // Stretch: the picture is drawn into the whole control. Otherwise it is drawn 1:1 from
    // the top-left (or centred with Center).
    void SetStretch(bool on) { m_stretch = on; update(); }
    void SetCenter(bool on) { m_center = on; update(); }
    // Proportional: a stretched picture keeps its aspect ratio (centred).
    void SetProportional(bool on) { m_proportional = on; update(); }
    // Transparent: pixels of the colour of the picture's bottom-left pixel show the parent.
    void SetTransparent(bool on);
    // Draggable: the left button held and moved past the platform's drag distance drags
    // (Dragged, a closed hand meanwhile) instead of clicking.
    void SetDraggable(bool on) { m_draggable = on; }

    // Number of pictures alive in all image controls (for leak checks).
    static int LivePictures();

signals:
    void Clicked();
    void ContextRequested(const QPoint& globalPos);
    void PointerMoved(const QPoint& pos);
    void ButtonPressed(Qt::MouseButton button);
    void Dragged(const QPoint& delta);  // the pointer's move since the last one, in screen pixels

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    const QImage& shownImage();
    QImage& MakeCanvas(bool white);  // Canvas(), and filled white when made anew if asked

    QImage m_picture;
    QImage m_keyed;  // the picture with its key colour made transparent
    bool m_keyedValid = false;
    bool m_stretch = false;
    bool m_center = false;
    bool m_proportional = false;
    bool m_transparent = false;
    ClickDetector m_click;
    bool m_draggable = false;
    bool m_dragging = false;
    QPoint m_pressedAt;  // screen pixels; where a drag measures from
};

}  // namespace zuv
