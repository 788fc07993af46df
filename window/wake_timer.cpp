#include "window/wake_timer.h"

#include <QTimerEvent>

namespace palette {

void WakeTimer::Arm(std::int32_t intervalMs)
{
    if (m_timer.isActive() && m_interval == intervalMs)
        return;
    m_interval = intervalMs;
    m_timer.start(intervalMs, Qt::PreciseTimer, this);
}

void WakeTimer::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_timer.timerId())
        m_ticked = true;
}

} // namespace palette
