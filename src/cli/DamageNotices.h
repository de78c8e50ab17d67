#pragma once

#include <iosfwd>
#include <string_view>

namespace orlevan {
class Folder;
}

namespace orlevan::cli {

// Tells on `err`, after `who`, what the folder's loads found damaged since
// the last time (a file cut short, one saved as UTF-8, ...), each file once:
// what the window's error box tells.
void tellDamage(const Folder& folder, std::ostream& err, std::string_view who = {});

} // namespace orlevan::cli
