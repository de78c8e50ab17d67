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

    // Builds the main window; boxes shown while it starts are recorded.
    explicit Run(const test::WorkFolder& folder)
        : form(std::make_unique<TForm1>(Folder(folder.path()), clock, random, recorder())) {}

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
        QVERIFY(boxes.isEmpty());
        QCOMPARE(form.windowTitle(),
                 QStringLiteral("-=ОРЛЕВАН=-   Разработчик: Лудвар.   [v2.476]"));
        QCOMPARE(form.centralWidget()->size(), QSize(587, 342));
        QCOMPARE(form.dialogue.RE2.count(), 4);
        QCOMPARE(form.ConfigFile.rowCount(), 33);
        QCOMPARE(form.pickers.ColorDialog2, QColor(255, 0, 0));
        QCOMPARE(form.pickers.FontDialog1.family(), QStringLiteral("MS Sans Serif"));
        QVERIFY(form.appMessageInstalled());
        QCOMPARE(form.SB1[2]->text(), QStringLiteral("Режим Cpu\\User"));
        QVERIFY(form.CpuUser1->isChecked() && !form.Cpu31->isChecked());
        QVERIFY(form.N13->isChecked() && form.N15->isChecked() && !form.N24->isChecked());
        QCOMPARE(form.N23->shortcut(), QKeySequence(Qt::Key_F5));
        QCOMPARE(form.N3->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        QVERIFY(!form.Speak->isEnabled() && !form.Cancel->isEnabled() && !form.EnRus->isEnabled());
        for (QWidget* other :
             {static_cast<QWidget*>(&program.form2), static_cast<QWidget*>(&program.form3),
              static_cast<QWidget*>(&program.form4)}) {
            QVERIFY(!other->isVisible());
        }
        const QList<QTimer*> on = {form.T1, form.T2,  form.T3,  form.T5, form.T7,
                                   form.T8, form.T10, form.T11, form.T12};
        const QList<QTimer*> off = {form.T4, form.T6, form.T9};
        for (QTimer* timer : on) {
            QVERIFY2(timer->isActive(), qPrintable(timer->objectName()));
        }
        for (QTimer* timer : off) {
            QVERIFY2(!timer->isActive(), qPrintable(timer->objectName()));
        }
        QCOMPARE(form.T2->interval(), 1000);
        QCOMPARE(form.T1->interval(), TForm1::kShortestTick);
    }

    void aFailingSettingsRowStopsTheRestAndTheHook() {
        test::WorkFolder folder;
        folder.setConfigRow(8, "DialogBackColor=$FF00");
        folder.setConfigRow(12, "SpeakButtonFontColor=red");
        folder.setConfigRow(15, "UserLineColor=255");
        Run run(folder);
        QCOMPARE(run.boxes, QStringList{QStringLiteral(
                                "'red' is not a valid integer value — Config.ini, row 12.")});
        QCOMPARE(run.form->RE1->palette().color(QPalette::Base), QColor(0, 0xFF, 0));
        QCOMPARE(run.form->pickers.ColorDialog2, QColor(Qt::black)); // row 15 is never reached
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
            QCOMPARE(run.form->RE1->palette().color(QPalette::Base), c.pane);
            QCOMPARE(run.form->Input->palette().color(QPalette::Base), c.input);
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
        QCOMPARE(run.form->ConfigFile.rowCount(), 0);
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
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.RE1->verticalScrollBar()->isVisible());
        QVERIFY(form.RE1->horizontalScrollBar()->isVisible());
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
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        for (QToolButton* button : {form.Speak, form.Cancel, form.EnRus}) {
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
        form.show();
        form.T1Timer();
        QVERIFY(!form.Speak->isEnabled() && !form.EnRus->isEnabled() && !form.Talk->isEnabled());
        QVERIFY(!form.Cancel->isEnabled() && !form.N3->isEnabled());

        form.Input->setText(QStringLiteral("п"));
        form.T1Timer();
        QVERIFY(form.Speak->isEnabled() && form.EnRus->isEnabled() && form.Talk->isEnabled());
        QVERIFY(!form.Cancel->isEnabled());

        form.RE1->appendLine(QStringLiteral("Строка."));
        form.T1Timer();
        QVERIFY(form.Cancel->isEnabled() && form.N3->isEnabled());
        form.RE1->clear();
        form.T1Timer();
        QVERIFY(!form.Cancel->isEnabled() && !form.N3->isEnabled());
    }

    // An idle window does not poll: its timers stay on but wait for a change
    // of what they look at, and each change is answered within a tick.
    void anIdleWindowWaitsForAChangeInsteadOfPolling() {
        test::WorkFolder folder;
        folder.setConfigRow(3, "Intro=No");
        Run run(folder);
        TForm1& form = *run.form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::qWait(500); // the start-up ticks
        QSignalSpy state(form.T1, &QTimer::timeout);
        QSignalSpy guard(form.T5, &QTimer::timeout);
        QSignalSpy intro(form.T7, &QTimer::timeout);
        QTest::qWait(500);
        // Polling at the shortest tick would have ticked thirty times each.
        QVERIFY2(state.count() + guard.count() + intro.count() < 3,
                 qPrintable(QStringLiteral("%1 %2 %3")
                                .arg(state.count())
                                .arg(guard.count())
                                .arg(intro.count())));
        QVERIFY(form.T1->isActive() && form.T7->isActive());

        form.Input->setText(QStringLiteral("да"));
        QTRY_VERIFY(form.Speak->isEnabled() && form.Talk->isEnabled());
        form.RE1->appendLine(QStringLiteral("Строка."));
        QTRY_VERIFY(form.Cancel->isEnabled());
        form.SB1[0]->setText(QStringLiteral("привет"));
        QTRY_VERIFY(form.N23->isEnabled());
        QTRY_VERIFY(!form.T5->isActive());
        form.Input->setText(QStringLiteral("да^"));
        QTRY_VERIFY(form.Input->text().isEmpty());
        QTRY_VERIFY(!form.Speak->isEnabled());
    }

    void f5IsOfferedOnlyWhileAWordIsShown() {
        test::WorkFolder folder;
        Run run(folder);
        TForm1& form = *run.form;
        const QList<QPair<QString, bool>> panel = {{QString(), false},
                                                   {QStringLiteral("[NONE]"), false},
                                                   {QStringLiteral("Загрузка окончена"), false},
                                                   {QStringLiteral("[none]"), true},
                                                   {QStringLiteral("привет"), true}};
        for (const auto& [text, offered] : panel) {
            form.SB1[0]->setText(text);
            form.T1Timer();
            QCOMPARE(form.N23->isEnabled(), offered);
        }
    }

    void anEmptyInputRestartsCompletionWhileItIsOn() {
        test::WorkFolder folder;
        Run run(folder);
        TForm1& form = *run.form;
        form.T11->stop();
        form.T1Timer();
        QVERIFY(!form.T11->isActive());
        form.N24->setChecked(true);
        form.Input->setText(QStringLiteral("x"));
        form.T11->stop();
        form.T1Timer();
        QVERIFY(!form.T11->isActive());
        form.Input->clear();
        form.T11->stop();
        form.T1Timer();
        QVERIFY(form.T11->isActive());
    }

    void enterSendsOnlyWhileTheInputHoldsText() {
        test::WorkFolder folder;
        Run run(folder);
        TForm1& form = *run.form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.T1Timer();
        QTest::keyClick(form.Input, Qt::Key_Return);
        QCOMPARE(form.RE1->lineCount(), 0);
        test::typeText(form.Input, QStringLiteral("да"));
        form.T1Timer();
        QTest::keyClick(form.Input, Qt::Key_Return);
        QCOMPARE(form.RE1->lineText(0), QStringLiteral("Да."));
    }

    void aSecondaryWindowTakesOverAndGivesBack() {
        test::WorkFolder folder;
        Run run(folder);
        TForm1& form = *run.form;
        QWidget about;
        form.show();
        openSecondary(&form, form.T1, &about);
        QVERIFY(!form.T1->isActive());
        QVERIFY(!form.isEnabled());
        QVERIFY(about.isVisible() && about.isEnabled());
        closeSecondary(&form, form.T1, &about);
        QVERIFY(form.T1->isActive());
        QVERIFY(form.isEnabled());
        QVERIFY(!about.isVisible());
    }

    void theKeyHookStepsThroughTheDictionaryWhileCompletionIsOn() {
        test::WorkFolder folder;
        Run run(folder);
        TForm1& form = *run.form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        // The start-up search, which would reset the index, is over: on a
        // busy machine it can come after the window is shown.
        QTRY_VERIFY(!form.T11->isActive());
        form.SpeedWord = {"\xEF\xF0\xE8\xE2\xE5\xF2", "\xEF\xEE\xEA\xE0",
                          "\xEF\xF0\xE8\xE2\xE0\xEB"};
        form.T11->stop(); // its start-up search would reset the index at any moment
        form.completion.CandidateIndex = 0;
        QTest::keyClick(form.windowHandle(), Qt::Key_Down);
        QCOMPARE(form.completion.CandidateIndex, 0); // completion is off: the hook does nothing

        form.N24->setChecked(true);
        // The search the hook starts would end in "[NONE]" on the empty line
        // and reset the index; here only the hook's steps are looked at.
        form.T11->setInterval(60'000);
        QTest::keyClick(form.windowHandle(), Qt::Key_Down);
        QCOMPARE(form.completion.CandidateIndex, 1);
        QCOMPARE(form.SB1[0]->text(), QStringLiteral("пока"));
        QVERIFY(form.T11->isActive());
        QTest::keyClick(form.windowHandle(), Qt::Key_Down);
        QTest::keyClick(form.windowHandle(), Qt::Key_Down);
        QCOMPARE(form.completion.CandidateIndex, 2); // the last entry is as far as Down goes
        QTest::keyClick(form.windowHandle(), Qt::Key_Up);
        QTest::keyClick(form.windowHandle(), Qt::Key_Up);
        QCOMPARE(form.completion.CandidateIndex, 0);
        QCOMPARE(form.SB1[0]->text(), QStringLiteral("привет"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
