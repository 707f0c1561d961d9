// The PNG writer: rows left unfiltered, bands compressed with zlib (level 9 for small pictures,
// 6 for the rest) and separated by full flushes, the band table in a private chunk, all written with their CRCs.

#include "kit/PngWriter.h"

#include <QByteArray>
#include <QtEndian>
#include <algorithm>
#include <vector>
#include <zlib.h>

namespace zuvgen {

namespace {

// Raw rows per band, roughly: small enough for the two cores to share the work evenly, large
// enough that the flush between bands costs next to nothing in size.
constexpr size_t kBandBytes = size_t(512) << 10;
// Raw rows up to which a picture is compressed at the best level (the icons, the emblems, the
// patent and the strips are below it, the sheets and pages above).
constexpr size_t kSmallPictureBytes = size_t(2) << 20;

void append32(QByteArray& out, quint32 value) {
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

void appendChunk(QByteArray& out, const char* type, const QByteArray& body) {
    append32(out, quint32(body.size()));
    const qsizetype start = out.size();
    out.append(type, 4);
    out.append(body);
    append32(out, quint32(crc32(0, reinterpret_cast<const Bytef*>(out.constData() + start), uInt(out.size() - start))));
}

// One row of the picture as PNG samples: R, G, B (and A).
void samples(const QImage& image, int y, bool alpha, uchar* out) {
    const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
        *out++ = uchar(qRed(line[x]));
        *out++ = uchar(qGreen(line[x]));
        *out++ = uchar(qBlue(line[x]));
        if (alpha) *out++ = uchar(qAlpha(line[x]));
    }
}

}  // namespace

bool writeFastPng(const QImage& image, const QString& path, QString* error) {
    const bool alpha = image.format() == QImage::Format_ARGB32;
    if (!alpha && image.format() != QImage::Format_RGB32) {
        *error = QStringLiteral("unexpected pixel format");
        return false;
    }
    const size_t stride = size_t(image.width()) * (alpha ? 4 : 3);
    // At least two bands, so that both cores share even the small pictures.
    const int bandRows = std::max(16, std::min(int(kBandBytes / (stride + 1)), (image.height() + 1) / 2));

    // Small pictures are drawn in a fraction of a millisecond, where inflating is most of the
    // time: the best compression inflates about a tenth faster and costs nothing to write for
    // them. The large ones would take seconds more to write for a few percent.
    const int level = stride * size_t(image.height()) <= kSmallPictureBytes ? 9 : 6;
    z_stream z{};
    if (deflateInit(&z, level) != Z_OK) {
        *error = QStringLiteral("zlib failed to start");
        return false;
    }
    QByteArray compressed;
    QByteArray bands;  // the band table: first row and stream offset of each band
    std::vector<uchar> row(stride + 1, 0);  // filter byte 0 (None), then the samples
    bool failed = false;
    for (int y = 0; y < image.height() && !failed; ++y) {
        samples(image, y, alpha, row.data() + 1);
        const bool bandStart = y % bandRows == 0;
        if (bandStart) {
            append32(bands, quint32(y));
            append32(bands, quint32(y == 0 ? 2 : z.total_out));  // 2: the zlib header
        }
        const bool last = y + 1 == image.height();
        const int flush = last ? Z_FINISH : (y + 1) % bandRows == 0 ? Z_FULL_FLUSH : Z_NO_FLUSH;
        z.next_in = row.data();
        z.avail_in = uInt(row.size());
        int status;
        do {
            uchar out[1 << 16];
            z.next_out = out;
            z.avail_out = sizeof out;
            status = deflate(&z, flush);
            if (status == Z_STREAM_ERROR) failed = true;
            compressed.append(reinterpret_cast<const char*>(out), qsizetype(sizeof out - z.avail_out));
        } while (!failed && (z.avail_out == 0 || (last && status != Z_STREAM_END)));
    }
    deflateEnd(&z);
    if (failed) {
        *error = QStringLiteral("zlib failed to compress");
        return false;
    }

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray header;
    append32(header, quint32(image.width()));
    append32(header, quint32(image.height()));
    header.append(char(8)).append(char(alpha ? 6 : 2)).append(char(0)).append(char(0)).append(char(0));
    appendChunk(png, "IHDR", header);
    if (bands.size() > 8) appendChunk(png, "baND", bands);  // one band needs no table
    appendChunk(png, "IDAT", compressed);
    appendChunk(png, "IEND", {});

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(png) != png.size() || !file.flush()) {
        *error = QStringLiteral("cannot write the file");
        return false;
    }
    return true;
}

}  // namespace zuvgen
