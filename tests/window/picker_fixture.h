#pragma once

// Opens the picker window with all its controls for one widget test and
// reads the events it queues the way the loop does, through WaitForEvent.

#include "window/picker_types.h"

#include <QStringList>

#include <cstdint>

class QWidget;

namespace palette {

class PickerFixture {
public:
    PickerFixture();
    ~PickerFixture();
    PickerFixture(const PickerFixture&) = delete;
    PickerFixture& operator=(const PickerFixture&) = delete;

    QWidget* Window() const;
    QWidget* Control(std::int32_t number) const;
    bool IsOpen() const { return m_open; }

private:
    bool m_open = false;
};

// "17 TextChange 0 0 0" for a control event, the code's name otherwise.
QString Describe(EventCode code, const ControlEvent& event);

// Every event queued so far, oldest first, without the window's own notices
// (activation, moves), which carry nothing to check.
QStringList TakeEvents();

} // namespace palette
