#include "pixel_art.h"
#include "window/drawing.h"
#include "window/drawing_testing.h"

#include <QTest>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <string>

using namespace palette;

namespace {

enum class Op { Fill, Pixel, Extent, Line, Flood };

// One drawing call: its four integer arguments, colour and (for flood fill) border.
struct Call {
    Op op = Op::Fill;
    int a = 0, b = 0, c = 0, d = 0;
    char ink = '#';
    char border = '#';
};

void Perform(const Call& call)
{
    const PackedRgb color = art::ColorOf(call.ink);
    switch (call.op) {
    case Op::Fill: FillRect(call.a, call.b, call.c, call.d, color); break;
    case Op::Pixel: SetPixel(call.a, call.b, color); break;
    case Op::Extent: DrawLineExtent(call.a, call.b, call.c, call.d, color); break;
    case Op::Line: DrawLine(call.a, call.b, call.c, call.d, color); break;
    case Op::Flood: FloodFill(call.a, call.b, art::ColorOf(call.border), color); break;
    }
}

constexpr std::int32_t Canvas = 0;

// A plain surface attached as a canvas, counting how often it is shown.
struct TestCanvas {
    explicit TestCanvas(Surface pixels, std::int32_t control = Canvas)
        : surface(std::move(pixels))
        , number(control)
    {
        AttachCanvas(number, &surface, [this] { ++shown; });
    }
    ~TestCanvas() { DetachCanvas(number); }
    TestCanvas(const TestCanvas&) = delete;
    TestCanvas& operator=(const TestCanvas&) = delete;

    Surface surface;
    std::int32_t number;
    int shown = 0;
};

const char* const Blank6x5 =
    "......"
    "......"
    "......"
    "......"
    "......";

} // namespace

Q_DECLARE_METATYPE(Call)

class TestDrawing : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void primitives_data();
    void primitives();
    void slopedLinesKeepBothEndsAndOnePixelPerStep_data();
    void slopedLinesKeepBothEndsAndOnePixelPerStep();
    void floodFillCoversAWholeLargeImage();
    void floodFillFollowsALongSerpentine();
    void imagesAreBlackAndDistinct();
    void createImageRefuses_data();
    void createImageRefuses();
    void beginRefuses_data();
    void beginRefuses();
    void nothingIsDrawnOutsideABlock();
    void endDrawShowsACanvasOnce();
    void copyImage_data();
    void copyImage();
    void copyImageOntoItself();
    void releasingTheOpenImageClosesItsBlock();
    void buttonFaceWithoutAnApplication();
};

void TestDrawing::cleanup()
{
    if (IsDrawing())
        EndDraw();
    SetDrawingFaults({});
    SetButtonFaceOverride(std::nullopt);
}

