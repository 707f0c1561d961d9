#include "FastPng.h"

#include "BothCores.h"

#include <emmintrin.h>
#include <libdeflate.h>

#include <sys/mman.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace zuv {

namespace {

constexpr uchar kSignature[8] = {137, 80, 78, 71, 13, 10, 26, 10};
// Far above any picture the program carries; a header asking for more is taken as damaged.
constexpr qint64 kMaxRawBytes = qint64(1) << 28;
// Pictures from this many pixels (source or target, whichever is larger) are scaled on both
// cores: the 179 × 177 icons already gain by it (measured: about a quarter of their time).
constexpr qint64 kSharedPixels = 16'384;

quint32 bigEndian32(const uchar* p) {
    return (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | quint32(p[3]);
}

struct Chunk {
    const uchar* data;
    size_t size;
};

struct ParsedPng {
    FastPngInfo info;
    int channels = 3;
    std::vector<Chunk> imageData;  // the IDAT chunks in file order
    size_t imageDataBytes = 0;
    Chunk bandTable{nullptr, 0};  // the "baND" chunk of the program's own writer, when present
    size_t rowBytes() const { return 1 + size_t(info.width) * size_t(channels); }  // filter byte first
    size_t rawBytes() const { return rowBytes() * size_t(info.height); }
};

// Walks the chunks: the header first and of the kinds taken here, every length inside the
// buffer, image data present, the end chunk reached, no unknown critical chunk.
std::optional<ParsedPng> parse(const uchar* data, qsizetype size) {
    if (!data || size < 8 || std::memcmp(data, kSignature, 8) != 0) return std::nullopt;
    const size_t total = size_t(size);
    size_t pos = 8;
    ParsedPng png;
    bool header = false;
    while (pos + 12 <= total) {
        const size_t length = bigEndian32(data + pos);
        if (length > total - pos - 12) return std::nullopt;  // the chunk runs past the buffer
        const uchar* type = data + pos + 4;
        const uchar* body = data + pos + 8;
        if (!header) {
            if (std::memcmp(type, "IHDR", 4) != 0 || length != 13) return std::nullopt;
            const quint32 width = bigEndian32(body);
            const quint32 height = bigEndian32(body + 4);
            const int depth = body[8], colour = body[9];
            if (width == 0 || height == 0 || width > (1u << 24) || height > (1u << 24)) return std::nullopt;
            if (depth != 8 || (colour != 2 && colour != 6) || body[10] != 0 || body[11] != 0 || body[12] != 0)
                return std::nullopt;
            png.info = {int(width), int(height), colour == 6};
            png.channels = colour == 6 ? 4 : 3;
            if (qint64(png.rowBytes()) * height > kMaxRawBytes) return std::nullopt;
            header = true;
        } else if (std::memcmp(type, "IDAT", 4) == 0) {
            png.imageData.push_back({body, length});
            png.imageDataBytes += length;
        } else if (std::memcmp(type, "baND", 4) == 0) {
            png.bandTable = {body, length};
        } else if (std::memcmp(type, "IEND", 4) == 0) {
            if (png.imageData.empty()) return std::nullopt;
            return png;
        } else if (!(type[0] & 0x20) && std::memcmp(type, "PLTE", 4) != 0) {
            return std::nullopt;  // a critical chunk this decoder does not know
        }
        pos += 12 + length;
    }
    return std::nullopt;  // no end chunk
}

// The buffer of raw rows kept for the next picture: it only grows, to the largest picture's
// size, and is never written twice by the allocator (fresh memory is what costs most). Each
// core has its own inflater and its own copy of the band it inflates.
struct Scratch {
    // Bytes after the last row the enlargement may read (a pixel pair whose second pixel
    // has weight 0).
    static constexpr size_t kReadPast = 8;
    uchar* raw = nullptr;
    size_t capacity = 0;
    std::vector<uchar> joined;  // the image data as one stream, when a file splits it in chunks
    libdeflate_decompressor* inflater[2] = {nullptr, nullptr};
    std::vector<uchar> band[2];  // one band's deflate data, closed with a final block
    ~Scratch() {
        libdeflate_free_decompressor(inflater[0]);
        libdeflate_free_decompressor(inflater[1]);
        std::free(raw);
    }
    uchar* rows(size_t bytes) {
        if (bytes + kReadPast > capacity) {
            // Left uninitialised (the inflater writes every byte), in huge pages where the
            // system gives them: the first touch of fresh memory is the expensive part.
            constexpr size_t kHugePage = size_t(2) << 20;
            const size_t rounded = (bytes + kReadPast + kHugePage - 1) / kHugePage * kHugePage;
            std::free(raw);
            raw = static_cast<uchar*>(std::aligned_alloc(kHugePage, rounded));
            if (!raw) {
                capacity = 0;
                return nullptr;
            }
            madvise(raw, rounded, MADV_HUGEPAGE);
            capacity = rounded;
        }
        return raw;
    }
    libdeflate_decompressor* inflaterFor(int core) {
        if (!inflater[core]) inflater[core] = libdeflate_alloc_decompressor();
        return inflater[core];
    }
};
Scratch& scratch() {
    static Scratch s;
    return s;
}

int paeth(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    if (pa <= pb && pa <= pc) return a;
    return pb <= pc ? b : c;
}

// Undoes the row filters of rows [fromRow, toRow) in place, the row above the first taken as
// zeros; false on a filter type PNG does not define.
bool unfilter(uchar* raw, const ParsedPng& png, int fromRow, int toRow) {
    const size_t stride = png.rowBytes() - 1;
    const int bpp = png.channels;
    const uchar* previous = nullptr;
    for (int y = fromRow; y < toRow; ++y) {
        uchar* row = raw + size_t(y) * png.rowBytes();
        const int filter = row[0];
        uchar* cur = row + 1;
        switch (filter) {
        case 0: break;
        case 1:
            for (size_t i = size_t(bpp); i < stride; ++i) cur[i] = uchar(cur[i] + cur[i - bpp]);
            break;
        case 2:
            if (previous)
                for (size_t i = 0; i < stride; ++i) cur[i] = uchar(cur[i] + previous[i]);
            break;
        case 3:
            for (size_t i = 0; i < stride; ++i) {
                const int left = i >= size_t(bpp) ? cur[i - bpp] : 0;
                const int up = previous ? previous[i] : 0;
                cur[i] = uchar(cur[i] + ((left + up) >> 1));
            }
            break;
        case 4:
            for (size_t i = 0; i < stride; ++i) {
                const int left = i >= size_t(bpp) ? cur[i - bpp] : 0;
                const int up = previous ? previous[i] : 0;
                const int upLeft = previous && i >= size_t(bpp) ? previous[i - bpp] : 0;
                cur[i] = uchar(cur[i] + paeth(left, up, upLeft));
            }
            break;
        default: return false;
        }
        previous = cur;
    }
    return true;
}

// Premultiplies the colours of rows [fromRow, toRow), so that averaging them weighs each colour
// by its coverage: c·a/255 rounded as (c·a + 127) / 255, four pixels at a time; four wholly
// opaque pixels stay as they are and four wholly see-through ones become zeros.
void premultiply(uchar* raw, const ParsedPng& png, int fromRow, int toRow) {
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
    for (int y = fromRow; y < toRow; ++y) {
        uchar* p = raw + size_t(y) * png.rowBytes() + 1;
        int x = 0;
        for (; x + 4 <= png.info.width; x += 4, p += 16) {
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
        for (; x < png.info.width; ++x, p += 4) {
            const uint a = p[3];
            for (int c = 0; c < 3; ++c) p[c] = uchar((p[c] * a + 127) / 255);
        }
    }
}

// A band of the image data: its first row, and the offset of its first deflate byte in the
// zlib stream.
struct Band {
    int row;
    size_t offset;
};

// The band table, when the file has one and it is consistent with the header and the image
// data: rows and offsets strictly rising from row 0 at offset 2 (after the zlib header), every
// offset before the stream's checksum. Empty otherwise.
std::vector<Band> bandsOf(const ParsedPng& png) {
    const Chunk& table = png.bandTable;
    if (!table.data || table.size % 8 != 0 || table.size < 16 || png.imageDataBytes < 6) return {};
    std::vector<Band> bands(table.size / 8);
    for (size_t i = 0; i < bands.size(); ++i) {
        const quint32 row = bigEndian32(table.data + 8 * i), offset = bigEndian32(table.data + 8 * i + 4);
        const bool rising = i == 0 ? row == 0 && offset == 2 : row > quint32(bands[i - 1].row) && offset > bands[i - 1].offset;
        if (!rising || row >= quint32(png.info.height) || offset >= png.imageDataBytes - 4) return {};
        bands[i] = {int(row), offset};
    }
    return bands;
}

// The Adler-32 of two byte runs one after the other, from the checksums of each and the length
// of the second (the sums A and B of the second run start from A = 1, so they are shifted by
// the first run's A - 1 for every byte of the second).
quint32 joinedAdler32(quint32 first, quint32 second, size_t secondBytes) {
    constexpr quint64 M = 65521;
    const quint64 a1 = first & 0xFFFF, b1 = first >> 16, a2 = second & 0xFFFF, b2 = second >> 16;
    const quint64 a = (a1 + a2 + M - 1) % M;
    const quint64 b = (b1 + b2 + (secondBytes % M) * ((a1 + M - 1) % M)) % M;
    return quint32(b << 16 | a);
}

// Inflates, unfilters (and, when asked, premultiplies) band after band on both cores, each
// core taking the next band not yet taken. False when any band is damaged, ends early, opens
// with a filter that needs the row above, or when the inflated data does not match the
// stream's Adler-32 checksum (so a damaged file is told apart as in one stream).
bool inflateBands(const ParsedPng& png, const std::vector<Band>& bands, const uchar* stream, uchar* raw, bool premultiplied) {
    Scratch& s = scratch();
    if (!s.inflaterFor(0) || !s.inflaterFor(1)) return false;
    std::atomic<size_t> next{0};
    std::atomic<bool> failed{false};
    const size_t streamEnd = png.imageDataBytes - 4;  // the Adler-32 checksum is not inflated
    std::vector<quint32> checksums(bands.size());
    onBothCores([&](int core) {
        std::vector<uchar>& copy = s.band[core];
        for (size_t b; !failed.load(std::memory_order_relaxed) && (b = next.fetch_add(1)) < bands.size();) {
            const bool last = b + 1 == bands.size();
            const int fromRow = bands[b].row, toRow = last ? png.info.height : bands[b + 1].row;
            const size_t end = last ? streamEnd : bands[b + 1].offset;
            // Each band inflates from its core's copy: a band before the last ends in the empty
            // stored block of a full flush, and an empty final stored block after it closes the
            // stream for the inflater. Zeros after that let libdeflate's fast loop run to the
            // band's end: it slows down near the end of its input, where the last transparent
            // rows of a picture (many kilobytes in a few bytes) would otherwise be decoded.
            static constexpr uchar kFinalBlock[5] = {0x01, 0x00, 0x00, 0xFF, 0xFF};
            constexpr size_t kInputSlack = 64;
            const size_t bandBytes = end - bands[b].offset, closing = last ? 0 : sizeof kFinalBlock;
            copy.resize(bandBytes + closing + kInputSlack);
            std::memcpy(copy.data(), stream + bands[b].offset, bandBytes);
            std::memcpy(copy.data() + bandBytes, kFinalBlock, closing);
            std::memset(copy.data() + bandBytes + closing, 0, kInputSlack);
            uchar* out = raw + size_t(fromRow) * png.rowBytes();
            const size_t expected = size_t(toRow - fromRow) * png.rowBytes();
            size_t produced = 0;
            if (libdeflate_deflate_decompress(s.inflater[core], copy.data(), copy.size(), out, expected, &produced) != LIBDEFLATE_SUCCESS ||
                produced != expected || out[0] > 1) {
                failed = true;
                return;
            }
            checksums[b] = quint32(libdeflate_adler32(1, out, expected));
            if (!unfilter(raw, png, fromRow, toRow)) {
                failed = true;
                return;
            }
            if (premultiplied) premultiply(raw, png, fromRow, toRow);
        }
    });
    if (failed) return false;
    quint32 adler = checksums[0];
    for (size_t b = 1; b < bands.size(); ++b) {
        const int toRow = b + 1 == bands.size() ? png.info.height : bands[b + 1].row;
        adler = joinedAdler32(adler, checksums[b], size_t(toRow - bands[b].row) * png.rowBytes());
    }
    return adler == bigEndian32(stream + streamEnd);
}

// Inflates and unfilters into the scratch buffer, premultiplied when asked; the rows, or null
// when damaged. A file with a sound band table is inflated on both cores, any other (or one
// whose bands do not hold) as one stream.
uchar* rawRows(const ParsedPng& png, bool premultiplied) {
    Scratch& s = scratch();
    const size_t expected = png.rawBytes();
    uchar* raw = s.rows(expected);
    if (!raw) return nullptr;
    const uchar* in = png.imageData.front().data;
    if (png.imageData.size() > 1) {
        if (s.joined.size() < png.imageDataBytes) s.joined.resize(png.imageDataBytes);
        size_t at = 0;
        for (const Chunk& c : png.imageData) {
            std::memcpy(s.joined.data() + at, c.data, c.size);
            at += c.size;
        }
        in = s.joined.data();
    }
    const std::vector<Band> bands = bandsOf(png);
    if (!bands.empty() && inflateBands(png, bands, in, raw, premultiplied)) return raw;
    if (!s.inflaterFor(0)) return nullptr;
    size_t produced = 0;
    if (libdeflate_zlib_decompress(s.inflater[0], in, png.imageDataBytes, raw, expected, &produced) != LIBDEFLATE_SUCCESS ||
        produced != expected || !unfilter(raw, png, 0, png.info.height))
        return nullptr;
    if (premultiplied) premultiply(raw, png, 0, png.info.height);
    return raw;
}

// The source pixels each target pixel covers along one axis and their weights (summing to 1),
// every target pixel with the same number of taps: the widest span's, the others padded with
// zero weights after their last pixel. One trip count for the whole picture keeps the inner
// loops free of mispredicted exits.
struct Spans {
    int taps = 0;
    std::vector<int> first;      // first source pixel of each target pixel
    std::vector<float> weights;  // taps weights per target pixel
    // For the columns of an RGBA picture (addTapPairs), the same weights in 1/16384 in pairs of
    // taps: per target pixel, (taps + 1) / 2 groups of eight, w0 w1 w0 w1 w0 w1 w0 w1 (the odd
    // tap's partner is 0).
    int pairs = 0;
    std::vector<qint16> pairWeights;
};

// Box filter from `source` pixels to `target` pixels (target ≤ source): target pixel t covers
// [t·k, (t + 1)·k) with k = source / target, partly covered pixels by their covered part.
Spans boxSpans(int source, int target) {
    Spans out;
    out.first.resize(size_t(target));
    const double k = double(source) / target;
    out.taps = int(std::ceil(k)) + 1;  // a span of k pixels touches at most ⌈k⌉ + 1 of them
    out.weights.assign(size_t(target) * size_t(out.taps), 0.0f);
    for (int t = 0; t < target; ++t) {
        // Both ends are ≥ 0, so truncating is rounding down (and cheaper than floor and ceil).
        const double from = t * k, to = std::min(double(source), (t + 1) * k);
        const int first = int(from), toWhole = int(to);
        const int last = std::min(source - 1, to > toWhole ? toWhole : toWhole - 1);
        out.first[size_t(t)] = first;
        float* weights = out.weights.data() + size_t(t) * size_t(out.taps);
        for (int s = first; s <= last; ++s) weights[s - first] = float((std::min(to, s + 1.0) - std::max(from, double(s))) / k);
    }
    return out;
}

// The pairs of taps the RGBA rows are summed with along the row (only the columns need them).
void addTapPairs(Spans& spans) {
    const size_t targets = spans.first.size();
    spans.pairs = (spans.taps + 1) / 2;
    spans.pairWeights.assign(targets * size_t(spans.pairs) * 8, 0);
    for (size_t t = 0; t < targets; ++t)
        for (int i = 0; i < spans.taps; ++i) {
            const qint16 w = qint16(spans.weights[t * size_t(spans.taps) + size_t(i)] * 16384.0f + 0.5f);
            qint16* group = spans.pairWeights.data() + (t * size_t(spans.pairs) + size_t(i / 2)) * 8;
            for (int lane = i % 2; lane < 8; lane += 2) group[lane] = w;
        }
}

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

// The surface's pixels, taken once on the calling thread: QImage::scanLine() detaches and
// counts on every call, which two cores must not do to one image at once.
struct Raster {
    uchar* bits;
    qsizetype bytesPerLine;
    QRect bounds;
    explicit Raster(QImage& image) : bits(image.bits()), bytesPerLine(image.bytesPerLine()), bounds(image.rect()) {}
    QRgb* line(int y) const { return reinterpret_cast<QRgb*>(bits + y * bytesPerLine); }
};

// A fit of the raw rows into `target` of the surface: the shrink's spans or the enlargement's
// taps along each axis.
template <typename Steps>
struct FitJob {
    const uchar* raw;
    const ParsedPng* png;
    const Steps* columns;
    const Steps* rows;
    Raster surface;
    QRect target;
};
using ScaleJob = FitJob<Spans>;

// The vertical pass keeps its sums in 16 bits, in 1/128 of a level: a row's weight is taken in
// 1/32768 and each sample as (sample · 256) · weight / 65536, truncated (under 1/128 of a level
// lost per row). The weights of a target row sum to a whole row, so a sum stays ≤ 255 · 128.
constexpr float kSumUnitsPerLevel = 128.0f;

// sum = (first ? 0 : sum) + weight × row: the vertical pass's inner loop, built for AVX2
// as well, which the processor chooses at run time where it has it.
__attribute__((target_clones("avx2", "default"))) void addWeightedRow(quint16* sum, const uchar* row, size_t n, quint16 weight,
                                                                      bool first) {
    if (first) {
        for (size_t v = 0; v < n; ++v) sum[v] = quint16((quint32(quint16(row[v] << 8)) * weight) >> 16);
    } else {
        for (size_t v = 0; v < n; ++v) sum[v] = quint16(sum[v] + ((quint32(quint16(row[v] << 8)) * weight) >> 16));
    }
}

// One target row of a shrink from its vertical sums: each target pixel's taps summed along
// the row, to whole levels (nearest) and onto the surface. A tap count known when compiling
// unrolls the inner loop for the common fits; 0 takes the picture's own.
//
// RGBA rows in whole numbers: two neighbouring pixels' sums interleaved channel by channel
// (R R G G B B A A), so that one multiply-add takes two taps of all four channels; the sums in
// 1/128 of a level times the weights in 1/16384 stay far inside 32 bits.
template <int FixedPairs>
void shrinkAlongRowRgba(const Spans& columns, const quint16* sum, int firstX, int lastX, QRgb* line) {
    const int pairs = FixedPairs ? FixedPairs : columns.pairs;
    const qint16* weights = columns.pairWeights.data() + size_t(firstX) * size_t(pairs) * 8;
    const __m128i half = _mm_set1_epi32(1 << 20);  // a half level in 1/128 · 1/16384
    for (int tx = firstX; tx < lastX; ++tx, weights += pairs * 8) {
        const quint16* s = sum + size_t(columns.first[size_t(tx)]) * 4;
        __m128i acc = half;
        for (int j = 0; j < pairs; ++j) {
            const __m128i two = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + 8 * j));
            const __m128i interleaved = _mm_unpacklo_epi16(two, _mm_srli_si128(two, 8));
            acc = _mm_add_epi32(acc, _mm_madd_epi16(interleaved, _mm_loadu_si128(reinterpret_cast<const __m128i*>(weights + 8 * j))));
        }
        // In QRgb's order B, G, R, A, saturated to 0 … 255.
        __m128i levels = _mm_shuffle_epi32(_mm_srai_epi32(acc, 21), _MM_SHUFFLE(3, 0, 1, 2));
        levels = _mm_packus_epi16(_mm_packs_epi32(levels, levels), levels);
        put(line[tx], QRgb(_mm_cvtsi128_si32(levels)), 4);
    }
}

// RGB rows in floats: one pixel's sums in one register (R, G, B and the next pixel's red,
// dropped below).
template <int FixedTaps>
void shrinkAlongRowRgb(const Spans& columns, const quint16* sum, int firstX, int lastX, QRgb* line) {
    const int taps = FixedTaps ? FixedTaps : columns.taps;
    const float* weights = columns.weights.data() + size_t(firstX) * size_t(taps);
    const __m128i zero = _mm_setzero_si128();
    const __m128 toLevels = _mm_set1_ps(1.0f / kSumUnitsPerLevel);
    const auto pixel = [zero](const quint16* p) {
        return _mm_cvtepi32_ps(_mm_unpacklo_epi16(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)), zero));
    };
    for (int tx = firstX; tx < lastX; ++tx, weights += taps) {
        const quint16* s = sum + size_t(columns.first[size_t(tx)]) * 3;
        __m128 acc = _mm_mul_ps(pixel(s), _mm_set1_ps(weights[0]));
        for (int i = 1; i < taps; ++i) acc = _mm_add_ps(acc, _mm_mul_ps(pixel(s + i * 3), _mm_set1_ps(weights[i])));
        __m128i levels = _mm_shuffle_epi32(_mm_cvtps_epi32(_mm_mul_ps(acc, toLevels)), _MM_SHUFFLE(3, 0, 1, 2));
        levels = _mm_packus_epi16(_mm_packs_epi32(levels, levels), levels);
        put(line[tx], QRgb(_mm_cvtsi128_si32(levels)), 3);
    }
}

