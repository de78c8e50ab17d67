// A file that is not what it should be (a rich-text file cut short by a
// failed copy or another program's crash, one nested deeper than any editor
// writes, plain text an editor saved as UTF-8) is read as well as it can be,
// reported once, and kept beside itself before the first save over it, so
// that nothing the user could still recover is lost and no save turns its
// text into gibberish.

#include "platform/format/Rtf.h"
#include "platform/kb/DamagedFiles.h"
#include "platform/kb/PhraseList.h"
#include "platform/system/Folder.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <regex>

namespace orlevan {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

class DamagedFile : public ::testing::Test {
protected:
    // The names in Base/ other than Words.dat.
    Lines others() const {
        Lines names;
        for (const auto& entry : fs::directory_iterator(scratch.path() / "Base")) {
            if (entry.path().filename() != "Words.dat") {
                names.push_back(entry.path().filename().string());
            }
        }
        return names;
    }

    test::ScratchFolder scratch;
    Folder folder{scratch.path()};
    PhraseList list;
    const std::string whole = rtf::writeDocument({"header", "ONE^a;", "TWO^b;"});
};

TEST_F(DamagedFile, ACutDocumentIsReadAsFarAsItGoesAndKeptBeforeItIsSavedOver) {
    const std::string cut = whole.substr(0, whole.find("TWO") + 2);
    scratch.write("Base/Words.dat", cut);
    list.load(folder, "Base\\Words.dat");
    EXPECT_EQ(list.lines(), (Lines{"header", "ONE^a;", "TW"}));
    list.load(folder, "Base\\Words.Dat");
    EXPECT_TRUE(others().empty()) << "nothing is written before a save";

    list.append("THREE^");
    list.save(folder, "Base\\Words.dat");
    const Lines kept = others();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_TRUE(
        std::regex_match(kept[0], std::regex(R"(Words\.dat\.damaged-\d{4}-\d\d-\d\d-\d{6})")))
        << kept[0];
    EXPECT_EQ(scratch.read("Base/" + kept[0]), cut);

    list.save(folder, "Base\\Words.dat");
    list.load(folder, "Base\\Words.dat");
    EXPECT_EQ(list.lines(), (Lines{"header", "ONE^a;", "TW", "THREE^"}));
    EXPECT_EQ(others(), kept) << "the original is kept once";
}

TEST_F(DamagedFile, ACutDocumentIsReportedOnceNamingTheFileAndItsCopy) {
    scratch.write("Base/Words.dat", whole.substr(0, whole.size() / 2));
    list.load(folder, "Base\\Words.dat");
    list.load(folder, "Base\\Words.Dat");
    const Lines notices = folder.damaged().takeNotices();
    ASSERT_EQ(notices.size(), 1u);
    std::smatch named;
    ASSERT_TRUE(std::regex_match(
        notices[0], named,
        std::regex(
            R"(File Base\\Words\.dat is cut short: only the lines before the cut were read, )"
            R"(and before saving over it the program keeps it as )"
            R"(Base\\(Words\.dat\.damaged-\d{4}-\d\d-\d\d-\d{6}))")))
        << notices[0];
    list.save(folder, "Base\\Words.dat");
    EXPECT_EQ(others(), Lines{named[1].str()});
    list.load(folder, "Base\\Words.dat");
    EXPECT_TRUE(folder.damaged().takeNotices().empty());
}

struct DamageCase {
    const char* what;
    std::string content;
    Lines lines; // UTF-8, as read
    const char* found;
    const char* keptAs;
};

void PrintTo(const DamageCase& c, std::ostream* out) {
    *out << c.what;
}

std::string nested(int depth) {
    return "{\\rtf1 header\\par " + std::string(depth, '{') + "ONE^a;\\par" +
           std::string(depth, '}') + "}";
}

const DamageCase kDamage[] = {
    {"utf-8",
     "header\nПРИВЕТ^Здравствуй!;\n",
     {"header", "ПРИВЕТ^Здравствуй!;"},
     "was saved as UTF-8: it was read as UTF-8 and will be saved as Windows-1251",
     "utf-8"},
    {"utf-8 with a byte order mark",
     "\xEF\xBB\xBFheader\r\nЁЖ^ёж;",
     {"header", "ЁЖ^ёж;"},
     "was saved as UTF-8",
     "utf-8"},
    {"utf-8 beyond Windows-1251",
     "header\nСМАЙЛ^😀 да;",
     {"header", "СМАЙЛ^? да;"},
     "was saved as UTF-8 and holds characters that Windows-1251 lacks: they were read as '?'",
     "damaged"},
    {"nested too deep",
     nested(100'000),
     {"header", "ONE^a;"},
     "nests its groups deeper than any editor writes",
     "damaged"},
};

class Damage : public DamagedFile, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(Damage, IsReadToldOnceAndKeptBeforeTheFirstSaveWhichWritesWindows1251) {
    const DamageCase& c = GetParam();
    Lines expected;
    for (const std::string& line : c.lines) {
        expected.push_back(test::w(line));
    }
    scratch.write("Base/Words.dat", c.content);
    list.load(folder, "Base\\Words.dat");
    list.load(folder, "Base\\Words.dat");
    EXPECT_EQ(list.lines(), expected);
    const Lines notices = folder.damaged().takeNotices();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_NE(notices[0].find(std::string("File Base\\Words.dat ") + c.found), std::string::npos)
        << notices[0];

    list.save(folder, "Base\\Words.dat");
    const Lines kept = others();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_TRUE(std::regex_match(kept[0], std::regex(std::string(R"(Words\.dat\.)") + c.keptAs +
                                                     R"(-\d{4}-\d\d-\d\d-\d{6})")))
        << kept[0];
    EXPECT_EQ(scratch.read("Base/" + kept[0]), c.content);
    EXPECT_NE(notices[0].find(kept[0]), std::string::npos) << "the notice names the copy";
    PhraseList saved;
    saved.load(folder, "Base\\Words.dat");
    EXPECT_EQ(saved.lines(), expected);
    EXPECT_TRUE(folder.damaged().takeNotices().empty());
}

INSTANTIATE_TEST_SUITE_P(Files, Damage, ::testing::ValuesIn(kDamage));

TEST_F(DamagedFile, WholeDocumentsAndPlainTextAreNotReported) {
    for (const std::string& content : {whole, std::string("plain\r\ntext"), std::string(),
                                       test::w("ПРИВЕТ^Привет, как дела?;"), nested(900)}) {
        scratch.write("Base/Words.dat", content);
        list.load(folder, "Base\\Words.dat");
        list.save(folder, "Base\\Words.dat");
    }
    EXPECT_TRUE(folder.damaged().takeNotices().empty());
    EXPECT_TRUE(others().empty());
}

// A file mended by hand before the program saved over it needs no copy, and
// a later cut is news again.
TEST_F(DamagedFile, AFileMendedBeforeTheSaveIsNotKeptAndANewCutIsReportedAgain) {
    const std::string cut = whole.substr(0, whole.size() - 1);
    scratch.write("Base/Words.dat", cut);
    list.load(folder, "Base\\Words.dat");
    scratch.write("Base/Words.dat", whole);
    list.load(folder, "Base\\Words.dat");
    list.save(folder, "Base\\Words.dat");
    EXPECT_TRUE(others().empty());

    scratch.write("Base/Words.dat", cut);
    list.load(folder, "Base\\Words.dat");
    EXPECT_EQ(folder.damaged().takeNotices().size(), 2u);
}

} // namespace
} // namespace orlevan
