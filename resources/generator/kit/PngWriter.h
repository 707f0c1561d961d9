#pragma once
// Writes PNG files for the program with the "Up" row filter: on these mostly flat pictures it
// compresses as well as libpng's adaptive choice and decodes much faster, which the program
// feels on every screen change.

#include <QFile>
#include <QImage>
#include <QString>

namespace zuvgen {

// Writes `image` (Format_RGB32 → truecolour, Format_ARGB32 → truecolour with alpha).
bool writeFastPng(const QImage& image, const QString& path, QString* error);

}  // namespace zuvgen
