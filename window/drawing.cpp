// Placeholder bodies: the drawing layer is being written.
#include "window/drawing.h"

namespace palette {

ImageId CreateImage(std::int32_t, std::int32_t) { return 0; }
void ReleaseImage(ImageId) {}
std::int32_t BeginDrawImage(ImageId) { return 0; }
std::int32_t BeginDrawCanvas(std::int32_t) { return 0; }
void EndDraw() {}
void CopyImage(ImageId, std::int32_t, std::int32_t) {}
void FillRect(std::int32_t, std::int32_t, std::int32_t, std::int32_t, PackedRgb) {}
void SetPixel(std::int32_t, std::int32_t, PackedRgb) {}
void DrawLineExtent(std::int32_t, std::int32_t, std::int32_t, std::int32_t, PackedRgb) {}
void DrawLine(std::int32_t, std::int32_t, std::int32_t, std::int32_t, PackedRgb) {}
void FloodFill(std::int32_t, std::int32_t, PackedRgb, PackedRgb) {}

} // namespace palette
