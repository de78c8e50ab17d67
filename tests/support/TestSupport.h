#pragma once

#include "platform/system/Clock.h"
#include "platform/system/Random.h"

#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace orlevan::test {

// A fresh folder under the system's temporary folder, removed with its content.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Writes `bytes` to the relative POSIX path `name`, creating folders on the way.
    void write(std::string_view name, std::string_view bytes) const;
    std::string read(std::string_view name) const;
    void remove(std::string_view name) const;

private:
    std::filesystem::path path_;
};

std::string readFile(const std::filesystem::path& path);

// The message of the Failure `action` throws, or "no failure".
std::string failureOf(const std::function<void()>& action);

// Windows-1251 bytes of a UTF-8 literal, so tests can be written in plain Russian.
std::string w(std::string_view utf8);

class FixedClock final : public Clock {
public:
    std::string time = "14:05:09";
    std::string date = "08.12.2026";
    unsigned millis = 50'709'000;

    std::string longTime() const override { return time; }
    std::string shortDate() const override { return date; }
    unsigned millisecondOfDay() const override { return millis; }
};

// Hands out the queued draws in order (each clamped into range), then the
// highest value: a draw repeated until it is large enough ends at once, and
// what happens one time in three (a greeting, a follow-up remark) does not.
class ScriptedRandom final : public Random {
public:
    std::deque<int> draws;
    unsigned lastSeed = 0;
    int reseeds = 0;

    void reseed(unsigned seed) override {
        lastSeed = seed;
        ++reseeds;
    }
    int below(int n) override;
};

} // namespace orlevan::test
