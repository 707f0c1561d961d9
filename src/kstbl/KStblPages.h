#pragma once
// The pages of the calendar systems table window: which picture each page shows, how it is
// drawn and the caption of the bottom band.

#include "core/PictureFit.h"

#include <QString>

namespace zuv {

// CurrentMode of the table window: the page it shows, by the window design's codes.
enum class KStblMode : int {
    Overview = 0,      // the overview table
    DateStandard = 1,  // the date-representation standard
    Blank = 2,         // nothing of its own: page and caption stay as they are
    DatingSheet = 3,   // the dating sheet
};

struct KStblPage {
    QString resource;   // name in the resource store
    Fit fit;            // keep the picture's proportions, or stretch it over the view
    QString caption;    // text of CurrentModeLabel
};

// The page of a CurrentMode, or nullptr when the mode leaves page and caption as they are.
const KStblPage* kstblPageFor(KStblMode mode);

}  // namespace zuv
