// The x86-64 forms of the per-pixel steps, in SSE2 (part of every x86-64 processor), the
// vertical pass cloned for AVX2 where the toolchain and the system's loader choose clones at
// run time. Each gives the pixels of its portable form in PixelStepsPortable.cpp. Built for
// x86-64 only; other targets compile this file to nothing.

#include "PixelSteps.h"

#if ZUV_X86_VECTORS

#include <emmintrin.h>

#include <cstring>

// Function clones need GCC's or Clang's target_clones and a loader that resolves ifuncs,
// which glibc on Linux does; elsewhere the vertical pass is the plain loop in SSE2.
#if defined(__linux__) && defined(__GLIBC__) && defined(__has_attribute)
#if __has_attribute(target_clones)
#define ZUV_AVX2_CLONES __attribute__((target_clones("avx2", "default")))
#endif
#endif
#ifndef ZUV_AVX2_CLONES
#define ZUV_AVX2_CLONES
#endif

namespace zuv {

namespace {

// Four pixels at a time: four wholly opaque pixels stay as they are and four wholly
// see-through ones become zeros; the others are divided by 255 as the portable form does.
void premultiplyRow(uchar* p, int width) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i alphaLanes = _mm_set1_epi32(int(0xFF000000u));
    const __m128i colourLanes16 = _mm_set_epi16(0, -1, -1, -1, 0, -1, -1, -1);
    const __m128i alphaAs255 = _mm_set_epi16(255, 0, 0, 0, 255, 0, 0, 0);
    const __m128i half = _mm_set1_epi16(127), one = _mm_set1_epi16(1);
    // Four 16-bit samples times their pixel's alpha (the alpha itself times 255), divided by 255.
    const auto scale = [&](__m128i v) {
        const __m128i a = _mm_shufflehi_epi16(_mm_shufflelo_epi16(v, _MM_SHUFFLE(3, 3, 3, 3)), _MM_SHUFFLE(3, 3, 3, 3));
        const __m128i t = _mm_add_epi16(_mm_mullo_epi16(v, _mm_or_si128(_mm_and_si128(a, colourLanes16), alphaAs255)), half);
        return _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(t, one), _mm_srli_epi16(t, 8)), 8);
    };
    int x = 0;
    for (; x + 4 <= width; x += 4, p += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i alphas = _mm_and_si128(v, alphaLanes);
        if (_mm_movemask_epi8(_mm_cmpeq_epi8(alphas, alphaLanes)) == 0xFFFF) continue;  // opaque
        if (_mm_movemask_epi8(_mm_cmpeq_epi32(alphas, zero)) == 0xFFFF) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(p), zero);  // wholly see-through
            continue;
        }
        const __m128i lo = scale(_mm_unpacklo_epi8(v, zero)), hi = scale(_mm_unpackhi_epi8(v, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm_packus_epi16(lo, hi));
    }
    for (; x < width; ++x, p += 4) {
        const uint a = p[3];
        for (int c = 0; c < 3; ++c) p[c] = uchar((p[c] * a + 127) / 255);
    }
}

ZUV_AVX2_CLONES void addWeightedRow(quint16* sums, const uchar* row, size_t n, quint16 weight, bool first) {
    addWeightedRowLoop(sums, row, n, weight, first);
}

