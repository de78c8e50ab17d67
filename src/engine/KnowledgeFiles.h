#pragma once

#include <string_view>

namespace orlevan {

class Folder;
class PhraseList;
class Random;

// The files of the knowledge base, spelled as the program names them (the
// spelling is what a failure message shows; the match ignores case).
namespace files {
inline constexpr std::string_view WordsForSearch = "Base\\Words.Dat";
inline constexpr std::string_view WordsForLearning = "Base\\Words.dat";
inline constexpr std::string_view Povtor = "Base\\Povtor.Dat";
inline constexpr std::string_view X = "Base\\X.Dat";
inline constexpr std::string_view Collection = "Base\\Collection.Dat";
inline constexpr std::string_view BigString = "Base\\BigString.Dat";
inline constexpr std::string_view W1 = "Base\\W1.Dat";
inline constexpr std::string_view W2 = "Base\\W2.Dat";
inline constexpr std::string_view AI = "Base\\AI.dat";
inline constexpr std::string_view Begin = "Base\\Begin.dat";
inline constexpr std::string_view Pause = "Base\\Pause.Dat";
inline constexpr std::string_view Dictionary = "Base\\dictionary.dat";
inline constexpr std::string_view DialogueLog = "Base\\Log.Ludvar";
} // namespace files

// What every step of a turn works with: the working folder, the work buffer
// into which each file is loaded whole, one at a time, and the random
// generator of every choice.
struct TurnContext {
    const Folder& folder;
    PhraseList& RE2;
    Random& random;
};

} // namespace orlevan
