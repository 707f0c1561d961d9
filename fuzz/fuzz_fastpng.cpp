// Fuzzes the fast PNG path by itself: arbitrary bytes through the chunk reader, the inflater,
// the row filters and the area-averaged drawing, at a few target sizes and at full size.
#include "core/FastPng.h"

#include <QImage>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto* bytes = reinterpret_cast<const uchar*>(data);
    const qsizetype n = qsizetype(size);
    if (const std::optional<zuv::FastPngInfo> info = zuv::fastPngInfo(bytes, n)) {
        QImage surface(64, 48, QImage::Format_ARGB32_Premultiplied);
        surface.fill(Qt::white);
        const int w = std::min(info->width, 70), h = std::min(info->height, 50);
        (void)zuv::drawFastPng(bytes, n, surface, QRect(-3, -2, w, h));  // partly outside the surface
        (void)zuv::drawFastPng(bytes, n, surface, QRect(5, 5, std::max(1, w / 3), std::max(1, h / 3)));
        if (qint64(info->width) * info->height <= 4'000'000) (void)zuv::decodeFastPng(bytes, n);
    }
    return 0;
}
