#include "platform/system/Clock.h"

#include "platform/format/Cp1251.h"

#include <array>
#include <chrono>
#include <ctime>

namespace orlevan {
namespace {

std::string formatNow(const char* format) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::array<char, 128> buffer{};
    const std::size_t length = std::strftime(buffer.data(), buffer.size(), format, &local);
    // The locale may spell its markers in UTF-8 (Russian "ДП"/"ПП"); store them as 1251.
    return cp1251::fromUtf8(std::string_view(buffer.data(), length));
}

} // namespace

std::string SystemClock::longTime() const {
    return formatNow("%X");
}

std::string SystemClock::shortDate() const {
    return formatNow("%x");
}

unsigned SystemClock::millisecondOfDay() const {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto millis = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    return static_cast<unsigned>(((local.tm_hour * 60 + local.tm_min) * 60 + local.tm_sec) * 1000 +
                                 millis);
}

} // namespace orlevan
