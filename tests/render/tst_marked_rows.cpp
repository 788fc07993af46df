#include "window/drawing.h"
#include "window/control_numbers.h"

#include <QTest>

#include <functional>

using namespace palette;

// A canvas block notes which rows it wrote, so that showing it compares only
// those; a row it wrote but did not note would stay stale on the screen.
class TestMarkedRows : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void drawingNotesTheRowsItWrote_data();
    void drawingNotesTheRowsItWrote();
    void imageBlocksNoteNothingOnCanvases();
};

using Drawing = std::function<void(ImageId image)>;
Q_DECLARE_METATYPE(Drawing)

namespace {

constexpr int width = 12;
constexpr int height = 16;

// An image like a black canvas, but for one white pixel in row 6.
ImageId ImageWithRowSix()
{
    const ImageId image = CreateImage(width, height);
    BeginDrawImage(image);
    SetPixel(3, 6, 0xFFFFFF);
    EndDraw();
    return image;
}

} // namespace

void TestMarkedRows::cleanup()
{
    DetachCanvas(ColorField);
}

void TestMarkedRows::drawingNotesTheRowsItWrote_data()
{
    QTest::addColumn<Drawing>("draw");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("bottom");

    QTest::newRow("fill") << Drawing([](ImageId) { FillRect(1, 2, 3, 4, 0xFF); }) << 2 << 6;
    QTest::newRow("fill clipped at the top") << Drawing([](ImageId) { FillRect(0, -5, 3, 7, 0xFF); }) << 0 << 2;
    QTest::newRow("fill wholly outside") << Drawing([](ImageId) { FillRect(0, 40, 3, 7, 0xFF); }) << 0 << 0;
    QTest::newRow("pixel") << Drawing([](ImageId) { SetPixel(1, 5, 0xFF); }) << 5 << 6;
    QTest::newRow("rising diagonal") << Drawing([](ImageId) { DrawLineExtent(2, 8, 5, -5, 0); }) << 4 << 9;
    QTest::newRow("vertical line") << Drawing([](ImageId) { DrawLine(0, 7, 0, 3, 0); }) << 3 << 8;
    QTest::newRow("flood fill") << Drawing([](ImageId) { FloodFill(1, 1, 0xFF, 0x00FF00); }) << 0 << height;
    QTest::newRow("copy: only the row that differs") << Drawing([](ImageId image) { CopyImage(image, 0, 0); })
                                                     << 6 << 7;
    QTest::newRow("copy: shifted down") << Drawing([](ImageId image) { CopyImage(image, 0, 3); }) << 9 << 10;
}

void TestMarkedRows::drawingNotesTheRowsItWrote()
{
    QFETCH(Drawing, draw);
    QFETCH(int, top);
    QFETCH(int, bottom);

    const ImageId image = ImageWithRowSix();
    Surface canvas(width, height, 0);
    AttachCanvas(ColorField, &canvas, [] {});
    canvas.TakeMarkedRows();

    QVERIFY(BeginDrawCanvas(ColorField));
    draw(image);
    EndDraw();
    ReleaseImage(image);

    const RowSpan marked = canvas.TakeMarkedRows();
    const QPoint span = marked.IsEmpty() ? QPoint(0, 0) : QPoint(marked.top, marked.bottom);
    QCOMPARE(span, QPoint(top, bottom));
}

void TestMarkedRows::imageBlocksNoteNothingOnCanvases()
{
    Surface canvas(width, height, 0);
    AttachCanvas(ColorField, &canvas, [] {});
    QCOMPARE(canvas.TakeMarkedRows().bottom, height); // every row at first
    const ImageId image = ImageWithRowSix();
    ReleaseImage(image);
    QVERIFY(canvas.TakeMarkedRows().IsEmpty());
}

QTEST_APPLESS_MAIN(TestMarkedRows)
#include "tst_marked_rows.moc"
