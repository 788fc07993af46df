// The window and its controls as created, and the text and colour
// operations on them.
#include "picker_fixture.h"

#include "window/control_numbers.h"
#include "window/control_registry.h"
#include "window/controls.h"
#include "window/drawing.h"
#include "window/picker_window_widget.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTest>

using namespace palette;

namespace {

// What kind of control a widget is, told from what it is to Qt and whether a canvas buffer is attached.
QString KindOf(std::int32_t number, const QWidget* widget)
{
    if (qobject_cast<const QLineEdit*>(widget))
        return "edit";
    if (qobject_cast<const QLabel*>(widget))
        return "label";
    if (qobject_cast<const QGroupBox*>(widget))
        return "frame";
    if (qobject_cast<const QSlider*>(widget))
        return "track";
    if (qobject_cast<const QPushButton*>(widget))
        return "button";
    if (CanvasSurface(number))
        return "canvas";
    return "container";
}

QString TextOf(const QWidget* widget)
{
    if (auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(widget))
        return frame->title();
    if (auto* button = qobject_cast<const QPushButton*>(widget))
        return button->text();
    return {};
}

bool AllPixels(const Surface& surface, PackedRgb color)
{
    for (std::int32_t y = 0; y < surface.Height(); ++y) {
        for (std::int32_t x = 0; x < surface.Width(); ++x) {
            if (surface.Pixel(x, y) != color)
                return false;
        }
    }
    return true;
}

} // namespace

class TestPickerWindow : public QObject {
    Q_OBJECT

private slots:
    void window();
    void centring_data();
    void centring();
    void controlTable_data();
    void controlTable();
    void everyNumberNamesOneControl();
    void canvasesStartWhite();
    void trackBarsAndButtons();
    void textRoundTrip_data();
    void textRoundTrip();
    void textOfControlsWithoutText();
    void setControlTextRaisesNothing();
    void labelBackColor();
    void unknownNumbersAreIgnored();
    void recreatingANumberDropsTheOldControl();
};

void TestPickerWindow::window()
{
    PickerFixture picker;
    QVERIFY(picker.IsOpen());
    QWidget* window = picker.Window();
    QCOMPARE(window->windowTitle(), QString("Color Palette"));
    QCOMPARE(window->size(), QSize(501, 355));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowSystemMenuHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(window->autoFillBackground());
    QCOMPARE(window->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Button));
    // Centred by its outer size, frame included.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect outer = window->frameGeometry();
    QVERIFY(outer.size() != window->size());
    QCOMPARE(outer.left() - screen.left(), (screen.width() - outer.width()) / 2);
    QCOMPARE(outer.top() - screen.top(), (screen.height() - outer.height()) / 2);
}

void TestPickerWindow::centring_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QSize>("outer");
    QTest::addColumn<QPoint>("expected");

    QTest::newRow("halves round down") << QRect(0, 0, 1280, 1024) << QSize(503, 376) << QPoint(388, 324);
    QTest::newRow("even") << QRect(0, 0, 1920, 1080) << QSize(520, 380) << QPoint(700, 350);
    QTest::newRow("screen not at origin") << QRect(1920, 100, 1280, 1024) << QSize(503, 376) << QPoint(2308, 424);
    QTest::newRow("wider than screen") << QRect(0, 0, 400, 600) << QSize(503, 376) << QPoint(0, 112);
    QTest::newRow("taller than screen") << QRect(0, 0, 800, 300) << QSize(503, 376) << QPoint(148, 0);
    QTest::newRow("exactly the screen") << QRect(0, 0, 503, 376) << QSize(503, 376) << QPoint(0, 0);
}

void TestPickerWindow::centring()
{
    QFETCH(QRect, screen);
    QFETCH(QSize, outer);
    QFETCH(QPoint, expected);
    QCOMPARE(PickerWindow::CentredPosition(screen, outer), expected);
}

