#pragma once
// The pages of the calendar systems table window: which picture each page shows, how it is
// drawn and the caption of the bottom band. Page 2 has nothing of its own.

#include <QString>

namespace zuv {

struct KStblPage {
    QString resource;   // name in the resource store
    bool proportional;  // keep the picture's proportions, or stretch it over the view
    QString caption;    // text of CurrentModeLabel
};

// The page of a CurrentMode, or nullptr when the mode leaves page and caption as they are.
const KStblPage* kstblPageFor(int mode);

}  // namespace zuv
