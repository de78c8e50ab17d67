#pragma once

#include "platform/format/FileDamage.h"
#include "platform/format/LineBuffer.h"

#include <string>

namespace orlevan {

// The lines of a file's bytes in either storage form: a rich-text document's
// paragraphs, or the lines of plain text, whose bytes become the buffer's
// text (in Windows-1251 even when an editor saved them as UTF-8). Returns
// what was wrong with a file it still read; throws "Failed to Load Stream"
// without touching `lines` when they cannot be read.
FileDamage readLines(std::string&& bytes, LineBuffer& lines);

} // namespace orlevan
