#pragma once

// Keeps pickerState, the two pictures and the red, green and blue fields in
// step. Its only outward calls are GetControlText, SetControlText and the
// three picture operations.

#include "window/picker_types.h"

#include <cstdint>
#include <string_view>

namespace palette {

void InitPickerViews();
void HandleControlEvent(const ControlEvent& event);

void PickInField(std::int32_t x, std::int32_t y);
void PickOnBar(std::int32_t y);
void WriteRgbFields();
void ReadRgbFields();
void RgbFieldChanged(std::int32_t control);
void RgbFieldLeft(std::int32_t control);
std::int64_t ParseFieldNumber(std::string_view text);

} // namespace palette
