// Fuzzes the fast PNG path by itself. A third of the inputs go in as they are (chunk reader,
// lying lengths, truncation); another third build a PNG from the input: header fields, raw rows
// with their filter bytes, compressed with zlib, then damaged as the input says (a header that
// lies about the size, a cut, a chunk length past the end), so that the inflater, the row
// filters, the area-averaged and the enlarged drawing all get fuzzed data. The last third
// build a banded PNG as the program's writer does (full flushes, a band table) and then let
// the table lie: offsets and rows moved, a band cut short, band-opening rows with any filter
// byte.
#include "imaging/FastPng.h"

#include <QByteArray>
#include <QImage>
#include <QtEndian>
#include <algorithm>
#include <cstdint>
#include <zlib.h>

namespace {

QByteArray chunk(const char* type, const QByteArray& body) {
    QByteArray c(4, 0);
    qToBigEndian<quint32>(quint32(body.size()), c.data());
    return c + QByteArray(type, 4) + body + QByteArray(4, 0);
}

QByteArray buildPng(const uint8_t* data, size_t size) {
    if (size < 6) return {};
    const int width = 1 + data[1] % 40, height = 1 + data[2] % 40;
    const bool alpha = data[3] & 1;
    const int lie = int(data[4] % 5) - 2;  // the header's height off by −2 … +2 rows
    const uint8_t damage = data[5];
    QByteArray raw(reinterpret_cast<const char*>(data + 6), int(size - 6));
    const int rowBytes = 1 + width * (alpha ? 4 : 3);
    raw.resize(rowBytes * height);  // pads with zeros or cuts
    for (int y = 0; y < height; ++y) raw[y * rowBytes] = char(uint8_t(raw[y * rowBytes]) % 6);  // mostly valid filters, 5 is not
    QByteArray ihdr(13, 0);
    qToBigEndian<quint32>(quint32(width), ihdr.data());
    qToBigEndian<quint32>(quint32(std::max(1, height + lie)), ihdr.data() + 4);
    ihdr[8] = 8;
    ihdr[9] = alpha ? 6 : 2;
    QByteArray png = QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", ihdr);
    const QByteArray zlib = qCompress(raw, 1).mid(4);
    const int pieces = 1 + damage % 3;  // image data split over one to three chunks
    for (int i = 0; i < pieces; ++i) {
        const int from = zlib.size() * i / pieces, to = zlib.size() * (i + 1) / pieces;
        png += chunk("IDAT", zlib.mid(from, to - from));
    }
    png += chunk("IEND", {});
    if (damage & 0x10) png.truncate(int(png.size() * (damage & 0x0F) / 16));
    if (damage & 0x20) qToBigEndian<quint32>(0x7FFFFFFFu, png.data() + 33);  // the first IDAT's length
    return png;
}

// Rows from the input in bands of 1 … 8 rows, each band closed with a full flush, and the
// band table before the image data; then the damage the input asks for.
QByteArray buildBandedPng(const uint8_t* data, size_t size) {
    if (size < 8) return {};
    const int width = 1 + data[1] % 40, height = 2 + data[2] % 40, bandRows = 1 + data[3] % 8;
    const bool alpha = data[4] & 1;
    const uint8_t damage = data[5], where = data[6];
    const int rowBytes = 1 + width * (alpha ? 4 : 3);
    QByteArray raw(reinterpret_cast<const char*>(data + 7), int(size - 7));
    raw.resize(rowBytes * height);
    for (int y = 0; y < height; ++y) raw[y * rowBytes] = char(uint8_t(raw[y * rowBytes]) % 6);
    z_stream z{};
    if (deflateInit(&z, 1) != Z_OK) return {};
    QByteArray zlib(int(deflateBound(&z, uLong(raw.size())) + 16 * height + 64), 0);
    QByteArray table;
    z.next_out = reinterpret_cast<Bytef*>(zlib.data());
    z.avail_out = uInt(zlib.size());
    for (int y = 0; y < height; y += bandRows) {
        QByteArray entry(8, 0);
        qToBigEndian<quint32>(quint32(y), entry.data());
        qToBigEndian<quint32>(quint32(y == 0 ? 2 : z.total_out), entry.data() + 4);
        table += entry;
        const int rows = std::min(bandRows, height - y);
        z.next_in = reinterpret_cast<Bytef*>(raw.data() + y * rowBytes);
        z.avail_in = uInt(rows * rowBytes);
        deflate(&z, y + rows == height ? Z_FINISH : Z_FULL_FLUSH);
    }
    zlib.resize(int(z.total_out));
    deflateEnd(&z);
    const int entries = int(table.size() / 8), victim = where % entries;
    switch (damage % 6) {
    case 0: break;  // sound
    case 1: qToBigEndian<quint32>(qFromBigEndian<quint32>(table.constData() + 8 * victim + 4) + (where >> 4) - 8, table.data() + 8 * victim + 4); break;
    case 2: qToBigEndian<quint32>(qFromBigEndian<quint32>(table.constData() + 8 * victim) + (where >> 4) - 8, table.data() + 8 * victim); break;
    case 3: zlib.remove(int(where) * zlib.size() / 256, 1 + (damage >> 3)); break;  // a band cut short
    case 4: table.chop(8); break;  // the last band left out
    case 5: table += QByteArray(reinterpret_cast<const char*>(data + 7), int(std::min<size_t>(size - 7, 12))); break;
    }
    QByteArray ihdr(13, 0);
    qToBigEndian<quint32>(quint32(width), ihdr.data());
    qToBigEndian<quint32>(quint32(height), ihdr.data() + 4);
    ihdr[8] = 8;
    ihdr[9] = alpha ? 6 : 2;
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", ihdr) + chunk("baND", table) + chunk("IDAT", zlib) + chunk("IEND", {});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const int mode = size > 0 ? data[0] % 3 : 0;
    const QByteArray built = mode == 1 ? buildPng(data, size) : mode == 2 ? buildBandedPng(data, size) : QByteArray();
    const auto* bytes = built.isEmpty() ? reinterpret_cast<const uchar*>(data) : reinterpret_cast<const uchar*>(built.constData());
    const qsizetype n = built.isEmpty() ? qsizetype(size) : built.size();
    if (const std::optional<zuv::FastPngInfo> info = zuv::fastPngInfo(bytes, n)) {
        QImage surface(64, 48, QImage::Format_ARGB32_Premultiplied);
        surface.fill(Qt::white);
        const int w = std::min(info->width, 70), h = std::min(info->height, 50);
        (void)zuv::drawFastPng(bytes, n, surface, QRect(-3, -2, w, h));  // partly outside the surface
        (void)zuv::drawFastPng(bytes, n, surface, QRect(5, 5, std::max(1, w / 3), std::max(1, h / 3)));
        // Enlarged both ways, large enough to be shared by both cores, mostly outside.
        if (info->width <= 140 && info->height <= 130) (void)zuv::drawFastPng(bytes, n, surface, QRect(-2, -1, 140, 130));
        if (qint64(info->width) * info->height <= 4'000'000) (void)zuv::decodeFastPng(bytes, n);
    }
    return 0;
}
