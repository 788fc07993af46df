#pragma once

// Which widget holds which control number. A number names at most one
// control: creating a control under a number in use destroys the old one
// and drops its queued events first.

#include "window/control_table.h"

#include <cstdint>

class QWidget;

namespace palette {

// Creates the control under its number as a child of `parent` and shows it.
QWidget* CreateControl(const ControlRow& control, QWidget* parent);
// The widget of a number, or null.
QWidget* FindControl(std::int32_t number);
// Forgets every number; the widgets themselves go with their window.
void ForgetControls();

} // namespace palette
