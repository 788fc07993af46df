// The picker through its real window: presses, drags and typed values go in
// as input on the widgets, the real controller handles the events, and the
// state, the three fields, the swatch and the canvases' pixels come out.
#include "picker_session.h"

#include "color/color_model.h"
#include "window/control_numbers.h"
#include "window/controls.h"
#include "window/drawing.h"
#include "window/picker_window_testing.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWidget>

using namespace palette;

namespace {

QRgb Rgb(PackedRgb c)
{
    return qRgb(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

QRgb HslPixel(float hue, float lightness, float saturation)
{
    std::int32_t r = 0, g = 0, b = 0;
    HslToRgb(hue, lightness, saturation, r, g, b);
    return qRgb(r, g, b);
}

QImage Shown(std::int32_t canvas)
{
    return ControlWidget(canvas)->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool InsideBox(int x, int y, int left, int top, int right, int bottom)
{
    return x >= left && x <= right && y >= top && y <= bottom;
}

// The field canvas at (x, y): the black frame, the four crosshair bars
// around (cx, cy), else the plane at mid lightness with saturation falling downward.
QRgb ExpectedFieldPixel(int x, int y, int cx, int cy)
{
    const bool frame = x == 0 || y == 0 || x == 256 || y == 256;
    const bool crosshair = InsideBox(x, y, cx - 1, cy - 9, cx + 1, cy - 5) || InsideBox(x, y, cx - 1, cy + 5, cx + 1, cy + 9)
        || InsideBox(x, y, cx - 9, cy - 1, cx - 5, cy + 1) || InsideBox(x, y, cx + 5, cy - 1, cx + 9, cy + 1);
    if (frame || crosshair)
        return qRgb(0, 0, 0);
    return HslPixel(float(x), 127.5f, float(256 - y));
}

// The bar canvas at (x, y) with the pointer's tip in row t.
QRgb ExpectedBarPixel(int x, int y, int t)
{
    const bool strip = x <= 19;
    const bool stripEdge = x == 0 || x == 19 || y == 0 || y == 256;
    const int k = x - 22;
    const bool pointer = (k >= 0 && k <= 4 && y >= t - k && y <= t + k) || (x == 27 && y >= t - 5 && y <= t + 5);
    if ((strip && stripEdge) || pointer)
        return qRgb(0, 0, 0);
    if (strip)
        return HslPixel(float(pickerState.hue), float(256 - y), float(pickerState.saturation));
    return Rgb(ButtonFaceColor());
}

QString Where(const char* canvas, int x, int y)
{
    return QStringLiteral("%1 pixel (%2, %3)").arg(QLatin1String(canvas)).arg(x).arg(y);
}

} // namespace

class TestPicks : public QObject {
    Q_OBJECT

private slots:
    void canvasInput_data();
    void canvasInput();
    void typedValue_data();
    void typedValue();
    void pickWhileEditingKeepsFocus();
    void canvasPixels_data();
    void canvasPixels();
};

void TestPicks::canvasInput_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("hls");
    QTest::addColumn<QString>("fields");

    QTest::newRow("nothing yet: start-up colour") << QStringList{} << "0 127 0" << "127 127 127";
    QTest::newRow("press at the field's top-left") << QStringList{"field press L 0 0", "field release L 0 0"}
                                                    << "0 127 255" << "254 0 0";
    QTest::newRow("press at the field's bottom-right") << QStringList{"field press L 256 256", "field release L 256 256"}
                                                       << "255 127 0" << "127 127 127";
    QTest::newRow("row y picks 255 - y") << QStringList{"field press L 128 64", "field release L 128 64"}
                                         << "128 127 191" << "32 220 222";
    QTest::newRow("drag out past the left and bottom edges")
        << QStringList{"field press L 100 100", "field move 50 200", "field move -40 300", "field release L -40 300"}
        << "0 127 0" << "127 127 127";
    QTest::newRow("drag out past the right and top edges")
        << QStringList{"field press L 10 200", "field move 300 -50", "field release L 300 -50"} << "255 127 255"
        << "254 0 0";
    QTest::newRow("drag out and back in") << QStringList{"field press L 10 10", "field move -100 -100",
                                                 "field move 128 128", "field release L 128 128"}
                                          << "128 127 127" << "64 189 190";
    QTest::newRow("drag onto the bar still picks on the field")
        << QStringList{"field press L 0 0", "bar move 10 100", "bar release L 10 100"} << "255 127 155" << "204 50 50";
    QTest::newRow("double-click picks at its place") << QStringList{"field dclick L 85 0"} << "85 127 255"
                                                     << "0 254 0";
    QTest::newRow("right-button drag picks nothing")
        << QStringList{"field press R 10 10", "field move 20 20", "field release R 20 20"} << "0 127 0" << "127 127 127";
    QTest::newRow("moves without a button pick nothing")
        << QStringList{"field move 10 10", "field move 20 20", "field move 30 30"} << "0 127 0" << "127 127 127";
    QTest::newRow("bar top is white") << QStringList{"field click L 0 0", "bar press L 10 0", "bar release L 10 0"}
                                      << "0 255 255" << "255 255 255";
    QTest::newRow("bar bottom row is black") << QStringList{"bar press L 10 256", "bar release L 10 256"} << "0 0 0"
                                             << "0 0 0";
    QTest::newRow("bar drag out below its bottom is black")
        << QStringList{"field click L 0 0", "bar press L 10 100", "bar move 10 330", "bar release L 10 330"}
        << "0 0 255" << "0 0 0";
    QTest::newRow("bar pick keeps the field's hue and saturation")
        << QStringList{"field click L 0 0", "bar click L 3 64"} << "0 191 255" << "255 127 127";
}

void TestPicks::canvasInput()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, hls);
    QFETCH(QString, fields);

