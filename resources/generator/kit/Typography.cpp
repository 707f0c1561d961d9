// Fonts and formula binding for every picture of the generator.

#include "kit/Typography.h"

#include "kit/Formatting.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace zuvgen {

QString familyName(Family family) {
    switch (family) {
    case Family::Sans: return QStringLiteral("DejaVu Sans");
    case Family::Serif: return QStringLiteral("DejaVu Serif");
    case Family::Mono: return QStringLiteral("DejaVu Sans Mono");
    }
    return QString();
}

QFont typeface(Family family, qreal pixelSize, bool bold, bool italic, Hinting hinting) {
    QFont font(familyName(family));
    font.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    font.setBold(bold);
    font.setItalic(italic);
    font.setKerning(true);
    if (hinting == Hinting::Unhinted) font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont typeface(Face face, qreal pixelSize) {
    Family family = Family::Sans;
    bool bold = false;
    bool italic = false;
    switch (face) {
    case Face::Sans: break;
    case Face::SansBold: bold = true; break;
    case Face::SansItalic: italic = true; break;
    case Face::Serif: family = Family::Serif; break;
    case Face::SerifBold: family = Family::Serif; bold = true; break;
    case Face::SerifItalic: family = Family::Serif; italic = true; break;
    case Face::Mono: family = Family::Mono; break;
    }
    return typeface(family, pixelSize, bold, italic, Hinting::Unhinted);
}

QFont fittedFont(QFont font, const QString& text, qreal width, int maxSize, int minSize) {
    for (int size = maxSize; size > minSize; --size) {
        font.setPixelSize(size);
        if (QFontMetricsF(font).horizontalAdvance(text) <= width) return font;
    }
    font.setPixelSize(minSize);
    return font;
}

QString keepTogether(QString text) {
    static const QString ops[] = {QStringLiteral("−"), QStringLiteral("+"),   QStringLiteral("="),
                                  QStringLiteral("·"), QStringLiteral("div"), QStringLiteral("mod"),
                                  QStringLiteral("…")};
    for (const QString& bare : ops) {
        text.replace(QLatin1Char(' ') + bare + QLatin1Char(' '), kNoBreakSpace + bare + kNoBreakSpace);
    }
    return text;
}

QStringList keepEachTogether(QStringList texts) {
    for (QString& text : texts) text = keepTogether(text);
    return texts;
}

}  // namespace zuvgen
