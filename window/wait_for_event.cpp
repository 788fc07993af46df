// WaitForEvent and the current event.
#include "window/event_queue.h"
#include "window/picker_window.h"
#include "window/picker_window_testing.h"
#include "window/wake_timer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QPointer>

namespace palette {
namespace {

ControlEvent& Current()
{
    static ControlEvent current;
    return current;
}

QPointer<WakeTimer>& Timer()
{
    static QPointer<WakeTimer> timer;
    return timer;
}

WakeTimer& ArmedTimer(std::int32_t intervalMs)
{
    if (!Timer())
        Timer() = new WakeTimer(QCoreApplication::instance());
    Timer()->Arm(intervalMs);
    return *Timer();
}

// Sleeps in the event dispatcher until the input it handles queues an event,
// the wake timer ticks or the limit has passed, whichever comes first.
void ProcessInput(const EventQueue& queue, std::int32_t timeoutMs)
{
    if (!QCoreApplication::instance())
        return;
    if (timeoutMs <= 0) {
        QCoreApplication::processEvents();
    } else {
        WakeTimer& timer = ArmedTimer(timeoutMs);
        const QDeadlineTimer deadline(timeoutMs, Qt::PreciseTimer);
        timer.ClearTick();
        while (queue.IsEmpty() && !timer.Ticked() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    // Outside exec() Qt never runs deleteLater(); widgets such as the edit
    // fields' context menus rely on it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

EventCode WaitForEvent(std::int32_t timeoutMs)
{
    EventQueue& queue = PickerEvents();
    if (queue.IsEmpty())
        ProcessInput(queue, timeoutMs);
    const QueuedEvent entry = queue.Take();
    Current() = entry.event;
    return entry.code;
}

const ControlEvent& CurrentEvent()
{
    return Current();
}

void StopWaiting()
{
    delete Timer();
    Current() = {};
    PickerEvents().Clear();
}

} // namespace palette
