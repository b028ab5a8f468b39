// SPDX-License-Identifier: GPL-3.0-or-later
// The splash, the About box and the Qt message boxes. Nothing here waits on the clock: the
// splash's timer is fired by hand and every box is answered as soon as it opens.

#include "engine/AddressMap.h"
#include "panel/RunControl.h"
#include "ui/app/About.h"
#include "ui/app/Splash.h"
#include "ui/ports/QtMessageBoxes.h"
#include "ui/ports/SettingsRecentFileStore.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using rungbox::platform::BoxAnswer;
using rungbox::platform::BoxStyle;

Q_DECLARE_METATYPE(BoxAnswer)
Q_DECLARE_METATYPE(BoxStyle)

namespace {
// How a test answers a box: a standard button's number, or one of these.
constexpr int kEscape = -1;
constexpr int kCloseButton = -2;
} // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void splashOpensTheMainWindowOnceWhenItsTimeIsUp() {
        QWidget main;
        int created = 0;
        auto* splash = new rungbox::ui::Splash([&]() -> QWidget* {
            ++created;
            return &main;
        });
        splash->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<rungbox::ui::Splash> watch(splash);
        splash->show();
        QCOMPARE(splash->windowTitle(), QString("Rungbox"));
        auto* timer = splash->findChild<QTimer*>();
        QVERIFY(timer && timer->isActive() && timer->isSingleShot());
        QCOMPARE(timer->interval(), rungbox::ui::Splash::kShowMs);
        QCoreApplication::processEvents();
        QVERIFY2(!main.isVisible() && created == 0, "nothing opens before the time is up");
        QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
        QVERIFY(main.isVisible() && created == 1);
        QVERIFY(watch.isNull() || !watch->isVisible());
        if (!watch.isNull()) {
            splash->openMainWindow(); // a late second tick opens nothing more
        }
        QCOMPARE(created, 1);
    }

    // The ranges the box states are the controller's: its addresses and the preparation's limits
    // for set values (a timer's in ticks of the tick timer).
    void aboutStatesTheControllersRanges() {
        using namespace rungbox::engine;
        rungbox::ui::About about;
        QStringList texts;
        for (QLabel* label : about.findChildren<QLabel*>()) {
            if (!label->text().isEmpty()) {
                texts << label->text();
                // Every line fits its place: nothing is cut off at the frame.
                QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->text()));
            }
        }
        const auto last = [](int count) { return QString::asprintf("%02d", count - 1); };
        const int timerSeconds = kMaxTimerSetValue * rungbox::panel::kTickIntervalMs / 1000;
        const QStringList ranges = {
            "Input Range: 00 to " + last(kInputCount),
            QString("Output Range: %1 to %2")
                .arg(kFirstOutputRelay)
                .arg(kFirstOutputRelay + kOutputCount - 1),
            QString("Timer Range: 00 to %1 (0.1s to %2 seconds)")
                .arg(last(kTimerCount))
                .arg(timerSeconds),
            QString("Counter Range: 00 to %1 (0 to %2)")
                .arg(last(kCounterCount))
                .arg(kMaxCounterSetValue),
        };
        for (const QString& range : ranges) {
            QVERIFY2(texts.contains(range), qPrintable(range + " in " + texts.join(" | ")));
        }
    }

    void messageBoxStylesAndAnswers_data() {
        using Box = QMessageBox;
        QTest::addColumn<BoxStyle>("style");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("press");
        QTest::addColumn<BoxAnswer>("answer");
        const BoxStyle yesNo = BoxStyle::YesNo;
        const BoxStyle yesNoCancel = BoxStyle::YesNoCancel;
        const int threeButtons = Box::Yes | Box::No | Box::Cancel;
        QTest::newRow("OK") << BoxStyle::Ok << int(Box::NoIcon) << int(Box::Ok) << int(Box::Ok)
                            << BoxAnswer::Ok;
        QTest::newRow("critical, Esc")
            << BoxStyle::Critical << int(Box::Critical) << int(Box::Ok) << kEscape << BoxAnswer::Ok;
        QTest::newRow("exclamation, closed") << BoxStyle::Exclamation << int(Box::Warning)
                                             << int(Box::Ok) << kCloseButton << BoxAnswer::Ok;
        QTest::newRow("Yes/No, Yes") << yesNo << int(Box::Question) << int(Box::Yes | Box::No)
                                     << int(Box::Yes) << BoxAnswer::Yes;
        QTest::newRow("Yes/No, No") << yesNo << int(Box::Question) << int(Box::Yes | Box::No)
                                    << int(Box::No) << BoxAnswer::No;
        // Closing the closing question is no answer: the window stays, the program too.
        QTest::newRow("Yes/No, Esc") << yesNo << int(Box::Question) << int(Box::Yes | Box::No)
                                     << kEscape << BoxAnswer::Dismissed;
        QTest::newRow("Yes/No, closed") << yesNo << int(Box::Question) << int(Box::Yes | Box::No)
                                        << kCloseButton << BoxAnswer::Dismissed;
        QTest::newRow("Yes/No/Cancel, Cancel") << yesNoCancel << int(Box::Question) << threeButtons
                                               << int(Box::Cancel) << BoxAnswer::Cancel;
        QTest::newRow("Yes/No/Cancel, Esc")
            << yesNoCancel << int(Box::Question) << threeButtons << kEscape << BoxAnswer::Cancel;
    }

    // Each style's icon and buttons, Yes or else OK as the default, the "\r\n" of our texts shown
    // as a line break, and the answer of a button, of Esc and of the box's close button.
    void messageBoxStylesAndAnswers() {
        using Box = QMessageBox;
        QFETCH(BoxStyle, style);
        QFETCH(int, icon);
        QFETCH(int, buttons);
        QFETCH(int, press);
        QFETCH(BoxAnswer, answer);
        // Once the box is open, note what it shows, then answer it.
        QString seen;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<Box*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                return;
            }
            QAbstractButton* yes = box->button(Box::Yes);
            seen = QString("%1|%2|icon %3|buttons %4|default Yes/OK %5")
                       .arg(box->windowTitle(), box->text())
                       .arg(box->icon())
                       .arg(int(box->standardButtons()))
                       .arg(box->defaultButton() == (yes ? yes : box->button(Box::Ok)));
            if (press == kEscape) {
                QTest::keyClick(box, Qt::Key_Escape);
            } else if (press == kCloseButton) {
                box->close();
            } else if (QAbstractButton* button = box->button(Box::StandardButton(press))) {
                button->click();
            }
            // A box still open here must not leave the test waiting.
            if (QApplication::activeModalWidget() == box) {
                box->done(-1);
            }
        });
        rungbox::ui::QtMessageBoxes boxes;
        const BoxAnswer got =
            boxes.show("The ladder code has changed.\r\nDo you want to save?", style, "rungbox");
        QCOMPARE(seen, QString("rungbox|The ladder code has changed.\nDo you want to "
                               "save?|icon %1|buttons %2|default Yes/OK 1")
                           .arg(icon)
                           .arg(buttons));
        QCOMPARE(got, answer);
    }

    // Settings that cannot be written (their folder's place taken by a file) are reported once,
    // and the list still works for the session.
    void recentFilesThatCannotBeKeptAreReportedOnce() {
        QTemporaryDir dir;
        QFile blocker(dir.filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocker.fileName());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("recent files cannot be kept"));
        QTest::failOnWarning(QRegularExpression("recent files"));
        rungbox::ui::SettingsRecentFileStore store;
        store.writeRecentFiles({"a.PLC"});
        store.writeRecentFiles({"b.PLC"});
        QVERIFY(store.readRecentFiles().empty());
    }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
