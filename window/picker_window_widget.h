#pragma once

// The picker's one top-level window: fixed client size, close box only,
// centred on the primary screen by its outer size. Closing it only asks:
// the request is queued and the window stays until the shutdown deletes it.

#include <QWidget>

namespace palette {

class PickerWindow : public QWidget {
public:
    static constexpr QSize clientSize{501, 355};

    PickerWindow();

    // The top-left corner that centres an outer (frame) size on a screen.
    static QPoint CentredPosition(const QRect& screen, QSize outer);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void Centre();

    // The frame's size is known only once the window manager has framed the window.
    bool m_centredWithFrame = false;
};

} // namespace palette
