#include "DialogPane.h"
#include "PhraseEdit.h"
#include "TForm1.h"
#include "WorkFolder.h"

#include <QAction>
#include <QTextBlock>
#include <QToolButton>
#include <QtTest>

using namespace orlevan;

class TurnEchoTest : public QObject {
    Q_OBJECT

    test::FixedClock clock;
    test::ScriptedRandom random;
    QStringList boxes;

    std::unique_ptr<TForm1> start(const test::WorkFolder& folder) {
        auto form = std::make_unique<TForm1>(Folder(folder.path()), clock, random,
                                             [this](const QString&, const QString& text) { boxes << text; });
        form->show();
        form->T12Timer(); // the dialogue header, as at start
        return form;
    }

    static void say(TForm1& form, const QString& phrase) {
        form.Input->setText(phrase);
        form.T1Timer();
        form.Speak->click();
    }

private slots:
    void init() {
        boxes.clear();
        random = test::ScriptedRandom();
    }

    void aPhraseIsEchoedInTheUserStyleAndLogged() {
        test::WorkFolder folder;
        folder.setConfigRow(15, "UserLineColor=16711680");
        auto form = start(folder);
        const int logLines = form->Log.count();
        clock.millis = 1234;

        say(*form, QStringLiteral("привет"));

        QCOMPARE(form->RE1->lineCount(), 1);
        QCOMPARE(form->RE1->lineText(0), QStringLiteral("Привет."));
        const QTextCharFormat shown = form->RE1->document()->begin().begin().fragment().charFormat();
        QCOMPARE(shown.foreground().color(), QColor(0, 0, 255));
        QCOMPARE(form->Log.count(), logLines + 1);
        QCOMPARE(form->Log.line(logLines), test::w("[14:05:09] USER:     Привет."));
        QCOMPARE(form->MP2.timesPlayed(), 1);
        QCOMPARE(random.lastSeed, 1234u);
        QCOMPARE(form->dialogue.EchoedPhrase, test::w("Привет."));
        QVERIFY(form->Input->text().isEmpty());
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(boxes.isEmpty());
    }

    void thePreviousLineIsTheSecondToLastAsDisplayed() {
        test::WorkFolder folder;
        auto form = start(folder);
        say(*form, QStringLiteral("один"));
        QCOMPARE(form->dialogue.PreviousLine, std::string());
        say(*form, QStringLiteral("два"));
        QCOMPARE(form->dialogue.PreviousLine, std::string());
        say(*form, QStringLiteral("три"));
        QCOMPARE(form->dialogue.PreviousLine, test::w("Один."));

        // A phrase wider than the pane counts as several lines, each a piece of it.
        const QString wide = QStringLiteral("слово ").repeated(40);
        say(*form, wide);
        const int pieces = form->RE1->lineCount() - 3;
        QVERIFY2(pieces >= 2, "the long phrase wraps");
        say(*form, QStringLiteral("после"));
        const std::string lastPiece = fromQtForTest(form->RE1->lineText(form->RE1->lineCount() - 3));
        QCOMPARE(form->dialogue.PreviousLine, lastPiece);
        QVERIFY(static_cast<qsizetype>(form->dialogue.PreviousLine.size()) < wide.size());
    }

    void theComputerToComputerModeTakesThePartnersFirstLine() {
        test::WorkFolder folder;
        auto form = start(folder);
        form->CpuUser1->setChecked(false);
        form->Cpu31->setChecked(true);
        form->LoadtxtCpuCpu = PhraseList({test::w("как ты, партнёр"), "second line"});
        form->Input->setText(QStringLiteral("это не читается"));
        form->SpeakClick();
        QCOMPARE(form->RE1->lineText(0), QStringLiteral("Как ты, партнёр."));
    }

    void anEmptyPhraseIsNoTurn() {
        test::WorkFolder folder;
        auto form = start(folder);
        form->CpuUser1->setChecked(false);
        form->Cpu31->setChecked(true);
        const int logLines = form->Log.count();
        form->SpeakClick();
        QCOMPARE(form->RE1->lineCount(), 0);
        QCOMPARE(form->Log.count(), logLines);
        QCOMPARE(form->MP2.timesPlayed(), 0);
    }

    void theHeaderOpensTheLog() {
        test::WorkFolder folder;
        auto form = start(folder);
        QCOMPARE(form->Log.count(), 4);
        QCOMPARE(form->Log.line(0), std::string());
        QCOMPARE(form->Log.line(1), std::string(80, '-'));
        QCOMPARE(form->Log.line(2), test::w("Начало диалога:           Дата - 08.12.2026   |   Время - 14:05:09"));
        QCOMPARE(form->Log.line(3), std::string());
        QVERIFY(!form->T12->isActive());
    }

private:
    static std::string fromQtForTest(const QString& text) { return test::w(text.toStdString()); }
};

QTEST_MAIN(TurnEchoTest)
#include "TurnEchoTest.moc"
