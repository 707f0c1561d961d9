// Inflating and unfiltering into the kept scratch buffer: libdeflate's inflaters (one per
// core), the band-by-band inflating on both cores with the checksum joined from the bands'
// own, the one-stream inflating for any other file, and the row filters.

#include "RawRows.h"

#include "BothCores.h"
#include "core/HugePages.h"

#include <libdeflate.h>

#include <QtEndian>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace zuv {

namespace {

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
            // system gives them and the rows are large enough: the first touch of fresh
            // memory is the expensive part.
            const size_t needed = bytes + kReadPast;
            const bool huge = WorthHugePages(needed);
            const size_t length = huge ? RoundUpToHugePages(needed) : needed;
            std::free(raw);
            raw = static_cast<uchar*>(huge ? std::aligned_alloc(kHugePage, length) : std::malloc(length));
            if (!raw) {
                capacity = 0;
                return nullptr;
            }
            if (huge) AdviseHugePages(raw, length);
            capacity = length;
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
bool unfilter(uchar* raw, const PngFile& png, int fromRow, int toRow) {
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

void premultiply(uchar* raw, const PngFile& png, int fromRow, int toRow, const PixelSteps& steps) {
    for (int y = fromRow; y < toRow; ++y) steps.premultiplyRow(raw + size_t(y) * png.rowBytes() + 1, png.info.width);
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
bool inflateBands(const PngFile& png, const uchar* stream, uchar* raw, bool premultiplied, const PixelSteps& steps) {
    Scratch& s = scratch();
    if (!s.inflaterFor(0) || !s.inflaterFor(1)) return false;
    const std::vector<PngBand>& bands = png.bands;
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
            if (premultiplied) premultiply(raw, png, fromRow, toRow, steps);
        }
    });
    if (failed) return false;
    quint32 adler = checksums[0];
    for (size_t b = 1; b < bands.size(); ++b) {
        const int toRow = b + 1 == bands.size() ? png.info.height : bands[b + 1].row;
        adler = joinedAdler32(adler, checksums[b], size_t(toRow - bands[b].row) * png.rowBytes());
    }
    return adler == qFromBigEndian<quint32>(stream + streamEnd);
}

}  // namespace

const uchar* inflateRows(const PngFile& png, bool premultiplied, const PixelSteps& steps) {
    Scratch& s = scratch();
    const size_t expected = png.rawBytes();
    uchar* raw = s.rows(expected);
    if (!raw) return nullptr;
    const uchar* in = png.imageData.front().data;
    if (png.imageData.size() > 1) {
        if (s.joined.size() < png.imageDataBytes) s.joined.resize(png.imageDataBytes);
        size_t at = 0;
        for (const ByteSpan& c : png.imageData) {
            std::memcpy(s.joined.data() + at, c.data, c.size);
            at += c.size;
        }
        in = s.joined.data();
    }
    // Bands that do not inflate as the table says (a table that lies) leave the file to be
    // read as one stream.
    if (!png.bands.empty() && inflateBands(png, in, raw, premultiplied, steps)) return raw;
    if (!s.inflaterFor(0)) return nullptr;
    size_t produced = 0;
    if (libdeflate_zlib_decompress(s.inflater[0], in, png.imageDataBytes, raw, expected, &produced) != LIBDEFLATE_SUCCESS ||
        produced != expected || !unfilter(raw, png, 0, png.info.height))
        return nullptr;
    if (premultiplied) premultiply(raw, png, 0, png.info.height, steps);
    return raw;
}

qsizetype rawRowsScratchBytes() {
    const Scratch& s = scratch();
    return qsizetype(s.capacity + s.joined.capacity() + s.band[0].capacity() + s.band[1].capacity());
}

}  // namespace zuv
