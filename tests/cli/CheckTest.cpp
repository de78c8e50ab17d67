#include "CliRun.h"
#include "engine/KnowledgeFiles.h"
#include "engine/Statistics.h"
#include "platform/format/Cp1251.h"
#include "platform/format/Rtf.h"
#include "platform/kb/PhraseList.h"
#include "platform/system/Random.h"

#include <gtest/gtest.h>

namespace orlevan::test {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// The check's findings: every line before the counts.
Lines findings(const CliRun& run) {
    Lines found;
    for (const auto& line : run.out) {
        if (line.starts_with("Программе известно:") || line.starts_with("No counts")) {
            break;
        }
        found.push_back(line);
    }
    return found;
}

TEST(CheckTest, TheShippedFolderIsCleanAndItsCountsAreTheWindows) {
    ScratchFolder shipped;
    fs::copy(ORLEVAN_DATA, shipped.path(), fs::copy_options::recursive);
    const CliRun run = runCli({"check", shipped.path().string()}, {}, fs::temp_directory_path());
    EXPECT_EQ(run.status, 0);

    const Folder folder(shipped.path());
    PhraseList buffer;
    SystemRandom random;
    TurnContext context{folder, buffer, random};
    const ExpressionCounts counts = countExpressions(context);
    EXPECT_EQ(run.out, (Lines{cp1251::toUtf8(phraseCountsText(countPhrases(context))),
                              "Входящие выражения:" + countSuffix(counts.incoming),
                              "Исходящие выражения:" + countSuffix(counts.outgoing),
                              "Итого:" + countSuffix(counts.total())}));
}

TEST(CheckTest, EveryKindOfProblemIsFoundWithItsLine) {
    CliFolder work;
    work.remove("Sound/CpuSound.wav");
    work.writeLines("Base/Words.dat", {
                                          "Фразы с ошибками",
                                          "ПРИВЕТ.^Привет!;",
                                          "ПОКА без крышки",
                                          "",
                                          "КАК ДЕЛА?^Хорошо.;;",
                                          "ТЫ КТО?^Я программа.;хвост",
                                          "А;Б^ответ;",
                                          "Привет.^Здравствуй!;",
                                          "___",
                                          "ДА^;хвост",
                                          "ПОКА.^До встречи!;@",
                                          std::string("ТЫ ГДЕ?^Тут") + '\0' + "там;",
                                      });
    work.remove("Base/Pause.Dat");
    const std::string collection = rtf::writeDocument({"Records", ">>> one", ">>> two"});
    work.write("Base/Collection.Dat", collection.substr(0, collection.find("two") + 1));
    work.write("Base/Begin.dat",
               "{\\rtf1 " + std::string(5000, '{') + "Hi\\par" + std::string(5000, '}') + "}");
    work.write("Base/.orlevan-save-Ab12Cd", "12345");
    work.write("Base/W1.Dat", "Не знаю.\r\n");
    work.write("Base/X.Dat", w("Не надо так.\r\nВот") + "\x98" + w("так.\r\n"));
    std::string settings = work.read("Config.ini");
    settings.replace(settings.find("MainBackColor=12632256"), 22, "MainBackColor=abc");
    settings.replace(settings.find("UserFontStyle=[]"), 16, "UserFontStyle=[Bold]");
    settings.replace(settings.find("Adres="), 6, "Address=");
    work.write("Config.ini", settings);

    const CliRun run = work.run({"check"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(
        findings(run),
        (Lines{
            "Base\\Words.dat:12: holds the control character U+0000",
            "Base\\X.Dat:2: byte 0x98, which stands for no Windows-1251 character",
            "Base\\Collection.Dat: cut short: only the lines before the cut could be read "
            "(lines read: 3)",
            "Base\\W1.Dat: saved as UTF-8, not Windows-1251: the program reads it as UTF-8 and "
            "saves it as Windows-1251 (orlevan-cli import converts it now)",
            "Base\\Begin.dat: damaged: its groups nest deeper than any editor writes (lines "
            "read: 1)",
            "Base\\Pause.Dat: missing",
            "Sound\\CpuSound.wav: missing",
            "Base\\.orlevan-save-Ab12Cd: the copy of a save that was killed (5 bytes); the "
            "program removes it when it next starts",
            "Base\\Words.dat:3: no '^' after the key",
            "Base\\Words.dat:4: empty line",
            "Base\\Words.dat:5: empty alternative (';' right after '^' or after another ';')",
            "Base\\Words.dat:6: text after the last ';' that is not the exit mark '@'",
            "Base\\Words.dat:7: ';' in the key «А;Б»",
            "Base\\Words.dat:8: lower-case letter in the key «Привет.»: such a key can "
            "never match",
            "Base\\Words.dat:9: no key after the depth marks '_'",
            "Base\\Words.dat:10: empty alternative (';' right after '^' or after another ';')",
            "Base\\Words.dat:10: text after the last ';' that is not the exit mark '@'",
            "Config.ini:7: 'abc' is not a valid integer value.",
            "Config.ini:20: «[Bold]» is no font style: [], [fsItalic], [fsBold] or "
            "[fsBold,fsItalic]",
            "Config.ini:31: the key is «Address», but the shared file's path is read from "
            "the row keyed Adres",
        }));
    // The counts are those of whatever is there; a missing reply file leaves none.
    EXPECT_EQ(run.out.back(), "No counts: Cannot open file Base\\Pause.Dat.");
}

TEST(CheckTest, ShadowedKeysAreListedWithTheLineThatAnswersThem) {
    CliFolder work;
    work.writeLines("Base/Words.dat", {
                                          "Ключи",
                                          "ПРИВЕТ^Привет!;",
                                          "ПРИВЕТ, ДРУГ.^Здравствуй, друг!;",
                                          "КАК ДЕЛА?^Хорошо.;",
                                          "_ПРИВЕТ^Ветка.;",
                                          "ДЕЛА?^Так себе.;",
                                          "ТЫ КАК ДЕЛА?^Нормально.;",
                                          "ПОКА^",
                                          "АБ^Аб.;",
                                          // "АБ" stands in "ААБ.", but the matcher misses it there.
                                          "ААБ^Ааб.;",
                                          "ПРИВЕТ^Ещё раз.;",
                                      });
    const Lines shadowed = {
        "Base\\Words.dat:3: key «ПРИВЕТ, ДРУГ.» is answered by line 2 «ПРИВЕТ»",
        "Base\\Words.dat:7: key «ТЫ КАК ДЕЛА?» is answered by line 4 «КАК ДЕЛА?»",
        "Base\\Words.dat:11: key «ПРИВЕТ» is answered by line 2 «ПРИВЕТ»",
    };
    const CliRun plain = work.run({"check"});
    const CliRun withShadowed = work.run({"check", "--shadowed"});
    EXPECT_EQ(findings(plain), Lines{});
    EXPECT_EQ(withShadowed.status, 1);
    EXPECT_EQ(findings(withShadowed), shadowed);
}

// A one-word key the key pass finds inside a longer word is listed with the
// words; a stem is listed only where it stands after a word's start, a key
// ending in punctuation only at a word's end, and branches and keys of
// several words not at all.
TEST(CheckTest, KeysInsideLongerWordsAreListedWithTheWords) {
    CliFolder work;
    work.writeLines("Base/Words.dat", {
                                          "Ключи",
                                          "ДРУГ^Друг — это важно.;",
                                          "_ДРУГ^Ветка.;",
                                          "БЕССОННИЦ^Не спится?;",
                                          "ЧАЙ^Чай — это хорошо.;",
                                          "ПОКА.^Пока!;@",
                                          "КАК ДЕЛА?^Хорошо.;",
                                      });
    work.writeLines("Base/dictionary.dat",
                    {"друг", "другую", "бессонница", "чай", "отвечай", "опока", "покажи", "дела",
                     "делами", "другой", "други", "подруга"});
    const CliRun run = work.run({"check", "--inside-words"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(findings(run), (Lines{
                                 "Base\\Words.dat:2: key «ДРУГ» stands inside longer words: "
                                 "«другую», «другой», «други»",
                                 "Base\\Words.dat:5: key «ЧАЙ» stands inside longer words: "
                                 "«отвечай»",
                                 "Base\\Words.dat:6: key «ПОКА.» stands inside longer words: "
                                 "«опока»",
                             }));
    EXPECT_EQ(findings(work.run({"check"})), Lines{});
}

} // namespace
} // namespace orlevan::test
