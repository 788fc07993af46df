#include "color/color_model.h"
#include "picker/render.h"
#include "window/control_numbers.h"
#include "window/drawing.h"
#include "window/drawing_testing.h"
#include "window/picker_types.h"
#include "window/picker_window_testing.h"

#include <QImage>
#include <QTest>
#include <QWidget>


using namespace palette;

namespace {

PackedRgb Hsl(int hue, int lightness, int saturation)
{
    std::int32_t r, g, b;
    HslToRgb(float(hue), float(lightness), float(saturation), r, g, b);
    return PackRgb(r, g, b);
}

PackedRgb FromQColor(QRgb c)
{
    return PackRgb(qRed(c), qGreen(c), qBlue(c));
}

QImage Painted(std::int32_t control)
{
    return ControlWidget(control)->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QString Hex(PackedRgb c)
{
    return QStringLiteral("%1").arg(c, 6, 16, QLatin1Char('0'));
}

// The swatch's one colour as 0xBBGGRR digits, or "mixed" when its painted pixels disagree.
QString SwatchColor()
{
    const QImage image = Painted(NewSwatch);
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != first)
                return QStringLiteral("mixed");
        }
    }
    return Hex(FromQColor(first));
}

// Empty when the painted canvas shows its buffer exactly: 1:1, or at a
// higher device pixel ratio as whole blocks of one buffer pixel each.
QString PaintedDifference(std::int32_t control)
{
    const QImage image = Painted(control);
    const Surface* surface = CanvasSurface(control);
    if (!surface || surface->Width() == 0)
        return QStringLiteral("no buffer");
    const int scale = image.width() / surface->Width();
    if (scale < 1 || image.size() != QSize(surface->Width(), surface->Height()) * scale)
        return QStringLiteral("painted %1 x %2").arg(image.width()).arg(image.height());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (FromQColor(image.pixel(x, y)) != surface->Pixel(x / scale, y / scale))
                return QStringLiteral("painted pixel (%1, %2) differs at scale %3").arg(x).arg(y).arg(scale);
        }
    }
    return {};
}

void SetState(int hue, int lightness, int saturation)
{
    pickerState.hue = hue;
    pickerState.lightness = lightness;
    pickerState.saturation = saturation;
}

} // namespace

class TestRenderWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void swatchFollowsEachPicture_data();
    void swatchFollowsEachPicture();
    void swatchIsSetBeforeThePictureIsShown();
    void swatchIsSetWithoutFieldImage();
    void canvasThatCannotBeDrawnLeavesTheSwatch();
    void canvasesPaintTheirBuffers_data();
    void canvasesPaintTheirBuffers();
};

void TestRenderWindow::init()
{
    pickerState = {};
    OpenPickerWindow();
    CreatePickerControls();
    QVERIFY(QTest::qWaitForWindowExposed(PickerWindowWidget()));
    SetButtonFaceOverride(PackRgb(212, 208, 200));
}

void TestRenderWindow::cleanup()
{
    ReleaseImage(pickerState.fieldImage);
    pickerState.fieldImage = 0;
    SetDrawingFaults({});
    SetButtonFaceOverride(std::nullopt);
    ClosePickerWindow();
}

void TestRenderWindow::swatchFollowsEachPicture_data()
{
    QTest::addColumn<bool>("field");
    QTest::addColumn<int>("hue");
    QTest::addColumn<int>("lightness");
    QTest::addColumn<int>("saturation");
    QTest::addColumn<PackedRgb>("color");

    QTest::newRow("field, start-up grey") << true << 0 << 127 << 0 << PackRgb(127, 127, 127);
    QTest::newRow("bar, start-up grey") << false << 0 << 127 << 0 << PackRgb(127, 127, 127);
    QTest::newRow("field, red") << true << 0 << 128 << 255 << Hsl(0, 128, 255);
    QTest::newRow("bar, teal") << false << 128 << 100 << 128 << Hsl(128, 100, 128);
    QTest::newRow("field, black") << true << 90 << 0 << 200 << PackRgb(0, 0, 0);
    QTest::newRow("bar, white") << false << 90 << 255 << 200 << PackRgb(255, 255, 255);
}

