// The pictures made of one emblem: the icons of the calendar systems (KSIMG1 … KSIMG25), the
// program's icon (KSIMG0) and the flat ZUV bitmap.

#include "decoration/Emblems.h"
#include "decoration/Pictures.h"

#include <QPainter>

namespace zuvgen::deco {

QImage drawSystemIcon(int system, int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    // The emblem keeps its round shape in the middle of a slightly oblong icon, with a margin
    // so that its smoothed edge is not cut.
    paintEmblem(p, system, QPointF(width / 2.0, height / 2.0), qMin(width, height) / 2.0 - 2);
    return image;
}

QImage drawProgramIcon(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    paintEmblem(p, 0, QPointF(width / 2.0, height / 2.0), qMin(width, height) / 2.0 - 1);
    return image;
}

QImage drawZuvBitmap(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    paintFlatProjectEmblem(p, QPointF(width / 2.0, height / 2.0), qMin(width, height) / 2.0 - 2);
    return image;
}

}  // namespace zuvgen::deco
