#include "window/field_background.h"

#include "window/frame_widget.h"

#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionFrame>

namespace palette {

const QPixmap& FieldBackground::For(const QLineEdit& field, const QStyleOptionFrame& panel, const QStyle& style)
{
    const qreal ratio = field.devicePixelRatioF();
    const qint64 palette = panel.palette.cacheKey();
    for (const Picture& picture : m_pictures) {
        if (picture.state == panel.state && picture.palette == palette && picture.ratio == ratio)
            return picture.pixmap;
    }
    QPixmap pixmap = Backdrop(field, ratio);
    QPainter painter(&pixmap);
    style.drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, &field);
    painter.end();
    m_pictures.push_back({panel.state, palette, ratio, pixmap});
    return m_pictures.back().pixmap;
}

// The window's background and the frames that lie beneath the field.
QPixmap FieldBackground::Backdrop(const QLineEdit& field, qreal ratio)
{
    QPixmap backdrop(field.size() * ratio);
    backdrop.setDevicePixelRatio(ratio);
    const QWidget* window = field.parentWidget();
    backdrop.fill(window ? window->palette().color(window->backgroundRole()) : Qt::transparent);
    if (!window)
        return backdrop;
    QPainter painter(&backdrop);
    for (QObject* sibling : window->children()) {
        auto* frame = dynamic_cast<FrameWidget*>(sibling);
        if (frame && frame->isVisible() && frame->geometry().intersects(field.geometry()))
            painter.drawPixmap(frame->pos() - field.pos(), frame->Rendered());
    }
    return backdrop;
}

} // namespace palette
