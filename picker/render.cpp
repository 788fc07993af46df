// Placeholder bodies: the pictures are being written.
#include "picker/render.h"

namespace palette {

void RenderFieldImage() {}
void DrawColorField() {}
void DrawLightnessBar() {}
void DrawFieldMarker(std::int32_t, std::int32_t) {}
void DrawBarPointer(std::int32_t, std::int32_t) {}

} // namespace palette
