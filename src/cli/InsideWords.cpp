#include "cli/InsideWords.h"

#include "engine/KeyMatch.h"
#include "engine/WordsLine.h"
#include "platform/format/Casing.h"
#include "platform/kb/PhraseList.h"

#include <algorithm>
#include <map>
#include <unordered_map>
#include <unordered_set>

namespace orlevan::cli {
namespace {

bool isLetter(char c) {
    return casing::upper(c) != casing::lower(c);
}

// The keys of one word by where a longer word may hold them: anywhere, or
// (a key that ends with punctuation) at its end.
class KeyPieces {
public:
    explicit KeyPieces(const PhraseList& base) {
        for (int i = 1; i < base.count(); ++i) {
            const std::string_view text = base.line(i);
            const WordsLine line = parseWordsLine(text);
            if (!line.isMain() || !answersFrom(line)) {
                continue;
            }
            add(keyPassPattern(text, line), i);
        }
    }

    // Calls found(line, key) for every key that `form`'s letters from `start`,
    // `length` long, would catch.
    template <typename Found>
    void forPiece(std::string_view form, std::size_t start, std::size_t length, Found found) const {
        const std::string_view piece = form.substr(start, length);
        const auto visit = [&](const std::unordered_multimap<std::string_view, int>& keys) {
            const auto [first, last] = keys.equal_range(piece);
            for (auto it = first; it != last; ++it) {
                found(it->second, it->first);
            }
        };
        if (length < form.size()) {
            visit(anywhere_);
        }
        if (start + length == form.size() && start > 0) {
            visit(atEnd_);
        }
    }

    std::size_t longest() const { return longest_; }

private:
    void add(std::string_view key, int line) {
        const auto firstBreak = std::find_if_not(key.begin(), key.end(), isLetter);
        const std::string_view word(key.begin(), firstBreak);
        if (word.empty() ||
            std::any_of(firstBreak, key.end(), [](char c) { return isLetter(c) || c == ' '; })) {
            return;
        }
        remember(firstBreak == key.end() ? anywhere_ : atEnd_, word, line);
    }

    void remember(std::unordered_multimap<std::string_view, int>& keys, std::string_view piece,
                  int line) {
        keys.emplace(piece, line);
        longest_ = std::max(longest_, piece.size());
    }

    std::unordered_multimap<std::string_view, int> anywhere_;
    std::unordered_multimap<std::string_view, int> atEnd_;
    std::size_t longest_ = 0;
};

} // namespace

std::vector<KeyInsideWords> keysInsideWords(const PhraseList& base,
                                            const std::vector<std::string>& dictionary,
                                            std::size_t formsShown) {
    const KeyPieces pieces(base);
    std::vector<std::string> forms;
    for (const std::string& entry : dictionary) {
        std::string form = casing::upper(entry);
        if (!form.empty() && std::all_of(form.begin(), form.end(), isLetter)) {
            forms.push_back(std::move(form));
        }
    }
    const std::unordered_set<std::string_view> words(forms.begin(), forms.end());
    std::map<int, KeyInsideWords> found;
    for (const std::string& form : forms) {
        for (std::size_t start = 0; start < form.size(); ++start) {
            const std::size_t most = std::min(pieces.longest(), form.size() - start);
            for (std::size_t length = 1; length <= most; ++length) {
                pieces.forPiece(form, start, length, [&](int line, std::string_view word) {
                    if (start == 0 && !words.contains(word)) {
                        return; // a stem, caught by the endings it was written for
                    }
                    KeyInsideWords& key = found[line];
                    key.line = line;
                    if (key.forms.size() < formsShown &&
                        std::find(key.forms.begin(), key.forms.end(), form) == key.forms.end()) {
                        key.forms.push_back(form);
                    }
                });
            }
        }
    }
    std::vector<KeyInsideWords> keys;
    keys.reserve(found.size());
    for (auto& [line, key] : found) {
        keys.push_back(std::move(key));
    }
    return keys;
}

} // namespace orlevan::cli
