#pragma once
// Work shared by the machine's two cores without starting a thread each time: one worker
// thread is started on first use and kept, waiting, for the next call.

#include <functional>

namespace zuv {

// Runs work(0) on the calling thread and work(1) on the kept worker, and returns when both
// have finished. One caller at a time (the pictures are drawn on the GUI thread).
void onBothCores(const std::function<void(int part)>& work);

}  // namespace zuv
