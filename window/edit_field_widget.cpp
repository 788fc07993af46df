#include "window/edit_field_widget.h"

#include "window/event_queue.h"

#include <QFocusEvent>

namespace palette {

EditFieldWidget::EditFieldWidget(std::int32_t number, const QString& text, QWidget* parent)
    : QLineEdit(text, parent)
    , m_number(number)
{
    setFocusPolicy(Qt::StrongFocus);
    // textEdited covers typing, deleting, cut, paste and undo, and never setText().
    connect(this, &QLineEdit::textEdited, this,
        [number] { PickerEvents().PushControl(number, ControlEventKind::TextChange); });
}

// The edit's own context menu takes the focus only for a moment: the field has not been left.
void EditFieldWidget::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        PickerEvents().PushControl(m_number, ControlEventKind::OtherKind);
}

void EditFieldWidget::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        PickerEvents().PushControl(m_number, ControlEventKind::FocusLost);
}

} // namespace palette
