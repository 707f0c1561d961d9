#pragma once
// The arithmetic of the four date markers: which sheet holds a day, which grid cells stand for
// it and where their outlines go in the sheet view. Plain functions over Qt value types; the
// window methods (PaintDateGKS, PaintDateVRKS, VRKS_CalTable, VRKS_DayTable) load and draw.
//
// Coordinate spaces: "view pixels" are pixels of the sheet view StartImage, origin at its
// top-left; "grid cells" count columns and rows from 0 at the drawn sheet's top-left, a cell
// being 1/NX of the drawn width and 1/NY of the drawn height.

#include "core/FailureMessages.h"
#include "core/PictureFit.h"

#include <QDate>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace zuv {

struct GridCell {
    int col;
    int row;
    int span = 1;  // columns covered
};
inline bool operator==(const GridCell& a, const GridCell& b) {
    return a.col == b.col && a.row == b.row && a.span == b.span;
}
inline bool operator!=(const GridCell& a, const GridCell& b) { return !(a == b); }

// OneLess: width round(cw) − 1, height round(ch) − 1 (the Gregorian sheets);
// Span: width round(span · cw), height round(ch).
enum class MarkStyle { OneLess, Span };

struct MarkGrid {
    double nx = 0;  // grid divisors: cell width = drawn width / nx
    double ny = 0;  //                cell height = drawn height / ny
    int penWidth = 0;
    MarkStyle style = MarkStyle::Span;
};

MarkGrid gksGrid();        // 56 × 45.92, pen 3, OneLess
MarkGrid vrksYearGrid();   // 55.93 × 73.9, pen 2, Span
MarkGrid vrksTableGrid();  // 56 × 45.95, pen 2, Span (calendar table and day sheets)

// Rounding of every mark coordinate: to the nearest whole number, a half to the even
// neighbour (2.5 → 2, 3.5 → 4), as the platform's drawing API did. Not std::round.
int roundHalfEven(double v);

// The outline of a grid cell in view pixels: left = round(posX + col · cw),
// top = round(posY + row · ch), size by the grid's style.
QRect markRect(const SheetPlacement& p, const MarkGrid& g, const GridCell& c);

// Week column (posX) and row (posY) of a day on the Gregorian four-year sheets, for the years
// 2001 … 2052: column 2 is the Monday-to-Sunday week holding 1 January; the row is the
// weekday row (Monday first) inside the band of the year on its sheet, (year − 2001) mod 4.
void GetDatePosGKS(const QDate& inDate, int& posX, int& posY);

// True for the days of 2001 … 2052 that stand in week column 54 with a week 53 of their own
// year (a Monday-to-Sunday week wholly inside the year): they stay in column 54 instead of
// moving to the next year's first column.
bool isInGksWeek53Window(const QDate& date);

// "gs2001" … "gs2049": the four-year sheet showing the year; empty outside 2001 … 2052.
QString gksSheetName(int year);
// "vr1921" … "vr2049": the year sheet of a yuga (481 … 513).
QString vrksYearSheetName(int yuga);
// Base column of a yuga's group in the block table (row 69): 3, 9, 15, 21 for yugas
// 481 … 484 and 31, 37, 43, 49 for 509 … 512; nullopt for the yugas of the shared cell.
std::optional<int> vrksBlockBaseColumn(int yuga);


// Everything a marker needs before it touches the sheet.
struct MarkPlan {
    bool ok = false;             // false: nothing is drawn; failureMessage says why ("" when none is shown by the marker itself)
    QString failureMessage;      // e.g. "Ресурс для даты 31.12.2052 не найден" (exact text; date dd.mm.yyyy)
    QDate markedDate;            // what CurDate becomes; set on failure too (the marker stores it before it looks further)
    QString sheetName;           // lower case as the program asks for it: "gs2005", "vr1921", "vr481_day", "vrcaltable", "vr513_day"
    MarkGrid grid;               // always set to the marker's grid
    std::vector<GridCell> cells; // in drawing order
};

// Gregorian four-year sheets. A day outside 01.01.2001 … 31.12.2048 is replaced by `today`
// (which becomes markedDate). A day in column 54 or beyond outside the week-53 windows is
// marked in the first week column of the next year's band (band 3: of the next sheet), where
// it is shown greyed; markedDate stays the day itself. Fails with the not-found message when
// no sheet holds the year (only possible for a substituted `today`): for a year outside
// 2001 … 2052 with that day, for a late-December day of 2052 with the day one year on.
// Cells: the day, its weekday name (column 1), its week number (row 10 of its band).
MarkPlan planPaintDateGKS(const QDate& inDate, const QDate& today);

// VRKS year sheets. A day after 02.03.2049 is replaced by 02.03.2049. A day the day table does
// not hold (before 04.03.1921) fails with the not-found message. Cells: 12 for a day of the
// thirteen months; for an extra day 4 (yugas 485 … 508) or 6 (the others). Yuga 512 uses the
// yuga table shifted 21 columns to the right.
MarkPlan planPaintDateVRKS(const QDate& inDate, const QStringList& vrksData);

// VRKS calendar table "vrcaltable": nine cells for a day of the thirteen months, none for an
// extra day (the sheet is drawn unmarked). A day the table does not hold fails with the
// not-found message. No range rule: the dates of yuga 513 are marked normally.
MarkPlan planVRKS_CalTable(const QDate& inDate, const QStringList& vrksData);

// VRKS day sheets "vr481_day" … "vr513_day": the day in the table of its year, its weekday
// label and its week number. A day the table does not hold fails with the not-found message.
// For yuga 513 (03.03.2049 … 02.03.2053) the plan is ok with sheet "vr513_day" and its three
// cells although no such sheet exists: the window's loader then shows
// "Ошибка при загрузке ресурса -1 vr513_day" once and the marker reports the failure.
MarkPlan planVRKS_DayTable(const QDate& inDate, const QStringList& vrksData);

// The outlines of all cells of a plan, in drawing order.
std::vector<QRect> markRects(const SheetPlacement& p, const MarkPlan& plan);

// The blink's pen colours (ARGB) and their cycle: white, blue, red, white … A pen of any
// other colour stays as it is.
constexpr quint32 kPenWhite = 0xFFFFFFFFu;
constexpr quint32 kPenBlue = 0xFF0000FFu;
constexpr quint32 kPenRed = 0xFFFF0000u;
constexpr quint32 nextPenColor(quint32 pen) {
    return pen == kPenWhite ? kPenBlue : pen == kPenBlue ? kPenRed : pen == kPenRed ? kPenWhite : pen;
}

}  // namespace zuv
