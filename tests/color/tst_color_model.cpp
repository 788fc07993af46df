#include "color/color_model.h"

#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <limits>

using namespace palette;

class TestColorModel : public QObject {
    Q_OBJECT

private slots:
    void hslToRgb_data();
    void hslToRgb();
    void hueToChannel_data();
    void hueToChannel();
    void rgbToHsl_data();
    void rgbToHsl();
    void packRgb_data();
    void packRgb();
    void roundTrip_data();
    void roundTrip();
    void everyColourKeepsTheStatedProperties();
    void argumentsOutsideTheRangeStaySafe();
};

void TestColorModel::hslToRgb_data()
{
    QTest::addColumn<float>("hue");
    QTest::addColumn<float>("lightness");
    QTest::addColumn<float>("saturation");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");

    struct Row { const char* name; float h, l, s; int r, g, b; };
    const Row rows[] = {
        {"start-up grey", 0, 127, 0, 127, 127, 127},
        {"mid grey rounds half to even", 0, 127.5f, 0, 128, 128, 128},
        {"red", 0, 127.5f, 255, 255, 0, 0},
        {"hue 43", 43, 127.5f, 255, 252, 255, 0},
        {"green", 85, 127.5f, 255, 0, 255, 0},
        {"hue 128", 128, 127.5f, 255, 0, 252, 255},
        {"blue", 170, 127.5f, 255, 0, 0, 255},
        {"hue 213", 213, 127.5f, 255, 255, 0, 252},
        {"hue 255 is red again", 255, 127.5f, 255, 255, 0, 0},
        {"faint saturation", 1, 127.5f, 1, 128, 127, 127},
        {"stored working values", 0, 127.5f, 12, 133, 122, 122},
        {"black", 0, 0, 255, 0, 0, 0},
        {"white", 0, 255, 255, 255, 255, 255},
        {"nearly black", 200, 1, 255, 1, 0, 2},
        {"nearly white", 200, 254, 255, 254, 253, 255},
        {"lightness above half", 0, 128, 255, 255, 1, 1},
        {"lightness below half", 85, 127, 255, 0, 254, 0},
        {"half saturation", 128, 127, 128, 63, 189, 191},
        {"dark purple", 200, 64, 200, 85, 14, 114},
        // Float-only arithmetic or unstored doubles give other integers here.
        {"regression: saturation 2", 0, 127.5f, 2, 128, 127, 127},
        {"regression: saturation 4", 0, 127.5f, 4, 129, 126, 126},
        {"regression: saturation 6", 0, 127.5f, 6, 130, 125, 125},
    };
    for (const Row& r : rows)
        QTest::newRow(r.name) << r.h << r.l << r.s << r.r << r.g << r.b;
}

void TestColorModel::hslToRgb()
{
    QFETCH(float, hue);
    QFETCH(float, lightness);
    QFETCH(float, saturation);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    std::int32_t r = -1, g = -1, b = -1;
    HslToRgb(hue, lightness, saturation, r, g, b);
    QCOMPARE(r, red);
    QCOMPARE(g, green);
    QCOMPARE(b, blue);
}

void TestColorModel::hueToChannel_data()
{
    QTest::addColumn<float>("p");
    QTest::addColumn<float>("q");
    QTest::addColumn<float>("h");
    QTest::addColumn<int>("channel");

    const float hues[] = {-120, -60, 0, 30, 60, 120, 180, 210, 240, 300, 360, 361, 420, 480};
    const int full[] = {0, 0, 0, 128, 255, 255, 255, 128, 0, 0, 0, 4, 255, 255};
    const int muted[] = {51, 51, 51, 102, 153, 153, 153, 102, 51, 51, 51, 53, 153, 153};
    for (std::size_t i = 0; i < std::size(hues); ++i) {
        QTest::addRow("p 0, q 1, h %g", hues[i]) << 0.0f << 1.0f << hues[i] << full[i];
        QTest::addRow("p 0.2, q 0.6, h %g", hues[i]) << 0.2f << 0.6f << hues[i] << muted[i];
    }
}

void TestColorModel::hueToChannel()
{
    QFETCH(float, p);
    QFETCH(float, q);
    QFETCH(float, h);
    QFETCH(int, channel);
    QCOMPARE(HueToChannel(p, q, h), channel);
}

void TestColorModel::rgbToHsl_data()
{
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::addColumn<int>("hue");
    QTest::addColumn<int>("lightness");
    QTest::addColumn<int>("saturation");

    struct Row { const char* name; int r, g, b, h, l, s; };
    const Row rows[] = {
        {"black", 0, 0, 0, 0, 0, 0},
        {"white", 255, 255, 255, 0, 255, 0},
        {"grey 128", 128, 128, 128, 0, 128, 0},
        {"grey 127", 127, 127, 127, 0, 127, 0},
        {"red truncates lightness 127.5", 255, 0, 0, 0, 127, 255},
        {"yellow: green test overwrites red", 255, 255, 0, 42, 127, 255},
        {"green", 0, 255, 0, 85, 127, 255},
        {"cyan: blue test overwrites green", 0, 255, 255, 127, 127, 255},
        {"blue", 0, 0, 255, 170, 127, 255},
        {"magenta: blue test overwrites red", 255, 0, 255, 212, 127, 255},
        {"orange", 255, 128, 0, 21, 127, 255},
        {"navy", 0, 0, 128, 170, 64, 255},
        {"hue just above 360 wraps to 0", 255, 1, 0, 0, 127, 255},
        {"hue just below 360 stays", 255, 0, 1, 254, 127, 255},
        {"light red", 255, 2, 1, 0, 128, 255},
        {"darkest red is fully saturated", 1, 0, 0, 0, 0, 255},
        {"dark blue-grey", 10, 20, 30, 148, 20, 127},
        {"violet", 100, 50, 200, 184, 125, 153},
        {"brown", 200, 100, 50, 14, 125, 153},
        {"pale yellow", 250, 250, 240, 42, 245, 127},
        {"stored distance truncates below 120 degrees", 0, 85, 70, 119, 42, 255},
        // Float-only arithmetic or unstored doubles give other integers here.
        {"regression: float-only hue", 0, 2, 17, 165, 8, 255},
        {"regression: unstored hue", 0, 8, 17, 150, 8, 255},
    };
    for (const Row& r : rows)
        QTest::newRow(r.name) << r.r << r.g << r.b << r.h << r.l << r.s;
}

