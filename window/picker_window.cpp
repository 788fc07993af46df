// Start-up, event loop and shutdown.
#include "window/picker_window.h"

#include "window/control_registry.h"
#include "window/drawing.h"
#include "window/picker_window_testing.h"
#include "window/picker_window_widget.h"
#include "window/quiet_messages.h"

#include <QApplication>
#include <QPointer>

#include <memory>

namespace palette {
namespace {

constexpr std::int32_t waitLimitMs = 20;

QPointer<PickerWindow>& Window()
{
    static QPointer<PickerWindow> window;
    return window;
}

// The picker takes nothing from the command line: Qt gets a fixed one.
int fixedArgc = 1;
char programName[] = "color-palette";
char* fixedArgv[] = {programName, nullptr};

} // namespace

void OpenPickerWindow()
{
    auto* window = new PickerWindow;
    window->show();
    window->activateWindow();
    Window() = window;
}

void CreatePickerControls()
{
    QWidget* parent = Window();
    for (const ControlRow& row : PickerControls()) {
        if (row.kind == ControlKind::EndContainer) {
            parent = Window();
            continue;
        }
        QWidget* control = CreateControl(row, parent);
        if (row.kind == ControlKind::Container)
            parent = control;
    }
}

void ClosePickerWindow()
{
    delete Window().data();
    ForgetControls();
    StopWaiting();
}

QWidget* PickerWindowWidget()
{
    return Window();
}

QWidget* ControlWidget(std::int32_t number)
{
    return FindControl(number);
}

int RunPicker(InitHook init, EventHook handle)
{
    pickerState.hue = 0;
    pickerState.saturation = 0;
    pickerState.lightness = 127;

    QuietMessages quiet;
    std::unique_ptr<QApplication> application;
    quiet.SetExitOnFatal(true);
    // A drag puts a few small changed rectangles on the screen per motion
    // event. Through shared memory each one makes the next paint wait for the
    // X server to confirm it has read the last (a round trip, handed between
    // threads); sent in the request itself they need no answer.
    qputenv("QT_XCB_NO_MITSHM", "1");
    if (!QCoreApplication::instance())
        application = std::make_unique<QApplication>(fixedArgc, fixedArgv);
    OpenPickerWindow();
    quiet.SetExitOnFatal(false);

    CreatePickerControls();
    if (init)
        init();

    for (;;) {
        const EventCode code = WaitForEvent(waitLimitMs);
        if (code == EventCode::ControlNotice && handle)
            handle(CurrentEvent());
        if (code == EventCode::CloseRequest)
            break;
    }

    if (pickerState.fieldImage != 0) {
        ReleaseImage(pickerState.fieldImage);
        pickerState.fieldImage = 0;
    }
    ClosePickerWindow();
    return 0;
}

} // namespace palette
