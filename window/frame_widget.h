#pragma once

// A frame control: a group box that renders its frame once and then paints
// that picture. The edit fields inside are not opaque, so every text written
// during a drag repaints the frame beneath them, and the style rebuilds the
// frame from an image resource each time.

#include <QGroupBox>
#include <QPixmap>

namespace palette {

class FrameWidget : public QGroupBox {
public:
    FrameWidget(const QString& title, QWidget* parent);

    // The frame as it paints itself, with transparent pixels where it shows what lies beneath.
    const QPixmap& Rendered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPixmap m_rendered;
    QString m_renderedTitle;
};

} // namespace palette
