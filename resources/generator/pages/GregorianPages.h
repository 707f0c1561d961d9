#pragma once
// The Gregorian page family: one drawing function a page, each drawing its page completely and
// saving it under its catalogue name, and the forms of a date in any calendar that the pages
// share.

#include "facts/GregorianFacts.h"
#include "kit/Output.h"

#include <QString>

namespace zuvgen {

void drawGregorianStandardPage(const Context& ctx);     // GKS_SPD2
void drawJulianLilianPage(const Context& ctx);          // GKS_SPD_YULI
void drawGregorianFormatsPage(const Context& ctx);      // GRKS_SPD
void drawGregorianDatingPage(const Context& ctx);       // GRKS_DKS
void drawGregorianChronologyPage(const Context& ctx);   // GRKS_HKS
void drawGregorianDescriptionPage(const Context& ctx);  // ANONS_GRKS

QString dottedYmd(const greg::Ymd& d);  // "04.10.1582", for a date of any calendar
QString longYmd(const greg::Ymd& d);    // "1 января 4713 г. до н. э."

}  // namespace zuvgen
