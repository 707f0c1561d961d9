#pragma once
// A fast decoder for the pictures the program carries: 8-bit truecolour PNGs, with or without
// alpha, not interlaced. The file's chunks are read once (PngFile.h); its image data is
// inflated with libdeflate and unfiltered into a scratch buffer kept for the next picture
// (RawRows.h), then fitted straight into the target raster (FitRows.h), so no full-size
// picture is ever built. Files from the program's own writer carry a band table; their bands
// are inflated on both cores at once. Any other PNG, and anything damaged, is left to Qt's
// decoder by the caller.

#include "PngFile.h"

#include <QImage>
#include <QRect>
#include <optional>

namespace zuv {

enum class FastPngDrawn {
    Yes,
    NotThisFit,  // a target larger one way and smaller the other: nothing drawn, nothing inflated
    Refused,     // damaged, or not a surface this decoder draws on: nothing drawn
};

// Draws the picture into `target`, a rectangle of `surface`'s own pixels (the surface is
// Format_ARGB32_Premultiplied), composited over what the surface holds: area-averaged when the
// target is nowhere larger than the picture, bilinear (sampled as Qt's smooth scaling samples
// an enlargement) when it is nowhere smaller.
FastPngDrawn drawFastPng(const PngFile& png, QImage& surface, const QRect& target);

// The picture at its own size, in the format Qt's decoder gives it; a null image when damaged.
QImage decodeFastPng(const PngFile& png);

// The same from the file's bytes, for callers that hold nothing else: a file this decoder does
// not take is Refused, or a null image.
std::optional<FastPngInfo> fastPngInfo(const uchar* data, qsizetype size);
FastPngDrawn drawFastPng(const uchar* data, qsizetype size, QImage& surface, const QRect& target);
QImage decodeFastPng(const uchar* data, qsizetype size);

// The bytes of the scratch buffer kept between pictures (the largest picture's raw rows).
qsizetype fastPngScratchBytes();

}  // namespace zuv
