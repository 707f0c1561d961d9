#pragma once
// Moves a top-level window with the pointer from now until the next button release. It is the
// stand-in for the window system's own interactive move where there is none (an X server
// without a window manager).

#include <QObject>
#include <QPoint>
#include <QPointer>

class QWidget;

namespace zuv {

class PointerDrag : public QObject {
    Q_OBJECT
public:
    // Starts following the pointer at once; the object deletes itself on the release.
    static void Start(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit PointerDrag(QWidget* window);
    void Finish();

    QPointer<QWidget> m_window;
    QPoint m_grabOffset;  // pointer position minus the window's top-left, kept during the drag
};

}  // namespace zuv
