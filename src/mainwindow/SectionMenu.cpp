// The left section menu: its labels placed by the panel's height, and the entry under the
// pointer enlarged (likewise the control-section menu's labels).

#include "ZUVunit.h"

#include "core/FrameLayout.h"

#include <algorithm>

namespace zuv {

void TFormZUV::FixMnuPos() {
    const auto entries = SectionEntries();
    std::array<AutoLabel*, 9> labels{MMLabelZUV, MMLabel1};
    std::copy(entries.begin(), entries.end(), labels.begin() + 2);
    const int posX = MnuLeftPanel->width() / 2;
    const int h = MnuLeftPanel->height();
    for (int i = 0; i < 9; ++i) labels[i]->move(posX - labels[i]->width() / 2, sectionLabelTop(h, i));
}

void TFormZUV::MnuSetFont(int MnuIndex) {
    if (MnuIndex == SelectMnuIndex) return;
    const auto entries = SectionEntries();
    for (AutoLabel* entry : entries) entry->SetPointSize(12);
    if (MnuIndex >= 1 && MnuIndex <= 7) entries[MnuIndex - 1]->SetPointSize(16);
    FixMnuPos();
    SelectMnuIndex = MnuIndex;
}

void TFormZUV::MnuControlSetFont(int MnuIndex) {
    if (MnuIndex == SelectControlMnuIndex) return;
    const auto labels = ControlEntries();
    for (AutoLabel* label : labels) label->SetPointSize(10);
    if (MnuIndex >= 1 && MnuIndex <= 5) labels[MnuIndex - 1]->SetPointSize(12);
    SelectControlMnuIndex = MnuIndex;
}

void TFormZUV::MnuLeftPanelResize() {
    LeftImage->setGeometry(MnuLeftPanel->rect());  // the background fills the panel
    FixMnuPos();
}

}  // namespace zuv
