#pragma once

#include "platform/format/ByteSource.h"
#include "platform/system/ContentHash.h"

#include <cstdint>
#include <string>

namespace orlevan {

struct OpenFile;

// An open file's content as stamped, read a piece at a time from the start,
// with the digest of what was read. A read that fails, or that finds the
// file cut while it is read, ends the content there and leaves it incomplete.
class FileReading final : public ByteSource {
public:
    explicit FileReading(const OpenFile& file);

    std::size_t get(char* into, std::size_t room) override;
    // Reads what a reader left unread, as the tail after a document's end:
    // it is no text, but it is part of the file and of its digest.
    void readRest();
    // The rest of the content into `bytes`; false when it cannot all be read.
    bool readAll(std::string& bytes);
    // Whether every byte of the stamped size was read.
    bool complete() const { return !failed_ && offset_ == size_; }
    std::uint64_t hash() const { return hash_.value(); }
    std::size_t size() const { return static_cast<std::size_t>(size_); }

private:
    const OpenFile& file_;
    std::uint64_t size_;
    std::uint64_t offset_ = 0;
    bool failed_ = false;
    ContentHash hash_;
};

} // namespace orlevan
