// The viewer's start-up as a whole process: the program's own start (fontconfig loading ahead,
// fonts, translations, both windows, the main window shown) ending at the main window's first
// paint. With --phases it says on standard error when each step ended, in milliseconds from
// the start of main.

#include "FirstPaint.h"
#include "app/ProgramWindows.h"

#include <QApplication>

int main(int argc, char** argv) {
    const PhaseClock phase(argc, argv);
    const zuv::FontConfigLoading fontconfig;  // as main does
    QApplication app(argc, argv);
    phase("application");
    zuv::ProgramWindows windows(app);
    phase("fonts, translations and both windows");
    new EndAtFirstPaint(&windows.main, [&] { phase("first paint"); });
    windows.main.show();
    phase("main window shown");
    return app.exec();
}