void TestDrawing::primitives_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<Call>("call");
    QTest::addColumn<QByteArray>("after");

    struct Row {
        const char* name;
        int width;
        const char* before;
        Call call;
        const char* after;
    };
    const Row rows[] = {
        {"fill inside", 6, Blank6x5, {Op::Fill, 1, 1, 3, 2},
         "......"
         ".###.."
         ".###.."
         "......"
         "......"},
        {"fill clipped at the left edge", 6, Blank6x5, {Op::Fill, -2, 1, 4, 2},
         "......"
         "##...."
         "##...."
         "......"
         "......"},
        {"fill clipped at the top edge", 6, Blank6x5, {Op::Fill, 2, -3, 2, 5},
         "..##.."
         "..##.."
         "......"
         "......"
         "......"},
        {"fill clipped at the right edge", 6, Blank6x5, {Op::Fill, 4, 2, 5, 1},
         "......"
         "......"
         "....##"
         "......"
         "......"},
        {"fill clipped at the bottom edge", 6, Blank6x5, {Op::Fill, 0, 3, 2, 9},
         "......"
         "......"
         "......"
         "##...."
         "##...."},
        {"fill larger than the surface on all sides", 6, Blank6x5, {Op::Fill, -5, -5, 20, 20},
         "######"
         "######"
         "######"
         "######"
         "######"},
        {"fill entirely left of the surface", 6, Blank6x5, {Op::Fill, -4, 0, 4, 5}, Blank6x5},
        {"fill entirely below the surface", 6, Blank6x5, {Op::Fill, 0, 5, 6, 3}, Blank6x5},
        {"fill of width 0", 6, Blank6x5, {Op::Fill, 1, 1, 0, 3}, Blank6x5},
        {"fill of height 0", 6, Blank6x5, {Op::Fill, 1, 1, 3, 0}, Blank6x5},
        {"fill of negative width", 6, Blank6x5, {Op::Fill, 3, 1, -2, 2}, Blank6x5},
        {"fill of negative height", 6, Blank6x5, {Op::Fill, 1, 3, 2, -2}, Blank6x5},
        {"fill whose right edge passes the 32-bit range", 6, Blank6x5, {Op::Fill, 2, 1, INT_MAX, 2},
         "......"
         "..####"
         "..####"
         "......"
         "......"},
        {"fill whose bottom edge passes the 32-bit range", 6, Blank6x5, {Op::Fill, 1, 2, 2, INT_MAX},
         "......"
         "......"
         ".##..."
         ".##..."
         ".##..."},
        {"fill from the far negative corner ends before the surface", 6, Blank6x5,
         {Op::Fill, INT_MIN, INT_MIN, INT_MAX, INT_MAX}, Blank6x5},

        {"pixel at the bottom-right corner", 6, Blank6x5, {Op::Pixel, 5, 4, 0, 0, 'r'},
         "......"
         "......"
         "......"
         "......"
         ".....r"},
        {"pixel left of the surface", 6, Blank6x5, {Op::Pixel, -1, 2, 0, 0, 'r'}, Blank6x5},
        {"pixel right of the surface", 6, Blank6x5, {Op::Pixel, 6, 2, 0, 0, 'r'}, Blank6x5},
        {"pixel above the surface", 6, Blank6x5, {Op::Pixel, 2, -1, 0, 0, 'r'}, Blank6x5},
        {"pixel below the surface", 6, Blank6x5, {Op::Pixel, 2, 5, 0, 0, 'r'}, Blank6x5},

        {"extent down and right ends one short", 6, Blank6x5, {Op::Extent, 0, 0, 5, 5},
         "#....."
         ".#...."
         "..#..."
         "...#.."
         "....#."},
        {"extent with negative height rises", 6, Blank6x5, {Op::Extent, 1, 4, 5, -5},
         ".....#"
         "....#."
         "...#.."
         "..#..."
         ".#...."},
        {"extent with negative width goes left", 6, Blank6x5, {Op::Extent, 4, 0, -3, 3},
         "....#."
         "...#.."
         "..#..."
         "......"
         "......"},
        {"extent of width 0", 6, Blank6x5, {Op::Extent, 1, 1, 0, 3}, Blank6x5},
        {"extent of height 0", 6, Blank6x5, {Op::Extent, 1, 1, 3, 0}, Blank6x5},
        {"extent of one by one is one pixel", 6, Blank6x5, {Op::Extent, 2, 2, 1, 1},
         "......"
         "......"
         "..#..."
         "......"
         "......"},
        {"extent one pixel high runs across", 6, Blank6x5, {Op::Extent, 1, 3, 4, 1},
         "......"
         "......"
         "......"
         ".####."
         "......"},
        {"extent one pixel wide rises", 6, Blank6x5, {Op::Extent, 5, 4, 1, -3},
         "......"
         "......"
         ".....#"
         ".....#"
         ".....#"},
        {"extent clipped at the right edge", 6, Blank6x5, {Op::Extent, 3, 0, 5, 5},
         "...#.."
         "....#."
         ".....#"
         "......"
         "......"},
        {"extent starting past the right edge", 6, Blank6x5, {Op::Extent, INT_MAX, 0, INT_MAX, 5}, Blank6x5},
        {"extent whose end passes the 32-bit range", 6, Blank6x5, {Op::Extent, -3, 2, INT_MAX, 1},
         "......"
         "......"
         "######"
         "......"
         "......"},

        {"horizontal line keeps both ends", 6, Blank6x5, {Op::Line, 1, 1, 4, 1},
         "......"
         ".####."
         "......"
         "......"
         "......"},
        {"horizontal line drawn right to left", 6, Blank6x5, {Op::Line, 4, 3, 0, 3},
         "......"
         "......"
         "......"
         "#####."
         "......"},
        {"vertical line keeps both ends", 6, Blank6x5, {Op::Line, 2, 1, 2, 3},
         "......"
         "..#..."
         "..#..."
         "..#..."
         "......"},
        {"line of one point", 6, Blank6x5, {Op::Line, 3, 2, 3, 2},
         "......"
         "......"
         "...#.."
         "......"
         "......"},
        {"line clipped at the left edge", 6, Blank6x5, {Op::Line, -3, 2, 1, 2},
         "......"
         "......"
         "##...."
         "......"
         "......"},
        {"line clipped at the right edge", 6, Blank6x5, {Op::Line, 4, 2, 9, 2},
         "......"
         "......"
         "....##"
         "......"
         "......"},
        {"line clipped at the top and bottom edges", 6, Blank6x5, {Op::Line, 1, -4, 1, 10},
         ".#...."
         ".#...."
         ".#...."
         ".#...."
         ".#...."},
        {"line just beside the surface", 6, Blank6x5, {Op::Line, 6, 0, 6, 4}, Blank6x5},
        {"diagonal line", 6, Blank6x5, {Op::Line, 5, 0, 1, 4},
         ".....#"
         "....#."
         "...#.."
         "..#..."
         ".#...."},
        {"diagonal line clipped at the left and bottom", 6, Blank6x5, {Op::Line, -2, 6, 3, 1},
         "......"
         "...#.."
         "..#..."
         ".#...."
         "#....."},
        {"row-long line over the whole 32-bit range", 6, Blank6x5, {Op::Line, INT_MIN, 2, INT_MAX, 2},
         "......"
         "......"
         "######"
         "......"
         "......"},
        {"diagonal over the whole 32-bit range", 6, Blank6x5, {Op::Line, INT_MIN, INT_MIN, INT_MAX, INT_MAX},
         "#....."
         ".#...."
         "..#..."
         "...#.."
         "....#."},

        {"flood fill inside a box", 6,
         "......"
         ".####."
         ".#..#."
         ".####."
         "......",
         {Op::Flood, 2, 2, 0, 0, 'r', '#'},
         "......"
         ".####."
         ".#rr#."
         ".####."
         "......"},
        {"flood fill around a box reaches every edge", 6,
         "......"
         ".####."
         ".#..#."
         ".####."
         "......",
         {Op::Flood, 0, 0, 0, 0, 'r', '#'},
         "rrrrrr"
         "r####r"
         "r#..#r"
         "r####r"
         "rrrrrr"},
        {"flood fill does not pass a diagonal chain", 6,
         "...#.."
         "..#..."
         ".#...."
         "#....."
         "......",
         {Op::Flood, 0, 0, 0, 0, 'r', '#'},
         "rrr#.."
         "rr#..."
         "r#...."
         "#....."
         "......"},
        {"flood fill from the far side of a diagonal chain", 6,
         "...#.."
         "..#..."
         ".#...."
         "#....."
         "......",
         {Op::Flood, 5, 4, 0, 0, 'r', '#'},
         "...#rr"
         "..#rrr"
         ".#rrrr"
         "#rrrrr"
         "rrrrrr"},
        {"flood fill of a wall-split surface ends at the edges", 6,
         "..#..."
         "..#..."
         "..#..."
         "..#..."
         "..#...",
         {Op::Flood, 4, 1, 0, 0, 'g', '#'},
         "..#ggg"
         "..#ggg"
         "..#ggg"
         "..#ggg"
         "..#ggg"},
        {"flood fill in the border colour makes the pointer solid", 6,
         ".....#"
         "....##"
         "...#g#"
         "..#gg#"
         ".#ggg#"
         "#gggg#"
         ".#ggg#"
         "..#gg#"
         "...#g#"
         "....##"
         ".....#",
         {Op::Flood, 2, 5, 0, 0, '#', '#'},
         ".....#"
         "....##"
         "...###"
         "..####"
         ".#####"
         "######"
         ".#####"
         "..####"
         "...###"
         "....##"
         ".....#"},
        {"flood fill started on a border pixel changes nothing", 6,
         "......"
         ".####."
         ".#..#."
         ".####."
         "......",
         {Op::Flood, 1, 1, 0, 0, 'r', '#'},
         "......"
         ".####."
         ".#..#."
         ".####."
         "......"},
        {"flood fill started left of the surface changes nothing", 6, Blank6x5, {Op::Flood, -1, 2, 0, 0, 'r', '#'}, Blank6x5},
        {"flood fill started right of the surface changes nothing", 6, Blank6x5, {Op::Flood, 6, 2, 0, 0, 'r', '#'}, Blank6x5},
        {"flood fill started above the surface changes nothing", 6, Blank6x5, {Op::Flood, 2, -1, 0, 0, 'r', '#'}, Blank6x5},
        {"flood fill started below the surface changes nothing", 6, Blank6x5, {Op::Flood, 2, 5, 0, 0, 'r', '#'}, Blank6x5},
        {"flood fill border must match exactly", 6,
         "......"
         ".kkkk."
         ".k..k."
         ".kkkk."
         "......",
         {Op::Flood, 0, 0, 0, 0, 'r', '#'},
         "rrrrrr"
         "rrrrrr"
         "rrrrrr"
         "rrrrrr"
         "rrrrrr"},
        {"flood fill takes every colour but the border", 6,
         "r.g..b"
         ".bb.##"
         "g..#.."
         "...#.b"
         "b.r#.r",
         {Op::Flood, 0, 0, 0, 0, 'b', '#'},
         "bbbbbb"
         "bbbb##"
         "bbb#.."
         "bbb#.b"
         "bbb#.r"},
    };
    for (const Row& row : rows)
        QTest::newRow(row.name) << row.width << QByteArray(row.before) << row.call << QByteArray(row.after);
}

