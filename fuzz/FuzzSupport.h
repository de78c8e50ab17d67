#pragma once

#include "engine/Dialogue.h"
#include "engine/TurnFrontEnd.h"
#include "platform/system/Clock.h"
#include "platform/system/Folder.h"
#include "platform/system/Random.h"

#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace orlevan::fuzz {

// A working folder for the whole fuzzing run, in memory where the machine
// has /dev/shm, removed when the process ends. Each input rewrites the files
// it needs.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // Empties the folder, so that each input starts from nothing: a save
    // keeps a damaged file's original beside it, and those would pile up.
    void clear() const;
    // Writes `bytes` to the file the program spells `name` ("Base\\W1.Dat").
    void write(std::string_view name, std::string_view bytes) const;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// An input cut into the texts of a turn: the first line holds the phrases,
// one turn each, separated by tabs; every later line "==> NAME" starts the
// content of the knowledge-base file NAME (as the program spells it, e.g.
// "Base\Words.dat"); text before the first such line belongs to Words.dat.
// A name that is not one of the files a turn reads is dropped with its text.
struct TurnInput {
    using Files = std::vector<std::pair<std::string, std::string>>; // name, content
    std::vector<std::string> phrases;
    Files files;
};
TurnInput splitTurnInput(std::string_view bytes);

// A small knowledge base in which every file the turn may read exists, so
// the input decides what is in them rather than whether they are there.
void writeDefaultBase(const ScratchFolder& folder);

// The lines of a file as the program loads them; empty when it cannot be.
std::vector<std::string> linesOf(const Folder& folder, std::string_view name);

class FixedClock final : public Clock {
public:
    std::string longTime() const override { return "12:00:00"; }
    std::string shortDate() const override { return "01.01.2026"; }
    unsigned millisecondOfDay() const override { return 43'200'000; }
};

// The same draws for the same input, so a finding can be replayed.
class SeededRandom final : public Random {
public:
    explicit SeededRandom(std::string_view bytes);
    void reseed(unsigned seed) override { engine_.seed(seed ^ salt_); }
    int below(int n) override;

private:
    unsigned salt_;
    std::mt19937 engine_;
};

// A front end that keeps nothing and hands out the partner's file name.
class QuietFrontEnd final : public TurnFrontEnd {
public:
    explicit QuietFrontEnd(std::optional<std::string> partner = std::nullopt)
        : partner_(std::move(partner)) {}
    void showUserPhrase(const std::string&) override {}
    void showReply(const std::string&) override {}
    void setClosing(bool) override {}
    void setFollowUp(bool) override {}
    std::optional<std::string> partnerFile() const override { return partner_; }
    void clearInput() override {}

private:
    std::optional<std::string> partner_;
};

// A dialogue over the scratch folder for one input: the folder emptied, the
// default base written, then `files` over it.
class DialogueRig {
public:
    DialogueRig(const ScratchFolder& scratch, std::string_view input,
                const TurnInput::Files& contents);

    // Aborts (a finding) when learning added a line that is not a
    // well-formed line of the phrase base: learning must only ever write
    // lines the reply search can read.
    void requireLearntLinesWellFormed() const;

    Folder folder;
    FixedClock clock;
    SeededRandom random;
    Dialogue dialogue;

private:
    std::vector<std::string> wordsBefore_;
};

} // namespace orlevan::fuzz
