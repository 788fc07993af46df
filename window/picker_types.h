#pragma once

// The types that the window layer shares with the picker: the one state
// record of the run, the event record handed to the controller, and the
// controller's two hooks.

#include <cstdint>

namespace palette {

// Names an off-screen image; 0 means "no image".
using ImageId = std::int32_t;

struct PickerState {
    std::int32_t hue = 0;
    std::int32_t lightness = 0;
    std::int32_t saturation = 0;
    // The last values taken from the red, green and blue fields; no drawing reads them.
    std::int32_t red = 0;
    std::int32_t green = 0;
    std::int32_t blue = 0;
    ImageId fieldImage = 0;
};

// One record for the whole run: the window layer sets the start-up colour,
// the controller changes it, the pictures read it.
inline PickerState pickerState;

enum class ControlEventKind { LeftButtonDown, MouseMove, TextChange, FocusLost, OtherKind };

// The control number of an empty event: one that names no control.
inline constexpr std::int32_t NoControl = -1;

struct ControlEvent {
    std::int32_t control = NoControl;
    ControlEventKind kind = ControlEventKind::OtherKind;
    // Canvas events only: pointer position in the canvas's pixels (negative
    // or past the size while the canvas holds the mouse) and the buttons held
    // at that input, bit 0 left, bit 1 right, bit 2 middle. 0 otherwise.
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t buttons = 0;
};

enum class EventCode { NoEvent, ControlNotice, CloseRequest, WindowNotice };

using InitHook = void (*)();
using EventHook = void (*)(const ControlEvent& event);

} // namespace palette
