// The splash, the About box and the Qt message boxes and file dialog.

#include "ui/About.h"
#include "ui/QtFileDialog.h"
#include "ui/QtMessageBoxes.h"
#include "ui/Splash.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include <functional>

using rungbox::engine::MsgAnswer;
namespace MsgStyle = rungbox::engine::MsgStyle;

namespace {

// Runs `inspect` on the message box once it is open, then presses `button` on it.
void answerNextBox(std::function<void(QMessageBox&)> inspect, QMessageBox::StandardButton button) {
    QTimer::singleShot(0, [inspect = std::move(inspect), button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            QFAIL("no message box open");
            return;
        }
        inspect(*box);
        if (QAbstractButton* b = box->button(button)) {
            b->click();
        } else {
            box->reject();
        }
    });
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void splashOpensTheMainWindowOnceAfterTwoSeconds();
    void aboutShowsTheProductAndItsRanges();
    void messageBoxShowsTheStylesIconButtonsAndTitle_data();
    void messageBoxShowsTheStylesIconButtonsAndTitle();
    void messageBoxClosedWithoutAButton();
    void fileDialogFilter();
};

void DialogsTest::splashOpensTheMainWindowOnceAfterTwoSeconds() {
    QWidget main;
    int created = 0;
    QElapsedTimer clock;
    qint64 shownAfter = -1;
    auto* splash = new rungbox::ui::Splash([&]() -> QWidget* {
        ++created;
        shownAfter = clock.elapsed();
        return &main;
    });
    splash->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<rungbox::ui::Splash> watch(splash);
    clock.start();
    splash->show();
    QCOMPARE(splash->windowTitle(), QString("Rungbox"));
    QCOMPARE(splash->size(), QSize(498, 298));
    QVERIFY(!main.isVisible());

    QTRY_VERIFY_WITH_TIMEOUT(main.isVisible(), 4000);
    QVERIFY(shownAfter >= 1900);
    QTRY_VERIFY(watch.isNull() || !watch->isVisible());
    QTest::qWait(100);
    QCOMPARE(created, 1);
}

void DialogsTest::aboutShowsTheProductAndItsRanges() {
    rungbox::ui::About about;
    QCOMPARE(about.windowTitle(), QString("Form1"));
    QCOMPARE(about.size(), QSize(404, 366));
    QCOMPARE(about.palette().color(QPalette::Window), QColor(255, 0, 0));
    QStringList texts;
    for (QLabel* label : about.findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) {
            texts << label->text();
        }
    }
    const QStringList expected = {
        "Rungbox 1.0",
        "Rungbox 1.0",
        "PLC Model Supported: OMRON PLC",
        "Ladder Code: LD, NOT, AND, OR, BLK, TMR, CNT, DIFU, SFT",
        "Input Range: 00 to 15",
        "Output Range: 1000 to 1015",
        "Timer Range: 00 to 07 (0.1s to 60 minutes)",
        "Counter Range: 00 to 07 (0 to 9999)",
        "Internal Relay: 0000 to 20000",
    };
    QCOMPARE(texts, expected);
    // Every line fits its place: nothing is cut off at the frame.
    for (QLabel* label : about.findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) {
            QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->text()));
        }
    }

    about.show();
    auto* ok = about.findChild<QPushButton*>("cmdOK");
    QVERIFY(ok != nullptr);
    QCOMPARE(ok->text(), QString("OK"));
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!about.isVisible());
    QCOMPARE(about.result(), int(QDialog::Accepted));
}

void DialogsTest::messageBoxShowsTheStylesIconButtonsAndTitle_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("press");
    QTest::addColumn<int>("answer");

    QTest::newRow("ok only") << MsgStyle::OkOnly << int(QMessageBox::NoIcon) << int(QMessageBox::Ok)
                             << int(QMessageBox::Ok) << int(MsgAnswer::Ok);
    QTest::newRow("critical") << MsgStyle::Critical << int(QMessageBox::Critical)
                              << int(QMessageBox::Ok) << int(QMessageBox::Ok) << int(MsgAnswer::Ok);
    QTest::newRow("exclamation") << MsgStyle::Exclamation << int(QMessageBox::Warning)
                                 << int(QMessageBox::Ok) << int(QMessageBox::Ok)
                                 << int(MsgAnswer::Ok);
    QTest::newRow("question yes/no, No")
        << (MsgStyle::Question | MsgStyle::YesNo) << int(QMessageBox::Question)
        << int(QMessageBox::Yes | QMessageBox::No) << int(QMessageBox::No) << int(MsgAnswer::No);
    QTest::newRow("question yes/no/cancel, Cancel")
        << (MsgStyle::Question | MsgStyle::YesNoCancel) << int(QMessageBox::Question)
        << int(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel) << int(QMessageBox::Cancel)
        << int(MsgAnswer::Cancel);
    QTest::newRow("question yes/no/cancel, Yes")
        << (MsgStyle::Question | MsgStyle::YesNoCancel) << int(QMessageBox::Question)
        << int(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel) << int(QMessageBox::Yes)
        << int(MsgAnswer::Yes);
}

void DialogsTest::messageBoxShowsTheStylesIconButtonsAndTitle() {
    QFETCH(int, style);
    QFETCH(int, icon);
    QFETCH(int, buttons);
    QFETCH(int, press);
    QFETCH(int, answer);

    rungbox::ui::QtMessageBoxes boxes;
    QString title;
    QString text;
    int shownIcon = -1;
    int shownButtons = -1;
    QAbstractButton* defaultButton = nullptr;
    QAbstractButton* yesButton = nullptr;
    QAbstractButton* okButton = nullptr;
    answerNextBox(
        [&](QMessageBox& box) {
            title = box.windowTitle();
            text = box.text();
            shownIcon = box.icon();
            shownButtons = int(box.standardButtons());
            defaultButton = box.defaultButton();
            yesButton = box.button(QMessageBox::Yes);
            okButton = box.button(QMessageBox::Ok);
        },
        QMessageBox::StandardButton(press));
    const MsgAnswer got =
        boxes.MsgBox("The ladder code has changed.\r\nDo you want to save?", style, "rungbox");

    QCOMPARE(int(got), answer);
    QCOMPARE(title, QString("rungbox"));
    QCOMPARE(text, QString("The ladder code has changed.\nDo you want to save?"));
    QCOMPARE(shownIcon, icon);
    QCOMPARE(shownButtons, buttons);
    QCOMPARE(defaultButton, yesButton != nullptr ? yesButton : okButton);
}

void DialogsTest::messageBoxClosedWithoutAButton() {
    rungbox::ui::QtMessageBoxes boxes;
    QTimer::singleShot(0, [] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            QTest::keyClick(box, Qt::Key_Escape);
        }
    });
    QCOMPARE(boxes.MsgBox("?", MsgStyle::Question | MsgStyle::YesNo, "rungbox"), MsgAnswer::No);
    QTimer::singleShot(0, [] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            QTest::keyClick(box, Qt::Key_Escape);
        }
    });
    QCOMPARE(boxes.MsgBox("?", MsgStyle::Question | MsgStyle::YesNoCancel, "rungbox"),
             MsgAnswer::Cancel);
}

void DialogsTest::fileDialogFilter() {
    QCOMPARE(rungbox::ui::QtFileDialog::qtFilter("PLC file (*.PLC)|*.PLC"),
             QString("PLC file (*.PLC)"));
    QCOMPARE(rungbox::ui::QtFileDialog::qtFilter("All (*)"), QString("All (*)"));
}

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
