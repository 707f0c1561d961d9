#pragma once
// A filled rectangle with a 1-pixel outline, the building block of the frame bands.

#include <QColor>
#include <QWidget>

namespace zuv {

class ShapeControl : public QWidget {
    Q_OBJECT
public:
    explicit ShapeControl(QWidget* parent = nullptr);

    void SetOutlineColor(const QColor& color);
    void SetFillColor(const QColor& color);
    QColor OutlineColor() const { return m_outline; }
    QColor FillColor() const { return m_fill; }

signals:
    void ButtonPressed(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QColor m_outline = Qt::black;
    QColor m_fill = Qt::white;
};

}  // namespace zuv
