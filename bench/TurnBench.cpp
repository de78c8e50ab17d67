// One turn of the dialogue on rich-text phrase bases of 1k, 100k and 1M lines
// (TurnBases.h), for four kinds of turn, each beside its floor:
//   KeyTurn, WordTurn, BranchTurn - answered from the phrase base; the floor
//       is one pass over the base's text already in memory, a memchr for a
//       byte it does not hold, which any search that looks at every line
//       would cost at the least;
//   LearnTurn - no line answers and the phrase is learnt: stored in W2.Dat,
//       made a key and added as an answer to a line in the middle; the floor
//       is writing the two changed files once each as a plain program would,
//       open, write, fsync, close.
// FirstLoad reads the largest base in a run that has not read it before and
// makes its index, beside reading the file's bytes.
// PeakResidentRich loads the largest base, runs the four turns on it and saves it,
// in a fresh process, and reports the peak resident size of each step beside
// the base's size as text; PeakResidentPlain does the same on a plain-text
// base of 200 MB of text.
//
// Run with --benchmark_repetitions=N: the table of ratios then takes medians.

#include "FloorReporter.h"
#include "ResidentSize.h"
#include "TurnBases.h"
#include "engine/Dialogue.h"
#include "engine/WordsIndex.h"
#include "platform/system/Failure.h"

#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace orlevan::bench;
using orlevan::DialogueState;

// Throughput is counted in bytes of the phrase base as text, for a turn and its floor alike.
void countBase(benchmark::State& state, const Base& base) {
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(base.text.size()));
}

enum class Kind { Key, Word, Branch };

const TurnSetUp& setUpOf(const Base& base, Kind kind) {
    return kind == Kind::Key ? base.keyTurn : kind == Kind::Word ? base.wordTurn : base.branchTurn;
}

// A turn answered from the phrase base, from the dialogue state of its set-up.
void AnsweredTurn(benchmark::State& state, Kind kind) {
    try {
        Base& base = baseOf(static_cast<int>(state.range(0)));
        const TurnSetUp& turn = setUpOf(base, kind);
        FixedClock clock;
        ScriptedDraws random;
        SilentFrontEnd frontEnd;
        orlevan::Dialogue dialogue(base.folder, clock, random);
        for (auto _ : state) {
            dialogue.state = turn.start;
            dialogue.Log.clear();
            dialogue.turn(turn.phrase, previousLine(), frontEnd);
        }
        if (random.offScript() || dialogue.state.TopicLine != turn.answeringLine) {
            state.SkipWithError("a timed turn was not answered from the line set up for it");
        }
        countBase(state, base);
    } catch (const std::exception& failure) {
        state.SkipWithError(failure.what());
    }
}

void KeyTurn(benchmark::State& state) {
    AnsweredTurn(state, Kind::Key);
}
void WordTurn(benchmark::State& state) {
    AnsweredTurn(state, Kind::Word);
}
void BranchTurn(benchmark::State& state) {
    AnsweredTurn(state, Kind::Branch);
}

void FloorAnsweredTurn(benchmark::State& state) {
    const Base& base = baseOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::memchr(base.text.data(), '\x01', base.text.size()));
    }
    countBase(state, base);
}

void FloorKeyTurn(benchmark::State& state) {
    FloorAnsweredTurn(state);
}
void FloorWordTurn(benchmark::State& state) {
    FloorAnsweredTurn(state);
}
void FloorBranchTurn(benchmark::State& state) {
    FloorAnsweredTurn(state);
}

// The phrase base read by a run that has not read it before, and its index
// made, as the first turn after start-up finds them; the floor reads the
// file's bytes.
void FirstLoad(benchmark::State& state) {
    try {
        const Base& base = baseOf(static_cast<int>(state.range(0)));
        for (auto _ : state) {
            const orlevan::Folder fresh(base.folder.root());
            orlevan::PhraseList words;
            words.load(fresh, orlevan::files::WordsForSearch);
            benchmark::DoNotOptimize(&words.indexed<orlevan::WordsIndex>());
        }
        countBase(state, base);
    } catch (const std::exception& failure) {
        state.SkipWithError(failure.what());
    }
}

void FloorFirstLoad(benchmark::State& state) {
    const Base& base = baseOf(static_cast<int>(state.range(0)));
    std::string bytes;
    for (auto _ : state) {
        base.folder.read(orlevan::files::WordsForSearch, bytes);
        benchmark::DoNotOptimize(bytes.data());
    }
    countBase(state, base);
}

// Runs `measure` on the base of the benchmark's size once a learning turn
// on it has been checked; a problem skips the benchmark with its message.
template <typename Measure> void onLearntBase(benchmark::State& state, Measure measure) {
    try {
        Base& base = baseOf(static_cast<int>(state.range(0)));
        if (auto problem = base.learnOnce(); !problem.empty()) {
            state.SkipWithError(problem.c_str());
            return;
        }
        measure(base);
        countBase(state, base);
    } catch (const std::exception& failure) {
        state.SkipWithError(failure.what());
    }
}

