#pragma once

// Steps of RunPicker for tests that drive the window without its loop.

#include <cstdint>

class QWidget;

namespace palette {

// Opens the window, shown and activated, with no controls yet.
void OpenPickerWindow();
// Creates every control of the table in order.
void CreatePickerControls();
// Deletes the window with its controls and drops every queued event.
void ClosePickerWindow();

QWidget* PickerWindowWidget();
// The widget holding a control number, or null.
QWidget* ControlWidget(std::int32_t number);

// Stops the wake timer and empties the queue and the current event.
void StopWaiting();

} // namespace palette
