#pragma once

// The one timer that bounds every wait. It keeps running between waits so
// that a wait registers nothing of its own: each wait only clears the tick
// and blocks until input arrives or the next tick.

#include <QBasicTimer>
#include <QObject>

#include <cstdint>

namespace palette {

class WakeTimer : public QObject {
public:
    using QObject::QObject;

    // Restarts the timer only when the interval changes.
    void Arm(std::int32_t intervalMs);
    void ClearTick() { m_ticked = false; }
    bool Ticked() const { return m_ticked; }

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    QBasicTimer m_timer;
    std::int32_t m_interval = 0;
    bool m_ticked = false;
};

} // namespace palette
