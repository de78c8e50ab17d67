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
        test::typeText(&input, QString::fromUcs4(U"\U0001F600"));
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
};

QTEST_MAIN(InputRefusalTest)
#include "InputRefusalTest.moc"
