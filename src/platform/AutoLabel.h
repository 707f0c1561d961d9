#pragma once
// A label that sizes itself to its text whenever its text or font changes. With word wrap it
// keeps its width and takes the height the wrapped text needs.

#include "platform/ClickDetector.h"

#include <QLabel>

namespace zuv {

class AutoLabel : public QLabel {
    Q_OBJECT
public:
    explicit AutoLabel(const QString& text = QString(), QWidget* parent = nullptr);

    void SetText(const QString& text);
    void SetPointSize(int points);
    void SetWordWrapFixedWidth(bool on);
    void FitToText();

signals:
    void Clicked();
    void PointerMoved(const QPoint& pos);
    void ButtonPressed(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool m_wrapFixedWidth = false;
    bool m_autoSize = true;
    ClickDetector m_click;

public:
    void SetAutoSize(bool on) { m_autoSize = on; }
};

}  // namespace zuv
