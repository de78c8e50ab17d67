#include "PhraseEdit.h"
#include "WorkFolder.h"

#include <QClipboard>
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
