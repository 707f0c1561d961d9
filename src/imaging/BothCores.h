#pragma once
// Work shared by the machine's two cores without starting a thread each time: one worker
// thread is started on first use and kept for the next call. The caller never waits for the
// worker to wake: a part the worker has not taken by the time the caller is done with its own
// is run by the caller too. After each call the worker stays awake for a moment, so the
// pictures of one screen (the 25 icons of the grid, say) find it ready.

#include <functional>

namespace zuv {

// Runs work(0) on the calling thread and work(1) on the kept worker or, when the worker has
// not begun it by then, on the calling thread after work(0); returns when both have finished.
// One caller at a time (the pictures are drawn on the GUI thread).
void onBothCores(const std::function<void(int part)>& work);

}  // namespace zuv