void TestDrawing::primitives()
{
    QFETCH(int, width);
    QFETCH(QByteArray, before);
    QFETCH(Call, call);
    QFETCH(QByteArray, after);

    TestCanvas canvas(art::FromArt(width, before.toStdString()));
    QVERIFY(BeginDrawCanvas(Canvas));
    Perform(call);
    EndDraw();

    QCOMPARE(art::ToArt(canvas.surface), art::ToArt(art::FromArt(width, after.toStdString())));
}

void TestDrawing::slopedLinesKeepBothEndsAndOnePixelPerStep_data()
{
    QTest::addColumn<int>("x1");
    QTest::addColumn<int>("y1");
    QTest::addColumn<int>("x2");
    QTest::addColumn<int>("y2");

    QTest::newRow("shallow, rightwards") << 0 << 0 << 11 << 4;
    QTest::newRow("shallow, leftwards and up") << 11 << 9 << 1 << 6;
    QTest::newRow("steep, downwards") << 3 << 0 << 7 << 11;
    QTest::newRow("steep, upwards and left") << 8 << 11 << 2 << 1;
    QTest::newRow("one step off diagonal") << 0 << 0 << 10 << 9;
}

void TestDrawing::slopedLinesKeepBothEndsAndOnePixelPerStep()
{
    QFETCH(int, x1);
    QFETCH(int, y1);
    QFETCH(int, x2);
    QFETCH(int, y2);

    TestCanvas canvas(Surface(12, 12, 0xFFFFFF));
    QVERIFY(BeginDrawCanvas(Canvas));
    DrawLine(x1, y1, x2, y2, 0);
    EndDraw();

    const Surface& s = canvas.surface;
    QCOMPARE(s.Pixel(x1, y1), 0u);
    QCOMPARE(s.Pixel(x2, y2), 0u);
    // One pixel in each column (shallow) or row (steep) of the span, each
    // within half a pixel of the ideal line, and nothing outside the span.
    const bool shallow = std::abs(x2 - x1) >= std::abs(y2 - y1);
    int drawn = 0;
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x) {
            if (s.Pixel(x, y) != 0)
                continue;
            ++drawn;
            const double t = shallow ? double(x - x1) / (x2 - x1) : double(y - y1) / (y2 - y1);
            QVERIFY2(t >= 0 && t <= 1, qPrintable(QStringLiteral("(%1, %2) lies beyond the ends").arg(x).arg(y)));
            const double ideal = shallow ? y1 + t * (y2 - y1) : x1 + t * (x2 - x1);
            const double off = std::abs((shallow ? y : x) - ideal);
            QVERIFY2(off <= 0.5, qPrintable(QStringLiteral("(%1, %2) strays %3 from the line").arg(x).arg(y).arg(off)));
        }
    }
    QCOMPARE(drawn, std::max(std::abs(x2 - x1), std::abs(y2 - y1)) + 1);
}

