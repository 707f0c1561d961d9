// The switch between the vector and the portable forms: one flag, read where a picture's steps
// are chosen and in the two-core helper's spin-wait, set at start from the environment.

#include "VectorPath.h"

#include <QtGlobal>
#include <atomic>

namespace zuv {

namespace {
std::atomic<bool>& vectorSwitch() {
    static std::atomic<bool> on{ZUV_X86_VECTORS && qEnvironmentVariableIntValue("ZUV_PORTABLE_PICTURES") != 1};
    return on;
}
}  // namespace

bool vectorPath() { return vectorSwitch().load(std::memory_order_relaxed); }

void setVectorPath(bool on) { vectorSwitch().store(ZUV_X86_VECTORS && on, std::memory_order_relaxed); }

}  // namespace zuv
