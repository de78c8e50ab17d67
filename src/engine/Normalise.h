#pragma once

#include <string>
#include <string_view>

namespace orlevan {

// The phrase of a turn made ready for answering, in place: a lower-case
// Russian letter at the very start becomes a capital (nothing else is
// looked at), and the end is fixed so that the phrase ends a sentence — a
// final comma becomes a full stop, a final '.', '!' or '?' stays, anything
// else gets a full stop appended. An empty phrase stays empty.
void normalise(std::string& phrase);

// "[" time "] " label text: one line of the dialogue log.
std::string logLine(std::string_view time, std::string_view label, std::string_view text);

// Labels of the two speakers in the dialogue log (five blanks after the colon).
inline constexpr std::string_view kUserLabel = "USER:     ";
inline constexpr std::string_view kCpuLabel = "CPU:     ";

} // namespace orlevan
