#include "kit/Output.h"

#include "Catalogue.h"
#include "kit/PngWriter.h"

#include <QDir>
#include <QFile>
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

QString sansFamily() { return QStringLiteral("DejaVu Sans"); }
QString serifFamily() { return QStringLiteral("DejaVu Serif"); }

void savePicture(const Context& ctx, const QString& name, const QImage& image) {
    const zuv::CatalogueEntry* entry = zuv::findCatalogueEntry(name);
    if (!entry) fail(QStringLiteral("%1 is not in the catalogue").arg(name));
    if (image.width() != entry->width || image.height() != entry->height)
        fail(QStringLiteral("%1 is %2 x %3, the catalogue says %4 x %5")
                 .arg(name).arg(image.width()).arg(image.height()).arg(entry->width).arg(entry->height));

    QImage out;
    QString path;
    QByteArray format;
    switch (entry->kind) {
    case zuv::ResourceKind::PngRgb:
        out = image.convertToFormat(QImage::Format_RGB32);
        path = ctx.outDir + QStringLiteral("/rcdata/") + name + QStringLiteral(".png");
        format = "png";
        break;
    case zuv::ResourceKind::PngRgba:
        out = image.convertToFormat(QImage::Format_ARGB32);
        path = ctx.outDir + QStringLiteral("/rcdata/") + name + QStringLiteral(".png");
        format = "png";
        break;
    case zuv::ResourceKind::Bitmap24:
        out = image.convertToFormat(QImage::Format_RGB32);
        path = ctx.outDir + QStringLiteral("/bitmap/") + name + QStringLiteral(".bmp");
        format = "bmp";
        break;
    case zuv::ResourceKind::Bitmap8:
        out = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
        path = ctx.outDir + QStringLiteral("/bitmap/") + name + QStringLiteral(".bmp");
        format = "bmp";
        break;
    case zuv::ResourceKind::Text:
        fail(QStringLiteral("%1 is not a picture").arg(name));
    }
    if (format == "png") {
        QString error;
        if (!writeFastPng(out, path, &error)) fail(QStringLiteral("cannot write %1: %2").arg(path, error));
        return;
    }
    QImageWriter writer(path, format);
    if (!writer.write(out)) fail(QStringLiteral("cannot write %1: %2").arg(path, writer.errorString()));
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