using ShrinkAlongRow = void (*)(const Spans&, const quint16*, int, int, QRgb*);
ShrinkAlongRow shrinkAlongRowFor(int channels, const Spans& columns) {
    if (channels == 4) {
        switch (columns.pairs) {
        case 1: return shrinkAlongRowRgba<1>;
        case 2: return shrinkAlongRowRgba<2>;
        case 3: return shrinkAlongRowRgba<3>;
        default: return shrinkAlongRowRgba<0>;
        }
    }
    switch (columns.taps) {
    case 2: return shrinkAlongRowRgb<2>;
    case 3: return shrinkAlongRowRgb<3>;
    case 4: return shrinkAlongRowRgb<4>;
    case 5: return shrinkAlongRowRgb<5>;
    default: return shrinkAlongRowRgb<0>;
    }
}

// Target rows [fromRow, toRow): the vertical pass sums the covered source rows into one row
// (channel by channel, so it runs on whole vector registers), then that row is shrunk along
// its length onto the surface.
void scaleRows(const ScaleJob& job, int fromRow, int toRow) {
    const ParsedPng& png = *job.png;
    const int ch = png.channels;
    const size_t values = size_t(png.info.width) * size_t(ch);
    const Spans& rowSpans = *job.rows;
    const ShrinkAlongRow alongRow = shrinkAlongRowFor(ch, *job.columns);
    // Zero-weighted taps past the last pixel read zeros (an odd tap count rounded up to pairs,
    // an RGB pixel read as four sums).
    std::vector<quint16> sums(values + size_t(job.columns->taps + 1) * size_t(ch) + 8);
    const QRect& bounds = job.surface.bounds;
    const int firstX = std::max(0, bounds.left() - job.target.left());
    const int lastX = std::min(job.target.width(), bounds.right() + 1 - job.target.left());
    for (int ty = fromRow; ty < toRow; ++ty) {
        const int y = job.target.top() + ty;
        if (y < bounds.top() || y > bounds.bottom()) continue;
        const float* rowWeights = rowSpans.weights.data() + size_t(ty) * size_t(rowSpans.taps);
        for (int i = 0; i < rowSpans.taps && rowWeights[i] > 0; ++i)
            addWeightedRow(sums.data(), job.raw + size_t(rowSpans.first[size_t(ty)] + i) * png.rowBytes() + 1, values,
                           quint16(rowWeights[i] * 32768.0f + 0.5f), i == 0);
        alongRow(*job.columns, sums.data(), firstX, lastX, job.surface.line(y) + job.target.left());
    }
}

