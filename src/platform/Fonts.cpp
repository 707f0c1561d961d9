#include "Fonts.h"

#include <QFile>
#include <QFontDatabase>

#if __has_include(<fontconfig/fontconfig.h>)
#include <fontconfig/fontconfig.h>
#define ZUV_FONTCONFIG 1
#endif

namespace zuv {

void RegisterProgramFonts() {
    const QString tahoma = QStringLiteral("/usr/share/wine/fonts/tahoma.ttf");
    if (!QFontDatabase::families().contains(QStringLiteral("Tahoma")) && QFile::exists(tahoma))
        QFontDatabase::addApplicationFont(tahoma);
    const QStringList families = QFontDatabase::families();
    if (!families.contains(QStringLiteral("Tahoma")))
        QFont::insertSubstitutions(QStringLiteral("Tahoma"), {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    if (!families.contains(QStringLiteral("Times New Roman")))
        QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                                   {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
}

FontConfigLoading::FontConfigLoading() {
#if ZUV_FONTCONFIG
    m_thread = std::thread([] { FcInit(); });
#endif
}

FontConfigLoading::~FontConfigLoading() {
    if (m_thread.joinable()) m_thread.join();
}

QFont DesignFont(const QString& family, int pixelHeight, bool bold) {
    const bool boldTahoma = bold && family == QLatin1String("Tahoma");
    QFont font(boldTahoma ? QStringLiteral("DejaVu Sans Condensed") : family);
    font.setPointSizeF(pixelHeight * 72.0 / 96.0);
    font.setBold(bold);
    return font;
}

}  // namespace zuv
