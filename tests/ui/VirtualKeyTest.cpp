// SPDX-License-Identifier: GPL-3.0-or-later
// Key events as the editing keys see them: Qt keys and modifiers to virtual key codes.

#include "ui/grid/VirtualKey.h"

#include <QKeyEvent>
#include <QtTest>

using rungbox::ui::shiftState;
using rungbox::ui::virtualKeyCode;

// A Qt test, so that the application owns the keyboard device the key events refer to. The rows
// are the keys whose code depends on more than the key itself: modifiers, the keypad, the layout
// and the X11 key code. Named keys that map one to one are left to the key table.
class VirtualKeyTest : public QObject {
    Q_OBJECT

private slots:
    void codesOfKeysAndModifiers_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<quint32>("scanCode"); // an X11 key code when byScanCode, else ignored
        QTest::addColumn<bool>("byScanCode");
        QTest::addColumn<int>("expected");
        const int none = Qt::NoModifier;
        const int shift = Qt::ShiftModifier;
        const int keypad = Qt::KeypadModifier;
        QTest::newRow("letter a") << int(Qt::Key_A) << none << 0U << false << 65;
        QTest::newRow("letter z with shift") << int(Qt::Key_Z) << shift << 0U << false << 90;
        QTest::newRow("letter with ctrl")
            << int(Qt::Key_C) << int(Qt::ControlModifier) << 0U << false << 67;
        QTest::newRow("digit 9") << int(Qt::Key_9) << none << 19U << true << 57;
        QTest::newRow("keypad 0") << int(Qt::Key_0) << keypad << 0U << false << 96;
        QTest::newRow("keypad 9") << int(Qt::Key_9) << keypad << 0U << true << 105;
        QTest::newRow("shift 3, US symbol")
            << int(Qt::Key_NumberSign) << shift << 0U << false << 51;
        QTest::newRow("shift 0, US symbol")
            << int(Qt::Key_ParenRight) << shift << 0U << false << 48;
        QTest::newRow("shift 3 on X11") << int(Qt::Key_NumberSign) << shift << 12U << true << 51;
        // A German keyboard: Shift+3 gives the section sign, still on X key code 12.
        QTest::newRow("shift 3, other layout")
            << int(Qt::Key_section) << shift << 12U << true << 51;
        // '#' on its own key (UK keyboard, X key code 51) is no digit.
        QTest::newRow("hash key elsewhere") << int(Qt::Key_NumberSign) << none << 51U << true << 0;
        QTest::newRow("X11 event without code")
            << int(Qt::Key_NumberSign) << shift << 0U << true << 51;
        QTest::newRow("keypad asterisk") << int(Qt::Key_Asterisk) << keypad << 0U << false << 0;
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << keypad << 0U << false << 13;
        QTest::newRow("a-umlaut") << int(Qt::Key_Adiaeresis) << none << 0U << false << 0;
    }

    void codesOfKeysAndModifiers() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(quint32, scanCode);
        QFETCH(bool, byScanCode);
        QFETCH(int, expected);
        const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), scanCode, 0,
                              0);
        QCOMPARE(virtualKeyCode(event, byScanCode), expected);
    }

    void shiftArgument() {
        const Qt::KeyboardModifiers all = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
        QCOMPARE(shiftState(QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier)), 0);
        QCOMPARE(shiftState(QKeyEvent(QEvent::KeyPress, Qt::Key_A, all)), 7);
        QCOMPARE(shiftState(QKeyEvent(QEvent::KeyPress, Qt::Key_1, Qt::KeypadModifier)), 0);
    }
};

QTEST_MAIN(VirtualKeyTest)
#include "VirtualKeyTest.moc"
