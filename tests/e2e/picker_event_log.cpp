// The picker's window with a controller that only writes each control event
// to stdout, one line each: "control kind x y buttons". "ready" follows
// start-up.
#include "window/picker_window.h"

#include <cstdio>

namespace {

const char* KindName(palette::ControlEventKind kind)
{
    using enum palette::ControlEventKind;
    switch (kind) {
    case LeftButtonDown: return "LeftButtonDown";
    case MouseMove: return "MouseMove";
    case TextChange: return "TextChange";
    case FocusLost: return "FocusLost";
    case OtherKind: return "OtherKind";
    }
    return "?";
}

void Ready()
{
    std::printf("ready\n");
    std::fflush(stdout);
}

void Log(const palette::ControlEvent& event)
{
    std::printf("%d %s %d %d %d\n", event.control, KindName(event.kind), event.x, event.y, event.buttons);
    std::fflush(stdout);
}

} // namespace

int main()
{
    return palette::RunPicker(Ready, Log);
}
