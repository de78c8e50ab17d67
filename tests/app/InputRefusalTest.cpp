#include "WorkFolder.h"
#include "app/PhraseEdit.h"

#include <QClipboard>
#include <QLabel>
#include <QtTest>

using namespace orlevan;

class InputRefusalTest : public QObject {
    Q_OBJECT

private slots:
    void typedCharactersOutsideTheCodePageAreNotInserted() {
        PhraseEdit input;
        test::typeText(&input, QStringLiteral("при日вет"));
        int changes = 0;
        connect(&input, &PhraseEdit::phraseChanged, [&changes] { ++changes; });
        test::typeText(&input, QString::fromUcs4(U"\U0001F600"));
        QCOMPARE(changes, 0);
        test::typeText(&input, QStringLiteral(" ёж №5 «ок» €"));
        QCOMPARE(input.text(), QStringLiteral("привет ёж №5 «ок» €"));
    }

    // What the line refuses is named in a note at the line, without a box,
    // until the line next changes.
    void aRefusedCharacterIsNamedUntilTheLineNextChanges() {
        struct Case {
            QString given;
            bool pasted;
            QString kept;
            QString note;
        };
        const QList<Case> cases = {
            {QString::fromUcs4(U"\U0001F600"), false, QString(),
             QStringLiteral("Символ «😀» (U+1F600) не входит в кодировку Windows-1251 и убран.")},
            {QString::fromUcs4(U"\U0001F600 смайлик \U0001F389"), true, QStringLiteral(" смайлик "),
             QStringLiteral("Символы «😀» (U+1F600), «🎉» (U+1F389) не входят в кодировку "
                            "Windows-1251 и убраны.")},
            {QStringLiteral("日日本語中文!"), true, QStringLiteral("!"),
             QStringLiteral("Символы «日» (U+65E5), «本» (U+672C), «語» (U+8A9E) и ещё 2 не "
                            "входят в кодировку Windows-1251 и убраны.")},
            {QStringLiteral("раз\tдва\nтри"), true, QStringLiteral("раздватри"),
             QStringLiteral("Управляющие символы (табуляция, перевод строки) во фразе не "
                            "хранятся и убраны.")},
        };
        for (const Case& c : cases) {
            QWidget window;
            auto* input = new PhraseEdit(&window);
            input->move(0, 40);
            window.show();
            if (c.pasted) {
                QApplication::clipboard()->setText(c.given);
                input->paste();
            } else {
                test::typeText(input, c.given);
            }
            QCOMPARE(input->text(), c.kept);
            const auto* note = window.findChild<QLabel*>(QStringLiteral("InputNote"));
            QVERIFY(note && note->isVisible());
            QCOMPARE(note->text(), c.note);
            test::typeText(input, QStringLiteral("а"));
            QVERIFY(!note->isVisible());
        }
    }

    void aPasteKeepsItsRepresentableCharactersAndTheCursor() {
        PhraseEdit input;
        input.setText(QStringLiteral("начало конец"));
        input.setCursorPosition(7);
        QApplication::clipboard()->setText(QString::fromUcs4(U"д\U0001F600а 日 Ѳ!\tx"));
        input.paste();
        QCOMPARE(input.text(), QStringLiteral("начало да  !xконец"));
        QCOMPARE(input.cursorPosition(), 7 + 6);
    }

    void theLineHoldsAtMost255Characters() {
        PhraseEdit input;
        test::typeText(&input, QString(300, u'я'));
        QCOMPARE(input.text().size(), 255);
    }

    void aPasteAtTheLimitKeepsWhatFitsWhereItWasPut() {
        PhraseEdit input;
        input.setText(QString(253, u'я'));
        input.setCursorPosition(10);
        QApplication::clipboard()->setText(QStringLiteral("абвгд"));
        QTest::keyClick(&input, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(input.text(), QString(10, u'я') + QStringLiteral("аб") + QString(243, u'я'));
        QCOMPARE(input.cursorPosition(), 12);
    }

    // The on-screen keyboard and F5 append without regard to the limit;
    // typing then adds nothing, and a refused key is no change of the line.
    void theProgramMayGoPastTheLimitButTypingMayNot() {
        PhraseEdit input;
        int changes = 0;
        connect(&input, &PhraseEdit::phraseChanged, [&changes] { ++changes; });
        input.setText(QString(254, u'я'));
        test::typeText(&input, QStringLiteral("абв"));
        QCOMPARE(input.text(), QString(254, u'я') + QStringLiteral("а"));
        QCOMPARE(changes, 2);
        input.setText(input.text() + QStringLiteral("ещё"));
        QCOMPARE(input.text().size(), 258);
        test::typeText(&input, QStringLiteral("x"));
        QCOMPARE(input.text().size(), 258);
        QCOMPARE(changes, 3);
        input.backspace();
        test::typeText(&input, QStringLiteral("x"));
        QCOMPARE(input.text(), QString(254, u'я') + QStringLiteral("аещ"));
    }
};

QTEST_MAIN(InputRefusalTest)
#include "InputRefusalTest.moc"
