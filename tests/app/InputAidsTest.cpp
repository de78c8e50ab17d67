#include "WorkFolder.h"
#include "app/DialogPane.h"
#include "app/PhraseEdit.h"
#include "app/TForm1.h"

#include <QAction>
#include <QLabel>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace orlevan;
using test::w;

namespace {

// Types `text` into the window key by key, the way the windowing system
// delivers keys: each key-down passes the application's hook first.
void typeInto(QWindow* window, const QString& text) {
    for (const QChar character : text) {
        QTest::sendKeyEvent(QTest::Click, window, Qt::Key_unknown, QString(character),
                            Qt::NoModifier);
    }
}

} // namespace

// The input aids on the main window: the layout conversion, the
// reserved-character guard and word completion with its key hook.
class InputAidsTest : public QObject, test::WindowSession {
    Q_OBJECT

    // The window, active, with its input line focused, counting and intro done.
    TForm1& activeStart(const test::WorkFolder& folder) {
        TForm1& form = start(folder);
        form.T3->stop();
        form.T8->stop();
        QApplication::setActiveWindow(&form);
        if (!QTest::qWaitForWindowActive(&form)) {
            qWarning("the window did not become active");
        }
        form.Input->setFocus();
        return form;
    }

    // Completion switched on over `words` (one per line, as in the file).
    static void switchOnCompletion(TForm1& form, const test::WorkFolder& folder,
                                   const char* words) {
        folder.write("Base/dictionary.dat", w(words));
        form.N24->trigger();
        QVERIFY(form.N24->isChecked());
    }

private slots:
    void init() {
        boxes.clear();
        random = test::ScriptedRandom();
    }

