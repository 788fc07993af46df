// The yardstick for the drag measurement: a minimal Qt program that shows a
// non-native QColorDialog and prints the global rectangle of its hue and
// saturation field, so that the same drag can be driven over it.

#include <QApplication>
#include <QColorDialog>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QColorDialog dialog;
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.show();

    QTimer::singleShot(300, &dialog, [&dialog] {
        for (QWidget* child : dialog.findChildren<QWidget*>()) {
            // The field's class moved into a namespace between Qt releases.
            if (!QByteArray(child->metaObject()->className()).endsWith("QColorPicker"))
                continue;
            const QPoint topLeft = child->mapToGlobal(QPoint(0, 0));
            std::printf("%d %d %d %d\n", topLeft.x(), topLeft.y(), child->width(), child->height());
            std::fflush(stdout);
            return;
        }
        std::printf("no field\n");
        std::fflush(stdout);
    });
    return app.exec();
}
