#pragma once

// The pixel operations behind the drawing layer, on one Surface and free of
// any toolkit. Each clips to the surface first and returns early when nothing
// is left. Coordinates are 64-bit so that x + width never overflows; colours
// are pixel words (see surface.h).

#include "window/surface.h"

#include <cstdint>

namespace palette::raster {

// Half-open: left <= x < right, top <= y < bottom.
struct PixelRect {
    std::int64_t left = 0;
    std::int64_t top = 0;
    std::int64_t right = 0;
    std::int64_t bottom = 0;

    bool IsEmpty() const { return left >= right || top >= bottom; }
    PixelRect Intersected(const PixelRect& other) const;
};

PixelRect Bounds(const Surface& surface);

void FillRect(Surface& surface, const PixelRect& rect, std::uint32_t word);
// Pixel (x, y) only when it lies inside. Inline: the field plane sets every pixel this way.
inline void SetPixel(Surface& surface, std::int64_t x, std::int64_t y, std::uint32_t word)
{
    if (x >= 0 && y >= 0 && x < surface.Width() && y < surface.Height())
        surface.Row(std::int32_t(y))[x] = word;
}
// Source pixel (u, v) replaces (x + u, y + v). The source may be the target.
// Returns the target rows that changed.
RowSpan CopySurface(Surface& target, const Surface& source, std::int64_t x, std::int64_t y);
// Both ends included. Exact for horizontal, vertical and 45-degree lines;
// other slopes step one pixel along the longer axis, rounding the shorter.
// The end points must differ by less than 2^32 in each axis.
void DrawLine(Surface& surface, std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
              std::uint32_t word);
// Paints the 4-connected region around (x, y) of pixels whose word is not
// `border`; nothing when (x, y) is outside or is a border pixel.
void FloodFill(Surface& surface, std::int64_t x, std::int64_t y, std::uint32_t border, std::uint32_t fill);

} // namespace palette::raster