void TestDrawing::floodFillCoversAWholeLargeImage()
{
    // A region this size would overflow the stack of a recursive fill.
    constexpr int Side = 4096;
    const ImageId image = CreateImage(Side, Side);
    QVERIFY(image != 0);
    QVERIFY(BeginDrawImage(image));
    FloodFill(Side / 2, Side / 2, 0xFFFFFF, 0x123456);
    EndDraw();

    const Surface* s = ImageSurface(image);
    QVERIFY(s);
    const std::uint32_t fill = ToPixelWord(0x123456);
    const std::uint32_t* bits = s->Bits();
    const auto count = std::size_t(Side) * Side;
    const auto firstOther = std::find_if(bits, bits + count, [&](std::uint32_t w) { return w != fill; });
    QCOMPARE(std::size_t(firstOther - bits), count);
    ReleaseImage(image);
}

void TestDrawing::floodFillFollowsALongSerpentine()
{
    // Walls in every odd column, open alternately at the bottom and the top,
    // leave one corridor that turns back on itself at every wall.
    constexpr int Side = 1025;
    TestCanvas canvas(Surface(Side, Side, 0xFFFFFF));
    QVERIFY(BeginDrawCanvas(Canvas));
    for (int x = 1; x < Side; x += 2) {
        const bool openBelow = (x / 2) % 2 == 0;
        DrawLine(x, openBelow ? 0 : 1, x, openBelow ? Side - 2 : Side - 1, 0);
    }
    FloodFill(0, 0, 0, 0x0000FF);
    EndDraw();

    for (int y = 0; y < Side; ++y) {
        for (int x = 0; x < Side; ++x) {
            const bool wall = x % 2 == 1 && ((x / 2) % 2 == 0 ? y < Side - 1 : y > 0);
            const PackedRgb want = wall ? 0 : 0x0000FF;
            if (canvas.surface.Pixel(x, y) != want)
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is %3").arg(x).arg(y).arg(canvas.surface.Pixel(x, y), 6, 16, QLatin1Char('0'))));
        }
    }
}

