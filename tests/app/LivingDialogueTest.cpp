#include "WorkFolder.h"
#include "app/DialogPane.h"
#include "app/PhraseEdit.h"
#include "app/TForm1.h"
#include "windows/TForm2.h"

#include <QAction>
#include <QLabel>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace orlevan;
using test::w;
using Lines = std::vector<std::string>;

// The dialogue between the turns: the record and its log file, the program's
// own remarks, the statistics, the window effects and the menu's check marks.
class LivingDialogueTest : public QObject, test::WindowSession {
    Q_OBJECT

    static Lines logFile(const test::WorkFolder& folder) {
        PhraseList log;
        log.load(Folder(folder.path()), "Base\\Log.Ludvar");
        return log.lines();
    }

    static Lines exitBlock() {
        return {"", w("Конец диалога:           Дата - 08.12.2026   |   Время - 14:05:09"),
                std::string(53, '=')};
    }

private slots:
    void init() {
        boxes.clear();
        random = test::ScriptedRandom();
    }

    void theExitAppendsTheRecordAndTheCloseBoxDoesNot() {
        test::WorkFolder folder;
        TForm1& form = start(folder);
        random.draws = {1, 0, 1};
        say(form, QStringLiteral("как дела?"));
        Lines expected = {"",
                          "",
                          std::string(80, '-'),
                          w("Начало диалога:           Дата - 08.12.2026   |   Время - 14:05:09"),
                          "",
                          w("[14:05:09] USER:     Как дела?"),
                          w("[14:05:09] CPU:     Хорошо.")};
        form.close();
        QCOMPARE(logFile(folder), Lines{});

        form.show();
        form.N4->trigger();
        const Lines block = exitBlock();
        expected.insert(expected.end(), block.begin(), block.end());
        QCOMPARE(logFile(folder), expected);
        QVERIFY(!form.isVisible());
        QVERIFY(boxes.isEmpty());

        // After a new dialogue only what was said since reaches the file.
        form.show();
        form.N2->trigger();
        QVERIFY(form.T7->isActive() && form.T10->isActive());
        QCOMPARE(form.dialogue.Log.count(), 0);
        form.N4->trigger();
        expected.push_back("");
        expected.insert(expected.end(), block.begin(), block.end());
        QCOMPARE(logFile(folder), expected);
    }