void TestColorModel::rgbToHsl()
{
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QFETCH(int, hue);
    QFETCH(int, lightness);
    QFETCH(int, saturation);
    std::int32_t h = -1, l = -1, s = -1;
    RgbToHsl(red, green, blue, h, l, s);
    QCOMPARE(h, hue);
    QCOMPARE(l, lightness);
    QCOMPARE(s, saturation);
}

void TestColorModel::packRgb_data()
{
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::addColumn<quint32>("packed");

    QTest::newRow("grey") << 127 << 127 << 127 << quint32(0x007F7F7F);
    QTest::newRow("red in the low byte") << 255 << 0 << 0 << quint32(255);
    QTest::newRow("blue in the third byte") << 0 << 0 << 255 << quint32(255 * 65536);
    QTest::newRow("each channel in its byte") << 0x12 << 0x34 << 0x56 << quint32(0x00563412);
    QTest::newRow("white") << 255 << 255 << 255 << quint32(0x00FFFFFF);
}

void TestColorModel::packRgb()
{
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QFETCH(quint32, packed);
    QCOMPARE(PackRgb(red, green, blue), packed);
}

void TestColorModel::roundTrip_data()
{
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::addColumn<int>("backRed");
    QTest::addColumn<int>("backGreen");
    QTest::addColumn<int>("backBlue");

    QTest::newRow("orange loses a step") << 255 << 128 << 0 << 254 << 126 << 0;
    QTest::newRow("red comes back as 254") << 255 << 0 << 0 << 254 << 0 << 0;
    QTest::newRow("navy comes back unchanged") << 0 << 0 << 128 << 0 << 0 << 128;
}

void TestColorModel::roundTrip()
{
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    std::int32_t h, l, s, r, g, b;
    RgbToHsl(red, green, blue, h, l, s);
    HslToRgb(float(h), float(l), float(s), r, g, b);
    QFETCH(int, backRed);
    QFETCH(int, backGreen);
    QFETCH(int, backBlue);
    QCOMPARE(r, backRed);
    QCOMPARE(g, backGreen);
    QCOMPARE(b, backBlue);
}

// All 16,777,216 colours: lightness and saturation match exact integer
// formulas, hue stays below 255, and the way back moves no channel by more than 7.
void TestColorModel::everyColourKeepsTheStatedProperties()
{
    int worstRoundTrip = 0;
    for (int red = 0; red < 256; ++red) {
        for (int green = 0; green < 256; ++green) {
            for (int blue = 0; blue < 256; ++blue) {
                std::int32_t h, l, s;
                RgbToHsl(red, green, blue, h, l, s);
                const int max = std::max({red, green, blue});
                const int min = std::min({red, green, blue});
                const int delta = max - min;
                const int sum = max + min;
                const int saturation = delta == 0 ? 0
                    : sum <= 255                  ? 255 * delta / sum
                                                  : 255 * delta / (510 - sum);
                if (l != sum / 2 || s != saturation || h < 0 || h > 254)
                    QFAIL(qPrintable(QStringLiteral("(%1, %2, %3) gave hue %4, lightness %5, saturation %6")
                                         .arg(red).arg(green).arg(blue).arg(h).arg(l).arg(s)));

                std::int32_t r, g, b;
                HslToRgb(float(h), float(l), float(s), r, g, b);
                worstRoundTrip = std::max({worstRoundTrip, std::abs(r - red), std::abs(g - green),
                                           std::abs(b - blue)});
            }
        }
    }
    QVERIFY2(worstRoundTrip <= 7, qPrintable(QString::number(worstRoundTrip)));
}

// The picker never passes such arguments; they are clamped into range (NaN
// counts as 0) and integer results saturate, so nothing overflows.
void TestColorModel::argumentsOutsideTheRangeStaySafe()
{
    const float huge = std::numeric_limits<float>::max();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    std::int32_t r, g, b;
    HslToRgb(1000, huge, 300, r, g, b);
    QCOMPARE(QList<int>({r, g, b}), QList<int>({255, 255, 255}));
    HslToRgb(-huge, 127.5f, 1e9f, r, g, b);
    QCOMPARE(QList<int>({r, g, b}), QList<int>({255, 0, 0}));
    HslToRgb(nan, nan, nan, r, g, b);
    QCOMPARE(QList<int>({r, g, b}), QList<int>({0, 0, 0}));

    QCOMPARE(HueToChannel(huge, huge, 100), std::numeric_limits<std::int32_t>::max());
    QCOMPARE(HueToChannel(-huge, -huge, 100), std::numeric_limits<std::int32_t>::min());
    QCOMPARE(HueToChannel(nan, nan, 100), 0);

    std::int32_t h, l, s;
    RgbToHsl(std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min(), 0, h, l, s);
    QCOMPARE(QList<int>({h, l, s}), QList<int>({0, 127, 255}));

    // Wraps modulo 2^32 instead of overflowing a signed int.
    QCOMPARE(PackRgb(-1, -1, -1), PackedRgb(0xFFFEFEFFu));
}

QTEST_APPLESS_MAIN(TestColorModel)
#include "tst_color_model.moc"
