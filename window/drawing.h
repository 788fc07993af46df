#pragma once

// Immediate drawing on off-screen images and on canvas buffers. A drawing
// block runs from a successful Begin* to EndDraw; the primitives act on the
// block's surface, clipped to it, and do nothing when no block is open. Only
// one block is open at a time. Colours are PackedRgb (0x00BBGGRR).

#include "color/color_model.h"
#include "window/picker_types.h"
#include "window/surface.h"

#include <cstdint>
#include <functional>

namespace palette {

// A new image, every pixel black; 0 when it cannot be made.
ImageId CreateImage(std::int32_t width, std::int32_t height);
// Frees the image; 0 (or an unknown id) frees nothing.
void ReleaseImage(ImageId image);

// Non-zero on success; 0 when there is no such image or canvas (no block is open then).
std::int32_t BeginDrawImage(ImageId image);
std::int32_t BeginDrawCanvas(std::int32_t control);
// Closes the block; a canvas shows its whole buffer at once.
void EndDraw();

// Image pixel (u, v) replaces surface pixel (x + u, y + v); an unknown id copies nothing.
void CopyImage(ImageId image, std::int32_t x, std::int32_t y);
void FillRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, PackedRgb color);
void SetPixel(std::int32_t x, std::int32_t y, PackedRgb color);
// From (x, y) to (x + width - sign(width), y + height - sign(height)), both
// ends included; nothing when width or height is 0.
void DrawLineExtent(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, PackedRgb color);
// Both end points included.
void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, PackedRgb color);
// Fills the 4-connected region around (x, y) of pixels that are not exactly `border`.
void FloodFill(std::int32_t x, std::int32_t y, PackedRgb border, PackedRgb fill);

// The desktop's colour for the faces of 3-D controls, read anew on every call.
PackedRgb ButtonFaceColor();

// The window layer attaches each canvas control's buffer under its number;
// `show` puts the whole buffer on the screen when a block on it ends.
void AttachCanvas(std::int32_t control, Surface* surface, std::function<void()> show);
void DetachCanvas(std::int32_t control);
// The attached buffer, or null.
const Surface* CanvasSurface(std::int32_t control);

} // namespace palette
