#pragma once
// Writes 8-bit BMP files with a colour table. Qt's BMP writer leaves the padding at the end of
// each row unset, so the same picture came out in other bytes from run to run; this one
// stores zeros there, and the header fields exactly as Qt's writer sets them.

#include <QImage>
#include <QString>

namespace zuvgen {

// Writes `image` (Format_Indexed8): file and info headers, the colour table, rows bottom-up.
bool writeBmp8(const QImage& image, const QString& path, QString* error);

}  // namespace zuvgen
