#pragma once

// Finding what a drawing pass changed, so that a canvas puts only that on
// the screen: a drag moves a crosshair or a pointer, and sending the whole
// canvas to the display server on every motion event costs far more than
// comparing rows.

#include "window/surface.h"

#include <cstdint>

namespace palette {

struct PixelRect {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;

    bool IsEmpty() const { return width <= 0 || height <= 0; }
};

// Copies into `shown` every pixel of `drawn` within `rows` that differs from
// it and returns the bounding box of those pixels; empty when nothing changed.
// Rows outside `rows` are not looked at. Both surfaces must have the same size.
PixelRect TakeChanges(const Surface& drawn, Surface& shown, RowSpan rows);

} // namespace palette
