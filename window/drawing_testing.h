#pragma once

// Test-only access to the drawing layer: faults that make the platform's
// refusals reproducible, a fixed button-face colour, and a look at images.

#include "window/picker_types.h"
#include "window/surface.h"

#include <cstddef>
#include <optional>

namespace palette {

// Each set flag makes that operation fail as if the platform refused it.
struct DrawingFaults {
    bool createImage = false;
    bool beginImage = false;
    bool beginCanvas = false;
};
void SetDrawingFaults(DrawingFaults faults);

// While set, ButtonFaceColor returns this instead of the desktop's colour.
void SetButtonFaceOverride(std::optional<PackedRgb> color);

// The image's pixels, or null for an id without an image.
const Surface* ImageSurface(ImageId image);
std::size_t ImageCount();
// True while a drawing block is open.
bool IsDrawing();

} // namespace palette
