#include "Failure.h"

namespace orlevan {

Failure Failure::cannotOpen(std::string_view name) {
    return Failure("Cannot open file " + std::string(name));
}

Failure Failure::cannotCreate(std::string_view name) {
    return Failure("Cannot create file " + std::string(name));
}

Failure Failure::notInteger(std::string_view text) {
    return Failure("'" + std::string(text) + "' is not a valid integer value");
}

Failure Failure::indexOutOfBounds(long long index) {
    return Failure("List index out of bounds (" + std::to_string(index) + ")");
}

Failure Failure::failedToLoadStream() {
    return Failure("Failed to Load Stream");
}

Failure Failure::failedToSaveStream() {
    return Failure("Failed to Save Stream");
}

} // namespace orlevan
