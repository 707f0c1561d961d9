#pragma once
// The section and description pages, in two families; Pages.cpp joins them.

#include "kit/Output.h"

namespace zuvgen {

std::vector<Job> pageJobs(const Context& ctx);           // both families below
std::vector<Job> gregorianPageJobs(const Context& ctx);  // GKS_SPD2, GKS_SPD_YULI, GRKS_HKS, GRKS_DKS, ANONS_GRKS, ANONS_GOP, PATENT, GRKS_SPD
std::vector<Job> vrksPageJobs(const Context& ctx);       // VRKS_SPD, VRKS_SPD_YUG, VRKS_DKS, VRKS_HKS, VRKS_TFS_ASTRO, VRKS_TFS_PAS, ANONS_ZUV, ANONS_VRKS

}  // namespace zuvgen
