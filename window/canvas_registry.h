#pragma once

// Internal to the drawing layer: the canvas buffers attached by the window layer.

#include "window/drawing.h"

namespace palette {

struct CanvasEntry {
    Surface* surface = nullptr;
    std::function<void()> show;
};

const CanvasEntry* FindCanvas(std::int32_t control);

} // namespace palette