    void ctrlZTakesBackOneLineOfThePaneAndOfTheRecord() {
        test::WorkFolder folder;
        TForm1& form = start(folder);
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        random.draws = {1, 0, 1};
        say(form, QStringLiteral("как дела?"));
        form.T1Timer();
        form.T7->stop();

        QTest::keyClick(form.Input, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(form.RE1->lineCount(), 1);
        QCOMPARE(form.RE1->lineText(0), QStringLiteral("Как дела?"));
        QCOMPARE(form.dialogue.Log.count(), 5);
        QVERIFY(form.T7->isActive());

        // With the pane empty the keys are the input line's own undo again.
        form.RE1->clear();
        form.T1Timer();
        test::typeText(form.Input, QStringLiteral("да"));
        QTest::keyClick(form.Input, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(form.dialogue.Log.count(), 5);
        QVERIFY(form.Input->text() != QStringLiteral("да"));
    }

    void onlyTheHandlersSetTheCheckMarks() {
        test::WorkFolder folder;
        folder.write("Base/dictionary.dat", w("привет\r\nпока\r\n"));
        TForm1& form = start(folder);
        struct Step {
            QAction* TForm1::*item;
            QList<bool> marks; // N13, N15, N24, N40, CpuUser1, Cpu31 afterwards
        };
        const QList<Step> steps = {
            {&TForm1::N15, {true, false, false, false, true, false}},
            {&TForm1::N15, {true, true, false, false, true, false}},
            {&TForm1::N24, {true, true, true, false, true, false}},
            {&TForm1::CpuUser1, {true, true, true, false, true, false}},
            {&TForm1::Cpu31, {true, true, true, false, false, true}},
            {&TForm1::Cpu31, {true, true, true, false, false, true}},
            {&TForm1::CpuUser1, {true, true, true, false, true, false}},
            // The defaults put 1000 into the dialog's number field, which was 1:
            // a change there takes the mark off; a second time, nothing changes.
            {&TForm1::N13, {false, true, true, false, true, false}},
            {&TForm1::N13, {true, true, true, false, true, false}},
            {&TForm1::N40, {true, true, true, true, true, false}},
            {&TForm1::N40, {true, true, true, false, true, false}},
            {&TForm1::N24, {true, true, false, false, true, false}},
        };
        for (const Step& step : steps) {
            (form.*step.item)->trigger();
            const QList<bool> marks = {form.N13->isChecked(),      form.N15->isChecked(),
                                       form.N24->isChecked(),      form.N40->isChecked(),
                                       form.CpuUser1->isChecked(), form.Cpu31->isChecked()};
            QCOMPARE(marks, step.marks);
        }
        QCOMPARE(form.ConfigFile.value(33), std::string("Yes"));
        QCOMPARE(form.SB1[0]->text(), QStringLiteral("Загрузка окончена"));
        QCOMPARE(form.SpeedWord.size(), 2u);
        QCOMPARE(form.RE1->lineText(form.RE1->lineCount() - 2),
                 QStringLiteral("Сервис:   // Режим диалога Cpu\\User."));
        QVERIFY(boxes.isEmpty());
    }

    void theProgramSpeaksOnItsOwn() {
        test::WorkFolder folder;
        folder.write("Base/Pause.Dat", w("Ты здесь?\r\n"));
        folder.write("Base/Begin.dat", w("Привет!\r\n"));
        TForm1& form = start(folder);

        form.dialogue.state.IdleTicks = 89;
        form.T2Timer();
        QCOMPARE(form.RE1->lineText(0), QStringLiteral("Ты здесь?"));

        random.draws = {0};
        form.T10Timer();
        QVERIFY(!form.T10->isActive());
        QCOMPARE(form.RE1->lineText(1), QStringLiteral("Привет!"));

        // The follow-up remark is a line of AI.dat even when another handler
        // loaded the work buffer meanwhile: an exit that failed on a missing
        // log file left the phrase base in it.
        folder.write("Base/AI.dat", w("Заголовок\r\nКстати, о погоде.\r\n"));
        folder.remove("Base/Log.Ludvar");
        random.draws = {1, 0, 0};
        say(form, QStringLiteral("как дела?"));
        QVERIFY(form.T9->isActive());
        form.N4->trigger();
        QCOMPARE(boxes, QStringList{QStringLiteral("Cannot open file Base\\Log.Ludvar.")});
        form.T9Timer();
        QCOMPARE(form.RE1->lineCount(), 4);
        form.T9Timer();
        QCOMPARE(form.RE1->lineText(4), QStringLiteral("Кстати, о погоде."));
        QVERIFY(!form.T9->isActive());
        QCOMPARE(form.MP5.timesPlayed(), 4);
        QCOMPARE(form.dialogue.Log.line(form.dialogue.Log.count() - 1),
                 w("[14:05:09] CPU:     Кстати, о погоде."));
    }

    void aFileMissingAtATimersTickIsReportedOnce() {
        test::WorkFolder folder;
        TForm1& form = start(folder);
        folder.remove("Base/Pause.Dat");
        folder.remove("Base/Words.dat");
        form.dialogue.state.IdleTicks = 100;
        form.T2->setInterval(1);
        form.T3->start();
        QTRY_COMPARE_WITH_TIMEOUT(boxes.size(), 2, 5000);
        QTest::qWait(100); // many more ticks, no more boxes
        boxes.sort();
        QCOMPARE(boxes, (QStringList{QStringLiteral("Cannot open file Base\\Pause.Dat."),
                                     QStringLiteral("Cannot open file Base\\Words.Dat.")}));
        QVERIFY(form.T2->isActive());
        QVERIFY(!form.T3->isActive());
        QVERIFY(!form.Input->isReadOnly());
        QCOMPARE(form.SB1[0]->text(), QStringLiteral("Загрузка окончена"));
    }

    void theStatisticsShowTheSizeOfTheKnowledgeBase() {
        test::WorkFolder folder;
        folder.write("Base/Words.dat", w("Заголовок\r\nПРИВЕТ.^Привет!;Здравствуй!;\r\n"
                                         "_ХОРОШО^Рад за тебя.;\r\nПОКА.^\r\n"));
        for (const char* file :
             {"BigString.Dat", "Pause.Dat", "Povtor.Dat", "W1.Dat", "W2.Dat", "X.Dat"}) {
            folder.write(std::string("Base/") + file, std::string(10, '\n'));
        }
        TForm1& form = start(folder);
        form.T3Timer();
        form.T8Timer();
        QCOMPARE(form.SB1[1]->text(),
                 QStringLiteral("Программе известно:   [главные фразы - 2   ветки - 1]"));
        QCOMPARE(form.SB1[0]->text(), QStringLiteral("Загрузка окончена"));
        QCOMPARE(form.N18->text(), QStringLiteral("&Входящие выражения: [3]"));
        QCOMPARE(form.N19->text(), QStringLiteral("&Исходящие выражения: [63]"));
        QCOMPARE(form.N20->text(), QStringLiteral("&Итого: [66]"));
        QVERIFY(!form.T3->isActive() && !form.T8->isActive());
        QVERIFY(!form.Input->isReadOnly());
    }

    void theIntroJittersThenClearsThePaneUnlessSwitchedOff() {
        test::WorkFolder folder;
        folder.setConfigRow(3, "Intro=no");
        TForm1& form = start(folder);
        form.RE1->appendLine(QStringLiteral("Строка."));
        form.T10->stop();
        form.T7Timer();
        QVERIFY(form.T7->isActive() && !form.T10->isActive());
        QCOMPARE(form.RE1->lineCount(), 1);
        QCOMPARE(form.MP4.timesPlayed(), 0);

        form.ConfigFile.setValue(3, "NO ");
        form.T7Timer();
        QVERIFY(!form.T7->isActive() && form.T10->isActive());
        QCOMPARE(form.RE1->lineCount(), 0);
        QCOMPARE(form.MP4.timesPlayed(), 1);
        QVERIFY(!form.Input->isReadOnly() && form.N25->isEnabled() && form.N1->isEnabled());
        QVERIFY(!QApplication::overrideCursor());
    }

    void theClosingAnimationSoundsFromTheTenthTickAndEndsInTheExit() {
        test::WorkFolder folder;
        TForm1& form = start(folder);
        const QSize designed = form.size();
        for (int tick = 1; tick < 80; ++tick) {
            form.T4Timer();
            QCOMPARE(form.MP6.timesPlayed(), std::max(0, tick - 9));
        }
        QCOMPARE(form.size(), designed - QSize(790, 632).boundedTo(designed - QSize(1, 1)));
        form.T4Timer();
        QVERIFY(!form.isVisible());
        QCOMPARE(logFile(folder).size(), 8u); // the header and the exit block, nothing said
    }

    void aFailedExitStopsTheAnimationAndGivesTheWindowBack() {
        test::WorkFolder folder;
        folder.remove("Base/Log.Ludvar");
        TForm1& form = start(folder);
        const QRect usable = form.geometry();
        form.Tag = 70;
        form.T4->start();
        QTRY_VERIFY_WITH_TIMEOUT(!form.T4->isActive(), 5000);
        QTest::qWait(50);
        QCOMPARE(boxes, QStringList{QStringLiteral("Cannot open file Base\\Log.Ludvar.")});
        QVERIFY(!form.T4->isActive());
        QVERIFY(form.isVisible());
        QCOMPARE(form.geometry(), usable);
    }

    void fullScreenStretchesThePaneAndComesBack() {
        test::WorkFolder folder;
        TForm1& form = start(folder);
        const QSize designed = form.size();
        form.N40->trigger();
        QCOMPARE(form.N40->text(), QStringLiteral("Normal"));
        QVERIFY(form.width() > designed.width());
        const QWidget* client = form.centralWidget();
        QCOMPARE(form.TabControl2->geometry().bottom() + 1, client->height());
        QVERIFY(form.Speak->geometry().right() < form.TabControl2->width());
        QVERIFY(form.Input->geometry().right() < form.Cancel->x());
        QCOMPARE(form.RE1->height(), form.TabControl1->height() - 9);

        form.N40->trigger();
        QCOMPARE(form.N40->text(), QStringLiteral("Full Screen"));
        QCOMPARE(form.size(), designed);
        QCOMPARE(form.RE1->geometry(), QRect(3, 5, 581, 305));
        QCOMPARE(form.Input->width(), 422);
        QCOMPARE(form.Speak->x(), 496);
    }
};

QTEST_MAIN(LivingDialogueTest)
#include "LivingDialogueTest.moc"
