#include "FastBmp.h"

#include <QtEndian>

namespace zuv {

namespace {

constexpr int kFileHeaderBytes = 14;
constexpr int kInfoHeaderBytes = 40;  // the smallest header with a width, height and depth
constexpr qint64 kLargestSide = 1 << 15;

// The uncompressed 24-bit bitmap in `bytes`, or a null image when it is anything else.
QImage decode24(const QByteArray& bytes) {
    if (bytes.size() < kFileHeaderBytes + kInfoHeaderBytes || !bytes.startsWith("BM")) return {};
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const quint32 pixelsAt = qFromLittleEndian<quint32>(data + 10);
    const quint32 headerBytes = qFromLittleEndian<quint32>(data + 14);
    const qint64 width = qFromLittleEndian<qint32>(data + 18);
    const qint64 signedHeight = qFromLittleEndian<qint32>(data + 22);
    const quint16 planes = qFromLittleEndian<quint16>(data + 26);
    const quint16 bits = qFromLittleEndian<quint16>(data + 28);
    const quint32 compression = qFromLittleEndian<quint32>(data + 30);
    const qint64 height = signedHeight < 0 ? -signedHeight : signedHeight;
    if (headerBytes < kInfoHeaderBytes || planes != 1 || bits != 24 || compression != 0) return {};
    if (width <= 0 || width > kLargestSide || height <= 0 || height > kLargestSide) return {};
    const qint64 stride = (width * 3 + 3) / 4 * 4;  // rows are padded to whole 32-bit words
    if (pixelsAt < kFileHeaderBytes + headerBytes || pixelsAt + stride * height > qint64(bytes.size())) return {};

    QImage image(int(width), int(height), QImage::Format_RGB32);
    if (image.isNull()) return {};
    const bool bottomUp = signedHeight > 0;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = data + pixelsAt + stride * (bottomUp ? height - 1 - y : y);
        QRgb* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x, row += 3) out[x] = qRgb(row[2], row[1], row[0]);
    }
    return image;
}

}  // namespace

QImage DecodeBitmap(const QByteArray& bytes) {
    QImage image = decode24(bytes);
    if (image.isNull()) image.loadFromData(bytes, "BMP");
    return image;
}

}  // namespace zuv
