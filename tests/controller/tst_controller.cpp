#include "recording_fake.h"

#include "color/color_model.h"
#include "picker/controller.h"
#include "window/control_numbers.h"
#include "window/picker_types.h"

#include <QTest>

#include <algorithm>
#include <climits>
#include <functional>
#include <map>
#include <string>

using namespace palette;
using fake::recorder;

namespace {

constexpr int LeftButton = 1;
constexpr int RightButton = 2;
constexpr int MiddleButton = 4;

// Every field, so a comparison shows which one changed.
QString Describe(const PickerState& s)
{
    return QStringLiteral("hue %1 lightness %2 saturation %3 red %4 green %5 blue %6 image %7")
        .arg(s.hue).arg(s.lightness).arg(s.saturation).arg(s.red).arg(s.green).arg(s.blue).arg(s.fieldImage);
}

QString Drawing(const char* name, int hue, int lightness, int saturation)
{
    return QStringLiteral("%1 %2 %3 %4").arg(name).arg(hue).arg(lightness).arg(saturation);
}

QStringList WritesAndReadBack(int red, int green, int blue)
{
    return {
        QStringLiteral("Set 17 %1").arg(red), QStringLiteral("Set 18 %1").arg(green),
        QStringLiteral("Set 19 %1").arg(blue), "Get 17", "Get 18", "Get 19",
    };
}

QStringList FieldTexts()
{
    return {QString::fromStdString(recorder.texts[RedEdit]), QString::fromStdString(recorder.texts[GreenEdit]),
            QString::fromStdString(recorder.texts[BlueEdit])};
}

// A state in which every handler leaves a visible trace: the channels differ
// from the texts and from the colour that the HSL state gives.
void StartFromDistinctState()
{
    pickerState = {};
    pickerState.hue = 10;
    pickerState.lightness = 100;
    pickerState.saturation = 200;
    pickerState.red = 1;
    pickerState.green = 2;
    pickerState.blue = 3;
    pickerState.fieldImage = 7;
    recorder = {};
    recorder.texts = {{RedEdit, "40"}, {GreenEdit, "50"}, {BlueEdit, "60"}, {HueEdit, "100"}, {AlphaEdit, "9"}};
}

struct ControlName { std::int32_t number; const char* name; };
const ControlName controlNames[] = {
    {INT_MIN, "INT_MIN"}, {-1, "-1"},
    {ColorField, "ColorField"}, {LightnessBar, "LightnessBar"}, {CurrentLabel, "CurrentLabel"},
    {NewLabel, "NewLabel"}, {RedLabel, "RedLabel"}, {GreenLabel, "GreenLabel"}, {BlueLabel, "BlueLabel"},
    {AlphaLabel, "AlphaLabel"}, {HueLabel, "HueLabel"}, {SaturationLabel, "SaturationLabel"},
    {LightnessLabel, "LightnessLabel"}, {PreviewFrame, "PreviewFrame"}, {SettingsFrame, "SettingsFrame"},
    {13, "unused 13"}, {14, "unused 14"},
    {CurrentSwatch, "CurrentSwatch"}, {NewSwatch, "NewSwatch"}, {RedEdit, "RedEdit"}, {GreenEdit, "GreenEdit"},
    {BlueEdit, "BlueEdit"}, {AlphaEdit, "AlphaEdit"}, {HueEdit, "HueEdit"}, {SaturationEdit, "SaturationEdit"},
    {LightnessEdit, "LightnessEdit"}, {RedTrack, "RedTrack"}, {GreenTrack, "GreenTrack"}, {BlueTrack, "BlueTrack"},
    {OkButton, "OkButton"}, {CancelButton, "CancelButton"}, {PaletteBox, "PaletteBox"},
    {30, "PaletteSwatch 30"}, {31, "PaletteSwatch 31"}, {32, "PaletteSwatch 32"}, {33, "PaletteSwatch 33"},
    {34, "PaletteSwatch 34"}, {35, "PaletteSwatch 35"}, {36, "PaletteSwatch 36"}, {37, "PaletteSwatch 37"},
    {38, "PaletteSwatch 38"}, {39, "PaletteSwatch 39"}, {40, "PaletteSwatch 40"}, {41, "PaletteSwatch 41"},
    {42, "PaletteSwatch 42"}, {43, "PaletteSwatch 43"}, {44, "PaletteSwatch 44"}, {45, "PaletteSwatch 45"},
    {46, "past the last 46"}, {INT_MAX, "INT_MAX"},
};

struct KindName { ControlEventKind kind; const char* name; };
const KindName kindNames[] = {
    {ControlEventKind::LeftButtonDown, "LeftButtonDown"}, {ControlEventKind::MouseMove, "MouseMove"},
    {ControlEventKind::TextChange, "TextChange"}, {ControlEventKind::FocusLost, "FocusLost"},
    {ControlEventKind::OtherKind, "OtherKind"},
};

using Operation = std::function<void(const ControlEvent&)>;
const std::map<QString, Operation> operations = {
    {"PickInField", [](const ControlEvent& e) { PickInField(e.x, e.y); }},
    {"PickOnBar", [](const ControlEvent& e) { PickOnBar(e.y); }},
    {"RgbFieldChanged", [](const ControlEvent& e) { RgbFieldChanged(e.control); }},
    {"RgbFieldLeft", [](const ControlEvent& e) { RgbFieldLeft(e.control); }},
};

} // namespace

