#pragma once

// An edit field control: reports the user's edits and its focus changes.

#include <QLineEdit>

#include <cstdint>

namespace palette {

class EditFieldWidget : public QLineEdit {
public:
    EditFieldWidget(std::int32_t number, const QString& text, QWidget* parent);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    std::int32_t m_number = 0;
};

} // namespace palette
