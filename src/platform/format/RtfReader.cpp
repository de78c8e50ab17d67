#include "platform/format/RtfReader.h"

#include "platform/format/Rtf.h"
#include "platform/system/Failure.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace orlevan::rtf {
namespace {

constexpr std::string_view kHeader = "{\\rtf";
constexpr std::size_t kMaxTrackedDepth = 1000;

// Bytes that end a run of plain text.
constexpr std::array<bool, 256> kEndsTextRun = [] {
    std::array<bool, 256> ends{};
    for (const unsigned char c : {'\\', '{', '}', '\r', '\n'}) {
        ends[c] = true;
    }
    return ends;
}();

// The most any step of the reading but a control word looks ahead: the
// header and the letter after it, a backslash with a hexadecimal byte.
constexpr std::size_t kLookahead = 8;

} // namespace

FileDamage Reader::read() {
    // A small document needs no more window than itself.
    held_.resize(std::max(size_ > 0 ? std::min(window_, size_) : window_, 2 * kLookahead));
    has(kLookahead);
    const bool validHeader = doc_.starts_with(kHeader) &&
                             (doc_.size() == kHeader.size() || !isLetter(byteAt(kHeader.size())));
    if (!validHeader) {
        throw Failure::failedToLoadStream();
    }
    groups_.emplace_back();
    lines_.clear();
    // The text of a document is never longer than the document. Room for
    // that much takes address space, not memory, until it is filled, and
    // the text never has to move (and be held twice) while it grows.
    line_.reserve(size_);
    pos_ = 1;
    while (!finished_) {
        if (!has(kLookahead) && pos_ == doc_.size()) {
            break;
        }
        std::size_t runEnd = pos_;
        while (runEnd < doc_.size() && !kEndsTextRun[byteAt(runEnd)]) {
            ++runEnd;
        }
        if (runEnd > pos_) {
            readTextRun(runEnd);
            continue;
        }
        switch (byteAt(pos_++)) {
        case '{':
            openGroup();
            break;
        case '}':
            closeGroup();
            break;
        case '\\':
            readControl();
            break;
        default: // CR, LF
            break;
        }
    }
    resolveUnspokenCharacter();
    lines_.endLine(lineStart_);
    if (tooDeep_) {
        return FileDamage::NestedTooDeep;
    }
    return finished_ ? FileDamage::None : FileDamage::CutShort;
}

void Reader::readTextRun(std::size_t end) {
    if (fallbackToSkip_ > 0) {
        const auto skipped = static_cast<std::size_t>(
            std::min<long long>(fallbackToSkip_, static_cast<long long>(end - pos_)));
        fallbackToSkip_ -= static_cast<long long>(skipped);
        pos_ += skipped;
    }
    if (pos_ < end && inText()) {
        unspokenCharacter_ = false;
        const ByteMap& map = bytes();
        if (map.isCp1251) {
            line_.append(doc_.data() + pos_, end - pos_);
        } else {
            for (std::size_t i = pos_; i < end; ++i) {
                line_.push_back(static_cast<char>(map.toCp1251(byteAt(i))));
            }
        }
    }
    pos_ = end;
}

void Reader::openGroup() {
    resolveUnspokenCharacter();
    fallbackToSkip_ = 0;
    afterHighSurrogate_ = false;
    if (groups_.size() < kMaxTrackedDepth) {
        groups_.push_back(groups_.back());
    } else {
        ++excessDepth_;
        tooDeep_ = true;
    }
}

void Reader::closeGroup() {
    resolveUnspokenCharacter();
    fallbackToSkip_ = 0;
    afterHighSurrogate_ = false;
    if (excessDepth_ > 0) {
        --excessDepth_;
        return;
    }
    groups_.pop_back();
    finished_ = groups_.empty();
}

void Reader::endLine() {
    if (!inText()) {
        return;
    }
    resolveUnspokenCharacter();
    afterHighSurrogate_ = false;
    lines_.endLine(lineStart_);
    lineStart_ = line_.size();
}

void Reader::add1251(unsigned char byte) {
    if (inText()) {
        unspokenCharacter_ = false;
        line_.push_back(static_cast<char>(byte));
    }
}

bool Reader::has(std::size_t count) {
    if (doc_.size() - pos_ < count && !sourceEnded_) {
        moveWindow();
    }
    return doc_.size() - pos_ >= count;
}

// The bytes not read yet go to the window's start, and the rest of it fills
// from the source; \bin data that lay past the window is dropped as it comes.
void Reader::moveWindow() {
    const std::size_t kept = doc_.size() - pos_;
    // Before the first fill there is no window yet, and nothing to keep.
    if (kept > 0) {
        std::memmove(held_.data(), doc_.data() + pos_, kept);
    }
    std::size_t filled = kept;
    while (filled < held_.size() && !sourceEnded_) {
        const std::size_t got = source_.get(held_.data() + filled, held_.size() - filled);
        sourceEnded_ = got == 0;
        const std::size_t dropped = std::min(got, binaryToSkip_);
        binaryToSkip_ -= dropped;
        std::memmove(held_.data() + filled, held_.data() + filled + dropped, got - dropped);
        filled += got - dropped;
    }
    doc_ = std::string_view(held_.data(), filled);
    pos_ = 0;
}

// A \uN that 1251 lacks and that no fallback followed.
void Reader::resolveUnspokenCharacter() {
    if (unspokenCharacter_) {
        unspokenCharacter_ = false;
        line_.push_back('?');
    }
}

bool looksLikeRtf(std::string_view bytes) {
    return bytes.starts_with(kHeader);
}

FileDamage readParagraphs(std::string_view document, LineBuffer& lines) {
    ViewSource source(document);
    return Reader(source, document.size(), lines).read();
}

FileDamage readParagraphs(ByteSource& source, std::size_t size, LineBuffer& lines) {
    return Reader(source, size, lines).read();
}

std::vector<std::string> readParagraphs(std::string_view document) {
    LineBuffer lines;
    readParagraphs(document, lines);
    return lines.toStrings();
}

} // namespace orlevan::rtf
