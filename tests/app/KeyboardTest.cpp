#include "WorkFolder.h"
#include "app/DialogPane.h"
#include "app/PhraseEdit.h"
#include "app/Program.h"
#include "platform/format/Cp1251.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace orlevan;
using test::w;

// The on-screen keyboard TForm4 over the main window it types into.
class KeyboardTest : public QObject, test::WindowSession {
    Q_OBJECT

    // A run with its main window shown (the knowledge base not counted); its keyboard.
    TForm4& keyboardOf(const test::WorkFolder& folder) {
        start(folder);
        ui.T3->stop();
        return program->form4;
    }

    static void click(TForm4& keyboard, const char* key) {
        QToolButton* button = keyboard.key(key);
        QVERIFY2(button, key);
        button->click();
    }

private slots:
    void init() {
        boxes.clear();
        random = test::ScriptedRandom();
    }

    void theKeysStandAsDesignedAndTakeNoFocus() {
        test::WorkFolder folder;
        TForm4& keyboard = keyboardOf(folder);
        QCOMPARE(keyboard.windowTitle(), QStringLiteral("Виртуальная клавиатура"));
        QVERIFY(!keyboard.isVisible());
        QVERIFY(!(keyboard.windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(keyboard.GroupBox1->parentWidget()->size(), QSize(353, 145));
        QCOMPARE(keyboard.GroupBox1->geometry(), QRect(3, 3, 305, 57));
        QCOMPARE(keyboard.GroupBox2->geometry(), QRect(3, 60, 305, 57));
        QCOMPARE(keyboard.GroupBox1->title(), QStringLiteral("Знаки:"));
        QCOMPARE(keyboard.GroupBox2->title(), QStringLiteral("Буквы:"));

        const QList<QToolButton*> signs = keyboard.GroupBox1->findChildren<QToolButton*>();
        const QList<QToolButton*> letters = keyboard.GroupBox2->findChildren<QToolButton*>();
        QCOMPARE(signs.size(), 27);
        QCOMPARE(letters.size(), 33);
        QCOMPARE(keyboard.key("SB4")->geometry(), QRect(25, 16, 16, 17));
        QCOMPARE(keyboard.key("SB65")->geometry(), QRect(25 + 16 * 15, 16, 16, 17));
        QCOMPARE(keyboard.key("SB28")->geometry(), QRect(65, 33, 16, 17));
        QCOMPARE(keyboard.key("SB26")->geometry(), QRect(65 + 16 * 10, 33, 16, 17));
        QCOMPARE(keyboard.key("SB29")->geometry(), QRect(8, 16, 17, 17));
        QCOMPARE(keyboard.key("SB45")->geometry(), QRect(8 + 17 * 16, 16, 17, 17));
        QCOMPARE(keyboard.key("SB46")->geometry(), QRect(16, 33, 17, 17));
        QCOMPARE(keyboard.key("SB61")->geometry(), QRect(16 + 17 * 15, 33, 17, 17));
        QCOMPARE(keyboard.SB62->geometry(), QRect(310, 9, 41, 50));
        QCOMPARE(keyboard.SB66->geometry(), QRect(310, 65, 41, 51));
        QCOMPARE(keyboard.SB23->geometry(), QRect(26, 119, 134, 22));
        QCOMPARE(keyboard.SB63->geometry(), QRect(161, 119, 123, 22));
        QCOMPARE(keyboard.key("SB7")->text(), QStringLiteral("&&"));
        QCOMPARE(keyboard.key("SB35")->text(), QStringLiteral("Ё"));
        QCOMPARE(keyboard.SB63->text(), QStringLiteral("Caps Lock [не нажат]"));
        for (QToolButton* key : keyboard.findChildren<QToolButton*>()) {
            QCOMPARE(key->focusPolicy(), Qt::NoFocus);
            QVERIFY(key->autoRaise());
        }
        QCOMPARE(keyboard.N3->shortcut(), QKeySequence(Qt::Key_F5));
        // Polling from start-up, while still hidden.
        QVERIFY(keyboard.T1->isActive());
    }

    void openingHandsOverTheCompletionAndTheMainWindowsInput() {
        test::WorkFolder folder;
        TForm4& keyboard = keyboardOf(folder);
        TForm1& form = program->form1;
        keyboard.N2->trigger(); // closed once: its polling now runs only while it is open
        QVERIFY(!keyboard.T1->isActive());

        // The completion standing: "ВЕТ" after "При".
        folder.write("Base/dictionary.dat", w("ПРИВЕТ\r\n"));
        ui.N24->trigger();
        ui.Input->setText(QStringLiteral("При"));
        test::tick(ui.T11);
        QCOMPARE(form.completion().CompletionTail, w("ВЕТ"));
        ui.N22->trigger();
        QCOMPARE(program->keyboardLink.handedOver(), QStringLiteral("ВЕТ"));
        // The default button keeps its caption: the hand-over is no text of a widget.
        QCOMPARE(ui.Talk->text(), QStringLiteral("<ENTER> (Для кнопки сказать)"));
        QVERIFY(!ui.T1->isActive());
        QVERIFY(!form.isEnabled());
        QVERIFY(keyboard.isVisible() && keyboard.isEnabled());
        QVERIFY(keyboard.T1->isActive());

        keyboard.N2->trigger();
        QVERIFY(!keyboard.T1->isActive());
        QVERIFY(ui.T1->isActive());
        QVERIFY(form.isEnabled());
        QVERIFY(!keyboard.isVisible());

        // The closing animation closes it the same way.
        ui.N22->trigger();
        test::tick(ui.T4);
        QVERIFY(!keyboard.isVisible() && !keyboard.T1->isActive());
        QVERIFY(form.isEnabled() && ui.T1->isActive());

        // In the Cpu\Cpu mode the state timer is off; closing turns it on all the same.
        ui.Cpu31->trigger();
        ui.T1->stop();
        ui.N22->trigger();
        keyboard.N2->trigger();
        QVERIFY(ui.T1->isActive());
    }

    void capsLockChoosesSmallOrCapitalLettersAndPersists() {
        test::WorkFolder folder;
        TForm4& keyboard = keyboardOf(folder);
        ui.N22->trigger();
        const int clicks = ui.MP1->timesPlayed();
        for (const char* key : {"SB29", "SB30", "SB31", "SB35"}) {
            click(keyboard, key);
        }
        QCOMPARE(ui.Input->text(), QStringLiteral("абвё"));
        QCOMPARE(fromQtBytes(ui.Input->text()).back(), '\xB8');
        click(keyboard, "SB63");
        QCOMPARE(keyboard.CapsState, 1);
        QCOMPARE(keyboard.SB63->text(), QStringLiteral("Caps Lock [нажат]"));
        for (const char* key : {"SB29", "SB30", "SB31", "SB35", "SB61"}) {
            click(keyboard, key);
        }
        QCOMPARE(ui.Input->text(), QStringLiteral("абвёАБВЁЯ"));
        QCOMPARE(ui.MP1->timesPlayed(), clicks + 9); // one key sound per key

        // Signs and the space ignore it.
        click(keyboard, "SB7");
        click(keyboard, "SB23");
        click(keyboard, "SB24");
        QCOMPARE(ui.Input->text(), QStringLiteral("абвёАБВЁЯ& \""));

        // Closed and opened again, the keyboard still gives capitals.
        keyboard.N2->trigger();
        ui.N22->trigger();
        click(keyboard, "SB46");
        QCOMPARE(ui.Input->text().back(), QChar(u'Р'));
        click(keyboard, "SB63");
        QCOMPARE(keyboard.CapsState, 0);
        QCOMPARE(keyboard.SB63->text(), QStringLiteral("Caps Lock [не нажат]"));
        click(keyboard, "SB46");
        QCOMPARE(ui.Input->text().back(), QChar(u'р'));
    }

    void backspaceDeletesTheLastCharacterAndIsOffOnAnEmptyLine() {
        test::WorkFolder folder;
        TForm4& keyboard = keyboardOf(folder);
        ui.N22->trigger();
        ui.Input->setText(QStringLiteral("да"));
        keyboard.T1Timer();
        QVERIFY(keyboard.SB62->isEnabled() && keyboard.SB66->isEnabled());
        keyboard.SB62->click();
        QCOMPARE(ui.Input->text(), QStringLiteral("д"));
        keyboard.SB62->click();
        QVERIFY(ui.Input->text().isEmpty());
        keyboard.T1Timer();
        QVERIFY(!keyboard.SB62->isEnabled() && !keyboard.SB66->isEnabled());
        const int clicks = ui.MP1->timesPlayed();
        keyboard.SB62Click();
        QCOMPARE(ui.MP1->timesPlayed(), clicks);

        // The line's limit is the typist's; the keyboard's keys go past it.
        ui.Input->setText(QString(255, u'я'));
        click(keyboard, "SB29");
        QCOMPARE(ui.Input->text().size(), 256);
    }

    void aWholePhraseTypedOnTheKeyboardIsSentWithEnter() {
        test::WorkFolder folder;
        TForm4& keyboard = keyboardOf(folder);
        ui.N22->trigger();
        click(keyboard, "SB63");
        click(keyboard, "SB40"); // К
        click(keyboard, "SB63");
        for (const char* key : {"SB29", "SB40", "SB23", "SB33", "SB34", "SB41", "SB29", "SB22"}) {
            click(keyboard, key);
        }
        QCOMPARE(ui.Input->text(), QStringLiteral("Как дела?"));
        // The main window's Speak is off while its state timer is; [Enter] speaks all the same.
        QVERIFY(!ui.Speak->isEnabled());
        keyboard.T1Timer();
        random.draws = {1, 0, 1};
        keyboard.SB66->click();
        QCOMPARE(ui.RE1->lineText(0), QStringLiteral("Как дела?"));
        QCOMPARE(ui.RE1->lineText(1), QStringLiteral("Хорошо."));
        QVERIFY(ui.Input->text().isEmpty());
        QVERIFY(boxes.isEmpty());
    }

    void f5AppendsTheCompletionThatStoodWhenTheKeyboardOpened() {
        test::WorkFolder folder;
        folder.write("Base/dictionary.dat", w("ПРИВЕТ\r\nпрям\r\n"));
        TForm4& keyboard = keyboardOf(folder);
        ui.N24->trigger();
        ui.Input->setText(QStringLiteral("При"));
        test::tick(ui.T11);
        QCOMPARE(ui.SB1[0]->text(), QStringLiteral("ПРИВЕТ"));
        ui.N22->trigger();

        // Completion goes on while the keyboard is open; the hand-over text does not.
        keyboard.T1Timer();
        click(keyboard, "SB62");
        click(keyboard, "SB61"); // я
        test::tick(ui.T11);
        QCOMPARE(ui.SB1[0]->text(), QStringLiteral("прям"));
        keyboard.T1Timer();
        QVERIFY(ui.N23->isEnabled());
        ui.T11->stop();
        ui.T11->setInterval(60'000); // switched on by F5, it must not tick and stop meanwhile
        QApplication::setActiveWindow(&keyboard);
        QVERIFY(QTest::qWaitForWindowActive(&keyboard));
        QTest::keyClick(keyboard.windowHandle(), Qt::Key_F5);
        QCOMPARE(ui.Input->text(), QStringLiteral("Прявет"));
        QVERIFY(ui.T11->isActive());

        // It is never off, even when nothing is offered.
        ui.SB1[0]->setText(QStringLiteral("[NONE]"));
        keyboard.T1Timer();
        QVERIFY(!ui.N23->isEnabled());
        QVERIFY(keyboard.N3->isEnabled());
        keyboard.N3->trigger();
        QCOMPARE(ui.Input->text(), QStringLiteral("Пряветвет"));
    }

private:
    static std::string fromQtBytes(const QString& text) {
        return cp1251::fromUtf8(text.toStdString());
    }
};

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
