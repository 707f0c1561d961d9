// The chunk walk behind readPngFile: the header checked against the kinds the fast path
// takes, the image data chunks listed where they lie, and the band table kept only when it
// agrees with the header and the image data.

#include "PngFile.h"

#include <QtEndian>
#include <cstring>

namespace zuv {

namespace {

constexpr uchar kSignature[8] = {137, 80, 78, 71, 13, 10, 26, 10};
// Far above any picture the program carries; a header asking for more is taken as damaged.
constexpr qint64 kMaxRawBytes = qint64(1) << 28;

quint32 bigEndian32(const uchar* p) { return qFromBigEndian<quint32>(p); }

// The band table's entries (row, offset; eight bytes each), when they hold: rows and offsets
// strictly rising from row 0 at offset 2 (after the zlib header), every offset before the
// stream's checksum. Empty otherwise.
std::vector<PngBand> bandsOf(const ByteSpan& table, const PngFile& png) {
    if (!table.data || table.size % 8 != 0 || table.size < 16 || png.imageDataBytes < 6) return {};
    std::vector<PngBand> bands(table.size / 8);
    for (size_t i = 0; i < bands.size(); ++i) {
        const quint32 row = bigEndian32(table.data + 8 * i), offset = bigEndian32(table.data + 8 * i + 4);
        const bool rising = i == 0 ? row == 0 && offset == 2 : row > quint32(bands[i - 1].row) && offset > bands[i - 1].offset;
        if (!rising || row >= quint32(png.info.height) || offset >= png.imageDataBytes - 4) return {};
        bands[i] = {int(row), offset};
    }
    return bands;
}

}  // namespace

std::optional<PngFile> readPngFile(const uchar* data, qsizetype size) {
    if (!data || size < 8 || std::memcmp(data, kSignature, 8) != 0) return std::nullopt;
    const size_t total = size_t(size);
    size_t pos = 8;
    PngFile png;
    ByteSpan bandTable;  // the "baND" chunk, checked once the image data is known
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
            bandTable = {body, length};
        } else if (std::memcmp(type, "IEND", 4) == 0) {
            if (png.imageData.empty()) return std::nullopt;
            png.bands = bandsOf(bandTable, png);
            return png;
        } else if (!(type[0] & 0x20) && std::memcmp(type, "PLTE", 4) != 0) {
            return std::nullopt;  // a critical chunk this decoder does not know
        }
        pos += 12 + length;
    }
    return std::nullopt;  // no end chunk
}

}  // namespace zuv
