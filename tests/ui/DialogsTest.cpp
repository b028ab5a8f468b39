// The splash, the About box and the Qt message boxes and file dialog.

#include "ui/About.h"
#include "ui/QtFileDialog.h"
#include "ui/QtMessageBoxes.h"
#include "ui/Splash.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

using rungbox::engine::MsgAnswer;
namespace MsgStyle = rungbox::engine::MsgStyle;

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void splashOpensTheMainWindowOnceAfterTwoSeconds();
    void aboutShowsTheProductAndItsRanges();
    void messageBox_data();
    void messageBox();
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
    about.show();
    auto* ok = about.findChild<QPushButton*>("cmdOK");
    QVERIFY(ok != nullptr);
    QCOMPARE(ok->text(), QString("OK"));
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!about.isVisible());
    QCOMPARE(about.result(), int(QDialog::Accepted));
}

void DialogsTest::messageBox_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("press"); // 0: Escape, the box closed without a button
    QTest::addColumn<MsgAnswer>("answer");
    const auto row = [](const char* name, int style, int icon, int buttons, int press,
                        MsgAnswer answer) {
        QTest::newRow(name) << style << icon << buttons << press << answer;
    };
    using Box = QMessageBox;
    const int yesNo = Box::Yes | Box::No;
    const int question = MsgStyle::Question;
    row("ok only", MsgStyle::OkOnly, Box::NoIcon, Box::Ok, Box::Ok, MsgAnswer::Ok);
    row("critical", MsgStyle::Critical, Box::Critical, Box::Ok, Box::Ok, MsgAnswer::Ok);
    row("exclamation", MsgStyle::Exclamation, Box::Warning, Box::Ok, Box::Ok, MsgAnswer::Ok);
    row("yes/no, No", question | MsgStyle::YesNo, Box::Question, yesNo, Box::No, MsgAnswer::No);
    row("yes/no, Escape", question | MsgStyle::YesNo, Box::Question, yesNo, 0, MsgAnswer::No);
    const int yesNoCancel = question | MsgStyle::YesNoCancel;
    const int threeButtons = yesNo | Box::Cancel;
    row("y/n/c, Yes", yesNoCancel, Box::Question, threeButtons, Box::Yes, MsgAnswer::Yes);
    row("y/n/c, Cancel", yesNoCancel, Box::Question, threeButtons, Box::Cancel, MsgAnswer::Cancel);
    row("y/n/c, Escape", yesNoCancel, Box::Question, threeButtons, 0, MsgAnswer::Cancel);
}

void DialogsTest::messageBox() {
    QFETCH(int, style);
    QFETCH(int, icon);
    QFETCH(int, buttons);
    QFETCH(int, press);
    // Once the box is open, note what it shows, then answer it (a box without the button is
    // closed, so that the test never waits on it).
    QString seen;
    bool defaultIsYesOrOk = false;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen = QString("%1|%2|icon %3|buttons %4")
                       .arg(box->windowTitle(), box->text())
                       .arg(box->icon())
                       .arg(int(box->standardButtons()));
            QAbstractButton* yes = box->button(QMessageBox::Yes);
            defaultIsYesOrOk = box->defaultButton() == (yes ? yes : box->button(QMessageBox::Ok));
            QAbstractButton* button = box->button(QMessageBox::StandardButton(press));
            if (press == 0) {
                QTest::keyClick(box, Qt::Key_Escape);
            } else if (button != nullptr) {
                button->click();
            } else {
                box->reject();
            }
        }
    });
    rungbox::ui::QtMessageBoxes boxes;
    const MsgAnswer got =
        boxes.MsgBox("The ladder code has changed.\r\nDo you want to save?", style, "rungbox");
    QTEST(got, "answer");
    QCOMPARE(seen, QString("rungbox|The ladder code has changed.\nDo you want to save?|icon %1|"
                           "buttons %2")
                       .arg(icon)
                       .arg(buttons));
    QVERIFY(defaultIsYesOrOk);
}

void DialogsTest::fileDialogFilter() {
    QCOMPARE(rungbox::ui::QtFileDialog::qtFilter("PLC file (*.PLC)|*.PLC"),
             QString("PLC file (*.PLC)"));
    QCOMPARE(rungbox::ui::QtFileDialog::qtFilter("All (*)"), QString("All (*)"));
}

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
