// The two side pictures of the main window's frame: the dark ground of the left section menu
// and the ornament strip along the right edge.

#include "decoration/Pictures.h"
#include "kit/Draw.h"
#include "kit/Palette.h"

#include <QLinearGradient>

namespace zuvgen::deco {

QImage drawLeftPanel(int width, int height) {
    // The section labels are white bold text spread over the whole height, so the middle of
    // the panel stays dark everywhere; the ornament keeps to the two side edges.
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient ground(0, 0, 0, height);
    ground.setColorAt(0.0, rgb(0x22355a));
    ground.setColorAt(0.45, rgb(0x182842));
    ground.setColorAt(1.0, rgb(0x0f1a2d));
    p.fillRect(image.rect(), ground);
    QLinearGradient side(0, 0, width, 0);
    side.setColorAt(0.0, withAlpha(Qt::black, 60));
    side.setColorAt(0.12, withAlpha(Qt::black, 0));
    side.setColorAt(0.88, withAlpha(Qt::black, 0));
    side.setColorAt(1.0, withAlpha(Qt::black, 60));
    p.fillRect(image.rect(), side);

    // Faint concentric rings behind the labels.
    const QPointF c(width / 2.0, height * 0.42);
    for (int r = 36; r < height; r += 28) circle(p, c, r, withAlpha(Qt::white, 9), 1);

    const QColor gold = rgb(0xa8884f);
    const qreal inset = 13, inner = 19;
    p.setPen(QPen(gold, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(inset, inset, width - 2 * inset, height - 2 * inset));
    p.setPen(QPen(withAlpha(gold, 110), 0.8));
    p.drawRect(QRectF(inner, inner, width - 2 * inner, height - 2 * inner));
    // Small diamonds along both side edges and at the corners.
    for (int i = 1; i < 20; ++i) {
        const qreal y = inset + (height - 2 * inset) * i / 20.0;
        for (qreal x : {inset, width - inset}) {
            p.setPen(Qt::NoPen);
            p.setBrush(i % 5 == 0 ? gold : withAlpha(gold, 150));
            p.drawPath(rhombusPath(QPointF(x, y), i % 5 == 0 ? 4.5 : 2.8, i % 5 == 0 ? 6.5 : 4));
        }
    }
    for (QPointF corner : {QPointF(inset, inset), QPointF(width - inset, inset), QPointF(inset, height - inset),
                           QPointF(width - inset, height - inset)}) {
        p.setPen(Qt::NoPen);
        p.setBrush(gold);
        p.drawPath(rhombusPath(corner, 6, 6));
        p.setBrush(rgb(0x182842));
        p.drawPath(rhombusPath(corner, 2.5, 2.5));
    }
    return image;
}

QImage drawRightStrip(int width, int height) {
    // The program makes every pixel of the bottom-left pixel's colour transparent, so the
    // ground is pure white (the window's own background) and the ornament never uses it.
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QColor navy = rgb(decopalette::navy), gold = rgb(0xc29a45);
    const qreal mid = width / 2.0;
    const qreal top = 8, bottom = height - 8;

    p.setPen(QPen(navy, 2.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(9, top), QPointF(9, bottom));
    p.drawLine(QPointF(width - 9, top), QPointF(width - 9, bottom));
    p.setPen(QPen(gold, 1.4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(mid, top + 8), QPointF(mid, bottom - 8));

    // A chain of navy diamonds and gold rings down the middle.
    const int links = 13;
    const qreal step = (bottom - top - 24) / (links - 1);
    for (int i = 0; i < links; ++i) {
        const QPointF c(mid, top + 12 + i * step);
        if (i % 2 == 0) {
            p.setPen(Qt::NoPen);
            p.setBrush(navy);
            p.drawPath(rhombusPath(c, 13, 17));
            p.setBrush(gold);
            p.drawPath(rhombusPath(c, 5, 6.5));
        } else {
            disc(p, c, 9, gold);
            disc(p, c, 4.5, navy);
        }
    }
    for (qreal y : {top, bottom}) {
        p.setPen(QPen(navy, 2.6, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(9, y), QPointF(width - 9, y));
    }
    return image;
}

}  // namespace zuvgen::deco
