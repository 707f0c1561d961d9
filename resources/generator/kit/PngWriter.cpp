// The PNG writer on libpng with the "Up" row filter.

#include "kit/PngWriter.h"

#include <cstdio>
#include <png.h>
#include <vector>

namespace zuvgen {

bool writeFastPng(const QImage& image, const QString& path, QString* error) {
    const bool alpha = image.format() == QImage::Format_ARGB32;
    if (!alpha && image.format() != QImage::Format_RGB32) {
        *error = QStringLiteral("unexpected pixel format");
        return false;
    }
    FILE* file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!file) {
        *error = QStringLiteral("cannot open the file");
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        *error = QStringLiteral("libpng failed to start");
        return false;
    }
    std::vector<png_byte> row(size_t(image.width()) * (alpha ? 4 : 3));
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        *error = QStringLiteral("libpng failed to write");
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, png_uint_32(image.width()), png_uint_32(image.height()), 8,
                 alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_UP);
    png_set_compression_level(png, 6);
    png_write_info(png, info);
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        png_byte* out = row.data();
        for (int x = 0; x < image.width(); ++x) {
            *out++ = png_byte(qRed(line[x]));
            *out++ = png_byte(qGreen(line[x]));
            *out++ = png_byte(qBlue(line[x]));
            if (alpha) *out++ = png_byte(qAlpha(line[x]));
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    if (std::fclose(file) != 0) {
        *error = QStringLiteral("cannot finish the file");
        return false;
    }
    return true;
}

}  // namespace zuvgen
