// The section and description pages: two families, joined here.
#include "pages/Pages.h"

namespace zuvgen {

std::vector<Job> pageJobs(const Context& ctx) {
    std::vector<Job> jobs = gregorianPageJobs(ctx);
    std::vector<Job> more = vrksPageJobs(ctx);
    jobs.insert(jobs.end(), more.begin(), more.end());
    return jobs;
}

}  // namespace zuvgen
