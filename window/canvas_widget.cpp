#include "window/canvas_widget.h"

#include "window/drawing.h"
#include "window/event_queue.h"
#include "window/surface_changes.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace palette {
namespace {

constexpr PackedRgb white = 0xFFFFFF;

std::int32_t ButtonMask(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0)
        | (buttons & Qt::MiddleButton ? 4 : 0);
}

} // namespace

CanvasWidget::CanvasWidget(std::int32_t number, const QRect& geometry, QWidget* parent)
    : QWidget(parent)
    , m_number(number)
    , m_surface(geometry.width(), geometry.height(), white)
    , m_shown(m_surface)
{
    setGeometry(geometry);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setCursor(Qt::ArrowCursor);
    AttachCanvas(number, &m_surface, [this] { ShowChanges(); });
}

CanvasWidget::~CanvasWidget()
{
    DetachCanvas(m_number);
}

// A finished pass is on the screen before this returns; only the changed part travels.
void CanvasWidget::ShowChanges()
{
    const PixelRect changed = TakeChanges(m_surface, m_shown, m_surface.TakeMarkedRows());
    if (!changed.IsEmpty())
        repaint(changed.x, changed.y, changed.width, changed.height);
}

void CanvasWidget::paintEvent(QPaintEvent* event)
{
    // Wraps the buffer without copying; scaling for a high-DPI screen stays nearest-neighbour.
    const QImage image(reinterpret_cast<const uchar*>(m_surface.Bits()), m_surface.Width(), m_surface.Height(),
        qsizetype(m_surface.Width()) * 4, QImage::Format_RGB32);
    QPainter painter(this);
    const QRect exposed = event->rect();
    painter.drawImage(exposed, image, exposed);
}

void CanvasWidget::enterEvent(QEnterEvent* event)
{
    m_enteredAnew = !m_holding;
    Report(ControlEventKind::OtherKind, event->position(), QGuiApplication::mouseButtons());
}

void CanvasWidget::leaveEvent(QEvent*)
{
    Report(ControlEventKind::OtherKind, m_lastPosition, QGuiApplication::mouseButtons());
}

void CanvasWidget::mousePressEvent(QMouseEvent* event)
{
    const bool left = event->button() == Qt::LeftButton;
    if (left && event->buttons() == Qt::LeftButton)
        m_holding = true;
    Report(left ? ControlEventKind::LeftButtonDown : ControlEventKind::OtherKind, event->position(), event->buttons());
}

void CanvasWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double-click is a press like the first, plus the double-click report.
    mousePressEvent(event);
    Report(ControlEventKind::OtherKind, event->position(), event->buttons());
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event)
{
    // Qt keeps sending moves after any press; only a left-only press holds the mouse.
    const QPointF position = event->position();
    if (!m_holding && !rect().contains(QPoint(int(std::floor(position.x())), int(std::floor(position.y())))))
        return;
    const ControlEventKind kind = m_enteredAnew ? ControlEventKind::OtherKind : ControlEventKind::MouseMove;
    m_enteredAnew = false;
    Report(kind, position, event->buttons());
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->buttons() == Qt::NoButton)
        m_holding = false;
    Report(ControlEventKind::OtherKind, event->position(), event->buttons());
}

void CanvasWidget::wheelEvent(QWheelEvent* event)
{
    Report(ControlEventKind::OtherKind, event->position(), event->buttons());
}

void CanvasWidget::Report(ControlEventKind kind, QPointF position, Qt::MouseButtons buttons)
{
    m_lastPosition = position;
    PickerEvents().Push(EventCode::ControlNotice,
        {m_number, kind, std::int32_t(std::floor(position.x())), std::int32_t(std::floor(position.y())),
            ButtonMask(buttons)});
}

} // namespace palette
