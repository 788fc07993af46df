#include "window/picker_window_widget.h"

#include "window/event_queue.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace palette {

PickerWindow::PickerWindow()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
              | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Color Palette"));
    setFixedSize(clientSize);
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);
    // Holding the focus itself keeps Qt from handing it to the first control
    // on activation; Tab still starts at the first control.
    setFocusPolicy(Qt::NoFocus);
    setFocus(Qt::OtherFocusReason);
    Centre();
}

QPoint PickerWindow::CentredPosition(const QRect& screen, QSize outer)
{
    // An outer size larger than the screen counts as the screen's: that edge lands at 0.
    const int width = std::min(outer.width(), screen.width());
    const int height = std::min(outer.height(), screen.height());
    return screen.topLeft() + QPoint((screen.width() - width) / 2, (screen.height() - height) / 2);
}

void PickerWindow::Centre()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(CentredPosition(screen->geometry(), frameGeometry().size()));
}

void PickerWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    PickerEvents().Push(EventCode::CloseRequest);
}

void PickerWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange)
        PickerEvents().Push(EventCode::WindowNotice);
    QWidget::changeEvent(event);
}

void PickerWindow::moveEvent(QMoveEvent* event)
{
    if (!m_centredWithFrame && frameGeometry().size() != size()) {
        m_centredWithFrame = true;
        Centre();
    }
    PickerEvents().Push(EventCode::WindowNotice);
    QWidget::moveEvent(event);
}

} // namespace palette
