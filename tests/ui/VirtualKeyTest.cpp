// Key events as the editing keys see them: Qt keys and modifiers to virtual key codes.

#include "ui/VirtualKey.h"

#include <QKeyEvent>
#include <QtTest>

using rungbox::ui::shiftState;
using rungbox::ui::virtualKeyCode;

namespace {

struct KeyRow {
    const char* name;
    int key;
    int modifiers;
    quint32 scanCode; // an X11 key code when byScanCode, else ignored
    bool byScanCode;
    int expected;
};

constexpr int kNone = Qt::NoModifier;
constexpr int kShift = Qt::ShiftModifier;
constexpr int kKeypad = Qt::KeypadModifier;

const KeyRow kRows[] = {
    {"letter a", Qt::Key_A, kNone, 0, false, 65},
    {"letter z with shift", Qt::Key_Z, kShift, 0, false, 90},
    {"letter with ctrl", Qt::Key_C, Qt::ControlModifier, 0, false, 67},
    {"digit 9", Qt::Key_9, kNone, 19, true, 57},
    {"keypad 0", Qt::Key_0, kKeypad, 0, false, 96},
    {"keypad 9", Qt::Key_9, kKeypad, 0, true, 105},
    {"shift 3, US symbol", Qt::Key_NumberSign, kShift, 0, false, 51},
    {"shift 0, US symbol", Qt::Key_ParenRight, kShift, 0, false, 48},
    {"shift 3 on X11", Qt::Key_NumberSign, kShift, 12, true, 51},
    // A German keyboard: Shift+3 gives the section sign, still on X key code 12.
    {"shift 3, other layout", Qt::Key_section, kShift, 12, true, 51},
    // '#' on its own key (UK keyboard, X key code 51) is no digit.
    {"hash key elsewhere", Qt::Key_NumberSign, kNone, 51, true, 0},
    {"X11 event without code", Qt::Key_NumberSign, kShift, 0, true, 51},
    {"keypad asterisk", Qt::Key_Asterisk, kKeypad, 0, false, 0},
    {"backspace", Qt::Key_Backspace, kNone, 0, false, 8},
    {"return", Qt::Key_Return, kNone, 0, false, 13},
    {"keypad enter", Qt::Key_Enter, kKeypad, 0, false, 13},
    {"space", Qt::Key_Space, kNone, 0, false, 32},
    {"insert", Qt::Key_Insert, kNone, 0, false, 45},
    {"delete", Qt::Key_Delete, kNone, 0, false, 46},
    {"left", Qt::Key_Left, kNone, 0, false, 37},
    {"down", Qt::Key_Down, kNone, 0, false, 40},
    {"home", Qt::Key_Home, kNone, 0, false, 36},
    {"page up", Qt::Key_PageUp, kNone, 0, false, 33},
    {"shift alone", Qt::Key_Shift, kShift, 0, false, 16},
    {"F5", Qt::Key_F5, kNone, 0, false, 116},
    {"a-umlaut", Qt::Key_Adiaeresis, kNone, 0, false, 0},
};

} // namespace

// A Qt test, so that the application owns the keyboard device the key events refer to.
class VirtualKeyTest : public QObject {
    Q_OBJECT

private slots:
    void codesOfKeysAndModifiers() {
        for (const KeyRow& row : kRows) {
            const QKeyEvent event(QEvent::KeyPress, row.key, Qt::KeyboardModifiers(row.modifiers),
                                  row.scanCode, 0, 0);
            const int got = virtualKeyCode(event, row.byScanCode);
            QVERIFY2(got == row.expected, qPrintable(QString("%1: %2").arg(row.name).arg(got)));
        }
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
