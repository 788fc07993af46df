#include "pixel_art.h"
#include "window/surface_changes.h"

#include <QTest>

using namespace palette;

Q_DECLARE_METATYPE(std::string)

class TestSurfaceChanges : public QObject {
    Q_OBJECT

private slots:
    void changedPixelsAreFoundAndTaken_data();
    void changedPixelsAreFoundAndTaken();
};

void TestSurfaceChanges::changedPixelsAreFoundAndTaken_data()
{
    QTest::addColumn<std::string>("shown");
    QTest::addColumn<std::string>("drawn");
    QTest::addColumn<int>("firstRow");
    QTest::addColumn<int>("endRow");
    QTest::addColumn<QRect>("changed");

    // 5 x 4 pictures; the rectangle is the bounding box of the differing pixels.
    QTest::newRow("nothing changed") << std::string("....." "....." "....." ".....")
                                     << std::string("....." "....." "....." ".....") << 0 << 4 << QRect();
    QTest::newRow("one pixel") << std::string("....." "....." "....." ".....")
                               << std::string("....." "..#.." "....." ".....") << 0 << 4 << QRect(2, 1, 1, 1);
    QTest::newRow("top-left and bottom-right corners")
        << std::string("....." "....." "....." ".....")
        << std::string("#...." "....." "....." "....#") << 0 << 4 << QRect(0, 0, 5, 4);
    QTest::newRow("a mark moves: old and new place")
        << std::string("##..." "##..." "....." ".....")
        << std::string("....." "....." "...##" "...##") << 0 << 4 << QRect(0, 0, 5, 4);
    QTest::newRow("rows apart, columns inside")
        << std::string("....." "....." "....." ".....")
        << std::string(".#..." "....." "....." "...#.") << 0 << 4 << QRect(1, 0, 3, 4);
    QTest::newRow("near-black is a change") << std::string("#####" "#####" "#####" "#####")
                                            << std::string("#####" "#####" "##k##" "#####")
                                            << 0 << 4 << QRect(2, 2, 1, 1);
    QTest::newRow("rows outside the span are not looked at")
        << std::string("....." "....." "....." ".....")
        << std::string("#...." "..#.." "....." "....#") << 1 << 3 << QRect(2, 1, 1, 1);
    QTest::newRow("a span past the bottom is clipped") << std::string("....." "....." "....." ".....")
                                                       << std::string("....." "....." "....." "#....")
                                                       << 2 << 99 << QRect(0, 3, 1, 1);
    QTest::newRow("last column only") << std::string("....." "....." "....." ".....")
                                      << std::string("....r" "....g" "....." ".....") << 0 << 4 << QRect(4, 0, 1, 2);
}

void TestSurfaceChanges::changedPixelsAreFoundAndTaken()
{
    QFETCH(std::string, shown);
    QFETCH(std::string, drawn);
    QFETCH(int, firstRow);
    QFETCH(int, endRow);
    QFETCH(QRect, changed);

    Surface onScreen = art::FromArt(5, shown);
    const Surface picture = art::FromArt(5, drawn);
    const RowSpan rows{firstRow, endRow};
    const PixelRect found = TakeChanges(picture, onScreen, rows);

    QCOMPARE(found.IsEmpty() ? QRect() : QRect(found.x, found.y, found.width, found.height), changed);
    // Afterwards those rows of the screen's copy are the picture's, and nothing is left to show there.
    for (int y = std::max(firstRow, 0); y < std::min(endRow, picture.Height()); ++y) {
        for (int x = 0; x < picture.Width(); ++x)
            QCOMPARE(onScreen.Pixel(x, y), picture.Pixel(x, y));
    }
    QVERIFY(TakeChanges(picture, onScreen, rows).IsEmpty());
}

QTEST_APPLESS_MAIN(TestSurfaceChanges)
#include "tst_surface_changes.moc"
