#include "window/control_registry.h"

#include "window/canvas_widget.h"
#include "window/edit_field_widget.h"
#include "window/event_queue.h"
#include "window/frame_widget.h"
#include "window/label_widget.h"

#include <QPointer>
#include <QPushButton>
#include <QSlider>

#include <map>

namespace palette {
namespace {

std::map<std::int32_t, QPointer<QWidget>>& Controls()
{
    static std::map<std::int32_t, QPointer<QWidget>> controls;
    return controls;
}

QRect Rect(const ControlRow& control)
{
    return {control.x, control.y, control.width, control.height};
}

QWidget* MakeCanvas(const ControlRow& control, QWidget* parent)
{
    return new CanvasWidget(control.number, Rect(control), parent);
}

QWidget* MakeLabel(const ControlRow& control, QWidget* parent)
{
    return new LabelWidget(QString::fromUtf8(control.text), parent);
}

QWidget* MakeEditField(const ControlRow& control, QWidget* parent)
{
    return new EditFieldWidget(control.number, QString::fromUtf8(control.text), parent);
}

QWidget* MakeFrame(const ControlRow& control, QWidget* parent)
{
    auto* frame = new FrameWidget(QString::fromUtf8(control.text), parent);
    frame->setFocusPolicy(Qt::NoFocus);
    // Beneath every sibling, also those made before it: the style tints a
    // frame's inside, which would otherwise dim the new-colour swatch.
    frame->lower();
    return frame;
}

QWidget* MakeTrackBar(const ControlRow& control, QWidget* parent)
{
    auto* track = new QSlider(Qt::Vertical, parent);
    track->setRange(0, 100);
    track->setValue(0);
    track->setTickPosition(QSlider::NoTicks);
    track->setFocusPolicy(Qt::StrongFocus);
    const std::int32_t number = control.number;
    QObject::connect(track, &QSlider::valueChanged, track,
        [number] { PickerEvents().PushControl(number, ControlEventKind::OtherKind); });
    return track;
}

QWidget* MakePushButton(const ControlRow& control, QWidget* parent)
{
    auto* button = new QPushButton(QString::fromUtf8(control.text), parent);
    // No default button: Enter and Escape press nothing.
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setFocusPolicy(Qt::StrongFocus);
    const std::int32_t number = control.number;
    QObject::connect(button, &QPushButton::clicked, button,
        [number] { PickerEvents().PushControl(number, ControlEventKind::OtherKind); });
    return button;
}

QWidget* MakeContainer(const ControlRow&, QWidget* parent)
{
    auto* container = new QWidget(parent);
    container->setFocusPolicy(Qt::NoFocus);
    return container;
}

using MakeFunction = QWidget* (*)(const ControlRow&, QWidget*);

// Indexed by ControlKind; an end-of-container row makes nothing.
constexpr MakeFunction makers[] = {
    MakeCanvas,
    MakeLabel,
    MakeEditField,
    MakeFrame,
    MakeTrackBar,
    MakePushButton,
    MakeContainer,
    nullptr,
};
static_assert(std::size(makers) == std::size_t(ControlKind::EndContainer) + 1);

void DestroyControl(std::int32_t number)
{
    const auto it = Controls().find(number);
    if (it == Controls().end())
        return;
    delete it->second.data();
    Controls().erase(it);
    PickerEvents().DropControl(number);
}

} // namespace

QWidget* CreateControl(const ControlRow& row, QWidget* parent)
{
    const MakeFunction make = makers[std::size_t(row.kind)];
    if (!make)
        return nullptr;
    DestroyControl(row.number);
    QWidget* control = make(row, parent);
    control->setGeometry(Rect(row));
    control->show();
    Controls()[row.number] = control;
    return control;
}

QWidget* FindControl(std::int32_t number)
{
    const auto it = Controls().find(number);
    return it == Controls().end() ? nullptr : it->second.data();
}

void ForgetControls()
{
    Controls().clear();
}

} // namespace palette
