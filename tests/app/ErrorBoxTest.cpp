#include "app/ErrorBox.h"

#include "platform/kb/DamagedFiles.h"
#include "platform/system/Failure.h"

#include <QTimer>
#include <QtTest>

using namespace orlevan;

class ErrorBoxTest : public QObject {
    Q_OBJECT

    QStringList shown;
    QStringList captions;

    DamagedFiles damaged;

    ErrorBox box() {
        return ErrorBox(nullptr, damaged, [this](const QString& caption, const QString& text) {
            captions << caption;
            shown << text;
        });
    }

private slots:
    void init() {
        QApplication::setApplicationName(QStringLiteral("Orlevan"));
        shown.clear();
        captions.clear();
    }

    void eachFailedClickShowsItsMessageEndingInAFullStop() {
        ErrorBox errors = box();
        bool after = false;
        errors.run([&] {
            throw Failure::cannotOpen("Base\\Pause.Dat");
            after = true;
        });
        errors.run([] { throw Failure::cannotOpen("Base\\Pause.Dat"); });
        errors.run([] { throw Failure("Already ends."); });
        errors.run([] {});
        QCOMPARE(shown, (QStringList{QStringLiteral("Cannot open file Base\\Pause.Dat."),
                                     QStringLiteral("Cannot open file Base\\Pause.Dat."),
                                     QStringLiteral("Already ends.")}));
        QCOMPARE(captions, QStringList(3, QStringLiteral("Orlevan")));
        QVERIFY(!after);
    }

    void aRussianFileNameReadsAsItIsSpelled() {
        ErrorBox errors = box();
        errors.run([] { throw Failure::cannotOpen("\xD4\xE0\xE9\xEB.txt"); });
        QCOMPARE(shown, QStringList{QStringLiteral("Cannot open file Файл.txt.")});
    }

    void aMessageHoldingANulIsShownWhole() {
        ErrorBox errors = box();
        errors.run([] { throw Failure::notInteger(std::string("12") + '\0' + " 34"); });
        QCOMPARE(shown, QStringList{QStringLiteral("'12^@ 34' is not a valid integer value.")});
    }

    void aDamagedFileIsToldOnceAfterTheHandlerThatFoundIt() {
        ErrorBox errors = box();
        const auto findDamage = [this] {
            damaged.loaded("/w/Base/Words.dat", "Base\\Words.dat", FileDamage::CutShort);
        };
        errors.run([&] {
            findDamage();
            throw Failure::cannotOpen("Base\\W1.Dat");
        });
        errors.run(findDamage);
        QCOMPARE(shown.size(), 2);
        QVERIFY(shown[0].startsWith(QStringLiteral("File Base\\Words.dat is cut short:")));
        QVERIFY(shown[0].endsWith(u'.'));
        QCOMPARE(shown[1], QStringLiteral("Cannot open file Base\\W1.Dat."));
    }

    void aTimerThatFailsOnEveryTickShowsOneBox() {
        ErrorBox errors = box();
        QTimer timer;
        int ticks = 0;
        bool failing = true;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            ++ticks;
            errors.runTick(&timer, [&] {
                if (failing) {
                    throw Failure::cannotOpen("Base\\Pause.Dat");
                }
            });
        });
        timer.start(1);
        QTRY_VERIFY(ticks >= 20);
        QCOMPARE(shown.size(), 1);

        // Once a tick succeeds, the next failure is news again.
        failing = false;
        const int before = ticks;
        QTRY_VERIFY(ticks > before + 2);
        failing = true;
        QTRY_COMPARE(shown.size(), 2);
        QTest::qWait(30);
        QCOMPARE(shown.size(), 2);
    }

    void twoTimersFailingAlikeEachShowOnce() {
        ErrorBox errors = box();
        QTimer first;
        QTimer second;
        for (int i = 0; i < 5; ++i) {
            errors.runTick(&first, [] { throw Failure::cannotOpen("Base\\X.Dat"); });
            errors.runTick(&second, [] { throw Failure::cannotOpen("Base\\X.Dat"); });
        }
        QCOMPARE(shown.size(), 2);
        // A path typed letter by letter fails with a new name each tick: one cause.
        for (const char* typed : {"/t", "/tm", "/tmp/s", "/tmp/sh"}) {
            errors.runTick(&first, [typed] { throw Failure::cannotOpen(typed); });
        }
        QCOMPARE(shown.size(), 2);
        errors.runTick(&first, [] { throw Failure::notInteger("x"); });
        QCOMPARE(shown.size(), 3); // a different cause of the same timer is shown
    }
};

QTEST_MAIN(ErrorBoxTest)
#include "ErrorBoxTest.moc"