// Bilinear sampling for an enlargement, along one axis: target pixel t takes the source at
// (t + ½)·source/target − ½, in 1/65536 of a pixel, between the two source pixels around it,
// the second weighted in 1/256 (the way Qt's smooth scaling places and weighs its samples);
// before the first pixel's centre and past the last one's it takes that pixel alone.
struct Taps {
    std::vector<int> first;
    std::vector<int> next;           // weight of first + 1, 0 … 255
    std::vector<quint16> pairWeights;  // 256 − next four times, then next four times, per pixel
};
Taps enlargeTaps(int source, int target) {
    Taps taps;
    taps.first.resize(size_t(target));
    taps.next.resize(size_t(target));
    taps.pairWeights.resize(size_t(target) * 8);
    const qint64 step = (qint64(source) << 16) / target;
    qint64 at = 0x8000LL * source / target - 0x8000;
    for (int t = 0; t < target; ++t, at += step) {
        const qint64 pixel = at >> 16;
        const bool between = pixel >= 0 && pixel < source - 1;
        taps.first[size_t(t)] = int(std::clamp<qint64>(pixel, 0, source - 1));
        taps.next[size_t(t)] = between ? int((at >> 8) & 0xFF) : 0;
        std::fill_n(taps.pairWeights.begin() + t * 8, 4, quint16(256 - taps.next[size_t(t)]));
        std::fill_n(taps.pairWeights.begin() + t * 8 + 4, 4, quint16(taps.next[size_t(t)]));
    }
    return taps;
}

