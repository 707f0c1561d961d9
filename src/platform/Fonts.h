#pragma once
// The window is designed in Tahoma and Times New Roman. Debian has Tahoma in fonts-wine
// (not known to fontconfig) and Times New Roman's metrics in Liberation Serif. The bold face
// of fonts-wine's Tahoma is drawn at the regular weight, so bold Tahoma texts are set in
// DejaVu Sans Condensed Bold, which is visibly bold in Cyrillic at nearly the same widths.

#include <QFont>

#include <thread>

namespace zuv {

// Registers the Tahoma file of fonts-wine with the application where no Tahoma is known (the
// fontconfig loading below has usually added it already). Waits for that loading first.
void RegisterProgramFonts();

// Fontconfig reads its configuration and its font caches once per process, about 9 ms before
// any text can be measured. Made before the application, this has it done on a thread of its
// own while Qt connects to the display, and fonts-wine's Tahoma added to it where fontconfig
// has no Tahoma of its own; the program's fonts are registered once it has finished, so Qt's
// font database finds it all loaded. Joined when it goes at the latest. Where Qt does not use
// fontconfig it does nothing.
class FontConfigLoading {
public:
    FontConfigLoading();
    ~FontConfigLoading();
    FontConfigLoading(const FontConfigLoading&) = delete;
    FontConfigLoading& operator=(const FontConfigLoading&) = delete;

    // Waits until the loading that lives now (if any) has finished.
    static void Finish();

private:
    std::thread m_thread;
};

// A font of the window's design: its family, its height in pixels at 96 dpi (Qt sets fonts
// in points) and whether it is bold. A family that is not installed is set in its stand-in
// (Tahoma in DejaVu Sans, else Liberation Sans; Times New Roman in Liberation Serif, which has
// its metrics, else DejaVu Serif).
QFont DesignFont(const QString& family, int pixelHeight, bool bold);

}  // namespace zuv
