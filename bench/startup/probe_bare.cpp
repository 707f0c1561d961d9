// The baseline of the start-up benchmark: a bare Qt Widgets program with one window of the
// viewer's size, flags and title, showing one line of text, ending at its first paint.

#include "FirstPaint.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("зувская календарная система"));
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint | Qt::WindowSystemMenuHint);
    window.setWindowTitle(window.text());
    window.resize(640, 465);
    new EndAtFirstPaint(&window);
    window.show();
    return app.exec();
}