using EnlargeJob = FitJob<Taps>;

// One source row of an enlargement mixed along the row: for every target column, the two
// source pixels around it in four 16-bit levels (R, G, B and A or, for RGB, a lane left at
// zero), truncated to whole levels. The pair is read as one 8-byte load (past the last pixel
// only where its weight is 0, into the scratch buffer's margin), widened, weighed and folded.
template <int Channels>
void enlargeAlongRow(const EnlargeJob& job, const uchar* row, int firstX, int lastX, quint16* out) {
    const __m128i zero = _mm_setzero_si128();
    const int* first = job.columns->first.data();
    const quint16* weights = job.columns->pairWeights.data();
    for (int tx = firstX; tx < lastX; ++tx) {
        quint64 bytes;
        std::memcpy(&bytes, row + size_t(first[tx]) * Channels, 8);
        if constexpr (Channels == 3) bytes = (bytes & 0xFFFFFF) | ((bytes << 8) & 0xFFFFFF00000000ULL);  // R G B 0 R G B 0
        const __m128i pair = _mm_unpacklo_epi8(_mm_cvtsi64_si128(qint64(bytes)), zero);
        const __m128i weighed = _mm_mullo_epi16(pair, _mm_loadu_si128(reinterpret_cast<const __m128i*>(weights + size_t(tx) * 8)));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + size_t(tx) * 4), _mm_srli_epi16(_mm_add_epi16(weighed, _mm_srli_si128(weighed, 8)), 8));
    }
}

