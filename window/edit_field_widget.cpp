#include "window/edit_field_widget.h"

#include "window/event_queue.h"
#include "window/frame_widget.h"

#include <QFocusEvent>
#include <QPainter>

namespace palette {

EditFieldWidget::EditFieldWidget(std::int32_t number, const QString& text, QWidget* parent)
    : QLineEdit(text, parent)
    , m_number(number)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
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

// What the window shows beneath the field: its background and the frames.
const QPixmap& EditFieldWidget::Backdrop()
{
    const qreal ratio = devicePixelRatioF();
    if (!m_backdrop.isNull() && m_backdrop.devicePixelRatio() == ratio)
        return m_backdrop;
    QPixmap backdrop(size() * ratio);
    backdrop.setDevicePixelRatio(ratio);
    QWidget* window = parentWidget();
    backdrop.fill(window->palette().color(window->backgroundRole()));
    QPainter painter(&backdrop);
    for (const QObject* sibling : window->children()) {
        auto* frame = dynamic_cast<FrameWidget*>(const_cast<QObject*>(sibling));
        if (frame && frame->isVisible() && frame->geometry().intersects(geometry()))
            painter.drawPixmap(frame->pos() - pos(), frame->Rendered());
    }
    m_backdrop = backdrop;
    return m_backdrop;
}

void EditFieldWidget::paintEvent(QPaintEvent* event)
{
    if (parentWidget()) {
        QPainter painter(this);
        painter.drawPixmap(0, 0, Backdrop());
    }
    QLineEdit::paintEvent(event);
}

// Palette, style or font changes may change what lies beneath: take it anew.
void EditFieldWidget::changeEvent(QEvent* event)
{
    m_backdrop = {};
    QLineEdit::changeEvent(event);
}

void EditFieldWidget::moveEvent(QMoveEvent* event)
{
    m_backdrop = {};
    QLineEdit::moveEvent(event);
}

void EditFieldWidget::resizeEvent(QResizeEvent* event)
{
    m_backdrop = {};
    QLineEdit::resizeEvent(event);
}

} // namespace palette
