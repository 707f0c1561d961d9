#pragma once
// How the program's two windows meet: the table window's "Свернуть" shows the main window
// first. Neither window knows the other; the program entry (and the tests that build the
// windows as the program does) connect them here.

#include "kstbl/KStbl.h"
#include "mainwindow/ZUVunit.h"

namespace zuv {

inline void ConnectProgramWindows(TFormZUV& main, TKStblForm& table) {
    QObject::connect(&table, &TKStblForm::MainWindowWanted, &main, &QWidget::show);
}

}  // namespace zuv
