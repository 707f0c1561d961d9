// The cell under a point and its meaning: the grid of MarkerGeometry.h read the other way, and
// the places of days on each family of dated sheets.

#include "SheetCells.h"

#include "core/DayTable.h"
#include "core/SheetGrids.h"
#include "core/VrksDates.h"

namespace zuv {

namespace {

// Every dated sheet stacks four tables of eleven rows: a header row, the weekday rows 3 … 9
// (counted in the first table), then the week numbers and a caption; the week columns start
// at column 2. These are the places the markers outline, read the other way.
constexpr int kTableRows = 11;
constexpr int kFirstWeekdayRow = 3;
constexpr int kWeekdays = 7;
constexpr int kFirstWeekColumn = 2;
constexpr int kGregorianLastWeekColumn = 54;  // a week 53, or the next year's first week again
constexpr int kVrksLastWeekColumn = 53;       // the 52 weeks of a VRKS year
constexpr int kDaySheetLastWeekColumn = 54;   // the extra days of year 4
constexpr int kBlockExtraColumnFromBase = 4;  // two columns wide

// A cell's table (0 … 3) and its day in that table, 0-based, week column by week column.
struct TablePlace {
    int table;
    int dayIndex;
};

std::optional<TablePlace> placeInFourTables(const GridCell& cell, int lastWeekColumn) {
    if (cell.row < kFirstWeekdayRow || cell.col < kFirstWeekColumn || cell.col > lastWeekColumn) return std::nullopt;
    const int table = (cell.row - kFirstWeekdayRow) / kTableRows;
    const int weekdayRow = (cell.row - kFirstWeekdayRow) % kTableRows;
    if (table > 3 || weekdayRow >= kWeekdays) return std::nullopt;
    return TablePlace{table, kWeekdays * (cell.col - kFirstWeekColumn) + weekdayRow};
}

// Sheet "gsYYYY": band b holds the year YYYY + b from the Monday of the week of 1 January.
CellMeaning gregorianSheetCell(int firstYear, const GridCell& cell) {
    const std::optional<TablePlace> place = placeInFourTables(cell, kGregorianLastWeekColumn);
    if (!place) return {};
    const QDate january1(firstYear + place->table, 1, 1);
    return {january1.addDays(1 - january1.dayOfWeek() + place->dayIndex)};
}

// The weekday row 1 … 7 below a header row; 0 for any other row.
int rowBelow(int row, int headerRow) {
    const int below = row - headerRow;
    return below >= 1 && below <= kWeekdays ? below : 0;
}

CellMeaning extraDayOfYuga(int yuga, int extraDay, const QStringList& dayTable) {
    const std::optional<QDate> date = vrksDate(yuga, 4, kVrksYearDays + extraDay, dayTable);
    if (!date) return {};  // a filler, or a row below the yuga's last extra day
    return {*date, 0, extraDay};
}

// Sheet "vrYYYY" of a yuga: the four year tables, its yuga table and the block of yugas.
CellMeaning yearSheetCell(int yuga, const GridCell& cell, const QStringList& dayTable) {
    if (const std::optional<TablePlace> place = placeInFourTables(cell, kVrksLastWeekColumn))
        return {QDate(), place->dayIndex + 1};
    // The yuga table's extra-day column and one of the block's share column 26, in other rows.
    const int extraColumn = kYugaTableExtraColumn + (yuga == 512 ? kYuga512Shift : 0);
    if (const int extraDay = rowBelow(cell.row, kYugaTableSeasonRow); extraDay && cell.col == extraColumn)
        return extraDayOfYuga(yuga, extraDay, dayTable);
    const int blockExtraDay = rowBelow(cell.row, kBlockExtraHeaderRow);
    if (!blockExtraDay) return {};
    for (int blockYuga = kFirstYuga; blockYuga <= kLastYuga; ++blockYuga) {
        const std::optional<int> base = vrksBlockBaseColumn(blockYuga);
        if (!base) continue;
        const int extraColumnLeft = *base + kBlockExtraColumnFromBase;
        if (cell.col == extraColumnLeft || cell.col == extraColumnLeft + 1) return extraDayOfYuga(blockYuga, blockExtraDay, dayTable);
    }
    return {};
}

// Sheet "vrN_day": table t holds year t + 1 of yuga N.
CellMeaning daySheetCell(int yuga, const GridCell& cell, const QStringList& dayTable) {
    const std::optional<TablePlace> place = placeInFourTables(cell, kDaySheetLastWeekColumn);
    if (!place) return {};
    const std::optional<QDate> date = vrksDate(yuga, place->table + 1, place->dayIndex + 1, dayTable);
    return date ? CellMeaning{*date} : CellMeaning{};
}

}  // namespace

bool operator==(const CellMeaning& a, const CellMeaning& b) {
    return a.day == b.day && a.dayOfYear == b.dayOfYear && a.extraDay == b.extraDay;
}

std::optional<GridCell> cellAt(const SheetPlacement& placement, const MarkGrid& grid, const QPointF& viewPoint) {
    const double x = viewPoint.x() - placement.posX;
    const double y = viewPoint.y() - placement.posY;
    if (!(x >= 0 && y >= 0 && x < placement.drawnWidth && y < placement.drawnHeight)) return std::nullopt;
    const double cw = placement.drawnWidth / grid.nx;
    const double ch = placement.drawnHeight / grid.ny;
    return GridCell{int(x / cw), int(y / ch)};
}

CellMeaning cellMeaning(const QString& sheetName, const GridCell& cell, const QStringList& dayTable) {
    const QString vr = QStringLiteral("vr");
    const QString daySuffix = QStringLiteral("_day");
    if (sheetName == QLatin1String("vrcaltable")) {
        const std::optional<TablePlace> place = placeInFourTables(cell, kVrksLastWeekColumn);
        return place ? CellMeaning{QDate(), place->dayIndex + 1} : CellMeaning{};
    }
    if (sheetName.startsWith(QLatin1String("gs"))) {
        const int firstYear = sheetName.mid(2).toInt();
        return gksSheetName(firstYear) == sheetName ? gregorianSheetCell(firstYear, cell) : CellMeaning{};
    }
    if (sheetName.startsWith(vr) && sheetName.endsWith(daySuffix)) {
        const int yuga = sheetName.mid(vr.size(), sheetName.size() - vr.size() - daySuffix.size()).toInt();
        return yuga >= kFirstYuga && yuga <= kLastYuga ? daySheetCell(yuga, cell, dayTable) : CellMeaning{};
    }
    if (sheetName.startsWith(vr)) {
        const int year = sheetName.mid(vr.size()).toInt();
        const int yuga = kFirstYuga + (year - yugaStartDate(kFirstYuga).year()) / 4;
        const bool isYearSheet = yuga >= kFirstYuga && yuga <= kLastYuga && vrksYearSheetName(yuga) == sheetName;
        return isYearSheet ? yearSheetCell(yuga, cell, dayTable) : CellMeaning{};
    }
    return {};
}

}  // namespace zuv
