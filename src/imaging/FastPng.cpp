// The fast path's stages joined: the read file's rows inflated (premultiplied when they are
// drawn with alpha) and fitted onto the surface, or converted to a picture at its own size.

#include "FastPng.h"

#include "FitRows.h"
#include "RawRows.h"

namespace zuv {

FastPngDrawn drawFastPng(const PngFile& png, QImage& surface, const QRect& target) {
    if (surface.format() != QImage::Format_ARGB32_Premultiplied || target.width() <= 0 || target.height() <= 0)
        return FastPngDrawn::Refused;
    if (!fitsRows(png, target.size())) return FastPngDrawn::NotThisFit;
    const PixelSteps& steps = pixelSteps();
    const uchar* raw = inflateRows(png, png.info.alpha, steps);
    if (!raw) return FastPngDrawn::Refused;
    fitRows(png, raw, surface, target, steps);
    return FastPngDrawn::Yes;
}

QImage decodeFastPng(const PngFile& png) {
    const uchar* raw = inflateRows(png, false, pixelSteps());
    if (!raw) return QImage();
    // The formats Qt's own decoder gives these files, so whatever scales them next sees the same.
    QImage image(png.info.width, png.info.height, png.info.alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull()) return QImage();
    for (int y = 0; y < png.info.height; ++y) {
        const uchar* src = raw + size_t(y) * png.rowBytes() + 1;
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        if (png.info.alpha) {
            for (int x = 0; x < png.info.width; ++x, src += 4) line[x] = qRgba(src[0], src[1], src[2], src[3]);
        } else {
            for (int x = 0; x < png.info.width; ++x, src += 3) line[x] = qRgb(src[0], src[1], src[2]);
        }
    }
    return image;
}

std::optional<FastPngInfo> fastPngInfo(const uchar* data, qsizetype size) {
    const std::optional<PngFile> png = readPngFile(data, size);
    if (!png) return std::nullopt;
    return png->info;
}

FastPngDrawn drawFastPng(const uchar* data, qsizetype size, QImage& surface, const QRect& target) {
    const std::optional<PngFile> png = readPngFile(data, size);
    return png ? drawFastPng(*png, surface, target) : FastPngDrawn::Refused;
}

QImage decodeFastPng(const uchar* data, qsizetype size) {
    const std::optional<PngFile> png = readPngFile(data, size);
    return png ? decodeFastPng(*png) : QImage();
}

qsizetype fastPngScratchBytes() { return rawRowsScratchBytes(); }

}  // namespace zuv
