// The picture path in one direction: the file's chunks are read once; a file the fast path
// takes is inflated, unfiltered and fitted straight into the surface (or, for a fit it does
// not make, decoded at its own size), and any other file, or one found damaged on the way,
// goes to Qt's decoder, which has the last word.

#include "PicturePath.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

#include "imaging/FastPng.h"

namespace zuv {

namespace {
bool g_fastPath = true;

QImage decodeWithQt(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly)) return QImage();
    QImageReader reader(&buffer);
    reader.setAutoTransform(false);
    return reader.read();
}

// The file as the fast path reads it, when it takes it.
std::optional<PngFile> fastFile(const QByteArray& bytes) {
    if (!g_fastPath) return std::nullopt;
    return readPngFile(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size());
}

QImage decode(const std::optional<PngFile>& png, const QByteArray& bytes) {
    if (png) {
        QImage fast = decodeFastPng(*png);
        if (!fast.isNull()) return fast;
    }
    return decodeWithQt(bytes);
}
}  // namespace

void setFastPngPath(bool on) { g_fastPath = on; }

QImage DecodePicture(const QByteArray& bytes) { return decode(fastFile(bytes), bytes); }

void DrawFitted(QImage& surface, const QRect& target, const QImage& picture, Scaling scaling) {
    if (target.width() <= 0 || target.height() <= 0 || picture.isNull()) return;
    QPainter painter(&surface);
    if (scaling == Scaling::Bilinear) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, picture);
        return;
    }
    // Area averaging keeps the thin grid lines of the sheets; it goes straight to the
    // surface's device pixels.
    const qreal dpr = surface.devicePixelRatio();
    const QSize pixels = (QSizeF(target.size()) * dpr).toSize();
    QImage scaled = pixels == picture.size() ? picture : picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(dpr);
    painter.drawImage(target.topLeft(), scaled);
}

QSize DrawPicture(QImage& surface, const QByteArray& bytes, const PictureFit& fit, Scaling scaling) {
    const std::optional<PngFile> png = fastFile(bytes);
    QImage picture;
    if (png && scaling == Scaling::AreaAveraged && surface.format() == QImage::Format_ARGB32_Premultiplied) {
        // Shrinking and enlarging go from the raw rows straight into the surface; nothing
        // full-size is made.
        const QSize size = png->size();
        const QRect target = fit(size);
        if (target.width() <= 0 || target.height() <= 0) return size;
        const qreal dpr = surface.devicePixelRatio();
        const QRect device(QPoint(qRound(target.x() * dpr), qRound(target.y() * dpr)), (QSizeF(target.size()) * dpr).toSize());
        switch (drawFastPng(*png, surface, device)) {
        case FastPngDrawn::Yes: return size;
        case FastPngDrawn::NotThisFit: picture = decode(png, bytes); break;
        case FastPngDrawn::Refused: picture = decodeWithQt(bytes); break;  // damaged: Qt's decoder has the last word
        }
    } else {
        picture = decode(png, bytes);
    }
    if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0) return QSize();
    DrawFitted(surface, fit(picture.size()), picture, scaling);
    return picture.size();
}

}  // namespace zuv