    PickerSession picker;
    QVERIFY(picker.IsActive());
    picker.Play(steps);

    QCOMPARE(HslState(), hls);
    QCOMPARE(FieldTexts(), fields);
    QCOMPARE(RgbState(), fields);
    const QStringList rgb = fields.split(' ');
    QCOMPARE(SwatchColor(), QColor(rgb[0].toInt(), rgb[1].toInt(), rgb[2].toInt()));
    QVERIFY(QApplication::focusWidget() == nullptr || QApplication::focusWidget() == picker.Window());
}

void TestPicks::typedValue_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("rgb");
    QTest::addColumn<QString>("hls");
    QTest::addColumn<QString>("afterTab");

    // The other two channels keep the start-up 127.
    QTest::newRow("red 300 is clamped") << int(RedEdit) << "300" << "255 127 127" << "0 191 255" << "255";
    QTest::newRow("green emptied is 0") << int(GreenEdit) << "" << "127 0 127" << "212 63 255" << "0";
    QTest::newRow("blue abc is 0") << int(BlueEdit) << "abc" << "127 127 0" << "42 63 255" << "0";
    QTest::newRow("blue $ff is 255") << int(BlueEdit) << "$ff" << "127 127 255" << "170 191 255" << "255";
    QTest::newRow("red -5 is 0") << int(RedEdit) << "-5" << "0 127 127" << "127 63 255" << "0";
    QTest::newRow("red 2^32 + 9 keeps the low bits") << int(RedEdit) << "4294967305" << "9 127 127" << "127 68 221"
                                                     << "9";
    QTest::newRow("green with leading blanks") << int(GreenEdit) << "  255" << "127 255 127" << "85 191 255" << "255";
}

void TestPicks::typedValue()
{
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(QString, rgb);
    QFETCH(QString, hls);
    QFETCH(QString, afterTab);

    PickerSession picker;
    QVERIFY(picker.IsActive());
    picker.Play({QStringLiteral("click %1").arg(field), "key ctrl+a", "key backspace", "type " + text});

    // The field keeps what was typed; the channel and the colour follow it.
    QCOMPARE(QString::fromStdString(GetControlText(field)), text);
    QCOMPARE(RgbState(), rgb);
    QCOMPARE(HslState(), hls);
    QCOMPARE(SwatchColor(), StateColor());
    for (std::int32_t other : {RedEdit, GreenEdit, BlueEdit}) {
        if (other != field)
            QCOMPARE(QString::fromStdString(GetControlText(other)), QString("127"));
    }

    // Leaving the field rewrites it with the channel; the colour stays.
    picker.Play({"key tab"});
    QCOMPARE(QString::fromStdString(GetControlText(field)), afterTab);
    QVERIFY(QApplication::focusWidget() != ControlWidget(field));
    QCOMPARE(HslState(), hls);
    QCOMPARE(picker.TakeHandled().filter("FocusLost"), QStringList{QStringLiteral("%1 FocusLost").arg(field)});
}

