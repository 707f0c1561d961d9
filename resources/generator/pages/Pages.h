#pragma once
// The section and description pages: the Gregorian, VRKS and ZUV page families.

#include "kit/Output.h"

namespace zuvgen {

std::vector<Job> pageJobs(const Context& ctx);

}  // namespace zuvgen
