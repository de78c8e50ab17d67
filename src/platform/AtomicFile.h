#pragma once

#include <filesystem>
#include <string_view>

namespace orlevan {

// Writes `bytes` to a temporary file beside `path`, flushes it to disk and
// renames it over `path`. Readers see the old content or the new, never a
// mix; on any failure the temporary file is removed and `path` is untouched.
// `spelledName` is the name for the message: "Cannot create file %s" when the
// file cannot be made or put in place, "Failed to Save Stream" when writing fails.
void replaceFile(const std::filesystem::path& path, std::string_view bytes,
                 std::string_view spelledName);

} // namespace orlevan
