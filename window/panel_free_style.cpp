#include "window/panel_free_style.h"

#include <QApplication>
#include <QPointer>

namespace palette {

PanelFreeStyle* PanelFreeStyle::Instance()
{
    static QPointer<PanelFreeStyle> instance;
    if (!instance) {
        instance = new PanelFreeStyle;
        instance->setParent(qApp);
    }
    return instance;
}

void PanelFreeStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
    const QWidget* widget) const
{
    if (element == PE_PanelLineEdit)
        return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

} // namespace palette