class TestController : public QObject {
    Q_OBJECT

private slots:
    void init();

    void startUp();
    void dispatch_data();
    void dispatch();
    void pickInField_data();
    void pickInField();
    void pickOnBar_data();
    void pickOnBar();
    void typedValue_data();
    void typedValue();
    void focusLostWritesTheStoredChannel_data();
    void focusLostWritesTheStoredChannel();
    void focusLostAfterStartUpOrPickKeepsTheText_data();
    void focusLostAfterStartUpOrPickKeepsTheText();
    void pickAfterTypingRewritesAllThreeFields();
    void movePicksWhereverThePressBegan();
};

void TestController::init()
{
    pickerState = {};
    recorder = {};
}

void TestController::startUp()
{
    // What the window layer sets before it calls the hook.
    pickerState.lightness = 127;

    InitPickerViews();

    const QStringList expected = QStringList{
        "RenderFieldImage", Drawing("DrawColorField", 0, 127, 0), Drawing("DrawLightnessBar", 0, 127, 0),
    } + WritesAndReadBack(127, 127, 127);
    QCOMPARE(recorder.calls, expected);
    QCOMPARE(FieldTexts(), QStringList({"127", "127", "127"}));
    PickerState state;
    state.lightness = 127;
    state.red = state.green = state.blue = 127;
    QCOMPARE(Describe(pickerState), Describe(state));
}

