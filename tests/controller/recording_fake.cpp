#include "recording_fake.h"

#include "picker/render.h"
#include "window/controls.h"
#include "window/picker_types.h"

namespace {

void RecordDrawing(const char* name)
{
    const palette::PickerState& s = palette::pickerState;
    fake::recorder.calls << QStringLiteral("%1 %2 %3 %4").arg(name).arg(s.hue).arg(s.lightness).arg(s.saturation);
}

} // namespace

namespace palette {

std::string GetControlText(std::int32_t control)
{
    fake::recorder.calls << QStringLiteral("Get %1").arg(control);
    const auto found = fake::recorder.texts.find(control);
    return found == fake::recorder.texts.end() ? std::string() : found->second;
}

void SetControlText(std::int32_t control, std::string_view text)
{
    fake::recorder.calls << QStringLiteral("Set %1 %2").arg(control).arg(QString::fromUtf8(text.data(), qsizetype(text.size())));
    fake::recorder.texts[control] = std::string(text);
}

void RenderFieldImage() { fake::recorder.calls << QStringLiteral("RenderFieldImage"); }
void DrawColorField() { RecordDrawing("DrawColorField"); }
void DrawLightnessBar() { RecordDrawing("DrawLightnessBar"); }

} // namespace palette
