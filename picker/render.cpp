#include "picker/render.h"

#include "color/color_model.h"
#include "window/control_numbers.h"
#include "window/controls.h"
#include "window/drawing.h"
#include "window/picker_types.h"

#include <algorithm>
#include <limits>

namespace palette {
namespace {

constexpr std::int32_t FieldSize = 257;
constexpr PackedRgb Black = 0;

// Held within the 32-bit range. Arguments and state may be any 32-bit
// values; saturating keeps far-off shapes far off instead of overflowing.
std::int32_t Saturated(std::int64_t v)
{
    return std::int32_t(std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
}

std::int32_t Offset(std::int32_t v, std::int32_t d) { return Saturated(std::int64_t(v) + d); }
std::int32_t FromTop(std::int32_t v) { return Saturated(255 - std::int64_t(v)); }

PackedRgb StateColor()
{
    std::int32_t red, green, blue;
    HslToRgb(float(pickerState.hue), float(pickerState.lightness), float(pickerState.saturation), red, green, blue);
    return PackRgb(red, green, blue);
}

} // namespace

void RenderFieldImage()
{
    // Runs once; should it run again, the earlier image is not left behind.
    ReleaseImage(pickerState.fieldImage);
    pickerState.fieldImage = CreateImage(FieldSize, FieldSize);
    if (pickerState.fieldImage == 0)
        return;
    if (!BeginDrawImage(pickerState.fieldImage))
        return;
    FillRect(0, 0, FieldSize, FieldSize, Black);
    for (std::int32_t s = 1; s <= 255; ++s) {
        for (std::int32_t h = 1; h <= 255; ++h) {
            std::int32_t red, green, blue;
            HslToRgb(float(h), 127.5f, float(s), red, green, blue);
            SetPixel(h, 256 - s, PackRgb(red, green, blue));
        }
    }
    EndDraw();
}

void DrawColorField()
{
    if (!BeginDrawCanvas(ColorField))
        return;
    if (pickerState.fieldImage != 0)
        CopyImage(pickerState.fieldImage, 0, 0);
    DrawFieldMarker(pickerState.hue, FromTop(pickerState.saturation));
    SetLabelBackColor(NewSwatch, StateColor());
    EndDraw();
}

void DrawFieldMarker(std::int32_t x, std::int32_t y)
{
    if (x < 255)
        ++x;
    if (y < 255)
        ++y;
    FillRect(Offset(x, -1), Offset(y, -9), 3, 5, Black);
    FillRect(Offset(x, -1), Offset(y, 5), 3, 5, Black);
    FillRect(Offset(x, -9), Offset(y, -1), 5, 3, Black);
    FillRect(Offset(x, 5), Offset(y, -1), 5, 3, Black);
}

void DrawLightnessBar()
{
    if (!BeginDrawCanvas(LightnessBar))
        return;
    FillRect(0, 0, FieldSize, FieldSize, ButtonFaceColor());
    FillRect(0, 0, 20, FieldSize, Black);
    const auto hue = float(pickerState.hue);
    const auto saturation = float(pickerState.saturation);
    for (std::int32_t i = 1; i <= 255; ++i) {
        std::int32_t red, green, blue;
        HslToRgb(hue, float(i), saturation, red, green, blue);
        DrawLine(1, 256 - i, 18, 256 - i, PackRgb(red, green, blue));
    }
    DrawBarPointer(22, FromTop(pickerState.lightness));
    SetLabelBackColor(NewSwatch, StateColor());
    EndDraw();
}

void DrawBarPointer(std::int32_t x, std::int32_t y)
{
    if (y <= 5)
        y = 5;
    if (y >= 250)
        y = 250;
    DrawLineExtent(x, y, 5, -5, Black);
    DrawLineExtent(x, y, 5, 5, Black);
    DrawLine(Offset(x, 5), y - 5, Offset(x, 5), y + 5, Black);
    FloodFill(Offset(x, 2), y, Black, Black);
}

} // namespace palette
