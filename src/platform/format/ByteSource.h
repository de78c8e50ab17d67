#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace orlevan {

// Where a reader takes a file's content from, piece by piece, so that a large
// file is never held whole in memory only to be read.
class ByteSource {
public:
    // Up to `room` of the next bytes into `into`; how many, 0 at the end.
    virtual std::size_t get(char* into, std::size_t room) = 0;

protected:
    ~ByteSource() = default;
};

// Bytes already in memory, as a source; at most `piece` of them at a time,
// so that tests can hand a reader a document a few bytes at a time.
class ViewSource final : public ByteSource {
public:
    explicit ViewSource(std::string_view bytes, std::size_t piece = SIZE_MAX)
        : bytes_(bytes), piece_(piece) {}
    std::size_t get(char* into, std::size_t room) override {
        const std::size_t size = std::min({room, piece_, bytes_.size()});
        if (size > 0) {
            std::memcpy(into, bytes_.data(), size);
        }
        bytes_.remove_prefix(size);
        return size;
    }

private:
    std::string_view bytes_;
    std::size_t piece_;
};

} // namespace orlevan
