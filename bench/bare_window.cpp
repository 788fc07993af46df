// The yardstick for start-up, idle and event-loop figures: a plain Qt window
// of the picker's size with a few ordinary widgets, run by exec(). Its
// "canvas" tracks the mouse like the picker's field but does nothing with it.

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Window"));
    window.setFixedSize(501, 355);

    auto* canvas = new QWidget(&window);
    canvas->setGeometry(5, 15, 257, 257);
    canvas->setMouseTracking(true);
    canvas->setAutoFillBackground(true);
    canvas->setPalette(QPalette(Qt::white));
    (new QGroupBox(QStringLiteral("Color Settings"), &window))->setGeometry(320, 105, 175, 160);
    (new QLabel(QStringLiteral("new Color:"), &window))->setGeometry(330, 75, 75, 15);
    for (int row = 0; row < 3; ++row) {
        (new QLineEdit(&window))->setGeometry(350, 125 + 35 * row, 40, 25);
        (new QSlider(Qt::Vertical, &window))->setGeometry(390, 125 + 35 * row, 20, 25);
    }
    (new QPushButton(QStringLiteral("OK"), &window))->setGeometry(425, 295, 70, 45);
    (new QPushButton(QStringLiteral("Cancel"), &window))->setGeometry(325, 295, 70, 45);
    window.show();
    return app.exec();
}
