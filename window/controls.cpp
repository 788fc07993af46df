// Placeholder bodies: the window layer is being written.
#include "window/controls.h"

namespace palette {

std::string GetControlText(std::int32_t) { return {}; }
void SetControlText(std::int32_t, std::string_view) {}
void SetLabelBackColor(std::int32_t, PackedRgb) {}

} // namespace palette
