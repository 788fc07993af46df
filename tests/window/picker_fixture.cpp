#include "picker_fixture.h"

#include "window/picker_window.h"
#include "window/picker_window_testing.h"

#include <QTest>
#include <QWidget>

namespace palette {

PickerFixture::PickerFixture()
{
    OpenPickerWindow();
    CreatePickerControls();
    m_open = QTest::qWaitForWindowActive(Window());
    TakeEvents();
}

PickerFixture::~PickerFixture()
{
    ClosePickerWindow();
}

QWidget* PickerFixture::Window() const
{
    return PickerWindowWidget();
}

QWidget* PickerFixture::Control(std::int32_t number) const
{
    return ControlWidget(number);
}

QString Describe(EventCode code, const ControlEvent& event)
{
    static const char* const kinds[] = {"LeftButtonDown", "MouseMove", "TextChange", "FocusLost", "OtherKind"};
    static const char* const codes[] = {"NoEvent", "ControlNotice", "CloseRequest", "WindowNotice"};
    if (code != EventCode::ControlNotice)
        return QString::fromLatin1(codes[int(code)]);
    return QStringLiteral("%1 %2 %3 %4 %5")
        .arg(event.control)
        .arg(QString::fromLatin1(kinds[int(event.kind)]))
        .arg(event.x)
        .arg(event.y)
        .arg(event.buttons);
}

QStringList TakeEvents()
{
    QStringList events;
    for (EventCode code = WaitForEvent(0); code != EventCode::NoEvent; code = WaitForEvent(0)) {
        if (code != EventCode::WindowNotice)
            events << Describe(code, CurrentEvent());
    }
    return events;
}

} // namespace palette
