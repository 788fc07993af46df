#pragma once

// The colour field, the lightness bar and the new-colour swatch, drawn from
// pickerState (hue, lightness, saturation and the field image handle).

#include <cstdint>

namespace palette {

void RenderFieldImage();
void DrawColorField();
void DrawLightnessBar();
void DrawFieldMarker(std::int32_t x, std::int32_t y);
void DrawBarPointer(std::int32_t x, std::int32_t y);

} // namespace palette
