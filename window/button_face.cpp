#include "window/drawing.h"
#include "window/drawing_testing.h"

#include <QGuiApplication>
#include <QPalette>

#include <optional>

namespace palette {
namespace {

std::optional<PackedRgb>& Override()
{
    static std::optional<PackedRgb> color;
    return color;
}

} // namespace

PackedRgb ButtonFaceColor()
{
    if (Override())
        return *Override();
    // Without an application there is no palette; this is the usual light face.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return PackRgb(240, 240, 240);
    const QColor face = QGuiApplication::palette().color(QPalette::Button);
    return PackRgb(face.red(), face.green(), face.blue());
}

void SetButtonFaceOverride(std::optional<PackedRgb> color)
{
    Override() = color;
}

} // namespace palette
