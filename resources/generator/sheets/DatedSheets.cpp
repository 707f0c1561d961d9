// The dated sheets: the Gregorian four-year sheets, the VRKS year sheets, the VRKS day sheets
// of the yugas and the VRKS calendar table, each with its cell map.

#include "sheets/DatedSheets.h"

namespace zuvgen {

std::vector<Job> datedSheetJobs(const Context& ctx) {
    std::vector<Job> jobs;
    // The larger year sheets first, so that the two threads end close together.
    for (auto family : {vrksYearSheetJobs, gregorianSheetJobs, vrksDaySheetJobs, vrksCalendarTableJobs}) {
        std::vector<Job> more = family(ctx);
        jobs.insert(jobs.end(), more.begin(), more.end());
    }
    return jobs;
}

}  // namespace zuvgen