void TestDrawing::imagesAreBlackAndDistinct()
{
    const std::size_t before = ImageCount();
    const ImageId a = CreateImage(3, 2);
    const ImageId b = CreateImage(257, 257);
    QVERIFY(a != 0);
    QVERIFY(b != 0);
    QVERIFY(a != b);
    QCOMPARE(ImageCount(), before + 2);
    QCOMPARE(art::ToArt(*ImageSurface(a)), QStringLiteral("###|###"));
    const Surface* big = ImageSurface(b);
    QCOMPARE(big->Width(), 257);
    QCOMPARE(big->Height(), 257);
    QVERIFY(std::all_of(big->Bits(), big->Bits() + 257 * 257, [](std::uint32_t w) { return FromPixelWord(w) == 0; }));

    ReleaseImage(0);
    ReleaseImage(-5);
    QCOMPARE(ImageCount(), before + 2);
    ReleaseImage(a);
    QCOMPARE(ImageSurface(a), nullptr);
    QCOMPARE(BeginDrawImage(a), 0);
    QVERIFY(ImageSurface(b));
    ReleaseImage(b);
    QCOMPARE(ImageCount(), before);
}

void TestDrawing::createImageRefuses_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("fault");

    QTest::newRow("zero width") << 0 << 5 << false;
    QTest::newRow("zero height") << 5 << 0 << false;
    QTest::newRow("negative width") << -1 << 5 << false;
    QTest::newRow("negative height") << 5 << INT_MIN << false;
    QTest::newRow("side too large to allocate") << INT_MAX << 1 << false;
    QTest::newRow("platform refuses") << 257 << 257 << true;
}

