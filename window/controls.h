#pragma once

// Text and colour operations on the window's numbered controls. A number
// that names no control is ignored (or yields "").

#include "color/color_model.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace palette {

// The control's whole text, UTF-8.
std::string GetControlText(std::int32_t control);

// Replaces the whole text; raises no event of any kind.
void SetControlText(std::int32_t control, std::string_view text);

// From its next repaint the label shows a solid fill of the colour behind
// its text. Requests the repaint and returns without waiting for it.
void SetLabelBackColor(std::int32_t control, PackedRgb color);

} // namespace palette
