#include "MarkerGeometry.h"

#include "core/DayTable.h"
#include "core/ScreenTable.h"
#include "core/SheetGrids.h"

#include <cmath>

namespace zuv {

namespace {

constexpr int kGksFirstSheetYear = 2001;
constexpr int kGksLastSheetYear = 2052;  // the last year the sheet "gs2049" shows

// The days the pickers offer are the days the markers take.
QDate gksRangeFirst() { return markerRange(Marker::GregorianSheets).first; }
QDate gksRangeLast() { return markerRange(Marker::GregorianSheets).last; }
QDate vrksYearSheetLastDate() { return markerRange(Marker::VrksYearSheets).last; }  // last day of yuga 512

// Yuga table (table 6) and its copy for yuga 512 (table 7); the extra days' places are in
// SheetGrids.h.
constexpr int kYugaTableYearRow = 55;
// Block table (table 9).
constexpr int kBlockYearRow = 69;
constexpr int kBlockSharedColumn = 27;
// Day of the yuga of its first extra day (1456 = 4 × 364).
constexpr int kFirstExtraDayOfYuga = 1457;

// Column and row of a VRKS day of the year in the first table: week column 2 … 53 (54 for the
// extra days), weekday row 3 … 9.
int vrksColumn(int dayYear) { return (dayYear - 1) / 7 + 2; }
int vrksRow(int dayYear) { return (dayYear - 1) % 7 + 3; }

MarkPlan failed(MarkPlan plan, const QDate& messageDate) {
    plan.ok = false;
    plan.failureMessage = dateNotFoundMessage(messageDate);
    plan.cells.clear();
    return plan;
}

}  // namespace

MarkGrid gksGrid() { return MarkGrid{kGregorianSheetGrid.columns, kGregorianSheetGrid.rows, 3, MarkStyle::OneLess}; }
MarkGrid vrksYearGrid() { return MarkGrid{kVrksYearSheetGrid.columns, kVrksYearSheetGrid.rows, 2, MarkStyle::Span}; }
MarkGrid vrksTableGrid() { return MarkGrid{kVrksTableGrid.columns, kVrksTableGrid.rows, 2, MarkStyle::Span}; }

int roundHalfEven(double v) {
    // nearbyint follows the floating-point rounding mode, which is to-nearest-even by default.
    return int(std::nearbyint(v));
}

QRect markRect(const SheetPlacement& p, const MarkGrid& g, const GridCell& c) {
    const double cw = p.drawnWidth / g.nx;
    const double ch = p.drawnHeight / g.ny;
    const int left = roundHalfEven(p.posX + c.col * cw);
    const int top = roundHalfEven(p.posY + c.row * ch);
    if (g.style == MarkStyle::OneLess)
        return QRect(left, top, roundHalfEven(cw) - 1, roundHalfEven(ch) - 1);
    return QRect(left, top, roundHalfEven(c.span * cw), roundHalfEven(ch));
}

std::vector<QRect> markRects(const SheetPlacement& p, const MarkPlan& plan) {
    std::vector<QRect> rects;
    rects.reserve(plan.cells.size());
    for (const GridCell& c : plan.cells) rects.push_back(markRect(p, plan.grid, c));
    return rects;
}

void GetDatePosGKS(const QDate& inDate, int& posX, int& posY) {
    const int year = inDate.year();
    const int firstWeekday = QDate(year, 1, 1).dayOfWeek();  // 1 Monday … 7 Sunday
    posX = 2 + (firstWeekday + inDate.dayOfYear() - 2) / 7;
    const int band = ((year - kGksFirstSheetYear) % 4 + 4) % 4;
    posY = 2 + inDate.dayOfWeek() + 11 * band;
}

bool isInGksWeek53Window(const QDate& date) {
    // Each window holds the seven days strictly between its two dates.
    static const struct { QDate after, before; } windows[] = {
        {QDate(2006, 12, 24), QDate(2007, 1, 1)},  {QDate(2012, 12, 23), QDate(2012, 12, 31)},
        {QDate(2017, 12, 24), QDate(2018, 1, 1)},  {QDate(2023, 12, 24), QDate(2024, 1, 1)},
        {QDate(2028, 12, 24), QDate(2029, 1, 1)},  {QDate(2034, 12, 24), QDate(2035, 1, 1)},
        {QDate(2040, 12, 23), QDate(2040, 12, 31)}, {QDate(2045, 12, 24), QDate(2046, 1, 1)},
        {QDate(2051, 12, 24), QDate(2052, 1, 1)},
    };
    for (const auto& w : windows)
        if (date > w.after && date < w.before) return true;
    return false;
}

QString gksSheetName(int year) {
    if (year < kGksFirstSheetYear || year > kGksLastSheetYear) return QString();
    return QStringLiteral("gs%1").arg(kGksFirstSheetYear + 4 * ((year - kGksFirstSheetYear) / 4));
}

QString vrksYearSheetName(int yuga) { return QStringLiteral("vr%1").arg(1921 + 4 * (yuga - kFirstYuga)); }

std::optional<int> vrksBlockBaseColumn(int yuga) {
    if (yuga >= 481 && yuga <= 484) return 3 + 6 * (yuga - 481);
    if (yuga >= 509 && yuga <= 512) return 31 + 6 * (yuga - 509);
    return std::nullopt;
}

namespace {
// A day of the year in the four stacked year tables of a VRKS sheet: its cell, column header
// and row header in the first table, then its cell and row header in each of the three below.
void addDayInFourTables(std::vector<GridCell>& cells, int col, int row) {
    cells.push_back({col, row});
    cells.push_back({col, 10});
    cells.push_back({1, row});
    for (int t = 1; t <= 3; ++t) {
        cells.push_back({col, row + 11 * t});
        cells.push_back({1, row + 11 * t});
    }
}
}  // namespace

MarkPlan planPaintDateGKS(const QDate& inDate, const QDate& today) {
    MarkPlan plan;
    plan.grid = gksGrid();
    QDate date = inDate;
    if (date < gksRangeFirst() || date > gksRangeLast()) date = today;
    plan.markedDate = date;
    if (date.year() < kGksFirstSheetYear || date.year() > kGksLastSheetYear) return failed(plan, date);

    int col = 0, row = 0;
    GetDatePosGKS(date, col, row);
    // A late-December day past week column 53 that has no week 53 of its own is shown (greyed)
    // in the first week column of the next year: the next band, or the first band of the next
    // sheet when it is the sheet's last year.
    QDate sheetDate = date;
    if (col > 53 && !isInGksWeek53Window(date)) {
        col = 2;
        if (row < 33) {
            row += 11;
        } else {
            row -= 33;
            sheetDate = date.addYears(1);
        }
    }
    plan.sheetName = gksSheetName(sheetDate.year());
    if (plan.sheetName.isEmpty()) return failed(plan, sheetDate);

    const int band = (row - 3) / 11;
    plan.cells = {{col, row}, {1, row}, {col, 10 + 11 * band}};
    plan.ok = true;
    return plan;
}

MarkPlan planPaintDateVRKS(const QDate& inDate, const QStringList& vrksData) {
    MarkPlan plan;
    plan.grid = vrksYearGrid();
    const QDate date = inDate > vrksYearSheetLastDate() ? vrksYearSheetLastDate() : inDate;
    plan.markedDate = date;
    const std::optional<DayTableEntry> e = lookupDay(vrksData, date);
    if (!e) return failed(plan, date);

    const int col = vrksColumn(e->dayYear);
    const int row = vrksRow(e->dayYear);
    const bool extraDay = e->day >= kFirstExtraDayOfYuga;
    const int shift = e->yuga == 512 ? kYuga512Shift : 0;
    plan.sheetName = vrksYearSheetName(e->yuga);

    std::vector<GridCell>& cells = plan.cells;
    if (!extraDay) {
        addDayInFourTables(cells, col, row);
    } else {
        cells.push_back({kYugaTableExtraColumn + shift, row + 45});  // rows 48 … 52
    }
    // Season 5 is the extra days: its cell is the extra-day column's header.
    const int season = e->dayYear > 364 ? 5 : (e->dayYear - 1) / 91 + 1;
    cells.push_back({season + 5 + 4 * e->yearOffset + shift, kYugaTableSeasonRow});
    if (season == 5) cells.push_back({kYugaTableExtraColumn + shift, kYugaTableYearRow});
    if (!extraDay) cells.push_back({6 + 4 * e->yearOffset + shift, kYugaTableYearRow, 4});

    if (const std::optional<int> base = vrksBlockBaseColumn(e->yuga)) {
        if (!extraDay) {
            cells.push_back({*base + e->yearOffset - 1, kBlockYearRow});
        } else {
            cells.push_back({*base + 4, kBlockYearRow, 2});
            cells.push_back({*base + 4, kBlockExtraHeaderRow, 2});
            cells.push_back({*base + 4, e->day - 1395, 2});  // rows 62 … 66
        }
    } else {
        cells.push_back({kBlockSharedColumn, kBlockYearRow, 4});
    }
    plan.ok = true;
    return plan;
}

MarkPlan planVRKS_CalTable(const QDate& inDate, const QStringList& vrksData) {
    MarkPlan plan;
    plan.grid = vrksTableGrid();
    plan.markedDate = inDate;
    const std::optional<DayTableEntry> e = lookupDay(vrksData, inDate);
    if (!e) return failed(plan, inDate);

    plan.sheetName = QStringLiteral("vrcaltable");
    const int col = vrksColumn(e->dayYear);
    const int row = vrksRow(e->dayYear);
    // The calendar table has no column for the extra days: they get the bare sheet.
    if (col < 54) addDayInFourTables(plan.cells, col, row);
    plan.ok = true;
    return plan;
}

MarkPlan planVRKS_DayTable(const QDate& inDate, const QStringList& vrksData) {
    MarkPlan plan;
    plan.grid = vrksTableGrid();
    plan.markedDate = inDate;
    const std::optional<DayTableEntry> e = lookupDay(vrksData, inDate);
    if (!e) return failed(plan, inDate);

    if (e->yuga >= kFirstYuga && e->yuga <= kLastYuga) plan.sheetName = QStringLiteral("vr%1_day").arg(e->yuga);
    const int col = vrksColumn(e->dayYear);  // the extra days of year 4 fall into column 54
    const int tableOffset = 11 * (e->yearOffset - 1);
    const int row = vrksRow(e->dayYear) + tableOffset;
    plan.cells = {{col, row}, {1, row}, {col, 10 + tableOffset}};
    plan.ok = true;
    return plan;
}

}  // namespace zuv
