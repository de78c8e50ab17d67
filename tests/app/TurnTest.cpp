#include "WorkFolder.h"
#include "app/DialogPane.h"
#include "app/PhraseEdit.h"
#include "app/TForm1.h"
#include "windows/TForm2.h"

#include <QAction>
#include <QLineEdit>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace orlevan;
using test::w;

class TurnTest : public QObject, test::WindowSession {
    Q_OBJECT

    static QString shown(const TForm1& form, int line) { return form.RE1->lineText(line); }

private slots:
    void init() {
        boxes.clear();
        random = test::ScriptedRandom();
    }

    void aTurnEchoesThePhraseAndShowsTheReplyEachInItsStyle() {
        test::WorkFolder folder;
        folder.setConfigRow(15, "UserLineColor=16711680");
        folder.setConfigRow(16, "CpuLineColor=255");
        TForm1& form = start(folder);
        clock.millis = 1234;
        random.draws = {1, 1, 1}; // length not looked at, the second alternative, no remark

        say(form, QStringLiteral("как дела?"));

        QCOMPARE(form.RE1->lineCount(), 2);
        QCOMPARE(shown(form, 0), QStringLiteral("Как дела?"));
        QCOMPARE(shown(form, 1), QStringLiteral("Нормально."));
        const QTextBlock user = form.RE1->document()->begin();
        QCOMPARE(user.begin().fragment().charFormat().foreground().color(), QColor(0, 0, 255));
        QCOMPARE(user.next().begin().fragment().charFormat().foreground().color(),
                 QColor(255, 0, 0));
        QCOMPARE(form.dialogue.Log.count(), 6);
        QCOMPARE(form.dialogue.Log.line(4), w("[14:05:09] USER:     Как дела?"));
        QCOMPARE(form.dialogue.Log.line(5), w("[14:05:09] CPU:     Нормально."));
        QCOMPARE(form.MP2.timesPlayed(), 1);
        QCOMPARE(form.MP5.timesPlayed(), 1);
        QCOMPARE(random.lastSeed, 1234u);
        QCOMPARE(form.dialogue.state.LastReply, w("Нормально."));
        QVERIFY(form.Input->text().isEmpty());
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(!form.T9->isActive());
        QVERIFY(boxes.isEmpty());
    }

    void aFarewellStartsTheClosingAndAnyOtherKeyReplyStopsIt() {
        test::WorkFolder folder;
        TForm1& form = start(folder);
        random.draws = {1, 0, 1};
        say(form, QStringLiteral("пока."));
        QCOMPARE(shown(form, 1), QStringLiteral("До встречи!"));
        QVERIFY(form.T4->isActive());
        random.draws = {1, 0, 1};
        say(form, QStringLiteral("как дела?"));
        QVERIFY(!form.T4->isActive());
    }

    void aFollowUpIsArmedOneTimeInThree() {
        test::WorkFolder folder;
        TForm1& form = start(folder);
        random.draws = {1, 0, 0};
        say(form, QStringLiteral("как дела?"));
        QVERIFY(form.T9->isActive());
        PhraseList remarks;
        remarks.load(Folder(folder.path()), "Base\\AI.dat");
        QCOMPARE(form.dialogue.RE2.lines(), remarks.lines());
    }

    void anUnansweredPhraseIsLearntFromTheSecondTurnOn() {
        test::WorkFolder folder;
        TForm1& form = start(folder);
        random.draws = {1, 1, 1};
        say(form, QStringLiteral("как дела?"));
        random.draws = {1, 0, 1};
        say(form, QStringLiteral("лучше всех"));
        QCOMPARE(shown(form, 3), QStringLiteral("Понимаю."));
        PhraseList words;
        words.load(Folder(folder.path()), "Base\\Words.dat");
        QCOMPARE(words.line(words.count() - 1), w("ЛУЧШЕ ВСЕХ.^"));
        PhraseList statements;
        statements.load(Folder(folder.path()), "Base\\W2.Dat");
        QCOMPARE(statements.line(statements.count() - 1), w("Лучше всех."));
    }

