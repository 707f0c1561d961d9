#pragma once
// The screens of the main window: the codes of the calendar systems and of the screens, the
// date ranges of the four markers, and the table of rows that SelectMode applies. Every title,
// sheet, corner picture and picker range of a screen is written here once.

#include <QDate>
#include <vector>

namespace zuv {

// CurKS: the calendar system.
namespace ks {
enum : int { None = 0, Gregorian = 1, Vrks = 2, Zuv = 4 };
}

// CurrentMode: the screen within the system.
namespace screen {
enum : int {
    DateStandard = 1,         // VRKS annual format
    Chronology = 2,
    Dating = 3,
    Description = 5,          // short description of a system
    DatedSheet = 6,           // Gregorian four-year sheets, VRKS year sheets
    ProgramMain = 7,          // the grid of the 25 systems
    Interface = 8,            // description of the program's interface
    Astronomical = 9,
    Paschal = 10,
    VrksDayTable = 11,
    VrksCalendarTable = 12,
    YugaStandard = 14,        // VRKS yug format
    GregorianStandard = 15,
    JulianLilian = 16,
    Control = 17,
    MainPage = 100,           // the main page of a system
};
}

// PatentMode on the control screen.
namespace patent {
enum : int { Menu = 0, Page = 18 };
}

// The marker that draws a dated screen.
enum class Marker { None, GregorianSheets, VrksYearSheets, VrksDayTable, VrksCalendarTable };

// The days a marker takes from the picker, which are the picker's limits on its screen.
struct DateRange {
    QDate first;
    QDate last;
};
DateRange markerRange(Marker marker);

// What a row does before its titles beyond hiding the side.
enum class RowSetup {
    None,
    FitTheSheet,     // the main page of a system: the grid is hidden, the sheet fitted again
    Grid,            // the program's main screen: side, grid and section menu shown
    ControlMenu,     // the control section's menu
    PatentPage,      // the patent page over the control menu
    ClearFirst,      // the pictures are cleared before the titles
    ContentPanel,    // the grid hidden, the content panel shown
};

struct ScreenRow {
    char id;                 // the row's letter in the window's design, 'A' … 'Y'
    int mode;                // CurrentMode
    int ks;                  // CurKS, or kAnySystem
    int patent;              // PatentMode, or kAnyPatent
    RowSetup setup;
    bool sideHidden;         // the section menu and the right strip are hidden
    const char* upper;       // CurrentKSLabel; nullptr: unchanged
    const char* lower;       // CurrentModeLabel
    bool lowerFirst;         // the lower title is set before the upper one
    bool loadsGrid;          // the grid and side pictures are loaded after the layout
    const char* sheet;       // the picture on the sheet view; nullptr: none
    Marker marker;           // the marker of a dated screen
    bool cornersAfterMark;   // the corner pictures only once the marker drew
    const char* corner;      // the emblem of the four corner pictures; nullptr: unchanged
};

constexpr int kAnySystem = -1;
constexpr int kAnyPatent = -1;

// All rows in the order SelectMode tests them; every row whose condition holds runs.
const std::vector<ScreenRow>& screenRows();
bool rowApplies(const ScreenRow& row, int ks, int mode, int patent);

// The marker of a dated screen, Marker::None elsewhere.
Marker markerOf(int ks, int mode);

}  // namespace zuv
