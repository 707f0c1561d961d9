#pragma once
// The one path every PNG picture of both windows takes (the section menu's bitmap background
// has its own, FastBmp.h): decode the resource's bytes, ask where the picture goes for its
// size, and draw it there scaled into the surface. Positions are logical pixels of the
// surface; the scaling writes its device pixels, so pictures stay sharp on HiDPI.

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <functional>

namespace zuv {

enum class Scaling {
    AreaAveraged,  // area-averaged when shrinking, smooth when enlarging (the main window)
    Bilinear,      // the painter's bilinear filter (the table window's pages)
};

// Where a picture of the given pixel size is drawn on the surface; an empty rectangle draws
// nothing.
using PictureFit = std::function<QRect(const QSize& picture)>;

// The picture in `bytes`, or a null image when they are not one.
QImage DecodePicture(const QByteArray& bytes);

// Draws `picture` into `target` of `surface`.
void DrawFitted(QImage& surface, const QRect& target, const QImage& picture, Scaling scaling);

// Decodes and draws in one step; returns the picture's pixel size, or an empty size (and
// draws nothing) when the bytes are not a picture. The PNGs the program carries take the fast
// path (FastPng.h) when they shrink or enlarge both ways; everything else Qt's decoder.
QSize DrawPicture(QImage& surface, const QByteArray& bytes, const PictureFit& fit, Scaling scaling);

// Off: every picture takes Qt's decoder and smooth scaling, the way the program drew before
// the fast path; the benchmark measures both on the same bytes. On by default.
void setFastPngPath(bool on);

}  // namespace zuv
