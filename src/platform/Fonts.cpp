#include "Fonts.h"

#include <QFile>
#include <QFontDatabase>

#if __has_include(<fontconfig/fontconfig.h>)
#include <fontconfig/fontconfig.h>
#define ZUV_FONTCONFIG 1
#endif

namespace zuv {

namespace {

const char kWineTahoma[] = "/usr/share/wine/fonts/tahoma.ttf";

// Where a family of the design is not installed, the first of these that is stands in.
struct StandIns {
    const char* family;
    const char* standIns[2];
};
constexpr StandIns kStandIns[] = {{"Tahoma", {"DejaVu Sans", "Liberation Sans"}},
                                  {"Times New Roman", {"Liberation Serif", "DejaVu Serif"}}};

// The design's family where it is installed, else its first installed stand-in. Named
// straight away, so that Qt does not first look for the missing family among all fonts.
QString installedFamily(const QString& family) {
    if (QFontDatabase::hasFamily(family)) return family;
    for (const StandIns& entry : kStandIns) {
        if (family != QLatin1String(entry.family)) continue;
        for (const char* standIn : entry.standIns)
            if (QFontDatabase::hasFamily(QLatin1String(standIn))) return QLatin1String(standIn);
    }
    return family;
}

FontConfigLoading* g_loading = nullptr;  // the one the program entry made, while it lives

#if ZUV_FONTCONFIG
bool fontconfigListsFamily(const char* family) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcObjectSet* properties = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, pattern, properties);
    const bool listed = fonts && fonts->nfont > 0;
    if (fonts) FcFontSetDestroy(fonts);
    FcObjectSetDestroy(properties);
    FcPatternDestroy(pattern);
    return listed;
}

// The configuration and caches, then fonts-wine's Tahoma where no Tahoma is listed: Qt's font
// database then lists it among the system's fonts, with nothing left to register.
void loadFontconfig() {
    FcInit();
    // Without fonts-wine the file is not there, and fontconfig adds nothing.
    if (!fontconfigListsFamily("Tahoma")) FcConfigAppFontAddFile(nullptr, reinterpret_cast<const FcChar8*>(kWineTahoma));
}
#endif

}  // namespace

void RegisterProgramFonts() {
    FontConfigLoading::Finish();  // Qt's font database is read from fontconfig as loaded
    const QString tahoma = QString::fromLatin1(kWineTahoma);
    if (!QFontDatabase::hasFamily(QStringLiteral("Tahoma")) && QFile::exists(tahoma))
        QFontDatabase::addApplicationFont(tahoma);
}

FontConfigLoading::FontConfigLoading() {
#if ZUV_FONTCONFIG
    m_thread = std::thread(loadFontconfig);
#endif
    g_loading = this;
}

FontConfigLoading::~FontConfigLoading() {
    if (m_thread.joinable()) m_thread.join();
    if (g_loading == this) g_loading = nullptr;
}

void FontConfigLoading::Finish() {
    if (g_loading && g_loading->m_thread.joinable()) g_loading->m_thread.join();
}

QFont DesignFont(const QString& family, int pixelHeight, bool bold) {
    const bool boldTahoma = bold && family == QLatin1String("Tahoma");
    QFont font(boldTahoma ? QStringLiteral("DejaVu Sans Condensed") : installedFamily(family));
    font.setPointSizeF(pixelHeight * 72.0 / 96.0);
    font.setBold(bold);
    return font;
}

}  // namespace zuv
