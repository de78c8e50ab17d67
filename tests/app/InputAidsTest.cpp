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
        ui.T3->stop();
        ui.T8->stop();
        QApplication::setActiveWindow(&form);
        if (!QTest::qWaitForWindowActive(&form)) {
            qWarning("the window did not become active");
        }
        ui.Input->setFocus();
        return form;
    }

    // Completion switched on over `words` (one per line, as in the file).
    void switchOnCompletion(const test::WorkFolder& folder, const char* words) const {
        folder.write("Base/dictionary.dat", w(words));
        ui.N24->trigger();
        QVERIFY(ui.N24->isChecked());
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
        QCOMPARE(ui.Input->text(), QStringLiteral("ghbdtn"));
        test::tick(ui.T1);
        const int clicks = ui.MP1->timesPlayed();
        ui.EnRus->click();
        QCOMPARE(ui.Input->text(), QStringLiteral("привет"));
        QCOMPARE(ui.MP3->timesPlayed(), 1);
        QCOMPARE(ui.MP1->timesPlayed(), clicks + 1); // one change, one key sound

        // Nothing left to convert: the sound, but no change of the line.
        ui.EnRus->click();
        QCOMPARE(ui.MP3->timesPlayed(), 2);
        QCOMPARE(ui.MP1->timesPlayed(), clicks + 1);

        ui.Input->setText(QStringLiteral("<elen"));
        QTest::keyClick(form.windowHandle(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(ui.Input->text(), QStringLiteral("будут"));
        QCOMPARE(ui.MP3->timesPlayed(), 3);

        // An empty line: Ctrl+S still sounds (the button is off, the command is not).
        ui.Input->clear();
        test::tick(ui.T1);
        QVERIFY(!ui.EnRus->isEnabled());
        QTest::keyClick(form.windowHandle(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(ui.MP3->timesPlayed(), 4);
        QVERIFY(ui.Input->text().isEmpty());
        QVERIFY(boxes.isEmpty());
    }

    void theDigitRowSignsConvertAndASemicolonCostsTheLine() {
        test::WorkFolder folder;
        start(folder);
        ui.Input->setText(QStringLiteral("Ц@#$^&"));
        ui.N36->trigger();
        QCOMPARE(ui.Input->text(), QStringLiteral("Ц\"№;:?"));
        ui.N36->trigger();
        QCOMPARE(ui.Input->text(), QStringLiteral("ЦЭ№жЖ?"));

        ui.Input->setText(QStringLiteral("цена 5$"));
        ui.N36->trigger();
        for (int tick = 0; tick < 7 && !ui.Input->text().isEmpty(); ++tick) {
            test::tick(ui.T5);
        }
        QVERIFY(ui.Input->text().isEmpty());
        QVERIFY(!ui.RE1->isEnabled());
    }

    void theGuardClearsTheWholeLineWhereverAReservedCharacterStands() {
        for (const QString& text :
             {QStringLiteral("а^б"), QStringLiteral("а_б"), QStringLiteral("а;б"),
              QStringLiteral("почта@дом"), QStringLiteral("^")}) {
            test::WorkFolder folder;
            start(folder);
            ui.T5->setProperty("Tag", 2); // wherever the scan stands
            ui.Input->setText(text);
            const int clicks = ui.MP1->timesPlayed();
            for (int tick = 0; tick < text.size(); ++tick) {
                test::tick(ui.T5);
            }
            QVERIFY2(ui.Input->text().isEmpty(), qPrintable(text));
            QVERIFY(!ui.RE1->isEnabled());
            QCOMPARE(ui.MP1->timesPlayed(), clicks + 1);
            // The pane still takes the program's lines.
            ui.RE1->appendLine(QStringLiteral("Строка."));
            QCOMPARE(ui.RE1->lineCount(), 1);
        }
    }

    void theGuardLeavesOtherTextAloneAndRestartsOnAShorterLine() {
        test::WorkFolder folder;
        start(folder);
        ui.Input->setText(QStringLiteral("Привет, как дела? 100% «да»!"));
        for (int tick = 0; tick < 100; ++tick) {
            test::tick(ui.T5);
        }
        QCOMPARE(ui.Input->text(), QStringLiteral("Привет, как дела? 100% «да»!"));
        QVERIFY(ui.RE1->isEnabled());

        // The scan stood far along a long line; the line is now one character.
        ui.T5->setProperty("Tag", 200);
        ui.Input->setText(QStringLiteral("_"));
        test::tick(ui.T5);
        QVERIFY(ui.Input->text().isEmpty());
        QCOMPARE(ui.T5->property("Tag").toInt(), 1);

        // And on the event loop: typed at the end, found within the line's length in ticks.
        ui.RE1->setEnabled(true);
        ui.Input->setText(QStringLiteral("abc^"));
        QTRY_VERIFY(ui.Input->text().isEmpty());
        QVERIFY(!ui.RE1->isEnabled());
    }

    void theCompletionTimerTicksWhileTheStateTimerPolls() {
        test::WorkFolder folder;
        start(folder);
        ui.T3->stop();
        switchOnCompletion(folder, "привет\r\n");
        // The input is empty: every tick of T1 switches T11 on, and T11 must
        // still get to tick and put "[NONE]" over whatever the panel shows.
        QVERIFY(ui.T1->isActive());
        ui.SB1[0]->setText(QStringLiteral("привет"));
        QTRY_COMPARE(ui.SB1[0]->text(), QStringLiteral("[NONE]"));
        ui.SB1[0]->setText(QStringLiteral("привет"));
        QTRY_COMPARE(ui.SB1[0]->text(), QStringLiteral("[NONE]"));
    }

    void aWordIsOfferedWhileTypingAndF5CompletesIt() {
        test::WorkFolder folder;
        TForm1& form = activeStart(folder);
        switchOnCompletion(folder, "ПРИВЕТ\r\nпока\r\nпривал\r\nприходи\r\n");
        // Each key shows the entry the hook reached at once; the search
        // that follows puts its find over it.
        ui.T11->setInterval(200);
        const auto offered = [this] {
            if (!QTest::qWaitFor([this] { return !ui.T11->isActive(); })) {
                return QStringLiteral("(no search)");
            }
            return ui.SB1[0]->text();
        };
        typeInto(form.windowHandle(), QStringLiteral("При"));
        QCOMPARE(offered(), QStringLiteral("ПРИВЕТ"));
        QCOMPARE(form.completion().TypedFragment, w("При"));
        QCOMPARE(form.completion().CompletionTail, w("ВЕТ"));
        QTRY_VERIFY(ui.N23->isEnabled());

        QTest::keyClick(form.windowHandle(), Qt::Key_F5);
        QCOMPARE(ui.Input->text(), QStringLiteral("Привет"));
        // The hook saw F5 before its command changed the line.
        QCOMPARE(form.completion().CandidateIndex, -1);
        QVERIFY(ui.T11->isActive());

        // The next word. Down shows the next entry at once and passes over a
        // match; when no entry after is left, the next search starts at entry 0.
        typeInto(form.windowHandle(), QStringLiteral(" пр"));
        QCOMPARE(offered(), QStringLiteral("ПРИВЕТ"));
        QTest::keyClick(form.windowHandle(), Qt::Key_Down);
        QCOMPARE(ui.SB1[0]->text(), QStringLiteral("пока")); // entry 1, at once
        QCOMPARE(offered(), QStringLiteral("привал"));
        QTest::keyClick(form.windowHandle(), Qt::Key_Up);
        QCOMPARE(ui.SB1[0]->text(), QStringLiteral("ПРИВЕТ")); // entry 0, at once
        QCOMPARE(offered(), QStringLiteral("привал"));         // entry 1 does not match
        QTest::keyClick(form.windowHandle(), Qt::Key_Down);
        QCOMPARE(ui.SB1[0]->text(), QStringLiteral("приходи"));
        QCOMPARE(offered(), QStringLiteral("[NONE]")); // no wrap
        typeInto(form.windowHandle(), QStringLiteral("и"));
        QCOMPARE(offered(), QStringLiteral("ПРИВЕТ"));
        QTRY_VERIFY(ui.N23->isEnabled());
        QTest::keyClick(form.windowHandle(), Qt::Key_F5);
        QCOMPARE(ui.Input->text(), QStringLiteral("Привет привет"));

        // A separator at the end offers nothing, and F5 is off.
        typeInto(form.windowHandle(), QStringLiteral("!"));
        QCOMPARE(offered(), QStringLiteral("[NONE]"));
        QTRY_VERIFY(!ui.N23->isEnabled());
        QVERIFY(boxes.isEmpty());
    }

    void everyKeyDownPassesTheHookOnceShortcutsIncluded() {
        test::WorkFolder folder;
        TForm1& form = activeStart(folder);
        switchOnCompletion(folder, "а\r\nб\r\nв\r\nг\r\nд\r\nе\r\n");
        // Only the hook moves the index here: the search waits.
        ui.T11->setInterval(60'000);
        QWindow* window = form.windowHandle();

        // Up as often as it takes to reach the first entry, then Down.
        const auto reachSecondEntry = [&] {
            for (int step = 0; step < 3; ++step) {
                QTest::keyClick(window, Qt::Key_Up);
            }
            QTest::keyClick(window, Qt::Key_Down);
            QCOMPARE(form.completion().CandidateIndex, 1);
        };
        reachSecondEntry();

        // Down and Up made window commands: the key goes to its shortcut,
        // and the hook still steps once for it.
        auto* down = new QAction(&form);
        down->setShortcut(QKeySequence(Qt::Key_Down));
        form.addAction(down);
        auto* up = new QShortcut(QKeySequence(Qt::Key_Up), &form);
        QSignalSpy downs(down, &QAction::triggered);
        QSignalSpy ups(up, &QShortcut::activated);
        QTest::keyClick(window, Qt::Key_Down);
        QCOMPARE(downs.count(), 1);
        QCOMPARE(form.completion().CandidateIndex, 2);
        QTest::keyClick(window, Qt::Key_Up);
        QCOMPARE(ups.count(), 1);
        QCOMPARE(form.completion().CandidateIndex, 0);
        delete down;
        delete up;

        // A plain key that the input line takes: one step.
        reachSecondEntry();
        QTest::keyClick(window, Qt::Key_Down);
        QCOMPARE(form.completion().CandidateIndex, 2);

        // Enter, F5, Ctrl+S and Ctrl+Z are commands; each still shows the entry reached.
        for (const QKeyCombination keys :
             {QKeyCombination(Qt::Key_Return), QKeyCombination(Qt::Key_F5),
              QKeyCombination(Qt::CTRL | Qt::Key_S), QKeyCombination(Qt::CTRL | Qt::Key_Z)}) {
            for (int step = 0; step < 3; ++step) {
                QTest::keyClick(window, Qt::Key_Up);
            }
            ui.SB1[0]->clear();
            ui.T11->stop();
            QTest::keyClick(window, keys.key(), keys.keyboardModifiers());
            QCOMPARE(form.completion().CandidateIndex, 0);
            QCOMPARE(ui.SB1[0]->text(), QStringLiteral("а"));
            QVERIFY(ui.T11->isActive());
        }
    }

    void linesTheInputCannotHoldAreNeverOffered() {
        test::WorkFolder folder;
        TForm1& form = activeStart(folder);
        switchOnCompletion(folder, "\r\nпри\tвет\r\nпри\x01\r\nпривет\r\n");
        QCOMPARE(form.dictionary().size(), 4u);
        typeInto(form.windowHandle(), QStringLiteral("при"));
        QTRY_VERIFY(!ui.T11->isActive());
        QCOMPARE(ui.SB1[0]->text(), QStringLiteral("привет"));
        QCOMPARE(form.completion().CandidateIndex, 3);
        QTRY_VERIFY(ui.N23->isEnabled());
        QTest::keyClick(form.windowHandle(), Qt::Key_F5);
        QCOMPARE(ui.Input->text(), QStringLiteral("привет"));
    }

    void aDictionaryThatFailsToLoadChangesNothingAndSaysSoOnce() {
        test::WorkFolder folder;
        TForm1& form = start(folder);
        ui.T3->stop();
        ui.T11->stop();
        ui.N24->trigger();
        QCOMPARE(boxes, QStringList{QStringLiteral("Cannot open file Base\\dictionary.dat.")});
        QVERIFY(!ui.N24->isChecked());
        QVERIFY(!ui.T11->isActive());
        QVERIFY(form.dictionary().empty());

        // Switched on, then the file goes: the mark, the timer and the words stay.
        folder.write("Base/dictionary.dat", w("привет\r\n"));
        ui.N24->trigger();
        QVERIFY(ui.N24->isChecked());
        folder.remove("Base/dictionary.dat");
        boxes.clear();
        ui.T11->start();
        ui.N24->trigger();
        QCOMPARE(boxes.size(), 1);
        QVERIFY(ui.N24->isChecked());
        QVERIFY(ui.T11->isActive());
        QCOMPARE(form.dictionary().size(), 1u);
        QTest::qWait(100);
        QCOMPARE(boxes.size(), 1);
    }

    void upperCasingReachesEveryLetterOfTheCodePage() {
        test::WorkFolder folder;
        folder.write("Base/Words.dat", w("База\r\nЇЖАК І ЄНОТ.^Так, їжак.;\r\n"));
        start(folder);
        random.draws = {1, 0, 1};
        say(QStringLiteral("їжак і єнот"));
        QCOMPARE(ui.RE1->lineText(1), QStringLiteral("Так, їжак."));
    }
};

QTEST_MAIN(InputAidsTest)
#include "InputAidsTest.moc"
