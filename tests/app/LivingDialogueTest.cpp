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
        say(QStringLiteral("как дела?"));
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
        ui.N4->trigger();
        const Lines block = exitBlock();
        expected.insert(expected.end(), block.begin(), block.end());
        QCOMPARE(logFile(folder), expected);
        QVERIFY(!form.isVisible());
        QVERIFY(boxes.isEmpty());

        // After a new dialogue only what was said since reaches the file.
        form.show();
        ui.N2->trigger();
        QVERIFY(ui.T7->isActive() && ui.T10->isActive());
        QCOMPARE(form.dialogue().Log.count(), 0);
        ui.N4->trigger();
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
        say(QStringLiteral("как дела?"));
        test::tick(ui.T1);
        ui.T7->stop();

        QTest::keyClick(ui.Input, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(ui.RE1->lineCount(), 1);
        QCOMPARE(ui.RE1->lineText(0), QStringLiteral("Как дела?"));
        QCOMPARE(form.dialogue().Log.count(), 5);
        QVERIFY(ui.T7->isActive());

        // With the pane empty the keys are the input line's own undo again.
        ui.RE1->clear();
        test::tick(ui.T1);
        test::typeText(ui.Input, QStringLiteral("да"));
        QTest::keyClick(ui.Input, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(form.dialogue().Log.count(), 5);
        QVERIFY(ui.Input->text() != QStringLiteral("да"));
    }

    void onlyTheHandlersSetTheCheckMarks() {
        test::WorkFolder folder;
        folder.write("Base/dictionary.dat", w("привет\r\nпока\r\n"));
        TForm1& form = start(folder);
        struct Step {
            QAction* test::Parts::*item;
            QList<bool> marks; // N13, N15, N24, N40, CpuUser1, Cpu31 afterwards
        };
        const QList<Step> steps = {
            {&test::Parts::N15, {true, false, false, false, true, false}},
            {&test::Parts::N15, {true, true, false, false, true, false}},
            {&test::Parts::N24, {true, true, true, false, true, false}},
            {&test::Parts::CpuUser1, {true, true, true, false, true, false}},
            {&test::Parts::Cpu31, {true, true, true, false, false, true}},
            {&test::Parts::Cpu31, {true, true, true, false, false, true}},
            {&test::Parts::CpuUser1, {true, true, true, false, true, false}},
            // The defaults put 1000 into the dialog's number field, which was 1:
            // a change there takes the mark off; a second time, nothing changes.
            {&test::Parts::N13, {false, true, true, false, true, false}},
            {&test::Parts::N13, {true, true, true, false, true, false}},
            {&test::Parts::N40, {true, true, true, true, true, false}},
            {&test::Parts::N40, {true, true, true, false, true, false}},
            {&test::Parts::N24, {true, true, false, false, true, false}},
        };
        for (const Step& step : steps) {
            (ui.*step.item)->trigger();
            const QList<bool> marks = {ui.N13->isChecked(),      ui.N15->isChecked(),
                                       ui.N24->isChecked(),      ui.N40->isChecked(),
                                       ui.CpuUser1->isChecked(), ui.Cpu31->isChecked()};
            QCOMPARE(marks, step.marks);
        }
        QCOMPARE(form.settings().value(33), std::string("Yes"));
        QCOMPARE(ui.SB1[0]->text(), QStringLiteral("Загрузка окончена"));
        QCOMPARE(form.dictionary().size(), 2u);
        QCOMPARE(ui.RE1->lineText(ui.RE1->lineCount() - 2),
                 QStringLiteral("Сервис:   // Режим диалога Cpu\\User."));
        QVERIFY(boxes.isEmpty());
    }

    void theProgramSpeaksOnItsOwn() {
        test::WorkFolder folder;
        folder.write("Base/Pause.Dat", w("Ты здесь?\r\n"));
        folder.write("Base/Begin.dat", w("Привет!\r\n"));
        TForm1& form = start(folder);

        // With the longest pause drawn, the remark comes at the ninetieth tick of silence.
        for (int second = 1; second < 90; ++second) {
            test::tick(ui.T2);
        }
        QCOMPARE(ui.RE1->lineCount(), 0);
        test::tick(ui.T2);
        QCOMPARE(ui.RE1->lineText(0), QStringLiteral("Ты здесь?"));

        random.draws = {0};
        test::tick(ui.T10);
        QVERIFY(!ui.T10->isActive());
        QCOMPARE(ui.RE1->lineText(1), QStringLiteral("Привет!"));

        // The follow-up remark is a line of AI.dat even when another handler
        // loaded the work buffer meanwhile: an exit that failed on a missing
        // log file left the phrase base in it.
        folder.write("Base/AI.dat", w("Заголовок\r\nКстати, о погоде.\r\n"));
        folder.remove("Base/Log.Ludvar");
        random.draws = {1, 0, 0};
        say(QStringLiteral("как дела?"));
        QVERIFY(ui.T9->isActive());
        ui.N4->trigger();
        QCOMPARE(boxes, QStringList{QStringLiteral("Cannot open file Base\\Log.Ludvar.")});
        test::tick(ui.T9);
        QCOMPARE(ui.RE1->lineCount(), 4);
        test::tick(ui.T9);
        QCOMPARE(ui.RE1->lineText(4), QStringLiteral("Кстати, о погоде."));
        QVERIFY(!ui.T9->isActive());
        QCOMPARE(ui.MP5->timesPlayed(), 4);
        QCOMPARE(form.dialogue().Log.line(form.dialogue().Log.count() - 1),
                 w("[14:05:09] CPU:     Кстати, о погоде."));
    }

    void aFileMissingAtATimersTickIsReportedOnce() {
        test::WorkFolder folder;
        start(folder);
        folder.remove("Base/Pause.Dat");
        folder.remove("Base/Words.dat");
        // Silence up to a second short of the remark, then a tick each millisecond.
        for (int second = 1; second < 90; ++second) {
            test::tick(ui.T2);
        }
        ui.T2->setInterval(1);
        ui.T3->start();
        QTRY_COMPARE_WITH_TIMEOUT(boxes.size(), 2, 5000);
        QTest::qWait(100); // many more ticks, no more boxes
        boxes.sort();
        QCOMPARE(boxes, (QStringList{QStringLiteral("Cannot open file Base\\Pause.Dat."),
                                     QStringLiteral("Cannot open file Base\\Words.Dat.")}));
        QVERIFY(ui.T2->isActive());
        QVERIFY(!ui.T3->isActive());
        QVERIFY(!ui.Input->isReadOnly());
        QCOMPARE(ui.SB1[0]->text(), QStringLiteral("Загрузка окончена"));
    }

    void theStatisticsShowTheSizeOfTheKnowledgeBase() {
        test::WorkFolder folder;
        folder.write("Base/Words.dat", w("Заголовок\r\nПРИВЕТ.^Привет!;Здравствуй!;\r\n"
                                         "_ХОРОШО^Рад за тебя.;\r\nПОКА.^\r\n"));
        for (const char* file :
             {"BigString.Dat", "Pause.Dat", "Povtor.Dat", "W1.Dat", "W2.Dat", "X.Dat"}) {
            folder.write(std::string("Base/") + file, std::string(10, '\n'));
        }
        start(folder);
        test::tick(ui.T3);
        test::tick(ui.T8);
        QCOMPARE(ui.SB1[1]->text(),
                 QStringLiteral("Программе известно:   [главные фразы - 2   ветки - 1]"));
        QCOMPARE(ui.SB1[0]->text(), QStringLiteral("Загрузка окончена"));
        QCOMPARE(ui.N18->text(), QStringLiteral("&Входящие выражения: [3]"));
        QCOMPARE(ui.N19->text(), QStringLiteral("&Исходящие выражения: [63]"));
        QCOMPARE(ui.N20->text(), QStringLiteral("&Итого: [66]"));
        QVERIFY(!ui.T3->isActive() && !ui.T8->isActive());
        QVERIFY(!ui.Input->isReadOnly());
    }

    void theIntroJittersThenClearsThePaneUnlessSwitchedOff() {
        {
            test::WorkFolder folder;
            folder.setConfigRow(3, "Intro=no");
            start(folder);
            ui.RE1->appendLine(QStringLiteral("Строка."));
            ui.T10->stop();
            test::tick(ui.T7);
            QVERIFY(ui.T7->isActive() && !ui.T10->isActive());
            QCOMPARE(ui.RE1->lineCount(), 1);
            QCOMPARE(ui.MP4->timesPlayed(), 0);
        }

        test::WorkFolder folder;
        folder.setConfigRow(3, "Intro=NO ");
        start(folder);
        ui.RE1->appendLine(QStringLiteral("Строка."));
        ui.T10->stop();
        test::tick(ui.T7);
        QVERIFY(!ui.T7->isActive() && ui.T10->isActive());
        QCOMPARE(ui.RE1->lineCount(), 0);
        QCOMPARE(ui.MP4->timesPlayed(), 1);
        QVERIFY(!ui.Input->isReadOnly() && ui.N25->isEnabled() && ui.N1->isEnabled());
        QVERIFY(!QApplication::overrideCursor());
    }

    void theClosingAnimationSoundsFromTheTenthTickAndEndsInTheExit() {
        test::WorkFolder folder;
        TForm1& form = start(folder);
        const QSize designed = form.size();
        for (int tick = 1; tick < 80; ++tick) {
            test::tick(ui.T4);
            QCOMPARE(ui.MP6->timesPlayed(), std::max(0, tick - 9));
        }
        QCOMPARE(form.size(), designed - QSize(790, 632).boundedTo(designed - QSize(1, 1)));
        test::tick(ui.T4);
        QVERIFY(!form.isVisible());
        QCOMPARE(logFile(folder).size(), 8u); // the header and the exit block, nothing said
    }

    void aFailedExitStopsTheAnimationAndGivesTheWindowBack() {
        test::WorkFolder folder;
        folder.remove("Base/Log.Ludvar");
        TForm1& form = start(folder);
        const QRect usable = form.geometry();
        for (int step = 0; step < 70; ++step) {
            test::tick(ui.T4);
        }
        ui.T4->start();
        QTRY_VERIFY_WITH_TIMEOUT(!ui.T4->isActive(), 5000);
        QTest::qWait(50);
        QCOMPARE(boxes, QStringList{QStringLiteral("Cannot open file Base\\Log.Ludvar.")});
        QVERIFY(!ui.T4->isActive());
        QVERIFY(form.isVisible());
        QCOMPARE(form.geometry(), usable);
    }

    void fullScreenStretchesThePaneAndComesBack() {
        test::WorkFolder folder;
        TForm1& form = start(folder);
        const QSize designed = form.size();
        ui.N40->trigger();
        QCOMPARE(ui.N40->text(), QStringLiteral("Normal"));
        QVERIFY(form.width() > designed.width());
        const QWidget* client = form.centralWidget();
        QCOMPARE(ui.TabControl2->geometry().bottom() + 1, client->height());
        QVERIFY(ui.Speak->geometry().right() < ui.TabControl2->width());
        QVERIFY(ui.Input->geometry().right() < ui.Cancel->x());
        QCOMPARE(ui.RE1->height(), ui.TabControl1->height() - 9);

        ui.N40->trigger();
        QCOMPARE(ui.N40->text(), QStringLiteral("Full Screen"));
        QCOMPARE(form.size(), designed);
        QCOMPARE(ui.RE1->geometry(), QRect(3, 5, 581, 305));
        QCOMPARE(ui.Input->width(), 422);
        QCOMPARE(ui.Speak->x(), 496);
    }
};

QTEST_MAIN(LivingDialogueTest)
#include "LivingDialogueTest.moc"