// Each event either runs exactly one operation with the event's arguments or
// does nothing at all; the operations themselves are checked below.
void TestController::dispatch_data()
{
    QTest::addColumn<int>("control");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QString>("operation");

    using enum ControlEventKind;
    struct Row { const char* name; std::int32_t control; ControlEventKind kind; int buttons; const char* operation; };
    const Row rows[] = {
        {"field press", ColorField, LeftButtonDown, LeftButton, "PickInField"},
        {"field press, no button in the mask", ColorField, LeftButtonDown, 0, "PickInField"},
        {"field press, right in the mask", ColorField, LeftButtonDown, RightButton, "PickInField"},
        {"field move, left", ColorField, MouseMove, LeftButton, "PickInField"},
        {"field move, left and right", ColorField, MouseMove, LeftButton | RightButton, "PickInField"},
        {"field move, left and middle", ColorField, MouseMove, LeftButton | MiddleButton, "PickInField"},
        {"field move, all three", ColorField, MouseMove, LeftButton | RightButton | MiddleButton, "PickInField"},
        {"field move, no button", ColorField, MouseMove, 0, ""},
        {"field move, right only", ColorField, MouseMove, RightButton, ""},
        {"field move, middle only", ColorField, MouseMove, MiddleButton, ""},
        {"field move, right and middle", ColorField, MouseMove, RightButton | MiddleButton, ""},
        {"bar press", LightnessBar, LeftButtonDown, LeftButton, "PickOnBar"},
        {"bar press, no button in the mask", LightnessBar, LeftButtonDown, 0, "PickOnBar"},
        {"bar press, middle in the mask", LightnessBar, LeftButtonDown, MiddleButton, "PickOnBar"},
        {"bar move, left", LightnessBar, MouseMove, LeftButton, "PickOnBar"},
        {"bar move, left and right", LightnessBar, MouseMove, LeftButton | RightButton, "PickOnBar"},
        {"bar move, no button", LightnessBar, MouseMove, 0, ""},
        {"bar move, right only", LightnessBar, MouseMove, RightButton, ""},
        {"bar move, middle only", LightnessBar, MouseMove, MiddleButton, ""},
        {"bar move, right and middle", LightnessBar, MouseMove, RightButton | MiddleButton, ""},
        {"red text change", RedEdit, TextChange, 0, "RgbFieldChanged"},
        {"green text change", GreenEdit, TextChange, 0, "RgbFieldChanged"},
        {"blue text change", BlueEdit, TextChange, 0, "RgbFieldChanged"},
        {"red focus lost", RedEdit, FocusLost, 0, "RgbFieldLeft"},
        {"green focus lost", GreenEdit, FocusLost, 0, "RgbFieldLeft"},
        {"blue focus lost", BlueEdit, FocusLost, 0, "RgbFieldLeft"},
        {"text change with a stray button mask", GreenEdit, TextChange, LeftButton, "RgbFieldChanged"},
    };
    for (const Row& r : rows)
        QTest::newRow(r.name) << int(r.control) << int(r.kind) << r.buttons << QString(r.operation);

    // Every other pair, with the left button held, must stay inert.
    for (const ControlName& control : controlNames) {
        for (const KindName& kind : kindNames) {
            const auto acts = [&](const Row& r) { return r.control == control.number && r.kind == kind.kind; };
            if (std::any_of(std::begin(rows), std::end(rows), acts))
                continue;
            QTest::addRow("%s %s", control.name, kind.name)
                << int(control.number) << int(kind.kind) << LeftButton << QString();
        }
    }
}

void TestController::dispatch()
{
    QFETCH(int, control);
    QFETCH(int, kind);
    QFETCH(int, buttons);
    QFETCH(QString, operation);
    const ControlEvent event{control, ControlEventKind(kind), 30, 40, buttons};

    StartFromDistinctState();
    const QString stateBefore = Describe(pickerState);
    const auto textsBefore = recorder.texts;
    HandleControlEvent(event);
    const QStringList calls = recorder.calls;
    const QString state = Describe(pickerState);
    const auto texts = recorder.texts;

    if (operation.isEmpty()) {
        QCOMPARE(calls, QStringList());
        QCOMPARE(state, stateBefore);
        QVERIFY(texts == textsBefore);
        return;
    }
    StartFromDistinctState();
    operations.at(operation)(event);
    QVERIFY(!recorder.calls.isEmpty());
    QCOMPARE(calls, recorder.calls);
    QCOMPARE(state, Describe(pickerState));
    QVERIFY(texts == recorder.texts);
}

void TestController::pickInField_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("lightness");
    QTest::addColumn<int>("hue");
    QTest::addColumn<int>("saturation");
    QTest::addColumn<QStringList>("rgb");

    struct Row { const char* name; int x, y, lightness, hue, saturation; const char* r; const char* g; const char* b; };
    const Row rows[] = {
        {"top-left pixel", 0, 0, 127, 0, 255, "254", "0", "0"},
        {"row 1 is 254, not 255", 0, 1, 127, 0, 254, "254", "0", "0"},
        {"bottom row is 0, not 1", 0, 255, 127, 0, 0, "127", "127", "127"},
        {"top-right pixel", 255, 0, 127, 255, 255, "254", "0", "0"},
        {"bottom-right pixel", 255, 255, 127, 255, 0, "127", "127", "127"},
        {"left of and below the field", -40, 300, 127, 0, 0, "127", "127", "127"},
        {"just past bottom-right", 256, 256, 127, 255, 0, "127", "127", "127"},
        {"above and left", -1, -1, 127, 0, 255, "254", "0", "0"},
        {"extreme left and bottom", INT_MIN, INT_MAX, 127, 0, 0, "127", "127", "127"},
        {"extreme right and top", INT_MAX, INT_MIN, 127, 255, 255, "254", "0", "0"},
        {"green", 85, 0, 127, 85, 255, "0", "254", "0"},
        {"half saturation", 128, 127, 127, 128, 128, "63", "189", "191"},
        {"orange at mid lightness", 30, 40, 127, 30, 215, "234", "171", "20"},
        {"lightness kept: dark", 200, 55, 64, 200, 200, "85", "14", "114"},
        {"lightness kept: white", 100, 50, 255, 100, 205, "255", "255", "255"},
        {"lightness kept: black", 100, 50, 0, 100, 205, "0", "0", "0"},
    };
    for (const Row& r : rows)
        QTest::newRow(r.name) << r.x << r.y << r.lightness << r.hue << r.saturation
                              << QStringList{r.r, r.g, r.b};
}

