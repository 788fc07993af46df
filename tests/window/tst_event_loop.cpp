// WaitForEvent and the loop of RunPicker: order, time-outs, hooks, shutdown.
#include "picker_fixture.h"

#include "window/control_numbers.h"
#include "window/controls.h"
#include "window/drawing.h"
#include "window/picker_window.h"
#include "window/picker_window_testing.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace palette;

namespace {

// What the hooks saw during one RunPicker.
struct Run {
    int initCalls = 0;
    PickerState stateAtInit;
    int controlsAtInit = 0;
    bool visibleAtInit = false;
    bool activeAtInit = false;
    ImageId image = 0;
    QStringList handled;
};
Run run;

int CountControls()
{
    int count = 0;
    for (std::int32_t number = 0; number <= LastPaletteSwatch; ++number)
        count += ControlWidget(number) != nullptr;
    return count;
}

void TypeInto(std::int32_t control, Qt::Key key)
{
    ControlWidget(control)->setFocus();
    QTest::keyClick(PickerWindowWidget()->windowHandle(), key);
}

// Input made while no wait runs, so that it lies queued when the loop starts:
// a typed digit, a close request, then more typing.
void InitWithInputAroundClose()
{
    ++run.initCalls;
    run.stateAtInit = pickerState;
    run.controlsAtInit = CountControls();
    run.visibleAtInit = PickerWindowWidget()->isVisible();
    run.image = pickerState.fieldImage = CreateImage(8, 8);
    run.activeAtInit = QTest::qWaitForWindowActive(PickerWindowWidget());
    TypeInto(RedEdit, Qt::Key_1);
    PickerWindowWidget()->close();
    TypeInto(GreenEdit, Qt::Key_2);
}

void Record(const ControlEvent& event)
{
    run.handled << Describe(EventCode::ControlNotice, event);
}

} // namespace

class TestEventLoop : public QObject {
    Q_OBJECT

private slots:
    void init() { run = {}; }
    void queuedEventsComeOldestFirst();
    void timeOutGivesNoEventAndEmptiesCurrent();
    void zeroLimitDoesNotBlock();
    void inputDuringTheWaitEndsIt();
    void closeRequestIsHandledAfterEarlierEvents();
    void runWithoutHooks();
};

void TestEventLoop::queuedEventsComeOldestFirst()
{
    PickerFixture picker;
    TypeInto(BlueEdit, Qt::Key_4);
    TypeInto(BlueEdit, Qt::Key_2);
    const QStringList expected{"19 OtherKind 0 0 0", "19 TextChange 0 0 0", "19 TextChange 0 0 0"};
    QStringList taken;
    while (taken.size() < expected.size()) {
        const EventCode code = WaitForEvent(20);
        QVERIFY(code != EventCode::NoEvent);
        if (code == EventCode::ControlNotice)
            taken << Describe(code, CurrentEvent());
    }
    QCOMPARE(taken, expected);
}

void TestEventLoop::timeOutGivesNoEventAndEmptiesCurrent()
{
    PickerFixture picker;
    QTest::mouseMove(picker.Window()->windowHandle(), QPoint(100, 120));
    QTest::mousePress(picker.Window()->windowHandle(), Qt::LeftButton, {}, QPoint(100, 120));
    for (int i = 0; i < 10 && CurrentEvent().kind != ControlEventKind::LeftButtonDown; ++i)
        WaitForEvent(0);
    QCOMPARE(Describe(EventCode::ControlNotice, CurrentEvent()), QString("0 LeftButtonDown 95 105 1"));

    for (int i = 0; i < 10 && WaitForEvent(30) != EventCode::NoEvent; ++i) {
    }
    const ControlEvent& current = CurrentEvent();
    QCOMPARE(Describe(EventCode::ControlNotice, current), Describe(EventCode::ControlNotice, ControlEvent{}));
    QTest::mouseRelease(picker.Window()->windowHandle(), Qt::LeftButton, {}, QPoint(100, 120));
}

void TestEventLoop::zeroLimitDoesNotBlock()
{
    PickerFixture picker;
    QElapsedTimer elapsed;
    elapsed.start();
    for (int i = 0; i < 100; ++i)
        QCOMPARE(WaitForEvent(0), EventCode::NoEvent);
    QVERIFY(elapsed.elapsed() < 1000);
}

void TestEventLoop::inputDuringTheWaitEndsIt()
{
    PickerFixture picker;
    ControlWidget(AlphaEdit)->setFocus();
    TakeEvents();
    QTimer::singleShot(10, picker.Window(), [] { QTest::keyClick(PickerWindowWidget()->windowHandle(), Qt::Key_X); });
    QElapsedTimer elapsed;
    elapsed.start();
    EventCode code = WaitForEvent(5000);
    while (code == EventCode::WindowNotice)
        code = WaitForEvent(5000);
    QCOMPARE(Describe(code, CurrentEvent()), QString("20 TextChange 0 0 0"));
    QVERIFY(elapsed.elapsed() < 4000);
}

void TestEventLoop::closeRequestIsHandledAfterEarlierEvents()
{
    QCOMPARE(RunPicker(InitWithInputAroundClose, Record), 0);

    QCOMPARE(run.initCalls, 1);
    QCOMPARE(run.stateAtInit.hue, 0);
    QCOMPARE(run.stateAtInit.saturation, 0);
    QCOMPARE(run.stateAtInit.lightness, 127);
    QCOMPARE(run.controlsAtInit, 44);
    QVERIFY(run.visibleAtInit);
    QVERIFY(run.activeAtInit);
    // Everything queued before the close request is handled, nothing after it.
    QCOMPARE(run.handled, (QStringList{"17 OtherKind 0 0 0", "17 TextChange 0 0 0"}));
    // Shutdown released the field image and closed the window.
    QCOMPARE(pickerState.fieldImage, 0);
    QCOMPARE(BeginDrawImage(run.image), 0);
    QVERIFY(!PickerWindowWidget());
    QCOMPARE(ControlWidget(RedEdit), nullptr);
    QCOMPARE(WaitForEvent(0), EventCode::NoEvent);
}

void TestEventLoop::runWithoutHooks()
{
    // Input of every kind reaches no hook and changes nothing; a close request ends the run.
    QTimer::singleShot(30, [] {
        QWindow* window = PickerWindowWidget()->windowHandle();
        QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(60, 70));
        TypeInto(RedEdit, Qt::Key_7);
        run.controlsAtInit = CountControls();
        run.handled << QString::fromStdString(GetControlText(RedEdit));
        PickerWindowWidget()->close();
    });
    QCOMPARE(RunPicker(nullptr, nullptr), 0);
    QCOMPARE(run.controlsAtInit, 44);
    QCOMPARE(run.handled, QStringList{"7"});
    QVERIFY(!PickerWindowWidget());
}

QTEST_MAIN(TestEventLoop)
#include "tst_event_loop.moc"