    void theButtonAndCtrlSConvertTheLatinLayout() {
        test::WorkFolder folder;
        TForm1& form = activeStart(folder);
        typeInto(form.windowHandle(), QStringLiteral("ghbdtn"));
        QCOMPARE(form.Input->text(), QStringLiteral("ghbdtn"));
        form.T1Timer();
        const int clicks = form.MP1.timesPlayed();
        form.EnRus->click();
        QCOMPARE(form.Input->text(), QStringLiteral("привет"));
        QCOMPARE(form.MP3.timesPlayed(), 1);
        QCOMPARE(form.MP1.timesPlayed(), clicks + 1); // one change, one key sound

        // Nothing left to convert: the sound, but no change of the line.
        form.EnRus->click();
        QCOMPARE(form.MP3.timesPlayed(), 2);
        QCOMPARE(form.MP1.timesPlayed(), clicks + 1);

        form.Input->setText(QStringLiteral("<elen"));
        QTest::keyClick(form.windowHandle(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(form.Input->text(), QStringLiteral("будут"));
        QCOMPARE(form.MP3.timesPlayed(), 3);

        // An empty line: Ctrl+S still sounds (the button is off, the command is not).
        form.Input->clear();
        form.T1Timer();
        QVERIFY(!form.EnRus->isEnabled());
        QTest::keyClick(form.windowHandle(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(form.MP3.timesPlayed(), 4);
        QVERIFY(form.Input->text().isEmpty());
        QVERIFY(boxes.isEmpty());
    }

    void theDigitRowSignsConvertAndASemicolonCostsTheLine() {
        test::WorkFolder folder;
        TForm1& form = start(folder);
        form.Input->setText(QStringLiteral("Ц@#$^&"));
        form.EnRusClick();
        QCOMPARE(form.Input->text(), QStringLiteral("Ц\"№;:?"));
        form.EnRusClick();
        QCOMPARE(form.Input->text(), QStringLiteral("ЦЭ№жЖ?"));

        form.Input->setText(QStringLiteral("цена 5$"));
        form.EnRusClick();
        for (int tick = 0; tick < 7 && !form.Input->text().isEmpty(); ++tick) {
            form.T5Timer();
        }
        QVERIFY(form.Input->text().isEmpty());
        QVERIFY(!form.RE1->isEnabled());
    }

    void theGuardClearsTheWholeLineWhereverAReservedCharacterStands() {
        for (const QString& text :
             {QStringLiteral("а^б"), QStringLiteral("а_б"), QStringLiteral("а;б"),
              QStringLiteral("почта@дом"), QStringLiteral("^")}) {
            test::WorkFolder folder;
            TForm1& form = start(folder);
            form.T5Tag = 2; // wherever the scan stands
            form.Input->setText(text);
            const int clicks = form.MP1.timesPlayed();
            for (int tick = 0; tick < text.size(); ++tick) {
                form.T5Timer();
            }
            QVERIFY2(form.Input->text().isEmpty(), qPrintable(text));
            QVERIFY(!form.RE1->isEnabled());
            QCOMPARE(form.MP1.timesPlayed(), clicks + 1);
            // The pane still takes the program's lines.
            form.RE1->appendLine(QStringLiteral("Строка."));
            QCOMPARE(form.RE1->lineCount(), 1);
        }
    }

    void theGuardLeavesOtherTextAloneAndRestartsOnAShorterLine() {
        test::WorkFolder folder;
        TForm1& form = start(folder);
        form.Input->setText(QStringLiteral("Привет, как дела? 100% «да»!"));
        for (int tick = 0; tick < 100; ++tick) {
            form.T5Timer();
        }
        QCOMPARE(form.Input->text(), QStringLiteral("Привет, как дела? 100% «да»!"));
        QVERIFY(form.RE1->isEnabled());

        // The scan stood far along a long line; the line is now one character.
        form.T5Tag = 200;
        form.Input->setText(QStringLiteral("_"));
        form.T5Timer();
        QVERIFY(form.Input->text().isEmpty());
        QCOMPARE(form.T5Tag, 1);

        // And on the event loop: typed at the end, found within the line's length in ticks.
        form.RE1->setEnabled(true);
        form.Input->setText(QStringLiteral("abc^"));
        QTRY_VERIFY(form.Input->text().isEmpty());
        QVERIFY(!form.RE1->isEnabled());
    }

    void theCompletionTimerTicksWhileTheStateTimerPolls() {
        test::WorkFolder folder;
        TForm1& form = start(folder);
        form.T3->stop();
        switchOnCompletion(form, folder, "привет\r\n");
        // The input is empty: every tick of T1 switches T11 on, and T11 must
        // still get to tick and put "[NONE]" over whatever the panel shows.
        QVERIFY(form.T1->isActive());
        form.SB1[0]->setText(QStringLiteral("привет"));
        QTRY_COMPARE(form.SB1[0]->text(), QStringLiteral("[NONE]"));
        form.SB1[0]->setText(QStringLiteral("привет"));
        QTRY_COMPARE(form.SB1[0]->text(), QStringLiteral("[NONE]"));
    }

    void aWordIsOfferedWhileTypingAndF5CompletesIt() {
        test::WorkFolder folder;
        TForm1& form = activeStart(folder);
        switchOnCompletion(form, folder, "ПРИВЕТ\r\nпока\r\nпривал\r\nприходи\r\n");
        // Each key shows the entry the hook reached at once; the search
        // that follows puts its find over it.
        form.T11->setInterval(200);
        const auto offered = [&form] {
            if (!QTest::qWaitFor([&form] { return !form.T11->isActive(); })) {
                return QStringLiteral("(no search)");
            }
            return form.SB1[0]->text();
        };
        typeInto(form.windowHandle(), QStringLiteral("При"));
        QCOMPARE(offered(), QStringLiteral("ПРИВЕТ"));
        QCOMPARE(form.completion.TypedFragment, w("При"));
        QCOMPARE(form.completion.CompletionTail, w("ВЕТ"));
        QTRY_VERIFY(form.N23->isEnabled());

        QTest::keyClick(form.windowHandle(), Qt::Key_F5);
        QCOMPARE(form.Input->text(), QStringLiteral("Привет"));
        // The hook saw F5 before its command changed the line.
        QCOMPARE(form.completion.CandidateIndex, -1);
        QVERIFY(form.T11->isActive());

        // The next word. Down shows the next entry at once and passes over a
        // match; when no entry after is left, the next search starts at entry 0.
        typeInto(form.windowHandle(), QStringLiteral(" пр"));
        QCOMPARE(offered(), QStringLiteral("ПРИВЕТ"));
        QTest::keyClick(form.windowHandle(), Qt::Key_Down);
        QCOMPARE(form.SB1[0]->text(), QStringLiteral("пока")); // entry 1, at once
        QCOMPARE(offered(), QStringLiteral("привал"));
        QTest::keyClick(form.windowHandle(), Qt::Key_Up);
        QCOMPARE(form.SB1[0]->text(), QStringLiteral("ПРИВЕТ")); // entry 0, at once
        QCOMPARE(offered(), QStringLiteral("привал"));           // entry 1 does not match
        QTest::keyClick(form.windowHandle(), Qt::Key_Down);
        QCOMPARE(form.SB1[0]->text(), QStringLiteral("приходи"));
        QCOMPARE(offered(), QStringLiteral("[NONE]")); // no wrap
        typeInto(form.windowHandle(), QStringLiteral("и"));
        QCOMPARE(offered(), QStringLiteral("ПРИВЕТ"));
        QTRY_VERIFY(form.N23->isEnabled());
        QTest::keyClick(form.windowHandle(), Qt::Key_F5);
        QCOMPARE(form.Input->text(), QStringLiteral("Привет привет"));

        // A separator at the end offers nothing, and F5 is off.
        typeInto(form.windowHandle(), QStringLiteral("!"));
        QCOMPARE(offered(), QStringLiteral("[NONE]"));
        QTRY_VERIFY(!form.N23->isEnabled());
        QVERIFY(boxes.isEmpty());
    }

    void everyKeyDownPassesTheHookOnceShortcutsIncluded() {
        test::WorkFolder folder;
        TForm1& form = activeStart(folder);
        switchOnCompletion(form, folder, "а\r\nб\r\nв\r\nг\r\nд\r\nе\r\n");
        // Only the hook moves the index here: the search waits.
        form.T11->setInterval(60'000);
        QWindow* window = form.windowHandle();

        // Down and Up made window commands: the key goes to its shortcut,
        // and the hook still steps once for it.
        auto* down = new QAction(&form);
        down->setShortcut(QKeySequence(Qt::Key_Down));
        form.addAction(down);
        auto* up = new QShortcut(QKeySequence(Qt::Key_Up), &form);
        QSignalSpy downs(down, &QAction::triggered);
        QSignalSpy ups(up, &QShortcut::activated);
        form.completion.CandidateIndex = 1;
        QTest::keyClick(window, Qt::Key_Down);
        QCOMPARE(downs.count(), 1);
        QCOMPARE(form.completion.CandidateIndex, 2);
        QTest::keyClick(window, Qt::Key_Up);
        QCOMPARE(ups.count(), 1);
        QCOMPARE(form.completion.CandidateIndex, 0);
        delete down;
        delete up;

        // A plain key that the input line takes: one step.
        form.completion.CandidateIndex = 1;
        QTest::keyClick(window, Qt::Key_Down);
        QCOMPARE(form.completion.CandidateIndex, 2);

        // Enter, F5, Ctrl+S and Ctrl+Z are commands; each still shows the entry reached.
        for (const QKeyCombination keys :
             {QKeyCombination(Qt::Key_Return), QKeyCombination(Qt::Key_F5),
              QKeyCombination(Qt::CTRL | Qt::Key_S), QKeyCombination(Qt::CTRL | Qt::Key_Z)}) {
            form.completion.CandidateIndex = -1;
            form.SB1[0]->clear();
            form.T11->stop();
            QTest::keyClick(window, keys.key(), keys.keyboardModifiers());
            QCOMPARE(form.completion.CandidateIndex, 0);
            QCOMPARE(form.SB1[0]->text(), QStringLiteral("а"));
            QVERIFY(form.T11->isActive());
        }
    }

    void linesTheInputCannotHoldAreNeverOffered() {
        test::WorkFolder folder;
        TForm1& form = activeStart(folder);
        switchOnCompletion(form, folder, "\r\nпри\tвет\r\nпри\x01\r\nпривет\r\n");
        QCOMPARE(form.SpeedWord.size(), 4u);
        typeInto(form.windowHandle(), QStringLiteral("при"));
        QTRY_VERIFY(!form.T11->isActive());
        QCOMPARE(form.SB1[0]->text(), QStringLiteral("привет"));
        QCOMPARE(form.completion.CandidateIndex, 3);
        QTRY_VERIFY(form.N23->isEnabled());
        QTest::keyClick(form.windowHandle(), Qt::Key_F5);
        QCOMPARE(form.Input->text(), QStringLiteral("привет"));
    }

    void aDictionaryThatFailsToLoadChangesNothingAndSaysSoOnce() {
        test::WorkFolder folder;
        TForm1& form = start(folder);
        form.T3->stop();
        form.T11->stop();
        form.N24->trigger();
        QCOMPARE(boxes, QStringList{QStringLiteral("Cannot open file Base\\dictionary.dat.")});
        QVERIFY(!form.N24->isChecked());
        QVERIFY(!form.T11->isActive());
        QVERIFY(form.SpeedWord.empty());

        // Switched on, then the file goes: the mark, the timer and the words stay.
        folder.write("Base/dictionary.dat", w("привет\r\n"));
        form.N24->trigger();
        QVERIFY(form.N24->isChecked());
        folder.remove("Base/dictionary.dat");
        boxes.clear();
        form.T11->start();
        form.N24->trigger();
        QCOMPARE(boxes.size(), 1);
        QVERIFY(form.N24->isChecked());
        QVERIFY(form.T11->isActive());
        QCOMPARE(form.SpeedWord.size(), 1u);
        QTest::qWait(100);
        QCOMPARE(boxes.size(), 1);
    }

    void upperCasingReachesEveryLetterOfTheCodePage() {
        test::WorkFolder folder;
        folder.write("Base/Words.dat", w("База\r\nЇЖАК І ЄНОТ.^Так, їжак.;\r\n"));
        TForm1& form = start(folder);
        random.draws = {1, 0, 1};
        say(form, QStringLiteral("їжак і єнот"));
        QCOMPARE(form.RE1->lineText(1), QStringLiteral("Так, їжак."));
    }
};

QTEST_MAIN(InputAidsTest)
#include "InputAidsTest.moc"
