#pragma once
// Which form the picture path's per-pixel work runs in. On x86-64 each step has an SSE2 form
// (AVX2 where the processor has it) beside the portable C++ form every target builds; both
// give the same pixels. The vector forms are taken wherever they are built, unless the
// environment variable ZUV_PORTABLE_PICTURES is 1 at start or the switch below turns them
// off: the test suites and the benchmark run the portable forms that way on x86-64 too, as
// other processors run them.

// The vector forms are built for x86-64 only (SSE2 is part of it).
#if defined(__x86_64__) && defined(__SSE2__)
#define ZUV_X86_VECTORS 1
#else
#define ZUV_X86_VECTORS 0
#endif

namespace zuv {

// True while the vector forms run.
bool vectorPath();

// Turns the vector forms on or off; where they are not built, the portable forms stay.
void setVectorPath(bool on);

}  // namespace zuv
