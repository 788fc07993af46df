// Resident memory before and after 100,000 picks on the real window
// (offscreen): a drag that wanders over and past both canvases. Prints the
// resident set after start-up, after a warm-up of 1,000 picks (Qt fills its
// glyph and style caches on first use) and at the end.

#include "picker/controller.h"
#include "window/control_numbers.h"
#include "window/picker_window.h"
#include "window/picker_window_testing.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include <cstdio>
#include <unistd.h>

using namespace palette;

namespace {

constexpr int warmUpPicks = 1000;
constexpr int measuredPicks = 100000;

long ResidentKiB()
{
    long pages = 0, resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

void SendDragMove(QWidget* canvas, QPointF position)
{
    QMouseEvent move(QEvent::MouseMove, position, canvas->mapToGlobal(position), Qt::NoButton, Qt::LeftButton,
        Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &move);
}

// Pick number i: mostly on the field, every fourth on the bar, some past the edges.
void Pick(int i)
{
    const bool onBar = i % 4 == 3;
    QWidget* canvas = ControlWidget(onBar ? LightnessBar : ColorField);
    const QPointF position((i * 7) % 300 - 20, (i * 13) % 300 - 20);
    SendDragMove(canvas, position);
    for (EventCode code = WaitForEvent(0); code != EventCode::NoEvent; code = WaitForEvent(0)) {
        if (code == EventCode::ControlNotice)
            HandleControlEvent(CurrentEvent());
    }
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    pickerState.lightness = 127;
    OpenPickerWindow();
    CreatePickerControls();
    InitPickerViews();
    QCoreApplication::processEvents();
    const long started = ResidentKiB();

    int i = 0;
    for (; i < warmUpPicks; ++i)
        Pick(i);
    const long warm = ResidentKiB();
    for (; i < warmUpPicks + measuredPicks; ++i)
        Pick(i);
    const long finished = ResidentKiB();

    std::printf("resident KiB: start-up %ld, after %d picks %ld, after %d more %ld\n", started, warmUpPicks, warm,
        measuredPicks, finished);
    std::printf("growth over %d picks: %ld KiB (since start-up: %ld KiB)\n", measuredPicks, finished - warm,
        finished - started);
    ClosePickerWindow();
    return finished - warm < 1024 ? 0 : 1;
}
