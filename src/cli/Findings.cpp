#include "cli/Findings.h"

#include "platform/format/Cp1251.h"

#include <ostream>

namespace orlevan::cli {

void Findings::add(std::string_view file, std::string_view problem) {
    out_ << cp1251::toUtf8(file) << ": " << problem << '\n';
    ++count_;
}

void Findings::add(std::string_view file, int line, std::string_view problem) {
    out_ << cp1251::toUtf8(file) << ':' << line << ": " << problem << '\n';
    ++count_;
}

} // namespace orlevan::cli
