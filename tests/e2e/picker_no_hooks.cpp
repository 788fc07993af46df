// The picker's window with no controller: it must open, show every control,
// ignore all input and close normally.
#include "window/picker_window.h"

int main()
{
    return palette::RunPicker(nullptr, nullptr);
}
