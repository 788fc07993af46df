#pragma once

// A canvas control: shows its Surface 1:1 and reports the mouse input over it.

#include "window/picker_types.h"
#include "window/surface.h"

#include <QWidget>

#include <cstdint>

namespace palette {

class CanvasWidget : public QWidget {
public:
    CanvasWidget(std::int32_t number, const QRect& geometry, QWidget* parent);
    ~CanvasWidget() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void Report(ControlEventKind kind, QPointF position, Qt::MouseButtons buttons);
    void ShowChanges();

    std::int32_t m_number = 0;
    Surface m_surface;
    // What the screen shows, to find the pixels a drawing pass changed.
    Surface m_shown;
    QPointF m_lastPosition;
    // Pressed with only the left button: every move is ours, wherever the pointer is.
    bool m_holding = false;
    // The pointer has entered and not moved since.
    bool m_enteredAnew = false;
};

} // namespace palette
