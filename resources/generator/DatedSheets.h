#pragma once
// The dated sheets, one family per kind of sheet; DatedSheets.cpp joins them.

#include "GenCommon.h"

namespace zuvgen {

std::vector<Job> gregorianSheetJobs(const Context& ctx);  // GS2001 … GS2049
std::vector<Job> vrksYearSheetJobs(const Context& ctx);   // VR1921 … VR2049
std::vector<Job> vrksTableSheetJobs(const Context& ctx);  // VR481_DAY … VR512_DAY, VRCALTABLE

}  // namespace zuvgen
