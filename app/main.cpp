#include "picker/controller.h"
#include "window/picker_window.h"

int main()
{
    return palette::RunPicker(palette::InitPickerViews, palette::HandleControlEvent);
}
