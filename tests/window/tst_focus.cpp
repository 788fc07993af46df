// Keyboard focus: none at first, Tab order with wrap-around, canvases that
// never take it, and a focus that survives deactivation.
#include "picker_fixture.h"

#include "window/control_numbers.h"

#include <QApplication>
#include <QTest>
#include <QWindow>

using namespace palette;

namespace {

// The focus-taking controls in creation order.
const QList<int> focusOrder{RedEdit, GreenEdit, BlueEdit, AlphaEdit, RedTrack, GreenTrack, BlueTrack, HueEdit,
    SaturationEdit, LightnessEdit, OkButton, CancelButton};

// The control with the focus, -1 for none.
int FocusedControl(const PickerFixture& picker)
{
    for (std::int32_t number = 0; number <= LastPaletteSwatch; ++number) {
        if (picker.Control(number) && picker.Control(number)->hasFocus())
            return number;
    }
    return -1;
}

// Keys go through the window, as typed: Qt hands them to the focus widget.
void Press(const PickerFixture& picker, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(picker.Window()->windowHandle(), key, modifiers);
}

} // namespace

class TestFocus : public QObject {
    Q_OBJECT

private slots:
    void noFocusAtStart();
    void firstKey_data();
    void firstKey();
    void tabVisitsCreationOrderAndWraps();
    void shiftTabVisitsReverseOrderAndWraps();
    void tabReportsLeavingAnEdit();
    void canvasClickKeepsFocus();
    void deactivationLosesAndRestoresFocus();
    void reactivationWithoutFocusGivesNone();
};

void TestFocus::noFocusAtStart()
{
    PickerFixture picker;
    QVERIFY(picker.IsOpen());
    QCOMPARE(FocusedControl(picker), -1);
    QTest::qWait(50);
    QCOMPARE(FocusedControl(picker), -1);
    QCOMPARE(TakeEvents(), QStringList());
}

void TestFocus::firstKey_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("focused");

    QTest::newRow("Tab gives RedEdit") << int(Qt::Key_Tab) << int(Qt::NoModifier) << int(RedEdit);
    QTest::newRow("Shift+Tab gives CancelButton") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << int(CancelButton);
    QTest::newRow("a digit gives nothing") << int(Qt::Key_5) << int(Qt::NoModifier) << -1;
    QTest::newRow("Enter gives nothing") << int(Qt::Key_Return) << int(Qt::NoModifier) << -1;
}

void TestFocus::firstKey()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, focused);

    PickerFixture picker;
    Press(picker, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(FocusedControl(picker), focused);
}

void TestFocus::tabVisitsCreationOrderAndWraps()
{
    PickerFixture picker;
    QList<int> visited;
    for (int i = 0; i < focusOrder.size() + 1; ++i) {
        Press(picker, Qt::Key_Tab);
        visited << FocusedControl(picker);
    }
    QCOMPARE(visited, focusOrder + QList<int>{RedEdit});
}

void TestFocus::shiftTabVisitsReverseOrderAndWraps()
{
    PickerFixture picker;
    QList<int> visited;
    for (int i = 0; i < focusOrder.size() + 1; ++i) {
        Press(picker, Qt::Key_Backtab, Qt::ShiftModifier);
        visited << FocusedControl(picker);
    }
    QList<int> expected(focusOrder.rbegin(), focusOrder.rend());
    QCOMPARE(visited, expected << CancelButton);
}

void TestFocus::tabReportsLeavingAnEdit()
{
    PickerFixture picker;
    Press(picker, Qt::Key_Tab);
    Press(picker, Qt::Key_Tab);
    Press(picker, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(TakeEvents(),
        (QStringList{"17 OtherKind 0 0 0", "17 FocusLost 0 0 0", "18 OtherKind 0 0 0", "18 FocusLost 0 0 0",
            "17 OtherKind 0 0 0"}));
}

void TestFocus::canvasClickKeepsFocus()
{
    PickerFixture picker;
    picker.Control(GreenEdit)->setFocus();
    TakeEvents();
    QWindow* window = picker.Window()->windowHandle();
    for (QPoint at : {QPoint(60, 70), QPoint(290, 100), QPoint(25, 295)}) { // field, bar, a palette swatch
        QTest::mousePress(window, Qt::LeftButton, {}, at);
        QTest::mouseMove(window, at + QPoint(300, 3));
        QTest::mouseRelease(window, Qt::LeftButton, {}, at + QPoint(300, 3));
        QTest::mouseDClick(window, Qt::LeftButton, {}, at);
    }
    QCOMPARE(FocusedControl(picker), int(GreenEdit));
    QVERIFY(!TakeEvents().join(',').contains("FocusLost"));
}

void TestFocus::deactivationLosesAndRestoresFocus()
{
    PickerFixture picker;
    picker.Control(BlueEdit)->setFocus();
    TakeEvents();

    QWidget other;
    other.setGeometry(0, 0, 50, 50);
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QCOMPARE(FocusedControl(picker), -1);
    QCOMPARE(TakeEvents(), QStringList{"19 FocusLost 0 0 0"});

    picker.Window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(picker.Window()));
    QCOMPARE(FocusedControl(picker), int(BlueEdit));
    QCOMPARE(TakeEvents(), QStringList{"19 OtherKind 0 0 0"});
}

void TestFocus::reactivationWithoutFocusGivesNone()
{
    PickerFixture picker;
    QWidget other;
    other.setGeometry(0, 0, 50, 50);
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    picker.Window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(picker.Window()));
    QCOMPARE(FocusedControl(picker), -1);
    Press(picker, Qt::Key_Tab);
    QCOMPARE(FocusedControl(picker), int(RedEdit));
}

QTEST_MAIN(TestFocus)
#include "tst_focus.moc"
