#include "picker/render.h"
#include "window/control_numbers.h"
#include "window/drawing.h"
#include "window/picker_types.h"
#include "window/picker_window_testing.h"

#include <QApplication>

#include <benchmark/benchmark.h>

using namespace palette;

namespace {

void BM_RenderFieldImage(benchmark::State& state)
{
    for (auto _ : state) {
        RenderFieldImage();
        benchmark::DoNotOptimize(pickerState.fieldImage);
        ReleaseImage(pickerState.fieldImage);
    }
    pickerState.fieldImage = 0;
}
BENCHMARK(BM_RenderFieldImage)->Unit(benchmark::kMicrosecond);

void DragSteps(benchmark::State& state)
{
    RenderFieldImage();
    std::int32_t step = 0;
    for (auto _ : state) {
        pickerState.hue = step & 255;
        pickerState.saturation = (step * 7) & 255;
        pickerState.lightness = (step * 3) & 255;
        DrawColorField();
        DrawLightnessBar();
        ++step;
    }
    ReleaseImage(pickerState.fieldImage);
    pickerState.fieldImage = 0;
}

// One drag step: the field and the bar redrawn into plain buffers, no screen.
void BM_DrawFieldAndBar(benchmark::State& state)
{
    Surface field(257, 257, 0xFFFFFF);
    Surface bar(28, 257, 0xFFFFFF);
    AttachCanvas(ColorField, &field, [] {});
    AttachCanvas(LightnessBar, &bar, [] {});
    DragSteps(state);
    DetachCanvas(ColorField);
    DetachCanvas(LightnessBar);
}
BENCHMARK(BM_DrawFieldAndBar)->Unit(benchmark::kMicrosecond);

// The same step on the real window: each block's end repaints its canvas
// widget at once (the swatch's own repaint waits for the loop and is not timed).
void BM_DrawFieldAndBarOnCanvasWidgets(benchmark::State& state)
{
    OpenPickerWindow();
    CreatePickerControls();
    QCoreApplication::processEvents();
    DragSteps(state);
    ClosePickerWindow();
}
BENCHMARK(BM_DrawFieldAndBarOnCanvasWidgets)->Unit(benchmark::kMicrosecond);

} // namespace
