// The splash, the About box and the Qt message boxes and file dialog.

#include "ui/About.h"
#include "ui/QtFileDialog.h"
#include "ui/QtMessageBoxes.h"
#include "ui/Splash.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include <tuple>

using rungbox::platform::BoxAnswer;
namespace BoxStyle = rungbox::platform::BoxStyle;

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void splashOpensTheMainWindowOnceAfterTwoSeconds() {
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
        // A slow machine can only show the main window later, never earlier.
        QTest::qWait(1500);
        QVERIFY(!main.isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(main.isVisible(), 4000);
        QTRY_VERIFY(watch.isNull() || !watch->isVisible());
        QTest::qWait(100);
        QCOMPARE(created, 1);
    }

    void aboutShowsTheProductAndItsRanges() {
        rungbox::ui::About about;
        QCOMPARE(about.windowTitle(), QString("Form1"));
        QStringList texts;
        for (QLabel* label : about.findChildren<QLabel*>()) {
            if (!label->text().isEmpty()) {
                texts << label->text();
                // Every line fits its place: nothing is cut off at the frame.
                QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->text()));
            }
        }
        QCOMPARE(texts, QStringList({
                            "Rungbox 1.0",
                            "Rungbox 1.0",
                            "PLC Model Supported: OMRON PLC",
                            "Ladder Code: LD, NOT, AND, OR, BLK, TMR, CNT, DIFU, SFT",
                            "Input Range: 00 to 15",
                            "Output Range: 1000 to 1015",
                            "Timer Range: 00 to 07 (0.1s to 60 minutes)",
                            "Counter Range: 00 to 07 (0 to 9999)",
                            "Internal Relay: 0000 to 20000",
                        }));
    }

    // Each style's icon and buttons, Yes or else OK as the default, the "\r\n" of our texts shown
    // as a line break, and the answer of each button and of Escape.
    void messageBoxStylesAndAnswers() {
        using Box = QMessageBox;
        const int yesNo = BoxStyle::Question | BoxStyle::YesNo;
        const int yesNoCancel = BoxStyle::Question | BoxStyle::YesNoCancel;
        const int threeButtons = Box::Yes | Box::No | Box::Cancel;
        const int escape = 0;
        const std::tuple<int, int, int, int, BoxAnswer> rows[] = {
            // style, icon, buttons, button pressed, answer
            {BoxStyle::OkOnly, Box::NoIcon, Box::Ok, Box::Ok, BoxAnswer::Ok},
            {BoxStyle::Critical, Box::Critical, Box::Ok, Box::Ok, BoxAnswer::Ok},
            {BoxStyle::Exclamation, Box::Warning, Box::Ok, Box::Ok, BoxAnswer::Ok},
            {yesNo, Box::Question, Box::Yes | Box::No, Box::No, BoxAnswer::No},
            {yesNo, Box::Question, Box::Yes | Box::No, escape, BoxAnswer::No},
            {yesNoCancel, Box::Question, threeButtons, Box::Yes, BoxAnswer::Yes},
            {yesNoCancel, Box::Question, threeButtons, Box::Cancel, BoxAnswer::Cancel},
            {yesNoCancel, Box::Question, threeButtons, escape, BoxAnswer::Cancel},
        };
        for (const auto& [style, icon, buttons, press, answer] : rows) {
            // Once the box is open, note what it shows, then answer it.
            QString seen;
            QTimer::singleShot(0, [&, press = press] {
                if (auto* box = qobject_cast<Box*>(QApplication::activeModalWidget())) {
                    QAbstractButton* yes = box->button(Box::Yes);
                    seen = QString("%1|%2|icon %3|buttons %4|default Yes/OK %5")
                               .arg(box->windowTitle(), box->text())
                               .arg(box->icon())
                               .arg(int(box->standardButtons()))
                               .arg(box->defaultButton() == (yes ? yes : box->button(Box::Ok)));
                    if (press == escape) {
                        QTest::keyClick(box, Qt::Key_Escape);
                    } else if (QAbstractButton* button = box->button(Box::StandardButton(press))) {
                        button->click();
                    } else {
                        box->reject(); // a missing button must not leave the test waiting
                    }
                }
            });
            rungbox::ui::QtMessageBoxes boxes;
            const BoxAnswer got = boxes.show("The ladder code has changed.\r\nDo you want to save?",
                                             style, "rungbox");
            const QString row = QString("style %1, press %2: ").arg(style).arg(press);
            QCOMPARE(row + seen,
                     row + QString("rungbox|The ladder code has changed.\nDo you want to "
                                   "save?|icon %1|buttons %2|default Yes/OK 1")
                               .arg(icon)
                               .arg(buttons));
            QVERIFY2(got == answer, qPrintable(row));
        }
    }

    void fileDialogFilter() {
        QCOMPARE(rungbox::ui::QtFileDialog::qtFilter("PLC file (*.PLC)|*.PLC"),
                 QString("PLC file (*.PLC)"));
        QCOMPARE(rungbox::ui::QtFileDialog::qtFilter("All (*)"), QString("All (*)"));
    }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