struct Sse2 {
    // RGBA in whole numbers: two neighbouring pixels' sums interleaved channel by channel
    // (R R G G B B A A), so that one multiply-add takes two taps of all four channels; the
    // sums in 1/128 of a level times the weights in 1/16384 stay far inside 32 bits.
    template <int FixedPairs>
    static void rgba(const Spans& columns, const quint16* sums, int firstX, int lastX, QRgb* line) {
        const int pairs = FixedPairs ? FixedPairs : columns.pairs;
        const qint16* weights = columns.pairWeights.data() + size_t(firstX) * size_t(pairs) * 8;
        constexpr int kShift = kSumBits + kColumnWeightBits;
        const __m128i half = _mm_set1_epi32(1 << (kShift - 1));
        for (int tx = firstX; tx < lastX; ++tx, weights += pairs * 8) {
            const quint16* s = sums + size_t(columns.first[size_t(tx)]) * 4;
            __m128i acc = half;
            for (int j = 0; j < pairs; ++j) {
                const __m128i two = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + 8 * j));
                const __m128i interleaved = _mm_unpacklo_epi16(two, _mm_srli_si128(two, 8));
                acc = _mm_add_epi32(acc, _mm_madd_epi16(interleaved, _mm_loadu_si128(reinterpret_cast<const __m128i*>(weights + 8 * j))));
            }
            // In QRgb's order B, G, R, A, saturated to 0 … 255.
            __m128i levels = _mm_shuffle_epi32(_mm_srai_epi32(acc, kShift), _MM_SHUFFLE(3, 0, 1, 2));
            levels = _mm_packus_epi16(_mm_packs_epi32(levels, levels), levels);
            put(line[tx], QRgb(_mm_cvtsi128_si32(levels)), 4);
        }
    }

    // RGB in floats: one pixel's sums in one register (R, G, B and the next pixel's red,
    // dropped below).
    template <int FixedTaps>
    static void rgb(const Spans& columns, const quint16* sums, int firstX, int lastX, QRgb* line) {
        const int taps = FixedTaps ? FixedTaps : columns.taps;
        const float* weights = columns.weights.data() + size_t(firstX) * size_t(taps);
        const __m128i zero = _mm_setzero_si128();
        const __m128 toLevels = _mm_set1_ps(1.0f / kSumUnitsPerLevel);
        const auto pixel = [zero](const quint16* p) {
            return _mm_cvtepi32_ps(_mm_unpacklo_epi16(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)), zero));
        };
        for (int tx = firstX; tx < lastX; ++tx, weights += taps) {
            const quint16* s = sums + size_t(columns.first[size_t(tx)]) * 3;
            __m128 acc = _mm_mul_ps(pixel(s), _mm_set1_ps(weights[0]));
            for (int i = 1; i < taps; ++i) acc = _mm_add_ps(acc, _mm_mul_ps(pixel(s + i * 3), _mm_set1_ps(weights[i])));
            __m128i levels = _mm_shuffle_epi32(_mm_cvtps_epi32(_mm_mul_ps(acc, toLevels)), _MM_SHUFFLE(3, 0, 1, 2));
            levels = _mm_packus_epi16(_mm_packs_epi32(levels, levels), levels);
            put(line[tx], QRgb(_mm_cvtsi128_si32(levels)), 3);
        }
    }
};

// The pair of source pixels around each target column read as one 8-byte load (past the last
// pixel only where its weight is 0), widened, weighed and folded.
template <int Channels>
void enlargeAlongRow(const Taps& columns, const uchar* row, int firstX, int lastX, quint16* out) {
    const __m128i zero = _mm_setzero_si128();
    const int* first = columns.first.data();
    const quint16* weights = columns.pairWeights.data();
    for (int tx = firstX; tx < lastX; ++tx) {
        quint64 bytes;
        std::memcpy(&bytes, row + size_t(first[tx]) * Channels, 8);
        if constexpr (Channels == 3) bytes = (bytes & 0xFFFFFF) | ((bytes << 8) & 0xFFFFFF00000000ULL);  // R G B 0 R G B 0
        const __m128i pair = _mm_unpacklo_epi8(_mm_cvtsi64_si128(qint64(bytes)), zero);
        const __m128i weighed = _mm_mullo_epi16(pair, _mm_loadu_si128(reinterpret_cast<const __m128i*>(weights + size_t(tx) * 8)));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + size_t(tx) * 4), _mm_srli_epi16(_mm_add_epi16(weighed, _mm_srli_si128(weighed, 8)), 8));
    }
}

EnlargeAlongRow enlargeAlongRowFor(int channels) { return channels == 4 ? enlargeAlongRow<4> : enlargeAlongRow<3>; }

// Two target pixels at a time; two opaque ones, the common case, stored at once.
void mixDown(const quint16* above, const quint16* below, int belowWeight, int firstX, int lastX, QRgb* line, int channels) {
    constexpr quint64 kBothOpaque = 0xFF000000FF000000ULL;
    const __m128i keep = _mm_set1_epi16(short(256 - belowWeight)), take = _mm_set1_epi16(short(belowWeight));
    for (int tx = firstX; tx < lastX; tx += 2) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(above + size_t(tx) * 4));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(below + size_t(tx) * 4));
        __m128i levels = _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(a, keep), _mm_mullo_epi16(b, take)), 8);
        levels = _mm_shufflehi_epi16(_mm_shufflelo_epi16(levels, _MM_SHUFFLE(3, 0, 1, 2)), _MM_SHUFFLE(3, 0, 1, 2));
        const __m128i bytes = _mm_packus_epi16(levels, levels);
        const quint64 pair = quint64(_mm_cvtsi128_si64(bytes));
        if (tx + 1 < lastX && (channels == 3 || (pair & kBothOpaque) == kBothOpaque)) {
            const quint64 opaque = pair | kBothOpaque;
            std::memcpy(line + tx, &opaque, 8);
            continue;
        }
        put(line[tx], QRgb(pair), channels);
        if (tx + 1 < lastX) put(line[tx + 1], QRgb(pair >> 32), channels);
    }
}

}  // namespace

const PixelSteps& vectorPixelSteps() {
    static const PixelSteps steps{premultiplyRow, addWeightedRow, pickShrinkAlongRow<Sse2>, enlargeAlongRowFor, mixDown};
    return steps;
}

}  // namespace zuv

#endif
