#pragma once
// Typography of every picture: the DejaVu families (Debian's, so the output is the same
// everywhere), the faces the pages and decoration pictures use, font fitting, and the binding
// of short formulas with no-break spaces.

#include <QFont>
#include <QString>
#include <QStringList>

namespace zuvgen {

enum class Family { Sans, Serif, Mono };
QString familyName(Family family);  // "DejaVu Sans", "DejaVu Serif", "DejaVu Sans Mono"

// Hinting snaps glyphs to whole device pixels: right for the grid text of the dated sheets, wrong
// for pages and emblems that are drawn at many scales.
enum class Hinting { Unhinted, Hinted };

// A font of the family at a pixel size rounded to whole pixels (at least 1), with kerning.
QFont typeface(Family family, qreal pixelSize, bool bold, bool italic, Hinting hinting);

// The faces of the pages and decoration pictures, unhinted.
enum class Face { Sans, SansBold, SansItalic, Serif, SerifBold, SerifItalic, Mono };
QFont typeface(Face face, qreal pixelSize);

// The largest pixel size not above maxSize at which the text fits the width (at least minSize).
QFont fittedFont(QFont font, const QString& text, qreal width, int maxSize, int minSize = 6);

// Binds the operands of short formulas ("(Д − 1) mod 7 + 1") with no-break spaces, so that a
// line never breaks inside one.
QString keepTogether(QString text);
QStringList keepEachTogether(QStringList texts);

}  // namespace zuvgen
