#pragma once
// The dated sheets, one family per kind of sheet; DatedSheets.cpp joins them.

#include "kit/Output.h"

namespace zuvgen {

// All dated sheets: GS*, the VR year sheets, VR*_DAY and VRCALTABLE, with their cell maps.
std::vector<Job> datedSheetJobs(const Context& ctx);

std::vector<Job> gregorianSheetJobs(const Context& ctx);  // GS2001 … GS2049
std::vector<Job> vrksYearSheetJobs(const Context& ctx);   // VR1921 … VR2049
std::vector<Job> vrksDaySheetJobs(const Context& ctx);       // VR481_DAY … VR512_DAY
std::vector<Job> vrksCalendarTableJobs(const Context& ctx);  // VRCALTABLE

}  // namespace zuvgen
