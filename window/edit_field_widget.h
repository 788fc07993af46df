#pragma once

// An edit field control: reports the user's edits and its focus changes.
// It is opaque: it paints what lies beneath its rounded corners itself, so
// that a text written during a drag repaints the field alone and not the
// frame and window behind it.

#include "window/field_background.h"

#include <QLineEdit>

#include <cstdint>

namespace palette {

class EditFieldWidget : public QLineEdit {
public:
    EditFieldWidget(std::int32_t number, const QString& text, QWidget* parent);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    std::int32_t m_number = 0;
    FieldBackground m_background;
};

} // namespace palette
