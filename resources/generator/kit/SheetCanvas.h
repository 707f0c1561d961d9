#pragma once
// Drawing surface of the dated sheets: a picture cut into the marker's grid of cells, with
// the palette and the text styles the sheets share. Every cell drawn with a key also lands
// in the sheet's cell map, so the map always describes exactly what was painted.
//
// Grid: cell (c, r) runs from x(c) to x(c + 1) and from y(r) to y(r + 1) in sheet pixels,
// x(c) = round(c · width / nx), rounded half to even as the markers round. Cell borders are
// one-pixel lines on exactly these coordinates; a cell's own paint stays inside them.

#include "kit/Output.h"
#include "kit/Palette.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRgb>
#include <QString>
#include <vector>

namespace zuvgen {

struct CellStyle {
    QRgb paper = sheetpalette::paper;
    QRgb ink = sheetpalette::ink;
    int pixelSize = 20;
    bool bold = false;
    bool serif = false;
    bool condensed = false;
    bool italic = false;
    bool hatched = false;   // diagonal hatching over the paper (fillers)
    bool borders = true;    // draw the cell's four border lines
};

class SheetCanvas {
public:
    // A fresh white sheet.
    SheetCanvas(int width, int height, double nx, double ny);
    // Continues drawing on a copy of an already drawn sheet with its cells.
    SheetCanvas(const QImage& start, double nx, double ny, std::vector<Cell> cells);
    SheetCanvas(const SheetCanvas&) = delete;
    SheetCanvas& operator=(const SheetCanvas&) = delete;

    int x(int col) const;   // left border of column col, sheet pixels
    int y(int row) const;   // top border of row row

    // The area between the borders of a block of cells (borders excluded).
    QRect interior(int col, int row, int span = 1, int rows = 1) const;

    // Paints a block of span × rows cells as one cell: paper, borders, centred text; when the
    // key is not empty the cell (its top-left grid cell and its span) joins the cell map.
    void cell(int col, int row, int span, const QString& key, const QString& text, const CellStyle& style,
              int rows = 1);

    // Text without a cell, for titles and notes; flags as for QPainter::drawText.
    void text(const QRect& rect, const QString& text, const CellStyle& style, int flags = Qt::AlignCenter);
    // Records a cell map entry without painting (for text drawn with text()).
    void record(int col, int row, int span, const QString& key, const QString& text);

    // A 2-pixel outline around the block of columns [col0, col1) and rows [row0, row1).
    void frame(int col0, int row0, int col1, int row1);
    // A 2-pixel vertical separator on the left border of column col, rows [row0, row1).
    void separator(int col, int row0, int row1, QRgb colour = sheetpalette::frameLine);
    // A 2-pixel horizontal rule on the top border of row row, columns [col0, col1).
    void rule(int row, int col0, int col1, QRgb colour = sheetpalette::frameLine);

    // Ends painting and hands out the picture and the cell map.
    QImage finish();
    const std::vector<Cell>& cells() const { return cells_; }

private:
    void begin();
    QFont font(const CellStyle& style) const;

    QImage image_;
    QPainter painter_;
    double cw_;
    double ch_;
    std::vector<Cell> cells_;
};

// Grid coordinate rounding shared with the markers: nearest integer, halves to even.
int gridRound(double v);

}  // namespace zuvgen
