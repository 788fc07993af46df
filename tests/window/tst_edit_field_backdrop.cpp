#include "window/edit_field_widget.h"
#include "window/frame_widget.h"

#include <QLineEdit>
#include <QTest>

using namespace palette;

// An edit field paints what lies beneath its corners itself; on screen it
// must look exactly like a plain line edit over the same frame and window.
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

    QTest::newRow("inside the frame") << QRect(30, 20, 40, 25) << QStringLiteral("127");
    QTest::newRow("across the frame's edge") << QRect(5, 60, 40, 25) << QStringLiteral("1.0");
    QTest::newRow("outside any frame") << QRect(140, 40, 40, 25) << QString();
}

void TestEditFieldBackdrop::looksLikeALineEditOverItsFrame()
{
    QFETCH(QRect, field);
    QFETCH(QString, text);

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
    // Neither shows a focus frame or a caret.
    ours->setFocusPolicy(Qt::NoFocus);
    stock->setFocusPolicy(Qt::NoFocus);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QRect around = field.adjusted(-2, -2, 2, 2);
    QCOMPARE(window.grab(around).toImage(), window.grab(around.translated(half, 0)).toImage());

    ours->setText(QStringLiteral("255"));
    stock->setText(QStringLiteral("255"));
    QCOMPARE(window.grab(around).toImage(), window.grab(around.translated(half, 0)).toImage());
}

QTEST_MAIN(TestEditFieldBackdrop)
#include "tst_edit_field_backdrop.moc"
