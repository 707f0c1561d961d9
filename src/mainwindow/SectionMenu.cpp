// The left section menu: its labels placed by the panel's height, and the entry under the
// pointer enlarged (likewise the control-section menu's labels).

#include "ZUVunit.h"

#include "core/FrameLayout.h"

namespace zuv {

void TFormZUV::FixMnuPos() {
    AutoLabel* const labels[] = {MMLabelZUV, MMLabel1, mnu1, mnu2, mnu3, Mnu4, mnu5, mnu6, mnu7};
    const int posX = MnuLeftPanel->width() / 2;
    const int h = MnuLeftPanel->height();
    for (AutoLabel* label : labels) label->move(posX - label->width() / 2, label->y());
    for (int i = 0; i < 9; ++i) labels[i]->move(labels[i]->x(), sectionLabelTop(h, i));
}

void TFormZUV::MnuSetFont(int MnuIndex) {
    if (MnuIndex == SelectMnuIndex) return;
    AutoLabel* const entries[] = {mnu1, mnu2, mnu3, Mnu4, mnu5, mnu6, mnu7};
    for (AutoLabel* entry : entries) entry->SetPointSize(12);
    if (MnuIndex >= 1 && MnuIndex <= 7) entries[MnuIndex - 1]->SetPointSize(16);
    FixMnuPos();
    SelectMnuIndex = MnuIndex;
}

void TFormZUV::MnuControlSetFont(int MnuIndex) {
    if (MnuIndex == SelectControlMnuIndex) return;
    AutoLabel* const labels[] = {LabelControlPatent, LabelControlLic, LabelControlDostup, LabelControlDopusk, LabelControlPlagiat};
    for (AutoLabel* label : labels) label->SetPointSize(10);
    if (MnuIndex >= 1 && MnuIndex <= 5) labels[MnuIndex - 1]->SetPointSize(12);
    SelectControlMnuIndex = MnuIndex;
}

void TFormZUV::MnuLeftPanelResize() {
    LeftImage->setGeometry(MnuLeftPanel->rect());  // the background fills the panel
    FixMnuPos();
}

}  // namespace zuv
