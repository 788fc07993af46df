// Which input produces which control event.
#include "picker_fixture.h"

#include "window/control_numbers.h"
#include "window/controls.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

using namespace palette;

namespace {

// ColorField's top-left corner in the window.
constexpr QPoint fieldOrigin{5, 15};

Qt::MouseButton ButtonNamed(const QString& name)
{
    return name == "L" ? Qt::LeftButton : name == "R" ? Qt::RightButton : Qt::MiddleButton;
}

// Plays steps such as "move 60 70", "press L 60 70", "release R 60 70",
// "dclick L 60 70" or "wheel 60 70", positions in window pixels (not 0 0:
// QTest reads that as the window's centre). Input goes
// through the window as the platform's does, so Qt picks the receiving
// control and keeps the mouse with a pressed one.
void Play(QWidget* window, const QStringList& steps)
{
    QWindow* handle = window->windowHandle();
    for (const QString& step : steps) {
        const QStringList word = step.split(' ');
        const QPoint at(word.at(word.size() - 2).toInt(), word.last().toInt());
        if (word[0] == "move") {
            QTest::mouseMove(handle, at);
        } else if (word[0] == "press") {
            QTest::mousePress(handle, ButtonNamed(word[1]), {}, at);
        } else if (word[0] == "release") {
            QTest::mouseRelease(handle, ButtonNamed(word[1]), {}, at);
        } else if (word[0] == "dclick") {
            QTest::mouseDClick(handle, ButtonNamed(word[1]), {}, at);
        } else if (word[0] == "wheel") {
            QWidget* target = window->childAt(at);
            const QPointF local = target->mapFrom(window, QPointF(at));
            QWheelEvent wheel(local, target->mapToGlobal(local), {}, {0, 120}, Qt::NoButton, {}, Qt::NoScrollPhase,
                false);
            QApplication::sendEvent(target, &wheel);
        }
    }
}

} // namespace

class TestControlEvents : public QObject {
    Q_OBJECT

private slots:
    void canvas_data();
    void canvas();
    void clickOnControlsWithoutEventsRaisesNothing();
    void userEdits_data();
    void userEdits();
    void editFocus();
    void trackBarMovement();
    void buttonClick();
    void enterAndEscapePressNoButton();
};

void TestControlEvents::canvas_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("expected");

    const auto at = [](int x, int y) { return QStringLiteral("%1 %2").arg(fieldOrigin.x() + x).arg(fieldOrigin.y() + y); };

    QTest::newRow("first move after entering is OtherKind")
        << QStringList{"move " + at(50, 50), "move " + at(51, 50), "move " + at(52, 51)}
        << QStringList{"0 OtherKind 50 50 0", "0 OtherKind 50 50 0", "0 MouseMove 51 50 0", "0 MouseMove 52 51 0"};
    QTest::newRow("left press holds the mouse until released")
        << QStringList{"move " + at(50, 50), "press L " + at(50, 50), "move " + at(-4, -14), "move " + at(300, 260),
               "release L " + at(300, 260), "move " + at(301, 260), "move " + at(-4, -14)}
        << QStringList{"0 OtherKind 50 50 0", "0 OtherKind 50 50 0", "0 LeftButtonDown 50 50 1",
               "0 MouseMove -4 -14 1", "0 MouseMove 300 260 1", "0 OtherKind 300 260 0", "0 OtherKind 300 260 0"};
    QTest::newRow("edges are inside, one past is outside")
        << QStringList{"move " + at(0, 0), "move " + at(256, 256), "move " + at(257, 256)}
        << QStringList{"0 OtherKind 0 0 0", "0 OtherKind 0 0 0", "0 MouseMove 256 256 0", "0 OtherKind 256 256 0"};
    QTest::newRow("right press is OtherKind and does not hold")
        << QStringList{"move " + at(10, 10), "press R " + at(10, 10), "move " + at(-20, 10), "move " + at(20, 10),
               "release R " + at(20, 10)}
        << QStringList{"0 OtherKind 10 10 0", "0 OtherKind 10 10 0", "0 OtherKind 10 10 2", "0 MouseMove 20 10 2",
               "0 OtherKind 20 10 0"};
    QTest::newRow("left pressed while right is held does not hold")
        << QStringList{"move " + at(10, 10), "press R " + at(10, 10), "press L " + at(10, 10), "move " + at(-20, 10),
               "release L " + at(-20, 10), "release R " + at(-20, 10)}
        << QStringList{"0 OtherKind 10 10 0", "0 OtherKind 10 10 0", "0 OtherKind 10 10 2",
               "0 LeftButtonDown 10 10 3", "0 OtherKind -20 10 2", "0 OtherKind -20 10 0", "0 OtherKind -20 10 0"};
    QTest::newRow("double-click is two presses and the extra report")
        << QStringList{"move " + at(30, 40), "dclick L " + at(30, 40)}
        << QStringList{"0 OtherKind 30 40 0", "0 OtherKind 30 40 0", "0 LeftButtonDown 30 40 1", "0 OtherKind 30 40 0",
               "0 LeftButtonDown 30 40 1", "0 OtherKind 30 40 1", "0 OtherKind 30 40 0"};
    QTest::newRow("middle button and wheel are OtherKind")
        << QStringList{"move " + at(7, 8), "press M " + at(7, 8), "release M " + at(7, 8), "wheel " + at(7, 8)}
        << QStringList{"0 OtherKind 7 8 0", "0 OtherKind 7 8 0", "0 OtherKind 7 8 4", "0 OtherKind 7 8 0",
               "0 OtherKind 7 8 0"};
    QTest::newRow("other canvases report their own pixels")
        << QStringList{"move 276 16", "move 277 18", "press L 277 18", "move 305 300", "release L 305 300"}
        << QStringList{"1 OtherKind 1 1 0", "1 OtherKind 1 1 0", "1 MouseMove 2 3 0", "1 LeftButtonDown 2 3 1",
               "1 MouseMove 30 285 1", "1 OtherKind 30 285 0", "1 OtherKind 30 285 0"};
    QTest::newRow("palette swatch inside the container")
        << QStringList{"move 21 291", "press L 21 291", "release L 21 291"}
        << QStringList{"30 OtherKind 1 1 0", "30 OtherKind 1 1 0", "30 LeftButtonDown 1 1 1", "30 OtherKind 1 1 0"};
}

