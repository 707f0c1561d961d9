#pragma once
// The steps of decode and fit that run over every pixel: premultiplying, the shrink's vertical
// pass and its pass along the row, the enlargement's pass along the row and its mix down with
// the compositing onto the surface. Each comes in the portable C++ form every compiler builds
// (PixelStepsPortable.cpp) and, on x86-64, an SSE2 form with AVX2 clones where the toolchain
// makes them (PixelStepsX86.cpp); both forms give the same pixels. A picture takes all its
// steps from one table, chosen by the switch in VectorPath.h. Unfiltering has one form,
// plain C++ (RawRows.cpp), as the row filters run along the row from pixel to pixel.

#include "VectorPath.h"

#include <QImage>
#include <QtGlobal>
#include <algorithm>
#include <vector>

namespace zuv {

// The source pixels each target pixel of a shrink covers along one axis and their weights
// (summing to 1), every target pixel with the same number of taps: the widest span's, the
// others padded with zero weights after their last pixel. One trip count for the whole
// picture keeps the inner loops free of mispredicted exits.
struct Spans {
    int taps = 0;
    std::vector<int> first;      // first source pixel of each target pixel
    std::vector<float> weights;  // taps weights per target pixel
    // For the columns of an RGBA picture, the same weights in 1/16384 (kColumnWeightBits) in
    // pairs of taps: per target pixel, (taps + 1) / 2 groups of eight, w0 w1 w0 w1 w0 w1 w0 w1
    // (the odd tap's partner is 0).
    int pairs = 0;
    std::vector<qint16> pairWeights;
};

// Bilinear sampling for an enlargement along one axis: for each target pixel the source pixel
// before it and the weight of the one after it, in 1/256.
struct Taps {
    std::vector<int> first;
    std::vector<int> next;             // weight of first + 1, 0 … 255
    std::vector<quint16> pairWeights;  // 256 − next four times, then next four times, per pixel
};

// The vertical pass of a shrink keeps its sums in 16 bits, in 1/128 of a level: a row's
// weight is taken in 1/32768 and each sample as (sample · 256) · weight / 65536, truncated
// (under 1/128 of a level lost per row). The weights of a target row sum to a whole row, so a
// sum stays ≤ 255 · 128.
constexpr int kSumBits = 7;
constexpr float kSumUnitsPerLevel = float(1 << kSumBits);
// RGBA columns weigh those sums in whole numbers, in 1/16384.
constexpr int kColumnWeightBits = 14;

// One fitted pixel onto the surface: written where the picture is opaque (an RGB picture
// always is), source-over where it is not, a colour never above its alpha.
inline void put(QRgb& d, QRgb pixel, int channels) {
    if (channels == 3) {
        d = pixel | 0xFF000000u;
        return;
    }
    const uint alpha = qAlpha(pixel);
    if (alpha == 255) {
        d = pixel;
        return;
    }
    if (alpha == 0) return;  // leaves the surface as it is, as source-over would
    const uint pr = std::min(uint(qRed(pixel)), alpha), pg = std::min(uint(qGreen(pixel)), alpha),
               pb = std::min(uint(qBlue(pixel)), alpha);
    const uint keep = 255 - alpha;
    const auto over = [keep](uint src, uint dst) { return src + (dst * keep + 127) / 255; };
    d = (over(alpha, qAlpha(d)) << 24) | (over(pr, qRed(d)) << 16) | (over(pg, qGreen(d)) << 8) | over(pb, qBlue(d));
}

// One target row of a shrink along the row, target pixels [firstX, lastX), from the row's
// vertical sums onto the surface's line (already at the target's left edge).
using ShrinkAlongRow = void (*)(const Spans& columns, const quint16* sums, int firstX, int lastX, QRgb* line);
// One source row of an enlargement mixed along the row into four 16-bit levels per target
// pixel [firstX, lastX) (R, G, B and A, or 0 for RGB), truncated to whole levels. It may read
// one pixel past the row's last where that pixel's weight is 0.
using EnlargeAlongRow = void (*)(const Taps& columns, const uchar* row, int firstX, int lastX, quint16* out);

// sum = (first ? 0 : sum) + weight × row: the vertical pass's loop, plain code that compilers
// vectorise; the x86 form builds it for AVX2 as well.
inline void addWeightedRowLoop(quint16* sums, const uchar* row, size_t n, quint16 weight, bool first) {
    if (first) {
        for (size_t v = 0; v < n; ++v) sums[v] = quint16((quint32(quint16(row[v] << 8)) * weight) >> 16);
    } else {
        for (size_t v = 0; v < n; ++v) sums[v] = quint16(sums[v] + ((quint32(quint16(row[v] << 8)) * weight) >> 16));
    }
}

// The pass along the row of a shrink for a picture's channels and column spans, from a form's
// templates (Form::rgba<pairs>, Form::rgb<taps>): the counts of the program's common fits are
// known when compiling, so their inner loops unroll; 0 takes the picture's own.
template <class Form>
ShrinkAlongRow pickShrinkAlongRow(int channels, const Spans& columns) {
    if (channels == 4) {
        switch (columns.pairs) {
        case 1: return Form::template rgba<1>;
        case 2: return Form::template rgba<2>;
        case 3: return Form::template rgba<3>;
        default: return Form::template rgba<0>;
        }
    }
    switch (columns.taps) {
    case 2: return Form::template rgb<2>;
    case 3: return Form::template rgb<3>;
    case 4: return Form::template rgb<4>;
    case 5: return Form::template rgb<5>;
    default: return Form::template rgb<0>;
    }
}

struct PixelSteps {
    // c·a/255 rounded as (c·a + 127) / 255, for `width` RGBA pixels.
    void (*premultiplyRow)(uchar* pixels, int width);
    // sum = (first ? 0 : sum) + weight × row, n values, the weight in 1/32768.
    void (*addWeightedRow)(quint16* sums, const uchar* row, size_t n, quint16 weight, bool first);
    // The pass along the row for a picture's channels and column spans.
    ShrinkAlongRow (*shrinkAlongRowFor)(int channels, const Spans& columns);
    EnlargeAlongRow (*enlargeAlongRowFor)(int channels);
    // Target pixels [firstX, lastX) of an enlargement's row from the two mixed source rows
    // around it, the lower weighted `belowWeight` in 1/256, truncated to whole levels, onto
    // the line as put() composites. The rows have room for one pixel past lastX.
    void (*mixDown)(const quint16* above, const quint16* below, int belowWeight, int firstX, int lastX, QRgb* line,
                    int channels);
};

#if ZUV_X86_VECTORS
const PixelSteps& vectorPixelSteps();
#endif

// The steps the switch in VectorPath.h asks for.
const PixelSteps& pixelSteps();

}  // namespace zuv
