#include "WorkFolder.h"
#include "app/DialogPane.h"
#include "app/PhraseEdit.h"
#include "app/Program.h"
#include "platform/format/Rtf.h"
#include "platform/system/Failure.h"
#include "widgets/SecondaryWindow.h"

#include <QAction>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <atomic>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace orlevan;

namespace {

struct Run {
    test::FixedClock clock;
    test::ScriptedRandom random;
    QStringList boxes;
    std::unique_ptr<TForm1> form;
    test::Parts ui;

    // Builds the main window; boxes shown while it starts are recorded.
    explicit Run(const test::WorkFolder& folder)
        : form(std::make_unique<TForm1>(Folder(folder.path()), clock, random, recorder())),
          ui(*form) {}

    ErrorBox::Presenter recorder() {
        return [this](const QString& caption, const QString& text) {
            QCOMPARE(caption, QStringLiteral("Orlevan"));
            boxes << text;
        };
    }
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setApplicationName(QStringLiteral("Orlevan")); }

    void startsWithTheDesignedWindowAndLoadsItsFilesInOrder() {
        test::WorkFolder folder;
        folder.setConfigRow(15, "UserLineColor=255");
        test::FixedClock clock;
        test::ScriptedRandom random;
        QStringList boxes;
        Program program(Folder(folder.path()), clock, random,
                        [&](const QString&, const QString& text) { boxes << text; });
        TForm1& form = program.form1;
        const test::Parts ui(form);
        QVERIFY(boxes.isEmpty());
        QCOMPARE(form.windowTitle(),
                 QStringLiteral("-=ОРЛЕВАН=-   Разработчик: Лудвар.   [v2.476]"));
        QCOMPARE(form.centralWidget()->size(), QSize(587, 342));
        QCOMPARE(form.dialogue().RE2.count(), 4);
        QCOMPARE(form.settings().rowCount(), 33);
        QCOMPARE(form.pickers().ColorDialog2, QColor(255, 0, 0));
        QCOMPARE(form.pickers().FontDialog1.family(), QStringLiteral("MS Sans Serif"));
        QVERIFY(form.appMessageInstalled());
        QCOMPARE(ui.SB1[2]->text(), QStringLiteral("Режим Cpu\\User"));
        QVERIFY(ui.CpuUser1->isChecked() && !ui.Cpu31->isChecked());
        QVERIFY(ui.N13->isChecked() && ui.N15->isChecked() && !ui.N24->isChecked());
        QCOMPARE(ui.N23->shortcut(), QKeySequence(Qt::Key_F5));
        QCOMPARE(ui.N3->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        QVERIFY(!ui.Speak->isEnabled() && !ui.Cancel->isEnabled() && !ui.EnRus->isEnabled());
        for (QWidget* other :
             {static_cast<QWidget*>(&program.form2), static_cast<QWidget*>(&program.form3),
              static_cast<QWidget*>(&program.form4)}) {
            QVERIFY(!other->isVisible());
        }
        const QList<QTimer*> on = {ui.T1, ui.T2,  ui.T3,  ui.T5, ui.T7,
                                   ui.T8, ui.T10, ui.T11, ui.T12};
        const QList<QTimer*> off = {ui.T4, ui.T6, ui.T9};
        for (QTimer* timer : on) {
            QVERIFY2(timer->isActive(), qPrintable(timer->objectName()));
        }
        for (QTimer* timer : off) {
            QVERIFY2(!timer->isActive(), qPrintable(timer->objectName()));
        }
        QCOMPARE(ui.T2->interval(), 1000);
        QCOMPARE(ui.T1->interval(), kShortestTick);
    }

    void aFailingSettingsRowStopsTheRestAndTheHook() {
        test::WorkFolder folder;
        folder.setConfigRow(8, "DialogBackColor=$FF00");
        folder.setConfigRow(12, "SpeakButtonFontColor=red");
        folder.setConfigRow(15, "UserLineColor=255");
        Run run(folder);
        QCOMPARE(run.boxes, QStringList{QStringLiteral(
                                "'red' is not a valid integer value — Config.ini, row 12.")});
        QCOMPARE(run.ui.RE1->palette().color(QPalette::Base), QColor(0, 0xFF, 0));
        QCOMPARE(run.form->pickers().ColorDialog2, QColor(Qt::black)); // row 15 is never reached
        QVERIFY(!run.form->appMessageInstalled());
    }

    // The rows after a failing one keep their designed colours: the pane and
    // the input line stay silver rather than showing the window's colour.
    void aFailingColourRowLeavesThePaneAndTheInputLineTheirOwnColours() {
        const QColor silver(192, 192, 192);
        struct Case {
            int failingRow;
            QColor pane;
            QColor input;
        };
        const QList<Case> cases = {{8, silver, silver}, {9, QColor(0, 0, 255), silver}};
        for (const Case& c : cases) {
            test::WorkFolder folder;
            folder.setConfigRow(7, "MainBackColor=0x0000FF");
            folder.setConfigRow(8, "DialogBackColor=16711680");
            folder.setConfigRow(c.failingRow, "Colour=abc");
            Run run(folder);
            QCOMPARE(run.boxes.size(), 1);
            QCOMPARE(run.form->palette().color(QPalette::Window), QColor(255, 0, 0));
            QCOMPARE(run.ui.RE1->palette().color(QPalette::Base), c.pane);
            QCOMPARE(run.ui.Input->palette().color(QPalette::Base), c.input);
        }
    }

    void aSettingsRowHoldingANulIsShownWhole() {
        test::WorkFolder folder;
        folder.setConfigRow(12, std::string("SpeakButtonFontColor=12") + '\0' + " 34");
        Run run(folder);
        QCOMPARE(run.boxes, QStringList{QStringLiteral(
                                "'12^@ 34' is not a valid integer value — Config.ini, row 12.")});
    }

    // The phrase base cut short: start-up reads it as far as it goes and
    // tells the user, after the handler that found it.
    void aCutPhraseBaseIsReportedAtStartUp() {
        test::WorkFolder folder;
        const std::string document =
            rtf::writeDocument(PhraseList::fromBytes(folder.read("Base/Words.dat")).lines());
        folder.write("Base/Words.dat", document.substr(0, document.size() / 2));
        Run run(folder);
        QCOMPARE(run.boxes.size(), 1);
        QVERIFY2(run.boxes[0].startsWith(
                     QStringLiteral("File Base\\Words.dat is cut short: only the lines before")),
                 qPrintable(run.boxes[0]));
    }

    void aMissingPhraseBaseIsReportedAndTheWindowStillComesUp() {
        test::WorkFolder folder;
        folder.remove("Base/Words.dat");
        Run run(folder);
        QCOMPARE(run.boxes, QStringList{QStringLiteral("Cannot open file Base\\Words.dat.")});
        QCOMPARE(run.form->settings().rowCount(), 0);
        QVERIFY(!run.form->appMessageInstalled());
    }

    // A sound that is missing, or that is a FIFO, which would hold start-up
    // until some other program wrote into it.
    void aSoundThatCannotBeOpenedStopsStartUp() {
        for (const bool fifo : {false, true}) {
            test::WorkFolder folder;
            folder.remove("Sound/Close.wav");
            const auto path = folder.path() / "Sound/Close.wav";
            QVERIFY(!fifo || ::mkfifo(path.c_str(), 0666) == 0);
            // Lets a reader that waits on the FIFO go on, so a fault fails the test instead of
            // hanging it.
            std::atomic<bool> built = false;
            std::thread releaser([&] {
                while (fifo && !built) {
                    const int writer = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
                    if (writer >= 0) {
                        ::close(writer);
                        return;
                    }
                    QThread::msleep(10);
                }
            });
            test::FixedClock clock;
            test::ScriptedRandom random;
            QString failure = QStringLiteral("no failure");
            try {
                TForm1 form(Folder(folder.path()), clock, random);
            } catch (const Failure& f) {
                failure = f.what();
            }
            built = true;
            releaser.join();
            QCOMPARE(failure, QStringLiteral("Cannot open file Sound\\Close.wav"));
        }
    }

    // The pane shows both its scroll bars, and every popup menu is drawn in
    // the font of the menu bar it drops from.
    void thePaneHasBothScrollBarsAndTheMenusTheBarsFont() {
        test::WorkFolder folder;
        Run run(folder);
        TForm1& form = *run.form;
        const test::Parts& ui = run.ui;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(ui.RE1->verticalScrollBar()->isVisible());
        QVERIFY(ui.RE1->horizontalScrollBar()->isVisible());
        const QFontInfo bar(form.menuBar()->font());
        const QList<QMenu*> menus = form.menuBar()->findChildren<QMenu*>();
        QVERIFY(menus.size() >= 8); // the eight of the design and any Qt adds
        for (const QMenu* menu : menus) {
            const QFontInfo drawn(menu->font());
            QCOMPARE(drawn.family(), bar.family());
            QCOMPARE(drawn.pointSize(), bar.pointSize());
        }
    }

    // A button the input line does not allow yet is drawn greyed, whatever
    // colour the settings give its caption.
    void aDisabledButtonIsDrawnGreyed() {
        test::WorkFolder folder;
        folder.setConfigRow(12, "SpeakButtonFontColor=255");
        Run run(folder);
        TForm1& form = *run.form;
        const test::Parts& ui = run.ui;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        for (QToolButton* button : {ui.Speak, ui.Cancel, ui.EnRus}) {
            button->setEnabled(true);
            const QImage enabled = button->grab().toImage();
            button->setEnabled(false);
            QVERIFY2(button->grab().toImage() != enabled, qPrintable(button->text()));
        }
    }

    void theStateTimerFollowsTheInputAndThePane() {
        test::WorkFolder folder;
        Run run(folder);
        TForm1& form = *run.form;
        const test::Parts& ui = run.ui;
        form.show();
        test::tick(ui.T1);
        QVERIFY(!ui.Speak->isEnabled() && !ui.EnRus->isEnabled() && !ui.Talk->isEnabled());
        QVERIFY(!ui.Cancel->isEnabled() && !ui.N3->isEnabled());

        ui.Input->setText(QStringLiteral("п"));
        test::tick(ui.T1);
        QVERIFY(ui.Speak->isEnabled() && ui.EnRus->isEnabled() && ui.Talk->isEnabled());
        QVERIFY(!ui.Cancel->isEnabled());

        ui.RE1->appendLine(QStringLiteral("Строка."));
        test::tick(ui.T1);
        QVERIFY(ui.Cancel->isEnabled() && ui.N3->isEnabled());
        ui.RE1->clear();
        test::tick(ui.T1);
        QVERIFY(!ui.Cancel->isEnabled() && !ui.N3->isEnabled());
    }

    // An idle window does not poll: its timers stay on but wait for a change
    // of what they look at, and each change is answered within a tick.
    void anIdleWindowWaitsForAChangeInsteadOfPolling() {
        test::WorkFolder folder;
        folder.setConfigRow(3, "Intro=No");
        Run run(folder);
        TForm1& form = *run.form;
        const test::Parts& ui = run.ui;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::qWait(500); // the start-up ticks
        QSignalSpy state(ui.T1, &QTimer::timeout);
        QSignalSpy guard(ui.T5, &QTimer::timeout);
        QSignalSpy intro(ui.T7, &QTimer::timeout);
        QTest::qWait(500);
        // Polling at the shortest tick would have ticked thirty times each.
        QVERIFY2(state.count() + guard.count() + intro.count() < 3,
                 qPrintable(QStringLiteral("%1 %2 %3")
                                .arg(state.count())
                                .arg(guard.count())
                                .arg(intro.count())));
        QVERIFY(ui.T1->isActive() && ui.T7->isActive());

        ui.Input->setText(QStringLiteral("да"));
        QTRY_VERIFY(ui.Speak->isEnabled() && ui.Talk->isEnabled());
        ui.RE1->appendLine(QStringLiteral("Строка."));
        QTRY_VERIFY(ui.Cancel->isEnabled());
        ui.SB1[0]->setText(QStringLiteral("привет"));
        QTRY_VERIFY(ui.N23->isEnabled());
        QTRY_VERIFY(!ui.T5->isActive());
        ui.Input->setText(QStringLiteral("да^"));
        QTRY_VERIFY(ui.Input->text().isEmpty());
        QTRY_VERIFY(!ui.Speak->isEnabled());
    }

    void f5IsOfferedOnlyWhileAWordIsShown() {
        test::WorkFolder folder;
        Run run(folder);
        const test::Parts& ui = run.ui;
        const QList<QPair<QString, bool>> panel = {{QString(), false},
                                                   {QStringLiteral("[NONE]"), false},
                                                   {QStringLiteral("Загрузка окончена"), false},
                                                   {QStringLiteral("[none]"), true},
                                                   {QStringLiteral("привет"), true}};
        for (const auto& [text, offered] : panel) {
            ui.SB1[0]->setText(text);
            test::tick(ui.T1);
            QCOMPARE(ui.N23->isEnabled(), offered);
        }
    }

    void anEmptyInputRestartsCompletionWhileItIsOn() {
        test::WorkFolder folder;
        Run run(folder);
        const test::Parts& ui = run.ui;
        ui.T11->stop();
        test::tick(ui.T1);
        QVERIFY(!ui.T11->isActive());
        ui.N24->setChecked(true);
        ui.Input->setText(QStringLiteral("x"));
        ui.T11->stop();
        test::tick(ui.T1);
        QVERIFY(!ui.T11->isActive());
        ui.Input->clear();
        ui.T11->stop();
        test::tick(ui.T1);
        QVERIFY(ui.T11->isActive());
    }

    void enterSendsOnlyWhileTheInputHoldsText() {
        test::WorkFolder folder;
        Run run(folder);
        TForm1& form = *run.form;
        const test::Parts& ui = run.ui;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        test::tick(ui.T1);
        QTest::keyClick(ui.Input, Qt::Key_Return);
        QCOMPARE(ui.RE1->lineCount(), 0);
        test::typeText(ui.Input, QStringLiteral("да"));
        test::tick(ui.T1);
        QTest::keyClick(ui.Input, Qt::Key_Return);
        QCOMPARE(ui.RE1->lineText(0), QStringLiteral("Да."));
    }

    void aSecondaryWindowTakesOverAndGivesBack() {
        test::WorkFolder folder;
        Run run(folder);
        TForm1& form = *run.form;
        const test::Parts& ui = run.ui;
        QWidget about;
        form.show();
        openSecondary(&form, ui.T1, &about);
        QVERIFY(!ui.T1->isActive());
        QVERIFY(!form.isEnabled());
        QVERIFY(about.isVisible() && about.isEnabled());
        closeSecondary(&form, ui.T1, &about);
        QVERIFY(ui.T1->isActive());
        QVERIFY(form.isEnabled());
        QVERIFY(!about.isVisible());
    }

    void theKeyHookStepsThroughTheDictionaryWhileCompletionIsOn() {
        test::WorkFolder folder;
        Run run(folder);
        TForm1& form = *run.form;
        const test::Parts& ui = run.ui;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        // The start-up search, which would reset the index, is over: on a
        // busy machine it can come after the window is shown.
        QTRY_VERIFY(!ui.T11->isActive());
        // The dictionary read by switching completion on and off again.
        folder.write("Base/dictionary.dat", test::w("привет\r\nпока\r\nпривал\r\n"));
        ui.N24->trigger();
        ui.N24->trigger();
        QCOMPARE(form.dictionary().size(), 3u);
        ui.T11->stop(); // its start-up search would reset the index at any moment
        const int before = form.completion().CandidateIndex;
        const QString shown = ui.SB1[0]->text();
        QTest::keyClick(form.windowHandle(), Qt::Key_Down);
        // Completion is off: the hook does nothing.
        QCOMPARE(form.completion().CandidateIndex, before);
        QCOMPARE(ui.SB1[0]->text(), shown);

        ui.N24->trigger();
        QVERIFY(ui.N24->isChecked());
        // The search the hook starts would end in "[NONE]" on the empty line
        // and reset the index; here only the hook's steps are looked at.
        ui.T11->setInterval(60'000);
        QTest::keyClick(form.windowHandle(), Qt::Key_Up); // as far back as Up goes
        QCOMPARE(form.completion().CandidateIndex, 0);
        QTest::keyClick(form.windowHandle(), Qt::Key_Down);
        QCOMPARE(form.completion().CandidateIndex, 1);
        QCOMPARE(ui.SB1[0]->text(), QStringLiteral("пока"));
        QVERIFY(ui.T11->isActive());
        QTest::keyClick(form.windowHandle(), Qt::Key_Down);
        QTest::keyClick(form.windowHandle(), Qt::Key_Down);
        QCOMPARE(form.completion().CandidateIndex, 2); // the last entry is as far as Down goes
        QTest::keyClick(form.windowHandle(), Qt::Key_Up);
        QTest::keyClick(form.windowHandle(), Qt::Key_Up);
        QCOMPARE(form.completion().CandidateIndex, 0);
        QCOMPARE(ui.SB1[0]->text(), QStringLiteral("привет"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
