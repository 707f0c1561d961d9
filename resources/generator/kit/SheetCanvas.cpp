// The grid canvas of the dated sheets: cells on the markers' grid, outlines and rules, and the
// cell map that records what was painted.

#include "kit/SheetCanvas.h"

#include "kit/Typography.h"

#include <QBrush>
#include <QColor>
#include <cmath>
#include <utility>

namespace zuvgen {

int gridRound(double v) { return int(std::nearbyint(v)); }  // default rounding mode: halves to even

SheetCanvas::SheetCanvas(int width, int height, double nx, double ny)
    : image_(width, height, QImage::Format_RGB32), cw_(width / nx), ch_(height / ny) {
    image_.fill(sheetpalette::paper);
    begin();
}

SheetCanvas::SheetCanvas(const QImage& start, double nx, double ny, std::vector<Cell> cells)
    : image_(start.copy()), cw_(start.width() / nx), ch_(start.height() / ny), cells_(std::move(cells)) {
    begin();
}

void SheetCanvas::begin() {
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

int SheetCanvas::x(int col) const { return gridRound(col * cw_); }
int SheetCanvas::y(int row) const { return gridRound(row * ch_); }

QRect SheetCanvas::interior(int col, int row, int span, int rows) const {
    const int x0 = x(col), x1 = x(col + span), y0 = y(row), y1 = y(row + rows);
    return QRect(x0 + 1, y0 + 1, x1 - x0 - 1, y1 - y0 - 1);
}

QFont SheetCanvas::font(const CellStyle& style) const {
    QFont f = typeface(style.serif ? Family::Serif : Family::Sans, style.pixelSize, style.bold, style.italic,
                       Hinting::Hinted);
    if (style.condensed) f.setStretch(QFont::Condensed);
    return f;
}

void SheetCanvas::cell(int col, int row, int span, const QString& key, const QString& text,
                       const CellStyle& style, int rows) {
    const QRect inside = interior(col, row, span, rows);
    if (style.paper != sheetpalette::paper) painter_.fillRect(inside, QColor::fromRgb(style.paper));
    if (style.hatched) painter_.fillRect(inside, QBrush(QColor::fromRgb(sheetpalette::hatch), Qt::BDiagPattern));
    if (style.borders) {
        const QColor line = QColor::fromRgb(sheetpalette::gridLine);
        const int x0 = inside.left() - 1, x1 = inside.right() + 1;
        const int y0 = inside.top() - 1, y1 = inside.bottom() + 1;
        painter_.fillRect(QRect(x0, y0, x1 - x0 + 1, 1), line);
        painter_.fillRect(QRect(x0, y1, x1 - x0 + 1, 1), line);
        painter_.fillRect(QRect(x0, y0, 1, y1 - y0 + 1), line);
        painter_.fillRect(QRect(x1, y0, 1, y1 - y0 + 1), line);
    }
    if (!text.isEmpty()) this->text(inside, text, style);
    if (!key.isEmpty()) record(col, row, span, key, text);
}

void SheetCanvas::text(const QRect& rect, const QString& text, const CellStyle& style, int flags) {
    painter_.setFont(font(style));
    painter_.setPen(QColor::fromRgb(style.ink));
    painter_.drawText(rect, flags, text);
}

void SheetCanvas::record(int col, int row, int span, const QString& key, const QString& text) {
    cells_.push_back(Cell{col, row, span, key, text});
}

void SheetCanvas::frame(int col0, int row0, int col1, int row1) {
    const QColor line = QColor::fromRgb(sheetpalette::frameLine);
    const int x0 = x(col0), x1 = x(col1), y0 = y(row0), y1 = y(row1);
    painter_.fillRect(QRect(x0 - 1, y0 - 1, x1 - x0 + 3, 2), line);
    painter_.fillRect(QRect(x0 - 1, y1, x1 - x0 + 3, 2), line);
    painter_.fillRect(QRect(x0 - 1, y0 - 1, 2, y1 - y0 + 3), line);
    painter_.fillRect(QRect(x1, y0 - 1, 2, y1 - y0 + 3), line);
}

void SheetCanvas::separator(int col, int row0, int row1, QRgb colour) {
    const int x0 = x(col), y0 = y(row0), y1 = y(row1);
    painter_.fillRect(QRect(x0 - 1, y0, 2, y1 - y0 + 1), QColor::fromRgb(colour));
}

void SheetCanvas::rule(int row, int col0, int col1, QRgb colour) {
    const int y0 = y(row), x0 = x(col0), x1 = x(col1);
    painter_.fillRect(QRect(x0, y0 - 1, x1 - x0 + 1, 2), QColor::fromRgb(colour));
}

QImage SheetCanvas::finish() {
    if (painter_.isActive()) painter_.end();
    return image_;
}

}  // namespace zuvgen
