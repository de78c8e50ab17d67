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

} // namespace

FileDamage Reader::read() {
    const bool validHeader = doc_.starts_with(kHeader) &&
                             (doc_.size() == kHeader.size() || !isLetter(byteAt(kHeader.size())));
    if (!validHeader) {
        throw Failure::failedToLoadStream();
    }
    groups_.emplace_back();
    lines_.clear();
    lines_.reserveLines(expectedLineCount());
    pos_ = 1;
    while (pos_ < doc_.size() && !finished_) {
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

// Editors end each paragraph's source line, so the line ends of the source
// foretell the number of lines; the bound keeps a hostile run of line ends
// from reserving more than a document of paragraph marks would need.
std::size_t Reader::expectedLineCount() const {
    constexpr std::size_t kShortestParagraph = std::string_view("\\par\n").size();
    std::size_t sourceLines = 0;
    for (const char* at = doc_.data();
         const void* found = std::memchr(at, '\n', doc_.data() + doc_.size() - at);) {
        ++sourceLines;
        at = static_cast<const char*>(found) + 1;
    }
    return std::min(sourceLines, doc_.size() / kShortestParagraph) + 1;
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
    return Reader(document, lines).read();
}

std::vector<std::string> readParagraphs(std::string_view document) {
    LineBuffer lines;
    readParagraphs(document, lines);
    return lines.toStrings();
}

} // namespace orlevan::rtf