void TestControlEvents::canvas()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, expected);

    PickerFixture picker;
    Play(picker.Window(), {"move 290 300"});
    TakeEvents();
    Play(picker.Window(), steps);
    QCOMPARE(TakeEvents(), expected);
}

void TestControlEvents::clickOnControlsWithoutEventsRaisesNothing()
{
    PickerFixture picker;
    for (std::int32_t number : {NewSwatch, CurrentLabel, PreviewFrame, SettingsFrame, PaletteBox}) {
        QWidget* control = picker.Control(number);
        const QPoint at = control->mapTo(picker.Window(), QPoint(2, 2));
        Play(picker.Window(), {QStringLiteral("press L %1 %2").arg(at.x()).arg(at.y()),
                                  QStringLiteral("release L %1 %2").arg(at.x()).arg(at.y())});
    }
    Play(picker.Window(), {"press L 290 300", "release L 290 300"});
    QCOMPARE(TakeEvents(), QStringList());
}

void TestControlEvents::userEdits_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("result");

    QTest::newRow("type a digit") << "12" << QKeySequence(Qt::Key_7) << "127";
    QTest::newRow("type a letter") << "12" << QKeySequence(Qt::Key_A) << "12a";
    QTest::newRow("delete") << "12" << QKeySequence(Qt::Key_Backspace) << "1";
    QTest::newRow("cut") << "12" << QKeySequence(QKeySequence::Cut) << "";
    QTest::newRow("paste") << "12" << QKeySequence(QKeySequence::Paste) << "9";
    QTest::newRow("undo") << "12" << QKeySequence(QKeySequence::Undo) << "";
}

void TestControlEvents::userEdits()
{
    QFETCH(QString, start);
    QFETCH(QKeySequence, keys);
    QFETCH(QString, result);

    PickerFixture picker;
    auto* edit = qobject_cast<QLineEdit*>(picker.Control(GreenEdit));
    QApplication::clipboard()->setText("9");
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClicks(edit, start);
    if (keys == QKeySequence::Cut || keys == QKeySequence::Paste)
        edit->selectAll();
    TakeEvents();

    QTest::keySequence(edit, keys);
    QCOMPARE(edit->text(), result);
    QCOMPARE(TakeEvents(), QStringList{"18 TextChange 0 0 0"});
}

void TestControlEvents::editFocus()
{
    PickerFixture picker;
    QTest::mouseClick(picker.Control(BlueEdit), Qt::LeftButton);
    QTest::mouseClick(picker.Control(HueEdit), Qt::LeftButton);
    QTest::mouseClick(picker.Control(OkButton), Qt::LeftButton);
    QCOMPARE(TakeEvents(),
        (QStringList{"19 OtherKind 0 0 0", "19 FocusLost 0 0 0", "21 OtherKind 0 0 0", "21 FocusLost 0 0 0",
            "27 OtherKind 0 0 0"}));
}

void TestControlEvents::trackBarMovement()
{
    PickerFixture picker;
    QWidget* track = picker.Control(GreenTrack);
    track->setFocus();
    QTest::keyClick(track, Qt::Key_Up);
    QTest::keyClick(track, Qt::Key_PageUp);
    QCOMPARE(TakeEvents(), (QStringList{"25 OtherKind 0 0 0", "25 OtherKind 0 0 0"}));
}

void TestControlEvents::buttonClick()
{
    PickerFixture picker;
    QTest::mouseClick(picker.Control(CancelButton), Qt::LeftButton);
    QTest::keyClick(picker.Control(CancelButton), Qt::Key_Space);
    QCOMPARE(TakeEvents(), (QStringList{"28 OtherKind 0 0 0", "28 OtherKind 0 0 0"}));
}

void TestControlEvents::enterAndEscapePressNoButton()
{
    PickerFixture picker;
    QWidget* edit = picker.Control(AlphaEdit);
    QTest::mouseClick(edit, Qt::LeftButton);
    TakeEvents();
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Enter);
    QTest::keyClick(edit, Qt::Key_Escape);
    QCOMPARE(TakeEvents(), QStringList());
    QVERIFY(edit->hasFocus());
}

QTEST_MAIN(TestControlEvents)
#include "tst_control_events.moc"