// Target rows [fromRow, toRow) of an enlargement: each source row mixed along the row once
// (the last two kept, as consecutive target rows share them), then the two rows around each
// target row mixed down, each step truncated to whole levels; onto the surface as the
// area-averaged rows go.
void enlargeRows(const EnlargeJob& job, int fromRow, int toRow) {
    const ParsedPng& png = *job.png;
    const int ch = png.channels;
    const QRect& bounds = job.surface.bounds;
    const int firstX = std::max(0, bounds.left() - job.target.left());
    const int lastX = std::min(job.target.width(), bounds.right() + 1 - job.target.left());
    if (firstX >= lastX) return;
    const size_t lanes = size_t(job.target.width() + 1) * 4;
    std::vector<quint16> mixed[2] = {std::vector<quint16>(lanes), std::vector<quint16>(lanes)};
    int held[2] = {-1, -1};  // the source row each buffer holds
    const auto alongRow = [&](int sy) -> const quint16* {
        for (int i = 0; i < 2; ++i)
            if (held[i] == sy) return mixed[i].data();
        const int slot = held[0] < held[1] ? 0 : 1;  // rows only go down: drop the upper one
        const uchar* row = job.raw + size_t(sy) * png.rowBytes() + 1;
        (ch == 4 ? enlargeAlongRow<4> : enlargeAlongRow<3>)(job, row, firstX, lastX, mixed[slot].data());
        held[slot] = sy;
        return mixed[slot].data();
    };
    constexpr quint64 kBothOpaque = 0xFF000000FF000000ULL;
    for (int ty = fromRow; ty < toRow; ++ty) {
        const int y = job.target.top() + ty;
        if (y < bounds.top() || y > bounds.bottom()) continue;
        const int sy = job.rows->first[size_t(ty)], wy = job.rows->next[size_t(ty)];
        const quint16* above = alongRow(sy);
        const quint16* below = wy ? alongRow(sy + 1) : above;
        const __m128i keep = _mm_set1_epi16(short(256 - wy)), take = _mm_set1_epi16(short(wy));
        QRgb* line = job.surface.line(y) + job.target.left();
        for (int tx = firstX; tx < lastX; tx += 2) {
            // Two target pixels at a time (the buffers have room for a pair past an odd end).
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(above + size_t(tx) * 4));
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(below + size_t(tx) * 4));
            __m128i levels = _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(a, keep), _mm_mullo_epi16(b, take)), 8);
            levels = _mm_shufflehi_epi16(_mm_shufflelo_epi16(levels, _MM_SHUFFLE(3, 0, 1, 2)), _MM_SHUFFLE(3, 0, 1, 2));
            const __m128i bytes = _mm_packus_epi16(levels, levels);
            const quint64 pair = quint64(_mm_cvtsi128_si64(bytes));
            if (tx + 1 < lastX && (ch == 3 || (pair & kBothOpaque) == kBothOpaque)) {
                const quint64 opaque = pair | kBothOpaque;
                std::memcpy(line + tx, &opaque, 8);  // the common case: two opaque pixels at once
                continue;
            }
            put(line[tx], QRgb(pair), ch);
            if (tx + 1 < lastX) put(line[tx + 1], QRgb(pair >> 32), ch);
        }
    }
}

}  // namespace

