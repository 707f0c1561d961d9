#pragma once
// The program as it starts: its fonts and Russian translations first, then the main window and
// the hidden calendar systems table window, connected so that the table window's "Свернуть"
// shows the main window. Neither window knows the other; the program entry, the start-up
// probe and the tests that build the windows as the program does all start here.

#include "kstbl/KStbl.h"
#include "mainwindow/ZUVunit.h"
#include "platform/Fonts.h"
#include "platform/Translations.h"

#include <QApplication>

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
    explicit ProgramWindows(QApplication& app) : ProgramPreparation(app) { ConnectProgramWindows(main, table); }
    TFormZUV main;
    TKStblForm table;  // created hidden; nothing in the main window shows it
};

}  // namespace zuv
