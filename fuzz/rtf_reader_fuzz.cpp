// Reads any bytes as a rich-text document; whatever text comes out must
// survive being written and read again, and read the same when the document
// comes a few bytes at a time through the reader's smallest window.

#include "platform/format/ByteSource.h"
#include "platform/format/Rtf.h"
#include "platform/format/RtfReader.h"
#include "platform/system/Failure.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines;
    try {
        lines = orlevan::rtf::readParagraphs(bytes);
    } catch (const orlevan::Failure&) {
        // Only a document whose header is not the control word \rtf may fail.
        const bool headerIsRtfWord =
            orlevan::rtf::looksLikeRtf(bytes) &&
            (size == 5 || !std::isalpha(static_cast<unsigned char>(bytes[5])));
        if (headerIsRtfWord) {
            std::abort();
        }
        return 0;
    }
    if (lines.empty()) {
        std::abort();
    }
    orlevan::ViewSource source(bytes, size % 7 + 1);
    orlevan::LineBuffer streamed;
    orlevan::rtf::Reader(source, 0, streamed, 16).read();
    if (streamed.toStrings() != lines) {
        std::abort();
    }
    std::vector<std::string> expected = lines;
    expected.emplace_back();
    if (orlevan::rtf::readParagraphs(orlevan::rtf::writeDocument(lines)) != expected) {
        std::abort();
    }
    return 0;
}
