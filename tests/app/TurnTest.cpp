#include "WorkFolder.h"
#include "app/DialogPane.h"
#include "app/PhraseEdit.h"
#include "app/TForm1.h"
#include "windows/TForm2.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace orlevan;
using test::w;

class TurnTest : public QObject, test::WindowSession {
    Q_OBJECT

    QString shown(int line) const { return ui.RE1->lineText(line); }

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

        say(QStringLiteral("как дела?"));

        QCOMPARE(ui.RE1->lineCount(), 2);
        QCOMPARE(shown(0), QStringLiteral("Как дела?"));
        QCOMPARE(shown(1), QStringLiteral("Нормально."));
        const QTextBlock user = ui.RE1->document()->begin();
        QCOMPARE(user.begin().fragment().charFormat().foreground().color(), QColor(0, 0, 255));
        QCOMPARE(user.next().begin().fragment().charFormat().foreground().color(),
                 QColor(255, 0, 0));
        QCOMPARE(form.dialogue().Log.count(), 6);
        QCOMPARE(form.dialogue().Log.line(4), w("[14:05:09] USER:     Как дела?"));
        QCOMPARE(form.dialogue().Log.line(5), w("[14:05:09] CPU:     Нормально."));
        QCOMPARE(ui.MP2->timesPlayed(), 1);
        QCOMPARE(ui.MP5->timesPlayed(), 1);
        QCOMPARE(random.lastSeed, 1234u);
        QCOMPARE(form.dialogue().state.LastReply, w("Нормально."));
        QVERIFY(ui.Input->text().isEmpty());
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(!ui.T9->isActive());
        QVERIFY(boxes.isEmpty());
    }

    void aFarewellStartsTheClosingAndAnyOtherKeyReplyStopsIt() {
        test::WorkFolder folder;
        start(folder);
        random.draws = {1, 0, 1};
        say(QStringLiteral("пока."));
        QCOMPARE(shown(1), QStringLiteral("До встречи!"));
        QVERIFY(ui.T4->isActive());
        random.draws = {1, 0, 1};
        say(QStringLiteral("как дела?"));
        QVERIFY(!ui.T4->isActive());
    }

    void aFollowUpIsArmedOneTimeInThree() {
        test::WorkFolder folder;
        TForm1& form = start(folder);
        random.draws = {1, 0, 0};
        say(QStringLiteral("как дела?"));
        QVERIFY(ui.T9->isActive());
        PhraseList remarks;
        remarks.load(Folder(folder.path()), "Base\\AI.dat");
        QCOMPARE(form.dialogue().RE2.lines(), remarks.lines());
    }

    void anUnansweredPhraseIsLearntFromTheSecondTurnOn() {
        test::WorkFolder folder;
        start(folder);
        random.draws = {1, 1, 1};
        say(QStringLiteral("как дела?"));
        random.draws = {1, 0, 1};
        say(QStringLiteral("лучше всех"));
        QCOMPARE(shown(3), QStringLiteral("Понимаю."));
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
        say(QStringLiteral("один"));
        QCOMPARE(form.dialogue().state.PreviousLine, std::string());
        say(QStringLiteral("два"));
        QCOMPARE(form.dialogue().state.PreviousLine, w("Один."));

        // A reply wider than the pane counts as several lines, each a piece of it.
        const std::string longReply =
            w("Очень длинный ответ ") + std::string(200, 'x') + w(" конец.");
        folder.write("Base/W2.Dat", longReply + "\r\n");
        say(QStringLiteral("три"));
        const int lines = ui.RE1->lineCount();
        QVERIFY2(lines >= 7, "the long reply wraps");
        const QString secondToLast = shown(lines - 2);
        say(QStringLiteral("четыре"));
        QCOMPARE(form.dialogue().state.PreviousLine, w(secondToLast.toStdString()));
        QVERIFY(form.dialogue().state.PreviousLine.size() < longReply.size());
        QVERIFY(longReply.find(form.dialogue().state.PreviousLine) != std::string::npos);
    }

    void theComputerToComputerModeAnswersThePartnerInItsFile() {
        test::WorkFolder folder;
        folder.write("Shared.txt", w("как дела?\r\nsecond line\r\n"));
        start(folder);
        const QString shared = QString::fromStdString((folder.path() / "Shared.txt").string());
        program->form2.Edit1->setText(shared);
        ui.Cpu31->trigger();
        ui.Input->setText(QStringLiteral("это не читается"));
        test::tick(ui.T6); // read by Enter: the phrase waits for it
        random.draws = {1, 0, 1};
        ui.Talk->click();
        QCOMPARE(shown(1), QStringLiteral("Как дела?")); // after the mode's service line
        PhraseList written;
        written.load(Folder(folder.path()), "Shared.txt");
        QCOMPARE(written.lines(), std::vector<std::string>{w("Хорошо.")});
    }

    void anEmptyPhraseIsNoTurn() {
        test::WorkFolder folder;
        folder.write("Shared.txt", "");
        TForm1& form = start(folder);
        program->form2.Edit1->setText(
            QString::fromStdString((folder.path() / "Shared.txt").string()));
        ui.Cpu31->trigger();
        const int paneLines = ui.RE1->lineCount();
        const int logLines = form.dialogue().Log.count();
        test::tick(ui.T6);
        QVERIFY(ui.Talk->isEnabled());
        ui.Talk->click();
        QCOMPARE(ui.RE1->lineCount(), paneLines);
        QCOMPARE(form.dialogue().Log.count(), logLines);
        QCOMPARE(ui.MP2->timesPlayed(), 0);
    }

    void aMissingFileEndsTheTurnAfterTheEcho() {
        test::WorkFolder folder;
        TForm1& form = start(folder);
        random.draws = {1, 1, 1};
        say(QStringLiteral("как дела?"));
        folder.remove("Base/W2.Dat");
        say(QStringLiteral("совсем непонятное"));
        QCOMPARE(boxes, QStringList{QStringLiteral("Cannot open file Base\\W2.Dat.")});
        QCOMPARE(ui.RE1->lineCount(), 3);
        QCOMPARE(shown(2), QStringLiteral("Совсем непонятное."));
        QCOMPARE(form.dialogue().Log.line(form.dialogue().Log.count() - 1),
                 w("[14:05:09] USER:     Совсем непонятное."));
        QCOMPARE(form.dialogue().state.LastReply, w("Нормально."));
        QVERIFY(QApplication::overrideCursor()); // the busy cursor waits for the next turn
        QCOMPARE(ui.Input->text(), QStringLiteral("совсем непонятное"));
    }

    void theHeaderOpensTheLog() {
        test::WorkFolder folder;
        TForm1& form = start(folder);
        QCOMPARE(form.dialogue().Log.count(), 4);
        QCOMPARE(form.dialogue().Log.line(0), std::string());
        QCOMPARE(form.dialogue().Log.line(1), std::string(80, '-'));
        QCOMPARE(form.dialogue().Log.line(2),
                 w("Начало диалога:           Дата - 08.12.2026   |   Время - 14:05:09"));
        QCOMPARE(form.dialogue().Log.line(3), std::string());
        QVERIFY(!ui.T12->isActive());
    }
};

QTEST_MAIN(TurnTest)
#include "TurnTest.moc"
