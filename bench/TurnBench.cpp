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
// ResidentSize runs the four turns on the largest base in a fresh process and
// reports its resident size (and its peak) beside the base's size as text.
//
// Run with --benchmark_repetitions=N: the table of ratios then takes medians.

#include "FloorReporter.h"
#include "ResidentSize.h"
#include "TurnBases.h"
#include "engine/Dialogue.h"
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

// A fresh process, so that nothing this one holds for the other benchmarks counts.
void ResidentSize(benchmark::State& state) {
    onLearntBase(state, [&](Base& base) {
        Resident resident;
        for (auto _ : state) {
            resident = residentSizeOfTurns(base);
        }
        base.restore();
        const double text = static_cast<double>(base.text.size());
        state.counters["text_MB"] = text / 1e6;
        state.counters["resident_MB"] = resident.now / 1e6;
        state.counters["peak_MB"] = resident.peak / 1e6;
        state.counters["resident_per_text"] = resident.now / text;
        state.counters["peak_per_text"] = resident.peak / text;
    });
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
BENCHMARK(ResidentSize)->Arg(1'000'000)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (isResidentSizeRun(argc, argv)) {
        return runTurnsForResidentSize(argc, argv);
    }
    return orlevan::bench::runWithFloors(argc, argv);
}
