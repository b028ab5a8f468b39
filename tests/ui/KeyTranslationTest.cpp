// SPDX-License-Identifier: GPL-3.0-or-later
// Key events as the editing keys see them: Qt keys and modifiers to the editor's keys.

#include "ui/grid/KeyTranslation.h"

#include <QKeyEvent>
#include <QtTest>

using rungbox::editor::Key;
using rungbox::editor::KeyMod;
using rungbox::editor::KeyMods;
using rungbox::editor::KeyPress;
using rungbox::ui::translateKey;
using rungbox::ui::translateModifiers;

Q_DECLARE_METATYPE(KeyPress)

// A Qt test, so that the application owns the keyboard device the key events refer to. The rows
// are the keys whose translation depends on more than the key itself: modifiers, the keypad, the
// layout and the X11 key code. Named keys that map one to one are left to the key table.
class KeyTranslationTest : public QObject {
    Q_OBJECT

private slots:
    void keysOfEvents_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<quint32>("scanCode"); // an X11 key code when byScanCode, else ignored
        QTest::addColumn<bool>("byScanCode");
        QTest::addColumn<KeyPress>("expected");
        const int none = Qt::NoModifier;
        const int shift = Qt::ShiftModifier;
        const int keypad = Qt::KeypadModifier;
        QTest::newRow("letter a") << int(Qt::Key_A) << none << 0U << false << KeyPress::letter('A');
        QTest::newRow("letter z with shift")
            << int(Qt::Key_Z) << shift << 0U << false << KeyPress::letter('Z');
        QTest::newRow("letter with ctrl")
            << int(Qt::Key_C) << int(Qt::ControlModifier) << 0U << false << KeyPress::letter('C');
        QTest::newRow("digit 9") << int(Qt::Key_9) << none << 19U << true << KeyPress::digit('9');
        QTest::newRow("keypad 0") << int(Qt::Key_0) << keypad << 0U << false
                                  << KeyPress::keypadDigit('0');
        QTest::newRow("keypad 9") << int(Qt::Key_9) << keypad << 0U << true
                                  << KeyPress::keypadDigit('9');
        QTest::newRow("shift 3, US symbol")
            << int(Qt::Key_NumberSign) << shift << 0U << false << KeyPress::digit('3');
        QTest::newRow("shift 0, US symbol")
            << int(Qt::Key_ParenRight) << shift << 0U << false << KeyPress::digit('0');
        QTest::newRow("shift 3 on X11")
            << int(Qt::Key_NumberSign) << shift << 12U << true << KeyPress::digit('3');
        // A German keyboard: Shift+3 gives the section sign, still on X key code 12.
        QTest::newRow("shift 3, other layout")
            << int(Qt::Key_section) << shift << 12U << true << KeyPress::digit('3');
        // '#' on its own key (UK keyboard, X key code 51) is no digit.
        QTest::newRow("hash key elsewhere")
            << int(Qt::Key_NumberSign) << none << 51U << true << KeyPress(Key::Other);
        QTest::newRow("X11 event without code")
            << int(Qt::Key_NumberSign) << shift << 0U << true << KeyPress::digit('3');
        QTest::newRow("keypad asterisk")
            << int(Qt::Key_Asterisk) << keypad << 0U << false << KeyPress(Key::Other);
        QTest::newRow("keypad enter")
            << int(Qt::Key_Enter) << keypad << 0U << false << KeyPress(Key::Enter);
        QTest::newRow("Alt Gr") << int(Qt::Key_AltGr) << none << 0U << false << KeyPress(Key::Alt);
        QTest::newRow("Tab") << int(Qt::Key_Tab) << none << 0U << false << KeyPress(Key::Other);
        QTest::newRow("a-umlaut") << int(Qt::Key_Adiaeresis) << none << 0U << false
                                  << KeyPress(Key::Other);
    }

    void keysOfEvents() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(quint32, scanCode);
        QFETCH(bool, byScanCode);
        QFETCH(KeyPress, expected);
        const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), scanCode, 0,
                              0);
        const KeyPress got = translateKey(event, byScanCode);
        QCOMPARE(int(got.key()), int(expected.key()));
        QCOMPARE(got.symbol(), expected.symbol());
    }

    void modifiers() {
        const auto held = [](Qt::KeyboardModifiers mods) {
            return translateModifiers(QKeyEvent(QEvent::KeyPress, Qt::Key_A, mods));
        };
        QVERIFY(held(Qt::NoModifier) == KeyMods());
        QVERIFY(held(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier) ==
                (KeyMods(KeyMod::Shift) | KeyMod::Ctrl | KeyMod::Alt));
        QVERIFY(held(Qt::ControlModifier) == KeyMods(KeyMod::Ctrl));
        QVERIFY(held(Qt::KeypadModifier) == KeyMods());
    }
};

QTEST_MAIN(KeyTranslationTest)
#include "KeyTranslationTest.moc"
