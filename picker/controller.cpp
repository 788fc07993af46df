// Placeholder bodies: the controller is being written.
#include "picker/controller.h"

namespace palette {

void InitPickerViews() {}
void HandleControlEvent(const ControlEvent&) {}
void PickInField(std::int32_t, std::int32_t) {}
void PickOnBar(std::int32_t) {}
void WriteRgbFields() {}
void ReadRgbFields() {}
void RgbFieldChanged(std::int32_t) {}
void RgbFieldLeft(std::int32_t) {}

} // namespace palette