void TestPicks::pickWhileEditingKeepsFocus()
{
    PickerSession picker;
    QVERIFY(picker.IsActive());
    picker.Play({"click 17", "key ctrl+a", "type 9"});
    QCOMPARE(FieldTexts(), QString("9 127 127"));
    picker.TakeHandled();

    // The typed 9 set lightness 68; a pick keeps it.
    QCOMPARE(HslState(), QString("127 68 221"));
    picker.Play({"field press L 0 0", "field move 0 1", "field release L 0 1"});

    QCOMPARE(HslState(), QString("0 68 254"));
    QCOMPARE(FieldTexts(), QString("136 0 0"));
    QCOMPARE(RgbState(), QString("136 0 0"));
    QCOMPARE(QApplication::focusWidget(), ControlWidget(RedEdit));
    QCOMPARE(picker.TakeHandled().filter("FocusLost"), QStringList{});
    // Typing goes on in the same field, on top of the picked text.
    picker.Play({"key end", "type 0"});
    QCOMPARE(FieldTexts(), QString("1360 0 0"));
    QCOMPARE(RgbState(), QString("255 0 0"));
}

void TestPicks::canvasPixels_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QPoint>("centre");
    QTest::addColumn<int>("tip");

    QTest::newRow("start-up") << QStringList{} << QPoint(1, 255) << 128;
    QTest::newRow("field top-left") << QStringList{"field click L 0 0"} << QPoint(1, 1) << 128;
    QTest::newRow("field middle") << QStringList{"field click L 128 127"} << QPoint(129, 128) << 128;
    QTest::newRow("field dragged past the far corner")
        << QStringList{"field press L 200 200", "field move 300 300", "field release L 300 300"} << QPoint(255, 255)
        << 128;
    QTest::newRow("bar top holds the tip at row 5") << QStringList{"field click L 60 20", "bar click L 10 0"}
                                                    << QPoint(61, 21) << 5;
    QTest::newRow("bar row 6") << QStringList{"field click L 60 20", "bar click L 10 6"} << QPoint(61, 21) << 6;
    QTest::newRow("bar row 249") << QStringList{"field click L 200 100", "bar click L 10 249"} << QPoint(201, 101)
                                 << 249;
    QTest::newRow("bar dragged below holds the tip at row 250")
        << QStringList{"field click L 200 100", "bar press L 10 200", "bar move 10 330", "bar release L 10 330"}
        << QPoint(201, 101) << 250;
}

void TestPicks::canvasPixels()
{
    QFETCH(QStringList, steps);
    QFETCH(QPoint, centre);
    QFETCH(int, tip);

    PickerSession picker;
    QVERIFY(picker.IsActive());
    picker.Play(steps);

    // Around the crosshair: its bars, the gap that shows the colour, and the plane.
    const QImage field = Shown(ColorField);
    QCOMPARE(field.size(), QSize(257, 257));
    for (int y = centre.y() - 11; y <= centre.y() + 11; ++y) {
        for (int x = centre.x() - 11; x <= centre.x() + 11; ++x) {
            if (field.rect().contains(x, y) && field.pixel(x, y) != ExpectedFieldPixel(x, y, centre.x(), centre.y()))
                QFAIL(qPrintable(Where("field", x, y)));
        }
    }
    // The bar: every row of the strip's edges, its gradient and the pointer's columns.
    const QImage bar = Shown(LightnessBar);
    QCOMPARE(bar.size(), QSize(28, 257));
    for (int y = 0; y < 257; ++y) {
        for (int x : {0, 1, 9, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27}) {
            if (bar.pixel(x, y) != ExpectedBarPixel(x, y, tip))
                QFAIL(qPrintable(Where("bar", x, y)));
        }
    }
    QCOMPARE(SwatchColor(), StateColor());
}

QTEST_MAIN(TestPicks)
#include "tst_picks.moc"
