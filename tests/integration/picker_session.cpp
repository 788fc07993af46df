#include "picker_session.h"

#include "color/color_model.h"
#include "picker/controller.h"
#include "window/control_numbers.h"
#include "window/controls.h"
#include "window/drawing.h"
#include "window/picker_window.h"
#include "window/picker_window_testing.h"

#include <QImage>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace palette {
namespace {

Qt::MouseButton ButtonNamed(const QString& name)
{
    return name == "L" ? Qt::LeftButton : name == "R" ? Qt::RightButton : Qt::MiddleButton;
}

QString KindName(ControlEventKind kind)
{
    static const char* const names[] = {"LeftButtonDown", "MouseMove", "TextChange", "FocusLost", "OtherKind"};
    return QString::fromLatin1(names[int(kind)]);
}

QString Triple(std::int32_t a, std::int32_t b, std::int32_t c)
{
    return QStringLiteral("%1 %2 %3").arg(a).arg(b).arg(c);
}

QWindow* Handle()
{
    return PickerWindowWidget()->windowHandle();
}

void PerformOnCanvas(const QStringList& word)
{
    const std::int32_t canvas = word[0] == "bar" ? LightnessBar : ColorField;
    const QPoint origin = ControlWidget(canvas)->mapTo(PickerWindowWidget(), QPoint(0, 0));
    const QPoint at = origin + QPoint(word.at(word.size() - 2).toInt(), word.last().toInt());
    const QString& action = word[1];
    if (action == "move")
        QTest::mouseMove(Handle(), at);
    else if (action == "press")
        QTest::mousePress(Handle(), ButtonNamed(word[2]), {}, at);
    else if (action == "release")
        QTest::mouseRelease(Handle(), ButtonNamed(word[2]), {}, at);
    else if (action == "click")
        QTest::mouseClick(Handle(), ButtonNamed(word[2]), {}, at);
    else if (action == "dclick")
        QTest::mouseDClick(Handle(), ButtonNamed(word[2]), {}, at);
    else
        qFatal("unknown canvas step %s", qPrintable(word.join(' ')));
}

void PerformKey(const QString& name)
{
    struct NamedKey {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    static const NamedKey keys[] = {
        {"ctrl+a", Qt::Key_A, Qt::ControlModifier},
        {"tab", Qt::Key_Tab, Qt::NoModifier},
        {"backspace", Qt::Key_Backspace, Qt::NoModifier},
        {"end", Qt::Key_End, Qt::NoModifier},
    };
    for (const NamedKey& key : keys) {
        if (name == QLatin1String(key.name)) {
            QTest::keyClick(Handle(), key.key, key.modifiers);
            return;
        }
    }
    qFatal("unknown key %s", qPrintable(name));
}

} // namespace

void Perform(const QString& step)
{
    const QStringList word = step.split(' ');
    if (word[0] == "field" || word[0] == "bar") {
        PerformOnCanvas(word);
    } else if (word[0] == "click") {
        QWidget* control = ControlWidget(word[1].toInt());
        QTest::mouseClick(Handle(), Qt::LeftButton, {}, control->mapTo(PickerWindowWidget(), control->rect().center()));
    } else if (word[0] == "key") {
        PerformKey(word[1]);
    } else if (word[0] == "type") {
        for (const QChar c : step.mid(5))
            QTest::keyClick(Handle(), c.toLatin1());
    } else {
        qFatal("unknown step %s", qPrintable(step));
    }
}

PickerSession::PickerSession()
{
    pickerState = {};
    pickerState.lightness = 127;
    OpenPickerWindow();
    CreatePickerControls();
    m_active = QTest::qWaitForWindowActive(Window());
    InitPickerViews();
    Pump();
    m_handled.clear();
}

PickerSession::~PickerSession()
{
    ReleaseImage(pickerState.fieldImage);
    pickerState.fieldImage = 0;
    ClosePickerWindow();
}

QWidget* PickerSession::Window() const
{
    return PickerWindowWidget();
}

void PickerSession::Play(const QStringList& steps)
{
    for (const QString& step : steps) {
        Perform(step);
        Pump();
    }
}

void PickerSession::Pump()
{
    for (EventCode code = WaitForEvent(0); code != EventCode::NoEvent; code = WaitForEvent(0)) {
        if (code != EventCode::ControlNotice)
            continue;
        const ControlEvent& event = CurrentEvent();
        m_handled << QStringLiteral("%1 %2").arg(event.control).arg(KindName(event.kind));
        HandleControlEvent(event);
    }
}

QStringList PickerSession::TakeHandled()
{
    return std::exchange(m_handled, {});
}

QString FieldTexts()
{
    return QStringLiteral("%1 %2 %3")
        .arg(QString::fromStdString(GetControlText(RedEdit)), QString::fromStdString(GetControlText(GreenEdit)),
            QString::fromStdString(GetControlText(BlueEdit)));
}

QString HslState()
{
    return Triple(pickerState.hue, pickerState.lightness, pickerState.saturation);
}

QString RgbState()
{
    return Triple(pickerState.red, pickerState.green, pickerState.blue);
}

QColor SwatchColor()
{
    const QImage image = ControlWidget(NewSwatch)->grab().toImage();
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != first)
                return {};
        }
    }
    return QColor(first);
}

QColor StateColor()
{
    std::int32_t r = 0, g = 0, b = 0;
    HslToRgb(float(pickerState.hue), float(pickerState.lightness), float(pickerState.saturation), r, g, b);
    return QColor(r, g, b);
}

} // namespace palette
