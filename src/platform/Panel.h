#pragma once
// A plain container with an optional background colour that reports its resizes.

#include <QColor>
#include <QWidget>

namespace zuv {

class Panel : public QWidget {
    Q_OBJECT
public:
    explicit Panel(QWidget* parent = nullptr);
    void SetBackground(const QColor& color);  // an invalid colour: no background of its own

signals:
    void Resized();
    void PointerMoved(const QPoint& pos);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

}  // namespace zuv
