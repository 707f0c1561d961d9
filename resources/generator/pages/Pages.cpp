// The jobs of all pages, one a page.

#include "pages/Pages.h"

#include "pages/GregorianPages.h"
#include "pages/VrksPages.h"
#include "pages/ZuvPages.h"

namespace zuvgen {

std::vector<Job> pageJobs(const Context& ctx) {
    return {
        [ctx] { drawGregorianStandardPage(ctx); },
        [ctx] { drawJulianLilianPage(ctx); },
        [ctx] { drawGregorianChronologyPage(ctx); },
        [ctx] { drawGregorianDatingPage(ctx); },
        [ctx] { drawGregorianDescriptionPage(ctx); },
        [ctx] { drawInterfacePage(ctx); },
        [ctx] { drawPatentPage(ctx); },
        [ctx] { drawGregorianFormatsPage(ctx); },
        // The heaviest VRKS pages first, so that they do not end up last on a core.
        [ctx] { drawVrksPaschalPage(ctx); },
        [ctx] { drawZuvDescriptionPage(ctx); },
        [ctx] { drawVrksAstronomicalPage(ctx); },
        [ctx] { drawVrksAnnualFormatPage(ctx); },
        [ctx] { drawVrksChronologyPage(ctx); },
        [ctx] { drawVrksDescriptionPage(ctx); },
        [ctx] { drawVrksYugaFormatPage(ctx); },
        [ctx] { drawVrksDatingPage(ctx); },
    };
}

}  // namespace zuvgen
