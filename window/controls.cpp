#include "window/controls.h"

#include "window/control_registry.h"
#include "window/label_widget.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLineEdit>

namespace palette {
namespace {

// Canvases, track bars and the container carry no text.
QString TextOf(const QWidget* control)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(control))
        return frame->title();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    return {};
}

} // namespace

std::string GetControlText(std::int32_t control)
{
    return TextOf(FindControl(control)).toStdString();
}

void SetControlText(std::int32_t control, std::string_view text)
{
    // A control's text is a C string on every desktop: it ends at the first NUL.
    const QString value = QString::fromUtf8(text.substr(0, text.find('\0')));
    QWidget* widget = FindControl(control);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setText(value); // emits textChanged only, never textEdited
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(value);
    else if (auto* frame = qobject_cast<QGroupBox*>(widget))
        frame->setTitle(value);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(value);
}

void SetLabelBackColor(std::int32_t control, PackedRgb color)
{
    if (auto* label = dynamic_cast<LabelWidget*>(FindControl(control)))
        label->SetBackColor(color);
}

} // namespace palette
