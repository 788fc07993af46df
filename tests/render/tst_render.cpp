#include "color/color_model.h"
#include "picker/render.h"
#include "window/control_numbers.h"
#include "window/drawing.h"
#include "window/drawing_testing.h"
#include "window/picker_types.h"

#include <QGuiApplication>
#include <QPalette>
#include <QTest>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <functional>

using namespace palette;

namespace {

constexpr PackedRgb White = 0xFFFFFF;
constexpr PackedRgb Black = 0;
// Not a colour any picture makes by itself, so a misplaced pixel shows.
constexpr PackedRgb Face = 0x00C8D4;

PackedRgb Hsl(int hue, float lightness, int saturation)
{
    std::int32_t r, g, b;
    HslToRgb(float(hue), lightness, float(saturation), r, g, b);
    return PackRgb(r, g, b);
}

// The expected pictures, from pixel coordinates alone.

PackedRgb FieldPlane(int x, int y)
{
    if (x == 0 || y == 0 || x == 256 || y == 256)
        return Black;
    return Hsl(x, 127.5f, 256 - y);
}

bool OnCrosshair(int x, int y, int cx, int cy)
{
    const int dx = std::abs(x - cx), dy = std::abs(y - cy);
    return (dx <= 1 && dy >= 5 && dy <= 9) || (dy <= 1 && dx >= 5 && dx <= 9);
}

bool OnPointer(int x, int y, int tip)
{
    const int k = x - 22, dy = std::abs(y - tip);
    return (k >= 0 && k <= 4 && dy <= k) || (x == 27 && dy <= 5);
}

PackedRgb Bar(int x, int y, int hue, int saturation, int tip, PackedRgb face)
{
    if (x >= 20)
        return OnPointer(x, y, tip) ? Black : face;
    if (x == 0 || x == 19 || y == 0 || y == 256)
        return Black;
    return Hsl(hue, float(256 - y), saturation);
}

using Picture = std::function<PackedRgb(int x, int y)>;

// Empty when every pixel matches, else where and how the first one differs.
QString FirstDifference(const Surface& actual, const Picture& expected)
{
    for (int y = 0; y < actual.Height(); ++y) {
        for (int x = 0; x < actual.Width(); ++x) {
            if (actual.Pixel(x, y) != expected(x, y))
                return QStringLiteral("pixel (%1, %2) is %3, expected %4")
                    .arg(x).arg(y)
                    .arg(actual.Pixel(x, y), 6, 16, QLatin1Char('0'))
                    .arg(expected(x, y), 6, 16, QLatin1Char('0'));
        }
    }
    return {};
}

int CountOf(const Surface& s, PackedRgb color)
{
    int n = 0;
    for (int y = 0; y < s.Height(); ++y) {
        for (int x = 0; x < s.Width(); ++x)
            n += s.Pixel(x, y) == color;
    }
    return n;
}

void SetState(int hue, int lightness, int saturation)
{
    pickerState.hue = hue;
    pickerState.lightness = lightness;
    pickerState.saturation = saturation;
}

} // namespace

class TestRender : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void fieldImageHoldsThePlane();
    void renderingAgainReplacesTheImage();
    void fieldLandmarks_data();
    void fieldLandmarks();
    void colorField_data();
    void colorField();
    void fieldIgnoresLightness();
    void lightnessBar_data();
    void lightnessBar();
    void pointerIs36Pixels_data();
    void pointerIs36Pixels();
    void eachPictureIsOneBlockShownOnce();
    void extremeArgumentsStayOffTheCanvas_data();
    void extremeArgumentsStayOffTheCanvas();
    void withoutFieldImageCrosshairsAccumulate();
    void fieldImageThatCannotBeDrawnShowsBlack();
    void canvasThatCannotBeDrawnKeepsItsPicture_data();
    void canvasThatCannotBeDrawnKeepsItsPicture();
    void buttonFaceFollowsThePalette();

private:
    Surface m_field;
    Surface m_bar;
    int m_fieldShown = 0;
    int m_barShown = 0;
};

