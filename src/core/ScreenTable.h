#pragma once
// The screens of the main window: the table of rows that SelectMode applies, each row a list
// of named settings, and the rules of a screen that follow from the rows it runs (the frame's
// inset, the zoom factor, which corner pictures open their menus, the marker and with it the
// picker's limits and whether the screen can be dated). A new screen is one row here plus the
// command that leads to it.

#include "core/Screen.h"

#include <QDate>
#include <optional>
#include <vector>

namespace zuv {

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

// How far the bands stand in from the content panel's sides on the maximised window (the
// normal window always leaves room beside the right strip when it shows).
enum class Inset {
    Flush,        // 0
    BesideStrip,  // 10 while the right strip shows, else 0
    Always,       // 10
};

// Which corner pictures open their menu on a click.
struct CornerMenus {
    bool systems = true;   // MnuImage1, the calendar systems
    bool window = true;    // MnuImage2, the window commands
    bool section = true;   // MnuImage3, the system's section
    bool announce = true;  // MnuImage4, the announcement
};

struct ScreenRow {
    char id = 0;                            // the row's letter in the window's design, 'A' … 'Y'
    ScreenMode mode = ScreenMode::ProgramMain;
    std::optional<CalendarSystem> system;   // empty: any system
    std::optional<ControlPage> page;        // empty: any control page
    RowSetup setup = RowSetup::None;
    bool sideHidden = false;                // the section menu and the right strip are hidden
    const char* upperTitle = nullptr;       // CurrentKSLabel; both titles null: titles unchanged
    const char* lowerTitle = nullptr;       // CurrentModeLabel
    bool lowerTitleFirst = false;           // the lower title is set before the upper one
    bool loadsGrid = false;                 // the grid and side pictures are loaded after the layout
    const char* sheet = nullptr;            // the picture on the sheet view; null: none
    Marker marker = Marker::None;           // the marker of a dated screen
    bool cornersAfterMark = false;          // the corner pictures only once the marker drew
    const char* emblem = nullptr;           // the emblem of the four corner pictures; null: unchanged
    Inset inset = Inset::Flush;
    int zoom = 2;                           // "увеличить" enlarges the view this many times
    CornerMenus menus;

    // Named settings, so that a row reads as what it does.
    constexpr ScreenRow of(CalendarSystem s) const { ScreenRow r = *this; r.system = s; return r; }
    constexpr ScreenRow onPage(ControlPage p) const { ScreenRow r = *this; r.page = p; return r; }
    constexpr ScreenRow first(RowSetup s) const { ScreenRow r = *this; r.setup = s; return r; }
    constexpr ScreenRow hidesSide() const { ScreenRow r = *this; r.sideHidden = true; return r; }
    constexpr ScreenRow titles(const char* upper, const char* lower) const {
        ScreenRow r = *this; r.upperTitle = upper; r.lowerTitle = lower; return r;
    }
    constexpr ScreenRow lowerTitleSetFirst() const { ScreenRow r = *this; r.lowerTitleFirst = true; return r; }
    constexpr ScreenRow loadsTheGrid() const { ScreenRow r = *this; r.loadsGrid = true; return r; }
    constexpr ScreenRow shows(const char* name) const { ScreenRow r = *this; r.sheet = name; return r; }
    constexpr ScreenRow marks(Marker m) const { ScreenRow r = *this; r.marker = m; return r; }
    constexpr ScreenRow cornersOnceMarked() const { ScreenRow r = *this; r.cornersAfterMark = true; return r; }
    constexpr ScreenRow corners(const char* name) const { ScreenRow r = *this; r.emblem = name; return r; }
    constexpr ScreenRow insetBy(Inset i) const { ScreenRow r = *this; r.inset = i; return r; }
    constexpr ScreenRow zoomedBy(int z) const { ScreenRow r = *this; r.zoom = z; return r; }
    constexpr ScreenRow opensMenus(CornerMenus m) const { ScreenRow r = *this; r.menus = m; return r; }
};

constexpr ScreenRow row(char id, ScreenMode mode) {
    ScreenRow r;
    r.id = id;
    r.mode = mode;
    return r;
}

// All rows in the order SelectMode tests them; every row whose condition holds runs.
const std::vector<ScreenRow>& screenRows();
bool rowApplies(const ScreenRow& row, const Screen& screen);

// A screen's rules, gathered from every row it runs: the largest inset and zoom, a corner's
// menu only where no row closes it, the marker of its dated row. A screen no row matches has
// the defaults.
struct ScreenRules {
    Inset inset = Inset::Flush;
    int zoom = 2;
    CornerMenus menus;
    Marker marker = Marker::None;
    bool canBeDated() const { return marker != Marker::None; }
};
ScreenRules rulesOf(const Screen& screen);

}  // namespace zuv
