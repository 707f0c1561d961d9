#pragma once
// Qt's own texts (the standard buttons of the message boxes, the picker's navigation hints)
// in Russian, from the translations Debian ships with Qt.

class QCoreApplication;

namespace zuv {

// Loads qtbase_ru into the application; false when the file is not installed.
bool InstallRussianTranslations(QCoreApplication& app);

}  // namespace zuv
