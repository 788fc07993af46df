#pragma once

// What an edit field shows behind its text: the window's background, the
// frames beneath its rounded corners and the style's panel. The fields are
// repainted on every motion event of a drag; the picture for each state of
// the panel (focus, hover, active window) is rendered once and reused.

#include <QPixmap>
#include <QStyle>

#include <vector>

class QLineEdit;
class QStyleOptionFrame;

namespace palette {

class FieldBackground {
public:
    // The picture behind `field`'s text for its panel option, drawn with `style`.
    const QPixmap& For(const QLineEdit& field, const QStyleOptionFrame& panel, const QStyle& style);
    // Size, position, palette or style changed: render anew when next asked.
    void Forget() { m_pictures.clear(); }

private:
    struct Picture {
        QStyle::State state;
        qint64 palette;
        qreal ratio;
        QPixmap pixmap;
    };

    static QPixmap Backdrop(const QLineEdit& field, qreal ratio);

    std::vector<Picture> m_pictures;
};

} // namespace palette
