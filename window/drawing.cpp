#include "window/drawing.h"

#include "window/canvas_registry.h"
#include "window/drawing_testing.h"
#include "window/primitives.h"

#include <limits>
#include <map>
#include <new>
#include <optional>

namespace palette {
namespace {

// The one open drawing block: its surface, and the canvas to show when it
// ends (none for an image).
struct DrawingBlock {
    Surface* surface = nullptr;
    std::optional<std::int32_t> canvas;
    ImageId image = 0;
};

struct ImageStore {
    // A map keeps each Surface at one address while others come and go.
    std::map<ImageId, Surface> images;
    ImageId lastId = 0;
};

ImageStore& Store()
{
    static ImageStore store;
    return store;
}

// Constant-initialised, so the per-pixel calls pay no guard for them.
constinit DrawingBlock openBlock;
constinit DrawingFaults faults;

Surface* Target() { return openBlock.surface; }

// A canvas block notes the rows it writes, so that showing it compares only those.
void MarkRows(std::int64_t top, std::int64_t bottom)
{
    if (openBlock.canvas)
        openBlock.surface->MarkRows(top, bottom);
}

Surface* FindImage(ImageId image)
{
    auto& images = Store().images;
    const auto it = images.find(image);
    return it == images.end() ? nullptr : &it->second;
}

std::int64_t Sign(std::int32_t v) { return v < 0 ? -1 : 1; }

// Larger sides are refused up front: an allocation of many gigabytes would
// not fail cleanly but be overcommitted or abort under a sanitizer.
constexpr std::int32_t MaxImageSide = 16384;

} // namespace

ImageId CreateImage(std::int32_t width, std::int32_t height)
{
    ImageStore& store = Store();
    if (faults.createImage || width <= 0 || height <= 0 || width > MaxImageSide || height > MaxImageSide)
        return 0;
    if (store.lastId == std::numeric_limits<ImageId>::max())
        return 0;
    try {
        Surface pixels(width, height, 0);
        const ImageId id = ++store.lastId;
        store.images.emplace(id, std::move(pixels));
        return id;
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

void ReleaseImage(ImageId image)
{
    if (image == 0)
        return;
    // A block left open on the image must not outlive its pixels.
    if (openBlock.image == image)
        openBlock = {};
    Store().images.erase(image);
}

std::int32_t BeginDrawImage(ImageId image)
{
    if (openBlock.surface || faults.beginImage)
        return 0;
    Surface* surface = FindImage(image);
    if (!surface)
        return 0;
    openBlock = {surface, std::nullopt, image};
    return 1;
}

std::int32_t BeginDrawCanvas(std::int32_t control)
{
    if (openBlock.surface || faults.beginCanvas)
        return 0;
    const CanvasEntry* entry = FindCanvas(control);
    if (!entry || !entry->surface)
        return 0;
    openBlock = {entry->surface, control, 0};
    return 1;
}

void EndDraw()
{
    const DrawingBlock ended = openBlock;
    openBlock = {};
    if (!ended.canvas)
        return;
    // Closed before showing, so that whatever the repaint does finds no block open.
    const CanvasEntry* entry = FindCanvas(*ended.canvas);
    if (entry && entry->surface == ended.surface && entry->show)
        entry->show();
}

void CopyImage(ImageId image, std::int32_t x, std::int32_t y)
{
    Surface* target = Target();
    const Surface* source = FindImage(image);
    if (!target || !source)
        return;
    const RowSpan changed = raster::CopySurface(*target, *source, x, y);
    MarkRows(changed.top, changed.bottom);
}

void FillRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, PackedRgb color)
{
    Surface* target = Target();
    if (!target)
        return;
    raster::FillRect(*target, {x, y, std::int64_t(x) + width, std::int64_t(y) + height}, ToPixelWord(color));
    MarkRows(y, std::int64_t(y) + height);
}

void SetPixel(std::int32_t x, std::int32_t y, PackedRgb color)
{
    Surface* target = Target();
    if (!target)
        return;
    raster::SetPixel(*target, x, y, ToPixelWord(color));
    MarkRows(y, std::int64_t(y) + 1);
}

void DrawLineExtent(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, PackedRgb color)
{
    Surface* target = Target();
    if (!target || width == 0 || height == 0)
        return;
    const std::int64_t y2 = y + (height - Sign(height));
    raster::DrawLine(*target, x, y, x + (width - Sign(width)), y2, ToPixelWord(color));
    MarkRows(std::min<std::int64_t>(y, y2), std::max<std::int64_t>(y, y2) + 1);
}

void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, PackedRgb color)
{
    Surface* target = Target();
    if (!target)
        return;
    raster::DrawLine(*target, x1, y1, x2, y2, ToPixelWord(color));
    MarkRows(std::min(y1, y2), std::int64_t(std::max(y1, y2)) + 1);
}

void FloodFill(std::int32_t x, std::int32_t y, PackedRgb border, PackedRgb fill)
{
    Surface* target = Target();
    if (!target)
        return;
    raster::FloodFill(*target, x, y, ToPixelWord(border), ToPixelWord(fill));
    // A region can reach every row.
    MarkRows(0, target->Height());
}

void SetDrawingFaults(DrawingFaults set)
{
    faults = set;
}

const Surface* ImageSurface(ImageId image)
{
    return FindImage(image);
}

std::size_t ImageCount()
{
    return Store().images.size();
}

bool IsDrawing()
{
    return openBlock.surface != nullptr;
}

} // namespace palette