std::optional<FastPngInfo> fastPngInfo(const uchar* data, qsizetype size) {
    const std::optional<ParsedPng> png = parse(data, size);
    if (!png) return std::nullopt;
    return png->info;
}

FastPngDrawn drawFastPng(const uchar* data, qsizetype size, QImage& surface, const QRect& target) {
    const std::optional<ParsedPng> png = parse(data, size);
    if (!png || surface.format() != QImage::Format_ARGB32_Premultiplied || target.width() <= 0 || target.height() <= 0)
        return FastPngDrawn::Refused;
    const int width = png->info.width, height = png->info.height;
    const bool shrinks = target.width() <= width && target.height() <= height;
    const bool enlarges = target.width() >= width && target.height() >= height;
    if (!shrinks && !enlarges) return FastPngDrawn::NotThisFit;
    uchar* raw = rawRows(*png, png->info.alpha);
    if (!raw) return FastPngDrawn::Refused;
    // The two halves of the target rows on both cores, when there is enough to share (the
    // worker is usually awake from the bands just inflated, and costs nothing when it is not).
    const int rows = target.height(), half = rows / 2;
    const bool share = qint64(std::max(width, target.width())) * std::max(height, rows) >= kSharedPixels && half > 0;
    const auto run = [&](const auto& scale) {
        if (!share) return scale(0, rows);
        onBothCores([&](int core) { core == 0 ? scale(0, half) : scale(half, rows); });
    };
    if (shrinks) {
        Spans columnSpans = boxSpans(width, target.width());
        if (png->info.alpha) addTapPairs(columnSpans);
        const Spans rowSpans = boxSpans(height, rows);
        const ScaleJob job{raw, &*png, &columnSpans, &rowSpans, Raster(surface), target};
        run([&](int from, int to) { scaleRows(job, from, to); });
    } else {
        const Taps columnTaps = enlargeTaps(width, target.width()), rowTaps = enlargeTaps(height, rows);
        const EnlargeJob job{raw, &*png, &columnTaps, &rowTaps, Raster(surface), target};
        run([&](int from, int to) { enlargeRows(job, from, to); });
    }
    return FastPngDrawn::Yes;
}

QImage decodeFastPng(const uchar* data, qsizetype size) {
    const std::optional<ParsedPng> png = parse(data, size);
    if (!png) return QImage();
    const uchar* raw = rawRows(*png, false);
    if (!raw) return QImage();
    // The formats Qt's own decoder gives these files, so whatever scales them next sees the same.
    QImage image(png->info.width, png->info.height, png->info.alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull()) return QImage();
    for (int y = 0; y < png->info.height; ++y) {
        const uchar* src = raw + size_t(y) * png->rowBytes() + 1;
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        if (png->info.alpha) {
            for (int x = 0; x < png->info.width; ++x, src += 4) line[x] = qRgba(src[0], src[1], src[2], src[3]);
        } else {
            for (int x = 0; x < png->info.width; ++x, src += 3) line[x] = qRgb(src[0], src[1], src[2]);
        }
    }
    return image;
}

qsizetype fastPngScratchBytes() {
    const Scratch& s = scratch();
    return qsizetype(s.capacity + s.joined.capacity() + s.band[0].capacity() + s.band[1].capacity());
}

}  // namespace zuv
