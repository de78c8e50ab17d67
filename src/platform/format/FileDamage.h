#pragma once

namespace orlevan {

// What a load found wrong with a file that it still read. The user is told,
// and the original is kept beside the file before the program first saves
// over it (DamagedFiles.h).
enum class FileDamage : unsigned char {
    None,
    // A rich-text document whose outer group never closes (a failed copy,
    // another program's crash): only the part before the cut was read.
    CutShort,
    // Groups nested deeper than any editor writes: whatever was read of it
    // cannot be trusted to be the text.
    NestedTooDeep,
    // Plain text saved as UTF-8, read as UTF-8 and saved as Windows-1251.
    Utf8,
    // The same, with characters Windows-1251 lacks, read as '?'.
    Utf8Lossy,
};

} // namespace orlevan
