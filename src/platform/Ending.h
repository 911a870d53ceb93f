#pragma once

#include <functional>

namespace platform {

// Runs `onEnd` from the event loop, never inside a signal handler, when the process is asked
// to end: SIGTERM, SIGINT, SIGHUP, or the end of the desktop session.
void WatchForEnd(std::function<void()> onEnd);

} // namespace platform
