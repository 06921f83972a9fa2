#pragma once

#include <thread>

// A thread started during start-up is often placed on its parent's core, and the two then share
// that core until the scheduler's balancing moves one of them: milliseconds in which the
// interface thread runs at half speed while another core idles.
namespace ThreadPlacement {

// Lets helper run on any of the process's cores except the one the caller runs on now.
// Returns that core, or -1 where there is no other core to use (the helper is left as it was).
int keepOffCallersCore(std::thread &helper);

// Lets helper run on every core the caller may use again: for when the caller is about to wait
// for it, so that the core the caller leaves idle is open to the helper.
void allowCallersCores(std::thread &helper);

} // namespace ThreadPlacement
