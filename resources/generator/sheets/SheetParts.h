#pragma once
// What every dated sheet shares: its title, the styles of its header, weekday, week-number and
// caption cells, and saving a sheet with its cell map.

#include "kit/Output.h"
#include "kit/SheetCanvas.h"

#include <QString>

namespace zuvgen {

// Header cells: header paper, bold text in the title colour.
CellStyle headerCellStyle(int pixelSize = 17);
// The weekday names of column 1: header paper, Saturdays and Sundays in the holiday colour.
CellStyle weekdayNameStyle(int weekday);
// The ink of a day by its weekday (1 … 7): the holiday colour on Saturdays and Sundays.
QRgb weekdayInk(int weekday);
// The week-number row: header paper, small muted italics.
CellStyle weekNumberStyle();
// The caption row under a table: bold serif in the title colour, without cell borders.
CellStyle tableCaptionStyle();

// The title of a sheet in rows 0 – 1 between the left borders of columns col0 and col1: a
// serif line on the left and a small two-line note on the right. Records the cell "title".
void drawSheetTitle(SheetCanvas& sheet, int col0, int col1, const QString& title, const QString& note);

// Ends the sheet and writes its picture and its cell map under its catalogue name.
void saveSheet(const Context& ctx, const QString& name, SheetCanvas& sheet);

}  // namespace zuvgen
