#pragma once
// A PNG of the kind the fast path takes (8-bit truecolour, with or without alpha, not
// interlaced), its chunks read once into one value: the header, the image data's spans in
// the file and, for files from the program's own writer, the band table (see
// resources/generator/kit/PngWriter.h). Whether the fast path or Qt's decoder takes a picture,
// the inflating and the fit all start from it; nothing is copied out of the file's bytes,
// which must outlive it.

#include <QSize>
#include <QtGlobal>
#include <optional>
#include <vector>

namespace zuv {

struct FastPngInfo {
    int width = 0;
    int height = 0;
    bool alpha = false;  // truecolour with alpha (RGBA), else RGB
};

struct ByteSpan {
    const uchar* data = nullptr;
    size_t size = 0;
};

// A band of the image data: its first row, and the offset of its first deflate byte in the
// zlib stream (the image data chunks joined).
struct PngBand {
    int row;
    size_t offset;
};

struct PngFile {
    FastPngInfo info;
    int channels = 3;
    std::vector<ByteSpan> imageData;  // the IDAT chunks' bodies in file order
    size_t imageDataBytes = 0;
    // From the band table when the file has one that is consistent with the header and the
    // image data; empty otherwise (the image data is then inflated as one stream).
    std::vector<PngBand> bands;

    QSize size() const { return QSize(info.width, info.height); }
    size_t rowBytes() const { return 1 + size_t(info.width) * size_t(channels); }  // filter byte first
    size_t rawBytes() const { return rowBytes() * size_t(info.height); }
};

// The file in `data`, when its chunks are sound and of the kinds the fast path takes: the
// header first, every length inside the buffer, image data present, the end chunk reached,
// no unknown critical chunk. Damage inside the image data shows only when it is inflated.
std::optional<PngFile> readPngFile(const uchar* data, qsizetype size);

}  // namespace zuv
