// The cell styles, title and saving that all dated sheets share.

#include "sheets/SheetParts.h"

namespace zuvgen {

CellStyle headerCellStyle(int pixelSize) {
    CellStyle style;
    style.paper = sheetpalette::header;
    style.ink = sheetpalette::title;
    style.pixelSize = pixelSize;
    style.bold = true;
    return style;
}

CellStyle weekdayNameStyle(int weekday) {
    CellStyle style = headerCellStyle(18);
    style.bold = false;
    style.ink = weekdayInk(weekday);
    return style;
}

QRgb weekdayInk(int weekday) { return weekday >= 6 ? sheetpalette::holiday : sheetpalette::ink; }

CellStyle weekNumberStyle() {
    CellStyle style;
    style.paper = sheetpalette::header;
    style.ink = sheetpalette::muted;
    style.pixelSize = 16;
    style.italic = true;
    return style;
}

CellStyle tableCaptionStyle() {
    CellStyle style;
    style.ink = sheetpalette::title;
    style.serif = true;
    style.bold = true;
    style.pixelSize = 20;
    style.borders = false;
    return style;
}

void drawSheetTitle(SheetCanvas& sheet, int col0, int col1, const QString& title, const QString& note) {
    const QRect area(sheet.x(col0), sheet.y(0), sheet.x(col1) - sheet.x(col0), sheet.y(2) - sheet.y(0));
    CellStyle titleStyle;
    titleStyle.ink = sheetpalette::title;
    titleStyle.serif = true;
    titleStyle.bold = true;
    titleStyle.pixelSize = 32;
    sheet.text(area.adjusted(4, 0, 0, 0), title, titleStyle, Qt::AlignLeft | Qt::AlignVCenter);
    CellStyle noteStyle;
    noteStyle.ink = sheetpalette::muted;
    noteStyle.pixelSize = 16;
    sheet.text(area.adjusted(0, 0, -4, 0), note, noteStyle, Qt::AlignRight | Qt::AlignVCenter);
    sheet.record(col0, 0, col1 - col0, QStringLiteral("title"), title);
}

void saveSheet(const Context& ctx, const QString& name, SheetCanvas& sheet) {
    savePicture(ctx, name, sheet.finish());
    saveCellMap(ctx, name, sheet.cells());
}

}  // namespace zuvgen
