#include "window/label_widget.h"

#include <QPainter>

namespace palette {
namespace {

// Narrower than this and the letters stop being readable: cut off instead.
constexpr int narrowestStretch = 70;

} // namespace

LabelWidget::LabelWidget(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::NoFocus);
}

void LabelWidget::SetBackColor(PackedRgb color)
{
    const QColor back(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
    if (back == m_backColor)
        return;
    m_backColor = back;
    // From now on the label covers its whole rectangle, so nothing beneath needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
    update();
}

QFont LabelWidget::FittingFont() const
{
    QFont fitting = font();
    const int textWidth = fontMetrics().horizontalAdvance(text());
    if (textWidth <= width())
        return fitting;
    // Fonts come in a few widths only: narrow until the text really fits.
    for (int stretch = width() * 100 / textWidth; stretch > narrowestStretch; --stretch) {
        fitting.setStretch(stretch);
        if (QFontMetrics(fitting).horizontalAdvance(text()) <= width())
            return fitting;
    }
    fitting.setStretch(narrowestStretch);
    return fitting;
}

void LabelWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_backColor.isValid())
        painter.fillRect(rect(), m_backColor);
    if (text().isEmpty())
        return;
    painter.setFont(FittingFont());
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(rect(), int(alignment()), text());
}

} // namespace palette
