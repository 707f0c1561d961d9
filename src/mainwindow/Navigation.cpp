// The commands that choose a calendar system and a screen: each only sets the screen state
// and calls SelectMode, which does the visible work.

#include "ZUVunit.h"

#include "core/ScreenTable.h"

namespace zuv {

void TFormZUV::N4Click() { CurKS = ks::Zuv; CurrentMode = screen::MainPage; SelectMode(); }
void TFormZUV::N5Click() { CurKS = ks::Gregorian; CurrentMode = screen::MainPage; SelectMode(); }
void TFormZUV::N6Click() { CurKS = ks::Vrks; CurrentMode = screen::MainPage; SelectMode(); }
void TFormZUV::KSimg1Click() { CurKS = ks::Zuv; CurrentMode = screen::MainPage; SelectMode(); }
void TFormZUV::KSimg2Click() { CurKS = ks::Gregorian; CurrentMode = screen::MainPage; SelectMode(); }
void TFormZUV::KSimg3Click() { CurKS = ks::Vrks; CurrentMode = screen::MainPage; SelectMode(); }

void TFormZUV::N42Click() {
    if (CurKS == ks::Vrks) CurrentMode = screen::VrksDayTable;  // the VRKS day table
    if (CurKS == ks::Gregorian) CurrentMode = screen::DatedSheet;   // the Gregorian dated sheet
    SelectMode();
}

void TFormZUV::N40Click() { CurrentMode = screen::DateStandard; SelectMode(); }
void TFormZUV::N41Click() { CurrentMode = screen::YugaStandard; SelectMode(); }
void TFormZUV::mnu_grks_spdClick() { CurrentMode = screen::GregorianStandard; SelectMode(); }
void TFormZUV::N30Click() { CurrentMode = screen::Dating; SelectMode(); }
void TFormZUV::N31Click() { CurrentMode = screen::Chronology; SelectMode(); }
void TFormZUV::N38Click() { CurrentMode = screen::Astronomical; SelectMode(); }
void TFormZUV::N39Click() { CurrentMode = screen::Paschal; SelectMode(); }
void TFormZUV::N29Click() { CurrentMode = screen::JulianLilian; SelectMode(); }

void TFormZUV::N32Click() {
    // On the program's own screens the announcement is the interface guide; elsewhere the
    // short description of the current system.
    CurrentMode = (CurrentMode == screen::ProgramMain || CurrentMode == screen::Interface) ? screen::Interface : screen::Description;
    SelectMode();
}

void TFormZUV::mnu1Click() { SelectMnuPos(1); }
void TFormZUV::mnu3Click() { SelectMnuPos(3); }
void TFormZUV::mnu5Click() { MnuSetFont(5); }
void TFormZUV::mnu6Click() { SelectMnuPos(6); }
void TFormZUV::MnuMainWndClick() { SelectMnuPos(1); }

void TFormZUV::LabelControlPatentClick() {
    PatentMode = patent::Page;
    SelectMode();
}

void TFormZUV::SelectMnuPos(int MnuIndex) {
    if (MnuIndex == 1) {
        CurrentMode = screen::ProgramMain;
        SelectMode();
    } else if (MnuIndex == 6) {
        CurrentMode = screen::Control;
        PatentMode = patent::Menu;
        SelectMode();
    }
}

}  // namespace zuv
