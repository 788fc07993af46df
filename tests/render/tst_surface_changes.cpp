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
    QTest::addColumn<QRect>("changed");

    // 5 x 4 pictures; the rectangle is the bounding box of the differing pixels.
    QTest::newRow("nothing changed") << std::string("....." "....." "....." ".....")
                                     << std::string("....." "....." "....." ".....") << QRect();
    QTest::newRow("one pixel") << std::string("....." "....." "....." ".....")
                               << std::string("....." "..#.." "....." ".....") << QRect(2, 1, 1, 1);
    QTest::newRow("top-left and bottom-right corners")
        << std::string("....." "....." "....." ".....")
        << std::string("#...." "....." "....." "....#") << QRect(0, 0, 5, 4);
    QTest::newRow("a mark moves: old and new place")
        << std::string("##..." "##..." "....." ".....")
        << std::string("....." "....." "...##" "...##") << QRect(0, 0, 5, 4);
    QTest::newRow("rows apart, columns inside")
        << std::string("....." "....." "....." ".....")
        << std::string(".#..." "....." "....." "...#.") << QRect(1, 0, 3, 4);
    QTest::newRow("near-black is a change") << std::string("#####" "#####" "#####" "#####")
                                            << std::string("#####" "#####" "##k##" "#####")
                                            << QRect(2, 2, 1, 1);
    QTest::newRow("last column only") << std::string("....." "....." "....." ".....")
                                      << std::string("....r" "....g" "....." ".....") << QRect(4, 0, 1, 2);
}

void TestSurfaceChanges::changedPixelsAreFoundAndTaken()
{
    QFETCH(std::string, shown);
    QFETCH(std::string, drawn);
    QFETCH(QRect, changed);

    Surface onScreen = art::FromArt(5, shown);
    const Surface picture = art::FromArt(5, drawn);
    const PixelRect found = TakeChanges(picture, onScreen);

    QCOMPARE(found.IsEmpty() ? QRect() : QRect(found.x, found.y, found.width, found.height), changed);
    // Afterwards the screen's copy is the picture, and nothing is left to show.
    QCOMPARE(art::ToArt(onScreen), art::ToArt(picture));
    QVERIFY(TakeChanges(picture, onScreen).IsEmpty());
}

QTEST_APPLESS_MAIN(TestSurfaceChanges)
#include "tst_surface_changes.moc"
