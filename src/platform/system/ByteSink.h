#pragma once

#include <functional>
#include <string_view>

namespace orlevan {

// Where a file's content goes as it is made, piece by piece, so that a large
// file is never held whole in memory only to be written.
class ByteSink {
public:
    virtual void put(std::string_view bytes) = 0;

protected:
    ~ByteSink() = default;
};

// Makes a file's content into a sink; it may be called again to make it anew.
using ContentMaker = std::function<void(ByteSink&)>;

} // namespace orlevan