void TestPickerWindow::controlTable_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("text");

    const auto row = [](const char* name, int number, const char* kind, const char* parent, QRect rect,
                         const char* text) {
        QTest::newRow(name) << number << QString(kind) << QString(parent) << rect << QString(text);
    };
    row("ColorField", 0, "canvas", "window", {5, 15, 257, 257}, "");
    row("LightnessBar", 1, "canvas", "window", {275, 15, 28, 257}, "");
    row("NewSwatch", 16, "label", "window", {415, 60, 70, 35}, "");
    row("PreviewFrame", 11, "frame", "window", {320, 9, 175, 95}, "Preview");
    row("CurrentSwatch", 15, "canvas", "window", {415, 25, 70, 35}, "");
    row("CurrentLabel", 2, "label", "window", {330, 40, 75, 15}, "current Color:");
    row("NewLabel", 3, "label", "window", {330, 75, 75, 15}, "new Color:");
    row("SettingsFrame", 12, "frame", "window", {320, 105, 175, 160}, "Color Settings");
    row("RedLabel", 4, "label", "window", {330, 130, 15, 20}, "R");
    row("RedEdit", 17, "edit", "window", {350, 125, 40, 25}, "");
    row("GreenEdit", 18, "edit", "window", {350, 160, 40, 25}, "");
    row("GreenLabel", 5, "label", "window", {330, 165, 15, 20}, "G");
    row("BlueLabel", 6, "label", "window", {330, 200, 15, 20}, "B");
    row("BlueEdit", 19, "edit", "window", {350, 195, 40, 25}, "");
    row("AlphaLabel", 7, "label", "window", {330, 235, 15, 20}, "A");
    row("AlphaEdit", 20, "edit", "window", {350, 230, 40, 25}, "1.0");
    row("HueLabel", 8, "label", "window", {425, 130, 15, 20}, "H");
    row("SaturationLabel", 9, "label", "window", {425, 165, 15, 20}, "S");
    row("LightnessLabel", 10, "label", "window", {425, 200, 15, 20}, "L");
    row("RedTrack", 24, "track", "window", {390, 125, 20, 25}, "");
    row("GreenTrack", 25, "track", "window", {390, 160, 20, 25}, "");
    row("BlueTrack", 26, "track", "window", {390, 195, 20, 25}, "");
    row("HueEdit", 21, "edit", "window", {445, 125, 40, 25}, "100");
    row("SaturationEdit", 22, "edit", "window", {445, 160, 40, 25}, "100");
    row("LightnessEdit", 23, "edit", "window", {445, 195, 40, 25}, "100");
    row("OkButton", 27, "button", "window", {425, 295, 70, 45}, "OK");
    row("CancelButton", 28, "button", "window", {325, 295, 70, 45}, "Cancel");
    row("PaletteBox", 29, "container", "window", {10, 280, 250, 60}, "");
    for (int i = 0; i < 16; ++i) {
        const QByteArray name = "PaletteSwatch " + QByteArray::number(30 + i);
        row(name.constData(), 30 + i, "canvas", "PaletteBox", {10 + 30 * (i % 8), i < 8 ? 10 : 40, 20, 20}, "");
    }
}

void TestPickerWindow::controlTable()
{
    QFETCH(int, number);
    QFETCH(QString, kind);
    QFETCH(QString, parent);
    QFETCH(QRect, rect);
    QFETCH(QString, text);

    PickerFixture picker;
    QWidget* control = picker.Control(number);
    QVERIFY(control);
    QCOMPARE(KindOf(number, control), kind);
    QCOMPARE(control->parentWidget(), parent == "window" ? picker.Window() : picker.Control(PaletteBox));
    QCOMPARE(control->geometry(), rect);
    QVERIFY(control->isVisible());
    QCOMPARE(TextOf(control), text);
    QCOMPARE(QString::fromStdString(GetControlText(number)), text);
    const bool takesFocus = kind == "edit" || kind == "track" || kind == "button";
    QCOMPARE(control->focusPolicy(), takesFocus ? Qt::StrongFocus : Qt::NoFocus);
    QCOMPARE(control->font(), QApplication::font());
}

void TestPickerWindow::everyNumberNamesOneControl()
{
    PickerFixture picker;
    QSet<QWidget*> controls;
    for (std::int32_t number = -2; number < 50; ++number) {
        QWidget* control = picker.Control(number);
        const bool used = number >= 0 && number <= 45 && number != 13 && number != 14;
        QCOMPARE(control != nullptr, used);
        if (control)
            controls.insert(control);
    }
    QCOMPARE(controls.size(), 44);
}

void TestPickerWindow::canvasesStartWhite()
{
    PickerFixture picker;
    const std::int32_t canvases[] = {ColorField, LightnessBar, CurrentSwatch, 30, 37, 38, 45};
    for (std::int32_t number : canvases) {
        QWidget* canvas = picker.Control(number);
        const Surface* surface = CanvasSurface(number);
        QVERIFY(surface);
        QCOMPARE(QSize(surface->Width(), surface->Height()), canvas->size());
        QVERIFY(AllPixels(*surface, 0xFFFFFF));
        QCOMPARE(canvas->grab().toImage().pixel(canvas->width() / 2, canvas->height() / 2), qRgb(255, 255, 255));
        QCOMPARE(canvas->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(canvas->hasMouseTracking());
    }
}

void TestPickerWindow::trackBarsAndButtons()
{
    PickerFixture picker;
    for (std::int32_t number : {RedTrack, GreenTrack, BlueTrack}) {
        auto* track = qobject_cast<QSlider*>(picker.Control(number));
        QVERIFY(track);
        QCOMPARE(track->orientation(), Qt::Vertical);
        QCOMPARE(track->minimum(), 0);
        QCOMPARE(track->maximum(), 100);
        QCOMPARE(track->value(), 0);
        QCOMPARE(track->tickPosition(), QSlider::NoTicks);
        QVERIFY(!track->invertedAppearance()); // 0 at the bottom
    }
    for (std::int32_t number : {OkButton, CancelButton}) {
        auto* button = qobject_cast<QPushButton*>(picker.Control(number));
        QVERIFY(button);
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    }
}

void TestPickerWindow::textRoundTrip_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("edit") << int(RedEdit) << QByteArray("255") << QByteArray("255");
    QTest::newRow("edit emptied") << int(AlphaEdit) << QByteArray("") << QByteArray("");
    QTest::newRow("edit UTF-8") << int(GreenEdit) << QByteArray("gr\xC3\xBCn \xE2\x82\xAC") << QByteArray("gr\xC3\xBCn \xE2\x82\xAC");
    QTest::newRow("edit ends at NUL") << int(BlueEdit) << QByteArray("12\0" "34", 5) << QByteArray("12");
    QTest::newRow("label") << int(CurrentLabel) << QByteArray("now") << QByteArray("now");
    QTest::newRow("frame") << int(PreviewFrame) << QByteArray("Before") << QByteArray("Before");
    QTest::newRow("button") << int(OkButton) << QByteArray("Yes") << QByteArray("Yes");
}

