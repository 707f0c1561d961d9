// The portable forms of the per-pixel steps: plain C++ that any compiler builds for any
// processor, straight loops over whole numbers (and, for RGB shrinks, floats in the vector
// form's order) that give the same pixels as the vector forms and that compilers can
// vectorise (GCC does premultiplying and the vertical pass; the passes along the row stay
// scalar on x86-64's SSE2). Also where a picture's table of steps is chosen.

#include "PixelSteps.h"

namespace zuv {

namespace {

// c·a/255 rounded, as (t + 1 + (t >> 8)) >> 8 with t = c·a + 127: exact for every c and a,
// and every term fits 16 bits, which vectorises on narrow lanes. The alpha is weighed by 255,
// so it stays as it is. Four wholly opaque pixels, most of a picture, are left as they are.
void premultiplyPixel(uchar* p) {
    const uint a = p[3];
    const uint by[4] = {a, a, a, 255};
    for (int c = 0; c < 4; ++c) {
        const uint t = quint16(p[c] * by[c] + 127);
        p[c] = uchar((t + 1 + (t >> 8)) >> 8);
    }
}

void premultiplyRow(uchar* p, int width) {
    int x = 0;
    for (; x + 4 <= width; x += 4, p += 16) {
        if ((p[3] & p[7] & p[11] & p[15]) == 255) continue;
        for (int i = 0; i < 4; ++i) premultiplyPixel(p + 4 * i);
    }
    for (; x < width; ++x, p += 4) premultiplyPixel(p);
}

void addWeightedRow(quint16* sums, const uchar* row, size_t n, quint16 weight, bool first) {
    addWeightedRowLoop(sums, row, n, weight, first);
}

// Float to the nearest whole number, ties to even (as the processor's conversion rounds), for
// 0 ≤ v < 2^22: adding 1.5 · 2^23 leaves no fraction bits.
inline int nearest(float v) {
    constexpr float kShift = 12582912.0f;
    return int((v + kShift) - kShift);
}

inline uint level(int v) { return uint(std::clamp(v, 0, 255)); }

struct Portable {
    // RGBA: each channel's sums times the column weights in 1/16384, in whole numbers, from a
    // half level, shifted down to levels. Taps go in pairs as in the weight table; each tap is
    // added on its own: GCC 12 for arm64 at -O3 dropped every other pair from four pairs on
    // when one statement added both taps of a pair.
    template <int FixedPairs>
    static void rgba(const Spans& columns, const quint16* sums, int firstX, int lastX, QRgb* line) {
        const int pairs = FixedPairs ? FixedPairs : columns.pairs;
        const qint16* weights = columns.pairWeights.data() + size_t(firstX) * size_t(pairs) * 8;
        constexpr int kShift = kSumBits + kColumnWeightBits;
        for (int tx = firstX; tx < lastX; ++tx, weights += pairs * 8) {
            const quint16* s = sums + size_t(columns.first[size_t(tx)]) * 4;
            qint32 acc[4] = {1 << (kShift - 1), 1 << (kShift - 1), 1 << (kShift - 1), 1 << (kShift - 1)};
            for (int j = 0; j < pairs; ++j)
                for (int tap = 0; tap < 2; ++tap)
                    for (int c = 0; c < 4; ++c) acc[c] += s[8 * j + 4 * tap + c] * weights[8 * j + tap];
            put(line[tx], qRgba(level(acc[0] >> kShift), level(acc[1] >> kShift), level(acc[2] >> kShift), level(acc[3] >> kShift)), 4);
        }
    }

    // RGB: the sums times the float weights, tap after tap (products and sums rounded to
    // float one by one, as the vector form does), to levels and the nearest one.
    template <int FixedTaps>
    static void rgb(const Spans& columns, const quint16* sums, int firstX, int lastX, QRgb* line) {
        const int taps = FixedTaps ? FixedTaps : columns.taps;
        const float* weights = columns.weights.data() + size_t(firstX) * size_t(taps);
        for (int tx = firstX; tx < lastX; ++tx, weights += taps) {
            const quint16* s = sums + size_t(columns.first[size_t(tx)]) * 3;
            float acc[3];
            for (int c = 0; c < 3; ++c) acc[c] = float(s[c]) * weights[0];
            for (int i = 1; i < taps; ++i)
                for (int c = 0; c < 3; ++c) acc[c] = acc[c] + float(s[3 * i + c]) * weights[i];
            const auto toLevel = [](float sum) { return level(nearest(sum * (1.0f / kSumUnitsPerLevel))); };
            put(line[tx], qRgb(int(toLevel(acc[0])), int(toLevel(acc[1])), int(toLevel(acc[2]))), 3);
        }
    }
};

// The two source pixels around each target column weighed in 1/256 and truncated; RGB leaves
// the fourth level 0.
template <int Channels>
void enlargeAlongRow(const Taps& columns, const uchar* row, int firstX, int lastX, quint16* out) {
    for (int tx = firstX; tx < lastX; ++tx) {
        const uchar* p = row + size_t(columns.first[size_t(tx)]) * Channels;
        const uint next = uint(columns.next[size_t(tx)]), keep = 256 - next;
        quint16* o = out + size_t(tx) * 4;
        for (int c = 0; c < Channels; ++c) o[c] = quint16((p[c] * keep + p[Channels + c] * next) >> 8);
        if (Channels == 3) o[3] = 0;
    }
}

EnlargeAlongRow enlargeAlongRowFor(int channels) { return channels == 4 ? enlargeAlongRow<4> : enlargeAlongRow<3>; }

void mixDown(const quint16* above, const quint16* below, int belowWeight, int firstX, int lastX, QRgb* line, int channels) {
    const uint keep = uint(256 - belowWeight), take = uint(belowWeight);
    for (int tx = firstX; tx < lastX; ++tx) {
        const quint16* a = above + size_t(tx) * 4;
        const quint16* b = below + size_t(tx) * 4;
        uint levels[4];
        for (int c = 0; c < 4; ++c) levels[c] = (a[c] * keep + b[c] * take) >> 8;
        put(line[tx], qRgba(int(levels[0]), int(levels[1]), int(levels[2]), int(levels[3])), channels);
    }
}

const PixelSteps kPortableSteps{premultiplyRow, addWeightedRow, pickShrinkAlongRow<Portable>, enlargeAlongRowFor, mixDown};

}  // namespace

const PixelSteps& pixelSteps() {
#if ZUV_X86_VECTORS
    if (vectorPath()) return vectorPixelSteps();
#endif
    return kPortableSteps;
}

}  // namespace zuv
