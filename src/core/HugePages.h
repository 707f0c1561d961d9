// Huge pages for the large pixel buffers (decoded rows, zoomed rasters): their size rounded up
// to whole huge pages and the system asked to back them so. Touching fresh memory 4 KB page by
// page is what costs most when a large picture is decoded or zoomed. Header only: the picture
// path uses it without linking the calendar core.
#pragma once

#include <cstddef>

#if __has_include(<sys/mman.h>)
#include <sys/mman.h>
#endif

namespace zuv {

constexpr size_t kHugePage = size_t(2) << 20;

// A buffer smaller than one huge page keeps ordinary pages: the first touch of a huge page
// clears all 2 MB of it (and may wait for the system to find one), which costs a small
// picture far more than its own few pages would.
constexpr bool WorthHugePages(size_t bytes) { return bytes >= kHugePage; }

constexpr size_t RoundUpToHugePages(size_t bytes) { return (bytes + kHugePage - 1) / kHugePage * kHugePage; }

// Asks for huge pages behind [start, start + bytes), start huge-page aligned. Where the system
// has no such advice the buffer keeps ordinary pages.
inline void AdviseHugePages([[maybe_unused]] void* start, [[maybe_unused]] size_t bytes) {
#ifdef MADV_HUGEPAGE
    madvise(start, bytes, MADV_HUGEPAGE);
#endif
}

}  // namespace zuv
