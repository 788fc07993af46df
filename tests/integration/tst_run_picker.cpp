// The whole program's loop: RunPicker with the real controller, fed input
// from timers, which fire inside the loop's waits. Each step's input is
// handled by the loop before the next timer fires, so a step first notes
// what the window shows after the previous one, then makes its own input.
#include "picker_session.h"

#include "picker/controller.h"
#include "window/drawing_testing.h"
#include "window/picker_window.h"
#include "window/picker_window_testing.h"

#include <QTest>
#include <QTimer>
#include <QWidget>

using namespace palette;

namespace {

struct Step {
    const char* input;
    const char* shows; // fields "r g b", then the swatch's red, green and blue
};

// One run from start-up to close. The swatch follows every pick and typed value.
constexpr Step steps[] = {
    {"", "127 127 127 / 127 127 127"},
    {"field press L 0 0", "254 0 0 / 254 0 0"},
    {"field move -40 300", "127 127 127 / 127 127 127"},
    {"field release L -40 300", "127 127 127 / 127 127 127"},
    {"click 18", "127 127 127 / 127 127 127"},
    {"key ctrl+a", "127 127 127 / 127 127 127"},
    {"type 300", "127 300 127 / 127 255 127"},
    {"key tab", "127 255 127 / 127 255 127"},
    {"bar click L 10 0", "255 255 255 / 255 255 255"},
    {"bar press L 10 250", "0 10 0 / 0 10 0"},
    {"bar move 10 330", "0 0 0 / 0 0 0"},
    {"bar release L 10 330", "0 0 0 / 0 0 0"},
};

QString Shows()
{
    const QColor swatch = SwatchColor();
    return QStringLiteral("%1 / %2 %3 %4").arg(FieldTexts()).arg(swatch.red()).arg(swatch.green()).arg(swatch.blue());
}

// Plays the steps from timers, then asks the window to close.
class Script : public QObject {
public:
    QStringList shown;

    void Start() { QTimer::singleShot(0, this, [this] { Next(); }); }

private:
    void Next()
    {
        if (m_next > 0)
            shown << Shows();
        if (m_next == std::size(steps)) {
            PickerWindowWidget()->close();
            return;
        }
        const QString input = QString::fromLatin1(steps[m_next++].input);
        if (!input.isEmpty())
            Perform(input);
        QTimer::singleShot(0, this, [this] { Next(); });
    }

    std::size_t m_next = 0;
};

} // namespace

class TestRunPicker : public QObject {
    Q_OBJECT

private slots:
    void runFromStartUpToClose();
};

void TestRunPicker::runFromStartUpToClose()
{
    Script script;
    script.Start();
    // Should the script stall, closing ends the run and the comparison below fails.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, [] {
        if (PickerWindowWidget())
            PickerWindowWidget()->close();
    });
    watchdog.start(20000);

    QCOMPARE(RunPicker(InitPickerViews, HandleControlEvent), 0);

    QStringList expected;
    for (const Step& step : steps)
        expected << QString::fromLatin1(step.shows);
    QCOMPARE(script.shown, expected);
    // The shutdown released the field image and closed the window.
    QCOMPARE(pickerState.fieldImage, 0);
    QCOMPARE(ImageCount(), std::size_t(0));
    QVERIFY(!PickerWindowWidget());
}

QTEST_MAIN(TestRunPicker)
#include "tst_run_picker.moc"
