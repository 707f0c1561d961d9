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
}  // namespace

void setFastPngPath(bool on) { g_fastPath = on; }

QImage DecodePicture(const QByteArray& bytes) {
    if (!g_fastPath) return decodeWithQt(bytes);
    const QImage fast = decodeFastPng(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size());
    return fast.isNull() ? decodeWithQt(bytes) : fast;
}

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
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const std::optional<FastPngInfo> info = g_fastPath ? fastPngInfo(data, bytes.size()) : std::nullopt;
    QImage picture;
    if (info && scaling == Scaling::AreaAveraged && surface.format() == QImage::Format_ARGB32_Premultiplied) {
        // Shrinking and enlarging go from the raw rows straight into the surface; nothing
        // full-size is made.
        const QSize size(info->width, info->height);
        const QRect target = fit(size);
        if (target.width() <= 0 || target.height() <= 0) return size;
        const qreal dpr = surface.devicePixelRatio();
        const QRect device(QPoint(qRound(target.x() * dpr), qRound(target.y() * dpr)), (QSizeF(target.size()) * dpr).toSize());
        switch (drawFastPng(data, bytes.size(), surface, device)) {
        case FastPngDrawn::Yes: return size;
        case FastPngDrawn::NotThisFit: picture = DecodePicture(bytes); break;
        case FastPngDrawn::Refused: picture = decodeWithQt(bytes); break;  // Qt's decoder has the last word
        }
    } else {
        picture = DecodePicture(bytes);
    }
    if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0) return QSize();
    DrawFitted(surface, fit(picture.size()), picture, scaling);
    return picture.size();
}

}  // namespace zuv
