#include "engine/DialogueRecord.h"

#include "KnowledgeFolder.h"
#include "engine/Dialogue.h"

#include <gtest/gtest.h>

namespace orlevan {
namespace {

using test::w;
using Lines = std::vector<std::string>;

class DialogueRecordTest : public ::testing::Test {
protected:
    test::KnowledgeFolder kb;
    test::FixedClock clock;
    Dialogue dialogue{kb.folder, clock, kb.random};

    std::string stamp(std::string_view event) const {
        return w(event) + w("           Дата - ") + clock.date + "   |   " + w("Время - ") +
               clock.time;
    }
    Lines header() const { return {"", std::string(80, '-'), stamp("Начало диалога:"), ""}; }
    Lines closing() const { return {stamp("Конец диалога:"), std::string(53, '=')}; }
};

TEST_F(DialogueRecordTest, EachExitAppendsItsBlockAfterWhatTheFileHeld) {
    kb.writeLines("Base/Log.Ludvar", {w("Прежний диалог"), "====="});
    clock.time = "10:00:00";
    writeRecordHeader(dialogue);
    const Lines header = this->header();
    dialogue.Log.append(w("[10:00:05] USER:     Привет."));
    dialogue.Log.append(w("[10:00:05] CPU:     Здравствуй!"));
    clock.time = "10:20:00";
    appendRecordToLogFile(dialogue);

    Lines expected = {w("Прежний диалог"), "=====", ""};
    expected.insert(expected.end(), header.begin(), header.end());
    expected.insert(expected.end(),
                    {w("[10:00:05] USER:     Привет."), w("[10:00:05] CPU:     Здравствуй!"), ""});
    const Lines end = closing();
    expected.insert(expected.end(), end.begin(), end.end());
    EXPECT_EQ(kb.lines("Base\\Log.Ludvar"), expected);

    // A new dialogue drops the record so far; the next exit writes only what follows.
    dialogue.Log.clear();
    appendRecordToLogFile(dialogue);
    expected.insert(expected.end(), {"", ""});
    expected.insert(expected.end(), end.begin(), end.end());
    EXPECT_EQ(kb.lines("Base\\Log.Ludvar"), expected);
}

TEST_F(DialogueRecordTest, AnExitThatCannotReadItsFilesWritesNothing) {
    writeRecordHeader(dialogue);
    EXPECT_EQ(test::failureOf([&] { appendRecordToLogFile(dialogue); }),
              "Cannot open file Base\\Log.Ludvar");
    EXPECT_FALSE(kb.folder.find("Base\\Log.Ludvar"));

    kb.writeLines("Base/Log.Ludvar", {"kept"});
    kb.remove("Base/Words.dat");
    EXPECT_EQ(test::failureOf([&] { appendRecordToLogFile(dialogue); }),
              "Cannot open file Base\\Words.dat");
    EXPECT_EQ(kb.read("Base/Log.Ludvar"), "kept\r\n");
    EXPECT_EQ(dialogue.Log.count(), 4);
}

} // namespace
} // namespace orlevan
