#pragma once
// The decoration family's jobs: icons, emblem, main pages, frame pictures, MAINTABLE, ZUV.

#include "kit/Output.h"

namespace zuvgen {

std::vector<Job> decorationJobs(const Context& ctx);

}  // namespace zuvgen