void TestDrawing::createImageRefuses()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, fault);

    SetDrawingFaults({.createImage = fault});
    const std::size_t before = ImageCount();
    QCOMPARE(CreateImage(width, height), 0);
    QCOMPARE(ImageCount(), before);
}

void TestDrawing::beginRefuses_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("cause");

    QTest::newRow("image with an unknown id") << "image" << "unknown";
    QTest::newRow("image id 0") << "image" << "zero";
    QTest::newRow("image while the platform refuses") << "image" << "fault";
    QTest::newRow("image while a canvas block is open") << "image" << "open";
    QTest::newRow("control that is not a canvas") << "canvas" << "unknown";
    QTest::newRow("canvas while the platform refuses") << "canvas" << "fault";
    QTest::newRow("canvas while an image block is open") << "canvas" << "open";
}

void TestDrawing::beginRefuses()
{
    QFETCH(QString, target);
    QFETCH(QString, cause);

    TestCanvas canvas(art::FromArt(3, "......"));
    TestCanvas other(art::FromArt(3, "......"), 1);
    const ImageId image = CreateImage(3, 2);
    const ImageId otherImage = CreateImage(3, 2);

    if (cause == "fault")
        SetDrawingFaults({.beginImage = target == "image", .beginCanvas = target == "canvas"});
    if (cause == "open")
        QVERIFY(target == "image" ? BeginDrawCanvas(1) : BeginDrawImage(otherImage));

    std::int32_t result = -1;
    if (target == "image")
        result = BeginDrawImage(cause == "unknown" ? image + 100 : cause == "zero" ? 0 : image);
    else
        result = BeginDrawCanvas(cause == "unknown" ? 2 : Canvas);
    QCOMPARE(result, 0);
    QCOMPARE(IsDrawing(), cause == "open");

    // Nothing reaches the refused target; an earlier block stays the one drawn on.
    FillRect(0, 0, 3, 2, 0x0000FF);
    EndDraw();
    QCOMPARE(art::ToArt(canvas.surface), QStringLiteral("...|..."));
    QCOMPARE(art::ToArt(*ImageSurface(image)), QStringLiteral("###|###"));
    QCOMPARE(canvas.shown, 0);
    if (cause == "open") {
        const bool canvasWasOpen = target == "image";
        QCOMPARE(art::ToArt(other.surface), canvasWasOpen ? QStringLiteral("rrr|rrr") : QStringLiteral("...|..."));
        QCOMPARE(art::ToArt(*ImageSurface(otherImage)), canvasWasOpen ? QStringLiteral("###|###") : QStringLiteral("rrr|rrr"));
        QCOMPARE(other.shown, canvasWasOpen ? 1 : 0);
    }
    ReleaseImage(image);
    ReleaseImage(otherImage);
}

void TestDrawing::nothingIsDrawnOutsideABlock()
{
    TestCanvas canvas(art::FromArt(3, "..."
                                      "..."
                                      "..."));
    const ImageId image = CreateImage(3, 3);
    QVERIFY(BeginDrawCanvas(Canvas));
    EndDraw();
    EndDraw();

    FillRect(0, 0, 3, 3, 0);
    SetPixel(1, 1, 0);
    DrawLine(0, 0, 2, 2, 0);
    DrawLineExtent(0, 2, 3, -3, 0);
    FloodFill(1, 1, 0x0000FF, 0);
    CopyImage(image, 0, 0);

    QCOMPARE(art::ToArt(canvas.surface), QStringLiteral("...|...|..."));
    QCOMPARE(canvas.shown, 1);
    ReleaseImage(image);
}

