#pragma once
// The grids of the dated sheets: how many columns and rows of cells a drawn sheet is cut
// into. The generator draws the sheets on these grids and the markers find their cells on
// them, so this is the one place they are written.

namespace zuv {

struct SheetGrid {
    double columns;
    double rows;
};

constexpr SheetGrid kGregorianSheetGrid{56, 45.92};  // the four-year sheets "gs2001" … "gs2049"
constexpr SheetGrid kVrksYearSheetGrid{55.93, 73.9};  // the year sheets "vr1921" … "vr2045"
constexpr SheetGrid kVrksTableGrid{56, 45.95};        // the calendar table and the day sheets

// Where a VRKS year sheet puts its extra days. The yuga table (and its copy for yuga 512,
// shifted right) has the seasons' row and, below it, extra day E in row 47 + E of the extra-day
// column; the block of yugas has extra day E in row 61 + E. The markers outline these cells and
// the pointer's tooltip reads them back.
constexpr int kYugaTableExtraColumn = 26;
constexpr int kYugaTableSeasonRow = 47;
constexpr int kYuga512Shift = 21;
constexpr int kBlockExtraHeaderRow = 61;

}  // namespace zuv
