#pragma once
// The markers' arithmetic run backwards, for the pointer resting on a dated sheet: which grid
// cell of the drawn sheet lies under a point of the view, and what that cell stands for on
// its sheet (a day, a day of the VRKS year, an extra day). Coordinates as in MarkerGeometry.h.

#include "core/MarkerGeometry.h"
#include "core/PictureFit.h"

#include <QDate>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <optional>

namespace zuv {

// The cell (span 1) of the grid that holds a point of the view: column floor((x − posX) / cw),
// row likewise, cw and ch as markRect has them; nullopt off the drawn sheet.
std::optional<GridCell> cellAt(const SheetPlacement& placement, const MarkGrid& grid, const QPointF& viewPoint);

// What a cell shows; all empty for a title, a label, a header, a filler or an empty cell.
struct CellMeaning {
    QDate day;          // a Gregorian day the cell shows
    int dayOfYear = 0;  // 1 … 364: the day of any VRKS year (the year tables)
    int extraDay = 0;   // 1 … 5: an extra day of a yuga (with its day)
    bool isEmpty() const { return !day.isValid() && dayOfYear == 0 && extraDay == 0; }
};
bool operator==(const CellMeaning& a, const CellMeaning& b);

// The meaning of a cell on a sheet as the program names it:
// "gs2001" … "gs2049": the day in that week column and weekday row of a year's band, greyed
// days of the neighbouring years included;
// "vr481_day" … "vr512_day": the date in that cell of a year's table;
// "vr1921" … "vr2049": in the four year tables the day of the year; in the yuga table and in
// the block of yugas an extra day with its date;
// "vrcaltable": the day of the year.
CellMeaning cellMeaning(const QString& sheetName, const GridCell& cell, const QStringList& dayTable);

}  // namespace zuv
