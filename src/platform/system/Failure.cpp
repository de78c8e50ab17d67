#include "platform/system/Failure.h"

#include <cstring>

namespace orlevan {

std::string visibleText(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            shown += '^';
            shown += static_cast<char>(byte ^ 0x40);
        } else {
            shown += c;
        }
    }
    return shown;
}

Failure Failure::cannotOpen(std::string_view name) {
    return Failure("Cannot open file " + std::string(name), Cause::CannotOpen);
}

Failure Failure::cannotCreate(std::string_view name) {
    return Failure("Cannot create file " + std::string(name), Cause::CannotCreate);
}

Failure Failure::notInteger(std::string_view text) {
    // Built by appending: GCC 12 at -O3 takes "'" + text for an overlapping
    // copy inside its own string header and warns (-Wrestrict).
    std::string message = "'";
    message.append(text).append("' is not a valid integer value");
    return Failure(message);
}

Failure Failure::indexOutOfBounds(long long index) {
    return Failure("List index out of bounds (" + std::to_string(index) + ")");
}

Failure Failure::failedToLoadStream() {
    return Failure("Failed to Load Stream");
}

Failure Failure::failedToSaveStream(std::string_view name, int error) {
    return Failure("Failed to Save Stream (" + std::string(name) + ": " + std::strerror(error) +
                   ")");
}

} // namespace orlevan
