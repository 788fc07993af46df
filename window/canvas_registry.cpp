#include "window/canvas_registry.h"

#include <map>
#include <utility>

namespace palette {
namespace {

std::map<std::int32_t, CanvasEntry>& Canvases()
{
    static std::map<std::int32_t, CanvasEntry> canvases;
    return canvases;
}

} // namespace

void AttachCanvas(std::int32_t control, Surface* surface, std::function<void()> show)
{
    Canvases()[control] = CanvasEntry{surface, std::move(show)};
}

void DetachCanvas(std::int32_t control)
{
    Canvases().erase(control);
}

const CanvasEntry* FindCanvas(std::int32_t control)
{
    const auto it = Canvases().find(control);
    return it == Canvases().end() ? nullptr : &it->second;
}

const Surface* CanvasSurface(std::int32_t control)
{
    const CanvasEntry* entry = FindCanvas(control);
    return entry ? entry->surface : nullptr;
}

} // namespace palette
