// Two real copies of the program talk through one shared file, each reading
// it on its own timer, and leave by the menu with both dialogues in their logs.

#include "platform/format/TextLines.h"
#include "platform/kb/PhraseList.h"
#include "platform/system/Folder.h"
#include "support/TestSupport.h"

#include <QProcess>
#include <QtTest>
#include <filesystem>

using namespace orlevan;
namespace fs = std::filesystem;

class PartnerConversationTest : public QObject {
    Q_OBJECT

    // A copy of the shipped working folder without the intro, and without
    // farewells, so that neither side leaves before the other.
    static void prepare(const fs::path& folder) {
        fs::copy(ORLEVAN_DATA, folder, fs::copy_options::recursive);
        const Folder working(folder);
        auto settings = splitTextLines(working.read("Config.ini"));
        settings[2] = "Intro=No";
        working.write("Config.ini", joinTextLines(settings));
        PhraseList base;
        base.load(working, "Base\\Words.dat");
        for (int line = 1; line < base.count(); ++line) {
            const std::string_view text = base.line(line);
            if (!text.empty() && text.back() == '@') {
                base.replace(line, text.substr(0, text.size() - 1));
            }
        }
        base.save(working, "Base\\Words.dat");
    }

    static int turnsLogged(const fs::path& folder) {
        PhraseList log;
        log.load(Folder(folder), "Base\\Log.Ludvar");
        int turns = 0;
        for (const auto& line : log.lines()) {
            turns += line.find("USER:") != std::string::npos;
        }
        const auto lines = log.lines();
        return lines.size() > 2 && lines.back() == std::string(53, '=') ? turns : -1;
    }

private slots:
    void twoCopiesTalkThroughOneFile() {
        test::ScratchFolder scratch;
        const fs::path a = scratch.path() / "a";
        const fs::path b = scratch.path() / "b";
        prepare(a);
        prepare(b);
        const fs::path shared = scratch.path() / "shared.txt";
        scratch.write("shared.txt", test::w("Привет! Как дела?\r\n"));

        constexpr int kTurns = 22;
        QList<QProcess*> copies;
        for (const auto& [folder, interval] : {std::pair(a, 70), std::pair(b, 110)}) {
            auto* copy = new QProcess(this);
            copy->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            copy->start(QStringLiteral(ORLEVAN_PARTNER_COPY),
                        {QString::fromStdString(folder.string()),
                         QString::fromStdString(shared.string()), QString::number(interval),
                         QString::number(kTurns)});
            copies << copy;
        }
        for (QProcess* copy : copies) {
            QVERIFY(copy->waitForFinished(90'000));
            QCOMPARE(copy->exitStatus(), QProcess::NormalExit);
            QCOMPARE(copy->exitCode(), 0);
        }
        QVERIFY(turnsLogged(a) >= kTurns);
        QVERIFY(turnsLogged(b) >= kTurns);
    }
};

QTEST_GUILESS_MAIN(PartnerConversationTest)
#include "PartnerConversationTest.moc"