void TestDrawing::endDrawShowsACanvasOnce()
{
    TestCanvas canvas(art::FromArt(2, "...."));
    const ImageId image = CreateImage(2, 2);

    QVERIFY(BeginDrawImage(image));
    FillRect(0, 0, 2, 2, 0xFFFFFF);
    EndDraw();
    QCOMPARE(canvas.shown, 0);

    QVERIFY(BeginDrawCanvas(Canvas));
    CopyImage(image, 1, 0);
    SetPixel(0, 0, 0x0000FF);
    QCOMPARE(canvas.shown, 0);
    EndDraw();
    QCOMPARE(canvas.shown, 1);
    QCOMPARE(art::ToArt(canvas.surface), QStringLiteral("r.|.."));
    QVERIFY(!IsDrawing());
    ReleaseImage(image);
}

void TestDrawing::copyImage_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("known");
    QTest::addColumn<QString>("after");

    // The image is 3 x 2: "rgb" over "b#r".
    QTest::newRow("at the origin") << 0 << 0 << true << "rgb..|b#r..|.....|.....";
    QTest::newRow("inside") << 1 << 1 << true << ".....|.rgb.|.b#r.|.....";
    QTest::newRow("clipped at the right and bottom") << 3 << 3 << true << ".....|.....|.....|...rg";
    QTest::newRow("clipped at the left and top") << -1 << -1 << true << "#r...|.....|.....|.....";
    QTest::newRow("entirely outside") << 5 << 0 << true << ".....|.....|.....|.....";
    QTest::newRow("far outside, negative") << INT_MIN << INT_MIN << true << ".....|.....|.....|.....";
    QTest::newRow("unknown id copies nothing") << 0 << 0 << false << ".....|.....|.....|.....";
}

void TestDrawing::copyImage()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(bool, known);
    QFETCH(QString, after);

    const ImageId image = CreateImage(3, 2);
    QVERIFY(BeginDrawImage(image));
    SetPixel(0, 0, art::ColorOf('r'));
    SetPixel(1, 0, art::ColorOf('g'));
    SetPixel(2, 0, art::ColorOf('b'));
    SetPixel(0, 1, art::ColorOf('b'));
    SetPixel(2, 1, art::ColorOf('r'));
    EndDraw();

    TestCanvas canvas(Surface(5, 4, 0xFFFFFF));
    QVERIFY(BeginDrawCanvas(Canvas));
    CopyImage(known ? image : image + 1000, x, y);
    EndDraw();
    QCOMPARE(art::ToArt(canvas.surface), after);
    ReleaseImage(image);
}

void TestDrawing::copyImageOntoItself()
{
    const ImageId image = CreateImage(4, 1);
    QVERIFY(BeginDrawImage(image));
    SetPixel(0, 0, art::ColorOf('r'));
    SetPixel(1, 0, art::ColorOf('g'));
    SetPixel(2, 0, art::ColorOf('b'));
    CopyImage(image, 1, 0);
    EndDraw();
    QCOMPARE(art::ToArt(*ImageSurface(image)), QStringLiteral("rrgb"));
    ReleaseImage(image);
}

void TestDrawing::releasingTheOpenImageClosesItsBlock()
{
    const ImageId image = CreateImage(2, 2);
    QVERIFY(BeginDrawImage(image));
    ReleaseImage(image);
    QVERIFY(!IsDrawing());
    FillRect(0, 0, 2, 2, 0xFFFFFF);
    EndDraw();

    TestCanvas canvas(art::FromArt(2, "...."));
    QVERIFY(BeginDrawCanvas(Canvas));
    EndDraw();
}

void TestDrawing::buttonFaceWithoutAnApplication()
{
    const PackedRgb face = ButtonFaceColor();
    const int red = face & 0xFF, green = (face >> 8) & 0xFF, blue = face >> 16;
    QVERIFY2(red == green && green == blue && red >= 192 && red < 255, qPrintable(QString::number(face, 16)));

    SetButtonFaceOverride(PackRgb(1, 2, 3));
    QCOMPARE(ButtonFaceColor(), PackRgb(1, 2, 3));
}

QTEST_APPLESS_MAIN(TestDrawing)
#include "tst_drawing.moc"