void TestRender::init()
{
    pickerState = {};
    m_field = Surface(257, 257, White);
    m_bar = Surface(28, 257, White);
    m_fieldShown = m_barShown = 0;
    AttachCanvas(ColorField, &m_field, [this] { ++m_fieldShown; });
    AttachCanvas(LightnessBar, &m_bar, [this] { ++m_barShown; });
    SetButtonFaceOverride(Face);
}

void TestRender::cleanup()
{
    ReleaseImage(pickerState.fieldImage);
    DetachCanvas(ColorField);
    DetachCanvas(LightnessBar);
    SetDrawingFaults({});
    SetButtonFaceOverride(std::nullopt);
}

void TestRender::fieldImageHoldsThePlane()
{
    RenderFieldImage();
    QVERIFY(pickerState.fieldImage != 0);
    const Surface* image = ImageSurface(pickerState.fieldImage);
    QVERIFY(image);
    QCOMPARE(image->Width(), 257);
    QCOMPARE(image->Height(), 257);
    const QString difference = FirstDifference(*image, FieldPlane);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    QVERIFY(!IsDrawing());
    QCOMPARE(m_fieldShown + m_barShown, 0);
}

void TestRender::renderingAgainReplacesTheImage()
{
    const std::size_t before = ImageCount();
    RenderFieldImage();
    RenderFieldImage();
    QCOMPARE(ImageCount(), before + 1);
    QVERIFY(ImageSurface(pickerState.fieldImage));
}

void TestRender::fieldLandmarks_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<PackedRgb>("color");

    QTest::newRow("pure green at hue 85") << 85 << 1 << PackRgb(0, 255, 0);
    QTest::newRow("pure blue at hue 170") << 170 << 1 << PackRgb(0, 0, 255);
    QTest::newRow("pure red at hue 255") << 255 << 1 << PackRgb(255, 0, 0);
    QTest::newRow("faintest saturation is nearly grey") << 1 << 255 << PackRgb(128, 127, 127);
    QTest::newRow("frame, top-left") << 0 << 0 << Black;
    QTest::newRow("frame, bottom-right") << 256 << 256 << Black;
    QTest::newRow("frame, left of the top row") << 0 << 1 << Black;
    QTest::newRow("frame, below the last row") << 128 << 256 << Black;
}

void TestRender::fieldLandmarks()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(PackedRgb, color);

    RenderFieldImage();
    QCOMPARE(ImageSurface(pickerState.fieldImage)->Pixel(x, y), color);
}

void TestRender::colorField_data()
{
    QTest::addColumn<int>("hue");
    QTest::addColumn<int>("lightness");
    QTest::addColumn<int>("saturation");
    QTest::addColumn<int>("cx");
    QTest::addColumn<int>("cy");

    QTest::newRow("start-up") << 0 << 127 << 0 << 1 << 255;
    QTest::newRow("hue 255, saturation 255") << 255 << 127 << 255 << 255 << 1;
    QTest::newRow("hue 128, saturation 128") << 128 << 127 << 128 << 129 << 128;
    QTest::newRow("hue 254 shares column 255") << 254 << 127 << 60 << 255 << 196;
    QTest::newRow("saturation 1 shares row 255") << 40 << 127 << 1 << 41 << 255;
    QTest::newRow("hue 0, saturation 255") << 0 << 127 << 255 << 1 << 1;
    QTest::newRow("black, dark corner of the state") << 200 << 0 << 10 << 201 << 246;
    QTest::newRow("white") << 30 << 255 << 250 << 31 << 6;
}

