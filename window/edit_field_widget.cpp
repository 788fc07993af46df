#include "window/edit_field_widget.h"

#include "window/event_queue.h"
#include "window/panel_free_style.h"

#include <QFocusEvent>
#include <QPainter>
#include <QStyleOptionFrame>

namespace palette {

EditFieldWidget::EditFieldWidget(std::int32_t number, const QString& text, QWidget* parent)
    : QLineEdit(text, parent)
    , m_number(number)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setStyle(PanelFreeStyle::Instance());
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

void EditFieldWidget::paintEvent(QPaintEvent* event)
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    {
        QPainter painter(this);
        painter.drawPixmap(0, 0, m_background.For(*this, panel, *PanelFreeStyle::Instance()->baseStyle()));
    }
    // Text, selection and caret; the panel is in the background already.
    QLineEdit::paintEvent(event);
}

// Palette, style or font changes may change what lies beneath: take it anew.
void EditFieldWidget::changeEvent(QEvent* event)
{
    m_background.Forget();
    QLineEdit::changeEvent(event);
}

void EditFieldWidget::moveEvent(QMoveEvent* event)
{
    m_background.Forget();
    QLineEdit::moveEvent(event);
}

void EditFieldWidget::resizeEvent(QResizeEvent* event)
{
    m_background.Forget();
    QLineEdit::resizeEvent(event);
}

} // namespace palette
