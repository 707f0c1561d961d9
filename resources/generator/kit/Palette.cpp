// The one page palette all pages read.

#include "kit/Palette.h"

namespace zuvgen {

const PagePalette& pagePalette() {
    static const PagePalette palette;
    return palette;
}

}  // namespace zuvgen
