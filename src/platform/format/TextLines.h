#pragma once

#include "platform/format/LineBuffer.h"

#include <string>
#include <string_view>
#include <vector>

namespace orlevan {

// The lines of plain text. A line ends at CR LF, at a lone LF (files edited
// on Linux) or at a lone CR; one empty last line is not a line, so a text
// that ends with a line break has as many lines as the same text without it.
std::vector<std::string> splitTextLines(std::string_view text);

// The same for a buffer whose text is the whole file and that holds no lines
// yet: its lines become spans of that text, with nothing copied.
void splitInPlace(LineBuffer& buffer);

// Drops the empty text after the last break of an already split document.
void dropTrailingEmptyLine(std::vector<std::string>& lines);

// Every line followed by CR LF.
std::string joinTextLines(const std::vector<std::string>& lines);

} // namespace orlevan
