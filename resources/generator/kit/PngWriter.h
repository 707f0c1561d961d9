#pragma once
// Writes PNG files for the program: rows unfiltered (on these mostly flat pictures deflate finds
// the repeats by itself; measured against "Up", the files come out smaller and inflate faster,
// and there is no filter to undo) and the image data cut into bands the viewer can inflate on
// both cores at once. Each band starts a fresh deflate block after a full flush (no
// back-reference into the band before); the private "baND" chunk before the image data lists every band's first row and
// the offset of its first byte in the zlib stream. Other decoders skip the chunk and read the
// file as any PNG.

#include <QFile>
#include <QImage>
#include <QString>

namespace zuvgen {

// Writes `image` (Format_RGB32 → truecolour, Format_ARGB32 → truecolour with alpha).
bool writeFastPng(const QImage& image, const QString& path, QString* error);

}  // namespace zuvgen
