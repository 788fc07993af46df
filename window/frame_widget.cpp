#include "window/frame_widget.h"

#include <QPaintEvent>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace palette {

FrameWidget::FrameWidget(const QString& title, QWidget* parent)
    : QGroupBox(title, parent)
{
}

const QPixmap& FrameWidget::Rendered()
{
    const qreal ratio = devicePixelRatioF();
    if (!m_rendered.isNull() && m_renderedTitle == title() && m_rendered.devicePixelRatio() == ratio)
        return m_rendered;
    QPixmap rendered(size() * ratio);
    rendered.setDevicePixelRatio(ratio);
    rendered.fill(Qt::transparent);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    QStylePainter painter(&rendered, this);
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
    m_rendered = rendered;
    m_renderedTitle = title();
    return m_rendered;
}

void FrameWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect exposed = event->rect();
    painter.drawPixmap(exposed, Rendered(), QRectF(exposed.topLeft() * devicePixelRatioF(),
                                                 exposed.size() * devicePixelRatioF()));
}

// Whatever the style draws from may have changed: render anew at the next paint.
void FrameWidget::changeEvent(QEvent* event)
{
    m_rendered = {};
    QGroupBox::changeEvent(event);
}

void FrameWidget::resizeEvent(QResizeEvent* event)
{
    m_rendered = {};
    QGroupBox::resizeEvent(event);
}

} // namespace palette
