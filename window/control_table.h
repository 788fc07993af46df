#pragma once

// The window's controls, one row each, in creation order. Creation order is
// also the keyboard-focus order.

#include <cstdint>
#include <span>

namespace palette {

enum class ControlKind {
    Canvas,
    Label,
    EditField,
    Frame,
    TrackBar,
    PushButton,
    Container,    // parents every control created after it ...
    EndContainer, // ... until this row
};

struct ControlRow {
    std::int32_t number = 0;
    const char* name = "";
    ControlKind kind = ControlKind::Label;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    const char* text = "";
};

std::span<const ControlRow> PickerControls();

} // namespace palette