void TestController::pickInField()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, lightness);
    QFETCH(int, hue);
    QFETCH(int, saturation);
    QFETCH(QStringList, rgb);
    StartFromDistinctState();
    pickerState.lightness = lightness;

    PickInField(x, y);

    const QStringList expected = QStringList{
        Drawing("DrawColorField", hue, lightness, saturation), Drawing("DrawLightnessBar", hue, lightness, saturation),
    } + WritesAndReadBack(rgb[0].toInt(), rgb[1].toInt(), rgb[2].toInt());
    QCOMPARE(recorder.calls, expected);
    QCOMPARE(FieldTexts(), rgb);
    PickerState state = pickerState;
    state.hue = hue;
    state.lightness = lightness;
    state.saturation = saturation;
    state.red = rgb[0].toInt();
    state.green = rgb[1].toInt();
    state.blue = rgb[2].toInt();
    state.fieldImage = 7;
    QCOMPARE(Describe(pickerState), Describe(state));
}

void TestController::pickOnBar_data()
{
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("hue");
    QTest::addColumn<int>("saturation");
    QTest::addColumn<int>("lightness");
    QTest::addColumn<QStringList>("rgb");

    struct Row { const char* name; int y, hue, saturation, lightness; const char* r; const char* g; const char* b; };
    const Row rows[] = {
        {"top row is white", 0, 30, 215, 255, "255", "255", "255"},
        {"top row is white at any hue", 0, 200, 0, 255, "255", "255", "255"},
        {"row 1 is 254, not 255", 1, 0, 0, 254, "254", "254", "254"},
        {"above the bar", -5, 30, 215, 255, "255", "255", "255"},
        {"far above the bar", INT_MIN, 30, 215, 255, "255", "255", "255"},
        {"bottom row is black", 255, 30, 215, 0, "0", "0", "0"},
        {"just below the bar", 256, 200, 200, 0, "0", "0", "0"},
        {"far below the bar", INT_MAX, 85, 255, 0, "0", "0", "0"},
        {"orange, light", 55, 30, 215, 200, "246", "219", "154"},
        {"orange, middle", 128, 30, 215, 127, "234", "171", "20"},
        {"orange, dark", 215, 30, 215, 40, "74", "54", "6"},
    };
    for (const Row& r : rows)
        QTest::newRow(r.name) << r.y << r.hue << r.saturation << r.lightness << QStringList{r.r, r.g, r.b};
}

void TestController::pickOnBar()
{
    QFETCH(int, y);
    QFETCH(int, hue);
    QFETCH(int, saturation);
    QFETCH(int, lightness);
    QFETCH(QStringList, rgb);
    StartFromDistinctState();
    pickerState.hue = hue;
    pickerState.saturation = saturation;

    PickOnBar(y);

    // The field does not depend on lightness, so it is not redrawn.
    const QStringList expected = QStringList{Drawing("DrawLightnessBar", hue, lightness, saturation)}
        + WritesAndReadBack(rgb[0].toInt(), rgb[1].toInt(), rgb[2].toInt());
    QCOMPARE(recorder.calls, expected);
    QCOMPARE(FieldTexts(), rgb);
    QCOMPARE(pickerState.hue, hue);
    QCOMPARE(pickerState.saturation, saturation);
    QCOMPARE(pickerState.lightness, lightness);
    QCOMPARE(QStringList({QString::number(pickerState.red), QString::number(pickerState.green),
                          QString::number(pickerState.blue)}), rgb);
}

