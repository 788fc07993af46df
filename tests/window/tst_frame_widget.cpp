#include "window/frame_widget.h"

#include <QGroupBox>
#include <QTest>

using namespace palette;

// The frame paints a picture it rendered once; it must look exactly like the
// group box it stands for, also after whatever the picture depends on changed.
class TestFrameWidget : public QObject {
    Q_OBJECT

private slots:
    void looksLikeAGroupBox_data();
    void looksLikeAGroupBox();

private:
    static QImage Grab(QWidget& widget) { return widget.grab().toImage(); }
};

void TestFrameWidget::looksLikeAGroupBox_data()
{
    QTest::addColumn<QString>("laterTitle");
    QTest::addColumn<QSize>("laterSize");
    QTest::addColumn<bool>("disable");

    QTest::newRow("as created") << QString() << QSize() << false;
    QTest::newRow("title changed") << QStringLiteral("Color Settings") << QSize() << false;
    QTest::newRow("resized") << QString() << QSize(120, 60) << false;
    QTest::newRow("disabled") << QString() << QSize() << true;
}

void TestFrameWidget::looksLikeAGroupBox()
{
    QFETCH(QString, laterTitle);
    QFETCH(QSize, laterSize);
    QFETCH(bool, disable);

    QWidget window;
    window.resize(400, 200);
    FrameWidget frame(QStringLiteral("Preview"), &window);
    QGroupBox reference(QStringLiteral("Preview"), &window);
    frame.setGeometry(10, 10, 175, 95);
    reference.setGeometry(200, 10, 175, 95);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(Grab(frame), Grab(reference));

    if (!laterTitle.isNull()) {
        frame.setTitle(laterTitle);
        reference.setTitle(laterTitle);
    }
    if (laterSize.isValid()) {
        frame.resize(laterSize);
        reference.resize(laterSize);
    }
    if (disable) {
        frame.setEnabled(false);
        reference.setEnabled(false);
    }
    QCOMPARE(Grab(frame), Grab(reference));
}

QTEST_MAIN(TestFrameWidget)
#include "tst_frame_widget.moc"
