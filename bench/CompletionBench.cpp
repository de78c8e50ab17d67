// Word completion over the shipped dictionary (data/Base/dictionary.dat):
// one search of T11Timer for a fragment that no entry begins with, which is
// the longest a search can take, a pass over every entry. Its floor is the
// same pass with the plainest test there is, a byte-for-byte comparison of
// each entry's first characters with the fragment as typed (no case, no
// check that the entry could be offered). A search runs whole within one
// tick of the window, so it must stay well inside a display frame (16.7 ms).
//   build/bench/completion_bench

#include "FloorReporter.h"
#include "input/WordCompletion.h"
#include "platform/kb/TextFile.h"
#include "platform/system/Folder.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

const std::vector<std::string>& dictionary() {
    static const std::vector<std::string> words =
        orlevan::readTextFile(orlevan::Folder(ORLEVAN_SHIPPED_DATA), "Base\\dictionary.dat");
    return words;
}

void Search(benchmark::State& state, const std::string& fragment) {
    const auto& words = dictionary();
    orlevan::WordCompletion completion;
    for (auto _ : state) {
        completion.CandidateIndex = -1;
        auto found = completion.search(fragment, words);
        benchmark::DoNotOptimize(found);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(words.size()));
}

void Floor(benchmark::State& state, const std::string& fragment) {
    const auto& words = dictionary();
    for (auto _ : state) {
        auto found = std::find_if(words.begin(), words.end(), [&fragment](const std::string& e) {
            if (e.size() < fragment.size()) {
                return false;
            }
            for (std::size_t i = 0; i < fragment.size(); ++i) {
                if (e[i] != fragment[i]) {
                    return false;
                }
            }
            return true;
        });
        benchmark::DoNotOptimize(found);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(words.size()));
}

} // namespace

int main(int argc, char** argv) {
    const std::string size = std::to_string(dictionary().size());
    const struct {
        const char* label;
        std::string fragment;
    } fragments[] = {
        // "прщ": 'п' begins more words than any other letter, "пр" about 9,500 of them.
        {"prsch", "\xEF\xF0\xF9"},
        // "qz": no entry shares even the first character.
        {"qz", "qz"},
    };
    for (const auto& [label, fragment] : fragments) {
        const std::string name = std::string("CompletionSearch/") + label + "/" + size;
        benchmark::RegisterBenchmark(name.c_str(), Search, fragment)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Floor" + name).c_str(), Floor, fragment)
            ->Unit(benchmark::kMillisecond);
    }
    return orlevan::bench::runWithFloors(argc, argv);
}
