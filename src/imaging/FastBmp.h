#pragma once
// The section menu's background, a Windows bitmap the program carries, decoded without Qt's
// image reader: uncompressed 24-bit bitmaps, rows bottom-up or top-down. Qt's reader took
// 4 ms on the first window's path (half of it looking for its image plugins). Any other
// bitmap, and anything damaged, goes to Qt's reader, which decides as before.

#include <QByteArray>
#include <QImage>

namespace zuv {

// The bitmap in `bytes` as Qt's reader gives it (Format_RGB32 for 24 bits), or a null image
// when Qt's reader cannot read it either.
QImage DecodeBitmap(const QByteArray& bytes);

}  // namespace zuv
