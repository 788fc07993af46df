#pragma once

// The window layer's first-in first-out queue of events. Widgets push what
// the user's input produced; WaitForEvent takes the oldest entry.

#include "window/picker_types.h"

#include <cstdint>
#include <deque>

namespace palette {

struct QueuedEvent {
    EventCode code = EventCode::NoEvent;
    ControlEvent event; // ControlNotice only
};

class EventQueue {
public:
    bool IsEmpty() const { return m_entries.empty(); }
    std::size_t Size() const { return m_entries.size(); }

    void Push(EventCode code, const ControlEvent& event = {});
    void PushControl(std::int32_t control, ControlEventKind kind) { Push(EventCode::ControlNotice, {control, kind}); }
    // The oldest entry, removed; a NoEvent entry when empty.
    QueuedEvent Take();
    // Drops the control notices of one control, e.g. when its number is reused.
    void DropControl(std::int32_t control);
    void Clear() { m_entries.clear(); }

private:
    std::deque<QueuedEvent> m_entries;
};

// The one queue of the window.
EventQueue& PickerEvents();

} // namespace palette