void TestPickerWindow::textRoundTrip()
{
    QFETCH(int, number);
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);

    PickerFixture picker;
    SetControlText(number, std::string_view(text.constData(), std::size_t(text.size())));
    QCOMPARE(QByteArray::fromStdString(GetControlText(number)), expected);
    QCOMPARE(TextOf(picker.Control(number)), QString::fromUtf8(expected));
}

void TestPickerWindow::textOfControlsWithoutText()
{
    PickerFixture picker;
    for (std::int32_t number : {ColorField, RedTrack, PaletteBox, FirstPaletteSwatch}) {
        SetControlText(number, "text");
        QCOMPARE(GetControlText(number), std::string());
    }
}

void TestPickerWindow::setControlTextRaisesNothing()
{
    PickerFixture picker;
    QTest::keyClick(picker.Window(), Qt::Key_Tab); // RedEdit has the focus, as while the user types
    TakeEvents();
    for (std::int32_t number : {RedEdit, GreenEdit, BlueEdit, NewLabel, SettingsFrame, CancelButton})
        SetControlText(number, "42");
    QCOMPARE(TakeEvents(), QStringList());
}

void TestPickerWindow::labelBackColor()
{
    PickerFixture picker;
    QWidget* swatch = picker.Control(NewSwatch);
    const QRgb face = QApplication::palette().color(QPalette::Button).rgb();
    QCOMPARE(swatch->grab().toImage().pixel(1, 1), face);

    SetLabelBackColor(NewSwatch, PackRgb(0x12, 0x34, 0x56));
    const QImage colored = swatch->grab().toImage();
    QCOMPARE(colored.pixel(0, 0), qRgb(0x12, 0x34, 0x56));
    QCOMPARE(colored.pixel(69, 34), qRgb(0x12, 0x34, 0x56));

    // As the window shows it: the frame around the swatch does not tint it.
    const QPoint centre = swatch->geometry().center();
    QCOMPARE(picker.Window()->grab().toImage().pixel(centre), qRgb(0x12, 0x34, 0x56));

    // Behind a text as well.
    SetLabelBackColor(CurrentLabel, PackRgb(255, 0, 0));
    QCOMPARE(picker.Control(CurrentLabel)->grab().toImage().pixel(74, 0), qRgb(255, 0, 0));

    // Not a label: nothing changes.
    SetLabelBackColor(ColorField, PackRgb(255, 0, 0));
    QVERIFY(AllPixels(*CanvasSurface(ColorField), 0xFFFFFF));
}

void TestPickerWindow::unknownNumbersAreIgnored()
{
    PickerFixture picker;
    for (std::int32_t number : {-1, 13, 14, 46, 1000}) {
        SetControlText(number, "x");
        SetLabelBackColor(number, 0);
        QCOMPARE(GetControlText(number), std::string());
    }
    QCOMPARE(TakeEvents(), QStringList());
}

void TestPickerWindow::recreatingANumberDropsTheOldControl()
{
    PickerFixture picker;
    QPointer<QWidget> old = picker.Control(RedEdit);
    old->setFocus();
    QTest::keyClicks(old, "7");
    QVERIFY(!TakeEvents().isEmpty());
    QTest::keyClicks(old, "8"); // queued, never taken

    const ControlRow replacement{RedEdit, "RedEdit", ControlKind::Label, 1, 2, 30, 40, "new"};
    QWidget* created = CreateControl(replacement, picker.Window());
    QVERIFY(old.isNull());
    QCOMPARE(picker.Control(RedEdit), created);
    QCOMPARE(GetControlText(RedEdit), std::string("new"));
    QCOMPARE(created->geometry(), QRect(1, 2, 30, 40));
    QVERIFY(!TakeEvents().join(',').contains(QString::number(RedEdit) + ' '));
}

QTEST_MAIN(TestPickerWindow)
#include "tst_picker_window.moc"
