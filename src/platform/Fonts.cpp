#include "Fonts.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>

namespace zuv {

void RegisterProgramFonts() {
    if (!QFontDatabase::families().contains(QStringLiteral("Tahoma"))) {
        for (const char* path : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"})
            if (QFile::exists(QLatin1String(path))) QFontDatabase::addApplicationFont(QLatin1String(path));
    }
    const QStringList families = QFontDatabase::families();
    if (!families.contains(QStringLiteral("Tahoma")))
        QFont::insertSubstitutions(QStringLiteral("Tahoma"), {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    if (!families.contains(QStringLiteral("Times New Roman")))
        QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                                   {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
}

}  // namespace zuv