// A typed text sets only its own channel, clamped, while the field keeps the
// text; losing the focus then writes the stored channel back.
void TestController::typedValue_data()
{
    QTest::addColumn<int>("control");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("channel");

    struct Row { const char* name; std::int32_t control; const char* text; int channel; };
    const Row rows[] = {
        {"empty", RedEdit, "", 0},
        {"letters", RedEdit, "abc", 0},
        {"digits then letters", GreenEdit, "12abc", 12},
        {"leading blanks", BlueEdit, " \t42", 42},
        {"plus sign", RedEdit, "+7", 7},
        {"leading zeros", GreenEdit, "007", 7},
        {"negative", RedEdit, "-5", 0},
        {"space after the sign", BlueEdit, "- 5", 0},
        {"decimal point", RedEdit, "3.7", 3},
        {"exponent", GreenEdit, "1e3", 1},
        {"C hex prefix", BlueEdit, "0x10", 0},
        {"hex lowercase", RedEdit, "$ff", 255},
        {"hex uppercase", GreenEdit, "$FF", 255},
        {"binary", BlueEdit, "%101", 5},
        {"above a byte", RedEdit, "300", 255},
        {"top of the range", GreenEdit, "255", 255},
        {"bottom of the range", BlueEdit, "0", 0},
        {"2^32 + 255 keeps its low bits", RedEdit, "4294967551", 255},
        {"2^32 keeps its low bits", RedEdit, "4294967296", 0},
        {"2^31 reads as negative", GreenEdit, "2147483648", 0},
        {"2^31 - 1", BlueEdit, "2147483647", 255},
        {"2^32 - 1 reads as -1", RedEdit, "4294967295", 0},
        {"minus (2^32 - 255) wraps to 255", GreenEdit, "-4294967041", 255},
        {"2^64 + 200 wraps twice", BlueEdit, "18446744073709551816", 200},
    };
    for (const Row& r : rows)
        QTest::newRow(r.name) << int(r.control) << QByteArray(r.text) << r.channel;
}

void TestController::typedValue()
{
    QFETCH(int, control);
    QFETCH(QByteArray, text);
    QFETCH(int, channel);
    StartFromDistinctState();
    recorder.texts[control] = text.toStdString();
    const auto textsBefore = recorder.texts;
    PickerState expected = pickerState;
    const std::map<int, std::int32_t*> channels = {
        {RedEdit, &expected.red}, {GreenEdit, &expected.green}, {BlueEdit, &expected.blue}};
    *channels.at(control) = channel;
    RgbToHsl(expected.red, expected.green, expected.blue, expected.hue, expected.lightness, expected.saturation);

    HandleControlEvent({control, ControlEventKind::TextChange, 0, 0, 0});

    QCOMPARE(Describe(pickerState), Describe(expected));
    QCOMPARE(recorder.calls, QStringList({
        QStringLiteral("Get %1").arg(control),
        Drawing("DrawColorField", expected.hue, expected.lightness, expected.saturation),
        Drawing("DrawLightnessBar", expected.hue, expected.lightness, expected.saturation),
    }));
    QVERIFY(recorder.texts == textsBefore);

    recorder.calls.clear();
    HandleControlEvent({control, ControlEventKind::FocusLost, 0, 0, 0});

    QCOMPARE(recorder.calls, QStringList({QStringLiteral("Set %1 %2").arg(control).arg(channel)}));
    QCOMPARE(Describe(pickerState), Describe(expected));
}

void TestController::focusLostWritesTheStoredChannel_data()
{
    QTest::addColumn<int>("control");
    QTest::addColumn<int>("channel");
    QTest::addColumn<QString>("text");

    struct Row { const char* name; std::int32_t control; int channel; const char* text; };
    const Row rows[] = {
        {"zero is one digit", RedEdit, 0, "0"},
        {"one digit", GreenEdit, 7, "7"},
        {"no leading zeros", BlueEdit, 42, "42"},
        {"top of the range", RedEdit, 255, "255"},
        // Out of range only if set from elsewhere; still plain decimal text.
        {"negative", GreenEdit, -5, "-5"},
        {"smallest", BlueEdit, INT_MIN, "-2147483648"},
        {"largest", RedEdit, INT_MAX, "2147483647"},
    };
    for (const Row& r : rows)
        QTest::newRow(r.name) << int(r.control) << r.channel << QString(r.text);
}

