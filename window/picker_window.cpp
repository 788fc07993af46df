// Placeholder bodies: the window layer is being written.
#include "window/picker_window.h"

namespace palette {

int RunPicker(InitHook, EventHook) { return 0; }
EventCode WaitForEvent(std::int32_t) { return EventCode::NoEvent; }
const ControlEvent& CurrentEvent()
{
    static const ControlEvent none;
    return none;
}

} // namespace palette
