#pragma once

// Process entry and event loop.

#include "window/picker_types.h"

#include <cstdint>

namespace palette {

// Sets the start-up colour, opens the window with all its controls, calls
// `init` once, then hands every control event to `handle` until the user
// closes the window. Either hook may be null. Always returns 0.
int RunPicker(InitHook init, EventHook handle);

// Returns the oldest queued event, or processes platform input for at most
// `timeoutMs` and returns the first event it produces; NoEvent on time-out.
EventCode WaitForEvent(std::int32_t timeoutMs);

// The record of the event WaitForEvent returned last; empty after NoEvent.
const ControlEvent& CurrentEvent();

} // namespace palette