void TestController::focusLostWritesTheStoredChannel()
{
    QFETCH(int, control);
    QFETCH(int, channel);
    QFETCH(QString, text);
    StartFromDistinctState();
    const std::map<int, std::int32_t*> channels = {
        {RedEdit, &pickerState.red}, {GreenEdit, &pickerState.green}, {BlueEdit, &pickerState.blue}};
    *channels.at(control) = channel;
    const QString stateBefore = Describe(pickerState);

    RgbFieldLeft(control);

    QCOMPARE(recorder.calls, QStringList({QStringLiteral("Set %1 %2").arg(control).arg(text)}));
    QCOMPARE(QString::fromStdString(recorder.texts[control]), text);
    QCOMPARE(Describe(pickerState), stateBefore);
}

void TestController::focusLostAfterStartUpOrPickKeepsTheText_data()
{
    QTest::addColumn<bool>("pick");
    QTest::newRow("after start-up") << false;
    QTest::newRow("after a field pick") << true;
}

void TestController::focusLostAfterStartUpOrPickKeepsTheText()
{
    QFETCH(bool, pick);
    pickerState.lightness = 127;
    InitPickerViews();
    if (pick)
        HandleControlEvent({ColorField, ControlEventKind::LeftButtonDown, 30, 40, LeftButton});
    const QStringList texts = FieldTexts();
    const QString state = Describe(pickerState);
    recorder.calls.clear();

    for (const std::int32_t control : {RedEdit, GreenEdit, BlueEdit})
        HandleControlEvent({control, ControlEventKind::FocusLost, 0, 0, 0});

    QCOMPARE(recorder.calls, QStringList({"Set 17 " + texts[0], "Set 18 " + texts[1], "Set 19 " + texts[2]}));
    QCOMPARE(FieldTexts(), texts);
    QCOMPARE(Describe(pickerState), state);
}

void TestController::pickAfterTypingRewritesAllThreeFields()
{
    pickerState.lightness = 127;
    InitPickerViews();
    recorder.texts[RedEdit] = "300";
    HandleControlEvent({RedEdit, ControlEventKind::TextChange, 0, 0, 0});
    QCOMPARE(FieldTexts(), QStringList({"300", "127", "127"}));
    QCOMPARE(pickerState.red, 255);

    // The typed colour moved lightness to 191; the pick keeps it.
    recorder.calls.clear();
    HandleControlEvent({ColorField, ControlEventKind::LeftButtonDown, 85, 0, LeftButton});

    QCOMPARE(recorder.calls, QStringList({Drawing("DrawColorField", 85, 191, 255),
                                          Drawing("DrawLightnessBar", 85, 191, 255)})
                                 + WritesAndReadBack(127, 255, 127));
    QCOMPARE(FieldTexts(), QStringList({"127", "255", "127"}));
    QCOMPARE(pickerState.red, 127);
    QCOMPARE(pickerState.green, 255);
}

// No record of where a press began: a move with the left button held picks
// on whichever canvas reports it.
void TestController::movePicksWhereverThePressBegan()
{
    pickerState.lightness = 127;
    HandleControlEvent({LightnessBar, ControlEventKind::LeftButtonDown, 3, 27, LeftButton});
    QCOMPARE(pickerState.lightness, 228);

    recorder.calls.clear();
    HandleControlEvent({ColorField, ControlEventKind::MouseMove, 85, 0, LeftButton});

    QCOMPARE(pickerState.hue, 85);
    QCOMPARE(pickerState.saturation, 255);
    QCOMPARE(pickerState.lightness, 228);
    QCOMPARE(recorder.calls.first(), Drawing("DrawColorField", 85, 228, 255));
}

QTEST_APPLESS_MAIN(TestController)
#include "tst_controller.moc"
