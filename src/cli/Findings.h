#pragma once

#include <iosfwd>
#include <string_view>

namespace orlevan::cli {

// Problems found in a working folder, printed as they are found, in the form
// editors and build tools jump to: "Base\Words.dat:12: problem".
class Findings {
public:
    explicit Findings(std::ostream& out) : out_(out) {}

    // `file` as the program spells it (Windows-1251); `problem` in UTF-8.
    void add(std::string_view file, std::string_view problem);
    // `line` counted from 1, as editors count.
    void add(std::string_view file, int line, std::string_view problem);

    int count() const { return count_; }

private:
    std::ostream& out_;
    int count_ = 0;
};

} // namespace orlevan::cli
