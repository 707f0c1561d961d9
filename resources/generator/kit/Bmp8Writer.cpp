// The 8-bit BMP writer: little-endian headers, BGR0 colour table, zero-padded rows.

#include "kit/Bmp8Writer.h"

#include <QFile>
#include <QtEndian>

namespace zuvgen {

namespace {

void put16(QByteArray& out, quint16 v) {
    const quint16 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&le), 2);
}
void put32(QByteArray& out, quint32 v) {
    const quint32 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&le), 4);
}

}  // namespace

bool writeBmp8(const QImage& image, const QString& path, QString* error) {
    if (image.format() != QImage::Format_Indexed8) {
        *error = QStringLiteral("unexpected pixel format");
        return false;
    }
    const quint32 colours = quint32(image.colorCount());
    const quint32 stride = (quint32(image.width()) + 3) / 4 * 4;
    const quint32 dataOffset = 14 + 40 + 4 * colours;
    const quint32 dataSize = stride * quint32(image.height());
    const quint32 pixelsPerMetre = 3780;  // 96 dpi, as Qt writes it

    QByteArray out;
    out.reserve(int(dataOffset + dataSize));
    out.append("BM", 2);
    put32(out, dataOffset + dataSize);
    put32(out, 0);  // reserved
    put32(out, dataOffset);
    put32(out, 40);  // info header size
    put32(out, quint32(image.width()));
    put32(out, quint32(image.height()));
    put16(out, 1);  // planes
    put16(out, 8);  // bits per pixel
    put32(out, 0);  // no compression
    put32(out, dataSize);
    put32(out, pixelsPerMetre);
    put32(out, pixelsPerMetre);
    put32(out, colours);
    put32(out, colours);
    for (const QRgb colour : image.colorTable()) {
        out.append(char(qBlue(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qRed(colour)));
        out.append('\0');
    }
    for (int y = image.height() - 1; y >= 0; --y) {
        out.append(reinterpret_cast<const char*>(image.constScanLine(y)), image.width());
        out.append(QByteArray(int(stride) - image.width(), '\0'));
    }

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(out) != out.size()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

}  // namespace zuvgen
