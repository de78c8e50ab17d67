// Loading and saving phrase lists of 1k, 100k and 1M lines in both storage
// forms, each beside its floor: reading the same file's bytes and splitting
// them at line ends (for a load), writing the same bytes (for a save). A
// first load reads a rich-text document through; a repeated load of a file
// that has not changed takes the lines already in memory.

#include "FloorReporter.h"
#include "platform/format/TextLines.h"
#include "platform/kb/PhraseList.h"
#include "platform/system/Folder.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using orlevan::Folder;
using orlevan::PhraseList;

// A line like those of the phrase base: an upper-case key and a few replies, in Windows-1251.
std::string sampleLine(int i) {
    static const std::string key = "\xCA\xC0\xCA \xC4\xC5\xCB\xC0 "; // "КАК ДЕЛА "
    static const std::string reply =
        "^\xD5\xEE\xF0\xEE\xF8\xEE, \xE0 \xF3 \xF2\xE5\xE1\xFF?;" // "^Хорошо, а у тебя?;"
        "\xCD\xEE\xF0\xEC\xE0\xEB\xFC\xED\xEE.;";                 // "Нормально.;"
    return key + std::to_string(i) + reply;
}

class Corpus {
public:
    Corpus() : root_(fs::temp_directory_path() / ("orlevan-bench-" + std::to_string(::getpid()))) {
        fs::create_directories(root_);
    }
    ~Corpus() { fs::remove_all(root_); }

    const Folder& folder() const { return folder_; }

    // The file "<form><lines>.dat", made on first use.
    std::string file(bool rich, int lines) {
        const std::string name = std::string(rich ? "rtf" : "txt") + std::to_string(lines) + ".dat";
        if (!made_.count(name)) {
            folder_.write(name, rich ? list(lines).toBytes()
                                     : orlevan::joinTextLines(list(lines).lines()));
            made_[name] = true;
        }
        return name;
    }

    static PhraseList list(int lines) {
        std::vector<std::string> text;
        text.reserve(static_cast<std::size_t>(lines));
        for (int i = 0; i < lines; ++i) {
            text.push_back(sampleLine(i));
        }
        return PhraseList(std::move(text));
    }

private:
    fs::path root_;
    Folder folder_{root_};
    std::map<std::string, bool> made_;
};

Corpus& corpus() {
    static Corpus instance;
    return instance;
}

void Load(benchmark::State& state, bool rich) {
    const std::string name = corpus().file(rich, static_cast<int>(state.range(0)));
    PhraseList list;
    for (auto _ : state) {
        list.load(corpus().folder(), name);
        benchmark::DoNotOptimize(list.count());
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<int64_t>(corpus().folder().read(name).size()));
}

// A load the program has not seen before: a new folder knows no file yet,
// so every document is read through.
void FirstLoad(benchmark::State& state, bool rich) {
    const std::string name = corpus().file(rich, static_cast<int>(state.range(0)));
    PhraseList list;
    for (auto _ : state) {
        list.load(Folder(corpus().folder().root()), name);
        benchmark::DoNotOptimize(list.count());
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<int64_t>(corpus().folder().read(name).size()));
}

void FloorLoad(benchmark::State& state, bool rich) {
    const std::string name = corpus().file(rich, static_cast<int>(state.range(0)));
    // Like the list, the floor keeps its memory from one load to the next.
    orlevan::LineBuffer lines;
    for (auto _ : state) {
        lines.clear();
        corpus().folder().read(name, lines.text());
        orlevan::splitInPlace(lines);
        benchmark::DoNotOptimize(lines.size());
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<int64_t>(corpus().folder().read(name).size()));
}

void FloorFirstLoad(benchmark::State& state, bool rich) {
    FloorLoad(state, rich);
}

void Save(benchmark::State& state) {
    PhraseList list = Corpus::list(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        list.save(corpus().folder(), "saved.dat");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(list.toBytes().size()));
}

// The same bytes written by plain stdio: no encoding, no temporary file, no sync.
void FloorSave(benchmark::State& state) {
    const std::string bytes = Corpus::list(static_cast<int>(state.range(0))).toBytes();
    const fs::path path = corpus().folder().root() / "floor.dat";
    for (auto _ : state) {
        std::FILE* out = std::fopen(path.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), out);
        std::fclose(out);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Arg(1'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK_CAPTURE(FirstLoad, Rtf, true)->Apply(sizes);
BENCHMARK_CAPTURE(FloorFirstLoad, Rtf, true)->Apply(sizes);
BENCHMARK_CAPTURE(Load, Rtf, true)->Apply(sizes);
BENCHMARK_CAPTURE(FloorLoad, Rtf, true)->Apply(sizes);
BENCHMARK_CAPTURE(Load, Text, false)->Apply(sizes);
BENCHMARK_CAPTURE(FloorLoad, Text, false)->Apply(sizes);
BENCHMARK(Save)->Apply(sizes);
BENCHMARK(FloorSave)->Apply(sizes);

int main(int argc, char** argv) {
    return orlevan::bench::runWithFloors(argc, argv);
}
