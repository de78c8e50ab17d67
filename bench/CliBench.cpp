// orlevan-cli chat --no-remarks answering 10,000 phrases, on the shipped
// phrase base and on one of 100k lines, beside its floor: reading once per
// phrase the raw bytes of the phrase base and of one reply file, the least a
// turn that searches the base and answers from a file must read.
//
// The chat is the binary's own code, run in-process on a file of phrases:
// nineteen in twenty are the keys of lines spread over the base, as a person would
// type them (lower case, no end mark), so the key pass answers them from
// anywhere in the file; one in twenty is new and is learnt. The bases lose
// their exit marks, so that no farewell ends a run early. The files a run
// changes are put back before each run, untimed.

#include "FloorReporter.h"
#include "NumberedBase.h"
#include "cli/Chat.h"
#include "cli/InputLines.h"
#include "cli/SequenceRandom.h"
#include "engine/KnowledgeFiles.h"
#include "engine/WordsLine.h"
#include "platform/format/Casing.h"
#include "platform/format/Cp1251.h"
#include "platform/kb/PhraseList.h"
#include "platform/system/Clock.h"
#include "platform/system/Folder.h"

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using orlevan::Folder;
using orlevan::PhraseList;
namespace files = orlevan::files;

constexpr int kPhrases = 10'000;
constexpr int kLargeBase = 100'000;
// The files a chat changes, put back before every run.
constexpr const char* kChanged[] = {"Words.dat", "W1.Dat", "W2.Dat", "Collection.Dat",
                                    "Log.Ludvar"};

// Prints nothing, since the figures are those of the dialogue, not of a
// terminal; counts the lines, so that a run that stopped early is seen.
class LineCounter : public std::streambuf {
public:
    long long lines = 0;

protected:
    int overflow(int c) override {
        lines += c == '\n';
        return c;
    }
    std::streamsize xsputn(const char* text, std::streamsize n) override {
        lines += std::count(text, text + n, '\n');
        return n;
    }
};

class Base {
public:
    Base(const fs::path& root, int lines) : folder(root) {
        const fs::path shipped(ORLEVAN_SHIPPED_DATA);
        fs::copy(shipped, root, fs::copy_options::recursive);
        PhraseList words;
        words.load(folder, files::WordsForLearning);
        if (lines > 0) {
            words = orlevan::bench::numberedBase(words, lines);
        }
        dropFarewells(words);
        words.save(folder, files::WordsForLearning);
        fs::create_directories(root.parent_path() / "originals" / root.filename());
        for (const char* name : kChanged) {
            fs::copy_file(root / "Base" / name, originals() / name);
        }
        writePhrases();
    }

    void restore() const {
        for (const char* name : kChanged) {
            fs::copy_file(originals() / name, folder.root() / "Base" / name,
                          fs::copy_options::overwrite_existing);
        }
    }

    Folder folder;
    fs::path phrases;

private:
    // A farewell ends the chat, and a typed key may hold a farewell's key:
    // without their exit marks the lines answer as before and the chat runs on.
    static void dropFarewells(PhraseList& words) {
        for (int i = 1; i < words.count(); ++i) {
            if (orlevan::parseWordsLine(words.line(i)).exitMark) {
                const std::string_view line = words.line(i);
                words.replace(i, line.substr(0, line.size() - 1));
            }
        }
    }

    fs::path originals() const {
        return folder.root().parent_path() / "originals" / folder.root().filename();
    }

    void writePhrases() {
        PhraseList base;
        base.load(folder, files::WordsForLearning);
        std::vector<std::string> keys;
        for (int i = 1; i < base.count(); ++i) {
            const auto line = orlevan::parseWordsLine(base.line(i));
            if (line.fault == orlevan::LineFault::None && line.isMain() && !line.unanswered()) {
                keys.push_back(orlevan::casing::lower(line.key));
            }
        }
        phrases = folder.root() / "phrases.txt";
        std::ofstream out(phrases, std::ios::binary);
        for (int i = 0; i < kPhrases; ++i) {
            if (i % 20 == 19) {
                out << "вчера я видел номер " << i << '\n';
            } else {
                // A stride prime to the number of keys reaches lines all over the base.
                const auto key = keys[static_cast<std::size_t>(i) * 7919 % keys.size()];
                out << orlevan::cp1251::toUtf8(key) << '\n';
            }
        }
    }
};

class Corpus {
public:
    Corpus()
        : root_(fs::temp_directory_path() / ("orlevan-cli-bench-" + std::to_string(::getpid()))) {
        fs::create_directories(root_);
    }
    ~Corpus() { fs::remove_all(root_); }

    const Base& base(int lines) {
        auto& made = bases_[lines];
        if (!made) {
            made = std::make_unique<Base>(root_ / std::to_string(lines), lines);
        }
        return *made;
    }

private:
    fs::path root_;
    std::map<int, std::unique_ptr<Base>> bases_;
};

Corpus& corpus() {
    static Corpus instance;
    return instance;
}

void countTurns(benchmark::State& state) {
    state.SetItemsProcessed(state.iterations() * kPhrases);
}

// lines: 0 for the shipped base as it is.
void ChatTurns(benchmark::State& state, int lines) {
    try {
        const Base& base = corpus().base(lines);
        orlevan::SystemClock clock;
        LineCounter replies;
        std::ostream out(&replies);
        std::ostringstream err;
        for (auto _ : state) {
            state.PauseTiming();
            replies.lines = 0;
            base.restore();
            const int fd = ::open(base.phrases.c_str(), O_RDONLY | O_CLOEXEC);
            orlevan::cli::InputLines input(fd);
            orlevan::cli::SequenceRandom random(1);
            orlevan::cli::Chat chat(base.folder, clock, random, {}, out, err);
            state.ResumeTiming();
            const int status = chat.run(input);
            state.PauseTiming();
            ::close(fd);
            if (status != 0 || replies.lines != kPhrases) {
                state.SkipWithError(("the chat did not answer every phrase: " + err.str()).c_str());
                break;
            }
            state.ResumeTiming();
        }
        base.restore();
        countTurns(state);
    } catch (const std::exception& failure) {
        state.SkipWithError(failure.what());
    }
}

void FloorChatTurns(benchmark::State& state, int lines) {
    const Base& base = corpus().base(lines);
    std::string bytes;
    for (auto _ : state) {
        for (int i = 0; i < kPhrases; ++i) {
            base.folder.read(files::WordsForSearch, bytes);
            benchmark::DoNotOptimize(bytes.data());
            base.folder.read(files::W2, bytes);
            benchmark::DoNotOptimize(bytes.data());
        }
    }
    countTurns(state);
}

void registerBase(const std::string& name, int lines, int iterations) {
    benchmark::RegisterBenchmark(("ChatTurns/" + name).c_str(),
                                 [lines](benchmark::State& state) { ChatTurns(state, lines); })
        ->Iterations(iterations)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("FloorChatTurns/" + name).c_str(),
                                 [lines](benchmark::State& state) { FloorChatTurns(state, lines); })
        ->Iterations(iterations)
        ->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char** argv) {
    // 10,000 turns are a long run already; on the large base, one is enough.
    registerBase("shipped", 0, 3);
    registerBase("100000", kLargeBase, 1);
    return orlevan::bench::runWithFloors(argc, argv);
}
