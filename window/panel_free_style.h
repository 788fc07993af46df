#pragma once

// The application's style, except that it draws no line-edit panel: edit
// fields that paint their own background (panel included) use it, so that
// the panel is not drawn twice.

#include <QProxyStyle>

namespace palette {

class PanelFreeStyle : public QProxyStyle {
public:
    // One instance per application, owned by it.
    static PanelFreeStyle* Instance();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget) const override;
};

} // namespace palette
