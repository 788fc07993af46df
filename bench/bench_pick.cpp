// One field pick handled end to end on the real window: a left-button move
// reaches the colour field, the loop's wait hands it over, the controller
// updates the state, both pictures, the swatch and the three fields, and the
// deferred repaints (swatch, fields) are flushed.

#include "picker/controller.h"
#include "window/control_numbers.h"
#include "window/picker_window.h"
#include "window/picker_window_testing.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include <benchmark/benchmark.h>

using namespace palette;

namespace {

void SendDragMove(QWidget* field, QPointF position)
{
    QMouseEvent move(QEvent::MouseMove, position, field->mapToGlobal(position), Qt::NoButton, Qt::LeftButton,
        Qt::NoModifier);
    QCoreApplication::sendEvent(field, &move);
}

void BM_FieldPick(benchmark::State& state)
{
    OpenPickerWindow();
    CreatePickerControls();
    InitPickerViews();
    QCoreApplication::processEvents();
    QWidget* field = ControlWidget(ColorField);
    // Enter the field first: the first move after entering is not a pick.
    SendDragMove(field, QPointF(1, 1));
    while (WaitForEvent(0) != EventCode::NoEvent) {
    }

    std::int64_t picks = 0;
    int step = 0;
    for (auto _ : state) {
        // Alternate between two places so that every pick changes the colour.
        SendDragMove(field, (++step & 1) ? QPointF(40, 200) : QPointF(200, 40));
        if (WaitForEvent(0) == EventCode::ControlNotice) {
            HandleControlEvent(CurrentEvent());
            ++picks;
        }
        QCoreApplication::processEvents();
    }
    state.counters["picks"] = double(picks);
    ClosePickerWindow();
}
BENCHMARK(BM_FieldPick)->Unit(benchmark::kMicrosecond);

} // namespace
