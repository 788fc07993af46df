#include "picker/controller.h"

#include "color/color_model.h"
#include "picker/render.h"
#include "window/control_numbers.h"
#include "window/controls.h"

#include <algorithm>
#include <charconv>

namespace palette {

namespace {

std::int32_t ClampToByte(std::int32_t value) { return std::clamp(value, 0, 255); }

struct RgbField {
    std::int32_t control;
    std::int32_t PickerState::*channel;
};

constexpr RgbField rgbFields[] = {
    {RedEdit, &PickerState::red},
    {GreenEdit, &PickerState::green},
    {BlueEdit, &PickerState::blue},
};

std::int32_t* ChannelOf(std::int32_t control)
{
    for (const RgbField& field : rgbFields) {
        if (field.control == control)
            return &(pickerState.*field.channel);
    }
    return nullptr;
}

// The low 32 bits of the parsed number, read as signed (modular since C++20).
std::int32_t FieldValue(std::int32_t control)
{
    return static_cast<std::int32_t>(ParseFieldNumber(GetControlText(control)));
}

// Runs three times per motion event while dragging, so no streams and no heap.
void SetDecimalText(std::int32_t control, std::int32_t value)
{
    char buffer[12]; // "-2147483648"
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    SetControlText(control, std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
}

enum class Condition { None, LeftButtonHeld };

struct DispatchRow {
    std::int32_t control;
    ControlEventKind kind;
    Condition condition;
    void (*action)(const ControlEvent& event);
};

void PickInFieldAt(const ControlEvent& event) { PickInField(event.x, event.y); }
void PickOnBarAt(const ControlEvent& event) { PickOnBar(event.y); }
void FieldChanged(const ControlEvent& event) { RgbFieldChanged(event.control); }
void FieldLeft(const ControlEvent& event) { RgbFieldLeft(event.control); }

using enum ControlEventKind;

// Every pair not listed here is ignored: no state change, no drawing, no text.
constexpr DispatchRow dispatchTable[] = {
    {ColorField, LeftButtonDown, Condition::None, PickInFieldAt},
    {ColorField, MouseMove, Condition::LeftButtonHeld, PickInFieldAt},
    {LightnessBar, LeftButtonDown, Condition::None, PickOnBarAt},
    {LightnessBar, MouseMove, Condition::LeftButtonHeld, PickOnBarAt},
    {RedEdit, TextChange, Condition::None, FieldChanged},
    {GreenEdit, TextChange, Condition::None, FieldChanged},
    {BlueEdit, TextChange, Condition::None, FieldChanged},
    {RedEdit, FocusLost, Condition::None, FieldLeft},
    {GreenEdit, FocusLost, Condition::None, FieldLeft},
    {BlueEdit, FocusLost, Condition::None, FieldLeft},
};

bool ConditionHolds(Condition condition, const ControlEvent& event)
{
    switch (condition) {
    case Condition::None:
        return true;
    case Condition::LeftButtonHeld:
        return (event.buttons & 1) != 0;
    }
    return false;
}

} // namespace

void InitPickerViews()
{
    RenderFieldImage();
    DrawColorField();
    DrawLightnessBar();
    WriteRgbFields();
    ReadRgbFields();
}

void HandleControlEvent(const ControlEvent& event)
{
    for (const DispatchRow& row : dispatchTable) {
        if (row.control == event.control && row.kind == event.kind && ConditionHolds(row.condition, event)) {
            row.action(event);
            return;
        }
    }
}

void PickInField(std::int32_t x, std::int32_t y)
{
    pickerState.hue = ClampToByte(x);
    pickerState.saturation = 255 - ClampToByte(y);
    DrawColorField();
    DrawLightnessBar();
    WriteRgbFields();
    ReadRgbFields();
}

void PickOnBar(std::int32_t y)
{
    pickerState.lightness = 255 - ClampToByte(y);
    // The bar sets the swatch too; nothing else on the field depends on lightness.
    DrawLightnessBar();
    WriteRgbFields();
    ReadRgbFields();
}

void WriteRgbFields()
{
    std::int32_t red = 0, green = 0, blue = 0;
    HslToRgb(static_cast<float>(pickerState.hue), static_cast<float>(pickerState.lightness),
             static_cast<float>(pickerState.saturation), red, green, blue);
    SetDecimalText(RedEdit, red);
    SetDecimalText(GreenEdit, green);
    SetDecimalText(BlueEdit, blue);
}

void ReadRgbFields()
{
    for (const RgbField& field : rgbFields)
        pickerState.*field.channel = FieldValue(field.control);
}

void RgbFieldChanged(std::int32_t control)
{
    std::int32_t* channel = ChannelOf(control);
    if (!channel)
        return;
    // Only the channel is clamped: the field keeps the user's text until it loses focus.
    *channel = ClampToByte(FieldValue(control));
    RgbToHsl(pickerState.red, pickerState.green, pickerState.blue,
             pickerState.hue, pickerState.lightness, pickerState.saturation);
    DrawColorField();
    DrawLightnessBar();
}

void RgbFieldLeft(std::int32_t control)
{
    const std::int32_t* channel = ChannelOf(control);
    if (!channel)
        return;
    SetDecimalText(control, *channel);
}

} // namespace palette
