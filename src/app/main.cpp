// The ZUV viewer: one borderless main window and the hidden calendar systems table window.

#include "app/ProgramWindows.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt would abort with a long message; say it in one line instead.
bool displayAvailable() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty()) return true;
    return !qgetenv("DISPLAY").isEmpty() || !qgetenv("WAYLAND_DISPLAY").isEmpty();
}

}  // namespace

int main(int argc, char** argv) {
    if (!displayAvailable()) {
        std::fprintf(stderr,
                     "zuv: no display found (DISPLAY is not set); start it on a desktop, or under Xvfb: xvfb-run -a %s\n",
                     argv[0]);
        return 2;
    }
    const zuv::FontConfigLoading fontconfig;  // on the other core while Qt connects to the display
    QApplication app(argc, argv);
    zuv::ProgramWindows windows(app);
    windows.main.show();
    return app.exec();
}
