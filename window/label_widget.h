#pragma once

// A label control: left-aligned plain text over the window's background,
// or over a solid colour of its own once it has been given one. Its
// rectangle is fixed, so a text wider than it is condensed to fit rather
// than cut off.

#include "color/color_model.h"

#include <QLabel>

namespace palette {

class LabelWidget : public QLabel {
public:
    LabelWidget(const QString& text, QWidget* parent);

    // Cheap when the colour is unchanged: called on every pick of a drag.
    void SetBackColor(PackedRgb color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont FittingFont() const;

    QColor m_backColor; // invalid until set
};

} // namespace palette
