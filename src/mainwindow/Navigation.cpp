// The commands that choose a calendar system and a screen: each only sets the screen state
// and calls SelectMode, which does the visible work.

#include "ZUVunit.h"

#include "core/ScreenTable.h"

namespace zuv {

void TFormZUV::ShowScreen(const Screen& screen) {
    CurKS = screen.system;
    CurrentMode = screen.mode;
    PatentMode = screen.page;
    SelectMode();
}

void TFormZUV::N4Click() { ShowScreen({CalendarSystem::Zuv, ScreenMode::MainPage, PatentMode}); }
void TFormZUV::N5Click() { ShowScreen({CalendarSystem::Gregorian, ScreenMode::MainPage, PatentMode}); }
void TFormZUV::N6Click() { ShowScreen({CalendarSystem::Vrks, ScreenMode::MainPage, PatentMode}); }
// The grid's three system icons are the systems menu's first three items.
void TFormZUV::KSimg1Click() { N4Click(); }
void TFormZUV::KSimg2Click() { N5Click(); }
void TFormZUV::KSimg3Click() { N6Click(); }

void TFormZUV::N42Click() {
    if (CurKS == CalendarSystem::Vrks) CurrentMode = ScreenMode::VrksDayTable;  // the VRKS day table
    if (CurKS == CalendarSystem::Gregorian) CurrentMode = ScreenMode::DatedSheet;   // the Gregorian dated sheet
    SelectMode();
}

void TFormZUV::N40Click() { CurrentMode = ScreenMode::DateStandard; SelectMode(); }
void TFormZUV::N41Click() { CurrentMode = ScreenMode::YugaStandard; SelectMode(); }
void TFormZUV::mnu_grks_spdClick() { CurrentMode = ScreenMode::GregorianStandard; SelectMode(); }
void TFormZUV::N30Click() { CurrentMode = ScreenMode::Dating; SelectMode(); }
void TFormZUV::N31Click() { CurrentMode = ScreenMode::Chronology; SelectMode(); }
void TFormZUV::N38Click() { CurrentMode = ScreenMode::Astronomical; SelectMode(); }
void TFormZUV::N39Click() { CurrentMode = ScreenMode::Paschal; SelectMode(); }
void TFormZUV::N29Click() { CurrentMode = ScreenMode::JulianLilian; SelectMode(); }

void TFormZUV::N32Click() {
    // On the program's own screens the announcement is the interface guide; elsewhere the
    // short description of the current system.
    CurrentMode = (CurrentMode == ScreenMode::ProgramMain || CurrentMode == ScreenMode::Interface) ? ScreenMode::Interface : ScreenMode::Description;
    SelectMode();
}

void TFormZUV::mnu1Click() { SelectMnuPos(1); }
void TFormZUV::mnu3Click() { SelectMnuPos(3); }
void TFormZUV::mnu5Click() { MnuSetFont(5); }
void TFormZUV::mnu6Click() { SelectMnuPos(6); }
void TFormZUV::MnuMainWndClick() { SelectMnuPos(1); }

void TFormZUV::LabelControlPatentClick() {
    PatentMode = ControlPage::Patent;
    SelectMode();
}

void TFormZUV::SelectMnuPos(int MnuIndex) {
    if (MnuIndex == 1) {
        CurrentMode = ScreenMode::ProgramMain;
        SelectMode();
    } else if (MnuIndex == 6) {
        CurrentMode = ScreenMode::Control;
        PatentMode = ControlPage::Menu;
        SelectMode();
    }
}

}  // namespace zuv
