// The baseline of the start-up benchmark: a bare Qt Widgets program with one window of the
// viewer's size, flags and title, showing one line of text, ending at its first paint. With
// --phases it says when each step ended, as the viewer's probe does, so that the two can be
// compared step by step.

#include "FirstPaint.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    const PhaseClock phase(argc, argv);
    QApplication app(argc, argv);
    phase("application");
    QLabel window(QStringLiteral("зувская календарная система"));
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint | Qt::WindowSystemMenuHint);
    window.setWindowTitle(window.text());
    window.resize(640, 465);
    phase("window");
    new EndAtFirstPaint(&window, [&] { phase("first paint"); });
    window.show();
    phase("window shown");
    return app.exec();
}
