#pragma once
// The program as it starts: fontconfig loading on a thread of its own before the application
// exists (FontConfigLoading, made by the program entry and the probe), its fonts and Russian
// translations, then the main window; the hidden calendar systems table window follows once
// the main window has been painted, connected so that its "Свернуть" shows the main window.
// Neither window knows the other; the program entry, the start-up probe and the tests that
// build the windows as the program does all start here.

#include "kstbl/KStbl.h"
#include "mainwindow/ZUVunit.h"
#include "platform/Fonts.h"
#include "platform/Translations.h"

#include <QApplication>
#include <memory>

namespace zuv {

inline void ConnectProgramWindows(TFormZUV& main, TKStblForm& table) {
    QObject::connect(&table, &TKStblForm::MainWindowWanted, &main, &QWidget::show);
}

// The program's fonts and translations: the windows' labels are laid out in those fonts, so
// this comes before either window is built.
struct ProgramPreparation {
    explicit ProgramPreparation(QApplication& app) {
        RegisterProgramFonts();
        InstallRussianTranslations(app);
    }
};

struct ProgramWindows : private ProgramPreparation {
    explicit ProgramWindows(QApplication& app) : ProgramPreparation(app) {
        QObject::connect(&main, &TFormZUV::FirstPainted, &main, [this] {
            table = std::make_unique<TKStblForm>();
            ConnectProgramWindows(main, *table);
        });
    }
    TFormZUV main;
    // Made hidden after the main window's first paint, which does not wait for it; nothing in
    // the main window shows it.
    std::unique_ptr<TKStblForm> table;
};

}  // namespace zuv
