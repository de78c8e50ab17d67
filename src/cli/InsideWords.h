#pragma once

#include <string>
#include <vector>

namespace orlevan {
class PhraseList;
}

namespace orlevan::cli {

// A main line whose key of one word the key pass finds inside a longer word:
// ДРУГ in «другую», ВЕТЕР in «ветеринару»; a key that ends with punctuation
// («ПОКА.») only at a word's end. A key that is no word of the dictionary is
// a stem written to catch the word's endings (БЕССОННИЦ): it is listed only
// where it stands after a word's start. Keys of several words are left out:
// their words must also stand side by side, which longer forms seldom do. Line
// indexes count from 0, the header's; the forms are Windows-1251, upper-cased.
struct KeyInsideWords {
    int line = 0;
    std::vector<std::string> forms;
};

// Every such main line of `base`, in file order, with at most `formsShown`
// of the word forms of `dictionary` (one form per entry) that hold its key.
std::vector<KeyInsideWords> keysInsideWords(const PhraseList& base,
                                            const std::vector<std::string>& dictionary,
                                            std::size_t formsShown = 3);

} // namespace orlevan::cli
