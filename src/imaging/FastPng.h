#pragma once
// A fast decoder for the pictures the program carries: 8-bit truecolour PNGs, with or without
// alpha, not interlaced. It reads the chunks, inflates the image data with libdeflate into a
// scratch buffer kept for the next picture, undoes the row filters and area-averages the rows
// straight into the target raster, so no full-size picture is ever built. Files from the
// program's own writer carry a band table (see resources/generator/kit/PngWriter.h); their
// bands are inflated on both cores at once. Any other PNG, and anything damaged, is left to
// Qt's decoder by the caller.

#include <QImage>
#include <QRect>
#include <optional>

namespace zuv {

struct FastPngInfo {
    int width = 0;
    int height = 0;
    bool alpha = false;  // truecolour with alpha (RGBA), else RGB
};

// What the signature and the header chunk say, when this decoder takes the file.
std::optional<FastPngInfo> fastPngInfo(const uchar* data, qsizetype size);

enum class FastPngDrawn {
    Yes,
    NotThisFit,  // a target larger one way and smaller the other: nothing drawn, nothing inflated
    Refused,     // not a file this decoder takes, or damaged: nothing drawn
};

// Draws the picture into `target`, a rectangle of `surface`'s own pixels (the surface is
// Format_ARGB32_Premultiplied), composited over what the surface holds: area-averaged when the
// target is nowhere larger than the picture, bilinear (sampled as Qt's smooth scaling samples
// an enlargement) when it is nowhere smaller.
FastPngDrawn drawFastPng(const uchar* data, qsizetype size, QImage& surface, const QRect& target);

// The picture at its own size, or a null image as above.
QImage decodeFastPng(const uchar* data, qsizetype size);

// The bytes of the scratch buffer kept between pictures (the largest picture's raw rows).
qsizetype fastPngScratchBytes();

}  // namespace zuv