void LearnTurn(benchmark::State& state) {
    onLearntBase(state, [&](Base& base) {
        FixedClock clock;
        ScriptedDraws random;
        SilentFrontEnd frontEnd;
        orlevan::Dialogue dialogue(base.folder, clock, random);
        for (auto _ : state) {
            state.PauseTiming();
            base.restore();
            dialogue.state = base.learnTurn.start;
            dialogue.Log.clear();
            state.ResumeTiming();
            dialogue.turn(base.learnTurn.phrase, previousLine(), frontEnd);
        }
        const bool learnt =
            base.folder.read(orlevan::files::WordsForLearning) == base.learntWords &&
            base.folder.read(orlevan::files::W2) == base.learntW2;
        base.restore();
        if (random.offScript() || !learnt) {
            state.SkipWithError("a timed turn did not learn as the first one did");
        }
    });
}

void writeAndSync(const fs::path& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const bool done =
        fd >= 0 && ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) &&
        ::fsync(fd) == 0;
    if (fd < 0 || ::close(fd) != 0 || !done) {
        throw orlevan::Failure("Cannot write " + path.string());
    }
}

void FloorLearnTurn(benchmark::State& state) {
    onLearntBase(state, [&](Base& base) {
        const fs::path root = base.folder.root();
        for (auto _ : state) {
            writeAndSync(root / "floor-w2", base.learntW2);
            writeAndSync(root / "floor-words", base.learntWords);
        }
    });
}

// Each step in a fresh process, so that nothing this one holds for the
// other benchmarks counts. The peaks stand beside the size of the base as
// text: holding the lines of a file costs that much at the least.
void reportPeaks(benchmark::State& state, Base& base) {
    PeakResident peak;
    for (auto _ : state) {
        peak = peakResidentOf(base);
    }
    base.restore();
    const double text = static_cast<double>(base.text.size());
    state.counters["text_MB"] = text / 1e6;
    state.counters["load_peak_MB"] = peak.load / 1e6;
    state.counters["turn_peak_MB"] = peak.turns / 1e6;
    state.counters["save_peak_MB"] = peak.save / 1e6;
    state.counters["load_per_text"] = peak.load / text;
    state.counters["turn_per_text"] = peak.turns / text;
    state.counters["save_per_text"] = peak.save / text;
    state.counters["end_per_text"] = peak.end / text;
}

// The base as the program's own save leaves it, of so many lines.
void PeakResidentRich(benchmark::State& state) {
    onLearntBase(state, [&](Base& base) { reportPeaks(state, base); });
}

// A plain-text base of so many megabytes of text, as one made outside the
// program comes to it.
void PeakResidentPlain(benchmark::State& state) {
    try {
        // The numbered bases' lines have one length on average, whatever their number.
        const Base& sample = baseOf(10'000);
        const double lineBytes = static_cast<double>(sample.text.size()) / 10'000;
        const auto lines = static_cast<int>(static_cast<double>(state.range(0)) * 1e6 / lineBytes);
        reportPeaks(state, baseOf(lines, Form::Plain));
    } catch (const std::exception& failure) {
        state.SkipWithError(failure.what());
    }
}

void smallBases(benchmark::internal::Benchmark* b) {
    b->Arg(1'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
}

// A first turn on the largest base takes seconds to read it: a few turns are enough.
void largeBase(benchmark::internal::Benchmark* b) {
    b->Arg(1'000'000)->Iterations(5)->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(KeyTurn)->Apply(smallBases);
BENCHMARK(FloorKeyTurn)->Apply(smallBases);
BENCHMARK(WordTurn)->Apply(smallBases);
BENCHMARK(FloorWordTurn)->Apply(smallBases);
BENCHMARK(BranchTurn)->Apply(smallBases);
BENCHMARK(FloorBranchTurn)->Apply(smallBases);
BENCHMARK(LearnTurn)->Apply(smallBases);
BENCHMARK(FloorLearnTurn)->Apply(smallBases);
BENCHMARK(KeyTurn)->Apply(largeBase);
BENCHMARK(FloorKeyTurn)->Apply(largeBase);
BENCHMARK(WordTurn)->Apply(largeBase);
BENCHMARK(FloorWordTurn)->Apply(largeBase);
BENCHMARK(BranchTurn)->Apply(largeBase);
BENCHMARK(FloorBranchTurn)->Apply(largeBase);
BENCHMARK(LearnTurn)->Apply(largeBase);
BENCHMARK(FloorLearnTurn)->Apply(largeBase);
BENCHMARK(FirstLoad)->Arg(1'000'000)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(FloorFirstLoad)->Arg(1'000'000)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(PeakResidentRich)->Arg(1'000'000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(PeakResidentPlain)->Arg(200)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (isResidentSizeRun(argc, argv)) {
        return runStepsForResidentSize(argc, argv);
    }
    return orlevan::bench::runWithFloors(argc, argv);
}
