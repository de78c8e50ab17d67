#pragma once

#include "platform/format/FileDamage.h"
#include "platform/format/LineBuffer.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace orlevan {

struct OpenFile;

// The lines of a file's bytes in either storage form: a rich-text document's
// paragraphs, or the lines of plain text, whose bytes become the buffer's
// text (in Windows-1251 even when an editor saved them as UTF-8). Returns
// what was wrong with a file it still read; throws "Failed to Load Stream"
// without touching `lines` when they cannot be read.
FileDamage readLines(std::string&& bytes, LineBuffer& lines);

// The same from an open file, with the digest of its bytes. A rich-text
// document is read a window at a time, so that only its lines are ever held;
// plain text is read whole, as its bytes become the lines' text. Throws
// "Cannot open file <name>" when the file cannot be read whole.
FileDamage readLines(const OpenFile& file, std::string_view name, std::uint64_t& hash,
                     LineBuffer& lines);

} // namespace orlevan
