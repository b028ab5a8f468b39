// Key events as the editing keys see them: Qt keys and modifiers to virtual key codes.

#include "ui/VirtualKey.h"

#include <QKeyEvent>
#include <QtTest>

using rungbox::ui::shiftState;
using rungbox::ui::virtualKeyCode;

class VirtualKeyTest : public QObject {
    Q_OBJECT

private slots:
    void codes_data();
    void codes();
    void shiftArgument();
};

void VirtualKeyTest::codes_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<quint32>("scanCode");
    QTest::addColumn<bool>("byScanCode");
    QTest::addColumn<int>("expected");

    const int none = Qt::NoModifier;
    const int shift = Qt::ShiftModifier;
    const int keypad = Qt::KeypadModifier;
    QTest::newRow("letter a") << int(Qt::Key_A) << none << 0u << false << 65;
    QTest::newRow("letter z with shift") << int(Qt::Key_Z) << shift << 0u << false << 90;
    QTest::newRow("letter with ctrl")
        << int(Qt::Key_C) << int(Qt::ControlModifier) << 0u << false << 67;
    QTest::newRow("digit 0") << int(Qt::Key_0) << none << 0u << false << 48;
    QTest::newRow("digit 9") << int(Qt::Key_9) << none << 19u << true << 57;
    QTest::newRow("keypad 0") << int(Qt::Key_0) << keypad << 0u << false << 96;
    QTest::newRow("keypad 9") << int(Qt::Key_9) << keypad << 0u << true << 105;
    QTest::newRow("shift 3, US symbol") << int(Qt::Key_NumberSign) << shift << 0u << false << 51;
    QTest::newRow("shift 0, US symbol") << int(Qt::Key_ParenRight) << shift << 0u << false << 48;
    QTest::newRow("shift 1, US symbol") << int(Qt::Key_Exclam) << shift << 0u << false << 49;
    QTest::newRow("shift 6, US symbol") << int(Qt::Key_AsciiCircum) << shift << 0u << false << 54;
    QTest::newRow("shift 3 on X11") << int(Qt::Key_NumberSign) << shift << 12u << true << 51;
    QTest::newRow("shift 0 on X11") << int(Qt::Key_ParenRight) << shift << 19u << true << 48;
    QTest::newRow("shift 1 on X11") << int(Qt::Key_Exclam) << shift << 10u << true << 49;
    // A German keyboard: Shift+3 gives the section sign, still on X key code 12.
    QTest::newRow("shift 3, other layout") << int(Qt::Key_section) << shift << 12u << true << 51;
    // '#' on its own key (UK keyboard, X key code 51) is no digit.
    QTest::newRow("hash key elsewhere") << int(Qt::Key_NumberSign) << none << 51u << true << 0;
    QTest::newRow("X11 event without code") << int(Qt::Key_NumberSign) << shift << 0u << true << 51;
    QTest::newRow("keypad asterisk") << int(Qt::Key_Asterisk) << keypad << 0u << false << 0;
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << none << 0u << false << 8;
    QTest::newRow("return") << int(Qt::Key_Return) << none << 0u << false << 13;
    QTest::newRow("keypad enter") << int(Qt::Key_Enter) << keypad << 0u << false << 13;
    QTest::newRow("space") << int(Qt::Key_Space) << none << 0u << false << 32;
    QTest::newRow("insert") << int(Qt::Key_Insert) << none << 0u << false << 45;
    QTest::newRow("delete") << int(Qt::Key_Delete) << none << 0u << false << 46;
    QTest::newRow("left") << int(Qt::Key_Left) << none << 0u << false << 37;
    QTest::newRow("up") << int(Qt::Key_Up) << none << 0u << false << 38;
    QTest::newRow("right") << int(Qt::Key_Right) << none << 0u << false << 39;
    QTest::newRow("down") << int(Qt::Key_Down) << none << 0u << false << 40;
    QTest::newRow("home") << int(Qt::Key_Home) << none << 0u << false << 36;
    QTest::newRow("end") << int(Qt::Key_End) << none << 0u << false << 35;
    QTest::newRow("page up") << int(Qt::Key_PageUp) << none << 0u << false << 33;
    QTest::newRow("page down") << int(Qt::Key_PageDown) << none << 0u << false << 34;
    QTest::newRow("shift alone") << int(Qt::Key_Shift) << shift << 0u << false << 16;
    QTest::newRow("ctrl alone") << int(Qt::Key_Control) << int(Qt::ControlModifier) << 0u << false
                                << 17;
    QTest::newRow("alt alone") << int(Qt::Key_Alt) << int(Qt::AltModifier) << 0u << false << 18;
    QTest::newRow("F5") << int(Qt::Key_F5) << none << 0u << false << 116;
    QTest::newRow("a-umlaut") << int(Qt::Key_Adiaeresis) << none << 0u << false << 0;
}

void VirtualKeyTest::codes() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(quint32, scanCode);
    QFETCH(bool, byScanCode);
    QFETCH(int, expected);
    const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), scanCode, 0, 0);
    QCOMPARE(virtualKeyCode(event, byScanCode), expected);
}

void VirtualKeyTest::shiftArgument() {
    const QKeyEvent plain(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    const QKeyEvent all(QEvent::KeyPress, Qt::Key_A,
                        Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const QKeyEvent keypad(QEvent::KeyPress, Qt::Key_1, Qt::KeypadModifier);
    QCOMPARE(shiftState(plain), 0);
    QCOMPARE(shiftState(all), 7);
    QCOMPARE(shiftState(keypad), 0);
}

QTEST_MAIN(VirtualKeyTest)
#include "VirtualKeyTest.moc"
