#include "window/event_queue.h"

#include <algorithm>

namespace palette {

void EventQueue::Push(EventCode code, const ControlEvent& event)
{
    m_entries.push_back({code, code == EventCode::ControlNotice ? event : ControlEvent{}});
}

QueuedEvent EventQueue::Take()
{
    if (m_entries.empty())
        return {};
    QueuedEvent oldest = m_entries.front();
    m_entries.pop_front();
    return oldest;
}

void EventQueue::DropControl(std::int32_t control)
{
    std::erase_if(m_entries, [control](const QueuedEvent& entry) {
        return entry.code == EventCode::ControlNotice && entry.event.control == control;
    });
}

EventQueue& PickerEvents()
{
    static EventQueue queue;
    return queue;
}

} // namespace palette
