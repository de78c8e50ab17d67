#pragma once

#include "platform/format/ByteSource.h"
#include "platform/format/FileDamage.h"
#include "platform/format/LineBuffer.h"
#include "platform/system/ByteSink.h"

#include <string>
#include <string_view>
#include <vector>

// Rich Text Format as the knowledge base stores it: one paragraph per line,
// text in Windows-1251.
namespace orlevan::rtf {

// True when the bytes open an RTF document; anything else is plain text.
bool looksLikeRtf(std::string_view bytes);

// The text of a document split at its paragraph marks, as Windows-1251
// lines. The text after the last paragraph mark is the last element (empty
// when the document ends with a mark), just as splitting plain text at its
// line ends would give. Throws Failure::failedToLoadStream() when nothing
// can be read from it.
std::vector<std::string> readParagraphs(std::string_view document);
// The same into a line buffer, which keeps its memory from one document to
// the next; on failure the buffer is left as it was. Returns what was wrong
// with a document it still read: cut short (its outer group never closes, so
// what was read is only the part before the cut), or nested deeper than any
// editor writes.
FileDamage readParagraphs(std::string_view document, LineBuffer& lines);
// The same from a source of `size` bytes (0 when not known), which is read
// a window at a time and never held whole.
FileDamage readParagraphs(ByteSource& source, std::size_t size, LineBuffer& lines);

// A document holding `lines`, each followed by a paragraph mark, that
// readParagraphs gives back unchanged (plus the empty text after the last mark).
std::string writeDocument(const std::vector<std::string>& lines);
// The same into `document`, reusing its memory.
void writeDocument(const LineBuffer& lines, std::string& document);
// The same, handed to `sink` piece by piece.
void writeDocument(const LineBuffer& lines, ByteSink& sink);

} // namespace orlevan::rtf
