#pragma once
// What the main window shows, as types: the calendar system (CurKS), the screen within it
// (CurrentMode), the page of the control section (PatentMode), and the three together. The
// numbers are the window design's own codes, so a state read back as a number still means
// what the design says; nothing compares or assigns them as bare integers.

namespace zuv {

enum class CalendarSystem : int { None = 0, Gregorian = 1, Vrks = 2, Zuv = 4 };

enum class ScreenMode : int {
    DateStandard = 1,       // VRKS annual format
    Chronology = 2,
    Dating = 3,
    Description = 5,        // short description of a system
    DatedSheet = 6,         // Gregorian four-year sheets, VRKS year sheets
    ProgramMain = 7,        // the grid of the 25 systems
    Interface = 8,          // description of the program's interface
    Astronomical = 9,
    Paschal = 10,
    VrksDayTable = 11,
    VrksCalendarTable = 12,
    YugaStandard = 14,      // VRKS yug format
    GregorianStandard = 15,
    JulianLilian = 16,
    Control = 17,
    MainPage = 100,         // the main page of a system
};

enum class ControlPage : int { Menu = 0, Patent = 18 };

struct Screen {
    CalendarSystem system = CalendarSystem::None;
    ScreenMode mode = ScreenMode::ProgramMain;
    ControlPage page = ControlPage::Menu;

    constexpr bool operator==(const Screen& o) const { return system == o.system && mode == o.mode && page == o.page; }
    constexpr bool operator!=(const Screen& o) const { return !(*this == o); }
};

}  // namespace zuv
