#pragma once
// Counters of what the loaders create, for leak checks: streams alive right now.

namespace zuv {

int LiveResourceStreams();

}  // namespace zuv
