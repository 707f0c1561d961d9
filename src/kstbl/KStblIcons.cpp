#include "KStblIcons.h"

#include <QPainter>
#include <QPainterPath>

namespace zuv {

namespace {

constexpr int kSide = 32;
const QColor kInk(0x1f, 0x3a, 0x5f);     // dark blue lines
const QColor kGold(0xc8, 0xa0, 0x3c);    // accent
const QColor kPaper(0xf4, 0xf1, 0xe8);   // light fill

// 1: a 3 × 3 grid of small tiles, one of them marked, like the grid of calendar systems.
void drawSystemsGrid(QPainter& p) {
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            const QRectF tile(3 + col * 9, 3 + row * 9, 8, 8);
            p.setPen(QPen(kInk, 1));
            p.setBrush(row == 1 && col == 1 ? kGold : kPaper);
            p.drawRect(tile.adjusted(0.5, 0.5, -0.5, -0.5));
        }
}

// 2: a window with its title bar and a minimise stroke.
void drawWindowCommands(QPainter& p) {
    const QRectF frame(3.5, 5.5, 25, 21);
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(kPaper);
    p.drawRect(frame);
    p.setBrush(kInk);
    p.drawRect(QRectF(3.5, 5.5, 25, 5));
    p.setPen(QPen(kGold, 2));
    p.drawLine(QPointF(9, 21), QPointF(23, 21));
}

// 3: two sheets of paper, the front one with lines of text.
void drawPages(QPainter& p) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kPaper.darker(108));
    p.drawRect(QRectF(10.5, 3.5, 17, 22));
    p.setBrush(kPaper);
    p.drawRect(QRectF(5.5, 7.5, 17, 22));
    p.setPen(QPen(kInk, 1));
    for (int line = 0; line < 4; ++line) p.drawLine(QPointF(8.5, 12.5 + line * 4), QPointF(19.5, 12.5 + line * 4));
    p.setPen(QPen(kGold, 2));
    p.drawLine(QPointF(8.5, 27), QPointF(14.5, 27));
}

// 4: a loudspeaker with sound waves.
void drawAnnouncement(QPainter& p) {
    QPainterPath horn;
    horn.moveTo(4, 12);
    horn.lineTo(10, 12);
    horn.lineTo(18, 5);
    horn.lineTo(18, 27);
    horn.lineTo(10, 20);
    horn.lineTo(4, 20);
    horn.closeSubpath();
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(kGold);
    p.drawPath(horn);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(16, 10, 8, 12), -50 * 16, 100 * 16);
    p.drawArc(QRectF(15, 6, 14, 20), -50 * 16, 100 * 16);
}

}  // namespace

QImage kstblCornerIcon(int number) {
    if (number < 1 || number > 4) return QImage();
    QImage icon(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    switch (number) {
    case 1: drawSystemsGrid(p); break;
    case 2: drawWindowCommands(p); break;
    case 3: drawPages(p); break;
    default: drawAnnouncement(p); break;
    }
    return icon;
}

}  // namespace zuv
