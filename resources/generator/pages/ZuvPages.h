#pragma once
// The ZUV pages: the pages of the project as a whole rather than of one calendar system. Each
// function draws its page completely and saves it under its catalogue name.

#include "kit/Output.h"

namespace zuvgen {

void drawZuvDescriptionPage(const Context& ctx);  // ANONS_ZUV
void drawInterfacePage(const Context& ctx);       // ANONS_GOP
void drawPatentPage(const Context& ctx);          // PATENT

}  // namespace zuvgen