void TestRender::colorField()
{
    QFETCH(int, hue);
    QFETCH(int, lightness);
    QFETCH(int, saturation);
    QFETCH(int, cx);
    QFETCH(int, cy);

    RenderFieldImage();
    SetState(hue, lightness, saturation);
    DrawColorField();

    const QString difference = FirstDifference(m_field, [&](int x, int y) {
        return OnCrosshair(x, y, cx, cy) ? Black : FieldPlane(x, y);
    });
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TestRender::fieldIgnoresLightness()
{
    RenderFieldImage();
    SetState(77, 20, 140);
    DrawColorField();
    const Surface dark = m_field;
    m_field = Surface(257, 257, White);
    SetState(77, 230, 140);
    DrawColorField();
    QVERIFY(std::equal(dark.Bits(), dark.Bits() + 257 * 257, m_field.Bits()));
}

void TestRender::lightnessBar_data()
{
    QTest::addColumn<int>("hue");
    QTest::addColumn<int>("lightness");
    QTest::addColumn<int>("saturation");
    QTest::addColumn<PackedRgb>("face");
    QTest::addColumn<int>("tip");

    struct Row { const char* name; int hue, lightness, saturation; PackedRgb face; int tip; };
    const Row rows[] = {
        {"start-up", 0, 127, 0, Face, 128},
        {"hue 255, saturation 255", 255, 127, 255, Face, 128},
        {"hue 128, saturation 128", 128, 60, 128, Face, 195},
        {"lightness 0", 10, 0, 200, Face, 250},
        {"lightness 1", 10, 1, 200, Face, 250},
        {"lightness 2", 10, 2, 200, Face, 250},
        {"lightness 3", 10, 3, 200, Face, 250},
        {"lightness 4", 10, 4, 200, Face, 250},
        {"lightness 5", 10, 5, 200, Face, 250},
        {"lightness 6", 10, 6, 200, Face, 249},
        {"lightness 249", 10, 249, 200, Face, 6},
        {"lightness 250", 10, 250, 200, Face, 5},
        {"lightness 251", 10, 251, 200, Face, 5},
        {"lightness 252", 10, 252, 200, Face, 5},
        {"lightness 253", 10, 253, 200, Face, 5},
        {"lightness 254", 10, 254, 200, Face, 5},
        {"lightness 255", 10, 255, 200, Face, 5},
        {"black button face hides the pointer", 0, 127, 0, Black, 128},
        {"white button face", 170, 127, 255, White, 128},
    };
    for (const Row& row : rows)
        QTest::newRow(row.name) << row.hue << row.lightness << row.saturation << row.face << row.tip;
}

void TestRender::lightnessBar()
{
    QFETCH(int, hue);
    QFETCH(int, lightness);
    QFETCH(int, saturation);
    QFETCH(PackedRgb, face);
    QFETCH(int, tip);

    SetButtonFaceOverride(face);
    SetState(hue, lightness, saturation);
    DrawLightnessBar();

    const QString difference = FirstDifference(m_bar, [&](int x, int y) { return Bar(x, y, hue, saturation, tip, face); });
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TestRender::pointerIs36Pixels_data()
{
    QTest::addColumn<int>("lightness");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("bottom");

    QTest::newRow("start-up, rows 123 to 133") << 127 << 123 << 133;
    QTest::newRow("lightness 255, rows 0 to 10") << 255 << 0 << 10;
    QTest::newRow("lightness 0, rows 245 to 255") << 0 << 245 << 255;
}

void TestRender::pointerIs36Pixels()
{
    QFETCH(int, lightness);
    QFETCH(int, top);
    QFETCH(int, bottom);

    SetState(0, lightness, 0);
    DrawLightnessBar();

    int black = 0;
    for (int y = 0; y < 257; ++y) {
        for (int x = 20; x < 28; ++x) {
            if (m_bar.Pixel(x, y) != Black)
                continue;
            ++black;
            QVERIFY2(y >= top && y <= bottom, qPrintable(QStringLiteral("black at (%1, %2)").arg(x).arg(y)));
        }
    }
    QCOMPARE(black, 36);
    QCOMPARE(m_bar.Pixel(27, top), Black);
    QCOMPARE(m_bar.Pixel(27, bottom), Black);
}

void TestRender::eachPictureIsOneBlockShownOnce()
{
    RenderFieldImage();
    QCOMPARE(m_fieldShown + m_barShown, 0);
    SetState(50, 100, 150);
    DrawColorField();
    QCOMPARE(m_fieldShown, 1);
    QCOMPARE(m_barShown, 0);
    QVERIFY(!IsDrawing());
    DrawLightnessBar();
    QCOMPARE(m_fieldShown, 1);
    QCOMPARE(m_barShown, 1);
    QVERIFY(!IsDrawing());
}

void TestRender::extremeArgumentsStayOffTheCanvas_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");

    QTest::newRow("most negative") << INT_MIN << INT_MIN;
    QTest::newRow("most positive") << INT_MAX << INT_MAX;
    QTest::newRow("mixed") << INT_MIN << INT_MAX;
}

void TestRender::extremeArgumentsStayOffTheCanvas()
{
    QFETCH(int, x);
    QFETCH(int, y);

    // The crosshair and the pointer take any 32-bit values; far off, nothing lands.
    QVERIFY(BeginDrawCanvas(ColorField));
    DrawFieldMarker(x, y);
    EndDraw();
    QCOMPARE(CountOf(m_field, White), 257 * 257);

    QVERIFY(BeginDrawCanvas(LightnessBar));
    DrawBarPointer(x, y);
    EndDraw();
    QCOMPARE(CountOf(m_bar, White), 28 * 257);
}

void TestRender::withoutFieldImageCrosshairsAccumulate()
{
    SetDrawingFaults({.createImage = true});
    RenderFieldImage();
    QCOMPARE(pickerState.fieldImage, 0);

    SetState(0, 127, 0);
    DrawColorField();
    SetState(128, 127, 128);
    DrawColorField();

    // The start-up crosshair's two visible bars and all four of the second.
    struct Bar { int left, top, right, bottom; };
    const Bar bars[] = {
        {0, 246, 2, 250}, {6, 254, 10, 256},
        {128, 119, 130, 123}, {128, 133, 130, 137}, {120, 127, 124, 129}, {134, 127, 138, 129},
    };
    const QString difference = FirstDifference(m_field, [&](int x, int y) {
        for (const Bar& b : bars) {
            if (x >= b.left && x <= b.right && y >= b.top && y <= b.bottom)
                return Black;
        }
        return White;
    });
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    QCOMPARE(CountOf(m_field, Black), 90);
    QCOMPARE(m_fieldShown, 2);
}

void TestRender::fieldImageThatCannotBeDrawnShowsBlack()
{
    SetDrawingFaults({.beginImage = true});
    RenderFieldImage();
    QVERIFY(pickerState.fieldImage != 0);
    QCOMPARE(CountOf(*ImageSurface(pickerState.fieldImage), Black), 257 * 257);
    QVERIFY(!IsDrawing());

    SetDrawingFaults({});
    SetState(128, 127, 128);
    DrawColorField();
    QCOMPARE(CountOf(m_field, Black), 257 * 257);
}

void TestRender::canvasThatCannotBeDrawnKeepsItsPicture_data()
{
    QTest::addColumn<bool>("detach");

    QTest::newRow("the platform refuses") << false;
    QTest::newRow("the canvases are gone") << true;
}

void TestRender::canvasThatCannotBeDrawnKeepsItsPicture()
{
    QFETCH(bool, detach);

    RenderFieldImage();
    SetState(30, 90, 200);
    DrawColorField();
    DrawLightnessBar();
    const Surface field = m_field;
    const Surface bar = m_bar;

    if (detach) {
        DetachCanvas(ColorField);
        DetachCanvas(LightnessBar);
    } else {
        SetDrawingFaults({.beginCanvas = true});
    }
    SetState(200, 40, 20);
    DrawColorField();
    DrawLightnessBar();

    QVERIFY(!IsDrawing());
    QCOMPARE(m_fieldShown, 1);
    QCOMPARE(m_barShown, 1);
    QVERIFY(std::equal(field.Bits(), field.Bits() + 257 * 257, m_field.Bits()));
    QVERIFY(std::equal(bar.Bits(), bar.Bits() + 28 * 257, m_bar.Bits()));
}

void TestRender::buttonFaceFollowsThePalette()
{
    SetButtonFaceOverride(std::nullopt);
    const QPalette original = QGuiApplication::palette();

    struct Step { int red, green, blue; };
    const Step steps[] = {{10, 20, 30}, {200, 100, 50}};
    for (const Step& step : steps) {
        QPalette palette = original;
        palette.setColor(QPalette::Button, QColor(step.red, step.green, step.blue));
        QGuiApplication::setPalette(palette);
        const PackedRgb want = PackRgb(step.red, step.green, step.blue);
        QCOMPARE(ButtonFaceColor(), want);
        DrawLightnessBar();
        QCOMPARE(m_bar.Pixel(20, 0), want);
        QCOMPARE(m_bar.Pixel(27, 256), want);
    }
    QGuiApplication::setPalette(original);
}

QTEST_MAIN(TestRender)
#include "tst_render.moc"