void TestRenderWindow::swatchFollowsEachPicture()
{
    QFETCH(bool, field);
    QFETCH(int, hue);
    QFETCH(int, lightness);
    QFETCH(int, saturation);
    QFETCH(PackedRgb, color);

    RenderFieldImage();
    // A first colour unlike every row's, so a swatch left alone shows.
    SetState(43, 60, 255);
    DrawColorField();
    QCOMPARE(SwatchColor(), Hex(Hsl(43, 60, 255)));

    SetState(hue, lightness, saturation);
    field ? DrawColorField() : DrawLightnessBar();
    QCOMPARE(SwatchColor(), Hex(color));
}

void TestRenderWindow::swatchIsSetBeforeThePictureIsShown()
{
    // Plain buffers stand in for the canvases so that showing can be watched.
    Surface field(257, 257, 0xFFFFFF);
    Surface bar(28, 257, 0xFFFFFF);
    QString atFieldShow, atBarShow;
    AttachCanvas(ColorField, &field, [&] { atFieldShow = SwatchColor(); });
    AttachCanvas(LightnessBar, &bar, [&] { atBarShow = SwatchColor(); });

    RenderFieldImage();
    SetState(200, 150, 100);
    DrawColorField();
    QCOMPARE(atFieldShow, Hex(Hsl(200, 150, 100)));
    SetState(20, 50, 240);
    DrawLightnessBar();
    QCOMPARE(atBarShow, Hex(Hsl(20, 50, 240)));

    DetachCanvas(ColorField);
    DetachCanvas(LightnessBar);
}

void TestRenderWindow::swatchIsSetWithoutFieldImage()
{
    SetDrawingFaults({.createImage = true});
    RenderFieldImage();
    QCOMPARE(pickerState.fieldImage, 0);
    SetState(170, 127, 255);
    DrawColorField();
    QCOMPARE(SwatchColor(), Hex(Hsl(170, 127, 255)));
}

void TestRenderWindow::canvasThatCannotBeDrawnLeavesTheSwatch()
{
    RenderFieldImage();
    SetState(85, 127, 255);
    DrawColorField();
    DrawLightnessBar();
    const QImage field = Painted(ColorField);
    const QImage bar = Painted(LightnessBar);

    SetDrawingFaults({.beginCanvas = true});
    SetState(170, 60, 30);
    DrawColorField();
    DrawLightnessBar();

    QCOMPARE(SwatchColor(), Hex(Hsl(85, 127, 255)));
    QCOMPARE(Painted(ColorField), field);
    QCOMPARE(Painted(LightnessBar), bar);
}

void TestRenderWindow::canvasesPaintTheirBuffers_data()
{
    QTest::addColumn<bool>("drawn");
    QTest::addColumn<int>("hue");
    QTest::addColumn<int>("lightness");
    QTest::addColumn<int>("saturation");

    QTest::newRow("white before the first drawing") << false << 0 << 0 << 0;
    QTest::newRow("start-up") << true << 0 << 127 << 0;
    QTest::newRow("hue 128, saturation 128") << true << 128 << 200 << 128;
}

void TestRenderWindow::canvasesPaintTheirBuffers()
{
    QFETCH(bool, drawn);
    QFETCH(int, hue);
    QFETCH(int, lightness);
    QFETCH(int, saturation);

    if (drawn) {
        RenderFieldImage();
        SetState(hue, lightness, saturation);
        DrawColorField();
        DrawLightnessBar();
    } else {
        QCOMPARE(CanvasSurface(ColorField)->Pixel(128, 128), PackedRgb(0xFFFFFF));
    }
    for (const std::int32_t canvas : {std::int32_t(ColorField), std::int32_t(LightnessBar)}) {
        const QString difference = PaintedDifference(canvas);
        QVERIFY2(difference.isEmpty(), qPrintable(QStringLiteral("canvas %1: %2").arg(canvas).arg(difference)));
    }
}

QTEST_MAIN(TestRenderWindow)
#include "tst_render_window.moc"
