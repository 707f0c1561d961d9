// Saving pictures and cell maps where the catalogue says, and stopping the build loudly on
// any mismatch.

#include "kit/Output.h"

#include "Catalogue.h"
#include "kit/Bmp8Writer.h"
#include "kit/PngWriter.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QImageWriter>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>

namespace zuvgen {

void fail(const QString& message) {
    std::fprintf(stderr, "zuv_resgen: %s\n", qPrintable(message));
    std::fflush(stderr);
    std::exit(1);
}

namespace {

// The picture with an exact colour table in the order the colours first appear, row by row.
// Qt's own conversion orders its table by a hash with a per-run seed, so the same picture came
// out in other bytes from build to build.
QImage exactIndexed8(const QString& name, const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QImage out(rgb.size(), QImage::Format_Indexed8);
    QList<QRgb> table;
    QHash<QRgb, uchar> indexOf;
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* indexes = out.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            auto found = indexOf.constFind(line[x]);
            if (found == indexOf.constEnd()) {
                if (table.size() == 256) fail(QStringLiteral("%1 has more than 256 colours").arg(name));
                found = indexOf.insert(line[x], uchar(table.size()));
                table.append(line[x]);
            }
            indexes[x] = *found;
        }
    }
    out.setColorTable(table);
    return out;
}

}  // namespace

QSize catalogueSize(const QString& name) {
    const zuv::CatalogueEntry* entry = zuv::findCatalogueEntry(name);
    if (!entry) fail(QStringLiteral("%1 is not in the catalogue").arg(name));
    return QSize(entry->width, entry->height);
}

QString resourcePath(const Context& ctx, const zuv::CatalogueEntry& entry) {
    if (entry.kind == zuv::ResourceKind::Text) return ctx.outDir + QStringLiteral("/rcdata/") + entry.name;
    if (zuv::isRawData(entry.kind)) return ctx.outDir + QStringLiteral("/rcdata/") + entry.name + QStringLiteral(".png");
    return ctx.outDir + QStringLiteral("/bitmap/") + entry.name + QStringLiteral(".bmp");
}

void savePicture(const Context& ctx, const QString& name, const QImage& image) {
    const zuv::CatalogueEntry* entry = zuv::findCatalogueEntry(name);
    if (!entry) fail(QStringLiteral("%1 is not in the catalogue").arg(name));
    if (image.width() != entry->width || image.height() != entry->height)
        fail(QStringLiteral("%1 is %2 x %3, the catalogue says %4 x %5")
                 .arg(name).arg(image.width()).arg(image.height()).arg(entry->width).arg(entry->height));

    const QString path = resourcePath(ctx, *entry);
    QString error;
    bool written = false;
    switch (entry->kind) {
    case zuv::ResourceKind::PngRgb:
        written = writeFastPng(image.convertToFormat(QImage::Format_RGB32), path, &error);
        break;
    case zuv::ResourceKind::PngRgba:
        written = writeFastPng(image.convertToFormat(QImage::Format_ARGB32), path, &error);
        break;
    case zuv::ResourceKind::Bitmap24: {
        QImageWriter writer(path, "bmp");
        written = writer.write(image.convertToFormat(QImage::Format_RGB32));
        error = writer.errorString();
        break;
    }
    case zuv::ResourceKind::Bitmap8:
        written = writeBmp8(exactIndexed8(name, image), path, &error);
        break;
    case zuv::ResourceKind::Text:
        fail(QStringLiteral("%1 is not a picture").arg(name));
    }
    if (!written) fail(QStringLiteral("cannot write %1: %2").arg(path, error));
}

void saveCellMap(const Context& ctx, const QString& name, const std::vector<Cell>& cells) {
    const QString path = ctx.outDir + QStringLiteral("/cellmaps/") + name + QStringLiteral(".tsv");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) fail(QStringLiteral("cannot write ") + path);
    QTextStream out(&file);
    out.setEncoding(QStringConverter::Utf8);
    for (const Cell& cell : cells) {
        QString text = cell.text;
        text.replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        out << cell.col << '\t' << cell.row << '\t' << cell.span << '\t' << cell.key << '\t' << text << '\n';
    }
}

}  // namespace zuvgen
