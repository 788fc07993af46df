#include "window/edit_field_widget.h"
#include "window/frame_widget.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

using namespace palette;

// An edit field paints what lies beneath its corners and its panel itself,
// from pictures kept per state; on screen it must look exactly like a plain
// line edit over the same frame and window.
class TestEditFieldBackdrop : public QObject {
    Q_OBJECT

private slots:
    void looksLikeALineEditOverItsFrame_data();
    void looksLikeALineEditOverItsFrame();
};

void TestEditFieldBackdrop::looksLikeALineEditOverItsFrame_data()
{
    QTest::addColumn<QRect>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("focused");

    QTest::newRow("inside the frame") << QRect(30, 20, 40, 25) << QStringLiteral("127") << false;
    QTest::newRow("across the frame's edge") << QRect(5, 60, 40, 25) << QStringLiteral("1.0") << false;
    QTest::newRow("outside any frame") << QRect(140, 40, 40, 25) << QString() << false;
    QTest::newRow("focused, with caret") << QRect(30, 20, 40, 25) << QStringLiteral("127") << true;
}

void TestEditFieldBackdrop::looksLikeALineEditOverItsFrame()
{
    QFETCH(QRect, field);
    QFETCH(QString, text);
    QFETCH(bool, focused);
    // A caret that blinks would make two grabs differ.
    QApplication::setCursorFlashTime(0);

    // Two identical halves: our field on the left, a stock line edit on the right.
    constexpr int half = 200;
    QWidget window;
    window.resize(2 * half, 100);
    auto* ourFrame = new FrameWidget(QStringLiteral("Color Settings"), &window);
    auto* stockFrame = new FrameWidget(QStringLiteral("Color Settings"), &window);
    ourFrame->setGeometry(10, 5, 120, 75);
    stockFrame->setGeometry(10 + half, 5, 120, 75);
    auto* ours = new EditFieldWidget(17, text, &window);
    auto* stock = new QLineEdit(text, &window);
    ours->setGeometry(field);
    stock->setGeometry(field.translated(half, 0));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // Each field is grabbed in the same focus state; only one can hold the focus at a time.
    const QRect around = field.adjusted(-2, -2, 2, 2);
    const auto compare = [&] {
        if (focused)
            ours->setFocus();
        else
            window.setFocus();
        const QImage oursShown = window.grab(around).toImage();
        if (focused)
            stock->setFocus();
        const QImage stockShown = window.grab(around.translated(half, 0)).toImage();
        return oursShown == stockShown;
    };
    QVERIFY(compare());

    ours->setText(QStringLiteral("255"));
    stock->setText(QStringLiteral("255"));
    QVERIFY(compare());
}

QTEST_MAIN(TestEditFieldBackdrop)
#include "tst_edit_field_backdrop.moc"
