#include "PicturePath.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

namespace zuv {

QImage DecodePicture(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly)) return QImage();
    QImageReader reader(&buffer);
    reader.setAutoTransform(false);
    return reader.read();
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
    const QImage picture = DecodePicture(bytes);
    if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0) return QSize();
    DrawFitted(surface, fit(picture.size()), picture, scaling);
    return picture.size();
}

}  // namespace zuv
