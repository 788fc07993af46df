#pragma once

// The picker as RunPicker builds it (start-up colour, window, controls, the
// controller's start-up views), driven step by step: input goes through the
// window as the platform's does, and Pump() plays the loop's part, handing
// every queued control event to the real controller.

#include "window/picker_types.h"

#include <QColor>
#include <QStringList>

class QWidget;

namespace palette {

// Makes the input of one step, without handling what it queues:
//   "field press L 0 0", "bar move 5 300", "field release L 0 0",
//   "field click R 3 4", "field dclick L 3 4": on a canvas, in its pixels;
//   "click 18": a left click in the middle of control 18;
//   "key ctrl+a", "key tab", "key backspace", "key end": one key;
//   "type 300": the rest of the line, key by key.
void Perform(const QString& step);

class PickerSession {
public:
    PickerSession();
    ~PickerSession();
    PickerSession(const PickerSession&) = delete;
    PickerSession& operator=(const PickerSession&) = delete;

    bool IsActive() const { return m_active; }
    QWidget* Window() const;

    // Performs each step and pumps after it.
    void Play(const QStringList& steps);
    // Hands every queued control event to HandleControlEvent.
    void Pump();
    // "17 TextChange" for each control event pumped since the last call.
    QStringList TakeHandled();

private:
    bool m_active = false;
    QStringList m_handled;
};

// "r g b" from RedEdit, GreenEdit and BlueEdit.
QString FieldTexts();
// "hue lightness saturation" and "red green blue" of pickerState.
QString HslState();
QString RgbState();
// The colour the swatch paints, or an invalid colour when its pixels disagree.
QColor SwatchColor();
// The colour HslToRgb gives for the state's hue, lightness and saturation.
QColor StateColor();

} // namespace palette