    void thePreviousLineIsTheSecondToLastAsDisplayed() {
        test::WorkFolder folder;
        TForm1& form = start(folder);
        say(form, QStringLiteral("один"));
        QCOMPARE(form.dialogue.state.PreviousLine, std::string());
        say(form, QStringLiteral("два"));
        QCOMPARE(form.dialogue.state.PreviousLine, w("Один."));

        // A reply wider than the pane counts as several lines, each a piece of it.
        const std::string longReply =
            w("Очень длинный ответ ") + std::string(200, 'x') + w(" конец.");
        folder.write("Base/W2.Dat", longReply + "\r\n");
        say(form, QStringLiteral("три"));
        const int lines = form.RE1->lineCount();
        QVERIFY2(lines >= 7, "the long reply wraps");
        const QString secondToLast = shown(form, lines - 2);
        say(form, QStringLiteral("четыре"));
        QCOMPARE(form.dialogue.state.PreviousLine, w(secondToLast.toStdString()));
        QVERIFY(form.dialogue.state.PreviousLine.size() < longReply.size());
        QVERIFY(longReply.find(form.dialogue.state.PreviousLine) != std::string::npos);
    }

    void theComputerToComputerModeAnswersThePartnerInItsFile() {
        test::WorkFolder folder;
        TForm1& form = start(folder);
        const QString shared = QString::fromStdString((folder.path() / "Shared.txt").string());
        form.Form2->Edit1->setText(shared);
        form.CpuUser1->setChecked(false);
        form.Cpu31->setChecked(true);
        form.dialogue.LoadtxtCpuCpu = PhraseList({w("как дела?"), "second line"});
        form.Input->setText(QStringLiteral("это не читается"));
        random.draws = {1, 0, 1};
        form.SpeakClick();
        QCOMPARE(shown(form, 0), QStringLiteral("Как дела?"));
        PhraseList written;
        written.load(Folder(folder.path()), "Shared.txt");
        QCOMPARE(written.lines(), std::vector<std::string>{w("Хорошо.")});
    }

    void anEmptyPhraseIsNoTurn() {
        test::WorkFolder folder;
        TForm1& form = start(folder);
        form.CpuUser1->setChecked(false);
        form.Cpu31->setChecked(true);
        const int logLines = form.dialogue.Log.count();
        form.SpeakClick();
        QCOMPARE(form.RE1->lineCount(), 0);
        QCOMPARE(form.dialogue.Log.count(), logLines);
        QCOMPARE(form.MP2.timesPlayed(), 0);
    }

    void aMissingFileEndsTheTurnAfterTheEcho() {
        test::WorkFolder folder;
        TForm1& form = start(folder);
        random.draws = {1, 1, 1};
        say(form, QStringLiteral("как дела?"));
        folder.remove("Base/W2.Dat");
        say(form, QStringLiteral("совсем непонятное"));
        QCOMPARE(boxes, QStringList{QStringLiteral("Cannot open file Base\\W2.Dat.")});
        QCOMPARE(form.RE1->lineCount(), 3);
        QCOMPARE(shown(form, 2), QStringLiteral("Совсем непонятное."));
        QCOMPARE(form.dialogue.Log.line(form.dialogue.Log.count() - 1),
                 w("[14:05:09] USER:     Совсем непонятное."));
        QCOMPARE(form.dialogue.state.LastReply, w("Нормально."));
        QVERIFY(QApplication::overrideCursor()); // the busy cursor waits for the next turn
        QCOMPARE(form.Input->text(), QStringLiteral("совсем непонятное"));
    }

    void theHeaderOpensTheLog() {
        test::WorkFolder folder;
        TForm1& form = start(folder);
        QCOMPARE(form.dialogue.Log.count(), 4);
        QCOMPARE(form.dialogue.Log.line(0), std::string());
        QCOMPARE(form.dialogue.Log.line(1), std::string(80, '-'));
        QCOMPARE(form.dialogue.Log.line(2),
                 w("Начало диалога:           Дата - 08.12.2026   |   Время - 14:05:09"));
        QCOMPARE(form.dialogue.Log.line(3), std::string());
        QVERIFY(!form.T12->isActive());
    }
};

QTEST_MAIN(TurnTest)
#include "TurnTest.moc"
