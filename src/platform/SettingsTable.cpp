#include "SettingsTable.h"

#include "Casing.h"
#include "Failure.h"
#include "TextFile.h"

#include <array>
#include <cstdint>

namespace orlevan {

void SettingsTable::load(const Folder& folder) {
    std::vector<Row> rows;
    for (auto& line : readTextFile(folder, kFileName)) {
        const auto equals = line.find('=');
        if (equals == std::string::npos) {
            rows.push_back({{}, std::move(line), false});
        } else {
            rows.push_back({line.substr(0, equals), line.substr(equals + 1), true});
        }
    }
    rows_ = std::move(rows);
}

void SettingsTable::save(const Folder& folder) const {
    std::vector<std::string> lines;
    lines.reserve(rows_.size());
    for (const auto& row : rows_) {
        lines.push_back(row.hasEquals ? row.key + "=" + row.value : row.value);
    }
    writeTextFile(folder, kFileName, lines);
}

std::size_t SettingsTable::indexOf(int row) const {
    if (row < 1 || row > rowCount()) {
        throw Failure::indexOutOfBounds(row);
    }
    return static_cast<std::size_t>(row - 1);
}

std::string SettingsTable::value(int row) const {
    return rows_[indexOf(row)].value;
}

std::string SettingsTable::key(int row) const {
    return rows_[indexOf(row)].key;
}

void SettingsTable::setValue(int row, std::string_view value) {
    Row& target = rows_[indexOf(row)];
    target.value = value;
    target.hasEquals = true;
}

void SettingsTable::setValueByKey(std::string_view key, std::string_view value) {
    const std::string wanted = casing::upper(key);
    for (auto& row : rows_) {
        if (row.hasEquals && casing::upper(row.key) == wanted) {
            row.value = value;
            return;
        }
    }
    rows_.push_back({std::string(key), std::string(value), true});
}

int SettingsTable::integer(int row) const {
    return parseInteger(value(row));
}

std::optional<FontStyle> fontStyleOf(std::string_view text) {
    struct Spelling {
        std::string_view text;
        FontStyle style;
    };
    static constexpr std::array<Spelling, 4> kSpellings = {{
        {"[]", {false, false}},
        {"[FSITALIC]", {false, true}},
        {"[FSBOLD]", {true, false}},
        {"[FSBOLD,FSITALIC]", {true, true}},
    }};
    const std::string upper = casing::upper(text);
    for (const auto& spelling : kSpellings) {
        if (upper == spelling.text) {
            return spelling.style;
        }
    }
    return std::nullopt;
}

int parseInteger(std::string_view text) {
    std::size_t pos = text.find_first_not_of(' ');
    if (pos == std::string_view::npos) {
        throw Failure::notInteger(text);
    }
    bool negative = false;
    if (text[pos] == '-' || text[pos] == '+') {
        negative = text[pos] == '-';
        ++pos;
    }
    int base = 10;
    if (pos < text.size() && text[pos] == '$') {
        base = 16;
        ++pos;
    } else if (pos + 1 < text.size() && text[pos] == '0' &&
               (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
        base = 16;
        pos += 2;
    }
    if (pos >= text.size()) {
        throw Failure::notInteger(text);
    }
    std::uint64_t magnitude = 0;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        int digit = -1;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        }
        if (digit < 0) {
            throw Failure::notInteger(text);
        }
        magnitude = magnitude * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
        if (magnitude > 0xFFFFFFFFull) {
            throw Failure::notInteger(text);
        }
    }
    // A hexadecimal value fills all 32 bits ("$FF000005" is a system colour);
    // a decimal one must fit a signed integer.
    if (base == 10 && magnitude > (negative ? 0x80000000ull : 0x7FFFFFFFull)) {
        throw Failure::notInteger(text);
    }
    const auto bits = static_cast<std::uint32_t>(negative ? (~magnitude + 1) : magnitude);
    return static_cast<int>(bits);
}

} // namespace orlevan
