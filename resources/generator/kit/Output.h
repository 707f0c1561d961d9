#pragma once
// Shared plumbing of the picture generator: where files go, how they are saved and checked
// against the catalogue, and the cell maps of the dated sheets.

#include "Catalogue.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace zuvgen {

struct Context {
    QString outDir;               // rcdata/, bitmap/ and cellmaps/ are created below it
    QStringList dayTableLines;    // the day table, one string per line, as the program loads it
};

// One job writes one or more complete files; each room hands out its jobs in a list.
using Job = std::function<void()>;

// Saves a picture under its catalogue name (upper case) after checking its pixel size;
// converts it to the catalogue's kind (PNG truecolour, PNG with alpha, 24-bit or 8-bit BMP).
// Any mismatch aborts the generator with a message, so the build fails loudly.
void savePicture(const Context& ctx, const QString& name, const QImage& image);
// The pixel size the catalogue gives a picture; stops the generator for a name it does not know.
QSize catalogueSize(const QString& name);
// Where a catalogue entry is written: rcdata/NAME.png, rcdata/NAME (the text), bitmap/NAME.bmp.
QString resourcePath(const Context& ctx, const zuv::CatalogueEntry& entry);

// One grid cell of a dated sheet: column, row (from 0 at the top-left), how many columns it
// spans, a key saying what it stands for, and the text printed in it. The keys are described
// in resources/CELLMAPS.md.
struct Cell {
    int col = 0;
    int row = 0;
    int span = 1;
    QString key;
    QString text;
};

// Writes cellmaps/<NAME>.tsv: one line "col<TAB>row<TAB>span<TAB>key<TAB>text" per cell.
void saveCellMap(const Context& ctx, const QString& name, const std::vector<Cell>& cells);

void fail(const QString& message);  // prints and exits with status 1

}  // namespace zuvgen
