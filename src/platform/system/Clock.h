#pragma once

#include <string>

namespace orlevan {

// Time as the dialogue shows and logs it. The program uses SystemClock;
// tests hand in a fixed one so that log lines can be compared.
class Clock {
public:
    virtual ~Clock() = default;
    // The current time in the system's long time format ("14:05:09").
    virtual std::string longTime() const = 0;
    // The current date in the system's short date format.
    virtual std::string shortDate() const = 0;
    // Milliseconds since midnight, the seed of every reseed.
    virtual unsigned millisecondOfDay() const = 0;
};

// Formats with the C library's locale (%X and %x), so the program must call
// setlocale(LC_TIME, "") once at start to follow the user's settings.
// The result is converted to Windows-1251 like any text the program stores.
class SystemClock final : public Clock {
public:
    std::string longTime() const override;
    std::string shortDate() const override;
    unsigned millisecondOfDay() const override;
};

} // namespace orlevan
