#pragma once

// Conversions between HSL and red/green/blue on one 0..255 scale (hue 255 is
// a full turn), and packing of red/green/blue into one colour word. The
// rounding of every step is part of the interface: the picker shows these
// integers as text, marker positions and pixels.

#include <cstdint>

namespace palette {

// 0x00BBGGRR: red in bits 0-7, green in 8-15, blue in 16-23, top byte 0.
using PackedRgb = std::uint32_t;

void HslToRgb(float hue, float lightness, float saturation,
              std::int32_t& red, std::int32_t& green, std::int32_t& blue);
void RgbToHsl(std::int32_t red, std::int32_t green, std::int32_t blue,
              std::int32_t& hue, std::int32_t& lightness, std::int32_t& saturation);
std::int32_t HueToChannel(float p, float q, float h);
PackedRgb PackRgb(std::int32_t red, std::int32_t green, std::int32_t blue);

} // namespace palette
