// The commands that choose a calendar system and a screen: each only sets the screen state
// and calls SelectMode, which does the visible work.

#include "ZUVunit.h"

namespace zuv {

void TFormZUV::N4Click() { CurKS = 4; CurrentMode = 100; SelectMode(); }
void TFormZUV::N5Click() { CurKS = 1; CurrentMode = 100; SelectMode(); }
void TFormZUV::N6Click() { CurKS = 2; CurrentMode = 100; SelectMode(); }
void TFormZUV::KSimg1Click() { CurKS = 4; CurrentMode = 100; SelectMode(); }
void TFormZUV::KSimg2Click() { CurKS = 1; CurrentMode = 100; SelectMode(); }
void TFormZUV::KSimg3Click() { CurKS = 2; CurrentMode = 100; SelectMode(); }

void TFormZUV::N42Click() {
    if (CurKS == 2) CurrentMode = 11;  // the VRKS day table
    if (CurKS == 1) CurrentMode = 6;   // the Gregorian dated sheet
    SelectMode();
}

void TFormZUV::N40Click() { CurrentMode = 1; SelectMode(); }
void TFormZUV::N41Click() { CurrentMode = 14; SelectMode(); }
void TFormZUV::mnu_grks_spdClick() { CurrentMode = 15; SelectMode(); }
void TFormZUV::N30Click() { CurrentMode = 3; SelectMode(); }
void TFormZUV::N31Click() { CurrentMode = 2; SelectMode(); }
void TFormZUV::N38Click() { CurrentMode = 9; SelectMode(); }
void TFormZUV::N39Click() { CurrentMode = 10; SelectMode(); }
void TFormZUV::N29Click() { CurrentMode = 16; SelectMode(); }

void TFormZUV::N32Click() {
    // On the program's own screens the announcement is the interface guide; elsewhere the
    // short description of the current system.
    CurrentMode = (CurrentMode == 7 || CurrentMode == 8) ? 8 : 5;
    SelectMode();
}

void TFormZUV::mnu1Click() { SelectMnuPos(1); }
void TFormZUV::mnu3Click() { SelectMnuPos(3); }
void TFormZUV::mnu5Click() { MnuSetFont(5); }
void TFormZUV::mnu6Click() { SelectMnuPos(6); }
void TFormZUV::MnuMainWndClick() { SelectMnuPos(1); }

void TFormZUV::LabelControlPatentClick() {
    PatentMode = 18;
    SelectMode();
}

void TFormZUV::SelectMnuPos(int MnuIndex) {
    if (MnuIndex == 1) {
        CurrentMode = 7;
        SelectMode();
    } else if (MnuIndex == 6) {
        CurrentMode = 17;
        PatentMode = 0;
        SelectMode();
    }
}

}  // namespace zuv
