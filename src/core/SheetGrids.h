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

}  // namespace zuv
